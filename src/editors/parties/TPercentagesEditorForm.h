#pragma once

#include "scenario/edit/PercentagesEdit.h"

#include <QDialog>

#include <vector>

namespace Ui {
class TPercentagesEditorForm;
}
class TDoubleEdit;
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// The starting percentages of one party or one leader, region by region
// (percentages.xml). The focused region's values are shown; a change is
// written into every selected region at once.
class TPercentagesEditorForm : public QDialog {
    Q_OBJECT
public:
    // owner: a party (a child of the root of parties.xml) or a leader.
    TPercentagesEditorForm(TScenarioData& data, TXmlNode* owner, QWidget* parent = nullptr);
    ~TPercentagesEditorForm() override;

    bool ForParty() const { return IsParty_; }
    // The entries of the selected regions, in list order.
    std::vector<TXmlNode*> SelectedEntries() const;
    // Once shown, selects the region of the entry that holds the target
    // and focuses the target's field (call before exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct TField {
        TDoubleEdit* Edit;
        PercentagesEdit::TShare Share;
    };

    void FormShow();
    void ShowFocusedEntry();
    void FieldChange(const TField& field);

    Ui::TPercentagesEditorForm* ui;
    TScenarioData& Data_;
    TXmlNode* Owner_;
    bool IsParty_;
    std::vector<TField> Fields_;
    // Set while values are shown, so showing writes nothing.
    bool Showing_ = false;
};
