#include "editors/content/TAdEditorForm.h"
#include "ui_TAdEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/ListFilter.h"
#include "app/RemovalNotice.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/AdsEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QSignalBlocker>

using namespace ControlBinding;

namespace {

QString NameOf(const TXmlNode* item) {
    const TXmlNode* name = item ? item->GetChild("name") : nullptr;
    return name ? QString::fromStdString(name->GetText()) : QString();
}

} // namespace

TAdEditorForm::TAdEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TAdEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 140);
    ListFilter::Add(ui->AdsListBox);

    connect(ui->AdsListBox, &QListWidget::currentRowChanged, this, [this] { AdsListBoxClick(); });
    connect(ui->AdQualitiesListBox, &QListWidget::currentRowChanged, this,
            [this] { AdQualitiesListBoxClick(); });
    connect(ui->NewAdButton, &QPushButton::clicked, this, [this] { NewAdButtonClick(); });
    connect(ui->RemoveAdButton, &QPushButton::clicked, this, [this] { RemoveAdButtonClick(); });
    connect(ui->NameEdit, &QLineEdit::textChanged, this, [this] { NameEditChange(); });
}

TAdEditorForm::~TAdEditorForm() {
    delete ui;
}

void TAdEditorForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TAdEditorForm::FormShow() {
    {
        const QSignalBlocker blocker(ui->AdsListBox);
        ui->AdsListBox->clear();
        if (TXmlNode* root = Data_.Ads())
            for (int32_t i = 0; i < root->ChildCount(); ++i)
                ui->AdsListBox->addItem(NameOf(root->GetChildAt(i)));
    }
    SelectAd(ui->AdsListBox->count() > 0 ? 0 : -1);
}

TXmlNode* TAdEditorForm::AdAt(int row) const {
    TXmlNode* root = Data_.Ads();
    if (!root || row < 0 || row >= root->ChildCount() || row >= ui->AdsListBox->count())
        return nullptr;
    return root->GetChildAt(row);
}

TXmlNode* TAdEditorForm::SelectedAd() const {
    return AdAt(ui->AdsListBox->currentRow());
}

TXmlNode* TAdEditorForm::SelectedQuality() const {
    TXmlNode* qualities = ChildLookup::Child(SelectedAd(), "ad_qualities");
    const int row = ui->AdQualitiesListBox->currentRow();
    if (!qualities || row < 0 || row >= qualities->ChildCount())
        return nullptr;
    return qualities->GetChildAt(row);
}

void TAdEditorForm::SelectAd(int row) {
    {
        const QSignalBlocker blocker(ui->AdsListBox);
        ui->AdsListBox->setCurrentRow(row);
        if (row < 0)
            ui->AdsListBox->clearSelection();
    }
    AdsListBoxClick();
}

void TAdEditorForm::AdsListBoxClick() {
    ShowAd(SelectedAd());
}

void TAdEditorForm::ShowAd(TXmlNode* ad) {
    BindText(ui->NameEdit, ChildLookup::Child(ad, "name"));
    BindText(ui->DescriptionMemo, ChildLookup::Child(ad, "description"));
    const std::pair<QLineEdit*, const char*> numbers[] = {
        {ui->PowerEdit, "base_power"},
        {ui->ChanceBackfireEdit, "attack_backfire_chance"},
        {ui->AttackBonusEdit, "attack_power_bonus"},
        {ui->TurnsToStartEdit, "turns_to_start"},
        {ui->TurnsToCancelEdit, "turns_to_cancel"},
        {ui->MaxTurnsCanRunEdit, "max_turns_can_run"},
        {ui->CostCoefficientEdit, "cost_coefficient"},
    };
    for (const auto& [edit, element] : numbers) {
        BindText(edit, ChildLookup::Child(ad, element));
        if (!ad)
            edit->setText(QStringLiteral("0"));
    }

    {
        const QSignalBlocker blocker(ui->AdQualitiesListBox);
        ui->AdQualitiesListBox->clear();
        if (TXmlNode* qualities = ChildLookup::Child(ad, "ad_qualities"))
            for (int32_t i = 0; i < qualities->ChildCount(); ++i)
                ui->AdQualitiesListBox->addItem(NameOf(qualities->GetChildAt(i)));
        if (ui->AdQualitiesListBox->count() > 0)
            ui->AdQualitiesListBox->setCurrentRow(0);
    }
    AdQualitiesListBoxClick();
}

