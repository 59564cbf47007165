#pragma once

#include <QDialog>

namespace Ui {
class TPartyRelationsEditorForm;
}
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// relations.xml: the three offer switches and the relations between
// leaders. Relations naming a leader who no longer exists are dropped when
// the form opens.
class TPartyRelationsEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TPartyRelationsEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TPartyRelationsEditorForm() override;

    // Once shown, selects the relation, or focuses the switch, that the
    // target names (call before exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FromComboBoxChange();
    void AddButtonClick();
    void RemoveButtonClick();
    void FormShow();

    Ui::TPartyRelationsEditorForm* ui;
    TScenarioData& Data_;
};
