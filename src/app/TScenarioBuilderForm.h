#pragma once

#include "app/AppFolders.h"
#include "app/Options.h"
#include "app/RecentScenarios.h"
#include "scenario/ScenarioHistory.h"
#include "scenario/TScenarioDiskState.h"
#include "scenario/verify/VerificationRun.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QFileSystemWatcher;
class QMenu;
class QPushButton;
class QTimer;
class TStartPanel;
class TFindInScenarioForm;
class TScenarioData;
class TVerificationMessagesForm;
class TXmlNode;
struct TElementTarget;

namespace Ui {
class TScenarioBuilderForm;
}

// The main window: holds the open scenario, runs the file operations, opens
// the step editors and enables each step only when the files of the steps
// before it verify.
class TScenarioBuilderForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* ProductTitle = "Stumpcraft for Votaris 2008";
    static constexpr const char* OverwriteQuestion = "This scenario already exists. Overwrite?";

    TScenarioBuilderForm(const TAppFolders& folders, bool showSplash, QWidget* parent = nullptr);
    ~TScenarioBuilderForm() override;

    const TAppFolders& Folders() const { return Folders_; }
    TScenarioData* Scenario() const { return Data_.get(); }
    // The open scenario's folder name; empty when none is open.
    QString ScenarioName() const { return ScenarioName_; }
    bool Modified() const { return Modified_; }
    bool HasProblems() const { return HasProblems_; }
    const TOptions& Options() const { return Options_; }
    // The caption without the modified mark.
    QString Caption() const;
    QPushButton* StepButton(int step) const;
    TVerificationMessagesForm* MessagesForm() const { return MessagesForm_; }

    // What runs on first showing: the options are read, modified is
    // cleared and the steps are gated. Runs once.
    void FirstShown();

    // The file operations. Each returns true when it changed or saved the
    // scenario, false when it was cancelled or failed.
    bool OpenScenario();
    bool CreateNewScenario();
    bool CreateFromExisting();
    bool SaveFromMenu();
    bool SaveFromButton();
    bool SaveScenarioAs();
    // Opens a scenario of the scenarios folder as it is, without questions
    // and without saving; false (error shown, nothing open) when it fails.
    bool OpenByName(const QString& name);
    // The same for a scenario folder anywhere (the one named on the command
    // line), under its folder name.
    bool OpenFolder(const QString& folder);
    // A scenario folder to open once the window has first shown.
    void SetStartFolder(const QString& folder) { StartFolder_ = folder; }
    // File > Open Folder...: a scenario folder anywhere, chosen in a folder
    // dialog and opened in place after the save-changes question.
    bool OpenFolderFromMenu();
    // File > Save As Folder...: writes the scenario into a chosen folder (a
    // new one, or a scenario to overwrite) and goes on editing it there.
    bool SaveAsFolder();
    // File > Open Recent: one of the recent folders after the save-changes
    // question; a folder that is gone is removed from the list with a message.
    bool OpenRecent(const QString& folder);
    void ClearRecent();
    const TRecentScenarios& Recent() const { return Recent_; }
    QMenu* RecentMenu() const { return RecentMenu_; }
    TStartPanel* StartPanel() const { return StartPanel_; }
    // The start panel's first way in: Open of the first shipped scenario.
    bool OpenSample();
    // A folder handed over by a later start of the program (empty: none).
    // Raises the window; the folder opens after the save-changes question
    // once no modal window is open over the main window.
    void TakeHandOver(const QString& folder);
    // The save-changes question; false when the user cancelled (or the
    // save the user asked for failed).
    bool SaveChangesQuestion();

    // Opens the editor of step 1 to 8, then gates, marks modified and
    // autosaves when autosave is on. A session that changed the documents
    // or pictures can be undone as a whole.
    void RunStep(int step);
    // The same, opened at target: its items selected, the window that shows
    // it open and its field focused.
    void RunStepAt(const TElementTarget& target);
    // Opens the editor at the item of one of the last run's messages. A
    // message of a locked step, or one whose element is gone, says so.
    void OpenMessage(int index);
    // Applies the quick fix a message offers, as one undoable change, and
    // verifies again; false when nothing changed.
    bool FixMessage(int index);
    // Edit > Undo and Redo: the scenario as before or after the last change
    // (a step session, a restored backup); marks modified and gates.
    void Undo();
    void Redo();
    const TScenarioHistory& History() const { return History_; }
    // Edit > Find in Scenario...: finds a text anywhere in the open scenario;
    // a place found opens its editor there.
    void FindInScenario();
    TFindInScenarioForm* FindForm() const { return FindForm_; }
    // File > Restore Backup...: picks one of the backups kept by saves and
    // installs its documents as an undoable change, not saved yet.
    bool RestoreBackup();
    // "Step 3: Political Units", from the step's button.
    QString StepLabel(int step) const;
    void RunStepGating();
    void VerifyCampaign();
    // Tools > Campaign Timeline and Tools > Starting Race Map, shown
    // modally; editors opened from the timeline open over it.
    void ShowCampaignTimeline();
    void ShowStartingRace();
    // Opens the editor at element and its field, as for a message.
    void OpenElement(TXmlNode* element, const QString& field = {});
    void ViewErrors();
    void ToggleAutoupdate();
    void ToggleAutosave();
    // Writes the options and closes the window (which asks the question).
    void Exit();

    // The status line's message, empty when none.
    QString StatusText() const;

    // Tests replace the verification run (null restores the real one).
    using TVerify = std::function<TVerificationRunResult(TScenarioData*)>;
    void SetVerify(TVerify verify);

