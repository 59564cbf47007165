#include "editors/world/TIssueCentersForm.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/PoliticalUnitsEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TIssueCentersForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>

namespace PU = PoliticalUnitsEdit;

namespace {

QString TextOf(const TXmlNode* parent, const char* name) {
    const TXmlNode* child = parent ? parent->GetChild(name) : nullptr;
    return child ? QString::fromStdString(child->GetText()) : QString();
}

QSlider* NewBar(QWidget* parent, const QString& name) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(1, 7);
    bar->setPageStep(1);
    bar->setTickInterval(1);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setMinimumWidth(140);
    return bar;
}

// Shows the entry equal to text in any letter case; none when absent.
void ShowChoice(QComboBox* combo, const QString& text) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text, Qt::MatchFixedString));
}

std::string IdOf(const TXmlNode* issue) {
    return issue ? issue->AttributeValue("id") : std::string();
}

} // namespace

TIssueCentersForm::TIssueCentersForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TIssueCentersForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 131);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // The 18 rows: issue name, its centre from far left to far right, and
    // what that position stands for.
    auto* grid = ui->CentersLayout;
    for (int i = 0; i < RowCount; ++i) {
        TRow row;
        row.Name = new QLabel(ui->CentersGroup);
        row.Name->setObjectName(QStringLiteral("IssueLabel%1").arg(i + 1));
        row.Bar = NewBar(ui->CentersGroup, QStringLiteral("CenterTrackBar%1").arg(i + 1));
        row.Description = new QLineEdit(ui->CentersGroup);
        row.Description->setObjectName(QStringLiteral("DescriptionEdit%1").arg(i + 1));
        row.Description->setReadOnly(true);
        row.Description->setMinimumWidth(420);
        grid->addWidget(row.Name, i, 0);
        grid->addWidget(row.Bar, i, 1);
        grid->addWidget(row.Description, i, 2);
        connect(row.Bar, &QSlider::valueChanged, this, [this, i] { TrackBarChange(i); });
        Rows_.push_back(row);
    }
    auto* allLabel = new QLabel(QStringLiteral("&All Issue Centers"), ui->CentersGroup);
    allLabel->setObjectName(QStringLiteral("AllCentersLabel"));
    AllCenters_ = NewBar(ui->CentersGroup, QStringLiteral("TrackBar1"));
    AllCenters_->setValue(4);
    allLabel->setBuddy(AllCenters_);
    grid->addWidget(allLabel, RowCount, 0);
    grid->addWidget(AllCenters_, RowCount, 1);
    connect(AllCenters_, &QSlider::valueChanged, this, &TIssueCentersForm::TrackBar1Change);

    connect(ui->RegionsListBox, &QListWidget::currentItemChanged, this,
            &TIssueCentersForm::RegionsListBoxClick);
    connect(ui->IssuesListBox, &QListWidget::currentItemChanged, this,
            &TIssueCentersForm::IssuesListBoxClick);
    connect(ui->SelectAllButton, &QPushButton::clicked, this,
            &TIssueCentersForm::SelectAllButtonClick);
    connect(ui->AttributePrimariesProfileComboBox, &QComboBox::activated, this, [this] {
        ProfileChange("initial_primaries_profile",
                      ui->AttributePrimariesProfileComboBox->currentText());
    });
    connect(ui->AttributeGeneralProfileComboBox, &QComboBox::activated, this, [this] {
        ProfileChange("initial_generalelection_profile",
                      ui->AttributeGeneralProfileComboBox->currentText());
    });
}

TIssueCentersForm::~TIssueCentersForm() {
    delete ui;
}

void TIssueCentersForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TIssueCentersForm::FormShow() {
    const std::vector<TXmlNode*> issues = PU::PositionIssues(Data_);
    for (size_t i = 0; i < Rows_.size(); ++i) {
        TRow& row = Rows_[i];
        row.Issue = i < issues.size() ? issues[i] : nullptr;
        row.Name->setText(TextOf(row.Issue, "name"));
        // Issue names are data: no mnemonic can be fixed, so the bar is named.
        row.Bar->setAccessibleName(row.Name->text());
        row.Description->setAccessibleName(row.Name->text() + QStringLiteral(" position"));
        for (QWidget* w : {static_cast<QWidget*>(row.Name), static_cast<QWidget*>(row.Bar),
                           static_cast<QWidget*>(row.Description)})
            w->setVisible(row.Issue != nullptr);
    }
    {
        const QSignalBlocker quiet(ui->IssuesListBox);
        ui->IssuesListBox->clear();
        const TXmlNode* root = Data_.Issues();
        for (int32_t i = 0; root && i < root->ChildCount(); ++i)
            FormSupport::AddEntry(ui->IssuesListBox, TextOf(root->GetChildAt(i), "name"),
                                  root->GetChildAt(i));
    }
    ui->IssuesListBox->setCurrentRow(0);
    IssuesListBoxClick();
    {
        const QSignalBlocker quiet(ui->RegionsListBox);
        ui->RegionsListBox->clear();
        for (TXmlNode* region : PU::Regions(Data_))
            FormSupport::AddEntry(ui->RegionsListBox, TextOf(region, "name"), region);
        ui->RegionsListBox->setCurrentRow(0);
    }
    RegionsListBoxClick();
}

void TIssueCentersForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { FocusElement(target); });
}

void TIssueCentersForm::FocusElement(const TElementTarget& target) {
    // A unit's issue centre names its issue by id.
    std::string id;
    for (const TXmlNode* node = target.Element; node && id.empty(); node = node->Parent())
        if (node->Name == "issue" && node->Parent() && node->Parent()->Name == "issue_centers")
            id = IdOf(node);
    const TXmlNode* unit = target.Item();
    if (ElementFocus::SelectEntryOf(ui->RegionsListBox, target)) {
        for (const TRow& row : Rows_)
            if (row.Issue && !id.empty() && IdOf(row.Issue) == id) {
                ElementFocus::FocusControl(row.Bar);
                return;
            }
    } else if (unit && unit == PU::Nation(Data_)) {
        // The nation's centres hold the national profiles.
        for (int i = 0; !id.empty() && i < ui->IssuesListBox->count(); ++i)
            if (IdOf(FormSupport::EntryElement(ui->IssuesListBox->item(i))) == id) {
                ui->IssuesListBox->setCurrentRow(i);
                ElementFocus::FocusControl(ElementFocus::FieldName(target) ==
                                                   "initial_generalelection_profile"
                                               ? ui->AttributeGeneralProfileComboBox
                                               : ui->AttributePrimariesProfileComboBox);
                return;
            }
    }
    ElementFocus::FocusControl(ui->RegionsListBox);
}

std::vector<TXmlNode*> TIssueCentersForm::SelectedRegions() const {
    std::vector<TXmlNode*> regions;
    for (int i = 0; i < ui->RegionsListBox->count(); ++i)
        if (ui->RegionsListBox->item(i)->isSelected())
            regions.push_back(FormSupport::EntryElement(ui->RegionsListBox->item(i)));
    return regions;
}

void TIssueCentersForm::RegionsListBoxClick() {
    const TXmlNode* region = FormSupport::CurrentElement(ui->RegionsListBox);
    for (const TRow& row : Rows_) {
        if (!row.Issue)
            continue;
        {
            const QSignalBlocker quiet(row.Bar);
            row.Bar->setValue(PU::CentrePosition(region, IdOf(row.Issue)));
        }
        ShowDescription(row);
    }
}

void TIssueCentersForm::ShowDescription(const TRow& row) {
    const TXmlNode* positions = row.Issue ? row.Issue->GetChild("positions") : nullptr;
    const int index = row.Bar->value() - 1;
    const TXmlNode* position =
        positions && index < positions->ChildCount() ? positions->GetChildAt(index) : nullptr;
    const QString text = position ? TextOf(position, "name") + QStringLiteral(" - ") +
                                        TextOf(position, "description")
                                  : QString();
    row.Description->setText(text);
    row.Description->setToolTip(text);
    row.Description->setCursorPosition(0);
}

void TIssueCentersForm::TrackBarChange(int index) {
    const TRow& row = Rows_[static_cast<size_t>(index)];
    ShowDescription(row);
    const std::vector<TXmlNode*> regions = SelectedRegions();
    if (row.Issue && !regions.empty())
        PU::SetCentre(Data_, regions, IdOf(row.Issue), row.Bar->value());
}

void TIssueCentersForm::TrackBar1Change(int position) {
    // Every row takes the position, also those already showing it, so each
    // selected region gets it on every issue.
    const std::vector<TXmlNode*> regions = SelectedRegions();
    for (const TRow& row : Rows_) {
        if (!row.Issue)
            continue;
        {
            const QSignalBlocker quiet(row.Bar);
            row.Bar->setValue(position);
        }
        ShowDescription(row);
        if (!regions.empty())
            PU::SetCentre(Data_, regions, IdOf(row.Issue), position);
    }
}

void TIssueCentersForm::IssuesListBoxClick() {
    const TXmlNode* centre =
        PU::IssueCentre(PU::Nation(Data_), IdOf(FormSupport::CurrentElement(ui->IssuesListBox)));
    ShowChoice(ui->AttributePrimariesProfileComboBox, TextOf(centre, "initial_primaries_profile"));
    ShowChoice(ui->AttributeGeneralProfileComboBox,
               TextOf(centre, "initial_generalelection_profile"));
}

void TIssueCentersForm::ProfileChange(const char* profile, const QString& value) {
    const TXmlNode* issue = FormSupport::CurrentElement(ui->IssuesListBox);
    if (issue && !value.isEmpty())
        PU::SetProfile(Data_, IdOf(issue), profile, value.toStdString());
}

void TIssueCentersForm::SelectAllButtonClick() {
    ui->RegionsListBox->selectAll();
}
