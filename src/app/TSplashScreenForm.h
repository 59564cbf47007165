#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// Covers the main window for eleven ticks of 400 ms while the label cycles
// "Loading", "Loading.", "Loading..", "Loading...".
class TSplashScreenForm : public QDialog {
    Q_OBJECT
public:
    explicit TSplashScreenForm(QWidget* parent = nullptr);

    QLabel* LoadingLabel() const { return LoadingLabel_; }
    QTimer* Timer() const { return Timer1_; }
    // One timer tick; public so the cycle can be checked without waiting.
    void Tick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* SplashImage_;
    QLabel* LoadingLabel_;
    QTimer* Timer1_;
    int Counter_ = 0;
};
