#include "guisupport/ScenarioCopy.h"

#include "scenario/ScenarioFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <exception>

namespace GuiTest {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
             qPrintable(path));
}

QString ShippedData() {
    return QStringLiteral(SHIPPED_DATA_DIR "/");
}

namespace {

// The first sample scenario named in the shipped scenarios.txt.
QString SampleScenarioFolder() {
    const std::string scenarios = ShippedData().toStdString() + "scenarios/";
    for (const std::string& name : ScenarioFolders::ReadLines(scenarios + "scenarios.txt"))
        if (!name.empty() && ScenarioFolders::DirectoryExists(scenarios + name))
            return QString::fromStdString(scenarios + name);
    return {};
}

} // namespace

TScenarioCopy::TScenarioCopy(const QString& source) : Data_(std::make_unique<TScenarioData>()) {
    std::string folder = Dir_.filePath(QStringLiteral("Scenario Copy")).toStdString();
    try {
        ScenarioFolders::CopyFolder(
            (source.isEmpty() ? SampleScenarioFolder() : source).toStdString(), folder);
        Data_->Load(folder);
    } catch (const std::exception& error) {
        Problem_ = QString::fromStdString(error.what());
    }
}

TDataFolder::TDataFolder() {
    QDir(Dir_.path()).mkpath(QStringLiteral("scenarios"));
    QFile::copy(ShippedData() + QStringLiteral("default.vrx"),
                Path() + QStringLiteral("default.vrx"));
    ScenarioFolders::CopyFolder((ShippedData() + QStringLiteral("default_images")).toStdString(),
                                (Path() + QStringLiteral("default_images")).toStdString());
    WriteBytes(Scenarios() + QStringLiteral("scenarios.txt"), {});
}

void TDataFolder::AddScenario(const QString& name, bool shipped) {
    std::string folder = (Scenarios() + name).toStdString();
    ScenarioFolders::CreateScenarioStructure(folder);
    TScenarioData data;
    data.CreateFromTemplate((Path() + QStringLiteral("default.vrx")).toStdString(), folder);
    data.Save();
    if (shipped) {
        Shipped_ << name;
        WriteBytes(Scenarios() + QStringLiteral("scenarios.txt"),
                   (Shipped_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }
}

} // namespace GuiTest
