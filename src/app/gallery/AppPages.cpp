// Gallery pages of the application's own windows.

#include "app/AppFolders.h"
#include "app/Help.h"
#include "app/TFindInScenarioForm.h"
#include "app/THelpWindow.h"
#include "app/TScenarioBuilderForm.h"
#include "app/TSelectScenarioForm.h"
#include "app/TSplashScreenForm.h"
#include "app/TVerificationMessagesForm.h"
#include "xml/TXmlNode.h"

#include "app/TaboutForm.h"
#include "app/gallery/Gallery.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"
#include "scenario/verify/VerificationRun.h"
#include "xml/TXmlNode.h"
#include <QListWidget>

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A data folder holding a copy of the sample scenario, so the main window
// can open it without touching the shipped data.
TAppFolders GalleryFolders(const TGalleryContext& context, const QTemporaryDir& scratch,
                           QString& scenarioName) {
    TAppFolders folders;
    folders.Application = context.DataFolder;
    folders.Data = scratch.path() + QLatin1Char('/');
    folders.Help = context.DataFolder + QStringLiteral("help/");
    const std::string source = context.Scenario->Folder();
    scenarioName = QDir(QString::fromStdString(source)).dirName();
    if (!source.empty())
        ScenarioFolders::CopyFolder(source, (folders.Scenarios() + scenarioName).toStdString());
    return folders;
}

} // namespace

STUMPCRAFT_GALLERY_PAGE("TScenarioBuilderForm", [](TGalleryContext& context) {
    QTemporaryDir scratch;
    QString name;
    const TAppFolders folders = GalleryFolders(context, scratch, name);
    TScenarioBuilderForm form(folders, false);
    context.Shoot(&form);
    if (context.Scenario->Loaded() && form.Session().OpenByName(name))
        context.Shoot(&form, QStringLiteral("open"));
});

STUMPCRAFT_GALLERY_PAGE("TVerificationMessagesForm", [](TGalleryContext& context) {
    TVerificationMessagesForm form;
    form.SetScenario(nullptr);
    context.Shoot(&form, QStringLiteral("none"));
    VerificationRun::Run(context.Scenario, true);
    form.SetScenario(context.Scenario);
    form.hide();
    context.Shoot(&form);
    // A platform entry naming a removed issue, selected: Fix offers to
    // remove it. The entry is put back afterwards.
    TXmlNode* parties = context.Scenario->Parties();
    TXmlNode* platform = parties && parties->ChildCount() > 0
                             ? parties->GetChildAt(0)->GetChild("platform")
                             : nullptr;
    if (!platform || platform->ChildCount() == 0)
        return;
    TXmlNode* entry = platform->GetChildAt(0);
    const std::string id = entry->AttributeValue("id");
    entry->SetAttribute("id", "removed_issue");
    VerificationRun::Run(context.Scenario, true);
    form.hide();
    form.show();
    for (int row = 0; row < form.MessagesListBox()->count(); ++row)
        if (form.MessagesListBox()->item(row)->text().contains(QStringLiteral("removed_issue")))
            form.MessagesListBox()->setCurrentRow(row);
    context.Shoot(&form, QStringLiteral("fix"));
    entry->SetAttribute("id", id);
    VerificationRun::Run(context.Scenario, true);
});

STUMPCRAFT_GALLERY_PAGE("TSelectScenarioForm", [](TGalleryContext& context) {
    TSelectScenarioForm form;
    std::vector<std::string> names;
    ScenarioFolders::ListFolders((context.DataFolder + QStringLiteral("scenarios")).toStdString(),
                                 &names);
    QStringList list;
    for (const std::string& name : names)
        list << QString::fromStdString(name);
    if (list.isEmpty())
        list << QStringLiteral("United States - 2008");
    form.SetScenarios(list);
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TaboutForm", [](TGalleryContext& context) {
    TaboutForm form;
    context.Shoot(&form);
});

STUMPCRAFT_GALLERY_PAGE("TSplashScreenForm", [](TGalleryContext& context) {
    TSplashScreenForm form;
    for (int i = 0; i < 3; ++i)
        form.Tick();
    context.Shoot(&form);
    form.Timer()->stop();
});

STUMPCRAFT_GALLERY_PAGE("THelpWindow", [](TGalleryContext& context) {
    Help::SetHelpFolder(context.DataFolder + QStringLiteral("help/"));
    THelpWindow* window = Help::ShowTopic(100);
    context.Shoot(window);
    window->close();
});

STUMPCRAFT_GALLERY_PAGE("TFindInScenarioForm", [](TGalleryContext& context) {
    TFindInScenarioForm form;
    form.SetScenario(context.Scenario);
    form.Search(QStringLiteral("tax"));
    context.Shoot(&form);
});
