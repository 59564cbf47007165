#include "app/PictureExport.h"

#include "app/Prompts.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace PictureExport {

bool Write(const QString& path, QSize size, const QString& title, const TPaint& paint) {
    if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        paint(painter);
        return painter.end();
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return image.save(path, "PNG");
}

bool Export(const QString& caption, const QString& proposed, QSize size, const TPaint& paint) {
    std::optional<QString> path =
        Prompts().SaveFile(caption, proposed, QString::fromLatin1(Filter));
    if (!path)
        return false;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QStringLiteral(".png");
    // A chart of thousands of rows would need gigabytes as a picture; a
    // drawing keeps it whole at any size.
    if (QFileInfo(*path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) != 0 &&
        (size.width() > LargestPicture || size.height() > LargestPicture)) {
        Prompts().Error(QStringLiteral("A picture of %1 x %2 pixels is too large for a PNG "
                                       "file; save it as an SVG drawing (.svg) instead.")
                            .arg(size.width())
                            .arg(size.height()));
        return false;
    }
    if (Write(*path, size, caption, paint))
        return true;
    Prompts().Error(QStringLiteral("Could not write %1.").arg(*path));
    return false;
}

} // namespace PictureExport
