#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;
class TScenarioData;

// The gallery renders every window of the program to a PNG file, filled from
// the sample scenario, so forms can be reviewed without running the editor.
// Each window adds itself with one small source file in src/app/gallery/ (or
// beside its form):
//
//     STUMPCRAFT_GALLERY_PAGE("TAdEditorForm", [](TGalleryContext& context) {
//         TAdEditorForm form(*context.Scenario, nullptr);
//         context.Shoot(&form);                 // TAdEditorForm.png
//         ... change the state ...
//         context.Shoot(&form, "selected");     // TAdEditorForm-selected.png
//     });
//
// Prompts are answered with Cancel/No while the gallery runs, so a form that
// asks something while showing does not block.
struct TGalleryContext {
    // A copy of the sample scenario in a scratch folder; writing to it is
    // harmless. Never null.
    TScenarioData* Scenario = nullptr;
    // The shipped data folder (with "/" at the end): scenarios, template, help.
    QString DataFolder;
    QString OutputFolder;
    QString PageName;
    std::vector<QString> Written;
    // When set, Shoot hands every window to it once shown, before grabbing
    // it: tests drive each registered window this way.
    std::function<void(QWidget*)> Visit;

    // Shows widget (offscreen), lets it lay out, and saves it as
    // <PageName>[-<state>].png. Returns the file written, empty on failure.
    QString Shoot(QWidget* widget, const QString& state = QString());
};

namespace Gallery {

using TRenderPage = std::function<void(TGalleryContext&)>;

// Returns true so it can initialise a static.
bool Register(const QString& name, TRenderPage render);

struct TPage {
    QString Name;
    TRenderPage Render;
};
// Registered pages sorted by name.
std::vector<TPage> Pages();

} // namespace Gallery

#define STUMPCRAFT_GALLERY_CONCAT2(a, b) a##b
#define STUMPCRAFT_GALLERY_CONCAT(a, b) STUMPCRAFT_GALLERY_CONCAT2(a, b)
#define STUMPCRAFT_GALLERY_PAGE(name, ...)                                                         \
    static const bool STUMPCRAFT_GALLERY_CONCAT(GalleryPageRegistered, __LINE__) =                 \
        Gallery::Register(QStringLiteral(name), __VA_ARGS__)
