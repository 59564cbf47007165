#include "editors/content/TEndorserEditorForm.h"
#include "ui_TEndorserEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/ListFilter.h"
#include "app/RemovalNotice.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/EndorsersEdit.h"
#include "scenario/edit/IssuesEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

#include <QSignalBlocker>

#include <algorithm>
#include <set>
#include <vector>

using namespace ControlBinding;
using EndorsersEdit::TBonus;

namespace {

// Choice entries hold the id they stand for; a missing one is marked.
constexpr int IdRole = Qt::UserRole;
constexpr int MissingRole = Qt::UserRole + 1;

QString TextOf(const TXmlNode* element) {
    return element ? QString::fromStdString(element->GetText()) : QString();
}

std::string IdOf(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? std::string()
                                     : combo->currentData(IdRole).toString().toStdString();
}

struct TChoice {
    QString Text;
    std::string Id;
};

std::vector<TChoice> PartyChoices(const TScenarioData& data) {
    std::vector<TChoice> choices{{QStringLiteral("None"), {}}};
    const TXmlNode* root = data.Parties();
    for (int32_t i = 0; root && i < root->ChildCount(); ++i) {
        const TXmlNode* party = root->GetChildAt(i);
        choices.push_back({TextOf(ChildLookup::Child(party, "name")), party->AttributeValue("id")});
    }
    return choices;
}

std::vector<TChoice> LeaderChoices(const TScenarioData& data) {
    std::vector<TChoice> choices{{QStringLiteral("None"), {}}};
    const TXmlNode* root = data.Parties();
    for (int32_t i = 0; root && i < root->ChildCount(); ++i) {
        const TXmlNode* leaders = ChildLookup::Child(root->GetChildAt(i), "leaders");
        for (int32_t j = 0; leaders && j < leaders->ChildCount(); ++j) {
            const TXmlNode* leader = leaders->GetChildAt(j);
            choices.push_back({TextOf(ChildLookup::Child(leader, "firstname")) + QLatin1Char(' ') +
                                   TextOf(ChildLookup::Child(leader, "lastname")),
                               leader->AttributeValue("id")});
        }
    }
    return choices;
}

std::vector<TChoice> IssueChoices(const TScenarioData& data) {
    std::vector<TChoice> choices{{QStringLiteral("General"), "-1"}};
    const TXmlNode* root = data.Issues();
    for (int32_t i = 0; root && i < root->ChildCount(); ++i) {
        const TXmlNode* issue = root->GetChildAt(i);
        if (!IssuesEdit::IsAttribute(issue))
            choices.push_back(
                {TextOf(ChildLookup::Child(issue, "name")), issue->AttributeValue("id")});
    }
    return choices;
}

// Fills combo with the choices and selects the one of id, adding it as
// missing when no choice has it.
void FillChoices(QComboBox* combo, const std::vector<TChoice>& choices, const std::string& id) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    int current = 0;
    for (const TChoice& choice : choices) {
        if (choice.Id == id)
            current = combo->count();
        combo->addItem(choice.Text, QString::fromStdString(choice.Id));
    }
    if (!id.empty() && id != choices.front().Id && current == 0) {
        current = combo->count();
        combo->addItem(TEndorserEditorForm::MissingText(id), QString::fromStdString(id));
        combo->setItemData(current, true, MissingRole);
    }
    combo->setCurrentIndex(current);
    // Without anything to choose, only a missing entry needs the box.
    combo->setEnabled(combo->count() > 1);
}

// A missing entry goes once something else is chosen.
void DropMissingChoice(QComboBox* combo) {
    const QSignalBlocker quiet(combo);
    for (int i = combo->count() - 1; i >= 0; --i)
        if (i != combo->currentIndex() && combo->itemData(i, MissingRole).toBool())
            combo->removeItem(i);
}

void BindWord(QComboBox* combo, TXmlNode* element) {
    FormSupport::BindComboIgnoringCase(combo, element);
    if (!element) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(-1);
    }
    combo->setEnabled(element != nullptr);
}

TXmlNode* AffectedUnits(const TXmlNode* endorser) {
    return ChildLookup::Child(endorser, "political_units_affected");
}

TXmlNode* EntryOf(const TXmlNode* endorser, const std::string& id) {
    TXmlNode* units = AffectedUnits(endorser);
    return units ? units->FindChild("", "id", id) : nullptr;
}

