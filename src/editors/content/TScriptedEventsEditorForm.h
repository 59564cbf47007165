#pragma once

#include <QDialog>

class TScenarioData;
class TXmlNode;
struct TElementTarget;

namespace Ui {
class TScriptedEventsEditorForm;
}

// The scripted events of events.xml: when each may happen, and the buttons
// that open the builders of its conditions and outcomes. The details always
// show the selected event; with none selected they are empty and disabled.
class TScriptedEventsEditorForm : public QDialog {
    Q_OBJECT
public:
    TScriptedEventsEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TScriptedEventsEditorForm() override;

    // Names unnamed events, fills the list and shows the first event.
    void FormShow();
    // Once shown, selects the event of target and focuses its field, or
    // opens the builder that shows its condition or outcome as the button
    // does; showing writes nothing.
    void ShowElement(const TElementTarget& target);

    // The event of the selected line; null when none.
    TXmlNode* SelectedEvent() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EventsListBoxClick();
    void NewButtonClick();
    void RemoveButtonClick();
    void ConditionsButtonClick();
    void OutcomesButtonClick();
    void NameEditChange();
    // The buttons' builders, opened at target when one is given.
    void OpenConditions(const TElementTarget* target);
    void OpenOutcomes(const TElementTarget* target);
    void ShowTarget(const TElementTarget& target);
    void SelectEvent(int row);
    void ShowEvent(TXmlNode* event);

    Ui::TScriptedEventsEditorForm* ui;
    TScenarioData& Data_;
    bool Shown_ = false;
};
