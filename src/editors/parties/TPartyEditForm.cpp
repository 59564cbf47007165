#include "editors/parties/TPartyEditForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/Pictures.h"
#include "editors/parties/PartyTargets.h"
#include "editors/parties/TChangeColourForm.h"
#include "editors/parties/TPercentagesEditorForm.h"
#include "editors/parties/TPlatformEditorForm.h"
#include "editors/world/TDebatesEditorForm.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/PartiesEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TPartyEditForm.h"
#include "xml/ChildLookup.h"

#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

using namespace ControlBinding;

namespace {

constexpr int NameLength = 20;
constexpr int AbbreviationLength = 3;
// An ad credit entry holds its ad (null for a credit naming a lost ad) and
// the ad's id.
constexpr int AdIdRole = Qt::UserRole + 1;

QString TextOf(const TXmlNode* parent, const char* name) {
    const TXmlNode* child = ChildLookup::Child(parent, name);
    return child ? QString::fromStdString(child->GetText()) : QString();
}

std::string AdIdOf(const QListWidgetItem* item) {
    return item->data(AdIdRole).toString().toStdString();
}

std::vector<std::string> SelectedAdIds(const QListWidget* list) {
    std::vector<std::string> ids;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            ids.push_back(AdIdOf(list->item(row)));
    return ids;
}

} // namespace

TPartyEditForm::TPartyWindow& TPartyEditForm::OpenCandidates() {
    static TPartyWindow window;
    return window;
}

TPartyEditForm::TPartyWindow& TPartyEditForm::OpenRegionInfo() {
    static TPartyWindow window;
    return window;
}

TPartyEditForm::TPartyEditForm(TScenarioData& data, TXmlNode* party, QWidget* parent)
    : QDialog(parent), ui(new Ui::TPartyEditForm), Data_(data), Party_(party) {
    ui->setupUi(this);
    setProperty("helpTopic", 151);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    FormSupport::LimitLength(ui->NameEdit, NameLength);
    FormSupport::LimitLength(ui->AbbreviationEdit, AbbreviationLength);
    ui->PartyImage->installEventFilter(this);
    ui->ColorShape->installEventFilter(this);

    connect(ui->LocationComboBox, &QComboBox::activated, this,
            &TPartyEditForm::LocationComboBoxChange);
    connect(ui->ChangeImageButton, &QPushButton::clicked, this, &TPartyEditForm::PartyImageClick);
    connect(ui->ChangeColorButton, &QPushButton::clicked, this, &TPartyEditForm::ColorShapeClick);
    connect(ui->AddAdButton, &QPushButton::clicked, this, &TPartyEditForm::AddAdButtonClick);
    connect(ui->RemoveAdButton, &QPushButton::clicked, this, &TPartyEditForm::RemoveAdButtonClick);
    connect(ui->SelectedAdsListBox, &QListWidget::currentRowChanged, this,
            &TPartyEditForm::SelectedAdsListBoxClick);
    connect(ui->PercentagesButton, &QPushButton::clicked, this,
            &TPartyEditForm::PercentagesButtonClick);
    connect(ui->PlatformButton, &QPushButton::clicked, this, &TPartyEditForm::PlatformButtonClick);
    connect(ui->DebatesButton, &QPushButton::clicked, this, [this] { DebatesButtonClick(); });
    connect(ui->CandidatesButton, &QPushButton::clicked, this,
            [this] { OpenPartyWindow(OpenCandidates(), nullptr); });
    connect(ui->RegionInfoButton, &QPushButton::clicked, this,
            [this] { OpenPartyWindow(OpenRegionInfo(), nullptr); });
}

TPartyEditForm::~TPartyEditForm() {
    delete ui;
}

void TPartyEditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TPartyEditForm::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == ui->PartyImage || watched == ui->ColorShape) &&
        event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == ui->PartyImage)
            PartyImageClick();
        else
            ColorShapeClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPartyEditForm::FormShow() {
    FormSupport::BindLimitedText(ui->NameEdit, ChildLookup::Child(Party_, "name"));
    FormSupport::BindLimitedText(ui->AbbreviationEdit, ChildLookup::Child(Party_, "abbreviation"));
    BindText(ui->FundsEdit, ChildLookup::Child(Party_, "funds"));
    BindText(ui->BlockGrantEdit, ChildLookup::Child(Party_, "generalelection_block_grant"));
    BindText(ui->FundraisingEdit, ChildLookup::Child(Party_, "fundraising_coefficient"));
    BindText(ui->EstablishedEdit, ChildLookup::Child(Party_, "established"));

    TXmlNode* convention = ChildLookup::Child(Party_, "convention");
    FormSupport::BindDateOrBlank(ui->StartDateTimePicker,
                                 ChildLookup::Child(convention, "start_date"));
    FormSupport::BindDateOrBlank(ui->EndDateTimePicker, ChildLookup::Child(convention, "end_date"));
    FormSupport::BindDateOrBlank(ui->NominationDateTimePicker,
                                 ChildLookup::Child(convention, "nomination_date"));
    FillLocations();
    BindText(ui->CityEdit, ChildLookup::Child(convention, "location"));

    FormSupport::BindCheckNonZero(ui->DefaultOnCheckBox, ChildLookup::Child(Party_, "default_on"));
    FormSupport::BindCheckNonZero(ui->IncumbentCheckBox, ChildLookup::Child(Party_, "incumbent"));
    FormSupport::BindCheckNonZero(
        ui->PACCheckBox, ChildLookup::Child(ChildLookup::Child(Party_, "advertising"), "pac"));

    // Each control works only when its element is there.
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui->NameEdit, ui->AbbreviationEdit, ui->FundsEdit, ui->BlockGrantEdit,
             ui->FundraisingEdit, ui->EstablishedEdit, ui->StartDateTimePicker,
             ui->EndDateTimePicker, ui->NominationDateTimePicker, ui->CityEdit,
             ui->DefaultOnCheckBox, ui->IncumbentCheckBox, ui->PACCheckBox})
        control->setEnabled(BoundElement(control) != nullptr);

    LoadPicture();
    ShowColour();
    FillAdLists();
    ui->PlatformButton->setEnabled(ChildLookup::Child(Party_, "platform") != nullptr);
    ui->CandidatesButton->setEnabled(Party_ && OpenCandidates());
    ui->RegionInfoButton->setEnabled(Party_ && OpenRegionInfo());
}

QString TPartyEditForm::PartyName() const {
    return ui->NameEdit->text();
}

void TPartyEditForm::FillLocations() {
    const QSignalBlocker quiet(ui->LocationComboBox);
    ui->LocationComboBox->clear();
    const TXmlNode* regions = PartiesEdit::RegionList(Data_);
    const TXmlNode* host =
        ChildLookup::Child(ChildLookup::Child(Party_, "convention"), "political_unit");
    const std::string hostId = host ? host->AttributeValue("id") : std::string();
    int shown = -1;
    for (int32_t i = 0; regions && i < regions->ChildCount(); ++i) {
        const TXmlNode* region = regions->GetChildAt(i);
        const std::string id = region->AttributeValue("id");
        if (shown < 0 && !hostId.empty() && id == hostId)
            shown = i;
        ui->LocationComboBox->addItem(TextOf(region, "name"), QString::fromStdString(id));
    }
    // A host that is no region shows blank: the party has no location yet,
    // and the stored id stays until one is chosen.
    ui->LocationComboBox->setCurrentIndex(shown);
    ui->LocationComboBox->setEnabled(Party_ != nullptr);
}

void TPartyEditForm::LocationComboBoxChange(int index) {
    if (index < 0)
        return;
    PartiesEdit::SetConventionRegion(
        Data_, Party_, ui->LocationComboBox->itemData(index).toString().toStdString());
}

void TPartyEditForm::LoadPicture() {
    const std::string name = PartiesEdit::EnsurePictureName(Data_, Party_);
    Picture_ = Pictures::Show(Data_, Pictures::Party, QString::fromStdString(name));
    ui->PartyImage->setPixmap(QPixmap::fromImage(Picture_));
}

