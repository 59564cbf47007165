#pragma once

#include <QString>

// Where the program finds its files. The data folder holds scenarios/ (with
// scenarios.txt), default.vrx and optionssc.vrx; the help folder the manual.
// Every folder string ends with "/".
struct TAppFolders {
    QString Application;
    // Where the template, scenarios and manual ship: the application folder
    // (a build tree or a portable install) or <prefix>/share/stumpcraft.
    QString Shipped;
    QString Data;
    QString Help;
    // The per-user settings file (recent scenarios, window places); empty
    // when nothing is remembered (tests, the gallery).
    QString Settings;

    QString Scenarios() const { return Data + QStringLiteral("scenarios/"); }
    QString ScenarioList() const { return Scenarios() + QStringLiteral("scenarios.txt"); }
    QString TemplateFile() const { return Data + QStringLiteral("default.vrx"); }
    // The pictures the template names, copied into every new scenario.
    QString TemplatePictures() const { return Data + QStringLiteral("default_images/"); }
    QString OptionsFile() const { return Data + QStringLiteral("optionssc.vrx"); }
};

namespace AppFolders {

// The data folder: explicitData when given; otherwise the application folder
// when the data ships there and it is writable (a build tree or a portable
// install); otherwise userFolder. A data folder other than the shipped one
// is seeded from it with what it lacks.
TAppFolders Resolve(const QString& applicationFolder, const QString& explicitData,
                    bool applicationWritable, const QString& userFolder);
// The folders of this program: the executable's folder and, when that is not
// writable, the per-user data folder.
TAppFolders ForThisProgram(const QString& explicitData);

// Whether a file can be created in folder.
bool IsWritable(const QString& folder);
// Copies into to the shipped scenarios (with scenarios.txt), the template
// and its pictures from from, where to lacks them. Existing files are kept.
void Seed(const QString& from, const QString& to);

QString WithSlash(const QString& folder);
// The folder the data ships in, seen from the application folder.
QString ShippedFolder(const QString& applicationFolder);

} // namespace AppFolders
