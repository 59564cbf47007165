// Step 4 opens the ads editor, also at an element; the gallery shows it on
// the sample.
#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/content/TAdEditorForm.h"
#include "scenario/ElementTargets.h"

STUMPCRAFT_REGISTER_STEP_FORM(4, TAdEditorForm);

STUMPCRAFT_GALLERY_PAGE("TAdEditorForm", [](TGalleryContext& context) {
    TAdEditorForm form(*context.Scenario, nullptr);
    context.Shoot(&form);
});
