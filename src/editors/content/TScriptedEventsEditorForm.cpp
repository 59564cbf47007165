#include "editors/content/TScriptedEventsEditorForm.h"
#include "ui_TScriptedEventsEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/ListFilter.h"
#include "app/RemovalNotice.h"
#include "editors/content/EventNameLists.h"
#include "editors/content/TEventConditionBuilderForm.h"
#include "editors/content/TEventOutcomeBuilderForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/EventsEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QSignalBlocker>

using namespace ControlBinding;
using namespace FormSupport;

TScriptedEventsEditorForm::TScriptedEventsEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TScriptedEventsEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 162);
    ListFilter::Add(ui->EventsListBox);

    connect(ui->EventsListBox, &QListWidget::currentRowChanged, this,
            [this] { EventsListBoxClick(); });
    connect(ui->NewButton, &QPushButton::clicked, this, [this] { NewButtonClick(); });
    connect(ui->RemoveButton, &QPushButton::clicked, this, [this] { RemoveButtonClick(); });
    connect(ui->ConditionsButton, &QPushButton::clicked, this, [this] { ConditionsButtonClick(); });
    connect(ui->OutcomesButton, &QPushButton::clicked, this, [this] { OutcomesButtonClick(); });
    connect(ui->NameEdit, &QLineEdit::textChanged, this, [this] { NameEditChange(); });
}

TScriptedEventsEditorForm::~TScriptedEventsEditorForm() {
    delete ui;
}

void TScriptedEventsEditorForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TScriptedEventsEditorForm::FormShow() {
    EventsEdit::EnsureEventNames(Data_);
    {
        const QSignalBlocker quiet(ui->EventsListBox);
        ui->EventsListBox->clear();
        TXmlNode* list = ChildLookup::Child(Data_.Events(), "scripted_events");
        for (int32_t i = 0; list && i < list->ChildCount(); ++i)
            AddEntry(ui->EventsListBox, EventNameLists::EventName(list->GetChildAt(i)),
                     list->GetChildAt(i));
    }
    ui->NewButton->setEnabled(Data_.Events() != nullptr);
    SelectEvent(ui->EventsListBox->count() > 0 ? 0 : -1);
}

TXmlNode* TScriptedEventsEditorForm::SelectedEvent() const {
    return CurrentElement(ui->EventsListBox);
}

void TScriptedEventsEditorForm::SelectEvent(int row) {
    SelectQuietly(ui->EventsListBox, row);
    EventsListBoxClick();
}

void TScriptedEventsEditorForm::EventsListBoxClick() {
    ShowEvent(SelectedEvent());
}

void TScriptedEventsEditorForm::ShowEvent(TXmlNode* event) {
    // A field the event lacks is added at its first edit.
    BindText(ui->NameEdit, {event, "name"});
    BindDateOrBlank(ui->StartDateTimePicker, {event, "start_date"});
    BindDateOrBlank(ui->EndDateTimePicker, {event, "end_date"});
    BindText(ui->TimesCanOccurEdit, {event, "times_can_occur"});
    BindText(ui->ChanceEdit, {event, "chance_occurs"});
    TXmlNode* willOccur = ChildLookup::Child(event, "will_occur");
    {
        // Any non-zero number shows checked; showing writes nothing.
        const QSignalBlocker quiet(ui->WillOccurCheckBox);
        BindCheck(ui->WillOccurCheckBox, {event, "will_occur"});
        ui->WillOccurCheckBox->setChecked(willOccur &&
                                          EventsEdit::IsSwitchedOn(willOccur->GetText()));
    }
    ui->DetailsGroup->setEnabled(event != nullptr);
    ui->RemoveButton->setEnabled(event != nullptr);
}

void TScriptedEventsEditorForm::NameEditChange() {
    if (!SelectedEvent() || !Bound(ui->NameEdit))
        return;
    if (QListWidgetItem* line = ui->EventsListBox->currentItem())
        line->setText(ui->NameEdit->text());
}

void TScriptedEventsEditorForm::NewButtonClick() {
    TXmlNode* event = EventsEdit::NewScriptedEvent(Data_);
    if (!event)
        return;
    AddEntry(ui->EventsListBox, EventNameLists::EventName(event), event);
    SelectEvent(ui->EventsListBox->count() - 1);
}

void TScriptedEventsEditorForm::RemoveButtonClick() {
    const int row = ui->EventsListBox->currentRow();
    if (row < 0)
        return;
    // The fields must let go of the event's elements before they go.
    ShowEvent(nullptr);
    TRemovalRepairs repairs;
    EventsEdit::RemoveItem(Data_, TakeEntry(ui->EventsListBox, row), &repairs);
    EventsListBoxClick();
    TellRemovalRepairs(repairs, TScenarioFile::Events);
}

void TScriptedEventsEditorForm::ConditionsButtonClick() {
    OpenConditions(nullptr);
}

void TScriptedEventsEditorForm::OutcomesButtonClick() {
    OpenOutcomes(nullptr);
}

void TScriptedEventsEditorForm::OpenConditions(const TElementTarget* target) {
    if (TXmlNode* event = SelectedEvent()) {
        TEventConditionBuilderForm builder(Data_, event, this);
        if (target)
            builder.ShowElement(*target);
        builder.exec();
    }
}

void TScriptedEventsEditorForm::OpenOutcomes(const TElementTarget* target) {
    if (TXmlNode* event = SelectedEvent()) {
        TEventOutcomeBuilderForm builder(Data_, event, this);
        if (target)
            builder.ShowElement(*target);
        builder.exec();
    }
}

void TScriptedEventsEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { ShowTarget(target); });
}

void TScriptedEventsEditorForm::ShowTarget(const TElementTarget& target) {
    TXmlNode* event = target.Items.empty() ? nullptr
                                           : ElementFocus::SelectEntryHolding(ui->EventsListBox,
                                                                              target.Items.front());
    if (!event) {
        ElementFocus::FocusControl(ui->EventsListBox);
        return;
    }
    if (target.Window == "TEventConditionBuilderForm") {
        ElementFocus::FocusControl(ui->ConditionsButton);
        OpenConditions(&target);
        return;
    }
    if (target.Window == "TEventOutcomeBuilderForm") {
        ElementFocus::FocusControl(ui->OutcomesButton);
        OpenOutcomes(&target);
        return;
    }
    const ElementFocus::TFieldControls controls{{"name", ui->NameEdit},
                                                {"start_date", ui->StartDateTimePicker},
                                                {"end_date", ui->EndDateTimePicker},
                                                {"times_can_occur", ui->TimesCanOccurEdit},
                                                {"chance_occurs", ui->ChanceEdit},
                                                {"will_occur", ui->WillOccurCheckBox},
                                                {"conditions", ui->ConditionsButton},
                                                {"outcomes", ui->OutcomesButton}};
    ElementFocus::FocusTarget(
        this, target,
        ElementFocus::ControlFor(controls, ElementFocus::FieldNameBelow(target, event)),
        ui->EventsListBox);
}
