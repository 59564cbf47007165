#include "guisupport/ScenarioCopy.h"

#include "scenario/ScenarioFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

namespace GuiTest {

namespace {

// Enough of each document for the program to open, show and save it.
const char* const SmallTemplate = R"(<template>
<activities></activities>
<ads></ads>
<endorsers></endorsers>
<events></events>
<issues></issues>
<parties></parties>
<percentages></percentages>
<political_units></political_units>
<relations></relations>
<scenario><name>Test Scenario</name></scenario>
</template>
)";

} // namespace

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ShippedData() {
    return QStringLiteral(SHIPPED_DATA_DIR "/");
}

QString SampleScenarioFolder() {
    const std::string scenarios = ShippedData().toStdString() + "scenarios/";
    for (const std::string& name : ScenarioFolders::ReadLines(scenarios + "scenarios.txt"))
        if (!name.empty() && ScenarioFolders::DirectoryExists(scenarios + name))
            return QString::fromStdString(scenarios + name);
    return {};
}

QString TemplateFile(const QString& folder) {
    const QString shipped = ShippedData() + QStringLiteral("default.vrx");
    if (QFileInfo::exists(shipped))
        return shipped;
    const QString written = QDir(folder).filePath(QStringLiteral("small-template.vrx"));
    QFile file(written);
    if (file.open(QIODevice::WriteOnly))
        file.write(SmallTemplate);
    return written;
}

TScenarioCopy::TScenarioCopy(const QString& source) : Data_(std::make_unique<TScenarioData>()) {
    std::string folder = Dir_.filePath(QStringLiteral("Scenario Copy")).toStdString();
    const QString from = source.isEmpty() ? SampleScenarioFolder() : source;
    try {
        if (!from.isEmpty()) {
            ScenarioFolders::CopyFolder(from.toStdString(), folder);
            Data_->Load(folder);
        } else {
            ScenarioFolders::CreateScenarioStructure(folder);
            Data_->CreateFromTemplate(TemplateFile(Dir_.path()).toStdString(), folder);
            Data_->Save();
        }
    } catch (const std::exception& error) {
        Problem_ = QString::fromStdString(error.what());
    }
}

TDataFolder::TDataFolder() {
    QDir(Dir_.path()).mkpath(QStringLiteral("scenarios"));
    QFile::copy(TemplateFile(Dir_.path()), Path() + QStringLiteral("default.vrx"));
    const QString pictures = ShippedData() + QStringLiteral("default_images");
    if (QFileInfo(pictures).isDir())
        ScenarioFolders::CopyFolder(pictures.toStdString(),
                                    (Path() + QStringLiteral("default_images")).toStdString());
    QFile list(Scenarios() + QStringLiteral("scenarios.txt"));
    list.open(QIODevice::WriteOnly);
}

void TDataFolder::AddScenario(const QString& name, bool shipped) {
    std::string folder = (Scenarios() + name).toStdString();
    ScenarioFolders::CreateScenarioStructure(folder);
    TScenarioData data;
    data.CreateFromTemplate((Path() + QStringLiteral("default.vrx")).toStdString(), folder);
    data.Save();
    if (shipped) {
        Shipped_ << name;
        QFile list(Scenarios() + QStringLiteral("scenarios.txt"));
        if (list.open(QIODevice::WriteOnly))
            list.write((Shipped_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }
}

QStringList TDataFolder::Files(const QString& name, const QString& sub) const {
    QDir dir(Scenarios() + name + (sub.isEmpty() ? QString() : QLatin1Char('/') + sub));
    return dir.entryList(QDir::Files, QDir::Name);
}

bool TDataFolder::Exists(const QString& name) const {
    return QFileInfo(Scenarios() + name).isDir();
}

} // namespace GuiTest
