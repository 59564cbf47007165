#pragma once

#include <QDialog>

namespace Ui {
class TVeepEditForm;
}
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// One vice-leader of a party's pool. Choosing the home region also moves
// the home bonus entry to it.
class TVeepEditForm : public QDialog {
    Q_OBJECT
public:
    TVeepEditForm(TScenarioData& data, TXmlNode* viceLeader, QWidget* parent = nullptr);
    ~TVeepEditForm() override;

    // Once shown, focuses the target's field (call before exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Ui::TVeepEditForm* ui;
    TScenarioData& Data_;
    TXmlNode* ViceLeader_;
};
