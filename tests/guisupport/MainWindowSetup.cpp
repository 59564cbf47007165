#include "guisupport/MainWindowSetup.h"

#include "guisupport/ScenarioCopy.h"

#include "scenario/ScenarioSnapshot.h"

#include <QFile>
#include <QTest>

namespace GuiTest {

std::unique_ptr<TScenarioBuilderForm> MainWindowOn(const TDataFolder& data, bool autosave,
                                                   const QString& scenarioFolder) {
    // Every step session of these tests also proves its changes were marked.
    TScenarioSnapshot::CheckSharedDocuments = true;
    QFile options(data.Path() + QStringLiteral("optionssc.vrx"));
    if (!options.open(QIODevice::WriteOnly)) {
        QTest::qFail("the options file cannot be written", __FILE__, __LINE__);
        return nullptr;
    }
    options.write(autosave ? "1\n1\n" : "1\n0\n");
    options.close();
    TAppFolders folders;
    folders.Application = data.Path();
    folders.Data = data.Path();
    folders.Help = ShippedData() + QStringLiteral("help/");
    auto form = std::make_unique<TScenarioBuilderForm>(folders, false);
    form->FirstShown();
    if (!form->OpenFolder(scenarioFolder)) {
        QTest::qFail("the scenario does not open", __FILE__, __LINE__);
        return nullptr;
    }
    return form;
}

} // namespace GuiTest
