#include "editors/content/TEventConditionBuilderForm.h"
#include "ui_TEventConditionBuilderForm.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "editors/content/EventNameLists.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/EventsEdit.h"
#include "xml/TXmlNode.h"

#include <QSignalBlocker>

using namespace FormSupport;

namespace {

// The condition words of each target kind with the type each writes, in
// the order the condition box offers them.
const char* const LeaderWords[] = {"Exists", "Does Not Exist"};
const char* const LeaderTypes[] = {"who", "not_who"};
const char* const EventWords[] = {"Event Has Occurred", "Event Has Not Occurred"};
const char* const EventTypes[] = {"event_occurred", "event_not_occurred"};

} // namespace

TEventConditionBuilderForm::TEventConditionBuilderForm(TScenarioData& data, TXmlNode* event,
                                                       QWidget* parent)
    : QDialog(parent), ui(new Ui::TEventConditionBuilderForm), Data_(data), Event_(event) {
    ui->setupUi(this);
    setProperty("helpTopic", 163);
    setWindowTitle(QStringLiteral("Step 6: ") + EventNameLists::EventName(event) +
                   QStringLiteral(" Event Conditions"));

    connect(ui->TypeComboBox, &QComboBox::currentIndexChanged, this,
            [this] { TypeComboBoxChange(); });
    connect(ui->NameComboBox, &QComboBox::currentIndexChanged, this,
            [this] { NameComboBoxChange(); });
    connect(ui->AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(ui->RemoveButton, &QPushButton::clicked, this, [this] { RemoveButtonClick(); });
}

TEventConditionBuilderForm::~TEventConditionBuilderForm() {
    delete ui;
}

void TEventConditionBuilderForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TEventConditionBuilderForm::FormShow() {
    {
        const QSignalBlocker quiet(ui->TypeComboBox);
        ui->TypeComboBox->setCurrentIndex(-1);
    }
    TypeComboBoxChange();
    const QSignalBlocker quiet(ui->ConditionsListBox);
    ui->ConditionsListBox->clear();
    TXmlNode* conditions = Event_ ? Event_->GetChild("conditions") : nullptr;
    for (int32_t i = 0; conditions && i < conditions->ChildCount(); ++i) {
        TXmlNode* condition = conditions->GetChildAt(i);
        AddEntry(ui->ConditionsListBox,
                 QString::fromStdString(EventsEdit::ConditionLine(Data_, condition)), condition);
    }
}

bool TEventConditionBuilderForm::LeaderChosen() const {
    return ui->TypeComboBox->currentText().toLower() == QStringLiteral("leader");
}

void TEventConditionBuilderForm::TypeComboBoxChange() {
    const QString type = ui->TypeComboBox->currentText().toLower();
    {
        const QSignalBlocker quiet(ui->NameComboBox);
        ui->NameComboBox->clear();
        if (type == QStringLiteral("leader"))
            EventNameLists::Fill(ui->NameComboBox, EventsEdit::LeaderList(Data_));
        else if (type == QStringLiteral("event"))
            EventNameLists::Fill(ui->NameComboBox, EventsEdit::OtherEventList(Data_, Event_));
        ui->NameComboBox->setCurrentIndex(-1);
    }
    NameComboBoxChange();
}

void TEventConditionBuilderForm::NameComboBoxChange() {
    const QSignalBlocker quiet(ui->ConditionComboBox);
    ui->ConditionComboBox->clear();
    if (ui->NameComboBox->currentIndex() < 0)
        return;
    for (const char* word : LeaderChosen() ? LeaderWords : EventWords)
        ui->ConditionComboBox->addItem(QString::fromLatin1(word));
    ui->ConditionComboBox->setCurrentIndex(-1);
}

void TEventConditionBuilderForm::AddButtonClick() {
    const int word = ui->ConditionComboBox->currentIndex();
    const TXmlNode* target = EventNameLists::Chosen(ui->NameComboBox);
    if (word < 0 || word > 1 || !target)
        return;
    const char* type = LeaderChosen() ? LeaderTypes[word] : EventTypes[word];
    TXmlNode* condition =
        EventsEdit::AddCondition(Data_, Event_, type, target->AttributeValue("id"));
    if (!condition)
        return;
    AddEntry(ui->ConditionsListBox,
             QString::fromStdString(EventsEdit::ConditionLine(Data_, condition)), condition);
    {
        const QSignalBlocker quiet(ui->TypeComboBox);
        ui->TypeComboBox->setCurrentIndex(-1);
    }
    TypeComboBoxChange();
}

void TEventConditionBuilderForm::RemoveButtonClick() {
    const int row = ui->ConditionsListBox->currentRow();
    if (row >= 0)
        EventsEdit::RemoveItem(Data_, TakeEntry(ui->ConditionsListBox, row));
}

void TEventConditionBuilderForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { ShowTarget(target); });
}

void TEventConditionBuilderForm::ShowTarget(const TElementTarget& target) {
    // A condition is shown by its line only.
    ElementFocus::SelectEntryHolding(ui->ConditionsListBox, target.ItemAfter(Event_));
    ElementFocus::FocusControl(ui->ConditionsListBox);
}
