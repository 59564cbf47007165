#include "editors/parties/TPlatformEditorForm.h"

#include "app/ElementFocus.h"
#include "editors/parties/PartyTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/PartiesEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TPlatformEditorForm.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace {

constexpr int CenterPosition = 4;

QString NameOf(const TXmlNode* issue) {
    const TXmlNode* name = issue ? issue->GetChild("name") : nullptr;
    return name ? QString::fromStdString(name->GetText()) : QString();
}

} // namespace

TPlatformEditorForm::TPlatformEditorForm(TScenarioData& data, TXmlNode* owner, QWidget* parent)
    : QDialog(parent), ui(new Ui::TPlatformEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 151);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->RowsLayout->setColumnStretch(2, 1);
    const TXmlNode* platform = owner ? owner->GetChild("platform") : nullptr;
    // Every issue gets its row, however many the scenario has; the area
    // scrolls when they do not fit.
    for (const PartiesEdit::TPlatformRow& row : PartiesEdit::PlatformRows(data, platform))
        AddRow(row.Issue, row.Entry);
    if (Rows_.empty()) {
        auto* none = new QLabel(QStringLiteral("There are no issues to take a position on."),
                                ui->RowsWidget);
        none->setObjectName(QStringLiteral("NoIssuesLabel"));
        ui->RowsLayout->addWidget(none, 0, 0);
    }
    ui->RowsLayout->setRowStretch(static_cast<int>(Rows_.size()), 1);
    resize(820, std::min(110 + 36 * static_cast<int>(std::max<size_t>(Rows_.size(), 1)), 860));
}

TPlatformEditorForm::~TPlatformEditorForm() {
    delete ui;
}

void TPlatformEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        if (Rows_.empty())
            return;
        // The whole platform: its first row.
        const TXmlNode* node = PartyTargets::Node(target);
        const TRow* shown = &Rows_.front();
        for (const TRow& row : Rows_)
            if (ElementFocus::Contains(row.Entry, node))
                shown = &row;
        ui->RowsScrollArea->ensureWidgetVisible(shown->TrackBar);
        ElementFocus::FocusControl(shown->TrackBar);
    });
}

void TPlatformEditorForm::AddRow(TXmlNode* issue, TXmlNode* entry) {
    const int index = static_cast<int>(Rows_.size());
    const QString number = QString::number(index + 1);
    TRow row{issue, entry, new QLabel(NameOf(issue), ui->RowsWidget),
             new QSlider(Qt::Horizontal, ui->RowsWidget), new QLabel(ui->RowsWidget)};
    row.IssueLabel->setObjectName(QStringLiteral("IssueLabel") + number);
    // Issue names are data: no mnemonic can be fixed, so the bar is named.
    row.TrackBar->setAccessibleName(row.IssueLabel->text());
    row.TrackBar->setObjectName(QStringLiteral("PositionTrackBar") + number);
    row.TrackBar->setRange(1, 7);
    row.TrackBar->setPageStep(1);
    row.TrackBar->setTickPosition(QSlider::TicksBelow);
    row.TrackBar->setTickInterval(1);
    row.TrackBar->setFixedWidth(150);
    row.Description->setObjectName(QStringLiteral("PositionDescriptionLabel") + number);
    row.Description->setWordWrap(true);
    row.Description->setMinimumWidth(420);

    const int position = PartiesEdit::PlatformPosition(entry);
    {
        const QSignalBlocker quiet(row.TrackBar);
        row.TrackBar->setValue(position > 0 ? position : CenterPosition);
    }
    if (position > 0)
        ShowDescription(row, position);
    else
        // Verification accepts "-1"; it stays until a position is chosen.
        row.Description->setText(QStringLiteral("No position chosen (\"%1\"): move the bar "
                                                "to choose one.")
                                     .arg(QString::fromStdString(entry->GetText())));

    ui->RowsLayout->addWidget(row.IssueLabel, index, 0);
    ui->RowsLayout->addWidget(row.TrackBar, index, 1);
    ui->RowsLayout->addWidget(row.Description, index, 2);
    const size_t at = Rows_.size();
    connect(row.TrackBar, &QSlider::valueChanged, this, [this, at] { TrackBarChange(at); });
    // Releasing the bar where it started still chooses that position.
    connect(row.TrackBar, &QSlider::sliderReleased, this, [this, at] { TrackBarChange(at); });
    Rows_.push_back(row);
}

void TPlatformEditorForm::ShowDescription(const TRow& row, int number) {
    row.Description->setText(
        QString::fromStdString(PartiesEdit::PositionDescription(row.Issue, number)));
}

void TPlatformEditorForm::TrackBarChange(size_t index) {
    const TRow& row = Rows_[index];
    const int number = row.TrackBar->value();
    PartiesEdit::SetPlatformPosition(Data_, row.Entry, number);
    ShowDescription(row, number);
}