QListWidgetItem* AddRegionLine(QListWidget* list, const QString& text, const std::string& id) {
    auto* line = new QListWidgetItem(text, list);
    line->setData(IdRole, QString::fromStdString(id));
    return line;
}

std::string RegionId(const QListWidgetItem* line) {
    return line->data(IdRole).toString().toStdString();
}

// The ids of the selected lines, in list order.
std::vector<std::string> SelectedIds(const QListWidget* list) {
    std::vector<std::string> ids;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            ids.push_back(RegionId(list->item(i)));
    return ids;
}

} // namespace

QString TEndorserEditorForm::MissingText(const std::string& id) {
    return QStringLiteral("(missing) %1").arg(QString::fromStdString(id));
}

TEndorserEditorForm::TEndorserEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TEndorserEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 170);
    ListFilter::Add(ui->EndorserListBox);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    connect(ui->EndorserListBox, &QListWidget::currentRowChanged, this,
            [this] { EndorserListBoxClick(); });
    connect(ui->NewEndorserButton, &QPushButton::clicked, this,
            [this] { NewEndorserButtonClick(); });
    connect(ui->RemoveButton, &QPushButton::clicked, this, [this] { RemoveButtonClick(); });
    connect(ui->NameEdit, &QLineEdit::textChanged, this, [this] { NameEditChange(); });
    connect(ui->StartDatePicker, &QDateEdit::dateChanged, this,
            [this] { DateChange(ui->StartDatePicker, true); });
    connect(ui->EndDatePicker, &QDateEdit::dateChanged, this,
            [this] { DateChange(ui->EndDatePicker, false); });
    connect(ui->PartiesComboBox, &QComboBox::currentIndexChanged, this,
            [this] { PartiesComboBoxChange(); });
    connect(ui->LeadersComboBox, &QComboBox::currentIndexChanged, this,
            [this] { LeadersComboBoxChange(); });
    connect(ui->IssuesComboBox, &QComboBox::currentIndexChanged, this,
            [this] { IssuesComboBoxChange(); });
    connect(ui->NationalEndorserCheckBox, &QCheckBox::toggled, this,
            [this] { NationalEndorserCheckBoxClick(); });
    connect(ui->AddRegionButton, &QPushButton::clicked, this, [this] { AddRegionButtonClick(); });
    connect(ui->AddAllRegionsButton, &QPushButton::clicked, this,
            [this] { AddAllRegionsButtonClick(); });
    connect(ui->RemoveRegionButton, &QPushButton::clicked, this,
            [this] { RemoveRegionButtonClick(); });
    connect(ui->RemoveAllRegionsButton, &QPushButton::clicked, this,
            [this] { RemoveAllRegionsButtonClick(); });
    connect(ui->SelectedRegionsListBox, &QListWidget::itemSelectionChanged, this,
            [this] { SelectedRegionsListBoxClick(); });
    connect(ui->MomentumEdit, &QLineEdit::textChanged, this,
            [this] { BonusChange(static_cast<int>(TBonus::Momentum)); });
    connect(ui->FootsoldierEdit, &QLineEdit::textChanged, this,
            [this] { BonusChange(static_cast<int>(TBonus::Footsoldiers)); });
    connect(ui->FootsoldierChanceEdit, &QLineEdit::textChanged, this,
            [this] { BonusChange(static_cast<int>(TBonus::Chance)); });
}

TEndorserEditorForm::~TEndorserEditorForm() {
    delete ui;
}

void TEndorserEditorForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TEndorserEditorForm::FormShow() {
    FillList();
    SelectEndorser(ui->EndorserListBox->count() > 0 ? 0 : -1);
}

void TEndorserEditorForm::FillList() {
    const QSignalBlocker quiet(ui->EndorserListBox);
    ui->EndorserListBox->clear();
    if (TXmlNode* root = Data_.Endorsers())
        for (int32_t i = 0; i < root->ChildCount(); ++i)
            FormSupport::AddEntry(ui->EndorserListBox,
                                  TextOf(ChildLookup::Child(root->GetChildAt(i), "name")),
                                  root->GetChildAt(i));
    ui->NewEndorserButton->setEnabled(Data_.Endorsers() != nullptr);
}

TXmlNode* TEndorserEditorForm::SelectedEndorser() const {
    return FormSupport::CurrentElement(ui->EndorserListBox);
}

