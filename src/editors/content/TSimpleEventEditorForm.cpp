#include "editors/content/TSimpleEventEditorForm.h"
#include "ui_TSimpleEventEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/ListFilter.h"
#include "editors/content/EventNameLists.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/EventsEdit.h"
#include "xml/TXmlAttribute.h"
#include "xml/TXmlNode.h"

#include <QSignalBlocker>

using namespace FormSupport;

namespace {

constexpr int HeadlineLength = 250;

TXmlNode* RandomEvents(const TScenarioData& data) {
    TXmlNode* root = data.Events();
    return root ? root->GetChild("random_events") : nullptr;
}

QString Line(const TScenarioData& data, const TXmlNode* event) {
    return QString::fromStdString(EventsEdit::SimpleEventLine(data, event));
}

} // namespace

TSimpleEventEditorForm::TSimpleEventEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TSimpleEventEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 161);
    ListFilter::Add(ui->EventsListBox);
    LimitLength(ui->HeadlineMemo, HeadlineLength);
    // Its text becomes a headline's.
    ControlBinding::KeepOnOneLine(ui->HeadlineMemo);

    connect(ui->EventsListBox, &QListWidget::currentRowChanged, this,
            [this] { EventsListBoxClick(); });
    connect(ui->IssuesComboBox, &QComboBox::currentIndexChanged, this,
            [this] { IssuesComboBoxChange(); });
    connect(ui->HeadlinesListBox, &QListWidget::currentRowChanged, this,
            [this] { HeadlinesListBoxClick(); });
    connect(ui->AddHeadlineButton, &QPushButton::clicked, this,
            [this] { AddHeadlineButtonClick(); });
    connect(ui->RemoveHeadlineButton, &QPushButton::clicked, this,
            [this] { RemoveHeadlineButtonClick(); });
    connect(ui->NewButton, &QPushButton::clicked, this, [this] { NewButtonClick(); });
    connect(ui->RemoveButton, &QPushButton::clicked, this, [this] { RemoveButtonClick(); });
    connect(ui->RandomCheckBox, &QCheckBox::toggled, this, [this] { RandomCheckBoxClick(); });
}

TSimpleEventEditorForm::~TSimpleEventEditorForm() {
    delete ui;
}

void TSimpleEventEditorForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

TXmlNode* TSimpleEventEditorForm::SimpleEvents() const {
    TXmlNode* random = RandomEvents(Data_);
    return random ? random->GetChild("simple_issue_events") : nullptr;
}

void TSimpleEventEditorForm::FormShow() {
    ShowRandomSwitch();
    {
        const QSignalBlocker quiet(ui->IssuesComboBox);
        EventNameLists::Fill(ui->IssuesComboBox, EventsEdit::IssueList(Data_));
    }
    {
        const QSignalBlocker quiet(ui->EventsListBox);
        ui->EventsListBox->clear();
        TXmlNode* list = SimpleEvents();
        for (int32_t i = 0; list && i < list->ChildCount(); ++i)
            AddEntry(ui->EventsListBox, Line(Data_, list->GetChildAt(i)), list->GetChildAt(i));
    }
    ui->NewButton->setEnabled(SimpleEvents() != nullptr);
    SelectEvent(ui->EventsListBox->count() > 0 ? 0 : -1);
}

void TSimpleEventEditorForm::ShowRandomSwitch() {
    TXmlNode* random = RandomEvents(Data_);
    TXmlAttribute* on = random ? random->GetAttribute("on") : nullptr;
    // Showing writes nothing: "on" missing or not a number shows off and
    // stays as it is until the designer clicks.
    const QSignalBlocker quiet(ui->RandomCheckBox);
    ControlBinding::BindCheckUnescaped(ui->RandomCheckBox, on);
    ui->RandomCheckBox->setChecked(on && EventsEdit::IsSwitchedOn(on->Value));
    ui->RandomCheckBox->setEnabled(random != nullptr);
}

void TSimpleEventEditorForm::RandomCheckBoxClick() {
    // A bound switch writes itself; a missing attribute is made on the
    // first click.
    TXmlNode* random = RandomEvents(Data_);
    if (!random || ControlBinding::BoundAttribute(ui->RandomCheckBox))
        return;
    random->SetAttribute("on", ui->RandomCheckBox->isChecked() ? "1" : "0");
    Data_.SetChanged();
    ShowRandomSwitch();
}

TXmlNode* TSimpleEventEditorForm::SelectedEvent() const {
    return CurrentElement(ui->EventsListBox);
}

void TSimpleEventEditorForm::SelectEvent(int row) {
    SelectQuietly(ui->EventsListBox, row);
    EventsListBoxClick();
}

