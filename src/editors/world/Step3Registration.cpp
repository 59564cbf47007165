// Step 3 opens the political unit editor; the gallery shows it on the
// sample map with a region selected and with a pending region, and the
// issue centres form.
#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/world/TIssueCentersForm.h"
#include "editors/world/TPoliticalUnitEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/PoliticalUnitsEdit.h"
#include "scenario/map/RegionMap.h"

#include <QListWidget>

STUMPCRAFT_REGISTER_STEP_FORM(3, TPoliticalUnitEditorForm);

STUMPCRAFT_GALLERY_PAGE("TPoliticalUnitEditorForm", [](TGalleryContext& context) {
    TPoliticalUnitEditorForm form(*context.Scenario);
    context.Shoot(&form);
    const auto regions = PoliticalUnitsEdit::Regions(*context.Scenario);
    if (regions.empty())
        return;
    const auto points = RegionMap::FillPoints(regions.back());
    if (const auto at = RegionMap::PointOf(points.empty() ? nullptr : points.back())) {
        form.MapImageMouseUp(QPoint(at->X, at->Y));
        context.Shoot(&form, QStringLiteral("selected"));
    }
    // Land no region holds: the sea in the top-left corner of the sample.
    form.MapImageMouseUp(QPoint(4, 4));
    if (form.PendingRegion())
        context.Shoot(&form, QStringLiteral("pending"));
});

STUMPCRAFT_GALLERY_PAGE("TIssueCentersForm", [](TGalleryContext& context) {
    TIssueCentersForm form(*context.Scenario);
    context.Shoot(&form);
});