signals:
    // The open files were looked at after the watcher saw them change.
    void DiskChecked();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A save the user asked for may ask about files changed on disk; an
    // automatic one never asks and is skipped then.
    enum class TSaveWay { Asked, Automatic };
    bool SaveQuietly(TSaveWay way = TSaveWay::Asked);
    // Whether the save may go on over files another program changed since
    // they were read or saved: asks (Save Anyway, Reload, Cancel), or, for
    // an automatic save, says so in the status line.
    bool MaySaveOverDisk(TSaveWay way);
    // Reload from disk: the files as they are now, as one undoable change.
    bool ReloadFromDisk();
    // After the watcher saw a file change: offers Reload while nothing is
    // unsaved, else says so in the status line.
    void CheckDisk();
    // Watches the open scenario's folder and files; renew watches them
    // all again, else only those not watched yet are added.
    void WatchFiles(bool renew = false);
    // After a load, reload or save: what the disk holds is ours.
    void NoteDisk();
    // Whether the folder may be opened here when another editor has it open.
    bool MayOpenBesideOthers(const QString& folder, const QString& name);
    // Leaves the open-elsewhere file in the open scenario's folder, or
    // removes it when none is open.
    void MarkOpenFolder();
    // Save As into folder, whose copy of the pictures is already there; the
    // scenario goes on there under name.
    bool SaveInto(const QString& folder, const QString& name);
    // Replaces the open scenario by one loaded from the scenarios folder
    // name; false (with the error shown and no scenario open) when loading
    // fails.
    bool LoadScenario(const QString& name);
    bool LoadFolder(const QString& folder, const QString& name);
    // CopyFolder, with progress shown.
    void CopyScenario(const std::string& from, const std::string& to);
    void CloseScenario();
    void SetModified(bool modified);
    void UpdateCaption();
    QStringList ScenarioFolderNames() const;
    bool IsDefaultScenario(const QString& name) const;
    bool ScenarioExists(const QString& name) const;
    // Asks for a name until one that can be a folder name is given; empty
    // when the box is cancelled.
    std::optional<QString> AskName(const QString& initial);
    void ShowLoadError(const std::exception& error);
    void ShowSaveError(const std::exception& error);
    // Saves into folder after keeping the files there as a backup; a backup
    // that fails is said once and never stops the save. Throws as the save.
    void SaveWithBackup(const std::string& folder);
    // A snapshot of the open scenario; empty (said once) when a picture
    // cannot be read, so the change goes on without undo.
    std::optional<TScenarioSnapshot> TakeSnapshot(const TScenarioSnapshot* previous = nullptr);
    // Records the change from before to the scenario now, named label.
    // False only when the scenario is known to be as it was before.
    bool RecordChange(const QString& label, std::optional<TScenarioSnapshot> before);
    // After a load or save: what the history and the next backup start from.
    void NoteOpened();
    void NoteSaved();
    void UndoOrRedo(bool undo);
    void RunStepEditor(int step, const TElementTarget* target);
    // RunStepAt, or says why the target cannot be opened.
    void OpenTarget(const TElementTarget& target);
    void UpdateUndoItems();
    // The items beside the specified menu: folders anywhere, the recent
    // list, second shortcuts, the start panel.
    void SetUpDesktopItems();
    void UpdateDesktopItems();
    void UpdateRecentItems();
    void RememberRecent();
    // Open after the scenario named was chosen (a shipped one is copied).
    bool OpenListed(const QString& name);
    // A folder anywhere; one of the shipped scenarios goes the way of Open.
    bool OpenChosenFolder(const QString& folder);
    std::optional<QString> ChooseTargetFolder();
    void ProcessHandOvers();

    Ui::TScenarioBuilderForm* ui;
    TAppFolders Folders_;
    bool ShowSplash_;
    bool FirstShownDone_ = false;
    QString StartFolder_;
    std::unique_ptr<TScenarioData> Data_;
    QString ScenarioName_;
    TOptions Options_;
    bool Modified_ = false;
    bool HasProblems_ = true;
    std::array<QPushButton*, 8> StepButtons_{};
    TVerificationMessagesForm* MessagesForm_;
    TFindInScenarioForm* FindForm_ = nullptr;
    TVerify Verify_;
    TScenarioHistory History_;
    TScenarioDiskState DiskState_;
    QFileSystemWatcher* Watcher_ = nullptr;
    QTimer* DiskCheckTimer_ = nullptr;
    // The designer kept this version over one changed on disk: not asked
    // again until the next load or save.
    bool ReloadDeclined_ = false;
    std::string MarkedFolder_;
    bool SnapshotProblemShown_ = false;
    bool BackupProblemShown_ = false;
    TRecentScenarios Recent_;
    QAction* OpenFolderItem_ = nullptr;
    QAction* SaveAsFolderItem_ = nullptr;
    QMenu* RecentMenu_ = nullptr;
    TStartPanel* StartPanel_ = nullptr;
    QStringList HandOvers_;
    QTimer* HandOverTimer_ = nullptr;
    bool HandingOver_ = false;
};
