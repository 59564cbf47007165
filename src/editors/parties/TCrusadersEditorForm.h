#pragma once

#include <QDialog>

namespace Ui {
class TCrusadersEditorForm;
}
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// A leader's crusaders: New, Delete (at once, no question) and the
// selected crusader's fields. Every crusader has the id "new_crusader",
// so entries hold their elements.
class TCrusadersEditorForm : public QDialog {
    Q_OBJECT
public:
    // crusaders: the leader's crusaders element.
    TCrusadersEditorForm(TScenarioData& data, TXmlNode* crusaders, QWidget* parent = nullptr);
    ~TCrusadersEditorForm() override;

    // Once shown, selects the target's crusader and focuses its field (call
    // before exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ShowSelection();
    void NameEditChange();
    void NewButtonClick();
    void DeleteButtonClick();

    Ui::TCrusadersEditorForm* ui;
    TScenarioData& Data_;
    TXmlNode* Crusaders_;
};
