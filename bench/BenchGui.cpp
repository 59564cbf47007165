// The editor's timings, offscreen, wall clock: the main window up (without
// splash), then for each named scenario of DATA/scenarios: opening it (load
// and step gating), each step's window appearing and closing again
// unchanged, a keystroke in the name field and in the filter of the longest
// lists, the campaign timeline and the starting race map appearing, Save,
// and the undo history's size after ten sessions that each change one name.
// Prints "label<TAB>value" lines for bench/run.sh (milliseconds unless the
// label says otherwise).
//
//   stumpcraft-bench-gui DATA SCENARIO...

#include "app/Prompts.h"
#include "app/StepEditors.h"
#include "app/TScenarioBuilderForm.h"
#include "scenario/TScenarioData.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Report(const QString& label, double value) {
    std::printf("%s\t%.2f\n", qPrintable(label), value);
    std::fflush(stdout);
}

// Until nothing is left to do, layouts and painting included.
void Settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

struct TShown {
    double Appeared = -1; // from open until the window was usable
    double Closed = -1;   // from closing it until the main window was idle
};

// Runs open, which shows a window modally; inWindow runs in it once it is
// up, and then it closes.
TShown ShowAndClose(const std::function<void()>& open,
                    const std::function<void(QWidget*)>& inWindow = {}) {
    TShown shown;
    QElapsedTimer timer;
    timer.start();
    QElapsedTimer closing;
    QTimer::singleShot(0, [&] {
        shown.Appeared = Ms(timer);
        QWidget* window = QApplication::activeModalWidget();
        if (window && inWindow)
            inWindow(window);
        closing.start();
        if (window)
            window->close();
    });
    open();
    Settle();
    if (closing.isValid())
        shown.Closed = Ms(closing);
    return shown;
}

// Runs step as the button does; inEditor runs in the editor once it is up,
// which then closes. Reports the wait until the window was usable and the
// wait from closing it until the main window was idle again.
void Session(TScenarioBuilderForm& window, int step, const QString& what,
             const std::function<void(QWidget*)>& inEditor = {}) {
    const TShown shown = ShowAndClose([&] { window.StepButton(step)->click(); }, inEditor);
    if (what.isEmpty() || shown.Appeared < 0)
        return;
    Report(what + QStringLiteral(": step %1 window appears").arg(step), shown.Appeared);
    Report(what + QStringLiteral(": step %1 closes unchanged").arg(step), shown.Closed);
}

// One key pressed and released at the end of field, until the window is
// idle again.
double Type(QLineEdit* field, int key, const QString& text) {
    field->setFocus();
    field->end(false);
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
    Settle();
    return Ms(timer);
}

// A key typed at the end of the name field of the last entry of the list.
double Keystroke(QWidget* editor, const char* list, QChar key) {
    auto* entries = editor->findChild<QListWidget*>(QLatin1String(list));
    auto* name = editor->findChild<QLineEdit*>(QStringLiteral("NameEdit"));
    if (!entries || !name || entries->count() == 0)
        return -1;
    entries->setCurrentRow(entries->count() - 1);
    Settle();
    return Type(name, key.unicode(), QString(key));
}

// The slower of a letter typed into the list's filter, which hides nearly
// every entry, and the Backspace that shows them all again.
double FilterKeystroke(QWidget* editor, const char* list) {
    auto* filter = editor->findChild<QLineEdit*>(QLatin1String(list) + QStringLiteral("Filter"));
    if (!filter)
        return -1;
    const double narrowing = Type(filter, Qt::Key_Q, QStringLiteral("q"));
    return std::max(narrowing, Type(filter, Qt::Key_Backspace, QString()));
}

void Measure(TScenarioBuilderForm& window, const QString& scenario) {
    QElapsedTimer timer;
    timer.start();
    const bool opened = window.Session().OpenByName(scenario);
    Settle();
    if (!opened) {
        std::fprintf(stderr, "stumpcraft-bench-gui: cannot open %s\n", qPrintable(scenario));
        std::exit(1);
    }
    Report(QStringLiteral("%1: open (load + gating)").arg(scenario), Ms(timer));
    for (int step = 1; step <= StepEditors::StepCount; ++step)
        if (window.StepButton(step)->isEnabled())
            Session(window, step, scenario);

    // Steps 3 and 7 hold the lists that grow with the scenario.
    const struct {
        int Step;
        const char* List;
    } lists[] = {{3, "RegionsListBox"}, {7, "EndorserListBox"}};
    for (const auto& list : lists) {
        if (!window.StepButton(list.Step)->isEnabled())
            continue;
        double ms = -1;
        double filtering = -1;
        Session(window, list.Step, {}, [&](QWidget* editor) {
            ms = Keystroke(editor, list.List, QLatin1Char('x'));
            filtering = FilterKeystroke(editor, list.List);
        });
        if (ms >= 0)
            Report(QStringLiteral("%1: keystroke in a name of the step %2 list")
                       .arg(scenario)
                       .arg(list.Step),
                   ms);
        if (filtering >= 0)
            Report(QStringLiteral("%1: keystroke in the filter of the step %2 list")
                       .arg(scenario)
                       .arg(list.Step),
                   filtering);
    }

    // The views of the whole campaign, read from the documents each time.
    const TShown timeline =
        ShowAndClose([&] { window.findChild<QAction*>("CampaignTimelineItem")->trigger(); });
    if (timeline.Appeared >= 0)
        Report(QStringLiteral("%1: campaign timeline appears").arg(scenario), timeline.Appeared);
    const TShown race =
        ShowAndClose([&] { window.findChild<QAction*>("StartingRaceItem")->trigger(); });
    if (race.Appeared >= 0)
        Report(QStringLiteral("%1: starting race map appears").arg(scenario), race.Appeared);

    timer.restart();
    window.Session().SaveFromButton();
    Settle();
    Report(QStringLiteral("%1: save").arg(scenario), Ms(timer));

    // Ten sessions, each adding a letter to the last endorser's name.
    if (window.StepButton(7)->isEnabled()) {
        for (int i = 0; i < 10; ++i)
            Session(window, 7, {}, [](QWidget* editor) {
                Keystroke(editor, "EndorserListBox", QLatin1Char('y'));
            });
        const double changed = static_cast<double>(
            window.Session().Scenario()->Document(TScenarioFile::Endorsers).ToText().size());
        Report(QStringLiteral("%1: undo history after 10 sessions (MB)").arg(scenario),
               static_cast<double>(window.Session().History().Bytes()) / 1e6);
        Report(QStringLiteral("%1: ten changed documents (MB)").arg(scenario), 10 * changed / 1e6);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: stumpcraft-bench-gui DATA SCENARIO...\n", stderr);
        return 2;
    }
    QElapsedTimer up;
    up.start();
    QApplication application(argc, argv);
    TDecliningPrompts prompts;
    SetPrompts(&prompts);
    const TAppFolders folders = AppFolders::ForThisProgram(QString::fromLocal8Bit(argv[1]));
    TScenarioBuilderForm window(folders, false);
    window.show();
    QApplication::processEvents();
    Report(QStringLiteral("main window up"), Ms(up));
    for (int i = 2; i < argc; ++i)
        Measure(window, QString::fromLocal8Bit(argv[i]));
    return 0;
}
