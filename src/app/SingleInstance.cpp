#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// Each user has an editor of their own: the lock lives in the user's runtime
// folder, or the user's data folder where there is none, never in the
// temporary folder all users share.
QString UserLockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return folder;
}

} // namespace

TSingleInstance::TSingleInstance(const QString& folder)
    : Path_(QDir(folder.isEmpty() ? UserLockFolder() : folder)
                .filePath(QStringLiteral("StumpcraftV"))) {}

bool TSingleInstance::Acquire() {
    if (Lock_ && Lock_->isLocked())
        return true;
    Lock_ = std::make_unique<QLockFile>(Path_);
    // Staleness is judged by whether the owner still runs, not by age.
    Lock_->setStaleLockTime(0);
    return Lock_->tryLock(0);
}
