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
#include "scenario/TScenarioData.h"
#include "scenario/edit/QuickFixes.h"
#include "ui_TScenarioBuilderForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <exception>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TScenarioBuilderForm::TScenarioBuilderForm(const TAppFolders& folders, bool showSplash,
                                           QWidget* parent)
    : QMainWindow(parent), ui(new Ui::TScenarioBuilderForm), Folders_(folders),
      ShowSplash_(showSplash),
      Session_(folders, Options_, this,
               {.Gate = [this] { RunStepGating(); },
                .Changed =
                    [this] {
                        UpdateCaption();
                        UpdateUndoItems();
                    },
                .RecentChanged = [this] { UpdateRecentItems(); },
                .Status = [this](const QString& text) { statusBar()->showMessage(text); },
                .DiskChecked = [this] { emit DiskChecked(); }}) {
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
    connect(ui->SaveButton, &QPushButton::clicked, this, [this] { Session_.SaveFromButton(); });
    connect(ui->CloseButton, &QPushButton::clicked, this, &TScenarioBuilderForm::Exit);

    connect(ui->CreateNewItem, &QAction::triggered, this, [this] { Session_.CreateNewScenario(); });
    connect(ui->CreateFromExistingItem, &QAction::triggered, this,
            [this] { Session_.CreateFromExisting(); });
    connect(ui->OpenItem, &QAction::triggered, this, [this] { Session_.OpenScenario(); });
    connect(ui->SaveItem, &QAction::triggered, this, [this] { Session_.SaveFromMenu(); });
    connect(ui->SaveAsItem, &QAction::triggered, this, [this] { Session_.SaveScenarioAs(); });
    connect(ui->ExitItem, &QAction::triggered, this, &TScenarioBuilderForm::Exit);
    connect(ui->RestoreBackupItem, &QAction::triggered, this, [this] { Session_.RestoreBackup(); });
    connect(ui->UndoItem, &QAction::triggered, this, [this] { Session_.Undo(); });
    connect(ui->RedoItem, &QAction::triggered, this, [this] { Session_.Redo(); });
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
    resize(sizeHint());
    // Before the first showing nothing is open: gate now so the window never
    // shows enabled steps.
    RunStepGating();
}

TScenarioBuilderForm::~TScenarioBuilderForm() {
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
    Session_.SetModified(false);
    RunStepGating();
    if (!StartFolder_.isEmpty())
        Session_.OpenFolder(StartFolder_);
}

void TScenarioBuilderForm::closeEvent(QCloseEvent* event) {
    if (!Session_.SaveChangesQuestion()) {
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

void TScenarioBuilderForm::UpdateCaption() {
    if (Session_.IsOpen())
        setWindowTitle(QStringLiteral("Editing: ") + Session_.Name() + QStringLiteral("[*]"));
    else
        setWindowTitle(QLatin1String(ProductTitle));
    setWindowModified(Session_.Modified());
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
    const bool open = Session_.IsOpen();
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
            Verify_ ? Verify_(Session_.Scenario()) : VerificationRun::Run(Session_.Scenario());
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

// ---- the file operations -------------------------------------------------

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

// ---- other programs --------------------------------------------------------

void TScenarioBuilderForm::UpdateUndoItems() {
    ui->UndoItem->setEnabled(Session_.History().CanUndo());
    ui->RedoItem->setEnabled(Session_.History().CanRedo());
    ui->UndoItem->setText(Session_.History().CanUndo()
                              ? QStringLiteral("&Undo ") + Q(Session_.History().UndoLabel())
                              : QStringLiteral("&Undo"));
    ui->RedoItem->setText(Session_.History().CanRedo()
                              ? QStringLiteral("&Redo ") + Q(Session_.History().RedoLabel())
                              : QStringLiteral("&Redo"));
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
    if (!open || !Session_.IsOpen())
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
    std::optional<TScenarioSnapshot> before = Session_.TakeSnapshot(Session_.History().Current());
    bool failed = false;
    try {
        if (openAt)
            (*openAt)(*Session_.Scenario(), owner, *target);
        else
            (*open)(*Session_.Scenario(), owner);
    } catch (const std::exception& error) {
        Prompts().Error(Q(error.what()));
        failed = true;
    }
    // A session that failed may have left files the snapshot does not hold:
    // it is always verified again.
    if (!Session_.RecordChange(StepLabel(step), std::move(before)) && !failed) {
        // Nothing to verify again and nothing new to save: only what the
        // window would show after an autosave.
        if (!Options_.Autosave)
            Session_.SetModified(true);
        else if (Session_.Modified())
            Session_.SaveQuietly(TScenarioSession::TSaveWay::Automatic);
        return;
    }
    RunStepGating();
    Session_.SetModified(true);
    if (Options_.Autosave)
        Session_.SaveQuietly(TScenarioSession::TSaveWay::Automatic);
}

void TScenarioBuilderForm::OpenMessage(int index) {
    if (!Session_.IsOpen() || index < 0 ||
        index >= static_cast<int>(Session_.Scenario()->Messages().size()))
        return;
    OpenTarget(ElementTargets::ForMessage(
        *Session_.Scenario(), Session_.Scenario()->Messages()[static_cast<size_t>(index)]));
}

void TScenarioBuilderForm::OpenElement(TXmlNode* element, const QString& field) {
    if (Session_.IsOpen())
        OpenTarget(ElementTargets::Find(*Session_.Scenario(), element, field.toStdString()));
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
    if (!Session_.IsOpen())
        return;
    if (!FindForm_) {
        FindForm_ = new TFindInScenarioForm(this);
        connect(FindForm_, &TFindInScenarioForm::OpenRequested, this,
                [this](TXmlNode* element) { OpenElement(element, {}); });
    }
    FindForm_->SetScenario(Session_.Scenario());
    FindForm_->exec();
}

bool TScenarioBuilderForm::FixMessage(int index) {
    if (!Session_.IsOpen() || index < 0 ||
        index >= static_cast<int>(Session_.Scenario()->Messages().size()))
        return false;
    const TVerificationMessage message =
        Session_.Scenario()->Messages()[static_cast<size_t>(index)];
    const std::string label = QuickFixes::Label(message);
    if (label.empty())
        return false;
    std::optional<TScenarioSnapshot> before = Session_.TakeSnapshot(Session_.History().Current());
    if (!QuickFixes::Apply(*Session_.Scenario(), message)) {
        Prompts().Message(QStringLiteral("Fix"),
                          QStringLiteral("This message no longer applies to the scenario. Verify "
                                         "the campaign to see the messages as they are now."));
        return false;
    }
    Session_.RecordChange(QStringLiteral("Fix: ") + Q(label), std::move(before));
    RunStepGating();
    Session_.SetModified(true);
    return true;
}

void TScenarioBuilderForm::VerifyCampaign() {
    RunStepGating();
    ViewErrors();
}

void TScenarioBuilderForm::ViewErrors() {
    MessagesForm_->ShowFor(Session_.Scenario());
}

void TScenarioBuilderForm::ShowCampaignTimeline() {
    if (!Session_.IsOpen())
        return;
    TCampaignTimelineForm timeline(*Session_.Scenario(), this);
    connect(&timeline, &TCampaignTimelineForm::OpenRequested, this,
            &TScenarioBuilderForm::OpenElement);
    timeline.exec();
}

void TScenarioBuilderForm::ShowStartingRace() {
    if (!Session_.IsOpen())
        return;
    TStartingRaceForm race(*Session_.Scenario(), this);
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
