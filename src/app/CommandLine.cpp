#include "app/CommandLine.h"

#include <QDir>
#include <QFileInfo>

namespace CommandLine {

namespace {

struct TQtOption {
    const char* Name;
    bool TakesValue;
};

// The options QGuiApplication and QApplication read themselves.
constexpr TQtOption QtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowicon", true},
    {"icon", true},
    {"qwindowtitle", true},
    {"title", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"reverse", false},
    {"widgetcount", false},
    {"testability", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"qmljsdebugger", false},
};

} // namespace

QString Usage() {
    return QStringLiteral("Usage: stumpcraft [options] [FOLDER]\n"
                          "The scenario editor for Votaris 2008; opens the scenario\n"
                          "folder FOLDER (or the folder of a scenario.xml) at start when one\n"
                          "is given. When an editor already runs, FOLDER opens there.\n"
                          "\n"
                          "Options:\n"
                          "  --data DIR    keep scenarios, template and options in DIR\n"
                          "                (default: beside the program, or the per-user\n"
                          "                data folder when that is not writable)\n"
                          "  --no-splash   start without the splash screen\n"
                          "  -h, --help    show this text and exit\n"
                          "  -v, --version show the version and exit\n"
                          "Qt's standard options (-style NAME, -platform NAME, -reverse, ...)\n"
                          "are passed on to Qt.\n");
}

bool IsQtOption(const QString& option, bool* takesValue) {
    QString name = option;
    // Qt takes "--style" like "-style".
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 1);
    if (!name.startsWith(QLatin1Char('-')))
        return false;
    name.remove(0, 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    const bool valueAttached = equals >= 0;
    if (valueAttached)
        name.truncate(equals);
    for (const TQtOption& known : QtOptions)
        if (name == QLatin1String(known.Name)) {
            if (takesValue)
                *takesValue = known.TakesValue && !valueAttached;
            return true;
        }
    return false;
}

QString ScenarioFolderOf(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() &&
        info.fileName().compare(QLatin1String("scenario.xml"), Qt::CaseInsensitive) == 0)
        return info.absolutePath();
    return QDir::cleanPath(info.absoluteFilePath());
}

TParsed Parse(const QStringList& arguments) {
    TParsed parsed;
    TArguments& out = parsed.Arguments;
    QString folder;
    const auto fail = [&parsed](const QString& problem) {
        parsed.Exit = 2;
        parsed.Text = QStringLiteral("stumpcraft: ") + problem + QLatin1Char('\n') + Usage();
        return parsed;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool takesValue = false;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            parsed.Exit = 0;
            parsed.Text = Usage();
            return parsed;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            parsed.Exit = 0;
            parsed.Text = QStringLiteral("stumpcraft " STUMPCRAFT_VERSION "\n");
            return parsed;
        }
        if (argument == QLatin1String("--no-splash")) {
            out.Splash = false;
        } else if (argument == QLatin1String("--data")) {
            if (i + 1 >= arguments.size())
                return fail(QStringLiteral("--data needs a folder"));
            out.Data = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--data="))) {
            out.Data = argument.mid(7);
        } else if (IsQtOption(argument, &takesValue)) {
            // QApplication reads it; its value is no scenario folder.
            if (takesValue)
                ++i;
        } else if (!argument.startsWith(QLatin1Char('-')) && folder.isEmpty()) {
            folder = argument;
        } else if (!argument.startsWith(QLatin1Char('-'))) {
            return fail(QStringLiteral("one scenario folder at most"));
        } else {
            return fail(QStringLiteral("unknown option ") + argument);
        }
    }
    if (!folder.isEmpty())
        out.Folder = ScenarioFolderOf(folder);
    return parsed;
}

} // namespace CommandLine
