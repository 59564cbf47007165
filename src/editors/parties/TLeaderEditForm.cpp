#include "editors/parties/TLeaderEditForm.h"
#include "ui_TLeaderEditForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/Pictures.h"
#include "editors/parties/CandidateFields.h"
#include "editors/parties/PartyTargets.h"
#include "editors/parties/TChangeColourForm.h"
#include "editors/parties/TCrusadersEditorForm.h"
#include "editors/parties/TPercentagesEditorForm.h"
#include "editors/parties/TPlatformEditorForm.h"
#include "editors/parties/TSelectVeepsForm.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/MissingFields.h"
#include "scenario/edit/PartiesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QShowEvent>
#include <QSignalBlocker>

using namespace ControlBinding;

namespace {

QString TextOf(const TXmlNode* parent, const char* name) {
    const TXmlNode* child = ChildLookup::Child(parent, name);
    return child ? QString::fromStdString(child->GetText()) : QString();
}

void ShowPortrait(QLabel* frame, const TScenarioData& data, const Pictures::TKind& kind,
                  const QString& name) {
    const QImage image = Pictures::Load(data, kind, name);
    if (image.isNull())
        frame->clear();
    else
        frame->setPixmap(QPixmap::fromImage(image));
}

} // namespace

TLeaderEditForm::TLeaderEditForm(TScenarioData& data, TXmlNode* leader, QWidget* parent)
    : QDialog(parent), ui(new Ui::TLeaderEditForm), Data_(data), Leader_(leader) {
    ui->setupUi(this);
    FormSupport::LimitLength(ui->TitleEdit, 15);
    FormSupport::LimitLength(ui->FirstNameEdit, 20);
    FormSupport::LimitLength(ui->LastNameEdit, 20);
    setProperty("helpTopic", 153);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    FormSupport::LimitLength(ui->PrimariesDescriptionMemo, 450);
    FormSupport::LimitLength(ui->GeneralDescriptionMemo, 450);
    ui->LargeImage->installEventFilter(this);
    ui->SmallImage->installEventFilter(this);
    ui->ColorSwatch->installEventFilter(this);

    connect(ui->LastNameEdit, &QLineEdit::textChanged, this, &TLeaderEditForm::LastNameEditChange);
    connect(ui->RegionBonusListBox, &QListWidget::currentRowChanged, this,
            &TLeaderEditForm::RegionBonusListBoxClick);
    connect(ui->ChangeLargeImageButton, &QPushButton::clicked, this,
            &TLeaderEditForm::ChangeLargeImageClick);
    connect(ui->ChangeSmallImageButton, &QPushButton::clicked, this,
            &TLeaderEditForm::ChangeSmallImageClick);
    connect(ui->VeepsButton, &QPushButton::clicked, this, &TLeaderEditForm::VeepsButtonClick);
    connect(ui->CrusadersButton, &QPushButton::clicked, this,
            &TLeaderEditForm::CrusadersButtonClick);
    connect(ui->ChangeColorButton, &QPushButton::clicked, this, &TLeaderEditForm::ChangeColorClick);
    connect(ui->IssuesButton, &QPushButton::clicked, this, &TLeaderEditForm::IssuesButtonClick);
    connect(ui->PercentagesButton, &QPushButton::clicked, this,
            &TLeaderEditForm::PercentagesButtonClick);
}

TLeaderEditForm::~TLeaderEditForm() {
    delete ui;
}

void TLeaderEditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TLeaderEditForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == ui->LargeImage) {
            ChangeLargeImageClick();
            return true;
        }
        if (watched == ui->SmallImage) {
            ChangeSmallImageClick();
            return true;
        }
        if (watched == ui->ColorSwatch) {
            ChangeColorClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TLeaderEditForm::FormShow() {
    TXmlNode* l = Leader_;
    CandidatesEdit::EnsurePortraitNames(Data_, l);
    CandidatesEdit::EnsureRegionBonuses(Data_, l);

    // A field the leader lacks is added at its first edit.
    BindCheck(ui->DefaultOnCheckBox, {l, "default_on"});
    FormSupport::BindLimitedText(ui->TitleEdit, {l, "title"});
    FormSupport::BindLimitedText(ui->FirstNameEdit, {l, "firstname"});
    FormSupport::BindLimitedText(ui->LastNameEdit, {l, "lastname"});
    LastNameEditChange();
    BindText(ui->AgeEdit, {l, "age"});
    CandidateFields::BindGender(ui->GenderComboBox, {l, "sex"});
    CandidateFields::BindHomeRegion(
        ui->HomeRegionComboBox, Data_, ChildLookup::Child(l, "home_political_unit"),
        [l](const std::string& id) {
            if (TXmlNode* home = MissingFields::Add(l, "home_political_unit"))
                home->SetAttribute("id", id);
        });
    FormSupport::BindLimitedText(ui->PrimariesDescriptionMemo, {l, "primaries_description"});
    FormSupport::BindLimitedText(ui->GeneralDescriptionMemo, {l, "generalelection_description"});
    BindText(ui->StartingFundsEdit, {l, "starting_funds"});
    BindText(ui->InfluencePointsEdit, {l, "political_influence_points"});
    FormSupport::BindComboIgnoringCase(ui->HowWellKnownComboBox, {l, "how_well_known"});
    BindText(ui->EstablishedEdit, {l, "established_primaries"});
    BindText(ui->PercentageGoalEdit, {l, "goals/percentage"});
    BindText(ui->SeatsGoalEdit, {l, "goals/seats"});
    BindText(ui->LanguageBonusEdit, {l, "language_bonus"});
    CandidateFields::BindRatings({ui->LeadershipEdit, ui->IntegrityEdit, ui->ExperienceEdit,
                                  ui->IssueFamiliarityEdit, ui->CharismaEdit, ui->StaminaEdit,
                                  ui->DebatingEdit},
                                 l);
    FillRegionBonuses();
    ShowPortraits();
    ShowColour();
    for (QPushButton* button : {ui->VeepsButton, ui->CrusadersButton, ui->ChangeLargeImageButton,
                                ui->ChangeSmallImageButton, ui->ChangeColorButton, ui->IssuesButton,
                                ui->PercentagesButton})
        button->setEnabled(l != nullptr);
}

QString TLeaderEditForm::LastName() const {
    return ui->LastNameEdit->text();
}

void TLeaderEditForm::LastNameEditChange() {
    ui->LeaderInfoGroup->setTitle(LastName() + QStringLiteral("'s Information"));
}

void TLeaderEditForm::FillRegionBonuses() {
    {
        const QSignalBlocker quiet(ui->RegionBonusListBox);
        ui->RegionBonusListBox->clear();
        const TXmlNode* regions = PartiesEdit::RegionList(Data_);
        const TXmlNode* bonuses = ChildLookup::Child(Leader_, "percentage_bonuses");
        for (int32_t i = 0; regions && bonuses && i < regions->ChildCount(); ++i) {
            const TXmlNode* region = regions->GetChildAt(i);
            FormSupport::AddEntry(
                ui->RegionBonusListBox, TextOf(region, "name"),
                bonuses->FindChild("political_unit", "id", region->AttributeValue("id")));
        }
    }
    FormSupport::SelectQuietly(ui->RegionBonusListBox,
                               ui->RegionBonusListBox->count() > 0 ? 0 : -1);
    RegionBonusListBoxClick();
}

void TLeaderEditForm::RegionBonusListBoxClick() {
    TXmlNode* entry = FormSupport::CurrentElement(ui->RegionBonusListBox);
    BindText(ui->RegionBonusEdit, {entry, "bonus"});
    ui->RegionBonusEdit->setEnabled(entry != nullptr);
}

void TLeaderEditForm::ShowPortraits() {
    ShowPortrait(ui->LargeImage, Data_, Pictures::LargePortrait, TextOf(Leader_, "image_large"));
    ShowPortrait(ui->SmallImage, Data_, Pictures::SmallPortrait, TextOf(Leader_, "image_small"));
}

void TLeaderEditForm::ChangeLargeImageClick() {
    ChangePortrait("image_large", "_large", Pictures::LargePortrait);
}

void TLeaderEditForm::ChangeSmallImageClick() {
    ChangePortrait("image_small", "_small", Pictures::SmallPortrait);
}

void TLeaderEditForm::ChangePortrait(const char* field, const char* suffix,
                                     const Pictures::TKind& kind) {
    if (!Leader_)
        return;
    const auto stored = Pictures::Choose(Data_, kind, [suffix](const QString& chosen) {
        return QString::fromStdString(CandidatesEdit::PortraitName(chosen.toStdString(), suffix));
    });
    if (!stored)
        return;
    TXmlNode* element = ChildLookup::Child(Leader_, field);
    if (!element)
        element = Leader_->AddNewChild(field);
    element->SetText(stored->toStdString());
    Data_.SetChanged();
    ShowPortraits();
}

void TLeaderEditForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        const std::string& window = target.Window;
        if (window == "TSelectVeepsForm")
            OpenVeeps(&target);
        else if (window == "TCrusadersEditorForm")
            OpenCrusaders(&target);
        else if (window == "TPlatformEditorForm")
            OpenPlatform(&target);
        else if (window == "TPercentagesEditorForm")
            OpenPercentages(&target);
        else
            FocusTarget(target);
    });
}

