#pragma once

#include "app/AppFolders.h"
#include "app/Options.h"
#include "app/TScenarioSession.h"
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

// The main window: its menus run the open scenario's file operations, it
// opens the step editors and enables each step only when the files of the
// steps before it verify.
class TScenarioBuilderForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* ProductTitle = "Stumpcraft for Votaris 2008";

    TScenarioBuilderForm(const TAppFolders& folders, bool showSplash, QWidget* parent = nullptr);
    ~TScenarioBuilderForm() override;

    const TAppFolders& Folders() const { return Folders_; }
    // The open scenario and its file operations, which the menus run.
    TScenarioSession& Session() { return Session_; }
    const TScenarioSession& Session() const { return Session_; }
    bool HasProblems() const { return HasProblems_; }
    const TOptions& Options() const { return Options_; }
    // The caption without the modified mark.
    QString Caption() const;
    QPushButton* StepButton(int step) const;
    TVerificationMessagesForm* MessagesForm() const { return MessagesForm_; }

    // What runs on first showing: the options are read, modified is
    // cleared and the steps are gated. Runs once.
    void FirstShown();
    // A scenario folder to open once the window has first shown.
    void SetStartFolder(const QString& folder) { StartFolder_ = folder; }
    QMenu* RecentMenu() const { return RecentMenu_; }
    // A folder handed over by a later start of the program (empty: none).
    // Raises the window; the folder opens after the save-changes question
    // once no modal window is open over the main window.
    void TakeHandOver(const QString& folder);

    TFindInScenarioForm* FindForm() const { return FindForm_; }
    // Verifies again and gates the steps, as after every change.
    void RunStepGating();

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
    // What the buttons, menus and the messages window run.

    // Opens the editor of step 1 to 8, then gates, marks modified and
    // autosaves when autosave is on. A session that changed the documents
    // or pictures can be undone as a whole.
    void RunStep(int step);
    // Opens the editor at the item of one of the last run's messages. A
    // message of a locked step, or one whose element is gone, says so.
    void OpenMessage(int index);
    // Applies the quick fix a message offers, as one undoable change, and
    // verifies again; false when nothing changed.
    bool FixMessage(int index);
    void VerifyCampaign();
    // Tools > Campaign Timeline and Tools > Starting Race Map, shown
    // modally; editors opened from the timeline open over it.
    void ShowCampaignTimeline();
    void ShowStartingRace();
    void ViewErrors();
    void ToggleAutoupdate();
    void ToggleAutosave();
    // Writes the options and closes the window (which asks the question).
    void Exit();
    // RunStep opened at target: its items selected, the window that shows
    // it open and its field focused.
    void RunStepAt(const TElementTarget& target);
    // Edit > Find in Scenario...: finds a text anywhere in the open scenario;
    // a place found opens its editor there.
    void FindInScenario();
    // "Step 3: Political Units", from the step's button.
    QString StepLabel(int step) const;
    // Opens the editor at element and its field, as for a message.
    void OpenElement(TXmlNode* element, const QString& field = {});

    void UpdateCaption();
    void RunStepEditor(int step, const TElementTarget* target);
    // RunStepAt, or says why the target cannot be opened.
    void OpenTarget(const TElementTarget& target);
    void UpdateUndoItems();
    // The items beside the specified menu: folders anywhere, the recent
    // list, second shortcuts, the start panel.
    void SetUpDesktopItems();
    void UpdateDesktopItems();
    void UpdateRecentItems();
    void ProcessHandOvers();

    Ui::TScenarioBuilderForm* ui;
    TAppFolders Folders_;
    bool ShowSplash_;
    bool FirstShownDone_ = false;
    QString StartFolder_;
    TOptions Options_;
    TScenarioSession Session_;
    bool HasProblems_ = true;
    std::array<QPushButton*, 8> StepButtons_{};
    TVerificationMessagesForm* MessagesForm_;
    TFindInScenarioForm* FindForm_ = nullptr;
    TVerify Verify_;
    QAction* OpenFolderItem_ = nullptr;
    QAction* SaveAsFolderItem_ = nullptr;
    QMenu* RecentMenu_ = nullptr;
    TStartPanel* StartPanel_ = nullptr;
    QStringList HandOvers_;
    QTimer* HandOverTimer_ = nullptr;
    bool HandingOver_ = false;
};
