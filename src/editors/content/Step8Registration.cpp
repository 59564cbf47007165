// Step 8 opens the activities editor, also at an element; the gallery shows
// it on a built-in activity and on one of the scenario's own.
#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/content/TActivitiesEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/edit/ActivitiesEdit.h"

#include <QListWidget>

STUMPCRAFT_REGISTER_STEP_FORM(8, TActivitiesEditorForm);

STUMPCRAFT_GALLERY_PAGE("TActivitiesEditorForm", [](TGalleryContext& context) {
    TActivitiesEditorForm form(*context.Scenario, nullptr);
    context.Shoot(&form);
    // An activity of the scenario's own, with its name editable.
    auto* list = form.findChild<QListWidget*>(QStringLiteral("ActivitiesListBox"));
    for (int row = 0; list && row < list->count(); ++row) {
        list->setCurrentRow(row);
        if (!ActivitiesEdit::IsBuiltIn(form.SelectedActivity())) {
            context.Shoot(&form, QStringLiteral("own"));
            break;
        }
    }
});
