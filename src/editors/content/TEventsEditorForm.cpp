#include "editors/content/TEventsEditorForm.h"
#include "ui_TEventsEditorForm.h"

#include "app/ElementFocus.h"
#include "editors/content/TEventConditionBuilderForm.h"
#include "editors/content/TEventOutcomeBuilderForm.h"
#include "editors/content/TScriptedEventsEditorForm.h"
#include "editors/content/TSimpleEventEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/EventsEdit.h"
#include "xml/TXmlNode.h"

TEventsEditorForm::TEventsEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TEventsEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 160);
    connect(ui->SimpleEventsButton, &QPushButton::clicked, this,
            [this] { SimpleEventsButtonClick(); });
    connect(ui->ScriptedEventsButton, &QPushButton::clicked, this,
            [this] { ScriptedEventsButtonClick(); });
}

TEventsEditorForm::~TEventsEditorForm() {
    delete ui;
}

void TEventsEditorForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TEventsEditorForm::FormShow() {
    ui->SimpleEventsListBox->clear();
    const TXmlNode* root = Data_.Events();
    const TXmlNode* random = root ? root->GetChild("random_events") : nullptr;
    const TXmlNode* simple = random ? random->GetChild("simple_issue_events") : nullptr;
    for (int32_t i = 0; simple && i < simple->ChildCount(); ++i)
        ui->SimpleEventsListBox->addItem(
            QString::fromStdString(EventsEdit::SimpleEventLine(Data_, simple->GetChildAt(i))));

    EventsEdit::EnsureEventNames(Data_);
    ui->ScriptedEventsListBox->clear();
    const TXmlNode* scripted = root ? root->GetChild("scripted_events") : nullptr;
    for (int32_t i = 0; scripted && i < scripted->ChildCount(); ++i)
        ui->ScriptedEventsListBox->addItem(
            QString::fromStdString(scripted->GetChildAt(i)->GetChild("name")->GetText()));
}

void TEventsEditorForm::SimpleEventsButtonClick() {
    OpenSimpleEvents(nullptr);
}

void TEventsEditorForm::ScriptedEventsButtonClick() {
    OpenScriptedEvents(nullptr);
}

void TEventsEditorForm::OpenSimpleEvents(const TElementTarget* target) {
    {
        TSimpleEventEditorForm editor(Data_, this);
        if (target)
            editor.ShowElement(*target);
        editor.exec();
    }
    FormShow();
}

void TEventsEditorForm::OpenScriptedEvents(const TElementTarget* target) {
    {
        TScriptedEventsEditorForm editor(Data_, this);
        if (target)
            editor.ShowElement(*target);
        editor.exec();
    }
    FormShow();
}

void TEventsEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { ShowTarget(target); });
}

void TEventsEditorForm::ShowTarget(const TElementTarget& target) {
    // The lines of both lists follow the documents' order.
    const TXmlNode* root = Data_.Events();
    const TXmlNode* random = root ? root->GetChild("random_events") : nullptr;
    const TXmlNode* events = target.Items.empty() ? nullptr : target.Items.front();
    const int simple =
        ElementFocus::IndexOf(random ? random->GetChild("simple_issue_events") : nullptr, events);
    const int scripted =
        ElementFocus::IndexOf(root ? root->GetChild("scripted_events") : nullptr, events);
    ElementFocus::SelectRow(ui->SimpleEventsListBox, simple);
    ElementFocus::SelectRow(ui->ScriptedEventsListBox, scripted);

    if (target.Window == "TSimpleEventEditorForm") {
        ElementFocus::FocusControl(ui->SimpleEventsButton);
        OpenSimpleEvents(&target);
    } else if (target.Window == "TScriptedEventsEditorForm" ||
               target.Window == "TEventConditionBuilderForm" ||
               target.Window == "TEventOutcomeBuilderForm") {
        ElementFocus::FocusControl(ui->ScriptedEventsButton);
        OpenScriptedEvents(&target);
    } else if (target.Field == "scripted_events") {
        ElementFocus::FocusControl(ui->ScriptedEventsListBox);
    } else {
        ElementFocus::FocusControl(ui->SimpleEventsListBox);
    }
}
