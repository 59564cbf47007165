#include "app/AppFolders.h"

#include "scenario/ScenarioFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace AppFolders {

QString WithSlash(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

bool IsWritable(const QString& folder) {
    QTemporaryFile probe(WithSlash(folder) + QStringLiteral(".stumpcraft-probe-XXXXXX"));
    return probe.open();
}

void Seed(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QString source = WithSlash(from);
    const QString target = WithSlash(to);
    if (!QFileInfo::exists(target + QStringLiteral("scenarios")) &&
        QFileInfo(source + QStringLiteral("scenarios")).isDir())
        ScenarioFolders::CopyFolder((source + QStringLiteral("scenarios")).toStdString(),
                                    (target + QStringLiteral("scenarios")).toStdString());
    QDir().mkpath(target + QStringLiteral("scenarios"));
    if (!QFileInfo::exists(target + QStringLiteral("default.vrx")))
        QFile::copy(source + QStringLiteral("default.vrx"), target + QStringLiteral("default.vrx"));
}

TAppFolders Resolve(const QString& applicationFolder, const QString& explicitData,
                    bool applicationWritable, const QString& userFolder) {
    TAppFolders folders;
    folders.Application = WithSlash(QDir(applicationFolder).absolutePath());
    if (!explicitData.isEmpty())
        folders.Data = WithSlash(QDir(explicitData).absolutePath());
    else if (applicationWritable || userFolder.isEmpty())
        folders.Data = folders.Application;
    else
        folders.Data = WithSlash(QDir(userFolder).absolutePath());
    if (folders.Data != folders.Application)
        Seed(folders.Application, folders.Data);
    const QString shippedHelp = folders.Application + QStringLiteral("help/");
    folders.Help =
        QFileInfo(shippedHelp).isDir() ? shippedHelp : folders.Data + QStringLiteral("help/");
    return folders;
}

TAppFolders ForThisProgram(const QString& explicitData) {
    const QString application = QCoreApplication::applicationDirPath();
    const bool writable = explicitData.isEmpty() && IsWritable(application);
    QString user;
    if (explicitData.isEmpty() && !writable)
        user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return Resolve(application, explicitData, writable, user);
}

} // namespace AppFolders
