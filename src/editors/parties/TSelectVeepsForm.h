#pragma once

#include <QDialog>

namespace Ui {
class TSelectVeepsForm;
}
class QListWidget;
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// A leader's running mates, chosen from the party's vice-leader pool: the
// pool's other vice-leaders on the left, the leader's running mates on the
// right. A running-mate entry naming a vice-leader that no longer exists is
// listed on the right (by its id, marked missing) so it can be removed.
class TSelectVeepsForm : public QDialog {
    Q_OBJECT
public:
    TSelectVeepsForm(TScenarioData& data, TXmlNode* party, TXmlNode* leader,
                     QWidget* parent = nullptr);
    ~TSelectVeepsForm() override;

    // Once shown, selects the running mate the target names (call before
    // exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillLists();
    // Adds (or removes) the running mates of the selected, or all, entries
    // of list.
    void Move(QListWidget* list, bool all, bool add);

    Ui::TSelectVeepsForm* ui;
    TScenarioData& Data_;
    TXmlNode* Party_;
    TXmlNode* Leader_;
};