void TAdEditorForm::AdQualitiesListBoxClick() {
    ShowQuality(SelectedQuality());
}

void TAdEditorForm::ShowQuality(TXmlNode* quality) {
    BindText(ui->BudgetEdit, ChildLookup::Child(quality, "budget"));
    BindText(ui->TurnsToMakeEdit, ChildLookup::Child(quality, "turns_to_make"));
    BindText(ui->ChanceSuccessEdit, ChildLookup::Child(quality, "chance_of_success"));
}

void TAdEditorForm::NameEditChange() {
    // Only a bound field belongs to the selected ad; filling an empty form
    // must not rename anything.
    if (!BoundElement(ui->NameEdit))
        return;
    if (QListWidgetItem* line = ui->AdsListBox->currentItem())
        line->setText(ui->NameEdit->text());
}

void TAdEditorForm::NewAdButtonClick() {
    TXmlNode* ad = AdsEdit::NewAd(Data_);
    if (!ad)
        return;
    {
        const QSignalBlocker blocker(ui->AdsListBox);
        ui->AdsListBox->addItem(NameOf(ad));
    }
    SelectAd(ui->AdsListBox->count() - 1);
}

void TAdEditorForm::RemoveAdButtonClick() {
    const int row = ui->AdsListBox->currentRow();
    TXmlNode* ad = AdAt(row);
    if (!ad)
        return;
    // The fields must let go of the ad's elements before they are destroyed.
    ShowAd(nullptr);
    TRemovalRepairs repairs;
    const int32_t before = AdsEdit::RemoveAd(Data_, ad, &repairs);
    {
        const QSignalBlocker blocker(ui->AdsListBox);
        delete ui->AdsListBox->takeItem(row);
    }
    SelectAd(before);
    TellRemovalRepairs(repairs, TScenarioFile::Ads);
}

void TAdEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { ShowTarget(target); });
}

void TAdEditorForm::ShowTarget(const TElementTarget& target) {
    TXmlNode* root = Data_.Ads();
    const int row = ElementFocus::IndexOf(root, target.Item());
    if (row < 0 || row >= ui->AdsListBox->count()) {
        ElementFocus::FocusControl(ui->AdsListBox);
        return;
    }
    ElementFocus::SelectRow(ui->AdsListBox, row);
    TXmlNode* ad = SelectedAd();
    const TXmlNode* qualities = ChildLookup::Child(ad, "ad_qualities");
    for (int32_t q = 0; qualities && q < qualities->ChildCount(); ++q)
        if (ElementFocus::Contains(qualities->GetChildAt(q), target.Element)) {
            ElementFocus::SelectRow(ui->AdQualitiesListBox, q);
            break;
        }
    const bool inQuality = SelectedQuality() && target.Element != ad &&
                           ElementFocus::Contains(SelectedQuality(), target.Element);
    const std::string field = ElementFocus::FieldNameBelow(target, ad);
    const ElementFocus::TFieldControls controls =
        inQuality ? ElementFocus::TFieldControls{{"budget", ui->BudgetEdit},
                                                 {"turns_to_make", ui->TurnsToMakeEdit},
                                                 {"chance_of_success", ui->ChanceSuccessEdit},
                                                 {"quality", ui->AdQualitiesListBox},
                                                 {"name", ui->AdQualitiesListBox}}
                  : ElementFocus::TFieldControls{{"name", ui->NameEdit},
                                                 {"description", ui->DescriptionMemo},
                                                 {"base_power", ui->PowerEdit},
                                                 {"attack_backfire_chance", ui->ChanceBackfireEdit},
                                                 {"attack_power_bonus", ui->AttackBonusEdit},
                                                 {"turns_to_start", ui->TurnsToStartEdit},
                                                 {"turns_to_cancel", ui->TurnsToCancelEdit},
                                                 {"max_turns_can_run", ui->MaxTurnsCanRunEdit},
                                                 {"cost_coefficient", ui->CostCoefficientEdit},
                                                 {"ad_qualities", ui->AdQualitiesListBox}};
    QWidget* fallback = inQuality ? static_cast<QWidget*>(ui->AdQualitiesListBox)
                                  : static_cast<QWidget*>(ui->AdsListBox);
    ElementFocus::FocusTarget(this, target, ElementFocus::ControlFor(controls, field), fallback);
}
