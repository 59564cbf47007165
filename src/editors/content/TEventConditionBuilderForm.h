#pragma once

#include <QDialog>

class QComboBox;
class TScenarioData;
class TXmlNode;
struct TElementTarget;

namespace Ui {
class TEventConditionBuilderForm;
}

// The conditions of one scripted event: a leader exists or not, another
// scripted event has occurred or not.
class TEventConditionBuilderForm : public QDialog {
    Q_OBJECT
public:
    TEventConditionBuilderForm(TScenarioData& data, TXmlNode* event, QWidget* parent = nullptr);
    ~TEventConditionBuilderForm() override;

    // Lists the event's conditions; no type chosen yet.
    void FormShow();
    // Once shown, selects the condition of target; showing writes nothing.
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void TypeComboBoxChange();
    void NameComboBoxChange();
    void AddButtonClick();
    void RemoveButtonClick();
    bool LeaderChosen() const;
    void ShowTarget(const TElementTarget& target);

    Ui::TEventConditionBuilderForm* ui;
    TScenarioData& Data_;
    TXmlNode* Event_;
    bool Shown_ = false;
};
