// The editor's timings, offscreen, wall clock: the main window up (without
// splash), opening each named scenario of DATA/scenarios (load and step
// gating), and opening every registered step editor on the last one. Prints
// "label<TAB>milliseconds" lines for bench/run.sh.
//
//   stumpcraft-bench-gui DATA SCENARIO...

#include "app/Prompts.h"
#include "app/StepEditors.h"
#include "app/TScenarioBuilderForm.h"
#include "scenario/TScenarioData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

void Report(const QString& label, const QElapsedTimer& timer) {
    std::printf("%s\t%.2f\n", qPrintable(label), static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

// Opens the step's editor and closes it as soon as it is up: the time is
// what a designer waits between the click and a usable window.
void TimeStep(TScenarioBuilderForm& window, int step, const QString& scenario) {
    const StepEditors::TOpenEditor* open = StepEditors::Find(step);
    if (!open || !window.Scenario())
        return;
    QElapsedTimer timer;
    timer.start();
    QTimer::singleShot(0, [&] {
        Report(QStringLiteral("step %1 editor open (%2)").arg(step).arg(scenario), timer);
        if (QWidget* editor = QApplication::activeModalWidget())
            editor->close();
    });
    (*open)(*window.Scenario(), &window);
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
    Report(QStringLiteral("main window up"), up);

    QString last;
    for (int i = 2; i < argc; ++i) {
        last = QString::fromLocal8Bit(argv[i]);
        QElapsedTimer timer;
        timer.start();
        const bool opened = window.OpenByName(last);
        QApplication::processEvents();
        if (!opened) {
            std::fprintf(stderr, "stumpcraft-bench-gui: cannot open %s\n", argv[i]);
            return 1;
        }
        Report(QStringLiteral("open %1 (load + gating)").arg(last), timer);
    }
    for (int step = 1; step <= StepEditors::StepCount; ++step)
        TimeStep(window, step, last);
    return 0;
}
