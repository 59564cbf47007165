#include "app/RecentScenarios.h"

#include "app/AppSettings.h"

#include <QDir>

namespace {
const char* const Key = "recent/folders";
} // namespace

TRecentScenarios::TRecentScenarios(const QString& settingsFile) : File_(settingsFile) {
    if (const auto settings = AppSettings::Open(File_)) {
        for (const QString& folder : settings->value(QLatin1String(Key)).toStringList()) {
            const QString normalized = Normalized(folder);
            if (!folder.isEmpty() && !Folders_.contains(normalized))
                Folders_ << normalized;
        }
        while (Folders_.size() > Limit)
            Folders_.removeLast();
    }
}

QString TRecentScenarios::Normalized(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

void TRecentScenarios::Add(const QString& folder) {
    const QString normalized = Normalized(folder);
    Folders_.removeAll(normalized);
    Folders_.prepend(normalized);
    while (Folders_.size() > Limit)
        Folders_.removeLast();
    Store();
}

void TRecentScenarios::Remove(const QString& folder) {
    Folders_.removeAll(Normalized(folder));
    Store();
}

void TRecentScenarios::Clear() {
    Folders_.clear();
    Store();
}

void TRecentScenarios::Store() const {
    if (const auto settings = AppSettings::Open(File_)) {
        settings->setValue(QLatin1String(Key), Folders_);
        // Written at once, so an editor that dies later keeps it.
        settings->sync();
    }
}
