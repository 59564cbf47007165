// The main window: step gating, the five file operations with their
// questions, the save-changes question and autosave. Every test works on a
// data folder in a temporary folder and answers the prompts from a script.

#include "app/Help.h"
#include "app/StepEditors.h"
#include "app/THelpWindow.h"
#include "app/TScenarioBuilderForm.h"
#include "app/TVerificationMessagesForm.h"
#include "editors/world/TScenarioEditorForm.h"
#include "guisupport/MainWindowSetup.h"
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

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>

using GuiTest::FileBytes;
using GuiTest::TDataFolder;
using GuiTest::WriteBytes;

namespace {

const QString Shipped = QStringLiteral("United States - 2008");
const QString NamePrompt = QStringLiteral("Enter the new name of your scenario.");
const QString LoadSuffix = QStringLiteral(".  Please ensure you are selecting a valid Scenario");

// The bytes of every file of a folder, to prove nothing was written.
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files[name] = FileBytes(folder + QLatin1Char('/') + name);
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

    QString ScenarioPath(const QString& name) const { return Data->Scenarios() + name; }

    // A form whose options are read and whose steps are gated, as after the
    // first showing. Autosave off unless asked for. A start folder, given as
    // on the command line, opens only at the first showing, every step
    // verified. More options lines may follow.
    void MakeForm(bool autosave = false, const QString& start = QString(),
                  const QByteArray& more = {}) {
        WriteBytes(Data->Path() + "optionssc.vrx", (autosave ? "1\n1\n" : "1\n0\n") + more);
        Form = std::make_unique<TScenarioBuilderForm>(GuiTest::FoldersOf(*Data), false);
        if (!start.isEmpty()) {
            Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
            Form->SetStartFolder(start);
            QVERIFY(!Form->Session().Scenario());
        }
        Form->FirstShown();
    }

    bool OpenAlpha() {
        TScriptedPrompts prompts;
        prompts.Choose("Alpha");
        const bool opened = Form->Session().OpenScenario();
        return opened && prompts.Done();
    }

    // A form as MakeForm makes it, with Alpha open.
    bool FormOnAlpha() {
        MakeForm();
        return OpenAlpha();
    }

    QAction* Action(const char* name) const { return Form->findChild<QAction*>(name); }
    QPushButton* Button(const char* name) const { return Form->findChild<QPushButton*>(name); }

    // The lines of the messages window that show shows.
    QStringList MessagesShownBy(const std::function<void()>& show) {
        QStringList lines;
        QTimer::singleShot(0, this, [&] {
            lines = Form->MessagesForm()->Lines();
            Form->MessagesForm()->reject();
        });
        show();
        return lines;
    }

    QList<bool> StepStates() const {
        QList<bool> states;
        for (int step = 1; step <= 8; ++step)
            states << Form->StepButton(step)->isEnabled();
        return states;
    }
    // The first n steps enabled, the others not.
    static QList<bool> FirstSteps(int n) {
        QList<bool> states(8, false);
        std::fill_n(states.begin(), n, true);
        return states;
    }
    // Save and Save As in the menu, and the Save button.
    QList<bool> SaveStates() const {
        return {Action("SaveItem")->isEnabled(), Action("SaveAsItem")->isEnabled(),
                Button("SaveButton")->isEnabled()};
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

    // ---- step gating -----------------------------------------------------

    void NoScenarioDisablesEverythingAndShowsViewErrors() {
        MakeForm();
        QCOMPARE(StepStates() + SaveStates(), QList<bool>(11, false));
        QVERIFY(!Button("ViewErrorsButton")->isHidden());
        QCOMPARE(MessagesShownBy([this] { Button("ViewErrorsButton")->click(); }),
                 QStringList{"No scenario loaded."});
    }

    void GatingFollowsTheFirstFailingFile_data() {
        QTest::addColumn<int>("failing");
        QTest::addColumn<int>("enabledSteps");
        QTest::addColumn<bool>("viewErrors");
        QTest::addColumn<int>("withoutEditor");
        QTest::newRow("scenario settings") << 0 << 1 << true << 0;
        QTest::newRow("parties, a file between") << 4 << 5 << true << 0;
        QTest::newRow("activities") << 7 << 8 << true << 0;
        QTest::newRow("none") << -1 << 8 << false << 0;
        QTest::newRow("a step without an editor stays disabled") << -1 << 8 << false << 3;
    }

    void GatingFollowsTheFirstFailingFile() {
        QFETCH(int, failing);
        QFETCH(int, enabledSteps);
        QFETCH(bool, viewErrors);
        QFETCH(int, withoutEditor);
        if (withoutEditor)
            StepEditors::Register(withoutEditor, {});
        MakeForm();
        Form->SetVerify([failing](TScenarioData*) { return PassedUpTo(failing); });
        QVERIFY(OpenAlpha());
        for (int step = 1; step <= 8; ++step)
            QCOMPARE(Form->StepButton(step)->isEnabled(),
                     step <= enabledSteps && step != withoutEditor);
        QCOMPARE(!Button("ViewErrorsButton")->isHidden(), viewErrors);
        QCOMPARE(SaveStates(), QList<bool>(3, true));
    }

    void MissingScenarioSettingsElementStopsAtStepOne() {
        WriteBytes(ScenarioPath("Alpha") + "/scenario.xml", "<scenario></scenario>");
        QVERIFY(FormOnAlpha());
        QCOMPARE(StepStates(), FirstSteps(1));
        QVERIFY(!Button("ViewErrorsButton")->isHidden());
        QVERIFY(Form->HasProblems());
        const QStringList lines =
            MessagesShownBy([this] { Action("VerifyCampaignItem")->trigger(); });
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.first().contains(" >> "), qPrintable(lines.first()));
    }

