// stumpcraft: the scenario editor for Votaris 2008.

#include "app/Accessibility.h"
#include "app/AppFolders.h"
#include "app/CommandLine.h"
#include "app/Help.h"
#include "app/Prompts.h"
#include "app/SingleInstance.h"
#include "app/TScenarioBuilderForm.h"
#include "app/WindowPlaces.h"

#include <QApplication>

#include <cstdio>
#include <exception>

namespace {

// Errors escaping a handler are shown in the error box instead of ending the
// program.
class TApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            Prompts().Error(QString::fromStdString(error.what()));
        }
        return false;
    }
};

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    // Parsed before Qt starts, so --help and --version answer without a
    // display.
    const CommandLine::TParsed parsed = CommandLine::Parse(ArgumentsOf(argc, argv));
    if (parsed.Exit) {
        std::fputs(parsed.Text.toLocal8Bit().constData(), *parsed.Exit == 0 ? stdout : stderr);
        return *parsed.Exit;
    }
    const CommandLine::TArguments& arguments = parsed.Arguments;

    TApplication application(argc, argv);
    Accessibility::Install();
    QApplication::setApplicationName(QStringLiteral("Stumpcraft"));
    QApplication::setApplicationVersion(QStringLiteral(STUMPCRAFT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.stumpcraft.Stumpcraft"));

    // One editor at a time: two would write the same scenarios and options.
    // A later start hands its folder to the running one.
    TSingleInstance instance;
    if (!instance.Acquire()) {
        if (instance.HandOver(arguments.Folder))
            return 0;
        std::fputs("stumpcraft: another Stumpcraft is already running\n", stderr);
        Prompts().Message(QLatin1String(TScenarioBuilderForm::ProductTitle),
                          QStringLiteral("Stumpcraft is already running."));
        return 1;
    }

    try {
        const TAppFolders folders = AppFolders::ForThisProgram(arguments.Data);
        Help::SetHelpFolder(folders.Help);
        Help::InstallF1(application);
        TWindowPlaces places(folders.Settings);
        application.installEventFilter(&places);
        TScenarioBuilderForm window(folders, arguments.Splash);
        window.SetStartFolder(arguments.Folder);
        instance.Listen([&window](const QString& folder) { window.TakeHandOver(folder); });
        window.show();
        return application.exec();
    } catch (const std::exception& error) {
        Prompts().Error(QString::fromStdString(error.what()));
        return 1;
    }
}
