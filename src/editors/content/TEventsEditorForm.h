#pragma once

#include <QDialog>

class TScenarioData;
struct TElementTarget;

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
    // Once shown, selects the event of target and opens the editor that
    // shows it, as its button does; showing writes nothing.
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SimpleEventsButtonClick();
    void ScriptedEventsButtonClick();
    // The buttons' editors, opened at target when one is given.
    void OpenSimpleEvents(const TElementTarget* target);
    void OpenScriptedEvents(const TElementTarget* target);
    void ShowTarget(const TElementTarget& target);

    Ui::TEventsEditorForm* ui;
    TScenarioData& Data_;
    bool Shown_ = false;
};
