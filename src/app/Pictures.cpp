#include "app/Pictures.h"

#include "app/Prompts.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>

namespace Pictures {

namespace {

QImage Fit(const QImage& image, const TKind& kind) {
    return image.convertToFormat(QImage::Format_RGB888)
        .scaled(kind.Size, Qt::IgnoreAspectRatio, kind.Stretch);
}

// The file is replaced only once the whole bitmap is written.
bool Save(const QImage& image, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.commit();
}

// Names come from the scenario's files: only a plain name may be created,
// never a path reaching into another folder.
bool IsBareName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool Inside(const TScenarioData& data, const QString& path) {
    return !data.Folder().empty() &&
           ScenarioFolders::IsContained(data.Folder(), path.toStdString());
}

// The existing file of that name in any letter case, inside the scenario.
std::optional<QString> Find(const TScenarioData& data, const TKind& kind, const QString& name) {
    const QString folder = Folder(data, kind);
    if (folder.isEmpty() || name.isEmpty())
        return std::nullopt;
    const auto found =
        ScenarioFolders::FindFileIgnoringCase(folder.toStdString(), name.toStdString());
    if (!found || !Inside(data, QString::fromStdString(*found)))
        return std::nullopt;
    return QString::fromStdString(*found);
}

// Writes picture under name (or over the file of that name in another letter
// case); false, with the designer told why, when it cannot be written.
bool Store(const TScenarioData& data, const TKind& kind, const QString& chosen,
           const QImage& picture, const QString& name, TReplace replace) {
    const QString folder = Folder(data, kind);
    const QString target = Find(data, kind, name).value_or(QDir(folder).filePath(name));
    if (folder.isEmpty() || !IsBareName(name) || !Inside(data, target)) {
        Prompts().Error(QStringLiteral("%1 leads out of the scenario folder. The %2 has not been "
                                       "changed.")
                            .arg(QDir::toNativeSeparators(target), QLatin1String(kind.Caption)));
        return false;
    }
    const QFileInfo existing(target);
    if (existing.exists() &&
        existing.canonicalFilePath() == QFileInfo(chosen).canonicalFilePath()) {
        if (IsStoredAt(target, kind.Size))
            return true;
    } else if (existing.exists() && replace == TReplace::Ask &&
               !Prompts().YesNo(
                   QStringLiteral("Warning"),
                   QStringLiteral("Do you wish to overwrite %1?").arg(existing.fileName()))) {
        return false;
    }
    if (!QDir().mkpath(folder) || !Save(Fit(picture, kind), target)) {
        Prompts().Error(QStringLiteral("The %1 could not be written to %2.")
                            .arg(QLatin1String(kind.Caption), QDir::toNativeSeparators(target)));
        return false;
    }
    return true;
}

} // namespace

TPixelBuffer ToPixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    TPixelBuffer pixels(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(&pixels.Rgb[pixels.Offset(0, y)], rgb.constScanLine(y),
                    static_cast<size_t>(rgb.width()) * 3);
    return pixels;
}

QImage ToImage(const TPixelBuffer& pixels) {
    QImage image(pixels.Width, pixels.Height, QImage::Format_RGB888);
    for (int y = 0; y < pixels.Height; ++y)
        std::memcpy(image.scanLine(y), &pixels.Rgb[pixels.Offset(0, y)],
                    static_cast<size_t>(pixels.Width) * 3);
    return image;
}

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}

QString Folder(const TScenarioData& data, const TKind& kind) {
    if (data.Folder().empty())
        return {};
    return QString::fromStdString(ScenarioFolders::WithTrailingSlash(data.Folder()) + kind.Folder);
}

bool IsStoredAt(const QString& file, QSize size) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = in.read(34);
    if (head.size() < 34 || !head.startsWith("BM"))
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    const qint32 width = qFromLittleEndian<qint32>(bytes + 18);
    const qint32 height = qFromLittleEndian<qint32>(bytes + 22);
    const quint16 bits = qFromLittleEndian<quint16>(bytes + 28);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
    return width == size.width() && qAbs(height) == size.height() && bits == 24 && compression == 0;
}

QImage Load(const TScenarioData& data, const TKind& kind, const QString& name) {
    const auto file = Find(data, kind, name);
    if (!file)
        return {};
    const QImage image(*file);
    return image.isNull() ? QImage() : Fit(image, kind);
}

QImage Show(const TScenarioData& data, const TKind& kind, const QString& name) {
    const QImage image = Load(data, kind, name);
    return image.isNull() ? Blank(kind.Size) : image;
}

QImage ShowCreatingMissing(const TScenarioData& data, const TKind& kind, const QString& name) {
    if (Find(data, kind, name))
        return Show(data, kind, name);
    const QImage blank = Blank(kind.Size);
    const QString folder = Folder(data, kind);
    const QString target = QDir(folder).filePath(name);
    // A name that is there but was not found is a link leading out of the
    // scenario: nothing is written through it.
    if (!folder.isEmpty() && IsBareName(name) && Inside(data, target) && QDir().mkpath(folder))
        Save(blank, target);
    return blank;
}

QImage LoadAtSize(const TScenarioData& data, const TKind& kind, const QString& name) {
    const auto file = Find(data, kind, name);
    const QImage image = Load(data, kind, name);
    if (!image.isNull() && !IsStoredAt(*file, kind.Size))
        Save(image, *file);
    return image;
}

std::optional<QString> Choose(const TScenarioData& data, const TKind& kind,
                              const std::function<QString(const QString&)>& nameOf,
                              TReplace replace) {
    const std::optional<QString> chosen = Prompts().OpenFile(
        QStringLiteral("Open"), Folder(data, kind), QString::fromLatin1(TPrompts::BitmapFilter));
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    const QImage picture(*chosen);
    if (picture.isNull()) {
        Prompts().Error(QStringLiteral("%1 could not be read as a bitmap. The %2 has not been "
                                       "changed.")
                            .arg(QDir::toNativeSeparators(*chosen), QLatin1String(kind.Caption)));
        return std::nullopt;
    }
    const QString file = QFileInfo(*chosen).fileName();
    const QString name = nameOf ? nameOf(file) : file;
    if (!Store(data, kind, *chosen, picture, name, replace))
        return std::nullopt;
    return name;
}

} // namespace Pictures