void TPartyEditForm::PartyImageClick() {
    TXmlNode* picture = ChildLookup::Child(Party_, "picture");
    if (!picture)
        return;
    const auto stored = Pictures::Choose(Data_, Pictures::Party);
    if (!stored)
        return;
    picture->SetText(stored->toStdString());
    Data_.SetChanged();
    LoadPicture();
}

void TPartyEditForm::ShowColour() {
    ui->ColorShape->setPixmap(
        TChangeColourForm::Swatch(TextOf(Party_, "color"), ui->ColorShape->minimumSize()));
}

void TPartyEditForm::ColorShapeClick() {
    TXmlNode* colour = ChildLookup::Child(Party_, "color");
    if (!colour)
        return;
    TChangeColourForm chooser(QString::fromStdString(colour->GetText()), this);
    if (chooser.exec() != QDialog::Accepted || chooser.ChosenColour().isEmpty())
        return;
    if (chooser.ChosenColour().toStdString() != colour->GetText()) {
        colour->SetText(chooser.ChosenColour().toStdString());
        Data_.SetChanged();
    }
    ShowColour();
}

void TPartyEditForm::FillAdLists(const std::vector<std::string>& select) {
    const PartiesEdit::TAdCreditLists lists = PartiesEdit::AdCreditLists(Data_, Party_);
    auto fill = [&select](QListWidget* list, const std::vector<PartiesEdit::TAdItem>& items) {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const PartiesEdit::TAdItem& ad : items) {
            const QString text =
                ad.Ad ? QString::fromStdString(ad.Name)
                      : QStringLiteral("(missing ad %1)").arg(QString::fromStdString(ad.Id));
            QListWidgetItem* entry = FormSupport::AddEntry(list, text, ad.Ad);
            entry->setData(AdIdRole, QString::fromStdString(ad.Id));
        }
        int current = list->count() > 0 && select.empty() ? 0 : -1;
        for (int row = 0; row < list->count(); ++row)
            if (std::find(select.begin(), select.end(), AdIdOf(list->item(row))) != select.end()) {
                if (current < 0)
                    current = row;
                list->item(row)->setSelected(true);
            }
        if (current >= 0) {
            list->setCurrentRow(current, QItemSelectionModel::Current);
            if (select.empty())
                list->item(current)->setSelected(true);
        }
    };
    fill(ui->AvailableAdsListBox, lists.Available);
    fill(ui->SelectedAdsListBox, lists.Selected);
    const bool enabled = Party_ != nullptr;
    ui->AddAdButton->setEnabled(enabled);
    ui->RemoveAdButton->setEnabled(enabled);
    SelectedAdsListBoxClick();
}

void TPartyEditForm::SelectedAdsListBoxClick() {
    const QListWidgetItem* entry = ui->SelectedAdsListBox->currentItem();
    TXmlNode* credit = entry ? PartiesEdit::AdCredit(Party_, AdIdOf(entry)) : nullptr;
    BindText(ui->CreditsEdit, ChildLookup::Child(credit, "credits"));
    ui->CreditsEdit->setEnabled(BoundElement(ui->CreditsEdit) != nullptr);
}

void TPartyEditForm::AddAdButtonClick() {
    const std::vector<std::string> ids = SelectedAdIds(ui->AvailableAdsListBox);
    if (ids.empty())
        return;
    // The credits field lets go before the lists are refilled.
    BindText(ui->CreditsEdit, nullptr);
    for (const std::string& id : ids)
        PartiesEdit::AddAdCredit(Data_, Party_, id);
    FillAdLists(ids);
}

void TPartyEditForm::RemoveAdButtonClick() {
    const std::vector<std::string> ids = SelectedAdIds(ui->SelectedAdsListBox);
    if (ids.empty())
        return;
    BindText(ui->CreditsEdit, nullptr);
    for (const std::string& id : ids)
        PartiesEdit::RemoveAdCredit(Data_, Party_, id);
    // The removed ads come back selected among the available ones; the
    // credits field stays empty until an entry is clicked.
    FillAdLists(ids);
}

