#pragma once

#include <QDialog>

namespace Ui {
class TInterviewerEditorForm;
}
class TScenarioData;
struct TElementTarget;

// The interviewers of scenario.xml: a list with
// Create New and Remove, and the selected interviewer's details.
class TInterviewerEditorForm : public QDialog {
    Q_OBJECT
public:
    TInterviewerEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TInterviewerEditorForm() override;

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

    Ui::TInterviewerEditorForm* ui;
    TScenarioData& Data_;
};