void TEndorserEditorForm::SelectEndorser(int row) {
    FormSupport::SelectQuietly(ui->EndorserListBox, row);
    EndorserListBoxClick();
}

void TEndorserEditorForm::EndorserListBoxClick() {
    ShowEndorser(SelectedEndorser());
}

void TEndorserEditorForm::ShowEndorser(TXmlNode* endorser) {
    Filling_ = true;
    BindText(ui->NameEdit, ChildLookup::Child(endorser, "name"));
    BindText(ui->DescriptionMemo, ChildLookup::Child(endorser, "description"));
    BindText(ui->PIPEffectEdit, ChildLookup::Child(endorser, "pp_effect"));
    BindText(ui->MonetaryBonusEdit, ChildLookup::Child(endorser, "monetary_bonus"));
    ShowDate(ui->StartDatePicker, ChildLookup::Child(endorser, "start_date"),
             EndorsersEdit::PrimariesStart(Data_));
    ShowDate(ui->EndDatePicker, ChildLookup::Child(endorser, "end_date"),
             EndorsersEdit::GeneralElectionEnd(Data_));
    ShowStance(ui->PartiesComboBox, ui->PartyStanceComboBox, endorser, "party_stance", "party");
    ShowStance(ui->LeadersComboBox, ui->LeaderStanceComboBox, endorser, "leader_stance", "leader");
    ShowIssue(endorser);
    Filling_ = false;
    {
        // Each endorser starts with its own region selection.
        const QSignalBlocker quiet(ui->SelectedRegionsListBox);
        ui->SelectedRegionsListBox->clear();
    }
    // A regional endorser made national gets the bonuses of a new one.
    NationalMomentum_ = QStringLiteral("0");
    NationalFootsoldiers_ = QStringLiteral("0");
    NationalChance_ = QStringLiteral("33");
    ShowRegions(endorser);

    ui->DetailsGroup->setEnabled(endorser != nullptr);
    ui->RemoveButton->setEnabled(endorser != nullptr);
}

void TEndorserEditorForm::NameEditChange() {
    if (!BoundElement(ui->NameEdit))
        return;
    if (QListWidgetItem* line = ui->EndorserListBox->currentItem())
        line->setText(ui->NameEdit->text());
}

void TEndorserEditorForm::ShowDate(QDateEdit* picker, TXmlNode* element,
                                   const std::optional<TDate>& minusOne) {
    const QSignalBlocker quiet(picker);
    // The earliest date stands for a date that cannot be shown.
    picker->setSpecialValueText(QStringLiteral(" "));
    std::optional<TDate> date;
    if (element)
        date = element->GetText() == "-1" ? minusOne : TDate::Parse(element->GetText());
    picker->setDate(date ? QDate(date->Year, date->Month, date->Day) : picker->minimumDate());
    picker->setEnabled(element != nullptr);
}

void TEndorserEditorForm::DateChange(QDateEdit* picker, bool start) {
    TXmlNode* element = ChildLookup::Child(SelectedEndorser(), start ? "start_date" : "end_date");
    const QDate chosen = picker->date();
    if (Filling_ || !element || chosen == picker->minimumDate())
        return;
    const TDate date{chosen.year(), chosen.month(), chosen.day()};
    element->SetText(start ? EndorsersEdit::StartDateText(Data_, date)
                           : EndorsersEdit::EndDateText(Data_, date));
    Data_.SetChanged();
}

void TEndorserEditorForm::ShowStance(QComboBox* choices, QComboBox* stance, TXmlNode* endorser,
                                     const char* group, const char* target) {
    const TXmlNode* chosen = ChildLookup::Child(ChildLookup::Child(endorser, group), target);
    std::string id = chosen ? chosen->AttributeValue("id") : std::string();
    if (id == "-1")
        id.clear();
    FillChoices(choices,
                choices == ui->PartiesComboBox ? PartyChoices(Data_) : LeaderChoices(Data_), id);
    BindWord(stance, ChildLookup::Child(chosen, "initial_stance"));
}

