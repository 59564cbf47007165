#include "app/TStartingRaceForm.h"

#include "app/PictureExport.h"
#include "app/Pictures.h"
#include "scenario/TScenarioData.h"
#include "scenario/map/RegionMap.h"
#include "widgets/TMapView.h"
#include "xml/TXmlNode.h"

#include "ui_TStartingRaceForm.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

QColor ColourOf(ValueEncodings::TRgb rgb) {
    return {rgb.Red, rgb.Green, rgb.Blue};
}

QString Percent(const std::optional<double>& figure) {
    return figure ? QString::number(*figure, 'f', 1) + QStringLiteral(" %") : QStringLiteral("-");
}

QIcon Swatch(ValueEncodings::TRgb rgb) {
    QPixmap swatch(14, 14);
    swatch.fill(ColourOf(rgb));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 13, 13);
    return QIcon(swatch);
}

const QString TieText = QStringLiteral("Tie");
const QString NoFiguresText = QStringLiteral("No figures");

} // namespace

TStartingRaceForm::TStartingRaceForm(const TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TStartingRaceForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 230);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->MapImage->SetHint(QStringLiteral("This scenario has no map yet (Step 3 loads one)."));
    ui->MapImage->setMouseTracking(true);
    ui->MapImage->installEventFilter(this);
    ui->LegendLabel->setText(
        QStringLiteral(
            "Each region has the colour of whoever starts ahead there, lighter as the lead narrows "
            "(full colour from a lead of %1 points). Dark grey: a tie. White: no figures.")
            .arg(StartingRace::FullColourMargin));

    const QImage map = Pictures::Load(data, Pictures::Map, QStringLiteral("map.bmp"));
    HasMap_ = !map.isNull();
    if (HasMap_)
        Areas_ = TMapAreas(Pictures::ToPixels(map));

    ui->RaceComboBox->addItem(QStringLiteral("General Election"));
    const TXmlNode* parties = data.Parties();
    for (int32_t i = 0; parties && i < parties->ChildCount(); ++i) {
        TXmlNode* party = parties->GetChildAt(i);
        Parties_.push_back(party);
        const TXmlNode* name = party->GetChild("name");
        ui->RaceComboBox->addItem(QStringLiteral("Primaries: ") +
                                  QString::fromStdString(name ? name->GetText() : std::string()));
    }
    connect(ui->RaceComboBox, &QComboBox::currentIndexChanged, this, &TStartingRaceForm::ShowRace);
    connect(ui->MapImage, &TMapView::CrossHairMoved, this, &TStartingRaceForm::ShowFiguresAt);
    connect(ui->ExportButton, &QPushButton::clicked, this, &TStartingRaceForm::Export);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::close);
    ShowRace(0);
}

TStartingRaceForm::~TStartingRaceForm() {
    delete ui;
}

QComboBox* TStartingRaceForm::RaceComboBox() const {
    return ui->RaceComboBox;
}

TMapView* TStartingRaceForm::MapImage() const {
    return ui->MapImage;
}

QTreeWidget* TStartingRaceForm::TotalsList() const {
    return ui->TotalsList;
}

QLabel* TStartingRaceForm::RegionLabel() const {
    return ui->RegionLabel;
}

void TStartingRaceForm::ShowRace(int choice) {
    Race_ = choice <= 0 || choice > static_cast<int>(Parties_.size())
                ? StartingRace::General(Data_)
                : StartingRace::Primaries(Data_, Parties_[static_cast<size_t>(choice - 1)]);
    Picture_ = HasMap_ ? Pictures::ToImage(StartingRace::Draw(Areas_, Race_)) : QImage();
    ui->MapImage->SetPicture(Picture_);
    ui->TotalsList->clear();
    std::vector<int> led(Race_.Contenders.size(), 0);
    int ties = 0, without = 0;
    for (const StartingRace::TRegion& region : Race_.Regions) {
        if (region.Leader >= 0)
            ++led[static_cast<size_t>(region.Leader)];
        else if (region.Tie)
            ++ties;
        else
            ++without;
    }
    for (size_t c = 0; c < Race_.Contenders.size(); ++c) {
        auto* item = new QTreeWidgetItem(ui->TotalsList,
                                         {QString::fromStdString(Race_.Contenders[c].Name),
                                          Percent(Race_.National[c]), QString::number(led[c])});
        item->setIcon(0, Swatch(Race_.Contenders[c].Colour));
    }
    (new QTreeWidgetItem(ui->TotalsList, {TieText, QString(), QString::number(ties)}))
        ->setIcon(0, Swatch(StartingRace::TieColour));
    (new QTreeWidgetItem(ui->TotalsList, {NoFiguresText, QString(), QString::number(without)}))
        ->setIcon(0, Swatch(StartingRace::NoFiguresColour));
    ui->TotalsList->resizeColumnToContents(0);
    ShowFiguresAt(ui->MapImage->CrossHair());
}

