#include "editors/parties/TVeepEditForm.h"
#include "ui_TVeepEditForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "editors/parties/CandidateFields.h"
#include "editors/parties/PartyTargets.h"
#include "scenario/edit/CandidatesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QShowEvent>

using namespace ControlBinding;

TVeepEditForm::TVeepEditForm(TScenarioData& data, TXmlNode* viceLeader, QWidget* parent)
    : QDialog(parent), ui(new Ui::TVeepEditForm), Data_(data), ViceLeader_(viceLeader) {
    ui->setupUi(this);
    setProperty("helpTopic", 157);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

TVeepEditForm::~TVeepEditForm() {
    delete ui;
}

void TVeepEditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TVeepEditForm::FormShow() {
    TXmlNode* v = ViceLeader_;
    // A field the vice-leader lacks is added at its first edit.
    BindText(ui->FirstNameEdit, {v, "firstname"});
    BindText(ui->LastNameEdit, {v, "lastname"});
    CandidateFields::BindGender(ui->GenderComboBox, {v, "sex"});
    BindText(ui->AgeEdit, {v, "age"});
    CandidateFields::BindHomeRegion(ui->HomeRegionComboBox, Data_,
                                    ChildLookup::Child(v, "home_political_unit"),
                                    [this](const std::string& id) {
                                        CandidatesEdit::SetViceLeaderHome(Data_, ViceLeader_, id);
                                    });
    FormSupport::BindComboIgnoringCase(ui->HowWellKnownComboBox, {v, "how_well_known"});
    BindText(ui->PointsCostEdit, {v, "political_points_cost"});
    // The home bonus entry names the home region: without one there is
    // nothing to type into.
    const TXmlNode* bonuses = ChildLookup::Child(v, "percentage_bonuses");
    TXmlNode* homeBonus = bonuses ? bonuses->GetChildAt(0) : nullptr;
    BindText(ui->HomeBonusEdit, {homeBonus, "bonus"});
    ui->HomeBonusEdit->setEnabled(homeBonus != nullptr);
    CandidateFields::BindRatings({ui->LeadershipEdit, ui->IntegrityEdit, ui->ExperienceEdit,
                                  ui->IssueFamiliarityEdit, ui->CharismaEdit, ui->StaminaEdit,
                                  ui->DebatingEdit},
                                 v);
}

void TVeepEditForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        if (PartyTargets::FocusBound(this, target))
            return;
        // The controls that show an element without a binding; the home
        // bonus is the one region bonus a vice-leader has.
        const TXmlNode* node = PartyTargets::Node(target);
        if (ElementFocus::Contains(ChildLookup::Child(ViceLeader_, "percentage_bonuses"), node))
            return ElementFocus::FocusControl(ui->HomeBonusEdit);
        if (node && node->Name == "sex")
            return ElementFocus::FocusControl(ui->GenderComboBox);
        if (node && node->Name == "home_political_unit")
            return ElementFocus::FocusControl(ui->HomeRegionComboBox);
    });
}
