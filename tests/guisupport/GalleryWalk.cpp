#include "guisupport/GalleryWalk.h"

#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
#include "guisupport/ScenarioCopy.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace GuiTest {

QStringList VisitEveryGalleryWindow(TScenarioData& scenario,
                                    const std::function<void(const QString&, QWidget*)>& visit,
                                    const std::function<void()>& before) {
    QTemporaryDir pictures;
    TDecliningPrompts declining;
    TPrompts* previous = SetPrompts(&declining);
    QStringList problems;
    for (const Gallery::TPage& page : Gallery::Pages()) {
        TGalleryContext context;
        context.Scenario = &scenario;
        context.DataFolder = ShippedData();
        context.OutputFolder = pictures.path();
        context.PageName = page.Name;
        bool visited = false;
        context.Visit = [&](QWidget* window) {
            visited = true;
            visit(page.Name + QStringLiteral(": "), window);
        };
        if (before)
            before();
        page.Render(context);
        if (!visited)
            problems << page.Name + QStringLiteral(": no window");
        if (context.Written.empty())
            problems << page.Name + QStringLiteral(": no picture");
        for (const QString& file : context.Written)
            if (QFileInfo(file).size() == 0)
                problems << page.Name + QStringLiteral(": empty ") + file;
    }
    SetPrompts(previous);
    return problems;
}

} // namespace GuiTest
