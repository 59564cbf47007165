// The small windows and services around the main window: options file,
// splash, messages window, scenario selection, about box, help and the data
// folder rules.

#include "app/AppFolders.h"
#include "app/Help.h"
#include "app/Options.h"
#include "app/SingleInstance.h"
#include "app/THelpWindow.h"
#include "app/TSelectScenarioForm.h"
#include "app/TSplashScreenForm.h"
#include "app/TVerificationMessagesForm.h"
#include "app/TaboutForm.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
#include "scenario/TScenarioData.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using GuiTest::FileBytes;
using GuiTest::WriteBytes;

class AppShellTest : public QObject {
    Q_OBJECT

private slots:
    // ---- options file ------------------------------------------------------

    void OptionsFileRepairs_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("autoupdate");
        QTest::addColumn<bool>("autosave");
        QTest::addColumn<QByteArray>("afterwards");
        QTest::addColumn<int>("backups");
        const auto kept = [](const char* name, const QByteArray& file, bool update, bool save,
                             int backups) {
            QTest::newRow(name) << file << true << update << save << file << backups;
        };
        kept("backups line", "0\n1\nbackups=3\n", false, true, 3);
        kept("backups off", "1\n1\nbackups=0", true, true, 0);
        kept("backups at the largest",
             "0\n1\nbackups=" + QByteArray::number(TOptions::MaxBackupsKept) + "\n", false, true,
             TOptions::MaxBackupsKept);
        kept("good, off", "0\n0\n", false, false, 10);
        kept("good, any non-zero is on", "7\r\n-2\r\n", true, true, 10);
        kept("no final line end", "0\n1", false, true, 10);
        // Whatever else is there is replaced by the defaults.
        QTest::newRow("missing") << QByteArray() << false << true << true << QByteArray("1\n1\n")
                                 << 10;
        const QList<std::pair<const char*, QByteArray>> repaired = {
            {"backups out of range is an unknown third line", "0\n0\nbackups=-1\n"},
            {"backups one above the largest",
             "0\n1\nbackups=" + QByteArray::number(TOptions::MaxBackupsKept + 1) + "\n"},
            {"three lines", "0\n0\n0\n"},
            {"one line", "0\n"},
            {"empty", ""},
            {"first not a number", "on\n0\n"},
            {"hex is not decimal", "0x1\n0\n"}};
        for (const auto& [name, file] : repaired)
            QTest::newRow(name) << file << true << true << true << QByteArray("1\n1\n") << 10;
        QTest::newRow("second not a number keeps the first")
            << QByteArray("0\nyes\n") << true << false << true << QByteArray("0\n1\n") << 10;
    }

    void OptionsFileRepairs() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(bool, autoupdate);
        QFETCH(bool, autosave);
        QFETCH(QByteArray, afterwards);
        QFETCH(int, backups);
        QTemporaryDir dir;
        const QString path = dir.filePath("optionssc.vrx");
        if (exists)
            WriteBytes(path, content);
        const TOptions options = OptionsFile::Read(path);
        QCOMPARE(options.Autoupdate, autoupdate);
        QCOMPARE(options.Autosave, autosave);
        QCOMPARE(options.BackupsKept, backups);
        QCOMPARE(FileBytes(path), afterwards);
    }

    // ---- splash ------------------------------------------------------------

    void SplashIsCentredCyclesAndClosesOnTheEleventhTick() {
        TSplashScreenForm splash;
        QVERIFY(!splash.Timer()->isActive());
        splash.show();
        QVERIFY(splash.Timer()->isActive());
        const QRect screen = splash.screen()->availableGeometry();
        QVERIFY(splash.width() > 100);
        QVERIFY2((splash.geometry().center() - screen.center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("splash at %1,%2 %3x%4")
                                .arg(splash.x())
                                .arg(splash.y())
                                .arg(splash.width())
                                .arg(splash.height())));
        QStringList seen;
        for (int tick = 1; tick <= 10; ++tick) {
            splash.Tick();
            seen << splash.LoadingLabel()->text();
            QVERIFY2(splash.isVisible(), qPrintable(QString::number(tick)));
        }
        QCOMPARE(seen, (QStringList{"Loading", "Loading.", "Loading..", "Loading...", "Loading",
                                    "Loading.", "Loading..", "Loading...", "Loading", "Loading."}));
        splash.Tick();
        QCOMPARE(splash.LoadingLabel()->text(), QStringLiteral("Loading.."));
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.result(), int(QDialog::Accepted));
        QVERIFY(!splash.Timer()->isActive());
    }

    // ---- messages window ---------------------------------------------------

    void MessagesWindowLinesOfAnUnloadedScenarioAndOfMessages() {
        TVerificationMessagesForm form;
        TScenarioData unloaded;
        form.SetScenario(&unloaded);
        form.Refill();
        QCOMPARE(form.Lines(), QStringList{"No scenario loaded."});

        GuiTest::TScenarioCopy copy;
        QVERIFY2(copy.IsOpen(), qPrintable(copy.Problem()));
        TVerificationMessage first;
        first.Section = "Activity";
        first.Field = "name";
        first.Message = "Data required.";
        TVerificationMessage second = first;
        second.Section = "Scenario >> Debates >> " + std::string(300, 'x');
        copy.Data().Messages() = {first, second};
        // Each showing refills.
        QTimer::singleShot(0, &form, [&form] { form.accept(); });
        form.ShowFor(&copy.Data());
        QCOMPARE(form.Lines().size(), 2);
        QCOMPARE(form.Lines().first(), QStringLiteral("Activity >> name >> Data required."));
        QVERIFY(form.Lines().last().endsWith("x >> name >> Data required."));
        // The long line wraps inside the window instead of running off it.
        form.show();
        QListWidget* list = form.MessagesListBox();
        QTRY_VERIFY(list->visualItemRect(list->item(1)).height() >
                    list->visualItemRect(list->item(0)).height());
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        form.hide();
    }

    // ---- scenario selection -----------------------------------------------

    void SelectionWithNoScenariosCannotSayOkAndDoubleClickAccepts() {
        TSelectScenarioForm form;
        form.SetScenarios({});
        form.show();
        QVERIFY(!form.findChild<QPushButton*>("btnOK")->isEnabled());
        QCOMPARE(form.SelectedScenario(), QString());
        // With scenarios the first is selected, and a double-click accepts.
        TSelectScenarioForm some;
        some.SetScenarios({"Alpha", "Beta"});
        some.show();
        QVERIFY(some.findChild<QPushButton*>("btnOK")->isEnabled());
        QCOMPARE(some.SelectedScenario(), QStringLiteral("Alpha"));
        auto* list = some.findChild<QListWidget*>("lstScenarios");
        list->setCurrentRow(1);
        emit list->itemDoubleClicked(list->item(1));
        QCOMPARE(some.result(), int(QDialog::Accepted));
        QCOMPARE(some.SelectedScenario(), QStringLiteral("Beta"));
    }

    // ---- about box ------------------------------------------------------------

    void AboutBoxShowsTheVersion() {
        QCOMPARE(TaboutForm::FourPartVersion("0.1.0"), QStringLiteral("0.1.0.0"));
        QCOMPARE(TaboutForm::FourPartVersion("2.10.3.44"), QStringLiteral("2.10.3.44"));
        QCOMPARE(TaboutForm::FourPartVersion(""), QStringLiteral("0.0.0.0"));
        QCOMPARE(TaboutForm::FourPartVersion("1.x"), QStringLiteral("0.0.0.0"));
        TaboutForm about;
        about.show();
        // The same version as --version and the package.
        QCOMPARE(about.findChild<QLabel*>("VersionLabel")->text(),
                 QStringLiteral("Version " STUMPCRAFT_VERSION));
        QList<QUrl> opened;
        Help::SetUrlOpener([&opened](const QUrl& url) { opened << url; });
        QTest::mouseClick(about.findChild<QLabel*>("LogoImage"), Qt::LeftButton);
        Help::SetUrlOpener({});
        QCOMPARE(opened, QList<QUrl>{QUrl(TaboutForm::WebSite())});
    }

    // ---- help -----------------------------------------------------------------

    void TopicsMapToPagesAndF1OpensThem() {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("help/index.html"), "<h1>Start</h1>");
        WriteBytes(dir.filePath("help/about.html"), "<h1>About</h1>");
        WriteBytes(dir.filePath("help/topics.map"),
                   "0 index.html\n500 about.html\n510 about.html#team\n600 missing.html\n"
                   "700 ../outside.html\n");
        Help::SetHelpFolder(dir.filePath("help"));
        const QString help = dir.filePath("help/");
        // A missing page, one outside the folder and an unknown topic: the index.
        QStringList pages;
        for (const int topic : {0, 500, 510, 600, 700, 42})
            pages << QDir(help).relativeFilePath(Help::PageForTopic(topic));
        QCOMPARE(pages, (QStringList{"index.html", "about.html", "about.html#team", "index.html",
                                     "index.html", "index.html"}));
        THelpWindow shown(help + "index.html");
        shown.ShowPage(Help::PageForTopic(510));
        QCOMPARE(shown.Browser()->source().fragment(), QStringLiteral("team"));
        QCOMPARE(shown.CurrentFile(), help + "about.html");

        QWidget window;
        window.setProperty("helpTopic", 500);
        QWidget child(&window);
        QCOMPARE(Help::TopicOf(&child), 500);
        QWidget plain;
        QCOMPARE(Help::TopicOf(&plain), 0);

        // F1 opens the active window's topic.
        Help::InstallF1(*qApp);
        window.show();
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(Help::Window());
        QCOMPARE(Help::Window()->CurrentFile(), dir.filePath("help/about.html"));
        QVERIFY(Help::Window()->Browser()->toPlainText().contains("About"));
        Help::Window()->close();
    }

    void OnlineHelpAndUpdatesOpenTheBundledPages() {
        QTemporaryDir dir;
        Help::SetHelpFolder(dir.filePath("help"));
        QList<QUrl> opened;
        Help::SetUrlOpener([&opened](const QUrl& url) { opened << url; });
        TScriptedPrompts prompts;
        prompts.Ok("Online Help").Ok("Online Help");
        Help::OnlineHelp();
        Help::Updates();
        Help::SetUrlOpener({});
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts(),
                 (QStringList{
                     "You will now go to the ONLINE help through your default web-browser (the "
                     "online help file is the definitive help file). You can also view the LOCAL "
                     "help file by pressing F1 while in Stumpcraft.",
                     "You will now go to the updates page through your default web-browser."}));
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0], Help::OnlineHelpUrl());
        QCOMPARE(opened[1], Help::UpdatesUrl());
        // Relative addresses (the defaults) name pages beside the help folder.
        QCOMPARE(Help::ResolveAddress("help/index.html"),
                 QUrl::fromLocalFile(dir.filePath("help/index.html")));
        QCOMPARE(Help::ResolveAddress("https://example.org/x"), QUrl("https://example.org/x"));
    }

    void ProgramAnswersOnTheTerminal() {
        const QString program = QCoreApplication::applicationDirPath() + "/stumpcraft";
        if (!QFileInfo::exists(program))
            QSKIP("stumpcraft is not built");
        // No display is needed to ask for the version or the usage.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "none-such-platform");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {"--version"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput().trimmed(),
                 QByteArray("stumpcraft " STUMPCRAFT_VERSION));
        process.start(program, {"--help"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        const QByteArray usage = process.readAllStandardOutput();
        QVERIFY(usage.contains("--no-splash") && usage.contains("--data DIR"));
        process.start(program, {"--bogus"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 2);
    }

    void EachUserHasALockOfTheirOwn() {
        // Two users differ in their runtime folders.
        QTemporaryDir first;
        QTemporaryDir second;
        const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", first.path().toLocal8Bit());
        TSingleInstance mine;
        qputenv("XDG_RUNTIME_DIR", second.path().toLocal8Bit());
        TSingleInstance theirs;
        if (wasSet)
            qputenv("XDG_RUNTIME_DIR", saved);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        QCOMPARE(mine.LockPath(), first.filePath("StumpcraftV"));
        QVERIFY(QFileInfo(mine.LockPath()).path() != QDir::tempPath());
        QVERIFY(mine.Acquire());
        QVERIFY(theirs.Acquire());
    }

    void SecondInstanceIsRefused() {
        QTemporaryDir dir;
        TSingleInstance first(dir.path());
        QVERIFY(first.Acquire());
        QCOMPARE(QFileInfo(first.LockPath()).fileName(), QStringLiteral("StumpcraftV"));
        TSingleInstance second(dir.path());
        QVERIFY(!second.Acquire());
        {
            // Released when the first program ends.
            TSingleInstance third(dir.path());
            first = TSingleInstance(dir.path());
            QVERIFY(third.Acquire());
        }
    }

    // ---- data folder ----------------------------------------------------------

    void DataFolderIsTheProgramFolderWhenWritableOrTheOneGiven() {
        QTemporaryDir app;
        const TAppFolders folders = AppFolders::Resolve(app.path(), {}, true, "/nonexistent");
        QCOMPARE(folders.Data, app.path() + "/");
        QCOMPARE(folders.Application, app.path() + "/");
        QCOMPARE(folders.Scenarios(), app.path() + "/scenarios/");
        QCOMPARE(folders.OptionsFile(), app.path() + "/optionssc.vrx");
        QVERIFY(AppFolders::IsWritable(app.path()));
        // A data folder given explicitly wins, and is made a data folder.
        QTemporaryDir chosen;
        WriteBytes(app.filePath("default.vrx"), "<template/>");
        const TAppFolders explicitly = AppFolders::Resolve(app.path(), chosen.path(), true, {});
        QCOMPARE(explicitly.Data, chosen.path() + "/");
        QVERIFY(QFileInfo::exists(chosen.filePath("default.vrx")));
        QVERIFY(QFileInfo(chosen.filePath("scenarios")).isDir());
    }

    void ReadOnlyProgramFolderSeedsTheUserFolder() {
        QTemporaryDir app;
        QTemporaryDir user;
        const QStringList seeded = {"default.vrx", "scenarios/scenarios.txt",
                                    "scenarios/Shipped/scenario.xml",
                                    "default_images/activity_images/rest.bmp"};
        for (const QString& file : seeded)
            WriteBytes(app.filePath(file), "from the program: " + file.toUtf8());
        WriteBytes(app.filePath("help/index.html"), "<h1/>");
        const QString userData = user.filePath("data");
        TAppFolders folders = AppFolders::Resolve(app.path(), {}, false, userData);
        QCOMPARE(folders.Data, userData + "/");
        QCOMPARE(folders.Help, app.path() + "/help/");
        for (const QString& file : seeded)
            QCOMPARE(FileBytes(userData + "/" + file), FileBytes(app.filePath(file)));
        // Later starts keep what the user changed.
        WriteBytes(userData + "/scenarios/Shipped/scenario.xml", "<scenario>mine</scenario>");
        WriteBytes(userData + "/default.vrx", "<template>mine</template>");
        folders = AppFolders::Resolve(app.path(), {}, false, userData);
        QCOMPARE(FileBytes(userData + "/scenarios/Shipped/scenario.xml"),
                 QByteArray("<scenario>mine</scenario>"));
        QCOMPARE(FileBytes(userData + "/default.vrx"), QByteArray("<template>mine</template>"));
    }

    void InstalledProgramUsesTheUserFolder() {
        QTemporaryDir prefix;
        QDir().mkpath(prefix.filePath("bin"));
        WriteBytes(prefix.filePath("share/stumpcraft/default.vrx"), "<template/>");
        WriteBytes(prefix.filePath("share/stumpcraft/scenarios/scenarios.txt"), "Shipped\n");
        WriteBytes(prefix.filePath("share/stumpcraft/help/index.html"), "<h1/>");
        QTemporaryDir user;
        // Even a writable bin/ is no place for scenarios (the user folder is seeded from the
        // shipped one as ReadOnlyProgramFolderSeedsTheUserFolder shows).
        const TAppFolders folders =
            AppFolders::Resolve(prefix.filePath("bin"), {}, true, user.path());
        QCOMPARE(folders.Shipped, prefix.filePath("share/stumpcraft/"));
        QCOMPARE(folders.Data, user.path() + "/");
        QCOMPARE(folders.Help, prefix.filePath("share/stumpcraft/help/"));
    }
};

QTEST_MAIN(AppShellTest)
#include "AppShellTest.moc"
