#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Holds the lock "StumpcraftV" in the user's runtime folder while the
// program runs, so a second editor of the same user does not write the same
// scenarios and options; other users run their own. A lock left by a
// program that died is taken over.
class TSingleInstance {
public:
    // folder: where the lock lives; the user's runtime folder (else the
    // user's data folder) when empty.
    explicit TSingleInstance(const QString& folder = QString());
    // False when another running program holds the lock.
    bool Acquire();
    QString LockPath() const { return Path_; }

private:
    QString Path_;
    std::unique_ptr<QLockFile> Lock_;
};
