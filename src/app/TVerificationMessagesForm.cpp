#include "app/TVerificationMessagesForm.h"

#include "app/ListFilter.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/QuickFixes.h"
#include "ui_TVerificationMessagesForm.h"

#include <QBoxLayout>
#include <QLabel>

TVerificationMessagesForm::TVerificationMessagesForm(QWidget* parent)
    : QDialog(parent), ui(new Ui::TVerificationMessagesForm) {
    ui->setupUi(this);
    setProperty("helpTopic", 200);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // Long messages wrap instead of running off the side; the line below
    // the list shows the current one whole.
    ui->MessagesListBox->setWordWrap(true);
    ui->MessagesListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->MessagesListBox->setResizeMode(QListView::Adjust);
    Details_ = new QLabel(this);
    Details_->setObjectName(QStringLiteral("DetailsLabel"));
    Details_->setWordWrap(true);
    Details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (auto* box = qobject_cast<QBoxLayout*>(layout()))
        box->insertWidget(box->indexOf(ui->MessagesListBox) + 1, Details_);
    ListFilter::Add(ui->MessagesListBox);
    // Activation is a double-click, or Enter on the current line.
    connect(ui->MessagesListBox, &QListWidget::itemActivated, this, [this] {
        if (ui->OpenButton->isEnabled())
            emit OpenRequested(CurrentMessage());
    });
    connect(ui->MessagesListBox, &QListWidget::currentRowChanged, this,
            &TVerificationMessagesForm::UpdateActions);
    connect(ui->OpenButton, &QPushButton::clicked, this,
            [this] { emit OpenRequested(CurrentMessage()); });
    connect(ui->FixButton, &QPushButton::clicked, this,
            [this] { emit FixRequested(CurrentMessage()); });
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    UpdateActions();
}

TVerificationMessagesForm::~TVerificationMessagesForm() {
    delete ui;
}

QListWidget* TVerificationMessagesForm::MessagesListBox() const {
    return ui->MessagesListBox;
}

QPushButton* TVerificationMessagesForm::OpenButton() const {
    return ui->OpenButton;
}

QPushButton* TVerificationMessagesForm::FixButton() const {
    return ui->FixButton;
}

QStringList TVerificationMessagesForm::Lines() const {
    QStringList lines;
    for (int i = 0; i < ui->MessagesListBox->count(); ++i)
        lines << ui->MessagesListBox->item(i)->text();
    return lines;
}

int TVerificationMessagesForm::CurrentMessage() const {
    const int row = ui->MessagesListBox->currentRow();
    if (!ListsMessages_ || !Data_ || row < 0 || row >= static_cast<int>(Data_->Messages().size()))
        return -1;
    return row;
}

void TVerificationMessagesForm::Refill() {
    // A refill after a fix or an editor session keeps the place in the list.
    const int row = ui->MessagesListBox->currentRow();
    ui->MessagesListBox->clear();
    ListsMessages_ = false;
    if (!Data_ || !Data_->Loaded()) {
        ui->MessagesListBox->addItem(QStringLiteral("No scenario loaded."));
    } else if (Data_->Messages().empty()) {
        ui->MessagesListBox->addItem(QStringLiteral("No Errors."));
    } else {
        // The list scrolls sideways by itself to the widest line.
        for (const TVerificationMessage& message : Data_->Messages()) {
            auto* item =
                new QListWidgetItem(QString::fromStdString(message.Text()), ui->MessagesListBox);
            item->setToolTip(Describe(message));
        }
        ListsMessages_ = true;
        ui->MessagesListBox->setCurrentRow(std::clamp(row, 0, ui->MessagesListBox->count() - 1));
    }
    UpdateActions();
}

void TVerificationMessagesForm::UpdateActions() {
    const int index = CurrentMessage();
    const TVerificationMessage* message =
        index >= 0 ? &Data_->Messages()[static_cast<size_t>(index)] : nullptr;
    Details_->setText(message ? Describe(*message) : QString());
    ui->OpenButton->setEnabled(message && !message->ElementPath.empty());
    const std::string fix = message ? QuickFixes::Label(*message) : std::string();
    ui->FixButton->setEnabled(!fix.empty());
    ui->FixButton->setText(fix.empty() ? QStringLiteral("&Fix")
                                       : QStringLiteral("&Fix: ") + QString::fromStdString(fix));
}

QString TVerificationMessagesForm::Describe(const TVerificationMessage& message) const {
    QString text = QString::fromStdString(message.Text());
    const QString place = PlaceNamer_ ? PlaceNamer_(message) : QString();
    if (!place.isEmpty())
        text += QStringLiteral("\nShown in: ") + place;
    return text;
}

void TVerificationMessagesForm::ShowFor(const TScenarioData* data) {
    SetScenario(data);
    exec();
}

void TVerificationMessagesForm::showEvent(QShowEvent* event) {
    Refill();
    QDialog::showEvent(event);
}
