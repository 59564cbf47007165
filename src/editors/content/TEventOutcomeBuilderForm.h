#pragma once

#include <QDialog>

class TScenarioData;
class TXmlNode;
struct TElementTarget;

namespace Ui {
class TEventOutcomeBuilderForm;
}

// The outcomes of one scripted event, with the issue each moves and the
// effects that reward or punish positions, parties, leaders and
// vice-leaders. Showing an outcome drops the effects it can no longer name.
class TEventOutcomeBuilderForm : public QDialog {
    Q_OBJECT
public:
    TEventOutcomeBuilderForm(TScenarioData& data, TXmlNode* event, QWidget* parent = nullptr);
    ~TEventOutcomeBuilderForm() override;

    // Lists the outcomes and shows the first.
    void FormShow();
    // Once shown, selects the outcome of target (and its effect) and
    // focuses the field; showing writes nothing beyond what showing an
    // outcome always does.
    void ShowElement(const TElementTarget& target);

    // The outcome of the selected line; null when none.
    TXmlNode* SelectedOutcome() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OutcomesListBoxClick();
    void IssueAffectedComboBoxChange();
    void EffectTypeComboBoxChange();
    void AddEffectButtonClick();
    void RemoveEffectClick();
    void NewButtonClick();
    void RemoveOutcomeButtonClick();
    void HeadlineMemoChange();
    void ShowTarget(const TElementTarget& target);
    void SelectOutcome(int row);
    void ShowOutcome(TXmlNode* outcome);
    void ShowEffects(TXmlNode* outcome);

    Ui::TEventOutcomeBuilderForm* ui;
    TScenarioData& Data_;
    TXmlNode* Event_;
    bool Shown_ = false;
};
