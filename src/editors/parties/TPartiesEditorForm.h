#pragma once

#include <QDialog>

namespace Ui {
class TPartiesEditorForm;
}
class TScenarioData;
class TXmlNode;

// Step 5: the parties of parties.xml, in document order, with the party
// editor, new parties, removal, reordering and the party relations.
class TPartiesEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TPartiesEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TPartiesEditorForm() override;

    // The party of the selected entry; null when none.
    TXmlNode* SelectedParty() const;

    void EditButtonClick();
    void RelationsButtonClick();
    void NewButtonClick();
    void RemoveButtonClick();
    void UpButtonClick();
    void DnButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Lists the parties again and selects the entry of party (the first
    // entry when it is null or gone).
    void FillList(const TXmlNode* party = nullptr);
    void EditParty(TXmlNode* party);
    void Move(int direction);

    Ui::TPartiesEditorForm* ui;
    TScenarioData& Data_;
};
