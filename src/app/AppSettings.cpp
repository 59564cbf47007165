#include "app/AppSettings.h"

#include <QDir>
#include <QStandardPaths>

namespace AppSettings {

QString DefaultFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("Stumpcraft/Stumpcraft.conf"));
}

std::unique_ptr<QSettings> Open(const QString& file) {
    if (file.isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace AppSettings
