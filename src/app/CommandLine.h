#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's own options. Qt's standard options (-style, -platform,
// -reverse, ...) are left in the argument list for QApplication.
namespace CommandLine {

struct TArguments {
    bool Splash = true;
    QString Data;
    // The scenario folder to open, absolute; a scenario.xml named on the
    // command line (as the file manager does) stands for its folder.
    QString Folder;
};

struct TParsed {
    TArguments Arguments;
    // Set when the program ends at once: 0 after --help or --version, 2
    // for a usage error.
    std::optional<int> Exit;
    // What to print: on standard output when Exit is 0, on standard error
    // otherwise.
    QString Text;
};

// arguments: without the program's name.
TParsed Parse(const QStringList& arguments);
// Whether option (such as "-style", "--reverse" or "-style=Fusion") is one
// of Qt's; takesValue tells whether the next argument is its value.
bool IsQtOption(const QString& option, bool* takesValue = nullptr);
// folder as given: made absolute, and a scenario.xml file replaced by the
// folder that holds it.
QString ScenarioFolderOf(const QString& path);

QString Usage();

} // namespace CommandLine
