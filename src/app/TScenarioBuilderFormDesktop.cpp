// The main window's ways to scenarios anywhere on the desktop: the folder
// items, the recent list, the start panel and folders handed over by a
// later start of the program.

#include "app/FieldCaptions.h"
#include "app/Prompts.h"
#include "app/TScenarioBuilderForm.h"
#include "app/TStartPanel.h"
#include "app/TVerificationMessagesForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "ui_TScenarioBuilderForm.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QMenu>
#include <QTimer>

namespace {

// How often a hand-over waiting for a modal window looks again.
constexpr int HandOverRetryMs = 250;

} // namespace

void TScenarioBuilderForm::SetUpDesktopItems() {
    OpenFolderItem_ = new QAction(QStringLiteral("Open &Folder..."), this);
    OpenFolderItem_->setObjectName(QStringLiteral("OpenFolderItem"));
    OpenFolderItem_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    connect(OpenFolderItem_, &QAction::triggered, this, [this] { Session_.OpenFolderFromMenu(); });
    RecentMenu_ = new QMenu(QStringLiteral("Open Recen&t"), this);
    RecentMenu_->setObjectName(QStringLiteral("OpenRecentMenu"));
    SaveAsFolderItem_ = new QAction(QStringLiteral("Save As Fol&der..."), this);
    SaveAsFolderItem_->setObjectName(QStringLiteral("SaveAsFolderItem"));
    connect(SaveAsFolderItem_, &QAction::triggered, this, [this] { Session_.SaveAsFolder(); });
    ui->FileMenu->insertAction(ui->SaveItem, OpenFolderItem_);
    ui->FileMenu->insertMenu(ui->SaveItem, RecentMenu_);
    ui->FileMenu->insertAction(ui->RestoreBackupItem, SaveAsFolderItem_);

    // The shortcuts of the desktop beside the program's own.
    ui->ExitItem->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Ctrl+Q"))});
    ui->SaveAsItem->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+A")), QKeySequence(QStringLiteral("Ctrl+Shift+S"))});
    ui->RedoItem->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});

    StartPanel_ = new TStartPanel(this);
    if (auto* layout = qobject_cast<QBoxLayout*>(centralWidget()->layout()))
        layout->insertWidget(1, StartPanel_);
    connect(StartPanel_, &TStartPanel::OpenSampleRequested, this,
            [this] { Session_.OpenSample(); });
    connect(StartPanel_, &TStartPanel::NewFromTemplateRequested, this,
            [this] { Session_.CreateNewScenario(); });
    connect(StartPanel_, &TStartPanel::OpenFolderRequested, this,
            [this] { Session_.OpenFolderFromMenu(); });
    connect(StartPanel_, &TStartPanel::OpenRecentRequested, this,
            [this](const QString& folder) { Session_.OpenRecent(folder); });
    UpdateRecentItems();

    MessagesForm_->SetPlaceNamer([this](const TVerificationMessage& message) {
        const TElementTarget target =
            Session_.Scenario() ? ElementTargets::ForMessage(*Session_.Scenario(), message)
                                : TElementTarget();
        if (!target.Found())
            return QString();
        // The step, the window and the field in the words on screen, with the
        // element's own name for those who read the files.
        QString place = StepLabel(target.Step);
        const QString window = FieldCaptions::Window(target.Window);
        if (!window.isEmpty() && !place.endsWith(window))
            place += QStringLiteral(" > ") + window;
        if (target.Field.empty())
            return place;
        const QString element = QString::fromStdString(target.Field);
        const QString caption =
            target.Element ? FieldCaptions::Field(target.Window, target.Element->Name, target.Field)
                           : QString();
        return place + QStringLiteral(" > ") +
               (caption.isEmpty() ? element : caption + QStringLiteral(" (") + element + ')');
    });

    HandOverTimer_ = new QTimer(this);
    HandOverTimer_->setSingleShot(true);
    HandOverTimer_->setInterval(HandOverRetryMs);
    connect(HandOverTimer_, &QTimer::timeout, this, &TScenarioBuilderForm::ProcessHandOvers);
}

void TScenarioBuilderForm::UpdateDesktopItems() {
    if (!StartPanel_)
        return;
    const bool open = Session_.IsOpen();
    SaveAsFolderItem_->setEnabled(open);
    if (StartPanel_->isHidden() == open)
        return;
    StartPanel_->setVisible(!open);
    // The window follows what it shows; the designer may still resize it.
    centralWidget()->layout()->activate();
    resize(sizeHint());
}

void TScenarioBuilderForm::UpdateRecentItems() {
    RecentMenu_->clear();
    for (const QString& folder : Session_.Recent().Folders()) {
        // Numbered, so each entry has a key whatever the folder is called.
        const int number = static_cast<int>(RecentMenu_->actions().size()) + 1;
        QString name = QDir(folder).dirName();
        QAction* item = RecentMenu_->addAction(
            number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(name.replace('&', "&&"))
                        : name.replace('&', "&&"));
        item->setToolTip(folder);
        item->setStatusTip(folder);
        connect(item, &QAction::triggered, this, [this, folder] { Session_.OpenRecent(folder); });
    }
    RecentMenu_->setToolTipsVisible(true);
    RecentMenu_->addSeparator();
    QAction* clear = RecentMenu_->addAction(QStringLiteral("&Clear Recent"));
    clear->setObjectName(QStringLiteral("ClearRecentItem"));
    clear->setEnabled(!Session_.Recent().Folders().isEmpty());
    connect(clear, &QAction::triggered, this, [this] { Session_.ClearRecent(); });
    StartPanel_->SetRecent(Session_.Recent().Folders());
}

void TScenarioBuilderForm::TakeHandOver(const QString& folder) {
    // The window in front is the one to raise: a modal editor stays over
    // the main window.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = this;
    if (front->isMinimized())
        front->showNormal();
    front->raise();
    front->activateWindow();
    if (!folder.isEmpty())
        HandOvers_ << folder;
    // Not from inside the caller's socket handler: opening may ask first.
    QTimer::singleShot(0, this, &TScenarioBuilderForm::ProcessHandOvers);
}

void TScenarioBuilderForm::ProcessHandOvers() {
    if (HandingOver_ || HandOvers_.isEmpty())
        return;
    // An open editor holds the documents: the folder waits for it to close.
    if (!FirstShownDone_ || QApplication::activeModalWidget()) {
        HandOverTimer_->start();
        return;
    }
    HandingOver_ = true;
    const QString folder = HandOvers_.takeFirst();
    if (Session_.SaveChangesQuestion())
        Session_.OpenChosenFolder(folder);
    HandingOver_ = false;
    ProcessHandOvers();
}
