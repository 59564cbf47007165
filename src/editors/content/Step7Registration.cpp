// Step 7 opens the endorsers editor, also at an element; the gallery shows it
// on a national and on a regional endorser.
#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/content/TEndorserEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/edit/EndorsersEdit.h"

#include <QListWidget>

STUMPCRAFT_REGISTER_STEP_FORM(7, TEndorserEditorForm);

STUMPCRAFT_GALLERY_PAGE("TEndorserEditorForm", [](TGalleryContext& context) {
    TEndorserEditorForm form(*context.Scenario);
    context.Shoot(&form);
    auto* list = form.findChild<QListWidget*>(QStringLiteral("EndorserListBox"));
    for (const bool national : {true, false})
        for (int row = 0; list && row < list->count(); ++row) {
            list->setCurrentRow(row);
            if (EndorsersEdit::IsNational(form.SelectedEndorser()) == national) {
                context.Shoot(&form,
                              national ? QStringLiteral("national") : QStringLiteral("regional"));
                break;
            }
        }
});
