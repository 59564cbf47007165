#include "app/AppFolders.h"

#include "app/AppSettings.h"
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
    if (!QFileInfo::exists(target + QStringLiteral("default_images")) &&
        QFileInfo(source + QStringLiteral("default_images")).isDir())
        ScenarioFolders::CopyFolder((source + QStringLiteral("default_images")).toStdString(),
                                    (target + QStringLiteral("default_images")).toStdString());
}

QString ShippedFolder(const QString& applicationFolder) {
    const QString application = WithSlash(QDir(applicationFolder).absolutePath());
    const auto holdsData = [](const QString& folder) {
        return QFileInfo::exists(folder + QStringLiteral("default.vrx")) ||
               QFileInfo(folder + QStringLiteral("scenarios")).isDir();
    };
    if (holdsData(application))
        return application;
    // An installed program: <prefix>/bin beside <prefix>/share/stumpcraft.
    const QString installed =
        WithSlash(QDir::cleanPath(application + QStringLiteral("../share/stumpcraft")));
    if (holdsData(installed))
        return installed;
    return application;
}

TAppFolders Resolve(const QString& applicationFolder, const QString& explicitData,
                    bool applicationWritable, const QString& userFolder) {
    TAppFolders folders;
    folders.Application = WithSlash(QDir(applicationFolder).absolutePath());
    folders.Shipped = ShippedFolder(applicationFolder);
    const bool portable = folders.Shipped == folders.Application && applicationWritable;
    if (!explicitData.isEmpty())
        folders.Data = WithSlash(QDir(explicitData).absolutePath());
    else if (portable || userFolder.isEmpty())
        folders.Data = folders.Application;
    else
        folders.Data = WithSlash(QDir(userFolder).absolutePath());
    if (folders.Data != folders.Shipped)
        Seed(folders.Shipped, folders.Data);
    const QString shippedHelp = folders.Shipped + QStringLiteral("help/");
    folders.Help =
        QFileInfo(shippedHelp).isDir() ? shippedHelp : folders.Data + QStringLiteral("help/");
    return folders;
}

TAppFolders ForThisProgram(const QString& explicitData) {
    const QString application = QCoreApplication::applicationDirPath();
    const bool writable = explicitData.isEmpty() && IsWritable(application);
    QString user;
    if (explicitData.isEmpty())
        user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    TAppFolders folders = Resolve(application, explicitData, writable, user);
    folders.Settings = AppSettings::DefaultFile();
    return folders;
}

} // namespace AppFolders
