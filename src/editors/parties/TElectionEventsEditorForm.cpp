#include "editors/parties/TElectionEventsEditorForm.h"
#include "ui_TElectionEventsEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/Prompts.h"
#include "editors/parties/PartyTargets.h"
#include "editors/parties/TPartyEditForm.h"
#include "scenario/edit/PartiesEdit.h"
#include "scenario/edit/RegionElectionEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QShowEvent>
#include <QSignalBlocker>

using namespace ControlBinding;

namespace {

QString NameOf(const TXmlNode* item) {
    const TXmlNode* name = ChildLookup::Child(item, "name");
    return name ? QString::fromStdString(name->GetText()) : QString();
}

} // namespace

TElectionEventsEditorForm::TElectionEventsEditorForm(TScenarioData& data, TXmlNode* party,
                                                     QWidget* parent)
    : QDialog(parent), ui(new Ui::TElectionEventsEditorForm), Data_(data), Party_(party) {
    ui->setupUi(this);
    setProperty("helpTopic", 154);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (ChildLookup::Child(party, "name"))
        setWindowTitle(
            QStringLiteral("Step 5: %1 Party's Regional Information").arg(NameOf(party)));

    connect(ui->RegionsListBox, &QListWidget::currentRowChanged, this,
            &TElectionEventsEditorForm::RegionsListBoxClick);
    connect(ui->TypeComboBox, &QComboBox::currentIndexChanged, this,
            &TElectionEventsEditorForm::TypeComboBoxChange);
    // Any change of state writes; showing a region sets the boxes quietly.
    connect(ui->BallotCheckBox, &QCheckBox::toggled, this,
            &TElectionEventsEditorForm::BallotCheckBoxClick);
    connect(ui->GovernorCheckBox, &QCheckBox::toggled, this,
            &TElectionEventsEditorForm::GovernorCheckBoxClick);
    connect(ui->MajorityCheckBox, &QCheckBox::toggled, this,
            &TElectionEventsEditorForm::MajorityCheckBoxClick);
}

TElectionEventsEditorForm::~TElectionEventsEditorForm() {
    delete ui;
}

void TElectionEventsEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

std::string TElectionEventsEditorForm::PartyId() const {
    return Party_ ? Party_->AttributeValue("id") : std::string();
}

void TElectionEventsEditorForm::FormShow() {
    {
        const QSignalBlocker quiet(ui->RegionsListBox);
        ui->RegionsListBox->clear();
        const TXmlNode* regions = PartiesEdit::RegionList(Data_);
        for (int32_t i = 0; Party_ && regions && i < regions->ChildCount(); ++i)
            FormSupport::AddEntry(ui->RegionsListBox, NameOf(regions->GetChildAt(i)),
                                  regions->GetChildAt(i));
    }
    FormSupport::SelectQuietly(ui->RegionsListBox, ui->RegionsListBox->count() > 0 ? 0 : -1);
    RegionsListBoxClick();
}

void TElectionEventsEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        if (!PartyTargets::SelectEntryHolding(ui->RegionsListBox, target))
            return ElementFocus::FocusControl(ui->RegionsListBox);
        if (PartyTargets::FocusBound(this, target))
            return;
        const TXmlNode* node = PartyTargets::Node(target);
        if (node && node->Name == "type" && node->Parent() == Event_)
            return ElementFocus::FocusControl(ui->TypeComboBox);
        ElementFocus::FocusControl(ui->RegionsListBox);
    });
}

TXmlNode* TElectionEventsEditorForm::FocusedRegion() const {
    return FormSupport::CurrentElement(ui->RegionsListBox);
}

std::vector<TXmlNode*> TElectionEventsEditorForm::SelectedRegions() const {
    std::vector<TXmlNode*> regions;
    for (int row = 0; row < ui->RegionsListBox->count(); ++row)
        if (ui->RegionsListBox->item(row)->isSelected())
            regions.push_back(FormSupport::EntryElement(ui->RegionsListBox->item(row)));
    return regions;
}

