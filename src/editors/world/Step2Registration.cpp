// Step 2 opens the issues editor; the gallery shows it on a position issue
// and on an attribute issue.
#include "app/StepEditors.h"
#include "app/gallery/Gallery.h"
#include "editors/world/TIssueEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/edit/IssuesEdit.h"

#include <QListWidget>

STUMPCRAFT_REGISTER_STEP_FORM(2, TIssueEditorForm);

STUMPCRAFT_GALLERY_PAGE("TIssueEditorForm", [](TGalleryContext& context) {
    TIssueEditorForm form(*context.Scenario);
    context.Shoot(&form);
    auto* list = form.findChild<QListWidget*>(QStringLiteral("IssuesListBox"));
    const bool firstIsAttribute = IssuesEdit::IsAttribute(form.SelectedIssue());
    for (int row = 0; list && row < list->count(); ++row) {
        list->setCurrentRow(row);
        if (IssuesEdit::IsAttribute(form.SelectedIssue()) != firstIsAttribute) {
            context.Shoot(&form, firstIsAttribute ? QStringLiteral("position")
                                                  : QStringLiteral("attribute"));
            break;
        }
    }
});
