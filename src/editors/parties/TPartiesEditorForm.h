#pragma once

#include <QDialog>

namespace Ui {
class TPartiesEditorForm;
}
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// Step 5: the parties of parties.xml, in document order, with the party
// editor, new parties, removal, reordering and the party relations.
class TPartiesEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TPartiesEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TPartiesEditorForm() override;

    // The party of the selected entry; null when none.
    TXmlNode* SelectedParty() const;
    // Once shown, selects the target's party and opens the windows that
    // lead to the target's window (call before exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EditButtonClick();
    void RelationsButtonClick();
    void NewButtonClick();
    void RemoveButtonClick();
    void UpButtonClick();
    void DnButtonClick();
    // Lists the parties again and selects the entry of party (the first
    // entry when it is null or gone).
    void FillList(const TXmlNode* party = nullptr);
    // target: where the party editor is to go on, if anywhere.
    void EditParty(TXmlNode* party, const TElementTarget* target = nullptr);
    void EditRelations(const TElementTarget* target);
    void Move(int direction);

    Ui::TPartiesEditorForm* ui;
    TScenarioData& Data_;
};
