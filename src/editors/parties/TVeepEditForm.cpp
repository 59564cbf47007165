#include "editors/parties/TVeepEditForm.h"
#include "ui_TVeepEditForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/gallery/Gallery.h"
#include "editors/parties/CandidateFields.h"
#include "editors/parties/GallerySamples.h"
#include "editors/parties/PartyTargets.h"
#include "scenario/edit/CandidatesEdit.h"
#include "xml/TXmlNode.h"

#include <QShowEvent>

using namespace ControlBinding;

namespace {

TXmlNode* Child(const TXmlNode* parent, const char* name) {
    return parent ? parent->GetChild(name) : nullptr;
}

} // namespace

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
    BindText(ui->FirstNameEdit, Child(v, "firstname"));
    BindText(ui->LastNameEdit, Child(v, "lastname"));
    CandidateFields::BindGender(ui->GenderComboBox, Child(v, "sex"));
    BindText(ui->AgeEdit, Child(v, "age"));
    CandidateFields::BindHomeRegion(ui->HomeRegionComboBox, Data_, Child(v, "home_political_unit"),
                                    [this](const std::string& id) {
                                        CandidatesEdit::SetViceLeaderHome(Data_, ViceLeader_, id);
                                    });
    FormSupport::BindComboIgnoringCase(ui->HowWellKnownComboBox, Child(v, "how_well_known"));
    BindText(ui->PointsCostEdit, Child(v, "political_points_cost"));
    const TXmlNode* bonuses = Child(v, "percentage_bonuses");
    BindText(ui->HomeBonusEdit, Child(bonuses ? bonuses->GetChildAt(0) : nullptr, "bonus"));
    CandidateFields::BindRatings({ui->LeadershipEdit, ui->IntegrityEdit, ui->ExperienceEdit,
                                  ui->IssueFamiliarityEdit, ui->CharismaEdit, ui->StaminaEdit,
                                  ui->DebatingEdit},
                                 Child(v, "attributes"));
}

void TVeepEditForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        if (PartyTargets::FocusBound(this, target))
            return;
        // The controls that show an element without a binding; the home
        // bonus is the one region bonus a vice-leader has.
        const TXmlNode* node = PartyTargets::Node(target);
        if (ElementFocus::Within(node, Child(ViceLeader_, "percentage_bonuses")))
            return ElementFocus::FocusControl(ui->HomeBonusEdit);
        if (node && node->Name == "sex")
            return ElementFocus::FocusControl(ui->GenderComboBox);
        if (node && node->Name == "home_political_unit")
            return ElementFocus::FocusControl(ui->HomeRegionComboBox);
    });
}

STUMPCRAFT_GALLERY_PAGE("TVeepEditForm", [](TGalleryContext& context) {
    TVeepEditForm form(*context.Scenario,
                       GallerySamples::FirstCandidate(*context.Scenario, "viceleaders"));
    context.Shoot(&form);
});
