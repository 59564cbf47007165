#pragma once

#include <QDialog>

class QListWidget;
class TScenarioData;

namespace Ui {
class TVerificationMessagesForm;
}

// Lists the messages of the last verification run of a scenario.
class TVerificationMessagesForm : public QDialog {
    Q_OBJECT
public:
    explicit TVerificationMessagesForm(QWidget* parent = nullptr);
    ~TVerificationMessagesForm() override;

    // The scenario whose messages the next showing lists; null for none.
    void SetScenario(const TScenarioData* data) { Data_ = data; }
    // Empties the list and refills it: "No scenario loaded.", "No Errors."
    // or one line per message.
    void Refill();
    // Refills and shows modally.
    void ShowFor(const TScenarioData* data);
    QListWidget* MessagesListBox() const;
    QStringList Lines() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Ui::TVerificationMessagesForm* ui;
    const TScenarioData* Data_ = nullptr;
};