void TEndorserEditorForm::StanceChange(QComboBox* choices, QComboBox* stance) {
    TXmlNode* endorser = SelectedEndorser();
    if (Filling_ || !endorser)
        return;
    // The stance box lets go of the old element before it may be removed.
    Unbind(stance);
    const std::string id = IdOf(choices);
    TXmlNode* chosen = choices == ui->PartiesComboBox
                           ? EndorsersEdit::SetPartyStance(Data_, endorser, id)
                           : EndorsersEdit::SetLeaderStance(Data_, endorser, id);
    BindWord(stance, ChildLookup::Child(chosen, "initial_stance"));
    DropMissingChoice(choices);
}

void TEndorserEditorForm::PartiesComboBoxChange() {
    StanceChange(ui->PartiesComboBox, ui->PartyStanceComboBox);
}

void TEndorserEditorForm::LeadersComboBoxChange() {
    StanceChange(ui->LeadersComboBox, ui->LeaderStanceComboBox);
}

void TEndorserEditorForm::ShowIssue(TXmlNode* endorser) {
    TXmlNode* issue = ChildLookup::Child(endorser, "issues")
                          ? ChildLookup::Child(endorser, "issues")->GetChildAt(0)
                          : nullptr;
    std::string id = issue ? issue->AttributeValue("id") : std::string("-1");
    if (id.empty())
        id = "-1";
    FillChoices(ui->IssuesComboBox, IssueChoices(Data_), id);
    ui->IssuesComboBox->setEnabled(endorser != nullptr);
    BindWord(ui->FavouredPositionComboBox, ChildLookup::Child(issue, "favored_position"));
}

void TEndorserEditorForm::IssuesComboBoxChange() {
    TXmlNode* endorser = SelectedEndorser();
    if (Filling_ || !endorser)
        return;
    Unbind(ui->FavouredPositionComboBox);
    TXmlNode* issue = EndorsersEdit::SetIssue(Data_, endorser, IdOf(ui->IssuesComboBox));
    BindWord(ui->FavouredPositionComboBox, ChildLookup::Child(issue, "favored_position"));
    DropMissingChoice(ui->IssuesComboBox);
}

void TEndorserEditorForm::ShowRegions(TXmlNode* endorser) {
    const bool national = EndorsersEdit::IsNational(endorser);
    const std::vector<std::string> keep = SelectedIds(ui->SelectedRegionsListBox);
    {
        const QSignalBlocker quietAvailable(ui->AvailableRegionsListBox);
        const QSignalBlocker quietSelected(ui->SelectedRegionsListBox);
        ui->AvailableRegionsListBox->clear();
        ui->SelectedRegionsListBox->clear();
        std::set<std::string> known;
        for (const TXmlNode* region : EndorsersEdit::Regions(Data_)) {
            const std::string id = region->AttributeValue("id");
            known.insert(id);
            const bool selected = endorser && !national && EntryOf(endorser, id);
            AddRegionLine(selected ? ui->SelectedRegionsListBox : ui->AvailableRegionsListBox,
                          TextOf(ChildLookup::Child(region, "name")), id);
        }
        // Entries naming a region that is gone stay visible so they can go.
        const TXmlNode* units = national ? nullptr : AffectedUnits(endorser);
        for (int32_t i = 0; units && i < units->ChildCount(); ++i) {
            const std::string id = units->GetChildAt(i)->AttributeValue("id");
            if (id != "-1" && known.insert(id).second)
                AddRegionLine(ui->SelectedRegionsListBox, MissingText(id), id);
        }
        for (int i = 0; i < ui->SelectedRegionsListBox->count(); ++i) {
            QListWidgetItem* line = ui->SelectedRegionsListBox->item(i);
            if (std::find(keep.begin(), keep.end(), RegionId(line)) != keep.end())
                line->setSelected(true);
        }
        if (SelectedIds(ui->SelectedRegionsListBox).empty() &&
            ui->SelectedRegionsListBox->count() > 0 && keep.empty())
            ui->SelectedRegionsListBox->item(0)->setSelected(true);
    }
    {
        const QSignalBlocker quiet(ui->NationalEndorserCheckBox);
        ui->NationalEndorserCheckBox->setChecked(national);
    }
    const bool regional = endorser && !national;
    const std::initializer_list<QWidget*> regionControls{
        ui->AvailableRegionsListBox, ui->SelectedRegionsListBox, ui->AddRegionButton,
        ui->AddAllRegionsButton,     ui->RemoveRegionButton,     ui->RemoveAllRegionsButton};
    for (QWidget* control : regionControls)
        control->setEnabled(regional);

    if (national) {
        TXmlNode* entry = AffectedUnits(endorser)->GetChildAt(0);
        EndorsersEdit::FootsoldierChance(Data_, entry);
        ShowBonuses(entry);
        NationalMomentum_ = ui->MomentumEdit->text();
        NationalFootsoldiers_ = ui->FootsoldierEdit->text();
        NationalChance_ = ui->FootsoldierChanceEdit->text();
    } else {
        SelectedRegionsListBoxClick();
    }
}

