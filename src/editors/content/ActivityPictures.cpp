#include "editors/content/ActivityPictures.h"

#include "scenario/ScenarioFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ActivityPictures {

namespace {

QImage Fit(const QImage& image, QSize size) {
    return image.convertToFormat(QImage::Format_RGB888)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The file is replaced only once the whole bitmap is written.
bool Save(const QImage& image, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.commit();
}

// Picture names come from the scenario file: only a plain name may be
// written, never a path reaching out of the picture folder.
bool IsBareName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

} // namespace

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}

QImage Show(const QString& folder, const QString& name, QSize size) {
    if (name.isEmpty())
        return Blank(size);
    if (const auto found =
            ScenarioFolders::FindFileIgnoringCase(folder.toStdString(), name.toStdString())) {
        QImage image(QString::fromStdString(*found));
        return image.isNull() ? Blank(size) : Fit(image, size);
    }
    const QImage blank = Blank(size);
    const QString target = QDir(folder).filePath(name);
    // A name that exists but was not found is a link leading out of the
    // scenario: nothing is written through it.
    if (IsBareName(name) && QDir().mkpath(folder) &&
        ScenarioFolders::IsContained(folder.toStdString(), target.toStdString()))
        Save(blank, target);
    return blank;
}

TStoreResult Store(const QString& source, const QString& folder, QSize size) {
    const QString name = QFileInfo(source).fileName();
    const QImage image(source);
    if (image.isNull())
        return {{}, QStringLiteral("The file %1 could not be read as a bitmap.").arg(source)};
    const QString target = QDir(folder).filePath(name);
    if (!QDir().mkpath(folder) ||
        !ScenarioFolders::IsContained(folder.toStdString(), target.toStdString()) ||
        !Save(Fit(image, size), target))
        return {{}, QStringLiteral("The picture could not be written to %1.").arg(target)};
    return {name, {}};
}

} // namespace ActivityPictures
