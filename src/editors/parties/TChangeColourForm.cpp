#include "editors/parties/TChangeColourForm.h"

#include "scenario/ValueEncodings.h"

#include "ui_TChangeColourForm.h"

#include <QKeyEvent>

#include <QPainter>

namespace {

// "light-blue" as the list shows it: "Light-Blue".
QString Caption(const char* name) {
    QString text = QString::fromLatin1(name);
    for (int i = 0; i < text.size(); ++i)
        if (i == 0 || text[i - 1] == QLatin1Char('-'))
            text[i] = text[i].toUpper();
    return text;
}

QColor Shade(const QString& colour, ValueEncodings::TColourVariant variant) {
    const auto rgb = ValueEncodings::ColourOf(colour.toStdString(), variant);
    return rgb ? QColor(rgb->Red, rgb->Green, rgb->Blue) : QColor(Qt::white);
}

} // namespace

TChangeColourForm::TChangeColourForm(const QString& colour, QWidget* parent)
    : QDialog(parent), ui(new Ui::TChangeColourForm), Chosen_(colour) {
    ui->setupUi(this);
    setProperty("helpTopic", 151);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    int match = 0;
    for (const char* name : ValueEncodings::ColourNames()) {
        if (colour.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            match = ui->ColorsListBox->count();
        ui->ColorsListBox->addItem(Caption(name));
    }
    {
        const QSignalBlocker quiet(ui->ColorsListBox);
        ui->ColorsListBox->setCurrentRow(match);
    }
    ShowSwatch();
    connect(ui->ColorsListBox, &QListWidget::currentRowChanged, this,
            &TChangeColourForm::ColorsListBoxClick);
    // Clicking the entry that is already current still chooses it.
    connect(ui->ColorsListBox, &QListWidget::itemClicked, this,
            &TChangeColourForm::ColorsListBoxClick);
    connect(ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelButton, &QPushButton::clicked, this, [this] {
        Chosen_.clear();
        reject();
    });
}

TChangeColourForm::~TChangeColourForm() {
    delete ui;
}

void TChangeColourForm::ColorsListBoxClick() {
    if (const QListWidgetItem* item = ui->ColorsListBox->currentItem())
        Chosen_ = item->text().toLower();
    ShowSwatch();
}

void TChangeColourForm::ShowSwatch() {
    ui->ColorShape->setPixmap(Swatch(Chosen_, ui->ColorShape->minimumSize()));
}

QPixmap TChangeColourForm::Swatch(const QString& colour, const QSize& size) {
    QPixmap swatch(size);
    QPainter painter(&swatch);
    painter.fillRect(QRect(QPoint(0, 0), size),
                     Shade(colour, ValueEncodings::TColourVariant::Light));
    painter.fillRect(QRect(0, size.height() / 2, size.width(), size.height() - size.height() / 2),
                     Shade(colour, ValueEncodings::TColourVariant::Main));
    return swatch;
}

void TChangeColourForm::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        ui->OkButton->isEnabled())
        ui->OkButton->click();
    else
        QDialog::keyPressEvent(event);
}
