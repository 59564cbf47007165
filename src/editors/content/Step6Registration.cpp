// Step 6 opens the hub; the gallery shows it with the editors and builders
// it leads to, each builder on the sample's event with the most entries.
#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/content/TEventConditionBuilderForm.h"
#include "editors/content/TEventOutcomeBuilderForm.h"
#include "editors/content/TEventsEditorForm.h"
#include "editors/content/TScriptedEventsEditorForm.h"
#include "editors/content/TSimpleEventEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "xml/TXmlNode.h"

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

STUMPCRAFT_REGISTER_STEP_FORM(6, TEventsEditorForm);

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
