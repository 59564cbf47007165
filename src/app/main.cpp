// stumpcraft: the scenario editor for Votaris 2008.

#include "app/Accessibility.h"
#include "app/AppFolders.h"
#include "app/Help.h"
#include "app/Prompts.h"
#include "app/SingleInstance.h"
#include "app/TScenarioBuilderForm.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>

namespace {

const char* const Usage = "Usage: stumpcraft [options] [FOLDER]\n"
                          "The scenario editor for Votaris 2008; opens the scenario\n"
                          "folder FOLDER at start when one is given.\n"
                          "\n"
                          "Options:\n"
                          "  --data DIR    keep scenarios, template and options in DIR\n"
                          "                (default: beside the program, or the per-user\n"
                          "                data folder when that is not writable)\n"
                          "  --no-splash   start without the splash screen\n"
                          "  -h, --help    show this text and exit\n"
                          "  -v, --version show the version and exit\n";

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

struct TArguments {
    bool Splash = true;
    QString Data;
    QString Folder;
};

// Parsed before Qt starts, so --help and --version answer without a display.
// Returns an exit code when the program should end at once.
std::optional<int> ParseArguments(int argc, char** argv, TArguments& arguments) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!std::strcmp(argument, "-h") || !std::strcmp(argument, "--help")) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (!std::strcmp(argument, "-v") || !std::strcmp(argument, "--version")) {
            std::printf("stumpcraft %s\n", STUMPCRAFT_VERSION);
            return 0;
        }
        if (!std::strcmp(argument, "--no-splash")) {
            arguments.Splash = false;
        } else if (!std::strcmp(argument, "--data") && i + 1 < argc) {
            arguments.Data = QString::fromLocal8Bit(argv[++i]);
        } else if (!std::strncmp(argument, "--data=", 7)) {
            arguments.Data = QString::fromLocal8Bit(argument + 7);
        } else if (argument[0] != '-' && arguments.Folder.isEmpty()) {
            arguments.Folder = QString::fromLocal8Bit(argument);
        } else {
            std::fprintf(stderr, "stumpcraft: unknown option %s\n%s", argument, Usage);
            return 2;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    TArguments arguments;
    if (const auto code = ParseArguments(argc, argv, arguments))
        return *code;

    TApplication application(argc, argv);
    Accessibility::Install();
    QApplication::setApplicationName(QStringLiteral("Stumpcraft"));
    QApplication::setApplicationVersion(QStringLiteral(STUMPCRAFT_VERSION));

    // One editor at a time: two would write the same scenarios and options.
    TSingleInstance instance;
    if (!instance.Acquire()) {
        std::fputs("stumpcraft: another Stumpcraft is already running\n", stderr);
        Prompts().Message(QLatin1String(TScenarioBuilderForm::ProductTitle),
                          QStringLiteral("Stumpcraft is already running."));
        return 1;
    }

    try {
        const TAppFolders folders = AppFolders::ForThisProgram(arguments.Data);
        Help::SetHelpFolder(folders.Help);
        Help::InstallF1(application);
        TScenarioBuilderForm window(folders, arguments.Splash);
        window.SetStartFolder(arguments.Folder);
        window.show();
        return application.exec();
    } catch (const std::exception& error) {
        Prompts().Error(QString::fromStdString(error.what()));
        return 1;
    }
}
