#include "app/gallery/Gallery.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

QString TGalleryContext::Shoot(QWidget* widget, const QString& state) {
    if (!widget)
        return {};
    widget->show();
    // Let layouts and deferred initialisation run.
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    if (Visit)
        Visit(widget);
    const QString name = state.isEmpty() ? PageName : PageName + QLatin1Char('-') + state;
    const QString path = QDir(OutputFolder).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path, "PNG"))
        return {};
    Written.push_back(path);
    return path;
}

namespace Gallery {

namespace {

std::vector<TPage>& Registry() {
    static std::vector<TPage> pages;
    return pages;
}

} // namespace

bool Register(const QString& name, TRenderPage render) {
    auto& pages = Registry();
    auto it = std::find_if(pages.begin(), pages.end(),
                           [&](const TPage& page) { return page.Name == name; });
    if (it != pages.end())
        it->Render = std::move(render);
    else
        pages.push_back({name, std::move(render)});
    return true;
}

std::vector<TPage> Pages() {
    std::vector<TPage> pages = Registry();
    std::sort(pages.begin(), pages.end(),
              [](const TPage& a, const TPage& b) { return a.Name < b.Name; });
    return pages;
}

} // namespace Gallery
