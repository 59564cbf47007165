#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The per-user settings (recent scenarios, window places): one QSettings
// file in the user's XDG config folder.
namespace AppSettings {

// <XDG config folder>/Stumpcraft/Stumpcraft.conf
QString DefaultFile();
// The settings kept in file; null when file is empty, so nothing is kept.
std::unique_ptr<QSettings> Open(const QString& file);

} // namespace AppSettings
