#pragma once

#include <QDialog>

class TScenarioData;

namespace Ui {
class TEventsEditorForm;
}

// Step 6: the simple and the scripted events of events.xml side by side,
// each list with the button that opens its editor. The lists are rebuilt
// whenever an editor closes.
class TEventsEditorForm : public QDialog {
    Q_OBJECT
public:
    TEventsEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TEventsEditorForm() override;

    // Rebuilds both lists; scripted events without a name get one first.
    void FormShow();
    void SimpleEventsButtonClick();
    void ScriptedEventsButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Ui::TEventsEditorForm* ui;
    TScenarioData& Data_;
    bool Shown_ = false;
};
