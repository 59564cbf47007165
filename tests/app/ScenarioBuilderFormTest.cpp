// The main window: step gating, the five file operations with their
// questions, the save-changes question and autosave. Every test works on a
// data folder in a temporary folder and answers the prompts from a script.

#include "app/Help.h"
#include "app/StepEditors.h"
#include "app/THelpWindow.h"
#include "app/TScenarioBuilderForm.h"
#include "app/TVerificationMessagesForm.h"
#include "editors/world/TScenarioEditorForm.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
#include "scenario/TScenarioData.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/StoppedSave.h"
#include "xml/FileText.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <memory>
#include <stdexcept>

using GuiTest::TDataFolder;

namespace {

const QString Shipped = QStringLiteral("United States - 2008");
const QString NamePrompt = QStringLiteral("Enter the new name of your scenario.");
const QString LoadSuffix = QStringLiteral(".  Please ensure you are selecting a valid Scenario");

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The bytes of every file of a folder, to prove nothing was written.
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files[name] = ReadFile(folder + QLatin1Char('/') + name);
    return files;
}

const QStringList TenFiles = {
    "activities.xml", "ads.xml",         "endorsers.xml",       "events.xml",    "issues.xml",
    "parties.xml",    "percentages.xml", "political_units.xml", "relations.xml", "scenario.xml"};

TVerificationRunResult PassedUpTo(int failingFile) {
    TVerificationRunResult result;
    for (int i = 0; i < 8; ++i) {
        result.Ran[static_cast<size_t>(i)] = failingFile < 0 || i <= failingFile;
        result.Passed[static_cast<size_t>(i)] = failingFile < 0 || i < failingFile;
    }
    result.ProblemsExist = failingFile >= 0;
    return result;
}

} // namespace

class ScenarioBuilderFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TDataFolder> Data;
    std::unique_ptr<TScenarioBuilderForm> Form;
    int EditorRuns = 0;

    TAppFolders Folders() const {
        TAppFolders folders;
        folders.Application = Data->Path();
        folders.Data = Data->Path();
        folders.Help = GuiTest::ShippedData() + QStringLiteral("help/");
        return folders;
    }

    QString ScenarioPath(const QString& name) const { return Data->Scenarios() + name; }

    // A form whose options are read and whose steps are gated, as after the
    // first showing. Autosave off unless asked for.
    void MakeForm(bool autosave = false) {
        WriteFile(Data->Path() + "optionssc.vrx", autosave ? "1\n1\n" : "1\n0\n");
        Form = std::make_unique<TScenarioBuilderForm>(Folders(), false);
        Form->FirstShown();
    }

    bool OpenAlpha() {
        TScriptedPrompts prompts;
        prompts.Choose("Alpha");
        const bool opened = Form->OpenScenario();
        return opened && prompts.Done();
    }

    QAction* Action(const char* name) const { return Form->findChild<QAction*>(name); }
    QPushButton* Button(const char* name) const { return Form->findChild<QPushButton*>(name); }

    QList<bool> StepStates() const {
        QList<bool> states;
        for (int step = 1; step <= 8; ++step)
            states << Form->StepButton(step)->isEnabled();
        return states;
    }

