// Step 5 opens the parties list, also at an element on the way to the
// window that shows it; the gallery shows the list with the windows it leads
// to, filled from the sample.
#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/parties/GallerySamples.h"
#include "editors/parties/TChangeColourForm.h"
#include "editors/parties/TCrusadersEditorForm.h"
#include "editors/parties/TElectionEventsEditorForm.h"
#include "editors/parties/TLeaderEditForm.h"
#include "editors/parties/TPartiesEditorForm.h"
#include "editors/parties/TPartyEditForm.h"
#include "editors/parties/TPartyLeaderVeepEditorForm.h"
#include "editors/parties/TPartyRelationsEditorForm.h"
#include "editors/parties/TPercentagesEditorForm.h"
#include "editors/parties/TPlatformEditorForm.h"
#include "editors/parties/TSelectPartyForm.h"
#include "editors/parties/TSelectVeepsForm.h"
#include "editors/parties/TVeepEditForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "xml/TXmlNode.h"

STUMPCRAFT_REGISTER_STEP_FORM(5, TPartiesEditorForm);

STUMPCRAFT_GALLERY_PAGE("TPartiesEditorForm", [](TGalleryContext& context) {
    TPartiesEditorForm form(*context.Scenario);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TPartyEditForm", [](TGalleryContext& context) {
    TPartyEditForm form(*context.Scenario, GallerySamples::FirstParty(*context.Scenario));
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TChangeColourForm", [](TGalleryContext& context) {
    const TXmlNode* party = GallerySamples::FirstParty(*context.Scenario);
    const TXmlNode* colour = party ? party->GetChild("color") : nullptr;
    TChangeColourForm form(colour ? QString::fromStdString(colour->GetText()) : QString());
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TPlatformEditorForm", [](TGalleryContext& context) {
    TPlatformEditorForm form(*context.Scenario, GallerySamples::FirstParty(*context.Scenario));
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TSelectPartyForm", [](TGalleryContext& context) {
    TSelectPartyForm form(*context.Scenario, GallerySamples::FirstParty(*context.Scenario));
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TPercentagesEditorForm", [](TGalleryContext& context) {
    TXmlNode* party = GallerySamples::FirstParty(*context.Scenario);
    {
        TPercentagesEditorForm form(*context.Scenario, party);
        context.Shoot(&form);
    }
    const TXmlNode* leaders = party ? party->GetChild("leaders") : nullptr;
    if (leaders && leaders->ChildCount() > 0) {
        TPercentagesEditorForm form(*context.Scenario, leaders->GetChildAt(0));
        context.Shoot(&form, QStringLiteral("leader"));
    }
});

STUMPCRAFT_GALLERY_PAGE("TPartyRelationsEditorForm", [](TGalleryContext& context) {
    TPartyRelationsEditorForm form(*context.Scenario);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TCrusadersEditorForm", [](TGalleryContext& context) {
    TXmlNode* leader = GallerySamples::FirstCandidate(*context.Scenario, "leaders");
    TCrusadersEditorForm form(*context.Scenario, leader ? leader->GetChild("crusaders") : nullptr);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TElectionEventsEditorForm", [](TGalleryContext& context) {
    TElectionEventsEditorForm form(*context.Scenario,
                                   GallerySamples::FirstParty(*context.Scenario));
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TLeaderEditForm", [](TGalleryContext& context) {
    TLeaderEditForm form(*context.Scenario,
                         GallerySamples::FirstCandidate(*context.Scenario, "leaders"));
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TPartyLeaderVeepEditorForm", [](TGalleryContext& context) {
    TPartyLeaderVeepEditorForm form(*context.Scenario,
                                    GallerySamples::FirstParty(*context.Scenario));
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TSelectVeepsForm", [](TGalleryContext& context) {
    TXmlNode* party = GallerySamples::FirstParty(*context.Scenario);
    TSelectVeepsForm form(*context.Scenario, party,
                          GallerySamples::FirstCandidate(*context.Scenario, "leaders"));
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TVeepEditForm", [](TGalleryContext& context) {
    TVeepEditForm form(*context.Scenario,
                       GallerySamples::FirstCandidate(*context.Scenario, "viceleaders"));
    context.Shoot(&form);
});
