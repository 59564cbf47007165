// The editor on the desktop: Qt's own options pass through, the recent list
// and the windows' places outlive a session, and a second start hands its
// folder to the running editor (two real processes).

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/RecentScenarios.h"
#include "app/TScenarioBuilderForm.h"
#include "app/WindowPlaces.h"
#include "guisupport/ScenarioCopy.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Program() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/stumpcraft");
}

QStringList RecentIn(const QString& settingsFile) {
    return TRecentScenarios(settingsFile).Folders();
}

} // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void CommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("splash");
        QTest::newRow("style with its value")
            << QStringList{"-style", "Fusion", "Alpha"} << -1 << "Alpha" << true;
        QTest::newRow("style=") << QStringList{"-style=Fusion", "--no-splash"} << -1 << "" << false;
        QTest::newRow("two dashes, platform value is no folder")
            << QStringList{"--platform", "offscreen", "-reverse", "Alpha"} << -1 << "Alpha" << true;
        QTest::newRow("scenario.xml stands for its folder")
            << QStringList{"Alpha/Scenario.XML"} << -1 << "Alpha" << true;
        QTest::newRow("data and folder")
            << QStringList{"--data", "d", "Alpha"} << -1 << "Alpha" << true;
        QTest::newRow("unknown option") << QStringList{"-stylo", "Fusion"} << 2 << "" << true;
        QTest::newRow("two folders") << QStringList{"Alpha", "Beta"} << 2 << "" << true;
        QTest::newRow("data without folder") << QStringList{"--data"} << 2 << "" << true;
        QTest::newRow("version wins")
            << QStringList{"-style", "Fusion", "--version"} << 0 << "" << true;
    }

    void CommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exit);
        QFETCH(QString, folder);
        QFETCH(bool, splash);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("Alpha"));
        QFile xml(dir.filePath("Alpha/Scenario.XML"));
        QVERIFY(xml.open(QIODevice::WriteOnly));
        xml.close();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const CommandLine::TParsed parsed = CommandLine::Parse(arguments);
        QDir::setCurrent(previous);
        QCOMPARE(parsed.Exit.value_or(-1), exit);
        if (exit >= 0)
            return;
        QCOMPARE(parsed.Arguments.Folder, folder.isEmpty() ? QString() : dir.filePath(folder));
        QCOMPARE(parsed.Arguments.Splash, splash);
    }

    void RecentListKeepsTheTenNewestOnceAcrossSessions() {
        QTemporaryDir dir;
        const QString file = dir.filePath("config/Stumpcraft.conf");
        {
            TRecentScenarios recent(file);
            for (int i = 1; i <= 12; ++i)
                recent.Add(dir.filePath(QStringLiteral("s%1").arg(i)));
            // The same folder written another way moves up instead of twice.
            recent.Add(dir.filePath("./s5/"));
        }
        QStringList expected{dir.filePath("s5")};
        for (int i = 12; i >= 3; --i)
            if (i != 5)
                expected << dir.filePath(QStringLiteral("s%1").arg(i));
        QCOMPARE(RecentIn(file), expected);
        TRecentScenarios(file).Clear();
        QVERIFY(RecentIn(file).isEmpty());
        // Without a settings file nothing is kept.
        TRecentScenarios().Add(dir.path());
        QVERIFY(RecentIn(QString()).isEmpty());
    }

    void WindowsKeepTheirPlacesAcrossSessions() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Stumpcraft.conf");
        const QRect place(123, 87, 420, 310);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        GuiTest::TDataFolder data;
        TAppFolders folders;
        folders.Application = folders.Data = data.Path();
        QPoint mainWindowAt;
        {
            TWindowPlaces places(file);
            qApp->installEventFilter(&places);
            QDialog form;
            form.setObjectName("TProbeForm");
            form.show();
            form.setGeometry(place);
            form.hide();
            // Qt's own boxes are not ours to place.
            QDialog box;
            box.setObjectName("QFileDialog");
            box.show();
            box.hide();
            TScenarioBuilderForm window(folders, false);
            window.show();
            // Centred while nothing is stored.
            QVERIFY((window.geometry().center() - screen.center()).manhattanLength() <= 4);
            mainWindowAt = screen.topLeft() + QPoint(15, 25);
            window.move(mainWindowAt);
            window.hide();
            qApp->removeEventFilter(&places);
        }
        TWindowPlaces places(file);
        qApp->installEventFilter(&places);
        QDialog form;
        form.setObjectName("TProbeForm");
        form.show();
        QCOMPARE(form.geometry(), place);
        QVERIFY(TWindowPlaces::Restored(&form));
        TScenarioBuilderForm window(folders, false);
        window.show();
        QCOMPARE(window.pos(), mainWindowAt);
        qApp->removeEventFilter(&places);
        const auto settings = AppSettings::Open(file);
        QVERIFY(settings->contains("windows/TProbeForm"));
        QVERIFY(!settings->contains("windows/QFileDialog"));
    }

    void SecondStartHandsItsFolderOver() {
        if (!QFileInfo::exists(Program()))
            QSKIP("stumpcraft is not built");
        QTemporaryDir dir;
        GuiTest::TDataFolder data;
        data.AddScenario("First");
        data.AddScenario("Second");
        // Scenarios from anywhere: moved out of the data folder.
        const QString first = dir.filePath("First");
        const QString second = dir.filePath("Second");
        QVERIFY(QDir().rename(data.Scenarios() + "First", first));
        QVERIFY(QDir().rename(data.Scenarios() + "Second", second));
        QDir().mkpath(dir.filePath("run"));
        QFile::setPermissions(dir.filePath("run"), QFileDevice::ReadOwner |
                                                       QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", dir.filePath("run"));
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        const QString settings = dir.filePath("config/Stumpcraft/Stumpcraft.conf");

        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.setProcessChannelMode(QProcess::ForwardedChannels);
        // Qt's own options are taken, not refused.
        editor.start(Program(),
                     {"--no-splash", "-style", "Fusion", "-reverse", "--data", data.Path(), first});
        QVERIFY(editor.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(RecentIn(settings).value(0), first, 20000);
        QVERIFY(QFileInfo::exists(dir.filePath("run/StumpcraftV.socket")));

        const auto start = [&environment](const QStringList& arguments) {
            QProcess later;
            later.setProcessEnvironment(environment);
            later.start(Program(), arguments);
            if (!later.waitForFinished(20000))
                return -1;
            return later.exitStatus() == QProcess::NormalExit ? later.exitCode() : -2;
        };
        // The file manager names the scenario.xml; the editor opens its folder.
        QCOMPARE(start({second + "/scenario.xml"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(RecentIn(settings), (QStringList{second, first}), 20000);
        // Without a folder the running editor is only raised.
        QCOMPARE(start({}), 0);
        QCOMPARE(RecentIn(settings), (QStringList{second, first}));
        QCOMPARE(editor.state(), QProcess::Running);
        editor.terminate();
        QVERIFY(editor.waitForFinished(10000));
    }
};

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
