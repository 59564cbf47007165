#include "app/TScenarioSession.h"

#include "app/Prompts.h"
#include "app/TBusyProgress.h"
#include "scenario/OpenMarker.h"
#include "scenario/ScenarioBackups.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"
#include "xml/TFolderLock.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

const char* const NamePromptCaption = "Scenario Name";
const char* const NamePrompt = "Enter the new name of your scenario.";
const char* const InvalidScenarioSuffix = ".  Please ensure you are selecting a valid Scenario";
const char* const FirstNewName = "United States - 2008 (Custom)";
const char* const ChangedOnDiskTitle = "Changed on Disk";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

QString Clean(const QString& folder) {
    return TRecentScenarios::Normalized(folder);
}

bool SameFolder(const QString& one, const QString& other) {
    return Clean(one) == Clean(other);
}

bool IsScenarioFolder(const QString& folder) {
    return ScenarioFolders::FindFileIgnoringCase(S(folder), "scenario.xml").has_value();
}

// The files another program changed that hold a version of its own: one
// that was removed has nothing to keep or to reload, and the save puts it
// back.
std::vector<TScenarioFile> ChangedOnDisk(const TScenarioDiskState& disk) {
    std::vector<TScenarioFile> changed = disk.ChangedSince();
    std::erase_if(changed, [&disk](TScenarioFile file) {
        return !QFileInfo::exists(Q(disk.Folder() + TScenarioData::FileName(file)));
    });
    return changed;
}

// "ads.xml was changed by another program after this scenario was opened."
QString ChangedText(const std::vector<TScenarioFile>& files) {
    QStringList names;
    for (TScenarioFile file : files)
        names << Q(TScenarioData::FileName(file));
    QString list = names.last();
    if (names.size() > 1)
        list = names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
               names.last();
    return list + (names.size() > 1 ? QStringLiteral(" were") : QStringLiteral(" was")) +
           QStringLiteral(" changed by another program after this scenario was opened.");
}

// A folder busy with another program's save is no fault of the scenario:
// its one sentence says all.
void ShowLoadError(const std::exception& error) {
    const bool busy = dynamic_cast<const TFolderBusy*>(&error) != nullptr;
    Prompts().Error(Q(error.what()) + (busy ? QString() : QLatin1String(InvalidScenarioSuffix)));
}

void ShowSaveError(const std::exception& error) {
    const bool busy = dynamic_cast<const TFolderBusy*>(&error) != nullptr;
    Prompts().Error((busy ? QString() : QStringLiteral("The scenario was not saved.\n")) +
                    Q(error.what()));
}

} // namespace

TScenarioSession::TScenarioSession(const TAppFolders& folders, const TOptions& options,
                                   QWidget* owner, THooks hooks)
    : Folders_(folders), Options_(options), Owner_(owner), Hooks_(std::move(hooks)),
      Watcher_(std::make_unique<QFileSystemWatcher>()), DiskCheckTimer_(std::make_unique<QTimer>()),
      Recent_(folders.Settings) {
    for (std::function<void()>* hook :
         {&Hooks_.Gate, &Hooks_.Changed, &Hooks_.RecentChanged, &Hooks_.DiskChecked})
        if (!*hook)
            *hook = [] {};
    if (!Hooks_.Status)
        Hooks_.Status = [](const QString&) {};
    DiskCheckTimer_->setSingleShot(true);
    // A program writes a file in several steps; look once they are done.
    DiskCheckTimer_->setInterval(250);
    QObject::connect(DiskCheckTimer_.get(), &QTimer::timeout, DiskCheckTimer_.get(),
                     [this] { CheckDisk(); });
    QTimer* timer = DiskCheckTimer_.get();
    const auto changed = [timer] { timer->start(); };
    QObject::connect(Watcher_.get(), &QFileSystemWatcher::fileChanged, timer, changed);
    QObject::connect(Watcher_.get(), &QFileSystemWatcher::directoryChanged, timer, changed);
}

