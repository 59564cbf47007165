#pragma once

#include "app/AppFolders.h"
#include "app/Options.h"
#include "app/RecentScenarios.h"
#include "scenario/ScenarioHistory.h"
#include "scenario/TScenarioDiskState.h"

#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QFileSystemWatcher;
class QTimer;
class QWidget;
class TScenarioData;

// The open scenario and what happens to its files: the file operations with
// their questions, saves that keep backups, the undo history, the watch on
// files other programs change and the mark that tells other editors the
// folder is open. It asks through the prompts and tells its window through
// the hooks; it owns no widget, so the window keeps only menus, steps and
// gating.
class TScenarioSession {
public:
    static constexpr const char* OverwriteQuestion = "This scenario already exists. Overwrite?";

    // What the window does when the session changed.
    struct THooks {
        // Verify again and enable the steps.
        std::function<void()> Gate;
        // The name, the modified mark or the history changed.
        std::function<void()> Changed;
        std::function<void()> RecentChanged;
        std::function<void(const QString&)> Status;
        // The open files were looked at after the watch saw them change.
        std::function<void()> DiskChecked;
    };

    // owner is the window progress shows over; options are read at each save.
    TScenarioSession(const TAppFolders& folders, const TOptions& options, QWidget* owner,
                     THooks hooks);
    ~TScenarioSession();
    TScenarioSession(const TScenarioSession&) = delete;
    TScenarioSession& operator=(const TScenarioSession&) = delete;

    TScenarioData* Scenario() const { return Data_.get(); }
    bool IsOpen() const;
    // The open scenario's folder name; empty when none is open.
    QString Name() const { return Name_; }
    bool Modified() const { return Modified_; }
    void SetModified(bool modified);
    const TScenarioHistory& History() const { return History_; }
    const TRecentScenarios& Recent() const { return Recent_; }

    // The file operations. Each returns true when it changed or saved the
    // scenario, false when it was cancelled or failed, and gates the steps.
    bool OpenScenario();
    bool CreateNewScenario();
    bool CreateFromExisting();
    bool SaveFromMenu();
    bool SaveFromButton();
    bool SaveScenarioAs();
    // Opens a scenario of the scenarios folder as it is, without questions
    // and without saving; false (error shown, nothing open) when it fails.
    bool OpenByName(const QString& name);
    // The same for a scenario folder anywhere, under its folder name.
    bool OpenFolder(const QString& folder);
    // File > Open Folder...: a scenario folder anywhere, chosen in a folder
    // dialog and opened in place after the save-changes question.
    bool OpenFolderFromMenu();
    // A folder anywhere; one of the shipped scenarios goes the way of Open.
    bool OpenChosenFolder(const QString& folder);
    // File > Save As Folder...: writes the scenario into a chosen folder (a
    // new one, or a scenario to overwrite) and goes on editing it there.
    bool SaveAsFolder();
    // File > Open Recent: one of the recent folders after the save-changes
    // question; a folder that is gone is removed from the list with a message.
    bool OpenRecent(const QString& folder);
    void ClearRecent();
    // Open of the first shipped scenario.
    bool OpenSample();
    // The save-changes question; false when the user cancelled (or the
    // save the user asked for failed).
    bool SaveChangesQuestion();

    // A save the user asked for may ask about files changed on disk; an
    // automatic one never asks and is skipped then.
    enum class TSaveWay { Asked, Automatic };
    bool SaveQuietly(TSaveWay way = TSaveWay::Asked);

    // A snapshot of the open scenario; empty (said once) when a picture
    // cannot be read, so the change goes on without undo.
    std::optional<TScenarioSnapshot> TakeSnapshot(const TScenarioSnapshot* previous = nullptr);
    // Records the change from before to the scenario now, named label.
    // False only when the scenario is known to be as it was before.
    bool RecordChange(const QString& label, std::optional<TScenarioSnapshot> before);
    // Edit > Undo and Redo: the scenario as before or after the last change;
    // marks modified and gates.
    void Undo();
    void Redo();
    // File > Restore Backup...: picks one of the backups kept by saves and
    // installs its documents as an undoable change, not saved yet.
    bool RestoreBackup();

private:
    // Whether the save may go on over files another program changed since
    // they were read or saved: asks (Save Anyway, Reload, Cancel), or, for
    // an automatic save, says so in the status line.
    bool MaySaveOverDisk(TSaveWay way);
    // Reload from disk: the files as they are now, as one undoable change.
    bool ReloadFromDisk();
    // After the watch saw a file change: offers Reload while nothing is
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
    // Replaces the open scenario by one loaded from folder; false (with the
    // error shown and no scenario open) when loading fails.
    bool LoadFolder(const QString& folder, const QString& name);
    // The save-changes question, then a scenario of the scenarios folder;
    // empty when either was cancelled.
    std::optional<QString> ChooseScenario();
    // Open after the scenario named was chosen (a shipped one is copied).
    bool OpenListed(const QString& name);
    std::optional<QString> ChooseTargetFolder();
    // CopyFolder, with progress shown.
    void CopyScenario(const std::string& from, const std::string& to);
    void Close();
    QStringList ScenarioFolderNames() const;
    bool IsDefaultScenario(const QString& name) const;
    bool ScenarioExists(const QString& name) const;
    // Asks for a name until one that can be a folder name is given and take
    // takes it (or says itself why not); empty when the box is cancelled.
    std::optional<QString> AskNameUntil(QString suggestion,
                                        const std::function<bool(const QString&)>& take);
    // No scenario of that name, or the designer agreed to overwrite it.
    bool MayOverwrite(const QString& name);
    // Saves into folder after keeping the files there as a backup; a backup
    // that fails is said once and never stops the save. Throws as the save.
    void SaveWithBackup(const std::string& folder);
    // After a load: what the history starts from.
    void NoteOpened();
    void UndoOrRedo(bool undo);
    void RememberRecent();
    void Gate();
    void Changed();

    TAppFolders Folders_;
    const TOptions& Options_;
    QWidget* Owner_;
    THooks Hooks_;
    std::unique_ptr<TScenarioData> Data_;
    QString Name_;
    bool Modified_ = false;
    TScenarioHistory History_;
    TScenarioDiskState DiskState_;
    std::unique_ptr<QFileSystemWatcher> Watcher_;
    std::unique_ptr<QTimer> DiskCheckTimer_;
    // The designer kept this version over one changed on disk: not asked
    // again until the next load or save.
    bool ReloadDeclined_ = false;
    std::string MarkedFolder_;
    bool SnapshotProblemShown_ = false;
    bool BackupProblemShown_ = false;
    TRecentScenarios Recent_;
};
