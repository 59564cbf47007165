#include "app/TBusyProgress.h"

#include <QApplication>
#include <QProgressBar>
#include <QProgressDialog>

TBusyProgress::TBusyProgress(QWidget* owner, const QString& title, TClock clock)
    : Owner_(owner), Title_(title), Clock_(std::move(clock)),
      Listening_([this](const std::string& step, int percent) { Step(step, percent); }) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Started_.start();
    if (!Clock_)
        Clock_ = [this] { return Started_.elapsed(); };
}

TBusyProgress::~TBusyProgress() {
    delete Window_;
    QApplication::restoreOverrideCursor();
}

void TBusyProgress::Step(const std::string& step, int percent) {
    const qint64 now = Clock_();
    if (!Window_ && now >= DelayMs) {
        Window_ = new QProgressDialog(Owner_);
        Window_->setObjectName(QStringLiteral("BusyProgress"));
        Window_->setWindowTitle(Title_);
        Window_->setWindowModality(Qt::WindowModal);
        // Nothing here can be stopped halfway: no Cancel button.
        Window_->setCancelButton(nullptr);
        // The window's own setValue would run every pending event, input
        // included; its bar is set directly instead.
        Bar_ = new QProgressBar(Window_);
        Window_->setBar(Bar_);
        Window_->setMinimumDuration(0);
        Window_->show();
        Repainted_ = now - RepaintMs;
    }
    if (!Window_)
        return;
    Window_->setLabelText(QString::fromStdString(step));
    // A busy bar until the work can say how far it is.
    if (percent < 0) {
        Bar_->setRange(0, 0);
    } else {
        Bar_->setRange(0, 100);
        Bar_->setValue(percent);
    }
    if (now - Repainted_ < RepaintMs)
        return;
    Repainted_ = now;
    // Repaints, but takes no input while the work goes on. Quick work never
    // gets here, so it runs nothing else in between.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
