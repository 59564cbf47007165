#pragma once

#include "xml/Progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <functional>

class QProgressBar;
class QProgressDialog;
class QWidget;

// While a long operation runs on the window's own thread: the busy cursor
// at once and, once it has taken half a second, a progress window over
// owner naming the file being worked on and how much of the whole is done.
// The window repaints as the work tells how far it is, at most every
// RepaintMs.
class TBusyProgress {
public:
    // Milliseconds since the operation began.
    using TClock = std::function<qint64()>;

    // title: what runs ("Opening Scenario"). Tests give their own clock.
    TBusyProgress(QWidget* owner, const QString& title, TClock clock = {});
    ~TBusyProgress();
    TBusyProgress(const TBusyProgress&) = delete;
    TBusyProgress& operator=(const TBusyProgress&) = delete;

    // How long before the window shows.
    static constexpr int DelayMs = 500;
    // The shortest time between two repaints.
    static constexpr int RepaintMs = 50;

private:
    void Step(const std::string& step, int percent);

    QWidget* Owner_;
    QString Title_;
    QElapsedTimer Started_;
    TClock Clock_;
    qint64 Repainted_ = 0;
    QPointer<QProgressDialog> Window_;
    QProgressBar* Bar_ = nullptr;
    Progress::TScope Listening_;
};
