#include "app/TSplashScreenForm.h"

#include "app/Artwork.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>

TSplashScreenForm::TSplashScreenForm(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TSplashScreenForm"));
    SplashImage_ = new QLabel(this);
    SplashImage_->setObjectName(QStringLiteral("SplashImage"));
    SplashImage_->setAccessibleName(QStringLiteral("Stumpcraft splash picture"));
    SplashImage_->setPixmap(Artwork::Splash());
    LoadingLabel_ = new QLabel(QStringLiteral("Loading"), this);
    LoadingLabel_->setObjectName(QStringLiteral("LoadingLabel"));
    LoadingLabel_->setStyleSheet(
        QStringLiteral("color: white; font-weight: bold; background: transparent;"));
    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(400);
    connect(Timer1_, &QTimer::timeout, this, &TSplashScreenForm::Tick);
}

void TSplashScreenForm::showEvent(QShowEvent* event) {
    const QSize size = SplashImage_->pixmap().size();
    SplashImage_->setGeometry(0, 0, size.width(), size.height());
    setFixedSize(size);
    LoadingLabel_->setGeometry(160, size.height() - 50, 200, 24);
    LoadingLabel_->raise();
    // Qt placed the window before it had its size; centre it now.
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    Timer1_->start();
}

void TSplashScreenForm::Tick() {
    static const char* const Texts[] = {"Loading", "Loading.", "Loading..", "Loading..."};
    LoadingLabel_->setText(QLatin1String(Texts[Counter_ % 4]));
    if (Counter_ == 10) {
        Timer1_->stop();
        accept();
    }
    ++Counter_;
}
