#include "app/TaboutForm.h"

#include "app/Artwork.h"
#include "app/Help.h"
#include "ui_TaboutForm.h"

#include <QMouseEvent>

#ifndef STUMPCRAFT_VERSION
#define STUMPCRAFT_VERSION ""
#endif

namespace {
const char* const WebSiteAddress = "https://stumpcraft.example.org/";
const char* const ContactAddress = "stumpcraft@example.org";
} // namespace

TaboutForm::TaboutForm(QWidget* parent) : QDialog(parent), ui(new Ui::TaboutForm) {
    ui->setupUi(this);
    setProperty("helpTopic", 500);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->LogoImage->setPixmap(Artwork::Logo());
    ui->SecondImage->setPixmap(Artwork::Banner());
    ui->WebAddressLabel->setText(
        QStringLiteral("<a href=\"%1\">%1</a>").arg(QLatin1String(WebSiteAddress)));
    ui->ContactLabel->setText(QLatin1String(ContactAddress));
    connect(ui->WebAddressLabel, &QLabel::linkActivated, this,
            [](const QString& link) { Help::OpenUrl(QUrl(link)); });
    ui->LogoImage->installEventFilter(this);
    ui->SecondImage->installEventFilter(this);
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TaboutForm::~TaboutForm() {
    delete ui;
}

QString TaboutForm::WebSite() {
    return QLatin1String(WebSiteAddress);
}

QString TaboutForm::FourPartVersion(const QString& version) {
    QStringList parts = version.trimmed().split(QLatin1Char('.'));
    QStringList numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok);
        if (!ok)
            return QStringLiteral("0.0.0.0");
        numbers << QString::number(value);
    }
    if (numbers.isEmpty() || numbers.size() > 4)
        return QStringLiteral("0.0.0.0");
    while (numbers.size() < 4)
        numbers << QStringLiteral("0");
    return numbers.join(QLatin1Char('.'));
}

void TaboutForm::showEvent(QShowEvent* event) {
    ui->VersionLabel->setText(QStringLiteral("Version ") +
                              FourPartVersion(QStringLiteral(STUMPCRAFT_VERSION)));
    QDialog::showEvent(event);
}

bool TaboutForm::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == ui->LogoImage || watched == ui->SecondImage) &&
        event->type() == QEvent::MouseButtonRelease) {
        Help::OpenUrl(QUrl(WebSite()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