void TLeaderEditForm::FocusTarget(const TElementTarget& target) {
    if (PartyTargets::FocusBound(this, target))
        return;
    const TXmlNode* node = PartyTargets::Node(target);
    // A region bonus: its region's entry, then its field.
    if (const TXmlNode* bonus =
            PartyTargets::ChildOnPath(node, ChildLookup::Child(Leader_, "percentage_bonuses"))) {
        if (ElementFocus::SelectEntry(ui->RegionBonusListBox, bonus))
            return ElementFocus::FocusControl(ui->RegionBonusEdit);
        return ElementFocus::FocusControl(ui->RegionBonusListBox);
    }
    // The controls that show an element without a binding.
    const std::string name = node && node->Parent() == Leader_ ? node->Name : std::string();
    const std::pair<const char*, QWidget*> controls[] = {
        {"sex", ui->GenderComboBox},
        {"home_political_unit", ui->HomeRegionComboBox},
        {"image_large", ui->ChangeLargeImageButton},
        {"image_small", ui->ChangeSmallImageButton},
        {"leader_color", ui->ChangeColorButton},
        {"percentage_bonuses", ui->RegionBonusListBox},
        // The lists of their own windows: the buttons that open them.
        {"viceleaders", ui->VeepsButton},
        {"crusaders", ui->CrusadersButton},
        {"platform", ui->IssuesButton}};
    for (const auto& [element, control] : controls)
        if (name == element)
            return ElementFocus::FocusControl(control);
}

void TLeaderEditForm::VeepsButtonClick() {
    OpenVeeps(nullptr);
}

void TLeaderEditForm::OpenVeeps(const TElementTarget* target) {
    if (!Leader_)
        return;
    TSelectVeepsForm form(Data_, CandidatesEdit::PartyOf(Data_, Leader_), Leader_, this);
    form.setWindowTitle(
        QStringLiteral("Step 5: %1's Vice-Presidential Candidates").arg(LastName()));
    if (target)
        form.ShowElement(*target);
    form.exec();
}

void TLeaderEditForm::CrusadersButtonClick() {
    OpenCrusaders(nullptr);
}

void TLeaderEditForm::OpenCrusaders(const TElementTarget* target) {
    if (!Leader_)
        return;
    TXmlNode* crusaders = ChildLookup::Child(Leader_, "crusaders");
    if (!crusaders)
        crusaders = Leader_->AddNewChild("crusaders");
    TCrusadersEditorForm form(Data_, crusaders, this);
    form.setWindowTitle(QStringLiteral("Step 5: Create / Edit %1's Crusaders").arg(LastName()));
    if (target)
        form.ShowElement(*target);
    form.exec();
}

void TLeaderEditForm::ShowColour() {
    ui->ColorSwatch->setPixmap(
        TChangeColourForm::Swatch(TextOf(Leader_, "leader_color"), ui->ColorSwatch->minimumSize()));
}

void TLeaderEditForm::ChangeColorClick() {
    if (!Leader_)
        return;
    TXmlNode* colour = ChildLookup::Child(Leader_, "leader_color");
    TChangeColourForm chooser(colour ? QString::fromStdString(colour->GetText()) : QString(), this);
    if (chooser.exec() != QDialog::Accepted || chooser.ChosenColour().isEmpty())
        return;
    if (!colour)
        colour = Leader_->AddNewChild("leader_color");
    if (chooser.ChosenColour().toStdString() != colour->GetText()) {
        colour->SetText(chooser.ChosenColour().toStdString());
        Data_.SetChanged();
    }
    ShowColour();
}

void TLeaderEditForm::IssuesButtonClick() {
    OpenPlatform(nullptr);
}

void TLeaderEditForm::OpenPlatform(const TElementTarget* target) {
    if (!Leader_)
        return;
    TPlatformEditorForm form(Data_, Leader_, this);
    form.setWindowTitle(QStringLiteral("Set %1's Platform").arg(LastName()));
    if (target)
        form.ShowElement(*target);
    form.exec();
}

void TLeaderEditForm::PercentagesButtonClick() {
    OpenPercentages(nullptr);
}

void TLeaderEditForm::OpenPercentages(const TElementTarget* target) {
    if (!Leader_)
        return;
    TPercentagesEditorForm form(Data_, Leader_, this);
    if (target)
        form.ShowElement(*target);
    form.exec();
}
