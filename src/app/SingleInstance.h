#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

// Holds the lock "StumpcraftV" in the user's runtime folder while the
// program runs, so a second editor of the same user does not write the same
// scenarios and options; other users run their own. A lock left by a
// program that died is taken over.
//
// The holder listens on a local socket beside the lock; a later start hands
// its folder over there and ends.
class TSingleInstance {
public:
    // folder: where the lock lives; the user's runtime folder (else the
    // user's data folder) when empty.
    explicit TSingleInstance(const QString& folder = QString());
    ~TSingleInstance();
    TSingleInstance(TSingleInstance&&) noexcept;
    TSingleInstance& operator=(TSingleInstance&&) noexcept;

    // False when another running program holds the lock.
    bool Acquire();
    QString LockPath() const { return Path_; }
    QString SocketPath() const { return Path_ + QStringLiteral(".socket"); }

    using THandOver = std::function<void(const QString& folder)>;
    // While the lock is held: calls take for every folder a later start
    // hands over (empty when it gave none). False when it cannot listen.
    bool Listen(THandOver take);
    // From a later start: gives folder to the program holding the lock and
    // waits until it has taken it. False when nobody answers within
    // timeoutMs.
    bool HandOver(const QString& folder, int timeoutMs = 5000) const;

private:
    QString Path_;
    std::unique_ptr<QLockFile> Lock_;
    std::unique_ptr<QLocalServer> Server_;
};