private slots:
    void init() {
        Data = std::make_unique<TDataFolder>();
        Data->AddScenario("Alpha");
        Data->AddScenario(Shipped, true);
        Data->AddScenario("Second Default", true);
        EditorRuns = 0;
        for (int step = 1; step <= 8; ++step)
            StepEditors::Register(step, [this](TScenarioData&, QWidget*) { ++EditorRuns; });
    }

    void cleanup() {
        Form.reset();
        Data.reset();
    }

    // ---- window contents -------------------------------------------------

    void CaptionsMenusAndShortcuts() {
        MakeForm();
        QCOMPARE(Form->windowTitle(), QStringLiteral("Stumpcraft for Votaris 2008"));
        const QStringList steps = {"Step &1: Create Scenario",        "Step &2: Create Issues",
                                   "Step &3: Create Political Units", "Step &4: Create Ads",
                                   "Step &5: Create Parties",         "Step &6: Create Events",
                                   "Step &7: Create Endorsers",       "Step &8: Create Activities"};
        for (int step = 1; step <= 8; ++step)
            QCOMPARE(Form->StepButton(step)->text(), steps[step - 1]);
        // The desktop's usual keys come second.
        const QList<std::pair<const char*, QString>> items = {
            {"CreateNewItem", "Ctrl+N"},
            {"CreateFromExistingItem", "Ctrl+E"},
            {"OpenItem", "Ctrl+O"},
            {"OpenFolderItem", "Ctrl+Shift+O"},
            {"SaveItem", "Ctrl+S"},
            {"SaveAsItem", "Ctrl+A; Ctrl+Shift+S"},
            {"ExitItem", "Ctrl+X; Ctrl+Q"},
            {"UndoItem", "Ctrl+Z"},
            {"RedoItem", "Ctrl+Y; Ctrl+Shift+Z"}};
        for (const auto& [name, shortcut] : items)
            QCOMPARE(QKeySequence::listToString(Action(name)->shortcuts()), shortcut);
        QCOMPARE(Action("CreateNewItem")->text(), QStringLiteral("Create &New Scenario"));
        QCOMPARE(Action("SaveAsItem")->text(), QStringLiteral("Save &As"));
        QVERIFY(!Action("AutoupdateItem")->isVisible());
        QVERIFY(Action("AutosaveItem")->isCheckable());
        for (const char* hidden : {"IssuesVerificationButton", "PoliticalUnitsVerificationButton",
                                   "PartiesVerificationButton"})
            QVERIFY(Button(hidden)->isHidden() && !Button(hidden)->isEnabled() &&
                    Button(hidden)->focusPolicy() == Qt::NoFocus); // not offered to a reader
        QCOMPARE(Form->property("helpTopic").toInt(), 100);
    }

    // ---- step gating -----------------------------------------------------

    void NoScenarioDisablesEverythingAndShowsViewErrors() {
        MakeForm();
        QCOMPARE(StepStates(), QList<bool>(8, false));
        QVERIFY(!Action("SaveItem")->isEnabled());
        QVERIFY(!Action("SaveAsItem")->isEnabled());
        QVERIFY(!Button("SaveButton")->isEnabled());
        QVERIFY(!Button("ViewErrorsButton")->isHidden());
        QStringList lines;
        QTimer::singleShot(0, this, [&] {
            lines = Form->MessagesForm()->Lines();
            Form->MessagesForm()->reject();
        });
        Form->ViewErrors();
        QCOMPARE(lines, QStringList{"No scenario loaded."});
    }

    void GatingFollowsTheFirstFailingFile_data() {
        QTest::addColumn<int>("failing");
        QTest::addColumn<int>("enabledSteps");
        QTest::addColumn<bool>("viewErrors");
        QTest::newRow("scenario settings") << 0 << 1 << true;
        QTest::newRow("issues") << 1 << 2 << true;
        QTest::newRow("parties") << 4 << 5 << true;
        QTest::newRow("endorsers") << 6 << 7 << true;
        QTest::newRow("activities") << 7 << 8 << true;
        QTest::newRow("none") << -1 << 8 << false;
    }

    void GatingFollowsTheFirstFailingFile() {
        QFETCH(int, failing);
        QFETCH(int, enabledSteps);
        QFETCH(bool, viewErrors);
        MakeForm();
        Form->SetVerify([failing](TScenarioData*) { return PassedUpTo(failing); });
        QVERIFY(OpenAlpha());
        for (int step = 1; step <= 8; ++step)
            QCOMPARE(Form->StepButton(step)->isEnabled(), step <= enabledSteps);
        QCOMPARE(!Button("ViewErrorsButton")->isHidden(), viewErrors);
        QVERIFY(Action("SaveItem")->isEnabled());
        QVERIFY(Action("SaveAsItem")->isEnabled());
        QVERIFY(Button("SaveButton")->isEnabled());
    }

    void StepWithoutEditorStaysDisabled() {
        StepEditors::Register(3, {});
        MakeForm();
        Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
        QVERIFY(OpenAlpha());
        QCOMPARE(StepStates(), (QList<bool>{true, true, false, true, true, true, true, true}));
    }

    void MissingScenarioSettingsElementStopsAtStepOne() {
        WriteFile(ScenarioPath("Alpha") + "/scenario.xml", "<scenario></scenario>");
        MakeForm();
        QVERIFY(OpenAlpha());
        QCOMPARE(StepStates(),
                 (QList<bool>{true, false, false, false, false, false, false, false}));
        QVERIFY(!Button("ViewErrorsButton")->isHidden());
        QVERIFY(Form->HasProblems());
        QStringList lines;
        QTimer::singleShot(0, this, [&] {
            lines = Form->MessagesForm()->Lines();
            Form->MessagesForm()->reject();
        });
        Form->VerifyCampaign();
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.first().contains(" >> "), qPrintable(lines.first()));
    }

    void IssuesFaultOpensStepsOneAndTwo() {
        // Needs a template whose scenario settings verify.
        MakeForm();
        QVERIFY(OpenAlpha());
        if (!Form->StepButton(2)->isEnabled())
            QSKIP("the template's scenario settings do not verify");
        WriteFile(ScenarioPath("Alpha") + "/issues.xml",
                  "<issues><issue id=\"1\"><name></name></issue></issues>");
        QVERIFY(OpenAlpha());
        QCOMPARE(StepStates(), (QList<bool>{true, true, false, false, false, false, false, false}));
        QVERIFY(!Button("ViewErrorsButton")->isHidden());
    }

    // ---- Open ------------------------------------------------------------

    void OpenRewritesTheFilesAtOnce() {
        const QString file = ScenarioPath("Alpha") + "/relations.xml";
        WriteFile(file, "<relations></relations>");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Choose("Alpha");
        QVERIFY(Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown().first().Choices,
                 (QStringList{"Alpha", "Second Default", Shipped}));
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Alpha"));
        QVERIFY(ReadFile(file) != QByteArray("<relations></relations>"));
        QVERIFY(!Form->Modified());
    }

    void OpenCancelledChangesNothing() {
        MakeForm();
        QVERIFY(OpenAlpha());
        TScriptedPrompts prompts;
        prompts.CancelChoice();
        QVERIFY(!Form->OpenScenario());
        QVERIFY(prompts.Done());
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Alpha"));
        QCOMPARE(Form->ScenarioName(), QStringLiteral("Alpha"));
    }

    void OpenDefaultCopiesUnderTheSuggestedName() {
        MakeForm();
        const auto before = Snapshot(ScenarioPath(Shipped));
        TScriptedPrompts prompts;
        prompts.Choose(Shipped).Ok("Attention").Type("New " + Shipped, "Scenario Name");
        QVERIFY(Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown()[1].Text,
                 QStringLiteral("You have selected a default Quorvane scenario. The program will "
                                "copy this default scenario to a new scenario so that you can "
                                "edit the new scenario. Please enter a name for your new scenario "
                                "in the next box."));
        QCOMPARE(prompts.Shown()[2].Initial, "New " + Shipped);
        QCOMPARE(prompts.Shown()[2].Text, NamePrompt);
        QCOMPARE(Form->Caption(), "Editing: New " + Shipped);
        QCOMPARE(Data->Files("New " + Shipped), TenFiles);
        QCOMPARE(Snapshot(ScenarioPath(Shipped)), before);
    }

    void OpenDefaultOverwriteNoAsksAgain() {
        Data->AddScenario("Taken");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Choose(Shipped)
            .Ok("Attention")
            .Type("Taken")
            .Answer(TPromptAnswer::No, "Overwrite")
            .CancelInput();
        QVERIFY(!Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts().last(),
                 QStringLiteral("This scenario already exists. Overwrite?"));
        // Asked again starting from the name typed.
        QCOMPARE(prompts.Shown().last().Initial, QStringLiteral("Taken"));
        QVERIFY(!Form->Scenario());
        QCOMPARE(Form->Caption(), QStringLiteral("Stumpcraft for Votaris 2008"));
    }

    void OpenDefaultRefusesAnotherDefaultName() {
        MakeForm();
        const auto before = Snapshot(ScenarioPath("Second Default"));
        TScriptedPrompts prompts;
        prompts.Choose(Shipped)
            .Ok("Attention")
            .Type("Second Default")
            .Answer(TPromptAnswer::Yes, "Overwrite")
            .Ok("Attention")
            .CancelInput();
        QVERIFY(!Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts().last(),
                 QStringLiteral("This is a default Quorvane scenario. Please select a different "
                                "name for your new scenario."));
        QCOMPARE(Snapshot(ScenarioPath("Second Default")), before);
    }

    void OpenDefaultOverwriteYesCopiesOntoTheFolder() {
        Data->AddScenario("Taken");
        WriteFile(ScenarioPath("Taken") + "/notes.txt", "mine");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Choose(Shipped)
            .Ok("Attention")
            .Type("Taken")
            .Answer(TPromptAnswer::Yes, "Overwrite");
        QVERIFY(Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Taken"));
        QCOMPARE(ReadFile(ScenarioPath("Taken") + "/notes.txt"), QByteArray("mine"));
    }

    void BadScenarioNamesAreRefusedAndAskedAgain_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("slash") << QStringLiteral("../Escaped");
        QTest::newRow("backslash") << QStringLiteral("a\\b");
    }

    void BadScenarioNamesAreRefusedAndAskedAgain() {
        QFETCH(QString, name);
        MakeForm();
        const QStringList before = QDir(Data->Scenarios()).entryList(QDir::AllEntries);
        const QStringList parent = QDir(Data->Path()).entryList(QDir::AllEntries);
        TScriptedPrompts prompts;
        // Each of the four naming operations.
        prompts.Choose(Shipped).Ok("Attention").Type(name).Ok("Error").CancelInput();
        QVERIFY(!Form->OpenScenario());
        prompts.Type(name).Ok("Error").CancelInput();
        QVERIFY(!Form->CreateNewScenario());
        prompts.Choose("Alpha").Type(name).Ok("Error").CancelInput();
        QVERIFY(!Form->CreateFromExisting());
        QVERIFY(OpenAlpha());
        prompts.Type(name).Ok("Error").CancelInput();
        QVERIFY(!Form->SaveScenarioAs());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(QDir(Data->Scenarios()).entryList(QDir::AllEntries), before);
        QCOMPARE(QDir(Data->Path()).entryList(QDir::AllEntries), parent);
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Alpha"));
    }

    void UnparsableFileLeavesNothingOpenAndWritesNothing() {
        MakeForm();
        QVERIFY(OpenAlpha());
        WriteFile(ScenarioPath("Alpha") + "/issues.xml", "<issues>\n<issue>\n</issues>");
        const auto before = Snapshot(ScenarioPath("Alpha"));
        TScriptedPrompts prompts;
        prompts.Choose("Alpha").Ok("Error");
        QVERIFY(!Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        const QString message = prompts.MessageTexts().last();
        QVERIFY2(message.contains("issues.xml") && message.contains("line 3"), qPrintable(message));
        QVERIFY(message.endsWith(LoadSuffix));
        QVERIFY(!Form->Scenario());
        QCOMPARE(Form->Caption(), QStringLiteral("Stumpcraft for Votaris 2008"));
        QCOMPARE(StepStates(), QList<bool>(8, false));
        QVERIFY(!Action("SaveItem")->isEnabled());
        QCOMPARE(Snapshot(ScenarioPath("Alpha")), before);
    }

    void MissingFileFailsTheOpen() {
        QFile::remove(ScenarioPath("Alpha") + "/ads.xml");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Choose("Alpha").Ok("Error");
        QVERIFY(!Form->OpenScenario());
        QVERIFY(prompts.MessageTexts().last().contains("ads.xml"));
        QVERIFY(prompts.MessageTexts().last().endsWith(LoadSuffix));
        QVERIFY(!Form->Scenario());
    }

    void FolderGivenAtStartOpensAfterTheFirstShowing() {
        QTemporaryDir elsewhere;
        const QString folder = elsewhere.filePath("Delta");
        QVERIFY(QDir().rename(ScenarioPath("Alpha"), folder));
        const auto before = Snapshot(folder);
        WriteFile(Data->Path() + "optionssc.vrx", "1\n0\n");
        Form = std::make_unique<TScenarioBuilderForm>(Folders(), false);
        Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
        Form->SetStartFolder(folder);
        QVERIFY(!Form->Scenario());
        Form->FirstShown();
        QVERIFY(Form->Scenario());
        QCOMPARE(QString::fromStdString(Form->Scenario()->Folder()), folder + "/");
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Delta"));
        QCOMPARE(StepStates(), QList<bool>(8, true));
        QVERIFY(!Form->Modified());
        QCOMPARE(Snapshot(folder), before);
    }

    void FolderGivenAtStartThatIsNoScenarioIsRefused() {
        QTemporaryDir empty;
        WriteFile(Data->Path() + "optionssc.vrx", "1\n0\n");
        Form = std::make_unique<TScenarioBuilderForm>(Folders(), false);
        Form->SetStartFolder(empty.path());
        TScriptedPrompts prompts;
        prompts.Ok("Error");
        Form->FirstShown();
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(prompts.MessageTexts().last().endsWith(LoadSuffix));
        QVERIFY(!Form->Scenario());
        QCOMPARE(StepStates(), QList<bool>(8, false));
    }

    // ---- folders anywhere: Open Folder, Save As Folder, Open Recent ----------

    void FoldersAnywhere_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("folder");
        const QString none = QStringLiteral("Stumpcraft for Votaris 2008");
        QTest::newRow("open in place")
            << false << QStringList{"pick:@Delta"} << true << "Editing: Delta"
            << "@Delta";
        QTest::newRow("open no scenario")
            << false << QStringList{"pick:@Empty", "ok:Error"} << false << none << "";
        QTest::newRow("open cancelled") << false << QStringList{"cancel"} << false << none << "";
        QTest::newRow("open shipped copies it")
            << false << QStringList{"pick:$" + Shipped, "ok:Attention", "type:New Copy"} << true
            << "Editing: New Copy"
            << "$New Copy";
        QTest::newRow("save into an empty folder")
            << true << QStringList{"pick:@Empty"} << true << "Editing: Empty"
            << "@Empty";
        QTest::newRow("save refuses a cluttered folder and its own inside")
            << true
            << QStringList{"pick:@Cluttered", "ok:Error", "pick:$Alpha/sub", "ok:Error", "cancel"}
            << false << "Editing: Alpha"
            << "$Alpha";
        QTest::newRow("save over a scenario asks")
            << true << QStringList{"pick:$Target", "no:Overwrite", "pick:$Target", "yes:Overwrite"}
            << true << "Editing: Target"
            << "$Target";
        QTest::newRow("save into its own folder")
            << true << QStringList{"pick:$Alpha"} << true << "Editing: Alpha"
            << "$Alpha";
    }

    void FoldersAnywhere() {
        QFETCH(bool, saveAs);
        QFETCH(QStringList, script);
        QFETCH(bool, done);
        QFETCH(QString, caption);
        QFETCH(QString, folder);
        QTemporaryDir elsewhere;
        Data->AddScenario("Delta");
        Data->AddScenario("Target");
        QVERIFY(QDir().rename(ScenarioPath("Delta"), elsewhere.filePath("Delta")));
        QDir().mkpath(elsewhere.filePath("Empty"));
        QDir().mkpath(ScenarioPath("Alpha/sub"));
        QDir().mkpath(elsewhere.filePath("Cluttered"));
        WriteFile(elsewhere.filePath("Cluttered/notes.txt"), "");
        const auto where = [&](const QString& token) {
            if (token.startsWith('$'))
                return ScenarioPath(token.mid(1));
            return token.isEmpty() ? QString() : elsewhere.filePath(token.mid(1));
        };
        const auto away = Snapshot(where("@Delta"));
        MakeForm();
        if (saveAs)
            QVERIFY(OpenAlpha());
        TScriptedPrompts prompts;
        for (const QString& step : script) {
            const QString value = step.section(':', 1);
            if (step.startsWith("pick:"))
                prompts.PickFolder(where(value), saveAs ? "Save As Folder" : "Open Folder");
            else if (step == "cancel")
                prompts.CancelFolder();
            else if (step.startsWith("type:"))
                prompts.Type(value);
            else
                prompts.Answer(step.startsWith("ok:")    ? TPromptAnswer::Ok
                               : step.startsWith("yes:") ? TPromptAnswer::Yes
                                                         : TPromptAnswer::No,
                               value);
        }
        QCOMPARE(saveAs ? Form->SaveAsFolder() : Form->OpenFolderFromMenu(), done);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Form->Caption(), caption);
        const QString expected = where(folder);
        QCOMPARE(Form->Scenario() ? QString::fromStdString(Form->Scenario()->Folder()) : QString(),
                 expected.isEmpty() ? QString() : expected + "/");
        if (done) {
            QCOMPARE(Form->Recent().Folders().first(), expected);
            QVERIFY(!Form->Modified());
            for (const QString& name : TenFiles)
                QVERIFY2(QFileInfo::exists(expected + "/" + name), qPrintable(name));
        }
        // Opening in place writes nothing.
        QCOMPARE(Snapshot(where("@Delta")), away);
    }

    void OpenRecentAndTheStartPanel() {
        MakeForm();
        auto* panel = Form->findChild<QWidget*>("StartPanel");
        QVERIFY(!panel->isHidden());
        QTemporaryDir elsewhere;
        const QString delta = elsewhere.filePath("Delta");
        QVERIFY(QDir().rename(ScenarioPath("Alpha"), delta));
        Data->AddScenario("Alpha");
        TScriptedPrompts prompts;
        prompts.PickFolder(delta, "Open Folder");
        Button("OpenFolderButton")->click();
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Delta"));
        QVERIFY(panel->isHidden());
        QVERIFY(OpenAlpha());
        QCOMPARE(Form->Recent().Folders(), (QStringList{ScenarioPath("Alpha"), delta}));
        const QList<QAction*> items = Form->RecentMenu()->actions();
        QCOMPARE(items[0]->text(), QStringLiteral("&1 Alpha"));
        QCOMPARE(items[1]->text(), QStringLiteral("&2 Delta"));
        QCOMPARE(items[1]->toolTip(), delta);
        auto* list = Form->findChild<QListWidget*>("RecentListBox");
        QCOMPARE(list->item(1)->toolTip(), delta);

        // A folder that is gone is said and dropped; the open one stays.
        QVERIFY(QDir(delta).removeRecursively());
        prompts.Ok("Open Recent");
        QVERIFY(!Form->OpenRecent(delta));
        QCOMPARE(Form->Recent().Folders(), QStringList{ScenarioPath("Alpha")});
        QCOMPARE(list->count(), 1);
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Alpha"));
        // One still there asks about the changes first.
        Form->RunStep(1);
        prompts.Answer(TPromptAnswer::Cancel, "Save Changes");
        QVERIFY(!Form->OpenRecent(ScenarioPath("Alpha")));
        QVERIFY(Form->Modified());
        Form->findChild<QAction*>("ClearRecentItem")->trigger();
        QVERIFY(Form->Recent().Folders().isEmpty());
        QCOMPARE(list->count(), 0);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));

        // The sample is opened the way Open opens a shipped scenario.
        MakeForm();
        prompts.Ok("Attention").Type("New Sample", "Scenario Name");
        Button("OpenSampleButton")->click();
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: New Sample"));
    }

    // ---- Create New --------------------------------------------------------

    void CreateNewWritesTheTemplateAndFolders() {
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Type("Fresh", "Scenario Name");
        QVERIFY(Form->CreateNewScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown().first().Initial, QStringLiteral("United States - 2008 (Custom)"));
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Fresh"));
        QCOMPARE(Data->Files("Fresh"), TenFiles);
        for (const char* folder : {"activity_images", "issue_images", "party_images",
                                   "party_images/candidates", "region_images"})
            QVERIFY2(QFileInfo(ScenarioPath("Fresh") + "/" + folder).isDir(), folder);
        QVERIFY(Form->StepButton(1)->isEnabled());
        // The template's pictures come along, so its activities verify at once.
        QVERIFY(QFileInfo::exists(ScenarioPath("Fresh") + "/activity_images/rest.bmp"));
        QVERIFY(QFileInfo::exists(ScenarioPath("Fresh") + "/issue_images/taxes.bmp"));
        QVERIFY(VerifyActivities(*Form->Scenario()));
    }

    void CreateNewOverwriteNoThenYes() {
        WriteFile(ScenarioPath("Alpha") + "/notes.txt", "old");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Type("Alpha").Answer(TPromptAnswer::No, "Overwrite").CancelInput();
        QVERIFY(!Form->CreateNewScenario());
        QVERIFY(prompts.Done());
        QCOMPARE(prompts.Shown().last().Initial, QStringLiteral("Alpha"));
        QVERIFY(QFileInfo::exists(ScenarioPath("Alpha") + "/notes.txt"));
        prompts.Clear();
        prompts.Type("Alpha").Answer(TPromptAnswer::Yes, "Overwrite");
        QVERIFY(Form->CreateNewScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        // The old folder was deleted first.
        QVERIFY(!QFileInfo::exists(ScenarioPath("Alpha") + "/notes.txt"));
        QCOMPARE(Data->Files("Alpha"), TenFiles);
    }

    void CreateNewStructureFailureAsksAgain() {
        // A file where the folder should go cannot become a scenario.
        WriteFile(ScenarioPath("Blocked"), "in the way");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Type("Blocked").Ok("Error").CancelInput();
        QVERIFY(!Form->CreateNewScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts().first(),
                 QStringLiteral("Unable to create scenario structure. Ensure you have rights to "
                                "create directories."));
        QCOMPARE(prompts.Shown().last().Initial, QStringLiteral("Blocked"));
    }

    void CreateNewWithoutTemplateLeavesNothingOpen() {
        QFile::remove(Data->Path() + "default.vrx");
        MakeForm();
        QVERIFY(OpenAlpha());
        TScriptedPrompts prompts;
        prompts.Type("Fresh").Ok("Error");
        QVERIFY(!Form->CreateNewScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(prompts.MessageTexts().last().endsWith(LoadSuffix));
        QVERIFY(!Form->Scenario());
        QCOMPARE(StepStates(), QList<bool>(8, false));
    }

    // ---- Create From Existing ----------------------------------------------

    void CreateFromExistingRefusesTheSourceName() {
        WriteFile(ScenarioPath("Alpha") + "/relations.xml", "<relations/>");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Choose("Alpha").Type("Alpha").Ok("Error").Type("Beta");
        QVERIFY(Form->CreateFromExisting());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown()[1].Initial, QStringLiteral("Alpha"));
        QCOMPARE(prompts.MessageTexts().first(),
                 QStringLiteral("Cannot overwrite source scenario.  Please enter new name."));
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Beta"));
        // Copied and opened, not saved.
        QCOMPARE(ReadFile(ScenarioPath("Beta") + "/relations.xml"), QByteArray("<relations/>"));
    }

    void CreateFromExistingOverwrite() {
        Data->AddScenario("Taken");
        WriteFile(ScenarioPath("Taken") + "/notes.txt", "kept");
        WriteFile(ScenarioPath("Alpha") + "/relations.xml", "<relations/>");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Choose("Alpha")
            .Type("Taken")
            .Answer(TPromptAnswer::No, "Overwrite")
            .Type("Taken")
            .Answer(TPromptAnswer::Yes, "Overwrite");
        QVERIFY(Form->CreateFromExisting());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(ReadFile(ScenarioPath("Taken") + "/relations.xml"), QByteArray("<relations/>"));
        QCOMPARE(ReadFile(ScenarioPath("Taken") + "/notes.txt"), QByteArray("kept"));
    }

    void CancelAtEveryNameBoxKeepsTheScenario() {
        MakeForm();
        QVERIFY(OpenAlpha());
        TScenarioData* open = Form->Scenario();
        TScriptedPrompts prompts;
        prompts.Choose(Shipped).Ok("Attention").CancelInput();
        QVERIFY(!Form->OpenScenario());
        prompts.CancelInput();
        QVERIFY(!Form->CreateNewScenario());
        prompts.Choose("Alpha").CancelInput();
        QVERIFY(!Form->CreateFromExisting());
        prompts.CancelChoice();
        QVERIFY(!Form->CreateFromExisting());
        prompts.CancelInput();
        QVERIFY(!Form->SaveScenarioAs());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Form->Scenario(), open);
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Alpha"));
        QCOMPARE(QDir(Data->Scenarios()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"Alpha", "Second Default", Shipped}));
    }

    // ---- Save and Save As -------------------------------------------------

    void SaveFromMenuAsksFirst() {
        MakeForm();
        QVERIFY(OpenAlpha());
        const QString file = ScenarioPath("Alpha") + "/ads.xml";
        WriteFile(file, "<ads/>");
        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::No, "Save");
        QVERIFY(!Form->SaveFromMenu());
        QCOMPARE(ReadFile(file), QByteArray("<ads/>"));
        // The file changed behind the editor's back, which Save asks about.
        prompts.Answer(TPromptAnswer::Yes, "Save").Press("Save Anyway").Ok("Saved");
        QVERIFY(Form->SaveFromMenu());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        const QStringList texts = prompts.MessageTexts();
        QCOMPARE(texts.size(), 4);
        QCOMPARE(texts.mid(0, 2), QStringList(2, "Are you sure you wish to save?"));
        QCOMPARE(texts.last(), QStringLiteral("Scenario saved."));
        QVERIFY(ReadFile(file) != QByteArray("<ads/>"));
    }

    void SaveButtonAsksNothing() {
        MakeForm();
        QVERIFY(OpenAlpha());
        Form->RunStep(1);
        QVERIFY(Form->Modified());
        TScriptedPrompts prompts;
        prompts.Ok("Saved");
        QTest::mouseClick(Button("SaveButton"), Qt::LeftButton);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(!Form->Modified());
    }

    void FailedSaveNamesTheFileAndKeepsModified() {
        MakeForm();
        QVERIFY(OpenAlpha());
        Form->RunStep(2);
        QVERIFY(Form->Modified());
        QVERIFY(QDir(ScenarioPath("Alpha")).removeRecursively());
        TScriptedPrompts prompts;
        prompts.Ok("Error");
        QVERIFY(!Form->SaveFromButton());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY2(prompts.MessageTexts().first().contains(".xml"),
                 qPrintable(prompts.MessageTexts().first()));
        QVERIFY(Form->Modified());
        // Closing still asks, and a failed save keeps the window open.
        prompts.Answer(TPromptAnswer::Yes, "Save Changes").Ok("Error");
        QVERIFY(!Form->close());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    // While another program saves the folder, a save and an open say so in
    // its one sentence, and the scenario stays changed.
    void ABusyFolderIsSaidInOneSentence() {
        MakeForm();
        QVERIFY(OpenAlpha());
        Form->RunStep(2);
        const TLockPatience patience(std::chrono::milliseconds(200));
        const QString folder = ScenarioPath("Alpha");
        const QString busy =
            "Another program is saving \"" + folder + "\"; try again when it has finished.";
        const std::string verify =
            (QCoreApplication::applicationDirPath() + "/stumpcraft-verify").toStdString();
        TScriptedPrompts prompts;
        {
            TStoppedSave saving(verify, folder.toStdString(), "journal 1");
            QVERIFY(saving.Stopped());
            prompts.Ok("Error");
            QVERIFY(!Form->SaveFromButton());
            QVERIFY(Form->Modified());
            prompts.Answer(TPromptAnswer::No, "Save Changes").Choose("Alpha").Ok("Error");
            QVERIFY(!Form->OpenScenario());
        }
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts(),
                 QStringList({busy, "Would you like to save changes?", busy}));
    }

    void SaveAsCopiesOverAndKeepsTargetOnlyFiles() {
        Data->AddScenario("Target");
        WriteFile(ScenarioPath("Target") + "/notes.txt", "target only");
        WriteFile(ScenarioPath("Alpha") + "/alpha.txt", "from alpha");
        MakeForm();
        QVERIFY(OpenAlpha());
        Form->RunStep(1);
        TScriptedPrompts prompts;
        prompts.Type("Target")
            .Answer(TPromptAnswer::No, "Overwrite")
            .Type("Target")
            .Answer(TPromptAnswer::Yes, "Overwrite");
        QVERIFY(Form->SaveScenarioAs());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown().first().Initial, QString());
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Target"));
        QVERIFY(!Form->Modified());
        QCOMPARE(ReadFile(ScenarioPath("Target") + "/notes.txt"), QByteArray("target only"));
        QCOMPARE(ReadFile(ScenarioPath("Target") + "/alpha.txt"), QByteArray("from alpha"));
        QCOMPARE(QString::fromStdString(Form->Scenario()->Folder()), ScenarioPath("Target") + "/");
    }

    void SaveAndSaveAsGateTheStepsAgain() {
        MakeForm();
        Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
        QVERIFY(OpenAlpha());
        QCOMPARE(StepStates(), QList<bool>(8, true));
        int runs = 0;
        Form->SetVerify([&runs](TScenarioData*) {
            ++runs;
            return PassedUpTo(2);
        });
        TScriptedPrompts prompts;
        prompts.Ok("Saved");
        QVERIFY(Form->SaveFromButton());
        QCOMPARE(runs, 1);
        QCOMPARE(StepStates(), (QList<bool>{true, true, true, false, false, false, false, false}));

        Form->SetVerify([&runs](TScenarioData*) {
            ++runs;
            return PassedUpTo(0);
        });
        prompts.Type("Gamma");
        QVERIFY(Form->SaveScenarioAs());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(runs, 2);
        QCOMPARE(StepStates(),
                 (QList<bool>{true, false, false, false, false, false, false, false}));
    }

    void SaveAsNewName() {
        MakeForm();
        QVERIFY(OpenAlpha());
        TScriptedPrompts prompts;
        prompts.Type("Gamma");
        QVERIFY(Form->SaveScenarioAs());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Data->Files("Gamma"), TenFiles);
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Gamma"));
    }

    // ---- steps, save-changes question, autosave -----------------------------

    void ClosingAnEditorMarksModifiedAndCloseAsks() {
        MakeForm(false);
        QVERIFY(OpenAlpha());
        QVERIFY(!Form->Modified());
        TScriptedPrompts prompts;
        QTest::mouseClick(Form->StepButton(1), Qt::LeftButton);
        QCOMPARE(EditorRuns, 1);
        QVERIFY(Form->Modified());
        QVERIFY(Form->isWindowModified());
        QVERIFY(prompts.Shown().isEmpty());
        prompts.Answer(TPromptAnswer::Cancel, "Save Changes");
        QVERIFY(!Form->close());
        QCOMPARE(prompts.MessageTexts().last(), QStringLiteral("Would you like to save changes?"));
        prompts.Answer(TPromptAnswer::No, "Save Changes");
        QVERIFY(Form->close());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    void SaveChangesYesSavesThenGoesOn() {
        MakeForm(false);
        QVERIFY(OpenAlpha());
        StepEditors::Register(1, [](TScenarioData& data, QWidget*) {
            data.Relations()->AddNewChild("marker", "edited");
        });
        Form->RunStep(1);
        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::Yes, "Save Changes").Ok("Saved").Choose("Alpha");
        QVERIFY(Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(ReadFile(ScenarioPath("Alpha") + "/relations.xml").contains("edited"));
        // Cancel stops the operation before the selection dialog.
        Form->RunStep(1);
        prompts.Answer(TPromptAnswer::Cancel, "Save Changes");
        QVERIFY(!Form->CreateNewScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    void AutosaveWritesEachStepWithoutABox() {
        MakeForm(true);
        QVERIFY(Form->Options().Autosave);
        QVERIFY(OpenAlpha());
        StepEditors::Register(4, [](TScenarioData& data, QWidget*) {
            data.Ads()->AddNewChild("marker", "autosaved");
        });
        Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
        Form->RunStepGating();
        TScriptedPrompts prompts;
        QTest::mouseClick(Form->StepButton(4), Qt::LeftButton);
        QVERIFY(prompts.Shown().isEmpty());
        QVERIFY(!Form->Modified());
        QVERIFY(ReadFile(ScenarioPath("Alpha") + "/ads.xml").contains("autosaved"));
        // Nothing to ask when closing.
        QVERIFY(Form->close());
    }

    void EditorErrorIsShownAndGatingRuns() {
        MakeForm();
        QVERIFY(OpenAlpha());
        StepEditors::Register(1, [](TScenarioData&, QWidget*) {
            throw std::runtime_error("picture could not be read");
        });
        int runs = 0;
        Form->SetVerify([&runs](TScenarioData*) {
            ++runs;
            return PassedUpTo(-1);
        });
        TScriptedPrompts prompts;
        prompts.Ok("Error");
        Form->RunStep(1);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts().first(), QStringLiteral("picture could not be read"));
        QCOMPARE(runs, 1);
    }

    // ---- undo of a step, backups ---------------------------------------------

    // The real Step 1 editor; while it is open the designer types name into
    // its NameEdit, then closes it.
    void RunStep1Typing(const QString& name) {
        StepEditors::Register(1, [](TScenarioData& data, QWidget* owner) {
            TScenarioEditorForm form(data, owner);
            form.exec();
        });
        QTimer::singleShot(0, Form.get(), [name] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("NameEdit"));
            QVERIFY(edit);
            edit->selectAll();
            QTest::keyClicks(edit, name);
            modal->close();
        });
        Form->RunStep(1);
    }

    std::string ScenarioText() const {
        return Form->Scenario()->Document(TScenarioFile::Scenario).ToText();
    }

    void UndoAndRedoAWholeStepSession() {
        MakeForm();
        QVERIFY(OpenAlpha());
        const QString file = ScenarioPath("Alpha") + "/scenario.xml";
        const QByteArray saved = ReadFile(file);
        const std::string before = ScenarioText();
        QVERIFY(!Action("UndoItem")->isEnabled());
        QCOMPARE(Action("UndoItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));

        RunStep1Typing(QStringLiteral("Undone Island"));
        const std::string after = ScenarioText();
        QVERIFY(after.find("Undone Island") != std::string::npos);
        QCOMPARE(Action("UndoItem")->text(), QStringLiteral("&Undo Step 1: Scenario"));
        QVERIFY(!Action("RedoItem")->isEnabled());

        TScriptedPrompts prompts;
        prompts.Ok("Saved").Ok("Saved");
        QVERIFY(Form->SaveFromButton());
        QVERIFY(!Form->Modified());
        // Saving keeps the history.
        Action("UndoItem")->trigger();
        QCOMPARE(ScenarioText(), before);
        QVERIFY(Form->Modified());
        QCOMPARE(Action("RedoItem")->text(), QStringLiteral("&Redo Step 1: Scenario"));
        QVERIFY(!Action("UndoItem")->isEnabled());
        // Saving the undone state writes the files as they were saved before.
        QVERIFY(Form->SaveFromButton());
        QCOMPARE(ReadFile(file), saved);
        Action("RedoItem")->trigger();
        QCOMPARE(ScenarioText(), after);
        QVERIFY(Action("UndoItem")->isEnabled());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    void SessionsWithoutChangesAreNotUndoneAndOpeningClearsTheHistory() {
        MakeForm();
        QVERIFY(OpenAlpha());
        Form->RunStep(2);
        QCOMPARE(EditorRuns, 1);
        QVERIFY(!Form->History().CanUndo());
        StepEditors::Register(3, [](TScenarioData& data, QWidget*) {
            data.PoliticalUnits()->AddNewChild("marker", "edited");
        });
        Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
        Form->RunStepGating();
        Form->RunStep(3);
        QCOMPARE(Action("UndoItem")->text(), QStringLiteral("&Undo Step 3: Political Units"));
        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::No, "Save Changes").Choose("Alpha");
        QVERIFY(Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(!Action("UndoItem")->isEnabled());
        QCOMPARE(Action("UndoItem")->text(), QStringLiteral("&Undo"));
    }

    void SavingKeepsABackupThatCanBeRestoredAndUndone() {
        MakeForm();
        QVERIFY(OpenAlpha());
        const std::string original = ScenarioText();
        RunStep1Typing(QStringLiteral("Saved Island"));
        const std::string edited = ScenarioText();
        TScriptedPrompts prompts;
        prompts.Ok("Saved");
        QVERIFY(Form->SaveFromButton());
        QVERIFY(QDir(ScenarioPath("Alpha") + "/backups").count() > 2);

        prompts.ChooseItem(0, "Restore Backup");
        QVERIFY(Form->RestoreBackup());
        QCOMPARE(ScenarioText(), original);
        QVERIFY(Form->Modified());
        // Nothing is written until the designer saves.
        QVERIFY(ReadFile(ScenarioPath("Alpha") + "/scenario.xml").contains("Saved Island"));
        QVERIFY(Action("UndoItem")->text().startsWith(QStringLiteral("&Undo Restore Backup of ")));
        Form->Undo();
        QCOMPARE(ScenarioText(), edited);
        // Cancelling the list changes nothing.
        prompts.ChooseItem(-1, "Restore Backup");
        QVERIFY(!Form->RestoreBackup());
        QCOMPARE(ScenarioText(), edited);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(prompts.Shown().last().Choices.first().contains(QLatin1Char(':')));
    }

    void BrokenBackupIsRefusedAndUnwritableBackupIsSaidOnce() {
        MakeForm();
        QVERIFY(OpenAlpha());
        const QString backups = ScenarioPath("Alpha") + "/backups";
        QDir(backups).removeRecursively();
        WriteFile(backups, "in the way");
        StepEditors::Register(2, [](TScenarioData& data, QWidget*) {
            data.Issues()->AddNewChild("marker", "edited");
        });
        TScriptedPrompts prompts;
        prompts.Ok("Error").Ok("Saved").Ok("Saved");
        Form->RunStep(2);
        QVERIFY(Form->SaveFromButton());
        Form->RunStep(2);
        QVERIFY(Form->SaveFromButton());
        QVERIFY(ReadFile(ScenarioPath("Alpha") + "/issues.xml").contains("edited"));
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(
            prompts.MessageTexts().first().startsWith(QStringLiteral("No backup could be kept")));

        QFile::remove(backups);
        const QString broken = backups + "/2026-01-01 09-00-00";
        QVERIFY(QDir().mkpath(broken));
        for (const QString& name : TenFiles)
            QVERIFY(QFile::copy(ScenarioPath("Alpha") + "/" + name, broken + "/" + name));
        WriteFile(broken + "/events.xml", "<events>\n<event>\n</events>\n");
        const std::string before = ScenarioText();
        const size_t entries = Form->History().Size();
        prompts.ChooseItem(0, "Restore Backup").Ok("Error");
        QVERIFY(!Form->RestoreBackup());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        const QString error = prompts.MessageTexts().last();
        QVERIFY2(error.contains("events.xml") && error.contains("line 3"), qPrintable(error));
        QCOMPARE(ScenarioText(), before);
        QCOMPARE(Form->History().Size(), entries);
        QVERIFY(Form->History().UndoLabel().starts_with("Step 2"));
    }

    // ---- options -------------------------------------------------------------

    void OptionTogglesAndExitWritesThem() {
        MakeForm(true);
        QVERIFY(Action("AutosaveItem")->isChecked());
        Action("AutosaveItem")->trigger();
        QVERIFY(!Form->Options().Autosave);
        QVERIFY(!Action("AutosaveItem")->isChecked());
        Form->ToggleAutoupdate();
        QVERIFY(!Form->Options().Autoupdate);
        Form->Exit();
        QCOMPARE(ReadFile(Data->Path() + "optionssc.vrx"), QByteArray("0\n0\n"));
    }

    void ClosingTheWindowKeepsTheOptionsToo() {
        MakeForm(true);
        Action("AutosaveItem")->trigger();
        QVERIFY(Form->close());
        QCOMPARE(ReadFile(Data->Path() + "optionssc.vrx"), QByteArray("1\n0\n"));
    }

    void ClosingTheWindowEndsTheProgramWhileTheManualIsOpen() {
        MakeForm();
        Help::SetHelpFolder(GuiTest::ShippedData() + QStringLiteral("help/"));
        bool manualShown = false;
        bool stillRunning = false;
        QTimer::singleShot(0, this, [&] {
            Form->show();
            manualShown = Help::ShowTopic(0)->isVisible();
            Form->close();
        });
        // Only there so a program that keeps running fails instead of hanging.
        QTimer::singleShot(30000, this, [&] {
            stillRunning = true;
            QApplication::quit();
        });
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QApplication::exec();
        QVERIFY(manualShown);
        QVERIFY(!stillRunning);
        QCOMPARE(lastClosed.count(), 1);
        QVERIFY(!Help::Window()->isVisible());
    }

    // ---- other programs ---------------------------------------------------

    // Another program adds an ad named name to Alpha's ads.xml; returns the
    // bytes it wrote.
    QByteArray ChangeAdsOutside(const QByteArray& name) {
        const QString file = ScenarioPath("Alpha") + "/ads.xml";
        QByteArray bytes = ReadFile(file);
        bytes.replace("</ads>", "<ad id=\"977\"><name>" + name + "</name></ad></ads>");
        WriteFile(file, bytes);
        return bytes;
    }

    bool AdsHold(const char* name) const {
        return Form->Scenario()->Document(TScenarioFile::Ads).ToText().find(name) !=
               std::string::npos;
    }

    void SavingOverAnotherProgramsChangeAsksFirst() {
        MakeForm();
        QVERIFY(OpenAlpha());
        Form->RunStep(2);
        const QString folder = ScenarioPath("Alpha");
        const QString question =
            "ads.xml was changed by another program after this scenario was opened. Save anyway "
            "(the other version is kept in backups), Reload from disk, or Cancel?";
        TScriptedPrompts prompts;

        ChangeAdsOutside("Elsewhere One");
        const auto before = Snapshot(folder);
        prompts.Press("Cancel", "Changed on Disk");
        QVERIFY(!Form->SaveFromButton());
        QCOMPARE(Snapshot(folder), before);
        QVERIFY(Form->Modified() && !AdsHold("Elsewhere One"));

        prompts.Press("Reload", "Changed on Disk");
        QVERIFY(!Form->SaveFromButton());
        QVERIFY(AdsHold("Elsewhere One"));
        QCOMPARE(Snapshot(folder), before);
        QCOMPARE(Action("UndoItem")->text(), QStringLiteral("&Undo Reload from Disk"));

        // The other version is kept by the save's own backup, both under
        // the one folder lock.
        Form->RunStep(2);
        const QByteArray other = ChangeAdsOutside("Elsewhere Two");
        struct TCountingLocks : TFileSystem {
            int Opened = 0;
            TFileSystem* Previous = TFileSystem::Install(this);
            ~TCountingLocks() override { TFileSystem::Install(Previous); }
            int OpenLock(const std::string& path, int& fd) override {
                ++Opened;
                return TFileSystem::OpenLock(path, fd);
            }
        } locks;
        prompts.Press("Save Anyway", "Changed on Disk").Ok("Saved");
        QVERIFY(Form->SaveFromButton());
        QCOMPARE(locks.Opened, 1);
        QVERIFY(!ReadFile(folder + "/ads.xml").contains("Elsewhere Two"));
        const QStringList backups =
            QDir(folder + "/backups").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(!backups.isEmpty());
        QCOMPARE(ReadFile(folder + "/backups/" + backups.last() + "/ads.xml"), other);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts(),
                 (QStringList{question, question, question, "Scenario saved."}));

        // With no backups kept, the question does not promise one.
        Form.reset();
        WriteFile(Data->Path() + "optionssc.vrx", "1\n0\nbackups=0\n");
        Form = std::make_unique<TScenarioBuilderForm>(Folders(), false);
        Form->FirstShown();
        QVERIFY(OpenAlpha());
        Form->RunStep(2);
        ChangeAdsOutside("Elsewhere Three");
        TScriptedPrompts unkept;
        unkept.Press("Cancel", "Changed on Disk");
        QVERIFY(!Form->SaveFromButton());
        QVERIFY2(unkept.Done(), qPrintable(unkept.Problems()));
        QVERIFY(unkept.MessageTexts().value(0).contains(
            "Save anyway (the other version is lost: backups are turned off)"));
    }

    // Changes seen on disk: Reload is offered at once while nothing is
    // unsaved; with unsaved changes the status line says so, and an
    // autosave does not go over them.
    void TheWatcherOffersReloadOrSaysWhyNot() {
        MakeForm();
        QVERIFY(OpenAlpha());
        QSignalSpy checked(Form.get(), &TScenarioBuilderForm::DiskChecked);
        TScriptedPrompts prompts;
        prompts.Press("Reload", "Changed on Disk");
        ChangeAdsOutside("Elsewhere One");
        QTRY_VERIFY_WITH_TIMEOUT(prompts.Done(), 10000);
        QVERIFY(AdsHold("Elsewhere One"));
        QCOMPARE(prompts.MessageTexts(),
                 QStringList{"ads.xml was changed by another program after this scenario was "
                             "opened. Reload it from disk?"});

        Form->RunStep(2);
        QTRY_VERIFY(checked.count() > 0);
        checked.clear();
        const QByteArray other = ChangeAdsOutside("Elsewhere Two");
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 10000);
        QVERIFY2(Form->StatusText().startsWith("ads.xml was changed by another program"),
                 qPrintable(Form->StatusText()));
        Form->ToggleAutosave();
        Form->RunStep(2);
        QVERIFY2(Form->StatusText().startsWith("Not saved automatically: ads.xml was changed"),
                 qPrintable(Form->StatusText()));
        QVERIFY(Form->Modified());
        QCOMPARE(ReadFile(ScenarioPath("Alpha") + "/ads.xml"), other);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown().size(), 1);
    }

    void TheEditorsOwnSavesRaiseNoQuestion() {
        MakeForm(true);
        QSignalSpy checked(Form.get(), &TScenarioBuilderForm::DiskChecked);
        TScriptedPrompts prompts;
        // The open, its save at once, the autosave of a step and Save: each
        // is seen by the watcher, and none asks.
        QVERIFY(OpenAlpha());
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 10000);
        checked.clear();
        StepEditors::Register(2, [](TScenarioData& data, QWidget*) {
            data.Issues()->AddNewChild("marker", "edited");
        });
        Form->RunStep(2);
        QVERIFY(!Form->Modified());
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 10000);
        checked.clear();
        prompts.Ok("Saved");
        QVERIFY(Form->SaveFromButton());
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 10000);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown().size(), 1);
        QCOMPARE(Form->StatusText(), QString());
    }

    void AFolderOpenInAnotherEditorAsksFirst() {
        const QString marker = ScenarioPath("Alpha") + "/.stumpcraft-open";
        WriteFile(marker, "user=bob\nhost=elsewhere-7\npid=42\nsince=1765000000\n");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Choose("Alpha").Press("Cancel", "Open Elsewhere");
        QVERIFY(!Form->OpenScenario());
        QVERIFY(!Form->Scenario());
        prompts.Choose("Alpha").Press("Open Anyway", "Open Elsewhere");
        QVERIFY(Form->OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        const QString asked = prompts.MessageTexts().first();
        QVERIFY2(asked.startsWith("\"Alpha\" is open in another editor: bob on elsewhere-7 "
                                  "(process 42) since "),
                 qPrintable(asked));
        // Ours now, and gone when the editor quits.
        QVERIFY(ReadFile(marker).contains("\npid=" +
                                          QByteArray::number(QCoreApplication::applicationPid())));
        Form.reset();
        QVERIFY(!QFile::exists(marker));
    }

    void OptionsFileWithThreeLinesIsRepairedAtStart() {
        WriteFile(Data->Path() + "optionssc.vrx", "0\n0\n0\n");
        Form = std::make_unique<TScenarioBuilderForm>(Folders(), false);
        Form->show();
        QVERIFY(Form->Options().Autosave);
        QCOMPARE(ReadFile(Data->Path() + "optionssc.vrx"), QByteArray("1\n1\n"));
    }
};

QTEST_MAIN(ScenarioBuilderFormTest)
#include "ScenarioBuilderFormTest.moc"
