#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class TScenarioData;
struct TVerificationMessage;

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
    // Names where a designer finds a message's element ("Step 5: Parties,
    // field age"); empty when nowhere.
    using TPlaceNamer = std::function<QString(const TVerificationMessage&)>;
    void SetPlaceNamer(TPlaceNamer namer) { PlaceNamer_ = std::move(namer); }
    // The current message whole, with where it is shown.
    QLabel* DetailsLabel() const { return Details_; }
    // Refills and shows modally.
    void ShowFor(const TScenarioData* data);
    QListWidget* MessagesListBox() const;
    QPushButton* OpenButton() const;
    QPushButton* FixButton() const;
    QStringList Lines() const;
    // The index in the scenario's messages of the current line; -1 when it
    // shows no message.
    int CurrentMessage() const;

signals:
    // A message's line was double-clicked, Enter pressed on it, or Open
    // clicked: open the editor at its item.
    void OpenRequested(int message);
    // Fix was clicked for a message that offers one.
    void FixRequested(int message);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateActions();
    QString Describe(const TVerificationMessage& message) const;

    Ui::TVerificationMessagesForm* ui;
    const TScenarioData* Data_ = nullptr;
    // Whether the lines are the scenario's messages, one each.
    bool ListsMessages_ = false;
    TPlaceNamer PlaceNamer_;
    QLabel* Details_ = nullptr;
};
