#include "app/TScenarioBuilderForm.h"

#include "app/Help.h"
#include "app/Prompts.h"
#include "app/StepEditors.h"
#include "app/TBusyProgress.h"
#include "app/TCampaignTimelineForm.h"
#include "app/TFindInScenarioForm.h"
#include "app/THelpWindow.h"
#include "app/TSplashScreenForm.h"
#include "app/TStartingRaceForm.h"
#include "app/TVerificationMessagesForm.h"
#include "app/TaboutForm.h"
#include "app/WindowPlaces.h"
#include "scenario/ElementTargets.h"
#include "scenario/OpenMarker.h"
#include "scenario/ScenarioBackups.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/QuickFixes.h"
#include "ui_TScenarioBuilderForm.h"
#include "xml/TFolderLock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <exception>

namespace {

const char* const NamePromptCaption = "Scenario Name";
const char* const NamePrompt = "Enter the new name of your scenario.";
const char* const InvalidScenarioSuffix = ".  Please ensure you are selecting a valid Scenario";
const char* const FirstNewName = "United States - 2008 (Custom)";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

bool SameFolder(const QString& one, const QString& other) {
    return TRecentScenarios::Normalized(one) == TRecentScenarios::Normalized(other);
}

const char* const ChangedOnDiskTitle = "Changed on Disk";

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

} // namespace