QString TStartingRaceForm::FiguresAt(QPoint at) {
    if (!HasMap_)
        return {};
    std::vector<TXmlNode*> regions;
    for (const StartingRace::TRegion& region : Race_.Regions)
        regions.push_back(region.Region);
    const RegionMap::THit hit = RegionMap::HitTest(Areas_, regions, at.x(), at.y());
    for (const StartingRace::TRegion& region : Race_.Regions) {
        if (region.Region != hit.Region || !hit.Region)
            continue;
        QString text = QString::fromStdString(region.Name);
        text += QStringLiteral("\nEligible voters: ") +
                (region.EligibleVoters ? QString::number(*region.EligibleVoters, 'f', 0)
                                       : QStringLiteral("-"));
        for (size_t c = 0; c < Race_.Contenders.size(); ++c)
            text += QStringLiteral("\n%1: %2")
                        .arg(QString::fromStdString(Race_.Contenders[c].Name),
                             Percent(region.Percent[c]));
        if (region.Leader >= 0)
            text += QStringLiteral("\nAhead by %1 points").arg(region.Margin, 0, 'f', 1);
        else
            text += QLatin1Char('\n') + (region.Tie ? TieText : NoFiguresText);
        return text;
    }
    return {};
}

void TStartingRaceForm::ShowFiguresAt(QPoint at) {
    const QString figures = FiguresAt(at);
    ui->RegionLabel->setText(figures);
    ui->MapImage->SetCrossHairPlace(figures.isEmpty() ? QStringLiteral("no region")
                                                      : figures.section(QLatin1Char('\n'), 0, 0));
}

bool TStartingRaceForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->MapImage && event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        ShowFiguresAt(at);
        const QString figures = ui->RegionLabel->text();
        if (figures.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QMouseEvent*>(event)->globalPosition().toPoint(),
                               figures, ui->MapImage);
    }
    return QDialog::eventFilter(watched, event);
}

QStringList TStartingRaceForm::LegendLines() const {
    QStringList lines;
    for (size_t c = 0; c < Race_.Contenders.size(); ++c)
        lines << QStringLiteral("%1  %2").arg(QString::fromStdString(Race_.Contenders[c].Name),
                                              Percent(Race_.National[c]));
    return lines << TieText << NoFiguresText;
}

QSize TStartingRaceForm::DrawingSize() const {
    const int legend = 24 + 22 * static_cast<int>(LegendLines().size());
    return {RegionMap::Width + 300, std::max(RegionMap::Height, legend)};
}

void TStartingRaceForm::PaintDrawing(QPainter& painter) const {
    const QSize size = DrawingSize();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (!Picture_.isNull())
        painter.drawImage(0, 0, Picture_);
    painter.setPen(Qt::black);
    const int left = RegionMap::Width + 16;
    painter.drawText(QRect(left, 4, 280, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     ui->RaceComboBox->currentText() +
                         QStringLiteral(" (nation, weighted by eligible voters)"));
    const QStringList lines = LegendLines();
    for (int i = 0; i < lines.size(); ++i) {
        const size_t c = static_cast<size_t>(i);
        const ValueEncodings::TRgb colour = c < Race_.Contenders.size() ? Race_.Contenders[c].Colour
                                            : c == Race_.Contenders.size()
                                                ? StartingRace::TieColour
                                                : StartingRace::NoFiguresColour;
        const int y = 28 + 22 * i;
        painter.fillRect(QRect(left, y, 16, 16), ColourOf(colour));
        painter.drawRect(QRect(left, y, 16, 16));
        painter.drawText(QRect(left + 24, y, 256, 16), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
}

bool TStartingRaceForm::Export() {
    return PictureExport::Export(
        windowTitle(), QDir::home().filePath(QStringLiteral("starting-race.png")), DrawingSize(),
        [this](QPainter& painter) { PaintDrawing(painter); });
}
