#include "app/WindowPlaces.h"

#include "app/AppSettings.h"

#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>

namespace {

QString Key(const QWidget* window) {
    return QStringLiteral("windows/") + window->objectName();
}

} // namespace

TWindowPlaces::TWindowPlaces(const QString& settingsFile, QObject* parent)
    : QObject(parent), File_(settingsFile) {}

bool TWindowPlaces::Remembers(const QWidget* widget) {
    if (!widget || !widget->isWindow() ||
        !(qobject_cast<const QDialog*>(widget) || qobject_cast<const QMainWindow*>(widget)))
        return false;
    if (widget->windowFlags().testFlag(Qt::FramelessWindowHint))
        return false;
    // Qt's own dialogs are named after their class, or not at all.
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1Char('Q')) &&
           !name.startsWith(QLatin1String("qt_"));
}

bool TWindowPlaces::Restored(const QWidget* window) {
    return window && window->property(RestoredProperty).toBool();
}

bool TWindowPlaces::eventFilter(QObject* watched, QEvent* event) {
    // Minimizing and restoring by the window manager are spontaneous.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !event->spontaneous() &&
        watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (Remembers(window)) {
            if (event->type() == QEvent::Show)
                Restore(window);
            else
                Keep(window);
        }
    }
    return false;
}

void TWindowPlaces::Restore(QWidget* window) const {
    const auto settings = AppSettings::Open(File_);
    const QByteArray place = settings ? settings->value(Key(window)).toByteArray() : QByteArray();
    // Before the window's own showEvent, so a dialog does not centre itself
    // over its owner again.
    window->setProperty(RestoredProperty, !place.isEmpty() && window->restoreGeometry(place));
}

void TWindowPlaces::Keep(const QWidget* window) const {
    if (const auto settings = AppSettings::Open(File_))
        settings->setValue(Key(window), window->saveGeometry());
}