void TEndorserEditorForm::ShowBonuses(TXmlNode* entry) {
    Filling_ = true;
    const TXmlNode* soldiers = ChildLookup::Child(entry, "footsoldiers");
    ui->MomentumEdit->setText(TextOf(ChildLookup::Child(entry, "momentum")));
    ui->FootsoldierEdit->setText(TextOf(soldiers));
    ui->FootsoldierChanceEdit->setText(
        soldiers ? QString::fromStdString(soldiers->AttributeValue("chance")) : QString());
    Filling_ = false;
    const std::initializer_list<QWidget*> fields{ui->MomentumEdit, ui->FootsoldierEdit,
                                                 ui->FootsoldierChanceEdit};
    for (QWidget* field : fields)
        field->setEnabled(entry != nullptr);
}

void TEndorserEditorForm::SelectedRegionsListBoxClick() {
    TXmlNode* endorser = SelectedEndorser();
    if (EndorsersEdit::IsNational(endorser))
        return;
    const std::vector<std::string> ids = SelectedIds(ui->SelectedRegionsListBox);
    TXmlNode* entry = ids.empty() ? nullptr : EntryOf(endorser, ids.front());
    if (entry)
        EndorsersEdit::FootsoldierChance(Data_, entry);
    ShowBonuses(entry);
}

void TEndorserEditorForm::BonusChange(int bonus) {
    TXmlNode* endorser = SelectedEndorser();
    if (Filling_ || !endorser)
        return;
    const auto kind = static_cast<TBonus>(bonus);
    const QLineEdit* field = kind == TBonus::Momentum       ? ui->MomentumEdit
                             : kind == TBonus::Footsoldiers ? ui->FootsoldierEdit
                                                            : ui->FootsoldierChanceEdit;
    const std::string text = field->text().toStdString();
    if (EndorsersEdit::IsNational(endorser)) {
        EndorsersEdit::SetBonus(Data_, AffectedUnits(endorser)->GetChildAt(0), kind, text);
        return;
    }
    for (const std::string& id : SelectedIds(ui->SelectedRegionsListBox))
        EndorsersEdit::SetBonus(Data_, EntryOf(endorser, id), kind, text);
}

void TEndorserEditorForm::MoveRegions(QListWidget* from, bool all) {
    TXmlNode* endorser = SelectedEndorser();
    if (!endorser || EndorsersEdit::IsNational(endorser))
        return;
    for (int i = 0; i < from->count(); ++i) {
        if (!all && !from->item(i)->isSelected())
            continue;
        const std::string id = RegionId(from->item(i));
        if (from == ui->AvailableRegionsListBox)
            EndorsersEdit::AddRegion(Data_, endorser, id);
        else
            EndorsersEdit::RemoveRegion(Data_, endorser, id);
    }
    ShowRegions(endorser);
}

void TEndorserEditorForm::AddRegionButtonClick() {
    MoveRegions(ui->AvailableRegionsListBox, false);
}

void TEndorserEditorForm::AddAllRegionsButtonClick() {
    MoveRegions(ui->AvailableRegionsListBox, true);
}

void TEndorserEditorForm::RemoveRegionButtonClick() {
    MoveRegions(ui->SelectedRegionsListBox, false);
}

void TEndorserEditorForm::RemoveAllRegionsButtonClick() {
    MoveRegions(ui->SelectedRegionsListBox, true);
}

void TEndorserEditorForm::NationalEndorserCheckBoxClick() {
    TXmlNode* endorser = SelectedEndorser();
    if (!endorser)
        return;
    if (ui->NationalEndorserCheckBox->isChecked()) {
        EndorsersEdit::MakeNational(Data_, endorser, NationalMomentum_.toStdString(),
                                    NationalFootsoldiers_.toStdString(),
                                    NationalChance_.toStdString());
    } else {
        NationalMomentum_ = ui->MomentumEdit->text();
        NationalFootsoldiers_ = ui->FootsoldierEdit->text();
        NationalChance_ = ui->FootsoldierChanceEdit->text();
        EndorsersEdit::MakeRegional(Data_, endorser);
    }
    ShowRegions(endorser);
}

