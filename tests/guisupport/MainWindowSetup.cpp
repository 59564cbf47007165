#include "guisupport/MainWindowSetup.h"

#include "guisupport/ScenarioCopy.h"

#include "app/TVerificationMessagesForm.h"
#include "scenario/ScenarioSnapshot.h"
#include "xml/TXmlNode.h"

#include <QTest>

namespace GuiTest {

TAppFolders FoldersOf(const TDataFolder& data) {
    TAppFolders folders;
    folders.Application = data.Path();
    folders.Data = data.Path();
    folders.Help = ShippedData() + QStringLiteral("help/");
    return folders;
}

std::unique_ptr<TScenarioBuilderForm> MainWindowOn(const TDataFolder& data, bool autosave,
                                                   const QString& scenarioFolder) {
    // Every step session of these tests also proves its changes were marked.
    TScenarioSnapshot::CheckSharedDocuments = true;
    WriteBytes(data.Path() + QStringLiteral("optionssc.vrx"), autosave ? "1\n1\n" : "1\n0\n");
    auto form = std::make_unique<TScenarioBuilderForm>(FoldersOf(data), false);
    form->FirstShown();
    if (!form->Session().OpenFolder(scenarioFolder)) {
        QTest::qFail("the scenario does not open", __FILE__, __LINE__);
        return nullptr;
    }
    return form;
}

void BreakAdAndLeader(TScenarioData& data) {
    data.Parties()->GetChildAt(1)->GetChild("leaders")->GetChildAt(0)->GetChild("age")->SetText("");
    data.Ads()->GetChildAt(1)->GetChild("base_power")->SetText("lots");
}

int MessageRow(TScenarioBuilderForm& form, const QString& part) {
    const QStringList lines = form.MessagesForm()->Lines();
    for (int row = 0; row < lines.size(); ++row)
        if (lines[row].contains(part))
            return row;
    return -1;
}

} // namespace GuiTest
