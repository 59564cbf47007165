// stumpcraft-gallery: renders every registered window to PNG files.
//
//     stumpcraft-gallery --out DIR [--data DIR] [--scenario DIR] [PAGE...]

#include "app/Accessibility.h"
#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

namespace {

// The first shipped scenario, else the first scenario folder; empty when none.
QString SampleScenario(const QString& dataFolder) {
    const std::string scenarios = dataFolder.toStdString() + "scenarios/";
    for (const std::string& name : ScenarioFolders::ReadLines(scenarios + "scenarios.txt"))
        if (!name.empty() && ScenarioFolders::DirectoryExists(scenarios + name))
            return QString::fromStdString(scenarios + name);
    std::vector<std::string> folders;
    ScenarioFolders::ListFolders(scenarios, &folders);
    return folders.empty() ? QString() : QString::fromStdString(scenarios + folders.front());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Accessibility::Install();
    QApplication::setApplicationName(QStringLiteral("stumpcraft-gallery"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders every window to PNG files."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("out"), QStringLiteral("Folder for the pictures."),
                      QStringLiteral("dir"), QStringLiteral("gallery")});
    parser.addOption({QStringLiteral("data"), QStringLiteral("The shipped data folder."),
                      QStringLiteral("dir"), QCoreApplication::applicationDirPath()});
    parser.addOption({QStringLiteral("scenario"),
                      QStringLiteral("Scenario folder to fill the windows from."),
                      QStringLiteral("dir")});
    parser.addOption({QStringLiteral("font"),
                      QStringLiteral("Render in this font family; exit 77 when it is missing."),
                      QStringLiteral("family")});
    parser.addPositionalArgument(QStringLiteral("page"), QStringLiteral("Only these pages."));
    parser.process(app);

    // Pictures compared byte for byte must not depend on which fonts happen
    // to be installed besides the one asked for.
    if (parser.isSet(QStringLiteral("font"))) {
        const QString family = parser.value(QStringLiteral("font"));
        if (!QFontDatabase::families().contains(family)) {
            std::fprintf(stderr, "stumpcraft-gallery: font \"%s\" is not installed\n",
                         qPrintable(family));
            return 77;
        }
        QFont font(family);
        font.setPointSizeF(QApplication::font().pointSizeF());
        QApplication::setFont(font);
    }

    TDecliningPrompts prompts;
    SetPrompts(&prompts);

    QString dataFolder = QDir(parser.value(QStringLiteral("data"))).absolutePath() + "/";
    QDir().mkpath(parser.value(QStringLiteral("out")));
    const QString outFolder = QDir(parser.value(QStringLiteral("out"))).absolutePath();

    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "stumpcraft-gallery: no scratch folder\n");
        return 1;
    }
    TScenarioData scenario;
    QString source = parser.value(QStringLiteral("scenario"));
    if (source.isEmpty())
        source = SampleScenario(dataFolder);
    const QString name = source.isEmpty() ? QStringLiteral("Sample") : QDir(source).dirName();
    std::string folder = scratch.filePath(name).toStdString();
    try {
        if (!source.isEmpty()) {
            ScenarioFolders::CopyFolder(source.toStdString(), folder);
            scenario.Load(folder);
        } else {
            ScenarioFolders::CreateScenarioStructure(folder);
            scenario.CreateFromTemplate(dataFolder.toStdString() + "default.vrx", folder);
            scenario.Save();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "stumpcraft-gallery: no sample scenario: %s\n", error.what());
    }

    const QStringList only = parser.positionalArguments();
    int failures = 0;
    for (const Gallery::TPage& page : Gallery::Pages()) {
        if (!only.isEmpty() && !only.contains(page.Name))
            continue;
        TGalleryContext context;
        context.Scenario = &scenario;
        context.DataFolder = dataFolder;
        context.OutputFolder = outFolder;
        context.PageName = page.Name;
        try {
            page.Render(context);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(page.Name), error.what());
        }
        if (context.Written.empty()) {
            std::fprintf(stderr, "%s: nothing rendered\n", qPrintable(page.Name));
            ++failures;
        }
        for (const QString& file : context.Written)
            std::printf("%s\n", qPrintable(file));
    }
    return failures == 0 ? 0 : 1;
}