void TEndorserEditorForm::NewEndorserButtonClick() {
    TXmlNode* endorser = EndorsersEdit::NewEndorser(Data_);
    if (!endorser)
        return;
    FormSupport::AddEntry(ui->EndorserListBox, TextOf(ChildLookup::Child(endorser, "name")),
                          endorser);
    SelectEndorser(ui->EndorserListBox->count() - 1);
}

void TEndorserEditorForm::RemoveButtonClick() {
    TXmlNode* endorser = SelectedEndorser();
    if (!endorser)
        return;
    const int row = ui->EndorserListBox->currentRow();
    // The fields must let go of the endorser's elements before they go.
    ShowEndorser(nullptr);
    FormSupport::TakeEntry(ui->EndorserListBox, row);
    TRemovalRepairs repairs;
    EndorsersEdit::RemoveEndorser(Data_, endorser, &repairs);
    EndorserListBoxClick();
    TellRemovalRepairs(repairs, TScenarioFile::Endorsers);
}

void TEndorserEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { ShowTarget(target); });
}

void TEndorserEditorForm::SelectRegion(const std::string& id) {
    QListWidget* list = ui->SelectedRegionsListBox;
    for (int row = 0; row < list->count(); ++row)
        if (RegionId(list->item(row)) == id) {
            // One change of selection, so the bonuses shown are this region's.
            {
                const QSignalBlocker quiet(list);
                list->clearSelection();
                list->setCurrentItem(list->item(row), QItemSelectionModel::NoUpdate);
            }
            list->item(row)->setSelected(true);
            list->scrollToItem(list->item(row));
            return;
        }
}

void TEndorserEditorForm::ShowTarget(const TElementTarget& target) {
    TXmlNode* endorser = ElementFocus::SelectEntryHolding(ui->EndorserListBox, target.Item());
    if (!endorser) {
        ElementFocus::FocusControl(ui->EndorserListBox);
        return;
    }
    // The group of the endorser the element lies in (party_stance,
    // political_units_affected, ...) and the entry of that group.
    const TXmlNode* part = ElementFocus::ChildHolding(endorser, target.Element);
    const TXmlNode* entry = ElementFocus::ChildHolding(part, target.Element);
    const std::string group = part ? part->Name : target.Field;
    std::string leaf = target.Field;
    if (leaf.empty() && entry && entry != target.Element)
        leaf = target.Element->Name;
    if (group == "political_units_affected" && entry)
        SelectRegion(entry->AttributeValue("id"));

    QWidget* regions = EndorsersEdit::IsNational(endorser)
                           ? static_cast<QWidget*>(ui->NationalEndorserCheckBox)
                           : static_cast<QWidget*>(ui->SelectedRegionsListBox);
    QWidget* bonus = leaf == "momentum"       ? ui->MomentumEdit
                     : leaf == "footsoldiers" ? ui->FootsoldierEdit
                                              : regions;
    QWidget* party = leaf == "initial_stance" ? static_cast<QWidget*>(ui->PartyStanceComboBox)
                                              : static_cast<QWidget*>(ui->PartiesComboBox);
    QWidget* leader = leaf == "initial_stance" ? static_cast<QWidget*>(ui->LeaderStanceComboBox)
                                               : static_cast<QWidget*>(ui->LeadersComboBox);
    QWidget* issue = leaf == "favored_position"
                         ? static_cast<QWidget*>(ui->FavouredPositionComboBox)
                         : static_cast<QWidget*>(ui->IssuesComboBox);
    const ElementFocus::TFieldControls controls{{"name", ui->NameEdit},
                                                {"description", ui->DescriptionMemo},
                                                {"start_date", ui->StartDatePicker},
                                                {"end_date", ui->EndDatePicker},
                                                {"pp_effect", ui->PIPEffectEdit},
                                                {"monetary_bonus", ui->MonetaryBonusEdit},
                                                {"party_stance", party},
                                                {"leader_stance", leader},
                                                {"political_units_affected", bonus},
                                                {"issues", issue}};
    ElementFocus::FocusTarget(this, target, ElementFocus::ControlFor(controls, group),
                              ui->EndorserListBox);
}
