#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// A request is one line: the folder, UTF-8 and percent-encoded (a folder
// name may hold a line end), empty for none.
constexpr qint64 MaxRequest = 64 * 1024;
const QByteArray Taken = QByteArrayLiteral("taken\n");

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

TSingleInstance::~TSingleInstance() = default;
TSingleInstance::TSingleInstance(TSingleInstance&&) noexcept = default;
TSingleInstance& TSingleInstance::operator=(TSingleInstance&&) noexcept = default;

bool TSingleInstance::Acquire() {
    if (Lock_ && Lock_->isLocked())
        return true;
    Lock_ = std::make_unique<QLockFile>(Path_);
    // Staleness is judged by whether the owner still runs, not by age.
    Lock_->setStaleLockTime(0);
    return Lock_->tryLock(0);
}

bool TSingleInstance::Listen(THandOver take) {
    if (!Lock_ || !Lock_->isLocked())
        return false;
    Server_ = std::make_unique<QLocalServer>();
    Server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock's holder listens, so a socket left there is a dead one's.
    QLocalServer::removeServer(SocketPath());
    if (!Server_->listen(SocketPath())) {
        Server_.reset();
        return false;
    }
    QLocalServer* server = Server_.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, take] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, take] {
                if (!socket->canReadLine()) {
                    // Nobody sends a folder this long: drop the caller.
                    if (socket->bytesAvailable() > MaxRequest)
                        socket->abort();
                    return;
                }
                QByteArray line = socket->readLine(MaxRequest);
                line.chop(1);
                socket->write(Taken);
                socket->flush();
                socket->disconnectFromServer();
                take(QString::fromUtf8(QByteArray::fromPercentEncoding(line)));
            });
        }
    });
    return true;
}

bool TSingleInstance::HandOver(const QString& folder, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(folder.toUtf8().toPercentEncoding() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(timeoutMs))
        answer += socket.readAll();
    return answer == Taken;
}
