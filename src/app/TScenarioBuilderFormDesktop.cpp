// The main window's ways to scenarios anywhere on the desktop: folder
// dialogs, the recent list, the start panel and folders handed over by a
// later start of the program.

#include "app/FieldCaptions.h"
#include "app/Prompts.h"
#include "app/TScenarioBuilderForm.h"
#include "app/TStartPanel.h"
#include "app/TVerificationMessagesForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"
#include "ui_TScenarioBuilderForm.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace {

// How often a hand-over waiting for a modal window looks again.
constexpr int HandOverRetryMs = 250;

QString Clean(const QString& folder) {
    return TRecentScenarios::Normalized(folder);
}

bool IsScenarioFolder(const QString& folder) {
    return ScenarioFolders::FindFileIgnoringCase(folder.toStdString(), "scenario.xml").has_value();
}

} // namespace

void TScenarioBuilderForm::SetUpDesktopItems() {
    OpenFolderItem_ = new QAction(QStringLiteral("Open &Folder..."), this);
    OpenFolderItem_->setObjectName(QStringLiteral("OpenFolderItem"));
    OpenFolderItem_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    connect(OpenFolderItem_, &QAction::triggered, this, &TScenarioBuilderForm::OpenFolderFromMenu);
    RecentMenu_ = new QMenu(QStringLiteral("Open Recen&t"), this);
    RecentMenu_->setObjectName(QStringLiteral("OpenRecentMenu"));
    SaveAsFolderItem_ = new QAction(QStringLiteral("Save As Fol&der..."), this);
    SaveAsFolderItem_->setObjectName(QStringLiteral("SaveAsFolderItem"));
    connect(SaveAsFolderItem_, &QAction::triggered, this, &TScenarioBuilderForm::SaveAsFolder);
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
            &TScenarioBuilderForm::OpenSample);
    connect(StartPanel_, &TStartPanel::NewFromTemplateRequested, this,
            &TScenarioBuilderForm::CreateNewScenario);
    connect(StartPanel_, &TStartPanel::OpenFolderRequested, this,
            &TScenarioBuilderForm::OpenFolderFromMenu);
    connect(StartPanel_, &TStartPanel::OpenRecentRequested, this,
            &TScenarioBuilderForm::OpenRecent);
    UpdateRecentItems();

    MessagesForm_->SetPlaceNamer([this](const TVerificationMessage& message) {
        const TElementTarget target =
            Data_ ? ElementTargets::ForMessage(*Data_, message) : TElementTarget();
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
    const bool open = Data_ && Data_->Loaded();
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
    for (const QString& folder : Recent_.Folders()) {
        // Numbered, so each entry has a key whatever the folder is called.
        const int number = static_cast<int>(RecentMenu_->actions().size()) + 1;
        QString name = QDir(folder).dirName();
        QAction* item = RecentMenu_->addAction(
            number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(name.replace('&', "&&"))
                        : name.replace('&', "&&"));
        item->setToolTip(folder);
        item->setStatusTip(folder);
        connect(item, &QAction::triggered, this, [this, folder] { OpenRecent(folder); });
    }
    RecentMenu_->setToolTipsVisible(true);
    RecentMenu_->addSeparator();
    QAction* clear = RecentMenu_->addAction(QStringLiteral("&Clear Recent"));
    clear->setObjectName(QStringLiteral("ClearRecentItem"));
    clear->setEnabled(!Recent_.Folders().isEmpty());
    connect(clear, &QAction::triggered, this, &TScenarioBuilderForm::ClearRecent);
    StartPanel_->SetRecent(Recent_.Folders());
}

void TScenarioBuilderForm::RememberRecent() {
    if (!Data_ || Data_->Folder().empty())
        return;
    Recent_.Add(QString::fromStdString(Data_->Folder()));
    UpdateRecentItems();
}

void TScenarioBuilderForm::ClearRecent() {
    Recent_.Clear();
    UpdateRecentItems();
}

bool TScenarioBuilderForm::OpenFolderFromMenu() {
    if (!SaveChangesQuestion())
        return false;
    const QString start =
        Recent_.Folders().isEmpty() ? Folders_.Scenarios() : Recent_.Folders().first();
    const auto folder = Prompts().ChooseFolder(QStringLiteral("Open Folder"), start);
    if (!folder || folder->isEmpty())
        return false;
    return OpenChosenFolder(*folder);
}

bool TScenarioBuilderForm::OpenChosenFolder(const QString& folder) {
    const QFileInfo chosen(Clean(folder));
    // The shipped scenarios stay as shipped: Open makes a copy to edit.
    if (chosen.absolutePath() == Clean(Folders_.Scenarios()) &&
        IsDefaultScenario(chosen.fileName()))
        return OpenListed(chosen.fileName());
    return OpenFolder(chosen.filePath());
}

bool TScenarioBuilderForm::OpenRecent(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        Prompts().Message(QStringLiteral("Open Recent"),
                          QStringLiteral("The scenario folder \"%1\" no longer exists. It has "
                                         "been removed from the recent scenarios.")
                              .arg(folder));
        Recent_.Remove(folder);
        UpdateRecentItems();
        return false;
    }
    if (!SaveChangesQuestion())
        return false;
    return OpenChosenFolder(folder);
}

bool TScenarioBuilderForm::OpenSample() {
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

std::optional<QString> TScenarioBuilderForm::ChooseTargetFolder() {
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

bool TScenarioBuilderForm::SaveAsFolder() {
    if (!Data_ || !Data_->Loaded())
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
    if (SaveChangesQuestion())
        OpenChosenFolder(folder);
    HandingOver_ = false;
    ProcessHandOvers();
}