void TElectionEventsEditorForm::RegionsListBoxClick() {
    TXmlNode* region = FocusedRegion();
    // The fields let go of the old event before the new one is looked up.
    Event_ = RegionElectionEdit::PartyEvent(Data_, region, PartyId());
    TXmlNode* seat = ChildLookup::Child(Event_, "seat");
    FormSupport::BindDateOrBlank(ui->DateTimePicker, ChildLookup::Child(Event_, "date"));
    BindText(ui->BonusEdit, ChildLookup::Child(Event_, "profile_bonus"));
    FormSupport::BindComboIgnoringCase(ui->SeatTypeComboBox, ChildLookup::Child(seat, "type"));
    BindText(ui->SeatNumberEdit, ChildLookup::Child(seat, "number"));
    BindText(ui->CutOffEdit, ChildLookup::Child(seat, "cut_off"));
    {
        const QSignalBlocker quiet(ui->TypeComboBox);
        ui->TypeComboBox->setCurrentIndex(ui->TypeComboBox->findText(
            QString::fromStdString(RegionElectionEdit::EventTypeEntry(Event_))));
    }
    const std::string party = PartyId();
    {
        const QSignalBlocker quietBallot(ui->BallotCheckBox);
        const QSignalBlocker quietGovernor(ui->GovernorCheckBox);
        const QSignalBlocker quietMajority(ui->MajorityCheckBox);
        ui->BallotCheckBox->setChecked(RegionElectionEdit::OnBallot(region, party));
        ui->GovernorCheckBox->setChecked(RegionElectionEdit::HasGovernor(region, party));
        ui->MajorityCheckBox->setChecked(RegionElectionEdit::HasMajority(region, party));
    }
    ui->PrimaryGroup->setEnabled(Event_ != nullptr);
    ui->SeatsGroup->setEnabled(Event_ != nullptr);
    for (QCheckBox* box : {ui->BallotCheckBox, ui->GovernorCheckBox, ui->MajorityCheckBox})
        box->setEnabled(region != nullptr);
}

void TElectionEventsEditorForm::TypeComboBoxChange() {
    RegionElectionEdit::SetEventType(Data_, Event_, ui->TypeComboBox->currentText().toStdString());
}

void TElectionEventsEditorForm::BallotCheckBoxClick() {
    const std::vector<TXmlNode*> skipped = RegionElectionEdit::SetOnBallot(
        Data_, SelectedRegions(), PartyId(), ui->BallotCheckBox->isChecked());
    if (skipped.empty())
        return;
    QStringList names;
    for (const TXmlNode* region : skipped)
        names << NameOf(region);
    Prompts().Message(QStringLiteral("Attention"),
                      QStringLiteral("These regions have no general election event, so their "
                                     "ballot was not changed: %1.\nOpening a region in Step 3 "
                                     "gives it a general election event.")
                          .arg(names.join(QStringLiteral(", "))));
    const QSignalBlocker quiet(ui->BallotCheckBox);
    ui->BallotCheckBox->setChecked(RegionElectionEdit::OnBallot(FocusedRegion(), PartyId()));
}

void TElectionEventsEditorForm::GovernorCheckBoxClick() {
    RegionElectionEdit::SetGovernor(Data_, SelectedRegions(), PartyId(),
                                    ui->GovernorCheckBox->isChecked());
}

void TElectionEventsEditorForm::MajorityCheckBoxClick() {
    RegionElectionEdit::SetMajority(Data_, SelectedRegions(), PartyId(),
                                    ui->MajorityCheckBox->isChecked());
}

// The party editor's "Region Info ..." button opens this window.
static const bool RegionInfoWindowRegistered = [] {
    TPartyEditForm::OpenRegionInfo() = [](TScenarioData& data, TXmlNode* party, QWidget* parent,
                                          const TElementTarget* target) {
        TElectionEventsEditorForm form(data, party, parent);
        if (target)
            form.ShowElement(*target);
        form.exec();
    };
    return true;
}();
