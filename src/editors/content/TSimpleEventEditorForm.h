#pragma once

#include <QDialog>

class TScenarioData;
class TXmlNode;
struct TElementTarget;

namespace Ui {
class TSimpleEventEditorForm;
}

// The simple events of events.xml: random headlines about one issue each,
// and the switch that turns them all on or off.
class TSimpleEventEditorForm : public QDialog {
    Q_OBJECT
public:
    TSimpleEventEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TSimpleEventEditorForm() override;

    // Fills the lists and shows the first event.
    void FormShow();
    // Once shown, selects the event of target (and its headline) and
    // focuses the control that shows it; showing writes nothing.
    void ShowElement(const TElementTarget& target);

    // The simple event of the selected line; null when none.
    TXmlNode* SelectedEvent() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EventsListBoxClick();
    void IssuesComboBoxChange();
    void HeadlinesListBoxClick();
    void AddHeadlineButtonClick();
    void RemoveHeadlineButtonClick();
    void NewButtonClick();
    void RemoveButtonClick();
    void RandomCheckBoxClick();
    void ShowTarget(const TElementTarget& target);
    void ShowRandomSwitch();
    void ShowEvent(TXmlNode* event);
    void SelectEvent(int row);
    TXmlNode* SimpleEvents() const;

    Ui::TSimpleEventEditorForm* ui;
    TScenarioData& Data_;
    bool Shown_ = false;
};
