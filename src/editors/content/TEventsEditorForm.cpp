#include "editors/content/TEventsEditorForm.h"
#include "ui_TEventsEditorForm.h"

#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/content/TEventConditionBuilderForm.h"
#include "editors/content/TEventOutcomeBuilderForm.h"
#include "editors/content/TScriptedEventsEditorForm.h"
#include "editors/content/TSimpleEventEditorForm.h"
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
    {
        TSimpleEventEditorForm editor(Data_, this);
        editor.exec();
    }
    FormShow();
}

void TEventsEditorForm::ScriptedEventsButtonClick() {
    {
        TScriptedEventsEditorForm editor(Data_, this);
        editor.exec();
    }
    FormShow();
}

// Step 6 opens the hub; the gallery shows it with the editors and builders
// it leads to, each builder on the sample's event with the most entries.
namespace {

// The sample's scripted event with the most entries in its list element
// ("conditions", "outcomes"); null when there is no scripted event.
TXmlNode* FullestScriptedEvent(const TScenarioData& data, const char* list) {
    const TXmlNode* root = data.Events();
    const TXmlNode* events = root ? root->GetChild("scripted_events") : nullptr;
    TXmlNode* fullest = nullptr;
    int32_t most = -1;
    for (int32_t i = 0; events && i < events->ChildCount(); ++i) {
        const TXmlNode* entries = events->GetChildAt(i)->GetChild(list);
        const int32_t count = entries ? entries->ChildCount() : 0;
        if (count > most) {
            most = count;
            fullest = events->GetChildAt(i);
        }
    }
    return fullest;
}

} // namespace

STUMPCRAFT_REGISTER_STEP(6, [](TScenarioData& data, QWidget* owner) {
    TEventsEditorForm form(data, owner);
    form.exec();
});

STUMPCRAFT_GALLERY_PAGE("TEventsEditorForm", [](TGalleryContext& context) {
    TEventsEditorForm form(*context.Scenario);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TSimpleEventEditorForm", [](TGalleryContext& context) {
    TSimpleEventEditorForm form(*context.Scenario);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TScriptedEventsEditorForm", [](TGalleryContext& context) {
    TScriptedEventsEditorForm form(*context.Scenario);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TEventConditionBuilderForm", [](TGalleryContext& context) {
    if (TXmlNode* event = FullestScriptedEvent(*context.Scenario, "conditions")) {
        TEventConditionBuilderForm form(*context.Scenario, event);
        context.Shoot(&form);
    }
});

STUMPCRAFT_GALLERY_PAGE("TEventOutcomeBuilderForm", [](TGalleryContext& context) {
    if (TXmlNode* event = FullestScriptedEvent(*context.Scenario, "outcomes")) {
        TEventOutcomeBuilderForm form(*context.Scenario, event);
        context.Shoot(&form);
    }
});
