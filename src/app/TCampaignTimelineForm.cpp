#include "app/TCampaignTimelineForm.h"

#include "app/PictureExport.h"
#include "widgets/TTimelineChart.h"

#include "ui_TCampaignTimelineForm.h"

#include <QDir>
#include <QPainter>
#include <QScrollBar>

TCampaignTimelineForm::TCampaignTimelineForm(const TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TCampaignTimelineForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 220);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->Chart, &TTimelineChart::Activated, this, &TCampaignTimelineForm::Open);
    connect(ui->Chart, &TTimelineChart::CurrentChanged, this,
            [this](int item) { ui->OpenButton->setEnabled(item >= 0); });
    connect(ui->ProblemsListBox, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* entry) { Open(entry->data(Qt::UserRole).toInt()); });
    connect(ui->ProblemsListBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && ui->ProblemsListBox->item(row)->data(Qt::UserRole).toInt() >= 0)
            ui->Chart->SetCurrent(ui->ProblemsListBox->item(row)->data(Qt::UserRole).toInt());
    });
    connect(ui->OpenButton, &QPushButton::clicked, this, [this] { Open(ui->Chart->Current()); });
    connect(ui->ZoomInButton, &QPushButton::clicked, this,
            [this] { ui->Chart->Zoom(1.25, ui->Chart->viewport()->width() / 2); });
    connect(ui->ZoomOutButton, &QPushButton::clicked, this,
            [this] { ui->Chart->Zoom(0.8, ui->Chart->viewport()->width() / 2); });
    connect(ui->FitButton, &QPushButton::clicked, ui->Chart, &TTimelineChart::FitToView);
    connect(ui->ExportButton, &QPushButton::clicked, this, &TCampaignTimelineForm::Export);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::close);
    Refresh();
}

TCampaignTimelineForm::~TCampaignTimelineForm() {
    delete ui;
}

TTimelineChart* TCampaignTimelineForm::Chart() const {
    return ui->Chart;
}

QListWidget* TCampaignTimelineForm::ProblemsListBox() const {
    return ui->ProblemsListBox;
}

void TCampaignTimelineForm::Refresh() {
    const QPoint scrolled(ui->Chart->horizontalScrollBar()->value(),
                          ui->Chart->verticalScrollBar()->value());
    // The chart holds items of the old timeline until it is given the new.
    ui->Chart->SetTimeline(nullptr);
    Timeline_ = CampaignTimeline::Build(Data_);
    ui->Chart->SetTimeline(&Timeline_);
    ui->Chart->horizontalScrollBar()->setValue(scrolled.x());
    ui->Chart->verticalScrollBar()->setValue(scrolled.y());
    ui->OpenButton->setEnabled(false);
    ui->ProblemsListBox->clear();
    for (size_t index : Timeline_.Problems) {
        const CampaignTimeline::TItem& item = Timeline_.Items[index];
        auto* entry = new QListWidgetItem(
            QStringLiteral("%1: %2: %3")
                .arg(QString::fromLatin1(CampaignTimeline::KindName(item.Kind)),
                     QString::fromStdString(item.Label), QString::fromStdString(item.ProblemText)),
            ui->ProblemsListBox);
        entry->setData(Qt::UserRole, static_cast<int>(index));
    }
    if (Timeline_.Problems.empty()) {
        auto* none = new QListWidgetItem(
            QStringLiteral("Every date parses and lies in the campaign."), ui->ProblemsListBox);
        none->setData(Qt::UserRole, -1);
    }
}

void TCampaignTimelineForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The whole campaign in view at first; the designer zooms from there.
    if (!Fitted_) {
        Fitted_ = true;
        ui->Chart->FitToView();
    }
}

void TCampaignTimelineForm::Open(int item) {
    if (item < 0 || item >= static_cast<int>(Timeline_.Items.size()))
        return;
    const CampaignTimeline::TItem& chosen = Timeline_.Items[static_cast<size_t>(item)];
    emit OpenRequested(chosen.Element, QString::fromStdString(chosen.Field));
    // The editor may have changed or removed what the items point at.
    Refresh();
}

bool TCampaignTimelineForm::Export() {
    const TTimelineChart* chart = ui->Chart;
    return PictureExport::Export(
        windowTitle(), QDir::home().filePath(QStringLiteral("campaign-timeline.png")),
        chart->ChartSize(), [chart](QPainter& painter) { chart->PaintWhole(painter); });
}
