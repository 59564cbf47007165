#pragma once

#include <QDialog>

namespace Ui {
class TPartyRelationsEditorForm;
}
class TScenarioData;
class TXmlNode;

// relations.xml: the three offer switches and the relations between
// leaders. Relations naming a leader who no longer exists are dropped when
// the form opens.
class TPartyRelationsEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TPartyRelationsEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TPartyRelationsEditorForm() override;

    void FromComboBoxChange();
    void AddButtonClick();
    void RemoveButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Ui::TPartyRelationsEditorForm* ui;
    TScenarioData& Data_;
};
