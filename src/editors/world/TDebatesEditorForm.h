#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TDebatesEditorForm;
}
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// A list of debates of scenario.xml with Create New, Remove and the selected
// debate's details. It edits either a party's primaries debates (its entry
// under debates > primaries, a list element named "party": debates there
// have no type) or the general-election debates (debates >
// general_election).
class TDebatesEditorForm : public QDialog {
    Q_OBJECT
public:
    // Edits the debates held by list; a null list leaves everything disabled.
    TDebatesEditorForm(TScenarioData& data, TXmlNode* list, QWidget* parent = nullptr);
    ~TDebatesEditorForm() override;

    // The scenario's general-election debates. A scenario with debates but
    // no general-election list yet gets it from the first Create New.
    static std::unique_ptr<TDebatesEditorForm> ForGeneralElection(TScenarioData& data,
                                                                  QWidget* parent = nullptr);
    // A party's primaries debates: its entry under debates > primaries,
    // appended when the party has none yet.
    static std::unique_ptr<TDebatesEditorForm> ForParty(TScenarioData& data, TXmlNode* party,
                                                        QWidget* parent = nullptr);

    // Once shown, selects the debate holding the target's element and
    // focuses its field (else the list). Call before exec().
    void ShowElement(const TElementTarget& target);

    // The list edited; null while there is none.
    TXmlNode* List() const { return List_; }
    bool PrimariesMode() const { return Primaries_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ShowSelection();
    void RefreshEntry();
    void NewButtonClick();
    void RemoveButtonClick();

    Ui::TDebatesEditorForm* ui;
    TScenarioData& Data_;
    TXmlNode* List_;
    bool Primaries_;
    // Create New may make the general-election list when there is none.
    bool MakesGeneralElectionList_ = false;
};