void TSimpleEventEditorForm::EventsListBoxClick() {
    ShowEvent(SelectedEvent());
}

void TSimpleEventEditorForm::ShowEvent(TXmlNode* event) {
    {
        const QSignalBlocker quiet(ui->IssuesComboBox);
        // An event whose issue is gone shows none; its line says so.
        EventNameLists::ChooseById(ui->IssuesComboBox,
                                   event ? event->AttributeValue("id") : std::string());
    }
    {
        const QSignalBlocker quiet(ui->HeadlinesListBox);
        ui->HeadlinesListBox->clear();
        TXmlNode* headlines = event ? event->GetChild("headlines") : nullptr;
        for (int32_t i = 0; headlines && i < headlines->ChildCount(); ++i) {
            TXmlNode* headline = headlines->GetChildAt(i);
            AddEntry(ui->HeadlinesListBox, QString::fromStdString(headline->GetText()), headline);
        }
    }
    HeadlinesListBoxClick();
    for (QWidget* control :
         {static_cast<QWidget*>(ui->IssuesComboBox), static_cast<QWidget*>(ui->RemoveButton),
          static_cast<QWidget*>(ui->AddHeadlineButton)})
        control->setEnabled(event != nullptr);
}

void TSimpleEventEditorForm::IssuesComboBoxChange() {
    TXmlNode* event = SelectedEvent();
    const TXmlNode* issue = EventNameLists::Chosen(ui->IssuesComboBox);
    if (!event || !issue)
        return;
    event->SetAttribute("id", issue->AttributeValue("id"));
    Data_.SetChanged();
    ui->EventsListBox->currentItem()->setText(Line(Data_, event));
}

void TSimpleEventEditorForm::HeadlinesListBoxClick() {
    const QListWidgetItem* line = ui->HeadlinesListBox->currentItem();
    ui->HeadlinesListBox->setToolTip(line ? line->text() : QString());
    ui->RemoveHeadlineButton->setEnabled(line != nullptr);
}

void TSimpleEventEditorForm::AddHeadlineButtonClick() {
    TXmlNode* headline = EventsEdit::AddHeadline(Data_, SelectedEvent(),
                                                 ui->HeadlineMemo->toPlainText().toStdString());
    if (!headline)
        return;
    AddEntry(ui->HeadlinesListBox, QString::fromStdString(headline->GetText()), headline);
    SelectQuietly(ui->HeadlinesListBox, ui->HeadlinesListBox->count() - 1);
    HeadlinesListBoxClick();
}

void TSimpleEventEditorForm::RemoveHeadlineButtonClick() {
    const int row = ui->HeadlinesListBox->currentRow();
    if (row < 0)
        return;
    EventsEdit::RemoveItem(Data_, TakeEntry(ui->HeadlinesListBox, row));
    HeadlinesListBoxClick();
}

void TSimpleEventEditorForm::NewButtonClick() {
    TXmlNode* event = EventsEdit::NewSimpleEvent(Data_);
    if (!event)
        return;
    AddEntry(ui->EventsListBox, Line(Data_, event), event);
    SelectEvent(ui->EventsListBox->count() - 1);
}

void TSimpleEventEditorForm::RemoveButtonClick() {
    const int row = ui->EventsListBox->currentRow();
    if (row < 0)
        return;
    // The headline lines hold the event's elements: let go of them first.
    ShowEvent(nullptr);
    EventsEdit::RemoveItem(Data_, TakeEntry(ui->EventsListBox, row));
    EventsListBoxClick();
}

void TSimpleEventEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { ShowTarget(target); });
}

void TSimpleEventEditorForm::ShowTarget(const TElementTarget& target) {
    TXmlNode* event = ElementFocus::SelectEntryHolding(ui->EventsListBox, target.Item());
    if (!event) {
        // The switch of all simple events, or the list as a whole.
        const bool onSwitch = target.Element == RandomEvents(Data_) && target.Field == "on";
        ElementFocus::FocusControl(onSwitch ? static_cast<QWidget*>(ui->RandomCheckBox)
                                            : static_cast<QWidget*>(ui->EventsListBox));
        return;
    }
    if (ElementFocus::SelectEntryHolding(ui->HeadlinesListBox, target.Element)) {
        ElementFocus::FocusControl(ui->HeadlinesListBox);
        return;
    }
    const std::string field = ElementFocus::FieldNameBelow(target, event);
    const ElementFocus::TFieldControls controls{{"headlines", ui->HeadlinesListBox},
                                                {"headline", ui->HeadlinesListBox},
                                                {"id", ui->IssuesComboBox},
                                                {"issue", ui->IssuesComboBox}};
    ElementFocus::FocusTarget(this, target, ElementFocus::ControlFor(controls, field),
                              ui->EventsListBox);
}
