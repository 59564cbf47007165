// Step 1 opens the scenario settings editor; the gallery shows it with its
// sub-editors.
#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/world/TDebatesEditorForm.h"
#include "editors/world/TEconomyEditorForm.h"
#include "editors/world/TInterviewerEditorForm.h"
#include "editors/world/TScenarioEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "xml/TXmlNode.h"

STUMPCRAFT_REGISTER_STEP_FORM(1, TScenarioEditorForm);

STUMPCRAFT_GALLERY_PAGE("TScenarioEditorForm", [](TGalleryContext& context) {
    TScenarioEditorForm form(*context.Scenario);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TEconomyEditorForm", [](TGalleryContext& context) {
    TEconomyEditorForm form(*context.Scenario);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TInterviewerEditorForm", [](TGalleryContext& context) {
    TInterviewerEditorForm form(*context.Scenario);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TDebatesEditorForm", [](TGalleryContext& context) {
    auto general = TDebatesEditorForm::ForGeneralElection(*context.Scenario);
    context.Shoot(general.get());
    general.reset();
    if (TXmlNode* root = context.Scenario->Parties(); root && root->ChildCount() > 0) {
        auto party = TDebatesEditorForm::ForParty(*context.Scenario, root->GetChildAt(0));
        context.Shoot(party.get(), QStringLiteral("primaries"));
    }
});
