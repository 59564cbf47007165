#include "editors/parties/CandidatePortraits.h"

#include "scenario/ScenarioFolders.h"

#include <QDir>
#include <QSaveFile>

namespace CandidatePortraits {

namespace {

QImage Stretch(const QImage& image, QSize size) {
    return image.convertToFormat(QImage::Format_RGB888)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage Load(const QString& folder, const QString& name, QSize size) {
    if (name.isEmpty())
        return {};
    const auto found =
        ScenarioFolders::FindFileIgnoringCase(folder.toStdString(), name.toStdString());
    if (!found)
        return {};
    const QImage image(QString::fromStdString(*found));
    return image.isNull() ? QImage() : Stretch(image, size);
}

TStoreResult Store(const QString& source, const QString& folder, const QString& name, QSize size) {
    const QImage image(source);
    if (image.isNull())
        return {{}, QStringLiteral("The file %1 could not be read as a bitmap.").arg(source)};
    const QImage stretched = Stretch(image, size);
    const QString target = QDir(folder).filePath(name);
    // The old file is replaced only once the new one is written whole.
    QSaveFile file(target);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
        !stretched.save(&file, "BMP") || !file.commit())
        return {{}, QStringLiteral("The picture could not be written to %1.").arg(target)};
    return {stretched, {}};
}

} // namespace CandidatePortraits
