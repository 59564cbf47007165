#pragma once

#include "scenario/Progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

// While a long operation runs on the window's own thread: the busy cursor
// at once and, once it has taken half a second, a progress window over
// owner naming the file being worked on. The window repaints at each file.
class TBusyProgress {
public:
    // title: what runs ("Opening Scenario").
    TBusyProgress(QWidget* owner, const QString& title);
    ~TBusyProgress();
    TBusyProgress(const TBusyProgress&) = delete;
    TBusyProgress& operator=(const TBusyProgress&) = delete;

    // How long before the window shows.
    static constexpr int DelayMs = 500;

private:
    void Step(const std::string& step);

    QWidget* Owner_;
    QString Title_;
    QElapsedTimer Started_;
    QPointer<QProgressDialog> Window_;
    Progress::TScope Listening_;
};
