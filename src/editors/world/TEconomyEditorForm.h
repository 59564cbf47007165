#pragma once

#include <QDialog>

namespace Ui {
class TEconomyEditorForm;
}
class TScenarioData;
struct TElementTarget;

// The economic targets of scenario.xml (economy > targets): a list with
// Create New and Remove, and the selected target's details.
class TEconomyEditorForm : public QDialog {
    Q_OBJECT
public:
    TEconomyEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TEconomyEditorForm() override;

    // Once shown, selects the entry of the target's element and focuses its
    // field (else the list). Call before exec().
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ShowSelection();
    void NameEditChange();
    void NewButtonClick();
    void RemoveButtonClick();

    Ui::TEconomyEditorForm* ui;
    TScenarioData& Data_;
};
