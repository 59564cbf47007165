#include "app/TVerificationMessagesForm.h"

#include "scenario/TScenarioData.h"
#include "ui_TVerificationMessagesForm.h"

TVerificationMessagesForm::TVerificationMessagesForm(QWidget* parent)
    : QDialog(parent), ui(new Ui::TVerificationMessagesForm) {
    ui->setupUi(this);
    setProperty("helpTopic", 200);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

TVerificationMessagesForm::~TVerificationMessagesForm() {
    delete ui;
}

QListWidget* TVerificationMessagesForm::MessagesListBox() const {
    return ui->MessagesListBox;
}

QStringList TVerificationMessagesForm::Lines() const {
    QStringList lines;
    for (int i = 0; i < ui->MessagesListBox->count(); ++i)
        lines << ui->MessagesListBox->item(i)->text();
    return lines;
}

void TVerificationMessagesForm::Refill() {
    ui->MessagesListBox->clear();
    if (!Data_ || !Data_->Loaded()) {
        ui->MessagesListBox->addItem(QStringLiteral("No scenario loaded."));
        return;
    }
    if (Data_->Messages().empty()) {
        ui->MessagesListBox->addItem(QStringLiteral("No Errors."));
        return;
    }
    // The list scrolls sideways by itself to the widest line.
    for (const TVerificationMessage& message : Data_->Messages())
        ui->MessagesListBox->addItem(QString::fromStdString(message.Text()));
}

void TVerificationMessagesForm::ShowFor(const TScenarioData* data) {
    SetScenario(data);
    exec();
}

void TVerificationMessagesForm::showEvent(QShowEvent* event) {
    Refill();
    QDialog::showEvent(event);
}
