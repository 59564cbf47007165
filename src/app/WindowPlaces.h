#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Remembers where the windows of the program were. Installed on the
// application, it gives each of our windows the size and position (on the
// screen it was on) it had when it last closed, in this session or an
// earlier one, keyed by its objectName in the settings file.
class TWindowPlaces : public QObject {
public:
    // Set on a window whose stored place it got when it showed.
    static constexpr const char* RestoredProperty = "placeRestored";

    // settingsFile: empty remembers nothing.
    explicit TWindowPlaces(const QString& settingsFile, QObject* parent = nullptr);

    // Our own dialogs and main windows; not Qt's boxes, menus or the splash.
    static bool Remembers(const QWidget* widget);
    static bool Restored(const QWidget* window);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Restore(QWidget* window) const;
    void Keep(const QWidget* window) const;

    QString File_;
};