TScenarioBuilderForm::TScenarioBuilderForm(const TAppFolders& folders, bool showSplash,
                                           QWidget* parent)
    : QMainWindow(parent), ui(new Ui::TScenarioBuilderForm), Folders_(folders),
      ShowSplash_(showSplash), Recent_(folders.Settings) {
    ui->setupUi(this);
    setProperty("helpTopic", 100);
    setWindowTitle(QLatin1String(ProductTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    StepButtons_ = {ui->ScenarioButton,  ui->IssuesButton,    ui->PoliticalUnitsButton,
                    ui->AdsButton,       ui->PartiesButton,   ui->EventsButton,
                    ui->EndorsersButton, ui->ActivitiesButton};
    for (int step = 1; step <= StepEditors::StepCount; ++step)
        connect(StepButtons_[static_cast<size_t>(step - 1)], &QPushButton::clicked, this,
                [this, step] { RunStep(step); });
    // Nothing shows the three "?" buttons; they stay for the layout.
    for (QPushButton* button : {ui->IssuesVerificationButton, ui->PoliticalUnitsVerificationButton,
                                ui->PartiesVerificationButton}) {
        button->hide();
        connect(button, &QPushButton::clicked, this, &TScenarioBuilderForm::ViewErrors);
    }
    ui->AutoupdateItem->setVisible(false);

    connect(ui->ViewErrorsButton, &QPushButton::clicked, this, &TScenarioBuilderForm::ViewErrors);
    connect(ui->OnlineHelpButton, &QPushButton::clicked, this, [] { Help::OnlineHelp(); });
    connect(ui->UpdatesButton, &QPushButton::clicked, this, [] { Help::Updates(); });
    connect(ui->SaveButton, &QPushButton::clicked, this, &TScenarioBuilderForm::SaveFromButton);
    connect(ui->CloseButton, &QPushButton::clicked, this, &TScenarioBuilderForm::Exit);

    connect(ui->CreateNewItem, &QAction::triggered, this, &TScenarioBuilderForm::CreateNewScenario);
    connect(ui->CreateFromExistingItem, &QAction::triggered, this,
            &TScenarioBuilderForm::CreateFromExisting);
    connect(ui->OpenItem, &QAction::triggered, this, &TScenarioBuilderForm::OpenScenario);
    connect(ui->SaveItem, &QAction::triggered, this, &TScenarioBuilderForm::SaveFromMenu);
    connect(ui->SaveAsItem, &QAction::triggered, this, &TScenarioBuilderForm::SaveScenarioAs);
    connect(ui->ExitItem, &QAction::triggered, this, &TScenarioBuilderForm::Exit);
    connect(ui->RestoreBackupItem, &QAction::triggered, this, &TScenarioBuilderForm::RestoreBackup);
    connect(ui->UndoItem, &QAction::triggered, this, &TScenarioBuilderForm::Undo);
    connect(ui->RedoItem, &QAction::triggered, this, &TScenarioBuilderForm::Redo);
    connect(ui->FindItem, &QAction::triggered, this, &TScenarioBuilderForm::FindInScenario);
    connect(ui->AutoupdateItem, &QAction::triggered, this, &TScenarioBuilderForm::ToggleAutoupdate);
    connect(ui->AutosaveItem, &QAction::triggered, this, &TScenarioBuilderForm::ToggleAutosave);
    connect(ui->VerifyCampaignItem, &QAction::triggered, this,
            &TScenarioBuilderForm::VerifyCampaign);
    connect(ui->CampaignTimelineItem, &QAction::triggered, this,
            &TScenarioBuilderForm::ShowCampaignTimeline);
    connect(ui->StartingRaceItem, &QAction::triggered, this,
            &TScenarioBuilderForm::ShowStartingRace);
    connect(ui->OnlineHelpItem, &QAction::triggered, this, [] { Help::OnlineHelp(); });
    connect(ui->LocalHelpItem, &QAction::triggered, this, [] { Help::ShowTopic(0); });
    connect(ui->AboutItem, &QAction::triggered, this, [this] {
        TaboutForm about(this);
        about.exec();
    });

    MessagesForm_ = new TVerificationMessagesForm(this);
    connect(MessagesForm_, &TVerificationMessagesForm::OpenRequested, this,
            &TScenarioBuilderForm::OpenMessage);
    connect(MessagesForm_, &TVerificationMessagesForm::FixRequested, this,
            &TScenarioBuilderForm::FixMessage);
    ui->AutoupdateItem->setChecked(Options_.Autoupdate);
    ui->AutosaveItem->setChecked(Options_.Autosave);
    UpdateUndoItems();
    SetUpDesktopItems();
    Watcher_ = new QFileSystemWatcher(this);
    DiskCheckTimer_ = new QTimer(this);
    DiskCheckTimer_->setSingleShot(true);
    // A program writes a file in several steps; look once they are done.
    DiskCheckTimer_->setInterval(250);
    connect(DiskCheckTimer_, &QTimer::timeout, this, &TScenarioBuilderForm::CheckDisk);
    const auto changed = [this] { DiskCheckTimer_->start(); };
    connect(Watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    connect(Watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    resize(sizeHint());
    // Before the first showing nothing is open: gate now so the window never
    // shows enabled steps.
    RunStepGating();
}

TScenarioBuilderForm::~TScenarioBuilderForm() {
    if (!MarkedFolder_.empty())
        OpenMarker::Remove(MarkedFolder_);
    delete ui;
}

QString TScenarioBuilderForm::StatusText() const {
    const QStatusBar* bar = findChild<QStatusBar*>();
    return bar ? bar->currentMessage() : QString();
}

QString TScenarioBuilderForm::Caption() const {
    QString caption = windowTitle();
    caption.remove(QStringLiteral("[*]"));
    return caption;
}

QPushButton* TScenarioBuilderForm::StepButton(int step) const {
    if (step < 1 || step > StepEditors::StepCount)
        return nullptr;
    return StepButtons_[static_cast<size_t>(step - 1)];
}

void TScenarioBuilderForm::SetVerify(TVerify verify) {
    Verify_ = std::move(verify);
}

void TScenarioBuilderForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FirstShownDone_)
        return;
    const QScreen* screen = this->screen();
    if (screen && !TWindowPlaces::Restored(this))
        move(screen->availableGeometry().center() - rect().center());
    if (ShowSplash_)
        QTimer::singleShot(0, this, &TScenarioBuilderForm::FirstShown);
    else
        FirstShown();
}

void TScenarioBuilderForm::FirstShown() {
    if (FirstShownDone_)
        return;
    FirstShownDone_ = true;
    if (ShowSplash_) {
        TSplashScreenForm splash(this);
        splash.exec();
    }
    Options_ = OptionsFile::Read(Folders_.OptionsFile());
    ui->AutoupdateItem->setChecked(Options_.Autoupdate);
    ui->AutosaveItem->setChecked(Options_.Autosave);
    SetModified(false);
    RunStepGating();
    if (!StartFolder_.isEmpty())
        OpenFolder(StartFolder_);
}

void TScenarioBuilderForm::closeEvent(QCloseEvent* event) {
    if (!SaveChangesQuestion()) {
        event->ignore();
        return;
    }
    // Closing by the title bar keeps the options as Exit does.
    OptionsFile::Write(Folders_.OptionsFile(), Options_);
    // The manual belongs to this window and goes with it.
    if (THelpWindow* manual = Help::Window())
        manual->close();
    event->accept();
}

// ---- state -------------------------------------------------------------

void TScenarioBuilderForm::SetModified(bool modified) {
    Modified_ = modified;
    setWindowModified(modified);
}

void TScenarioBuilderForm::UpdateCaption() {
    if (Data_ && Data_->Loaded())
        setWindowTitle(QStringLiteral("Editing: ") + ScenarioName_ + QStringLiteral("[*]"));
    else
        setWindowTitle(QLatin1String(ProductTitle));
    setWindowModified(Modified_);
}

void TScenarioBuilderForm::CloseScenario() {
    // The history belongs to the scenario it was made on.
    History_.Clear();
    DiskState_.Forget();
    SnapshotProblemShown_ = false;
    BackupProblemShown_ = false;
    UpdateUndoItems();
    Data_.reset();
    ScenarioName_.clear();
    MarkOpenFolder();
    WatchFiles();
    SetModified(false);
    UpdateCaption();
}

void TScenarioBuilderForm::RunStepGating() {
    for (QPushButton* button : StepButtons_)
        button->setEnabled(false);
    ui->SaveButton->setEnabled(false);
    ui->SaveItem->setEnabled(false);
    ui->SaveAsItem->setEnabled(false);
    HasProblems_ = false;
    const auto enableStep = [this](int step) {
        // A step without an editor stays disabled.
        StepButton(step)->setEnabled(StepEditors::Find(step) != nullptr);
    };
    const bool open = Data_ && Data_->Loaded();
    ui->RestoreBackupItem->setEnabled(open);
    ui->CampaignTimelineItem->setEnabled(open);
    ui->StartingRaceItem->setEnabled(open);
    ui->FindItem->setEnabled(open);
    if (!open) {
        HasProblems_ = true;
    } else {
        ui->SaveItem->setEnabled(true);
        ui->SaveAsItem->setEnabled(true);
        ui->SaveButton->setEnabled(true);
        enableStep(1);
        TBusyProgress busy(this, QStringLiteral("Verifying"));
        const TVerificationRunResult result =
            Verify_ ? Verify_(Data_.get()) : VerificationRun::Run(Data_.get());
        // Step N + 1 opens when file N and every file before it verified.
        for (int file = 0; file < StepEditors::StepCount - 1; ++file) {
            if (!result.Passed[static_cast<size_t>(file)])
                break;
            enableStep(file + 2);
        }
        HasProblems_ = result.ProblemsExist;
    }
    ui->ViewErrorsButton->setVisible(HasProblems_);
    // The messages window lists the run's messages while it is open.
    if (MessagesForm_ && MessagesForm_->isVisible())
        MessagesForm_->Refill();
    UpdateDesktopItems();
}

// ---- helpers -------------------------------------------------------------

QStringList TScenarioBuilderForm::ScenarioFolderNames() const {
    std::vector<std::string> names;
    ScenarioFolders::ListFolders(S(Folders_.Scenarios()), &names);
    QStringList list;
    for (const std::string& name : names)
        list << Q(name);
    return list;
}

bool TScenarioBuilderForm::IsDefaultScenario(const QString& name) const {
    for (const std::string& line : ScenarioFolders::ReadLines(S(Folders_.ScenarioList()))) {
        const QString listed = Q(line).trimmed();
        if (!listed.isEmpty() && listed.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool TScenarioBuilderForm::ScenarioExists(const QString& name) const {
    return ScenarioFolders::DirectoryExists(S(Folders_.Scenarios() + name));
}

std::optional<QString> TScenarioBuilderForm::AskName(const QString& initial) {
    QString suggestion = initial;
    for (;;) {
        const auto name = Prompts().Input(QLatin1String(NamePromptCaption),
                                          QLatin1String(NamePrompt), suggestion);
        if (!name)
            return std::nullopt;
        // Names are folder names: refuse what would leave the scenarios folder.
        if (const auto problem = ScenarioFolders::ScenarioNameProblem(S(*name))) {
            Prompts().Error(Q(*problem));
            suggestion = *name;
            continue;
        }
        return name;
    }
}

// A folder busy with another program's save is no fault of the scenario:
// its one sentence says all.
void TScenarioBuilderForm::ShowLoadError(const std::exception& error) {
    const bool busy = dynamic_cast<const TFolderBusy*>(&error) != nullptr;
    Prompts().Error(Q(error.what()) + (busy ? QString() : QLatin1String(InvalidScenarioSuffix)));
}

void TScenarioBuilderForm::ShowSaveError(const std::exception& error) {
    const bool busy = dynamic_cast<const TFolderBusy*>(&error) != nullptr;
    Prompts().Error((busy ? QString() : QStringLiteral("The scenario was not saved.\n")) +
                    Q(error.what()));
}

void TScenarioBuilderForm::CopyScenario(const std::string& from, const std::string& to) {
    TBusyProgress busy(this, QStringLiteral("Copying Scenario"));
    ScenarioFolders::CopyFolder(from, to);
}

bool TScenarioBuilderForm::LoadScenario(const QString& name) {
    return LoadFolder(Folders_.Scenarios() + name, name);
}

bool TScenarioBuilderForm::LoadFolder(const QString& path, const QString& name) {
    if (!MayOpenBesideOthers(path, name))
        return false;
    CloseScenario();
    TBusyProgress busy(this, QStringLiteral("Opening ") + name);
    auto data = std::make_unique<TScenarioData>();
    std::string folder = S(path);
    try {
        data->Load(folder);
    } catch (const std::exception& error) {
        ShowLoadError(error);
        return false;
    }
    Data_ = std::move(data);
    ScenarioName_ = name;
    NoteOpened();
    NoteDisk();
    MarkOpenFolder();
    RememberRecent();
    return true;
}

bool TScenarioBuilderForm::SaveQuietly(TSaveWay way) {
    if (!Data_ || !Data_->Loaded() || !MaySaveOverDisk(way))
        return false;
    TBusyProgress busy(this, QStringLiteral("Saving ") + ScenarioName_);
    try {
        SaveWithBackup(Data_->Folder());
    } catch (const std::exception& error) {
        ShowSaveError(error);
        return false;
    }
    NoteSaved();
    SetModified(false);
    return true;
}

// ---- the file operations -------------------------------------------------

bool TScenarioBuilderForm::SaveChangesQuestion() {
    if (!Data_ || !Data_->Loaded() || !Modified_)
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

bool TScenarioBuilderForm::OpenScenario() {
    if (!SaveChangesQuestion())
        return false;
    const auto selected = Prompts().ChooseScenario(ScenarioFolderNames());
    if (!selected || selected->isEmpty())
        return false;
    return OpenListed(*selected);
}

bool TScenarioBuilderForm::OpenListed(const QString& chosen) {
    QString name = chosen;
    if (IsDefaultScenario(name)) {
        Prompts().Message(
            QStringLiteral("Attention"),
            QStringLiteral("You have selected a default Quorvane scenario. The program will copy "
                           "this default scenario to a new scenario so that you can edit the new "
                           "scenario. Please enter a name for your new scenario in the next box."));
        QString suggestion = QStringLiteral("New ") + name;
        for (;;) {
            const auto newName = AskName(suggestion);
            if (!newName)
                return false;
            suggestion = *newName;
            if (ScenarioExists(*newName)) {
                if (!Prompts().YesNo(QStringLiteral("Overwrite"), QLatin1String(OverwriteQuestion)))
                    continue;
                if (IsDefaultScenario(*newName)) {
                    Prompts().Message(QStringLiteral("Attention"),
                                      QStringLiteral("This is a default Quorvane scenario. Please "
                                                     "select a different name for your new "
                                                     "scenario."));
                    continue;
                }
            }
            CopyScenario(S(Folders_.Scenarios() + name), S(Folders_.Scenarios() + *newName));
            name = *newName;
            break;
        }
    }
    const bool loaded = LoadScenario(name);
    RunStepGating();
    if (loaded) {
        SetModified(false);
        UpdateCaption();
        // Every opened scenario is written back in the program's layout.
        if (!SaveQuietly())
            SetModified(true);
    }
    return loaded;
}

bool TScenarioBuilderForm::CreateNewScenario() {
    if (!SaveChangesQuestion())
        return false;
    QString suggestion = QLatin1String(FirstNewName);
    QString name;
    for (;;) {
        const auto typed = AskName(suggestion);
        if (!typed)
            return false;
        suggestion = *typed;
        if (ScenarioExists(*typed)) {
            if (!Prompts().YesNo(QStringLiteral("Overwrite"), QLatin1String(OverwriteQuestion)))
                continue;
            ScenarioFolders::DeleteFolder(S(Folders_.Scenarios() + *typed));
        }
        if (!ScenarioFolders::CreateScenarioStructure(S(Folders_.Scenarios() + *typed))) {
            Prompts().Error(QLatin1String(ScenarioFolders::CreateStructureFailedMessage));
            continue;
        }
        name = *typed;
        break;
    }
    // Without the template's pictures a new scenario could not verify its
    // activities until every one had been opened in Step 8.
    if (ScenarioFolders::DirectoryExists(S(Folders_.TemplatePictures())))
        ScenarioFolders::CopyFolder(S(Folders_.TemplatePictures()), S(Folders_.Scenarios() + name));
    CloseScenario();
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
        ScenarioName_ = name;
        MarkOpenFolder();
        RememberRecent();
        UpdateCaption();
        if (!SaveQuietly())
            SetModified(true);
    }
    RunStepGating();
    return created;
}

bool TScenarioBuilderForm::CreateFromExisting() {
    if (!SaveChangesQuestion())
        return false;
    const auto source = Prompts().ChooseScenario(ScenarioFolderNames());
    if (!source || source->isEmpty())
        return false;
    QString suggestion = *source;
    QString name;
    for (;;) {
        const auto typed = AskName(suggestion);
        if (!typed)
            return false;
        suggestion = *typed;
        if (*typed == *source) {
            Prompts().Error(
                QStringLiteral("Cannot overwrite source scenario.  Please enter new name."));
            continue;
        }
        if (ScenarioExists(*typed) &&
            !Prompts().YesNo(QStringLiteral("Overwrite"), QLatin1String(OverwriteQuestion)))
            continue;
        CopyScenario(S(Folders_.Scenarios() + *source), S(Folders_.Scenarios() + *typed));
        name = *typed;
        break;
    }
    const bool loaded = LoadScenario(name);
    if (loaded) {
        SetModified(false);
        UpdateCaption();
    }
    RunStepGating();
    return loaded;
}

bool TScenarioBuilderForm::OpenByName(const QString& name) {
    return OpenFolder(Folders_.Scenarios() + name);
}

bool TScenarioBuilderForm::OpenFolder(const QString& folder) {
    const QDir dir(folder);
    const bool loaded = LoadFolder(dir.absolutePath(), dir.dirName());
    SetModified(false);
    UpdateCaption();
    RunStepGating();
    return loaded;
}

bool TScenarioBuilderForm::SaveFromMenu() {
    if (!Data_ || !Data_->Loaded())
        return false;
    if (!Prompts().YesNo(QStringLiteral("Save"), QStringLiteral("Are you sure you wish to save?")))
        return false;
    return SaveFromButton();
}

bool TScenarioBuilderForm::SaveFromButton() {
    const bool saved = SaveQuietly();
    // Like every file operation, a save gates the steps again.
    RunStepGating();
    if (!saved)
        return false;
    Prompts().Message(QStringLiteral("Saved"), QStringLiteral("Scenario saved."));
    return true;
}

bool TScenarioBuilderForm::SaveScenarioAs() {
    if (!Data_ || !Data_->Loaded())
        return false;
    QString suggestion;
    QString name;
    for (;;) {
        const auto typed = AskName(suggestion);
        if (!typed)
            return false;
        suggestion = *typed;
        if (ScenarioExists(*typed) &&
            !Prompts().YesNo(QStringLiteral("Overwrite"), QLatin1String(OverwriteQuestion)))
            continue;
        // A scenario opened from elsewhere under the same name is copied too.
        if (!SameFolder(Q(Data_->Folder()), Folders_.Scenarios() + *typed))
            CopyScenario(Data_->Folder(), S(Folders_.Scenarios() + *typed));
        name = *typed;
        break;
    }
    return SaveInto(Folders_.Scenarios() + name, name);
}

bool TScenarioBuilderForm::SaveInto(const QString& folder, const QString& name) {
    ScenarioName_ = name;
    TBusyProgress busy(this, QStringLiteral("Saving ") + name);
    try {
        SaveWithBackup(S(folder));
    } catch (const std::exception& error) {
        // The documents now belong to the new folder; the next save goes there.
        ShowSaveError(error);
        SetModified(true);
        UpdateCaption();
        RunStepGating();
        return false;
    }
    NoteSaved();
    MarkOpenFolder();
    RememberRecent();
    SetModified(false);
    UpdateCaption();
    RunStepGating();
    return true;
}

// ---- undo and backups ------------------------------------------------------

QString TScenarioBuilderForm::StepLabel(int step) const {
    const QPushButton* button = StepButton(step);
    if (!button)
        return {};
    QString label = button->text();
    label.remove(QLatin1Char('&'));
    label.remove(QStringLiteral("Create "));
    return label;
}

std::optional<TScenarioSnapshot>
TScenarioBuilderForm::TakeSnapshot(const TScenarioSnapshot* previous) {
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

bool TScenarioBuilderForm::RecordChange(const QString& label,
                                        std::optional<TScenarioSnapshot> before) {
    bool changed = true;
    if (before && Data_)
        if (std::optional<TScenarioSnapshot> after = TakeSnapshot(&*before)) {
            changed = !(*before == *after);
            History_.Record(S(label), std::move(*before), std::move(*after));
        }
    UpdateUndoItems();
    return changed;
}

void TScenarioBuilderForm::NoteOpened() {
    // Written out once here, so no step has to write out what it leaves alone.
    Progress::Report("Preparing Undo");
    if (std::optional<TScenarioSnapshot> now = TakeSnapshot())
        History_.Know(std::move(*now));
}

void TScenarioBuilderForm::NoteSaved() {
    NoteDisk();
}

// ---- other programs --------------------------------------------------------

void TScenarioBuilderForm::NoteDisk() {
    DiskState_.Note(*Data_);
    ReloadDeclined_ = false;
    WatchFiles();
}

void TScenarioBuilderForm::WatchFiles(bool renew) {
    if (!Watcher_)
        return;
    QStringList paths;
    if (Data_ && Data_->Loaded() && !DiskState_.Folder().empty()) {
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

void TScenarioBuilderForm::CheckDisk() {
    if (Data_ && Data_->Loaded()) {
        // Files replaced by a rename are watched anew.
        WatchFiles(true);
        // The editor's own saves noted what they wrote: they change nothing here.
        const std::vector<TScenarioFile> changed = ChangedOnDisk(DiskState_);
        if (!changed.empty()) {
            const QString what = ChangedText(changed);
            // An editor open over this window holds the documents: no reload
            // under it.
            if (Modified_ || ReloadDeclined_ || QApplication::activeModalWidget()) {
                statusBar()->showMessage(what +
                                         QStringLiteral(" Save asks which version to keep."));
            } else if (Prompts().Ask(QLatin1String(ChangedOnDiskTitle),
                                     what + QStringLiteral(" Reload it from disk?"),
                                     {QStringLiteral("Reload"), QStringLiteral("Keep Mine")}) ==
                       0) {
                ReloadFromDisk();
            } else {
                ReloadDeclined_ = true;
                statusBar()->showMessage(what +
                                         QStringLiteral(" Save asks which version to keep."));
            }
        }
    }
    emit DiskChecked();
}

bool TScenarioBuilderForm::MaySaveOverDisk(TSaveWay way) {
    if (DiskState_.Folder() != ScenarioFolders::WithTrailingSlash(Data_->Folder()))
        return true;
    const std::vector<TScenarioFile> changed = ChangedOnDisk(DiskState_);
    if (changed.empty())
        return true;
    const QString what = ChangedText(changed);
    if (way == TSaveWay::Automatic) {
        statusBar()->showMessage(QStringLiteral("Not saved automatically: ") + what +
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

bool TScenarioBuilderForm::ReloadFromDisk() {
    std::optional<TScenarioSnapshot> before = TakeSnapshot(History_.Current());
    try {
        TBusyProgress busy(this, QStringLiteral("Reloading ") + ScenarioName_);
        Data_->Reload();
    } catch (const std::exception& error) {
        Prompts().Error(QStringLiteral("The scenario was not reloaded.\n") + Q(error.what()));
        return false;
    }
    NoteDisk();
    // Undo brings back the version that was dropped.
    RecordChange(QStringLiteral("Reload from Disk"), std::move(before));
    RunStepGating();
    SetModified(false);
    statusBar()->showMessage(QStringLiteral("Reloaded from disk."));
    return true;
}

bool TScenarioBuilderForm::MayOpenBesideOthers(const QString& folder, const QString& name) {
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

void TScenarioBuilderForm::MarkOpenFolder() {
    const std::string folder = Data_ && Data_->Loaded()
                                   ? ScenarioFolders::WithTrailingSlash(Data_->Folder())
                                   : std::string();
    if (folder == MarkedFolder_)
        return;
    if (!MarkedFolder_.empty())
        OpenMarker::Remove(MarkedFolder_);
    // A folder that cannot be written gets none, and opens all the same.
    MarkedFolder_ = !folder.empty() && OpenMarker::Leave(folder) ? folder : std::string();
}

void TScenarioBuilderForm::UpdateUndoItems() {
    ui->UndoItem->setEnabled(History_.CanUndo());
    ui->RedoItem->setEnabled(History_.CanRedo());
    ui->UndoItem->setText(History_.CanUndo() ? QStringLiteral("&Undo ") + Q(History_.UndoLabel())
                                             : QStringLiteral("&Undo"));
    ui->RedoItem->setText(History_.CanRedo() ? QStringLiteral("&Redo ") + Q(History_.RedoLabel())
                                             : QStringLiteral("&Redo"));
}

void TScenarioBuilderForm::Undo() {
    UndoOrRedo(true);
}

void TScenarioBuilderForm::Redo() {
    UndoOrRedo(false);
}

void TScenarioBuilderForm::UndoOrRedo(bool undo) {
    if (!Data_ || !Data_->Loaded() || !(undo ? History_.CanUndo() : History_.CanRedo()))
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
    RunStepGating();
    SetModified(true);
    UpdateUndoItems();
}

void TScenarioBuilderForm::SaveWithBackup(const std::string& folder) {
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

bool TScenarioBuilderForm::RestoreBackup() {
    if (!Data_ || !Data_->Loaded())
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
    RunStepGating();
    SetModified(true);
    return true;
}

// ---- steps, verification, options ----------------------------------------

void TScenarioBuilderForm::RunStep(int step) {
    RunStepEditor(step, nullptr);
}

void TScenarioBuilderForm::RunStepAt(const TElementTarget& target) {
    RunStepEditor(target.Step, &target);
}

void TScenarioBuilderForm::RunStepEditor(int step, const TElementTarget* target) {
    const StepEditors::TOpenEditor* open = StepEditors::Find(step);
    if (!open || !Data_ || !Data_->Loaded())
        return;
    const StepEditors::TOpenAtElement* openAt = target ? StepEditors::FindAtElement(step) : nullptr;
    // Over the window it was opened from (the messages or find window, a
    // view of the campaign), so that stays below.
    QWidget* owner = this;
    if (MessagesForm_->isVisible())
        owner = MessagesForm_;
    else if (FindForm_ && FindForm_->isVisible())
        owner = FindForm_;
    else if (QWidget* modal = QApplication::activeModalWidget())
        owner = modal;
    std::optional<TScenarioSnapshot> before = TakeSnapshot(History_.Current());
    bool failed = false;
    try {
        if (openAt)
            (*openAt)(*Data_, owner, *target);
        else
            (*open)(*Data_, owner);
    } catch (const std::exception& error) {
        Prompts().Error(Q(error.what()));
        failed = true;
    }
    // A session that failed may have left files the snapshot does not hold:
    // it is always verified again.
    if (!RecordChange(StepLabel(step), std::move(before)) && !failed) {
        // Nothing to verify again and nothing new to save: only what the
        // window would show after an autosave.
        if (!Options_.Autosave)
            SetModified(true);
        else if (Modified_)
            SaveQuietly(TSaveWay::Automatic);
        return;
    }
    RunStepGating();
    SetModified(true);
    if (Options_.Autosave)
        SaveQuietly(TSaveWay::Automatic);
}

void TScenarioBuilderForm::OpenMessage(int index) {
    if (!Data_ || !Data_->Loaded() || index < 0 ||
        index >= static_cast<int>(Data_->Messages().size()))
        return;
    OpenTarget(ElementTargets::ForMessage(*Data_, Data_->Messages()[static_cast<size_t>(index)]));
}

void TScenarioBuilderForm::OpenElement(TXmlNode* element, const QString& field) {
    if (Data_ && Data_->Loaded())
        OpenTarget(ElementTargets::Find(*Data_, element, field.toStdString()));
}

void TScenarioBuilderForm::OpenTarget(const TElementTarget& target) {
    const QString title = QStringLiteral("Open in Editor");
    if (!target.Found()) {
        Prompts().Message(title, QStringLiteral("The item of this message is no longer in the "
                                                "scenario. Verify the campaign to see the "
                                                "messages as they are now."));
        return;
    }
    if (!StepButton(target.Step)->isEnabled()) {
        Prompts().Message(title, StepLabel(target.Step) +
                                     QStringLiteral(" is locked until the files of the steps "
                                                    "before it verify. Fix the messages of "
                                                    "those steps first."));
        return;
    }
    RunStepAt(target);
}

void TScenarioBuilderForm::FindInScenario() {
    if (!Data_ || !Data_->Loaded())
        return;
    if (!FindForm_) {
        FindForm_ = new TFindInScenarioForm(this);
        connect(FindForm_, &TFindInScenarioForm::OpenRequested, this,
                [this](TXmlNode* element) { OpenElement(element, {}); });
    }
    FindForm_->SetScenario(Data_.get());
    FindForm_->exec();
}

bool TScenarioBuilderForm::FixMessage(int index) {
    if (!Data_ || !Data_->Loaded() || index < 0 ||
        index >= static_cast<int>(Data_->Messages().size()))
        return false;
    const TVerificationMessage message = Data_->Messages()[static_cast<size_t>(index)];
    const std::string label = QuickFixes::Label(message);
    if (label.empty())
        return false;
    std::optional<TScenarioSnapshot> before = TakeSnapshot(History_.Current());
    if (!QuickFixes::Apply(*Data_, message)) {
        Prompts().Message(QStringLiteral("Fix"),
                          QStringLiteral("This message no longer applies to the scenario. Verify "
                                         "the campaign to see the messages as they are now."));
        return false;
    }
    RecordChange(QStringLiteral("Fix: ") + Q(label), std::move(before));
    RunStepGating();
    SetModified(true);
    return true;
}

void TScenarioBuilderForm::VerifyCampaign() {
    RunStepGating();
    ViewErrors();
}

void TScenarioBuilderForm::ViewErrors() {
    MessagesForm_->ShowFor(Data_.get());
}

void TScenarioBuilderForm::ShowCampaignTimeline() {
    if (!Data_ || !Data_->Loaded())
        return;
    TCampaignTimelineForm timeline(*Data_, this);
    connect(&timeline, &TCampaignTimelineForm::OpenRequested, this,
            &TScenarioBuilderForm::OpenElement);
    timeline.exec();
}

void TScenarioBuilderForm::ShowStartingRace() {
    if (!Data_ || !Data_->Loaded())
        return;
    TStartingRaceForm race(*Data_, this);
    race.exec();
}

void TScenarioBuilderForm::ToggleAutoupdate() {
    Options_.Autoupdate = !Options_.Autoupdate;
    ui->AutoupdateItem->setChecked(Options_.Autoupdate);
}

void TScenarioBuilderForm::ToggleAutosave() {
    Options_.Autosave = !Options_.Autosave;
    ui->AutosaveItem->setChecked(Options_.Autosave);
}

void TScenarioBuilderForm::Exit() {
    OptionsFile::Write(Folders_.OptionsFile(), Options_);
    close();
}
