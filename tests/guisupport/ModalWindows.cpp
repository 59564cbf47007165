#include "guisupport/ModalWindows.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

namespace GuiTest {

QString WhenOnTop(const std::function<void()>& open, const QString& window,
                  const std::function<void(QWidget* top)>& look, const QString& focus,
                  QWidget* keep) {
    QString seen;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    int steady = 0;
    const QWidget* last = nullptr;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || top == keep)
            return;
        const QWidget* focused = top->focusWidget();
        // A window that leads on opens the next one right after it shows.
        const bool settled =
            (window.isEmpty() || QLatin1String(top->metaObject()->className()) == window) &&
            (focus.isEmpty() || (focused && focused->objectName() == focus));
        // Settled for a few polls: what opens or focuses after showing has run.
        steady = settled && top == last ? steady + 1 : 0;
        last = top;
        if (steady < 3 && waited.elapsed() < 5000)
            return;
        poll.stop();
        seen = QString::fromLatin1(top->metaObject()->className());
        if (look)
            look(top);
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (dialog == keep)
                break;
            dialog->reject();
        }
    });
    poll.start(10);
    open();
    return seen;
}

} // namespace GuiTest
