#include "app/TBusyProgress.h"

#include <QApplication>
#include <QProgressDialog>

TBusyProgress::TBusyProgress(QWidget* owner, const QString& title)
    : Owner_(owner), Title_(title), Listening_([this](const std::string& step) { Step(step); }) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Started_.start();
}

TBusyProgress::~TBusyProgress() {
    delete Window_;
    QApplication::restoreOverrideCursor();
}

void TBusyProgress::Step(const std::string& step) {
    if (!Window_ && Started_.elapsed() >= DelayMs) {
        Window_ = new QProgressDialog(Owner_);
        Window_->setObjectName(QStringLiteral("BusyProgress"));
        Window_->setWindowTitle(Title_);
        Window_->setWindowModality(Qt::WindowModal);
        // Nothing here can be stopped halfway: no Cancel button.
        Window_->setCancelButton(nullptr);
        Window_->setRange(0, 0);
        Window_->setMinimumDuration(0);
        Window_->show();
    }
    if (!Window_)
        return;
    Window_->setLabelText(QString::fromStdString(step));
    // Repaints, but takes no input while the work goes on. Quick work never
    // gets here, so it runs nothing else in between.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