    // ---- the file operations as prompt scripts -------------------------------

    // Each row: the operation, with Alpha open first or not; the answers in
    // order ("rm:P" and "put:P=BYTES" change files first, "start:P" is the
    // folder the start operation is given); its result and the
    // caption. Paths: $Name in the scenarios folder, %Name in the data folder,
    // @Name elsewhere. Checks: "ten:P" the ten files are in P,
    // "file:P=BYTES", "exists:P", "gone:P", "same:P" (not written),
    // "rewritten:P" (the file differs from before the operation),
    // "folder:P" the open folder and the first recent one, "msg:TEXT" the
    // last message, "has:TEXT" and "ends:TEXT" of it, "initial:N=TEXT",
    // "text:N=TEXT" and "choices:N=A|B" of prompt N (-1 the last), "steps:N"
    // how many steps are enabled. No
    // scenario is open, and no step or save enabled, when the caption is the
    // program's.
    void FileOperations_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("alphaOpen");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("checks");
        const auto row = [](const char* name, const char* operation, bool alphaOpen,
                            const QStringList& script, bool done, const QString& caption,
                            const QStringList& checks) {
            QTest::newRow(name) << QString::fromLatin1(operation) << alphaOpen << script << done
                                << caption << checks;
        };
        const QString none = QStringLiteral("Stumpcraft for Votaris 2008");
        const QString overwrite = QStringLiteral("This scenario already exists. Overwrite?");
        row("open lists the scenarios and rewrites the files at once", "open", false,
            {"put:$Alpha/relations.xml=<relations></relations>", "choose:Alpha"}, true,
            "Editing: Alpha",
            {"choices:0=Alpha|Second Default|Taken|Target|" + Shipped,
             "rewritten:$Alpha/relations.xml"});
        row("a folder given at start opens after the first showing", "start", false,
            {"start:@Delta"}, true, "Editing: Delta", {"folder:@Delta", "same:@Delta", "steps:8"});
        row("a folder given at start that is no scenario is refused", "start", false,
            {"start:@Empty", "ok:Error"}, false, none, {"ends:" + LoadSuffix});
        row("open cancelled", "open", true, {"cancelchoice"}, false, "Editing: Alpha",
            {"folder:$Alpha"});
        row("open shipped copies under the suggested name", "open", false,
            {"choose:" + Shipped, "ok:Attention", "type:New " + Shipped}, true,
            "Editing: New " + Shipped,
            {"text:1=You have selected a default Quorvane scenario. The program "
             "will copy this default scenario to a new scenario so that you can "
             "edit the new scenario. Please enter a name for your new scenario "
             "in the next box.",
             "initial:2=New " + Shipped, "text:2=" + NamePrompt, "ten:$New " + Shipped,
             "same:$" + Shipped});
        row("open shipped, overwrite no asks again from the name typed", "open", false,
            {"choose:" + Shipped, "ok:Attention", "type:Taken", "no:Overwrite", "cancelinput"},
            false, none, {"msg:" + overwrite, "initial:-1=Taken"});
        row("open shipped refuses another default's name", "open", false,
            {"choose:" + Shipped, "ok:Attention", "type:Second Default", "yes:Overwrite",
             "ok:Attention", "cancelinput"},
            false, none,
            {"msg:This is a default Quorvane scenario. Please select a different "
             "name for your new scenario.",
             "same:$Second Default"});
        row("open shipped, overwrite yes copies onto the folder", "open", false,
            {"choose:" + Shipped, "ok:Attention", "type:Taken", "yes:Overwrite"}, true,
            "Editing: Taken", {"file:$Taken/notes.txt=mine"});
        row("create over a scenario, no asks again", "create", false,
            {"type:Alpha", "no:Overwrite", "cancelinput"}, false, none,
            {"msg:" + overwrite, "initial:-1=Alpha", "exists:$Alpha/alpha.txt"});
        row("create over a scenario, yes deletes it first", "create", false,
            {"type:Alpha", "yes:Overwrite"}, true, "Editing: Alpha",
            {"gone:$Alpha/alpha.txt", "ten:$Alpha"});
        row("create where a file is in the way asks again", "create", false,
            {"type:Blocked", "ok:Error", "cancelinput"}, false, none,
            {"msg:Unable to create scenario structure. Ensure you have rights to "
             "create directories.",
             "initial:-1=Blocked"});
        row("copy refuses the source's name; copied, not saved", "copy", false,
            {"choose:Alpha", "type:Alpha", "ok:Error", "type:Beta"}, true, "Editing: Beta",
            {"initial:1=Alpha", "msg:Cannot overwrite source scenario.  Please enter new name.",
             "file:$Beta/relations.xml=<relations/>"});
        row("copy over a scenario: no, then yes", "copy", false,
            {"choose:Alpha", "type:Taken", "no:Overwrite", "type:Taken", "yes:Overwrite"}, true,
            "Editing: Taken",
            {"file:$Taken/relations.xml=<relations/>", "file:$Taken/notes.txt=mine"});
        row("save as over a scenario: no, then yes; its own files stay", "saveAs", true,
            {"type:Target", "no:Overwrite", "type:Target", "yes:Overwrite"}, true,
            "Editing: Target",
            {"initial:0=", "file:$Target/notes.txt=target only",
             "file:$Target/alpha.txt=from alpha", "folder:$Target"});
        row("save as a new name", "saveAs", true, {"type:Gamma"}, true, "Editing: Gamma",
            {"ten:$Gamma"});
        row("open folder in place writes nothing", "openFolder", false, {"pick:@Delta"}, true,
            "Editing: Delta", {"folder:@Delta", "ten:@Delta", "same:@Delta"});
        row("open folder cancelled", "openFolder", false, {"cancelfolder"}, false, none, {});
        row("open folder of a shipped scenario copies it", "openFolder", false,
            {"pick:$" + Shipped, "ok:Attention", "type:New Copy"}, true, "Editing: New Copy",
            {"folder:$New Copy", "ten:$New Copy"});
        row("save as folder into an empty folder", "saveAsFolder", true, {"pick:@Empty"}, true,
            "Editing: Empty", {"folder:@Empty", "ten:@Empty"});
        row("save as folder refuses a cluttered folder and one inside its own", "saveAsFolder",
            true, {"pick:@Cluttered", "ok:Error", "pick:$Alpha/sub", "ok:Error", "cancelfolder"},
            false, "Editing: Alpha", {"folder:$Alpha"});
        row("save as folder over a scenario asks", "saveAsFolder", true,
            {"pick:$Target", "no:Overwrite", "pick:$Target", "yes:Overwrite"}, true,
            "Editing: Target", {"folder:$Target", "ten:$Target"});
        row("save as folder into its own folder", "saveAsFolder", true, {"pick:$Alpha"}, true,
            "Editing: Alpha", {"folder:$Alpha"});
        row("open an unparsable file writes nothing", "open", true,
            {"put:$Alpha/issues.xml=<issues>\n<issue>\n</issues>", "choose:Alpha", "ok:Error"},
            false, none, {"has:issues.xml", "has:line 3", "ends:" + LoadSuffix, "same:$Alpha"});
        row("create writes the template, its folders and pictures", "create", false, {"type:Fresh"},
            true, "Editing: Fresh",
            {"initial:0=United States - 2008 (Custom)", "ten:$Fresh",
             "exists:$Fresh/party_images/candidates", "exists:$Fresh/region_images",
             "exists:$Fresh/activity_images/rest.bmp", "exists:$Fresh/issue_images/taxes.bmp"});
        row("create without a template", "create", true,
            {"rm:%default.vrx", "type:Fresh", "ok:Error"}, false, none, {"ends:" + LoadSuffix});
        row("open shipped cancelled at the name", "open", true,
            {"choose:" + Shipped, "ok:Attention", "cancelinput"}, false, "Editing: Alpha",
            {"folder:$Alpha", "gone:$New " + Shipped});
        row("create cancelled", "create", true, {"cancelinput"}, false, "Editing: Alpha",
            {"folder:$Alpha"});
        row("copy cancelled at the name", "copy", true, {"choose:Alpha", "cancelinput"}, false,
            "Editing: Alpha", {"folder:$Alpha"});
        row("copy cancelled at the choice", "copy", true, {"cancelchoice"}, false, "Editing: Alpha",
            {"folder:$Alpha"});
        row("save as cancelled", "saveAs", true, {"cancelinput"}, false, "Editing: Alpha",
            {"folder:$Alpha"});
    }

    void FileOperations() {
        QFETCH(QString, operation);
        QFETCH(bool, alphaOpen);
        QFETCH(QStringList, script);
        QFETCH(bool, done);
        QFETCH(QString, caption);
        QFETCH(QStringList, checks);
        QTemporaryDir elsewhere;
        const auto where = [&](const QString& token) {
            return token.startsWith('$')   ? ScenarioPath(token.mid(1))
                   : token.startsWith('%') ? Data->Path() + token.mid(1)
                                           : elsewhere.filePath(token.mid(1));
        };
        for (const char* name : {"Taken", "Target", "Delta"})
            Data->AddScenario(name);
        QVERIFY(QDir().rename(ScenarioPath("Delta"), where("@Delta")));
        for (const char* folder : {"@Empty", "@Cluttered", "$Alpha/sub"})
            QDir().mkpath(where(folder));
        WriteBytes(where("@Cluttered/notes.txt"), "");
        WriteBytes(where("$Taken/notes.txt"), "mine");
        WriteBytes(where("$Target/notes.txt"), "target only");
        WriteBytes(where("$Alpha/alpha.txt"), "from alpha");
        WriteBytes(where("$Alpha/relations.xml"), "<relations/>");
        WriteBytes(where("$Blocked"), "in the way");
        if (operation != "start")
            MakeForm();
        if (alphaOpen)
            QVERIFY(OpenAlpha());
        for (const QString& step : script)
            if (step.startsWith("rm:"))
                QVERIFY(QFile::remove(where(step.mid(3))));
            else if (step.startsWith("put:"))
                WriteBytes(where(step.mid(4).section('=', 0, 0)), step.section('=', 1).toUtf8());
        QMap<QString, QMap<QString, QByteArray>> before;
        for (const QString& check : checks)
            if (check.startsWith("same:"))
                before[check.mid(5)] = Snapshot(where(check.mid(5)));
            else if (check.startsWith("rewritten:"))
                before[check] = {{QString(), FileBytes(where(check.mid(10)))}};
        if (operation == "saveAs")
            Form->StepButton(1)->click(); // saved as although changed
        TScriptedPrompts prompts;
        for (const QString& step : script) {
            const QString value = step.section(':', 1);
            if (step.startsWith("choose:"))
                prompts.Choose(value);
            else if (step == "cancelchoice")
                prompts.CancelChoice();
            else if (step.startsWith("type:"))
                prompts.Type(value);
            else if (step == "cancelinput")
                prompts.CancelInput();
            else if (step.startsWith("pick:"))
                prompts.PickFolder(where(value),
                                   operation == "saveAsFolder" ? "Save As Folder" : "Open Folder");
            else if (step == "cancelfolder")
                prompts.CancelFolder();
            else if (step.startsWith("ok:") || step.startsWith("yes:") || step.startsWith("no:"))
                prompts.Answer(step.startsWith("ok:")    ? TPromptAnswer::Ok
                               : step.startsWith("yes:") ? TPromptAnswer::Yes
                                                         : TPromptAnswer::No,
                               value);
        }
        const QMap<QString, std::function<bool()>> run = {
            {"open", [&] { return Form->Session().OpenScenario(); }},
            {"create", [&] { return Form->Session().CreateNewScenario(); }},
            {"copy", [&] { return Form->Session().CreateFromExisting(); }},
            {"saveAs", [&] { return Form->Session().SaveScenarioAs(); }},
            {"openFolder", [&] { return Form->Session().OpenFolderFromMenu(); }},
            {"saveAsFolder", [&] { return Form->Session().SaveAsFolder(); }},
            {"start", [&] {
                 MakeForm(false, where(script.first().mid(6)));
                 return Form->Session().Scenario() != nullptr;
             }}};
        QCOMPARE(run[operation](), done);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Form->Caption(), caption);
        const bool closed = caption == "Stumpcraft for Votaris 2008";
        QCOMPARE(Form->Session().Scenario() == nullptr, closed);
        if (closed)
            QCOMPARE(StepStates() + SaveStates(), QList<bool>(11, false));
        if (done)
            QVERIFY(!Form->Session().Modified());
        for (const QString& check : checks) {
            const QString kind = check.section(':', 0, 0), value = check.mid(kind.size() + 1);
            const QString key = value.section('=', 0, 0), bytes = value.section('=', 1);
            const QString path = where(key);
            const auto shown = [&] {
                const int n = key.toInt();
                return prompts.Shown().value(n < 0 ? prompts.Shown().size() + n : n);
            };
            if (kind == "ten")
                for (const QString& name : TenFiles)
                    QVERIFY2(QFileInfo::exists(path + "/" + name), qPrintable(check));
            else if (kind == "file")
                QCOMPARE(FileBytes(path), bytes.toUtf8());
            else if (kind == "exists" || kind == "gone")
                QVERIFY2(QFileInfo::exists(path) == (kind == "exists"), qPrintable(check));
            else if (kind == "same")
                QVERIFY2(Snapshot(path) == before[value], qPrintable(check));
            else if (kind == "rewritten")
                QVERIFY2(FileBytes(path) != before[check].value(QString()), qPrintable(check));
            else if (kind == "steps")
                QCOMPARE(StepStates().count(true), value.toInt());
            else if (kind == "choices")
                QCOMPARE(shown().Choices.join('|'), bytes);
            else if (kind == "folder") {
                QCOMPARE(QString::fromStdString(Form->Session().Scenario()->Folder()), path + "/");
                QCOMPARE(Form->Session().Recent().Folders().first(), path);
            } else if (kind == "msg")
                QCOMPARE(prompts.MessageTexts().last(), value);
            else if (kind == "has" || kind == "ends")
                QVERIFY2(kind == "has" ? prompts.MessageTexts().last().contains(value)
                                       : prompts.MessageTexts().last().endsWith(value),
                         qPrintable(prompts.MessageTexts().last()));
            else if (kind == "initial")
                QCOMPARE(shown().Initial, bytes);
            else if (kind == "text")
                QCOMPARE(shown().Text, bytes);
            else
                QFAIL(qPrintable("unknown check " + check));
        }
    }

    // Which names are refused is the core's; each naming operation asks
    // again after one, with a different one each.
    void BadScenarioNamesAreRefusedAndAskedAgain() {
        MakeForm();
        const QStringList before = QDir(Data->Scenarios()).entryList(QDir::AllEntries);
        const QStringList parent = QDir(Data->Path()).entryList(QDir::AllEntries);
        TScriptedPrompts prompts;
        prompts.Choose(Shipped).Ok("Attention").Type("../Escaped").Ok("Error").CancelInput();
        QVERIFY(!Form->Session().OpenScenario());
        prompts.Type("..").Ok("Error").CancelInput();
        QVERIFY(!Form->Session().CreateNewScenario());
        prompts.Choose("Alpha").Type("a\\b").Ok("Error").CancelInput();
        QVERIFY(!Form->Session().CreateFromExisting());
        QVERIFY(OpenAlpha());
        prompts.Type("").Ok("Error").CancelInput();
        QVERIFY(!Form->Session().SaveScenarioAs());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(QDir(Data->Scenarios()).entryList(QDir::AllEntries), before);
        QCOMPARE(QDir(Data->Path()).entryList(QDir::AllEntries), parent);
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Alpha"));
    }

    // ---- folders anywhere: Open Folder, Save As Folder, Open Recent ----------

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
        QCOMPARE(Form->Session().Recent().Folders(), (QStringList{ScenarioPath("Alpha"), delta}));
        const QList<QAction*> items = Form->RecentMenu()->actions();
        QCOMPARE(items[0]->text(), QStringLiteral("&1 Alpha"));
        QCOMPARE(items[1]->text(), QStringLiteral("&2 Delta"));
        QCOMPARE(items[1]->toolTip(), delta);
        auto* list = Form->findChild<QListWidget*>("RecentListBox");
        QCOMPARE(list->item(1)->toolTip(), delta);

        // A folder that is gone is said and dropped; the open one stays.
        QVERIFY(QDir(delta).removeRecursively());
        prompts.Ok("Open Recent");
        QVERIFY(!Form->Session().OpenRecent(delta));
        QCOMPARE(Form->Session().Recent().Folders(), QStringList{ScenarioPath("Alpha")});
        QCOMPARE(list->count(), 1);
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: Alpha"));
        // One still there asks about the changes first.
        Form->StepButton(1)->click();
        prompts.Answer(TPromptAnswer::Cancel, "Save Changes");
        QVERIFY(!Form->Session().OpenRecent(ScenarioPath("Alpha")));
        QVERIFY(Form->Session().Modified());
        Form->findChild<QAction*>("ClearRecentItem")->trigger();
        QVERIFY(Form->Session().Recent().Folders().isEmpty());
        QCOMPARE(list->count(), 0);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));

        // The sample is opened the way Open opens a shipped scenario.
        MakeForm();
        prompts.Ok("Attention").Type("New Sample", "Scenario Name");
        Button("OpenSampleButton")->click();
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Form->Caption(), QStringLiteral("Editing: New Sample"));
    }

    // ---- Save and Save As -------------------------------------------------

    void SaveFromMenuAsksFirst() {
        QVERIFY(FormOnAlpha());
        const QString file = ScenarioPath("Alpha") + "/ads.xml";
        WriteBytes(file, "<ads/>");
        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::No, "Save");
        QVERIFY(!Form->Session().SaveFromMenu());
        QCOMPARE(FileBytes(file), QByteArray("<ads/>"));
        // The file changed behind the editor's back, which Save asks about.
        prompts.Answer(TPromptAnswer::Yes, "Save").Press("Save Anyway").Ok("Saved");
        QVERIFY(Form->Session().SaveFromMenu());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        const QStringList texts = prompts.MessageTexts();
        QCOMPARE(texts.size(), 4);
        QCOMPARE(texts.mid(0, 2), QStringList(2, "Are you sure you wish to save?"));
        QCOMPARE(texts.last(), QStringLiteral("Scenario saved."));
        QVERIFY(FileBytes(file) != QByteArray("<ads/>"));
    }

    void FailedSaveNamesTheFileAndKeepsModified() {
        QVERIFY(FormOnAlpha());
        Form->StepButton(2)->click();
        QVERIFY(Form->Session().Modified());
        QVERIFY(QDir(ScenarioPath("Alpha")).removeRecursively());
        TScriptedPrompts prompts;
        prompts.Ok("Error");
        QVERIFY(!Form->Session().SaveFromButton());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY2(prompts.MessageTexts().first().contains(".xml"),
                 qPrintable(prompts.MessageTexts().first()));
        QVERIFY(Form->Session().Modified());
        // Closing still asks, and a failed save keeps the window open.
        prompts.Answer(TPromptAnswer::Yes, "Save Changes").Ok("Error");
        QVERIFY(!Form->close());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    // While another program saves the folder, a save and an open say so in
    // its one sentence, and the scenario stays changed.
    void ABusyFolderIsSaidInOneSentence() {
        QVERIFY(FormOnAlpha());
        Form->StepButton(2)->click();
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
            QVERIFY(!Form->Session().SaveFromButton());
            QVERIFY(Form->Session().Modified());
            prompts.Answer(TPromptAnswer::No, "Save Changes").Choose("Alpha").Ok("Error");
            QVERIFY(!Form->Session().OpenScenario());
        }
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts(),
                 QStringList({busy, "Would you like to save changes?", busy}));
    }

    void SaveAndSaveAsGateTheStepsAgain() {
        MakeForm();
        Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
        QVERIFY(OpenAlpha());
        QCOMPARE(StepStates(), QList<bool>(8, true));
        Form->StepButton(1)->click();
        QVERIFY(Form->Session().Modified());
        int runs = 0;
        Form->SetVerify([&runs](TScenarioData*) {
            ++runs;
            return PassedUpTo(2);
        });
        // The button saves without asking first.
        TScriptedPrompts prompts;
        prompts.Ok("Saved");
        QTest::mouseClick(Button("SaveButton"), Qt::LeftButton);
        QVERIFY(!Form->Session().Modified());
        QCOMPARE(runs, 1);
        QCOMPARE(StepStates(), FirstSteps(3));

        Form->SetVerify([&runs](TScenarioData*) {
            ++runs;
            return PassedUpTo(0);
        });
        prompts.Type("Gamma");
        QVERIFY(Form->Session().SaveScenarioAs());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(runs, 2);
        QCOMPARE(StepStates(), FirstSteps(1));
    }

    // ---- steps, save-changes question, autosave -----------------------------

    // The save-changes question: Cancel stops, Yes saves first, No goes on.
    void ClosingAnEditorMarksModifiedAndTheQuestionDecides() {
        QVERIFY(FormOnAlpha());
        QVERIFY(!Form->Session().Modified());
        TScriptedPrompts prompts;
        QTest::mouseClick(Form->StepButton(1), Qt::LeftButton);
        QCOMPARE(EditorRuns, 1);
        QVERIFY(Form->Session().Modified());
        QVERIFY(Form->isWindowModified());
        QVERIFY(prompts.Shown().isEmpty());
        prompts.Answer(TPromptAnswer::Cancel, "Save Changes");
        QVERIFY(!Form->close());
        QCOMPARE(prompts.MessageTexts().last(), QStringLiteral("Would you like to save changes?"));
        // Before an operation's selection dialog too.
        prompts.Answer(TPromptAnswer::Cancel, "Save Changes");
        QVERIFY(!Form->Session().CreateNewScenario());
        StepEditors::Register(1, [](TScenarioData& data, QWidget*) {
            data.Relations()->AddNewChild("marker", "edited");
        });
        Form->StepButton(1)->click();
        prompts.Answer(TPromptAnswer::Yes, "Save Changes").Ok("Saved").Choose("Alpha");
        QVERIFY(Form->Session().OpenScenario());
        QVERIFY(FileBytes(ScenarioPath("Alpha") + "/relations.xml").contains("edited"));
        Form->StepButton(1)->click();
        prompts.Answer(TPromptAnswer::No, "Save Changes");
        QVERIFY(Form->close());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    void EditorErrorIsShownAndGatingRuns() {
        QVERIFY(FormOnAlpha());
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
        Form->StepButton(1)->click();
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
        Form->StepButton(1)->click();
    }

    std::string ScenarioText() const {
        return Form->Session().Scenario()->Document(TScenarioFile::Scenario).ToText();
    }

    void UndoAndRedoAWholeStepSession() {
        QVERIFY(FormOnAlpha());
        const QString file = ScenarioPath("Alpha") + "/scenario.xml";
        const QByteArray saved = FileBytes(file);
        const std::string before = ScenarioText();
        QVERIFY(!Action("UndoItem")->isEnabled());

        RunStep1Typing(QStringLiteral("Undone Island"));
        const std::string after = ScenarioText();
        QVERIFY(after.find("Undone Island") != std::string::npos);
        QCOMPARE(Action("UndoItem")->text(), QStringLiteral("&Undo Step 1: Scenario"));
        QVERIFY(!Action("RedoItem")->isEnabled());

        TScriptedPrompts prompts;
        prompts.Ok("Saved").Ok("Saved");
        QVERIFY(Form->Session().SaveFromButton());
        QVERIFY(!Form->Session().Modified());
        // Saving keeps the history.
        Action("UndoItem")->trigger();
        QCOMPARE(ScenarioText(), before);
        QVERIFY(Form->Session().Modified());
        QCOMPARE(Action("RedoItem")->text(), QStringLiteral("&Redo Step 1: Scenario"));
        QVERIFY(!Action("UndoItem")->isEnabled());
        // Saving the undone state writes the files as they were saved before.
        QVERIFY(Form->Session().SaveFromButton());
        QCOMPARE(FileBytes(file), saved);
        Action("RedoItem")->trigger();
        QCOMPARE(ScenarioText(), after);
        QVERIFY(Action("UndoItem")->isEnabled());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    void SessionsWithoutChangesAreNotUndoneAndOpeningClearsTheHistory() {
        QVERIFY(FormOnAlpha());
        Form->StepButton(2)->click();
        QCOMPARE(EditorRuns, 1);
        QVERIFY(!Form->Session().History().CanUndo());
        StepEditors::Register(3, [](TScenarioData& data, QWidget*) {
            data.PoliticalUnits()->AddNewChild("marker", "edited");
        });
        Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
        Form->RunStepGating();
        Form->StepButton(3)->click();
        QCOMPARE(Action("UndoItem")->text(), QStringLiteral("&Undo Step 3: Political Units"));
        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::No, "Save Changes").Choose("Alpha");
        QVERIFY(Form->Session().OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(!Action("UndoItem")->isEnabled());
        QCOMPARE(Action("UndoItem")->text(), QStringLiteral("&Undo"));
    }

    void SavingKeepsABackupThatCanBeRestoredAndUndone() {
        QVERIFY(FormOnAlpha());
        const std::string original = ScenarioText();
        RunStep1Typing(QStringLiteral("Saved Island"));
        const std::string edited = ScenarioText();
        TScriptedPrompts prompts;
        prompts.Ok("Saved");
        QVERIFY(Form->Session().SaveFromButton());

        prompts.ChooseItem(0, "Restore Backup");
        QVERIFY(Form->Session().RestoreBackup());
        QCOMPARE(ScenarioText(), original);
        QVERIFY(Form->Session().Modified());
        // Nothing is written until the designer saves.
        QVERIFY(FileBytes(ScenarioPath("Alpha") + "/scenario.xml").contains("Saved Island"));
        QVERIFY(Action("UndoItem")->text().startsWith(QStringLiteral("&Undo Restore Backup of ")));
        Form->Session().Undo();
        QCOMPARE(ScenarioText(), edited);
        // Cancelling the list changes nothing.
        prompts.ChooseItem(-1, "Restore Backup");
        QVERIFY(!Form->Session().RestoreBackup());
        QCOMPARE(ScenarioText(), edited);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(prompts.Shown().last().Choices.first().contains(QLatin1Char(':')));
    }

    void BrokenBackupIsRefusedAndUnwritableBackupIsSaidOnce() {
        QVERIFY(FormOnAlpha());
        const QString backups = ScenarioPath("Alpha") + "/backups";
        QDir(backups).removeRecursively();
        WriteBytes(backups, "in the way");
        StepEditors::Register(2, [](TScenarioData& data, QWidget*) {
            data.Issues()->AddNewChild("marker", "edited");
        });
        TScriptedPrompts prompts;
        prompts.Ok("Error").Ok("Saved").Ok("Saved");
        Form->StepButton(2)->click();
        QVERIFY(Form->Session().SaveFromButton());
        Form->StepButton(2)->click();
        QVERIFY(Form->Session().SaveFromButton());
        QVERIFY(FileBytes(ScenarioPath("Alpha") + "/issues.xml").contains("edited"));
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(
            prompts.MessageTexts().first().startsWith(QStringLiteral("No backup could be kept")));

        QFile::remove(backups);
        const QString broken = backups + "/2026-01-01 09-00-00";
        QVERIFY(QDir().mkpath(broken));
        for (const QString& name : TenFiles)
            QVERIFY(QFile::copy(ScenarioPath("Alpha") + "/" + name, broken + "/" + name));
        // Documents kept, file and line said: ScenarioBackupsTest.BrokenBackupIsRefused...
        WriteBytes(broken + "/events.xml", "<events>\n<event>\n</events>\n");
        const size_t entries = Form->Session().History().Size();
        prompts.ChooseItem(0, "Restore Backup").Ok("Error");
        QVERIFY(!Form->Session().RestoreBackup());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(prompts.MessageTexts().last().contains("events.xml"));
        QCOMPARE(Form->Session().History().Size(), entries);
        QVERIFY(Form->Session().History().UndoLabel().starts_with("Step 2"));
    }

    // ---- options -------------------------------------------------------------

    void OptionTogglesAndExitOrCloseWritesThem_data() {
        QTest::addColumn<bool>("exit");
        QTest::newRow("exit") << true;
        QTest::newRow("closing the window") << false;
    }

    void OptionTogglesAndExitOrCloseWritesThem() {
        QFETCH(bool, exit);
        MakeForm(true);
        QVERIFY(Action("AutosaveItem")->isChecked());
        Action("AutosaveItem")->trigger();
        QVERIFY(!Form->Options().Autosave);
        QVERIFY(!Action("AutosaveItem")->isChecked());
        Action("AutoupdateItem")->trigger();
        QVERIFY(!Form->Options().Autoupdate);
        if (exit)
            Action("ExitItem")->trigger();
        else
            QVERIFY(Form->close());
        QCOMPARE(FileBytes(Data->Path() + "optionssc.vrx"), QByteArray("0\n0\n"));
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
        QByteArray bytes = FileBytes(file);
        bytes.replace("</ads>", "<ad id=\"977\"><name>" + name + "</name></ad></ads>");
        WriteBytes(file, bytes);
        return bytes;
    }

    bool AdsHold(const char* name) const {
        return Form->Session().Scenario()->Document(TScenarioFile::Ads).ToText().find(name) !=
               std::string::npos;
    }

    void SavingOverAnotherProgramsChangeAsksFirst() {
        QVERIFY(FormOnAlpha());
        Form->StepButton(2)->click();
        const QString folder = ScenarioPath("Alpha");
        const QString question =
            "ads.xml was changed by another program after this scenario was opened. Save anyway "
            "(the other version is kept in backups), Reload from disk, or Cancel?";
        TScriptedPrompts prompts;

        ChangeAdsOutside("Elsewhere One");
        const auto before = Snapshot(folder);
        prompts.Press("Cancel", "Changed on Disk");
        QVERIFY(!Form->Session().SaveFromButton());
        QCOMPARE(Snapshot(folder), before);
        QVERIFY(Form->Session().Modified() && !AdsHold("Elsewhere One"));

        prompts.Press("Reload", "Changed on Disk");
        QVERIFY(!Form->Session().SaveFromButton());
        QVERIFY(AdsHold("Elsewhere One"));
        QCOMPARE(Snapshot(folder), before);
        QCOMPARE(Action("UndoItem")->text(), QStringLiteral("&Undo Reload from Disk"));

        // The other version is kept by the save's own backup, both under
        // the one folder lock.
        Form->StepButton(2)->click();
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
        QVERIFY(Form->Session().SaveFromButton());
        QCOMPARE(locks.Opened, 1);
        QVERIFY(!FileBytes(folder + "/ads.xml").contains("Elsewhere Two"));
        const QStringList backups =
            QDir(folder + "/backups").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(!backups.isEmpty());
        QCOMPARE(FileBytes(folder + "/backups/" + backups.last() + "/ads.xml"), other);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts(),
                 (QStringList{question, question, question, "Scenario saved."}));

        // With no backups kept, the question does not promise one.
        Form.reset();
        MakeForm(false, {}, "backups=0\n");
        QVERIFY(OpenAlpha());
        Form->StepButton(2)->click();
        ChangeAdsOutside("Elsewhere Three");
        TScriptedPrompts unkept;
        unkept.Press("Cancel", "Changed on Disk");
        QVERIFY(!Form->Session().SaveFromButton());
        QVERIFY2(unkept.Done(), qPrintable(unkept.Problems()));
        QVERIFY(unkept.MessageTexts().value(0).contains(
            "Save anyway (the other version is lost: backups are turned off)"));
    }

    // Changes seen on disk: Reload is offered at once while nothing is
    // unsaved; with unsaved changes the status line says so, and an
    // autosave does not go over them.
    void TheWatcherOffersReloadOrSaysWhyNot() {
        QVERIFY(FormOnAlpha());
        QSignalSpy checked(Form.get(), &TScenarioBuilderForm::DiskChecked);
        TScriptedPrompts prompts;
        prompts.Press("Reload", "Changed on Disk");
        ChangeAdsOutside("Elsewhere One");
        QTRY_VERIFY_WITH_TIMEOUT(prompts.Done(), 10000);
        QVERIFY(AdsHold("Elsewhere One"));
        QCOMPARE(prompts.MessageTexts(),
                 QStringList{"ads.xml was changed by another program after this scenario was "
                             "opened. Reload it from disk?"});

        Form->StepButton(2)->click();
        QTRY_VERIFY(checked.count() > 0);
        checked.clear();
        const QByteArray other = ChangeAdsOutside("Elsewhere Two");
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 10000);
        QVERIFY2(Form->StatusText().startsWith("ads.xml was changed by another program"),
                 qPrintable(Form->StatusText()));
        Action("AutosaveItem")->trigger();
        Form->StepButton(2)->click();
        QVERIFY2(Form->StatusText().startsWith("Not saved automatically: ads.xml was changed"),
                 qPrintable(Form->StatusText()));
        QVERIFY(Form->Session().Modified());
        QCOMPARE(FileBytes(ScenarioPath("Alpha") + "/ads.xml"), other);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown().size(), 1);
    }

    void AutosaveAndTheEditorsOwnSavesRaiseNoQuestion() {
        MakeForm(true);
        QVERIFY(Form->Options().Autosave);
        QSignalSpy checked(Form.get(), &TScenarioBuilderForm::DiskChecked);
        TScriptedPrompts prompts;
        // The open, its save at once, the autosave of a step and Save: each
        // is seen by the watcher, and none asks.
        QVERIFY(OpenAlpha());
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 10000);
        checked.clear();
        StepEditors::Register(4, [](TScenarioData& data, QWidget*) {
            data.Ads()->AddNewChild("marker", "autosaved");
        });
        Form->SetVerify([](TScenarioData*) { return PassedUpTo(-1); });
        Form->RunStepGating();
        QTest::mouseClick(Form->StepButton(4), Qt::LeftButton);
        QVERIFY(!Form->Session().Modified());
        QVERIFY(FileBytes(ScenarioPath("Alpha") + "/ads.xml").contains("autosaved"));
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 10000);
        checked.clear();
        prompts.Ok("Saved");
        QVERIFY(Form->Session().SaveFromButton());
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 10000);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.Shown().size(), 1);
        QCOMPARE(Form->StatusText(), QString());
        // Nothing to ask when closing.
        QVERIFY(Form->close());
    }

    void AFolderOpenInAnotherEditorAsksFirst() {
        const QString marker = ScenarioPath("Alpha") + "/.stumpcraft-open";
        WriteBytes(marker, "user=bob\nhost=elsewhere-7\npid=42\nsince=1765000000\n");
        MakeForm();
        TScriptedPrompts prompts;
        prompts.Choose("Alpha").Press("Cancel", "Open Elsewhere");
        QVERIFY(!Form->Session().OpenScenario());
        QVERIFY(!Form->Session().Scenario());
        prompts.Choose("Alpha").Press("Open Anyway", "Open Elsewhere");
        QVERIFY(Form->Session().OpenScenario());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        const QString asked = prompts.MessageTexts().first();
        QVERIFY2(asked.startsWith("\"Alpha\" is open in another editor: bob on elsewhere-7 "
                                  "(process 42) since "),
                 qPrintable(asked));
        // Ours now, and gone when the editor quits.
        QVERIFY(FileBytes(marker).contains("\npid=" +
                                           QByteArray::number(QCoreApplication::applicationPid())));
        Form.reset();
        QVERIFY(!QFile::exists(marker));
    }
};

QTEST_MAIN(ScenarioBuilderFormTest)
#include "ScenarioBuilderFormTest.moc"