void TPartyEditForm::PercentagesButtonClick() {
    OpenPercentages(nullptr);
}

void TPartyEditForm::OpenPercentages(const TElementTarget* target) {
    TPercentagesEditorForm form(Data_, Party_, this);
    form.setWindowTitle(QStringLiteral("Step 5: ") + PartyName());
    if (target)
        form.ShowElement(*target);
    form.exec();
}

void TPartyEditForm::PlatformButtonClick() {
    OpenPlatform(nullptr);
}

void TPartyEditForm::OpenPlatform(const TElementTarget* target) {
    TPlatformEditorForm form(Data_, Party_, this);
    form.setWindowTitle(QStringLiteral("Step 5: Set %1 Party's Platform").arg(PartyName()));
    if (target)
        form.ShowElement(*target);
    form.exec();
}

void TPartyEditForm::OpenPartyWindow(const TPartyWindow& window, const TElementTarget* target) {
    if (window && Party_)
        window(Data_, Party_, this, target);
}

void TPartyEditForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        const std::string& window = target.Window;
        if (target.ItemAfter(Party_) || window == "TPartyLeaderVeepEditorForm")
            OpenPartyWindow(OpenCandidates(), &target);
        else if (window == "TElectionEventsEditorForm")
            OpenPartyWindow(OpenRegionInfo(), &target);
        else if (window == "TPlatformEditorForm" && ui->PlatformButton->isEnabled())
            OpenPlatform(&target);
        else if (window == "TPercentagesEditorForm")
            OpenPercentages(&target);
        else if (window == "TDebatesEditorForm")
            DebatesButtonClick(&target);
        else
            FocusTarget(target);
    });
}

void TPartyEditForm::FocusTarget(const TElementTarget& target) {
    if (PartyTargets::FocusBound(this, target))
        return;
    const TXmlNode* node = PartyTargets::Node(target);
    // An ad's credits: its entry among the selected ads.
    const TXmlNode* credits =
        ChildLookup::Child(ChildLookup::Child(Party_, "advertising"), "ad_credits");
    if (const TXmlNode* credit = PartyTargets::ChildOnPath(node, credits)) {
        const QString id = QString::fromStdString(credit->AttributeValue("id"));
        for (int row = 0; row < ui->SelectedAdsListBox->count(); ++row)
            if (ui->SelectedAdsListBox->item(row)->data(AdIdRole).toString() == id) {
                ui->SelectedAdsListBox->setCurrentRow(row);
                return ElementFocus::FocusControl(ui->CreditsEdit->isEnabled()
                                                      ? static_cast<QWidget*>(ui->CreditsEdit)
                                                      : ui->SelectedAdsListBox);
            }
    }
    // The controls that show an element without a binding.
    const std::string name = node ? node->Name : std::string();
    if (name == "color")
        ElementFocus::FocusControl(ui->ChangeColorButton);
    else if (name == "picture")
        ElementFocus::FocusControl(ui->ChangeImageButton);
    else if (name == "political_unit" && node->Parent() == ChildLookup::Child(Party_, "convention"))
        ElementFocus::FocusControl(ui->LocationComboBox);
    else if (name == "ad_credits" || name == "advertising")
        ElementFocus::FocusControl(ui->SelectedAdsListBox);
    // The lists of their own windows: the buttons that open them.
    else if ((name == "leaders" || name == "viceleaders") && ui->CandidatesButton->isEnabled())
        ElementFocus::FocusControl(ui->CandidatesButton);
    else if (name == "platform")
        ElementFocus::FocusControl(ui->PlatformButton);
}

void TPartyEditForm::DebatesButtonClick(const TElementTarget* target) {
    // A scenario without primaries debates gets the group and the party's
    // entry here, so the button always opens a list.
    PartiesEdit::PrimariesDebates(Data_, Party_);
    auto form = TDebatesEditorForm::ForParty(Data_, Party_, this);
    form->setWindowTitle(
        QStringLiteral("Step 5: Create / Edit %1 Party's Debates").arg(PartyName()));
    if (target)
        form->ShowElement(*target);
    form->exec();
}
