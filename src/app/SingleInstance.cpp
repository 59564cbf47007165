#include "app/SingleInstance.h"

#include <QDir>

TSingleInstance::TSingleInstance(const QString& folder)
    : Path_(QDir(folder.isEmpty() ? QDir::tempPath() : folder)
                .filePath(QStringLiteral("StumpcraftV"))) {}

bool TSingleInstance::Acquire() {
    if (Lock_ && Lock_->isLocked())
        return true;
    Lock_ = std::make_unique<QLockFile>(Path_);
    // Staleness is judged by whether the owner still runs, not by age.
    Lock_->setStaleLockTime(0);
    return Lock_->tryLock(0);
}