TScenarioSession::~TScenarioSession() {
    if (!MarkedFolder_.empty())
        OpenMarker::Remove(MarkedFolder_);
}

bool TScenarioSession::IsOpen() const {
    return Data_ && Data_->Loaded();
}

void TScenarioSession::SetModified(bool modified) {
    Modified_ = modified;
    Changed();
}

void TScenarioSession::Gate() {
    Hooks_.Gate();
}

void TScenarioSession::Changed() {
    Hooks_.Changed();
}

void TScenarioSession::Close() {
    // The history belongs to the scenario it was made on.
    History_.Clear();
    DiskState_.Forget();
    SnapshotProblemShown_ = false;
    BackupProblemShown_ = false;
    Data_.reset();
    Name_.clear();
    MarkOpenFolder();
    WatchFiles();
    SetModified(false);
}

QStringList TScenarioSession::ScenarioFolderNames() const {
    std::vector<std::string> names;
    ScenarioFolders::ListFolders(S(Folders_.Scenarios()), &names);
    QStringList list;
    for (const std::string& name : names)
        list << Q(name);
    return list;
}

bool TScenarioSession::IsDefaultScenario(const QString& name) const {
    for (const std::string& line : ScenarioFolders::ReadLines(S(Folders_.ScenarioList()))) {
        const QString listed = Q(line).trimmed();
        if (!listed.isEmpty() && listed.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool TScenarioSession::ScenarioExists(const QString& name) const {
    return ScenarioFolders::DirectoryExists(S(Folders_.Scenarios() + name));
}

std::optional<QString>
TScenarioSession::AskNameUntil(QString suggestion,
                               const std::function<bool(const QString&)>& take) {
    for (;;) {
        const auto name = Prompts().Input(QLatin1String(NamePromptCaption),
                                          QLatin1String(NamePrompt), suggestion);
        if (!name)
            return std::nullopt;
        suggestion = *name;
        // Names are folder names: refuse what would leave the scenarios folder.
        if (const auto problem = ScenarioFolders::ScenarioNameProblem(S(*name)))
            Prompts().Error(Q(*problem));
        else if (take(*name))
            return name;
    }
}

bool TScenarioSession::MayOverwrite(const QString& name) {
    return !ScenarioExists(name) ||
           Prompts().YesNo(QStringLiteral("Overwrite"), QLatin1String(OverwriteQuestion));
}

void TScenarioSession::CopyScenario(const std::string& from, const std::string& to) {
    TBusyProgress busy(Owner_, QStringLiteral("Copying Scenario"));
    ScenarioFolders::CopyFolder(from, to);
}

bool TScenarioSession::LoadFolder(const QString& path, const QString& name) {
    if (!MayOpenBesideOthers(path, name))
        return false;
    Close();
    TBusyProgress busy(Owner_, QStringLiteral("Opening ") + name);
    auto data = std::make_unique<TScenarioData>();
    std::string folder = S(path);
    try {
        data->Load(folder);
    } catch (const std::exception& error) {
        ShowLoadError(error);
        return false;
    }
    Data_ = std::move(data);
    Name_ = name;
    NoteOpened();
    NoteDisk();
    MarkOpenFolder();
    RememberRecent();
    return true;
}

bool TScenarioSession::SaveQuietly(TSaveWay way) {
    if (!IsOpen() || !MaySaveOverDisk(way))
        return false;
    TBusyProgress busy(Owner_, QStringLiteral("Saving ") + Name_);
    try {
        SaveWithBackup(Data_->Folder());
    } catch (const std::exception& error) {
        ShowSaveError(error);
        return false;
    }
    NoteDisk();
    SetModified(false);
    return true;
}

bool TScenarioSession::SaveChangesQuestion() {
    if (!IsOpen() || !Modified_)
        return true;
    switch (Prompts().Message(QStringLiteral("Save Changes"),
                              QStringLiteral("Would you like to save changes?"),
                              TPromptButtons::YesNoCancel)) {
    case TPromptAnswer::Yes:
        // A save that failed must not let the changes go.
        return SaveFromButton();
    case TPromptAnswer::No:
        return true;
    default:
        return false;
    }
}

std::optional<QString> TScenarioSession::ChooseScenario() {
    if (!SaveChangesQuestion())
        return std::nullopt;
    const std::optional<QString> chosen = Prompts().ChooseScenario(ScenarioFolderNames());
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return *chosen;
}

bool TScenarioSession::OpenScenario() {
    const auto selected = ChooseScenario();
    return selected && OpenListed(*selected);
}

bool TScenarioSession::OpenListed(const QString& chosen) {
    QString name = chosen;
    if (IsDefaultScenario(name)) {
        Prompts().Message(
            QStringLiteral("Attention"),
            QStringLiteral("You have selected a default Quorvane scenario. The program will copy "
                           "this default scenario to a new scenario so that you can edit the new "
                           "scenario. Please enter a name for your new scenario in the next box."));
        const auto newName = AskNameUntil(QStringLiteral("New ") + name, [&](const QString& typed) {
            if (!MayOverwrite(typed))
                return false;
            if (ScenarioExists(typed) && IsDefaultScenario(typed)) {
                Prompts().Message(QStringLiteral("Attention"),
                                  QStringLiteral("This is a default Quorvane scenario. Please "
                                                 "select a different name for your new "
                                                 "scenario."));
                return false;
            }
            CopyScenario(S(Folders_.Scenarios() + name), S(Folders_.Scenarios() + typed));
            return true;
        });
        if (!newName)
            return false;
        name = *newName;
    }
    const bool loaded = LoadFolder(Folders_.Scenarios() + name, name);
    Gate();
    if (loaded) {
        SetModified(false);
        // Every opened scenario is written back in the program's layout.
        if (!SaveQuietly())
            SetModified(true);
    }
    return loaded;
}

bool TScenarioSession::CreateNewScenario() {
    if (!SaveChangesQuestion())
        return false;
    const auto typed = AskNameUntil(QLatin1String(FirstNewName), [this](const QString& typed) {
        if (ScenarioExists(typed)) {
            if (!MayOverwrite(typed))
                return false;
            ScenarioFolders::DeleteFolder(S(Folders_.Scenarios() + typed));
        }
        if (!ScenarioFolders::CreateScenarioStructure(S(Folders_.Scenarios() + typed))) {
            Prompts().Error(QLatin1String(ScenarioFolders::CreateStructureFailedMessage));
            return false;
        }
        return true;
    });
    if (!typed)
        return false;
    const QString name = *typed;
    // Without the template's pictures a new scenario could not verify its
    // activities until every one had been opened in Step 8.
    if (ScenarioFolders::DirectoryExists(S(Folders_.TemplatePictures())))
        ScenarioFolders::CopyFolder(S(Folders_.TemplatePictures()), S(Folders_.Scenarios() + name));
    Close();
    auto data = std::make_unique<TScenarioData>();
    bool created = false;
    try {
        data->CreateFromTemplate(S(Folders_.TemplateFile()), S(Folders_.Scenarios() + name));
        created = data->Loaded();
    } catch (const std::exception& error) {
        ShowLoadError(error);
    }
    if (created) {
        Data_ = std::move(data);
        Name_ = name;
        MarkOpenFolder();
        RememberRecent();
        Changed();
        if (!SaveQuietly())
            SetModified(true);
    }
    Gate();
    return created;
}

bool TScenarioSession::CreateFromExisting() {
    const auto source = ChooseScenario();
    if (!source)
        return false;
    const auto name = AskNameUntil(*source, [&](const QString& typed) {
        if (typed == *source) {
            Prompts().Error(
                QStringLiteral("Cannot overwrite source scenario.  Please enter new name."));
            return false;
        }
        if (!MayOverwrite(typed))
            return false;
        CopyScenario(S(Folders_.Scenarios() + *source), S(Folders_.Scenarios() + typed));
        return true;
    });
    if (!name)
        return false;
    const bool loaded = LoadFolder(Folders_.Scenarios() + *name, *name);
    if (loaded) {
        SetModified(false);
    }
    Gate();
    return loaded;
}

bool TScenarioSession::OpenByName(const QString& name) {
    return OpenFolder(Folders_.Scenarios() + name);
}

bool TScenarioSession::OpenFolder(const QString& folder) {
    const QDir dir(folder);
    const bool loaded = LoadFolder(dir.absolutePath(), dir.dirName());
    SetModified(false);
    Gate();
    return loaded;
}

bool TScenarioSession::SaveFromMenu() {
    if (!IsOpen())
        return false;
    if (!Prompts().YesNo(QStringLiteral("Save"), QStringLiteral("Are you sure you wish to save?")))
        return false;
    return SaveFromButton();
}

bool TScenarioSession::SaveFromButton() {
    const bool saved = SaveQuietly();
    // Like every file operation, a save gates the steps again.
    Gate();
    if (!saved)
        return false;
    Prompts().Message(QStringLiteral("Saved"), QStringLiteral("Scenario saved."));
    return true;
}

bool TScenarioSession::SaveScenarioAs() {
    if (!IsOpen())
        return false;
    const auto name = AskNameUntil({}, [this](const QString& typed) {
        if (!MayOverwrite(typed))
            return false;
        // A scenario opened from elsewhere under the same name is copied too.
        if (!SameFolder(Q(Data_->Folder()), Folders_.Scenarios() + typed))
            CopyScenario(Data_->Folder(), S(Folders_.Scenarios() + typed));
        return true;
    });
    return name && SaveInto(Folders_.Scenarios() + *name, *name);
}

bool TScenarioSession::SaveInto(const QString& folder, const QString& name) {
    Name_ = name;
    TBusyProgress busy(Owner_, QStringLiteral("Saving ") + name);
    try {
        SaveWithBackup(S(folder));
    } catch (const std::exception& error) {
        // The documents now belong to the new folder; the next save goes there.
        ShowSaveError(error);
        SetModified(true);
        Gate();
        return false;
    }
    NoteDisk();
    MarkOpenFolder();
    RememberRecent();
    SetModified(false);
    Gate();
    return true;
}

std::optional<TScenarioSnapshot> TScenarioSession::TakeSnapshot(const TScenarioSnapshot* previous) {
    try {
        return TScenarioSnapshot::Capture(*Data_, previous);
    } catch (const std::exception& error) {
        if (!SnapshotProblemShown_) {
            SnapshotProblemShown_ = true;
            Prompts().Error(QStringLiteral("This change cannot be undone.\n") + Q(error.what()));
        }
        return std::nullopt;
    }
}

bool TScenarioSession::RecordChange(const QString& label, std::optional<TScenarioSnapshot> before) {
    bool changed = true;
    if (before && Data_)
        if (std::optional<TScenarioSnapshot> after = TakeSnapshot(&*before)) {
            changed = !(*before == *after);
            History_.Record(S(label), std::move(*before), std::move(*after));
        }
    Changed();
    return changed;
}

void TScenarioSession::NoteOpened() {
    // Written out once here, so no step has to write out what it leaves alone.
    Progress::Report("Preparing Undo");
    if (std::optional<TScenarioSnapshot> now = TakeSnapshot())
        History_.Know(std::move(*now));
}

void TScenarioSession::NoteDisk() {
    DiskState_.Note(*Data_);
    ReloadDeclined_ = false;
    WatchFiles();
}

void TScenarioSession::WatchFiles(bool renew) {
    if (!Watcher_)
        return;
    QStringList paths;
    if (IsOpen() && !DiskState_.Folder().empty()) {
        // The folder too: a file replaced by a rename leaves the watch, and
        // the folder's change says when its new self is there to watch.
        paths << Q(DiskState_.Folder());
        for (TScenarioFile file : TScenarioData::AllFiles()) {
            const QString path = Q(DiskState_.Folder() + TScenarioData::FileName(file));
            if (QFileInfo::exists(path))
                paths << path;
        }
    }
    const QStringList watched = Watcher_->files() + Watcher_->directories();
    if (renew || watched.isEmpty() || paths.isEmpty() || !watched.contains(paths.first())) {
        if (!watched.isEmpty())
            Watcher_->removePaths(watched);
        if (!paths.isEmpty())
            Watcher_->addPaths(paths);
        return;
    }
    // What the editor itself just wrote is still watched, so its events
    // come and are found to change nothing.
    QStringList missing;
    for (const QString& path : paths)
        if (!watched.contains(path))
            missing << path;
    if (!missing.isEmpty())
        Watcher_->addPaths(missing);
}

void TScenarioSession::CheckDisk() {
    if (IsOpen()) {
        // Files replaced by a rename are watched anew.
        WatchFiles(true);
        // The editor's own saves noted what they wrote: they change nothing here.
        const std::vector<TScenarioFile> changed = ChangedOnDisk(DiskState_);
        if (!changed.empty()) {
            const QString what = ChangedText(changed);
            // An editor open over this window holds the documents: no reload
            // under it.
            if (Modified_ || ReloadDeclined_ || QApplication::activeModalWidget()) {
                Hooks_.Status(what + QStringLiteral(" Save asks which version to keep."));
            } else if (Prompts().Ask(QLatin1String(ChangedOnDiskTitle),
                                     what + QStringLiteral(" Reload it from disk?"),
                                     {QStringLiteral("Reload"), QStringLiteral("Keep Mine")}) ==
                       0) {
                ReloadFromDisk();
            } else {
                ReloadDeclined_ = true;
                Hooks_.Status(what + QStringLiteral(" Save asks which version to keep."));
            }
        }
    }
    Hooks_.DiskChecked();
}

bool TScenarioSession::MaySaveOverDisk(TSaveWay way) {
    if (DiskState_.Folder() != ScenarioFolders::WithTrailingSlash(Data_->Folder()))
        return true;
    const std::vector<TScenarioFile> changed = ChangedOnDisk(DiskState_);
    if (changed.empty())
        return true;
    const QString what = ChangedText(changed);
    if (way == TSaveWay::Automatic) {
        Hooks_.Status(QStringLiteral("Not saved automatically: ") + what +
                      QStringLiteral(" Save asks which version to keep."));
        return false;
    }
    // With backups turned off nothing keeps the other version: say so.
    const QString kept = Options_.BackupsKept > 0
                             ? QStringLiteral("the other version is kept in backups")
                             : QStringLiteral("the other version is lost: backups are turned off");
    switch (Prompts().Ask(
        QLatin1String(ChangedOnDiskTitle),
        what + QStringLiteral(" Save anyway (") + kept +
            QStringLiteral("), Reload from disk, or Cancel?"),
        {QStringLiteral("Save Anyway"), QStringLiteral("Reload"), QStringLiteral("Cancel")})) {
    case 0:
        return true;
    case 1:
        ReloadFromDisk();
        return false;
    default:
        return false;
    }
}

bool TScenarioSession::ReloadFromDisk() {
    std::optional<TScenarioSnapshot> before = TakeSnapshot(History_.Current());
    try {
        TBusyProgress busy(Owner_, QStringLiteral("Reloading ") + Name_);
        Data_->Reload();
    } catch (const std::exception& error) {
        Prompts().Error(QStringLiteral("The scenario was not reloaded.\n") + Q(error.what()));
        return false;
    }
    NoteDisk();
    // Undo brings back the version that was dropped.
    RecordChange(QStringLiteral("Reload from Disk"), std::move(before));
    Gate();
    SetModified(false);
    Hooks_.Status(QStringLiteral("Reloaded from disk."));
    return true;
}

bool TScenarioSession::MayOpenBesideOthers(const QString& folder, const QString& name) {
    const std::optional<OpenMarker::TOwner> owner = OpenMarker::Elsewhere(S(folder));
    if (!owner)
        return true;
    return Prompts().Ask(QStringLiteral("Open Elsewhere"),
                         QLatin1Char('"') + name +
                             QStringLiteral("\" is open in another editor: ") +
                             Q(OpenMarker::Describe(*owner)) +
                             QStringLiteral(". When both save, one overwrites the other's changes. "
                                            "Open anyway?"),
                         {QStringLiteral("Open Anyway"), QStringLiteral("Cancel")}) == 0;
}

void TScenarioSession::MarkOpenFolder() {
    const std::string folder =
        IsOpen() ? ScenarioFolders::WithTrailingSlash(Data_->Folder()) : std::string();
    if (folder == MarkedFolder_)
        return;
    if (!MarkedFolder_.empty())
        OpenMarker::Remove(MarkedFolder_);
    // A folder that cannot be written gets none, and opens all the same.
    MarkedFolder_ = !folder.empty() && OpenMarker::Leave(folder) ? folder : std::string();
}

void TScenarioSession::Undo() {
    UndoOrRedo(true);
}

void TScenarioSession::Redo() {
    UndoOrRedo(false);
}

void TScenarioSession::UndoOrRedo(bool undo) {
    if (!IsOpen() || !(undo ? History_.CanUndo() : History_.CanRedo()))
        return;
    try {
        if (undo)
            History_.Undo(*Data_);
        else
            History_.Redo(*Data_);
    } catch (const std::exception& error) {
        // The documents are back; only a picture could not be written.
        Prompts().Error(Q(error.what()));
    }
    Gate();
    SetModified(true);
}

void TScenarioSession::SaveWithBackup(const std::string& folder) {
    ScenarioBackups::SaveWithBackup(
        *Data_, folder, Options_.BackupsKept,
        [this](const TFileError& error) {
            if (!BackupProblemShown_) {
                BackupProblemShown_ = true;
                Prompts().Error(QStringLiteral("No backup could be kept; the scenario is saved "
                                               "without one.\n") +
                                Q(error.what()));
            }
        },
        &DiskState_);
}

bool TScenarioSession::RestoreBackup() {
    if (!IsOpen())
        return false;
    const std::vector<ScenarioBackups::TBackup> backups = ScenarioBackups::List(Data_->Folder());
    const QString title = QStringLiteral("Restore Backup");
    if (backups.empty()) {
        Prompts().Message(title, QStringLiteral("This scenario has no backups yet. A backup of "
                                                "the files is kept each time it is saved."));
        return false;
    }
    QStringList dates;
    for (const ScenarioBackups::TBackup& backup : backups)
        dates << Q(backup.Date);
    const auto chosen = Prompts().ChooseItem(
        title, QStringLiteral("Restore the scenario as it was before the save of:"), dates);
    if (!chosen || *chosen < 0 || *chosen >= dates.size())
        return false;
    std::optional<TScenarioSnapshot> before = TakeSnapshot(History_.Current());
    try {
        ScenarioBackups::Restore(backups[static_cast<size_t>(*chosen)], *Data_);
    } catch (const std::exception& error) {
        Prompts().Error(QStringLiteral("The backup was not restored.\n") + Q(error.what()));
        return false;
    }
    RecordChange(QStringLiteral("Restore Backup of ") + dates[*chosen], std::move(before));
    Gate();
    SetModified(true);
    return true;
}

void TScenarioSession::RememberRecent() {
    if (!Data_ || Data_->Folder().empty())
        return;
    Recent_.Add(QString::fromStdString(Data_->Folder()));
    Hooks_.RecentChanged();
}

void TScenarioSession::ClearRecent() {
    Recent_.Clear();
    Hooks_.RecentChanged();
}

bool TScenarioSession::OpenFolderFromMenu() {
    if (!SaveChangesQuestion())
        return false;
    const QString start =
        Recent_.Folders().isEmpty() ? Folders_.Scenarios() : Recent_.Folders().first();
    const auto folder = Prompts().ChooseFolder(QStringLiteral("Open Folder"), start);
    if (!folder || folder->isEmpty())
        return false;
    return OpenChosenFolder(*folder);
}

bool TScenarioSession::OpenChosenFolder(const QString& folder) {
    const QFileInfo chosen(Clean(folder));
    // The shipped scenarios stay as shipped: Open makes a copy to edit.
    if (chosen.absolutePath() == Clean(Folders_.Scenarios()) &&
        IsDefaultScenario(chosen.fileName()))
        return OpenListed(chosen.fileName());
    return OpenFolder(chosen.filePath());
}

bool TScenarioSession::OpenRecent(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        Prompts().Message(QStringLiteral("Open Recent"),
                          QStringLiteral("The scenario folder \"%1\" no longer exists. It has "
                                         "been removed from the recent scenarios.")
                              .arg(folder));
        Recent_.Remove(folder);
        Hooks_.RecentChanged();
        return false;
    }
    if (!SaveChangesQuestion())
        return false;
    return OpenChosenFolder(folder);
}

bool TScenarioSession::OpenSample() {
    if (!SaveChangesQuestion())
        return false;
    const QStringList names = ScenarioFolderNames();
    for (const std::string& line :
         ScenarioFolders::ReadLines(Folders_.ScenarioList().toStdString())) {
        const QString listed = QString::fromStdString(line).trimmed();
        for (const QString& name : names)
            if (!listed.isEmpty() && name.compare(listed, Qt::CaseInsensitive) == 0)
                return OpenListed(name);
    }
    Prompts().Message(QStringLiteral("Attention"),
                      QStringLiteral("No sample scenario is installed. Open a folder, or make a "
                                     "new scenario from the template."));
    return false;
}

std::optional<QString> TScenarioSession::ChooseTargetFolder() {
    const QString current = Clean(QString::fromStdString(Data_->Folder()));
    for (;;) {
        const auto chosen = Prompts().ChooseFolder(QStringLiteral("Save As Folder"),
                                                   QFileInfo(current).absolutePath());
        if (!chosen || chosen->isEmpty())
            return std::nullopt;
        const QString target = Clean(*chosen);
        if (target == current)
            return target;
        // Copying a folder into itself would never end.
        if (target.startsWith(current + QLatin1Char('/'))) {
            Prompts().Error(QStringLiteral("A scenario cannot be saved inside its own folder. "
                                           "Choose another folder."));
            continue;
        }
        if (QDir(target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            return target;
        if (!IsScenarioFolder(target)) {
            Prompts().Error(QStringLiteral("The folder \"%1\" is not empty and holds no "
                                           "scenario. Choose an empty folder, or a scenario "
                                           "to overwrite.")
                                .arg(target));
            continue;
        }
        if (Prompts().YesNo(QStringLiteral("Overwrite"), QLatin1String(OverwriteQuestion)))
            return target;
    }
}

bool TScenarioSession::SaveAsFolder() {
    if (!IsOpen())
        return false;
    const auto target = ChooseTargetFolder();
    if (!target)
        return false;
    if (*target != Clean(QString::fromStdString(Data_->Folder()))) {
        QDir().mkpath(*target);
        ScenarioFolders::CopyFolder(Data_->Folder(), target->toStdString());
    }
    return SaveInto(*target, QDir(*target).dirName());
}
