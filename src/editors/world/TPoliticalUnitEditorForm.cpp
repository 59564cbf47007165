#include "editors/world/TPoliticalUnitEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/ListFilter.h"
#include "app/Pictures.h"
#include "app/Prompts.h"
#include "app/RemovalNotice.h"
#include "editors/world/TIssueCentersForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/PoliticalUnitsEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "scenario/map/RegionMap.h"
#include "xml/TXmlNode.h"

#include "ui_TPoliticalUnitEditorForm.h"
#include "xml/ChildLookup.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

using namespace ControlBinding;
namespace PU = PoliticalUnitsEdit;

namespace {

QString TextOf(const TXmlNode* parent, const char* name) {
    const TXmlNode* child = ChildLookup::Child(parent, name);
    return child ? QString::fromStdString(child->GetText()) : QString();
}

template <typename TControl> void Bind(TControl* control, TXmlNode* element) {
    BindText(control, element);
    control->setEnabled(element != nullptr);
}

const QString MapName = QStringLiteral("map.bmp");

bool Holds(const TXmlNode* region, const TXmlNode* point) {
    const auto points = RegionMap::FillPoints(region);
    return point && std::find(points.begin(), points.end(), point) != points.end();
}

} // namespace

TPoliticalUnitEditorForm::TPoliticalUnitEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TPoliticalUnitEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 130);
    ListFilter::Add(ui->RegionsListBox);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->LogoImage->installEventFilter(this);
    ui->LogoImage->setCursor(Qt::PointingHandCursor);
    // On a low screen the details scroll, but they never get narrower than
    // their fields.
    ui->DetailsScrollArea->setMinimumWidth(
        ui->DetailsColumnWidget->minimumSizeHint().width() +
        ui->DetailsScrollArea->verticalScrollBar()->sizeHint().width());
    // A scenario made from the template has no map yet.
    ui->MapImage->SetHint(
        QStringLiteral("No map yet. Use \"Load Map ...\" to load a bitmap of %1 x %2 pixels: "
                       "each region filled with a colour of its own, the regions parted by "
                       "black borders.")
            .arg(RegionMap::Width)
            .arg(RegionMap::Height));
    // Hiding the details must not move the map under the mouse.
    for (QWidget* group : {static_cast<QWidget*>(ui->DetailsGroup),
                           static_cast<QWidget*>(ui->DetailsContinuedGroup)}) {
        QSizePolicy policy = group->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        group->setSizePolicy(policy);
    }

    connect(ui->MapImage, &TMapView::Clicked, this, &TPoliticalUnitEditorForm::MapImageMouseUp);
    connect(ui->MapImage, &TMapView::CrossHairMoved, this,
            &TPoliticalUnitEditorForm::AnnounceCrossHair);
    connect(ui->MapImage, &TMapView::LabelPressed, this, &TPoliticalUnitEditorForm::LabelMouseDown);
    connect(ui->MapImage, &TMapView::LabelDropped, this, &TPoliticalUnitEditorForm::LabelMouseUp);
    connect(ui->LoadButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::LoadButtonClick);
    connect(ui->ModifyNationalButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::ModifyNationalButtonClick);
    connect(ui->RegionsListBox, &QListWidget::itemClicked, this,
            &TPoliticalUnitEditorForm::RegionsListBoxClick);
    // Selection, not the current row: a list that gets the focus makes its
    // first entry current without selecting it.
    connect(ui->RegionsListBox, &QListWidget::itemSelectionChanged, this,
            &TPoliticalUnitEditorForm::RegionsListBoxClick);
    connect(ui->AddButton, &QPushButton::clicked, this, &TPoliticalUnitEditorForm::AddButtonClick);
    connect(ui->AddExistingButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::AddExistingButtonClick);
    connect(ui->RemoveButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::RemoveButtonClick);
    connect(ui->RemoveAllButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::RemoveAllButtonClick);
    connect(ui->RemovePointButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::RemovePointButtonClick);
    connect(ui->MoveUpButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::MoveUpButtonClick);
    connect(ui->MoveDownButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::MoveDownButtonClick);
    connect(ui->AddCityButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::AddCityButtonClick);
    connect(ui->RemoveCityButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::RemoveCityButtonClick);
    connect(ui->NameEdit, &QLineEdit::textChanged, this, &TPoliticalUnitEditorForm::NameEditChange);
    connect(ui->AbbreviationEdit, &QLineEdit::textChanged, this,
            &TPoliticalUnitEditorForm::AbbreviationEditChange);
    connect(ui->ChangeLogoButton, &QPushButton::clicked, this,
            &TPoliticalUnitEditorForm::LogoImageClick);
    connect(ui->IssueCentersButton, &QPushButton::clicked, this,
            [this] { IssueCentersButtonClick(); });
}

TPoliticalUnitEditorForm::~TPoliticalUnitEditorForm() {
    // The pending region's elements may still be bound.
    UnbindDetails();
    delete ui;
}

void TPoliticalUnitEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TPoliticalUnitEditorForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->LogoImage && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LogoImageClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

TXmlNode* TPoliticalUnitEditorForm::ShownUnit() const {
    if (Pending_)
        return Pending_.get();
    return Selected_ ? Selected_ : PU::Nation(Data_);
}

void TPoliticalUnitEditorForm::FormShow() {
    DropPending();
    Selected_ = nullptr;
    Highlighted_ = nullptr;
    // Every region needs its general election; one that lacks it gets it now.
    for (TXmlNode* region : PU::Regions(Data_))
        PU::GeneralElection(Data_, region);
    FillRegionList();
    SetBaseMap(Pictures::LoadAtSize(Data_, Pictures::Map, MapName));
    ShowUnit();
    Redraw();
}

void TPoliticalUnitEditorForm::FillRegionList() {
    const QSignalBlocker quiet(ui->RegionsListBox);
    ui->RegionsListBox->clear();
    for (TXmlNode* region : PU::Regions(Data_))
        FormSupport::AddEntry(ui->RegionsListBox, TextOf(region, "name"), region);
    FormSupport::SelectQuietly(ui->RegionsListBox, RowOf(Selected_));
}

int TPoliticalUnitEditorForm::ListedRow() const {
    const QListWidgetItem* item = ui->RegionsListBox->currentItem();
    return item && item->isSelected() ? ui->RegionsListBox->row(item) : -1;
}

TXmlNode* TPoliticalUnitEditorForm::ListedRegion() const {
    return FormSupport::EntryElement(ui->RegionsListBox->item(ListedRow()));
}

int TPoliticalUnitEditorForm::RowOf(const TXmlNode* region) const {
    for (int i = 0; region && i < ui->RegionsListBox->count(); ++i)
        if (FormSupport::EntryElement(ui->RegionsListBox->item(i)) == region)
            return i;
    return -1;
}

void TPoliticalUnitEditorForm::SetBaseMap(const QImage& map) {
    HasMap_ = !map.isNull();
    Areas_ = HasMap_ ? TMapAreas(Pictures::ToPixels(map)) : TMapAreas();
}

void TPoliticalUnitEditorForm::Redraw() {
    const std::vector<TXmlNode*> regions = PU::Regions(Data_);
    QImage picture;
    if (HasMap_) {
        picture = Pictures::ToImage(RegionMap::Draw(Areas_, regions, Highlighted_, Pending_.get()));
        const TXmlNode* named = Pending_ ? Pending_.get() : Selected_;
        if (const auto at = RegionMap::PointOf(RegionMap::AbbreviationPosition(named))) {
            QPainter painter(&picture);
            painter.setPen(Qt::black);
            QFont font = painter.font();
            font.setBold(true);
            painter.setFont(font);
            painter.drawText(QRect(at->X, at->Y, RegionMap::Width, RegionMap::Height),
                             Qt::AlignLeft | Qt::AlignTop, TextOf(named, "abbreviation"));
        }
    }
    ui->MapImage->SetPicture(picture);
    std::vector<TMapView::TLabel> labels;
    for (const TXmlNode* region : regions) {
        const auto at = RegionMap::PointOf(RegionMap::AbbreviationPosition(region));
        labels.push_back({TextOf(region, "abbreviation"), at ? QPoint(at->X, at->Y) : QPoint(),
                          HasMap_ && at.has_value()});
    }
    ui->MapImage->SetLabels(labels);
    AnnounceCrossHair();
}

void TPoliticalUnitEditorForm::UnbindDetails() {
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        Unbind(edit);
    Unbind(ui->MottoEdit);
    Unbind(ui->SeatsTypeComboBox);
    ui->CitiesListBox->clear();
}

void TPoliticalUnitEditorForm::ShowUnit() {
    TXmlNode* unit = ShownUnit();
    Bind(ui->PopulationEdit, ChildLookup::Child(unit, "population"));
    Bind(ui->VotersEdit, ChildLookup::Child(unit, "eligible_voters"));
    Bind(ui->NameEdit, ChildLookup::Child(unit, "name"));
    Bind(ui->AbbreviationEdit, ChildLookup::Child(unit, "abbreviation"));
    Bind(ui->CapitalEdit, ChildLookup::Child(unit, "capital"));
    Bind(ui->MottoEdit, ChildLookup::Child(unit, "motto"));
    Bind(ui->NicknameEdit, ChildLookup::Child(unit, "nickname"));
    Bind(ui->FlagEdit, ChildLookup::Child(unit, "flag"));
    Bind(ui->YearEntryEdit, ChildLookup::Child(unit, "year_of_entry"));
    Bind(ui->PollEdit, ChildLookup::Child(unit, "poll_open_time"));

    // The media market exists only where the unit has one.
    TXmlNode* market = ChildLookup::Child(unit, "media_market_name");
    Bind(ui->MediaMarketEdit, market);
    if (!market)
        ui->MediaMarketEdit->clear();

    {
        const QSignalBlocker quiet(ui->CitiesListBox);
        ui->CitiesListBox->clear();
        const TXmlNode* cities = ChildLookup::Child(unit, "cities");
        for (int32_t i = 0; cities && i < cities->ChildCount(); ++i)
            FormSupport::AddEntry(ui->CitiesListBox,
                                  QString::fromStdString(cities->GetChildAt(i)->GetText()),
                                  cities->GetChildAt(i));
    }
    ui->CityEdit->setEnabled(unit != nullptr);

    TXmlNode* seat = ChildLookup::Child(unit ? PU::GeneralElection(Data_, unit) : nullptr, "seat");
    FormSupport::BindComboIgnoringCase(ui->SeatsTypeComboBox, ChildLookup::Child(seat, "type"));
    ui->SeatsTypeComboBox->setEnabled(ChildLookup::Child(seat, "type") != nullptr);
    Bind(ui->SeatsNumberEdit, ChildLookup::Child(seat, "number"));

    ShowFlag(unit);

    const bool pending = Pending_ != nullptr;
    const bool selected = !pending && Selected_ != nullptr;
    ui->DetailsGroup->setVisible(HasMap_ && !pending);
    ui->DetailsContinuedGroup->setVisible(HasMap_ && selected);
    ui->AddButton->setEnabled(pending);
    ui->AddExistingButton->setEnabled(pending && ListedRegion());
    ui->RemoveButton->setEnabled(selected);
    ui->RemovePointButton->setEnabled(selected);
    const int row = ListedRow();
    ui->MoveUpButton->setEnabled(row > 0);
    ui->MoveDownButton->setEnabled(row >= 0 && row + 1 < ui->RegionsListBox->count());
    ui->RemoveAllButton->setEnabled(ui->RegionsListBox->count() > 0);
    ui->MapImage->setEnabled(HasMap_);
    ui->IssueCentersButton->setEnabled(HasMap_);
    ui->ModifyNationalButton->setEnabled(HasMap_);
}

void TPoliticalUnitEditorForm::ShowFlag(TXmlNode* unit) {
    TXmlNode* logo = ChildLookup::Child(unit, "logo");
    // A pending region is no part of the document and writes nothing until
    // it is added.
    const bool pending = unit && unit == Pending_.get();
    if (logo && logo->GetText().empty() && !unit->AttributeValue("id").empty()) {
        logo->SetText(unit->AttributeValue("id") + ".bmp");
        if (!pending)
            Data_.SetChanged();
    }
    const QString name = logo ? QString::fromStdString(logo->GetText()) : QString();
    Flag_ = pending || !logo ? Pictures::Show(Data_, Pictures::Flag, name)
                             : Pictures::ShowCreatingMissing(Data_, Pictures::Flag, name);
    ui->LogoImage->setPixmap(QPixmap::fromImage(Flag_));
    ui->ChangeLogoButton->setEnabled(logo != nullptr);
}

void TPoliticalUnitEditorForm::DropPending() {
    if (!Pending_)
        return;
    UnbindDetails();
    if (Holds(Pending_.get(), Highlighted_))
        Highlighted_ = nullptr;
    Pending_.reset();
}

void TPoliticalUnitEditorForm::BuildPending(QPoint at) {
    DropPending();
    Pending_ = PU::NewRegion(Data_, at.x(), at.y());
    const auto points = RegionMap::FillPoints(Pending_.get());
    Highlighted_ = points.empty() ? nullptr : points.front();
}

void TPoliticalUnitEditorForm::SelectRegion(TXmlNode* region, TXmlNode* point) {
    DropPending();
    Selected_ = region;
    Highlighted_ = point;
    FormSupport::SelectQuietly(ui->RegionsListBox, RowOf(region));
    ShowUnit();
    Redraw();
}

void TPoliticalUnitEditorForm::MapImageMouseUp(QPoint at) {
    // A border has no area: a region made there could never be painted.
    if (!HasMap_ || Areas_.AreaAt(at.x(), at.y()) < 0)
        return;
    const RegionMap::THit hit = RegionMap::HitTest(Areas_, PU::Regions(Data_), at.x(), at.y());
    if (hit.Region) {
        SelectRegion(hit.Region, hit.Point);
        return;
    }
    // Land no region holds: a new region waits for "Add" or "Add To
    // Existing". The list keeps its entry for "Add To Existing".
    Selected_ = nullptr;
    BuildPending(at);
    ShowUnit();
    Redraw();
}

void TPoliticalUnitEditorForm::AnnounceCrossHair() {
    const QPoint at = ui->MapImage->CrossHair();
    const RegionMap::THit hit = HasMap_
                                    ? RegionMap::HitTest(Areas_, PU::Regions(Data_), at.x(), at.y())
                                    : RegionMap::THit{};
    ui->MapImage->SetCrossHairPlace(hit.Region ? TextOf(hit.Region, "name")
                                               : QStringLiteral("no region"));
}

void TPoliticalUnitEditorForm::LabelMouseDown(int index) {
    const auto regions = PU::Regions(Data_);
    if (index < 0 || index >= static_cast<int>(regions.size()))
        return;
    const auto points = RegionMap::FillPoints(regions[static_cast<size_t>(index)]);
    SelectRegion(regions[static_cast<size_t>(index)], points.empty() ? nullptr : points.front());
}

void TPoliticalUnitEditorForm::LabelMouseUp(int index, QPoint topLeft) {
    const auto regions = PU::Regions(Data_);
    if (index < 0 || index >= static_cast<int>(regions.size()))
        return;
    TXmlNode* region = regions[static_cast<size_t>(index)];
    TXmlNode* map = ChildLookup::Child(region, "map");
    if (!map)
        map = region->AddNewChild("map", "regional");
    TXmlNode* position = RegionMap::AbbreviationPosition(region);
    if (!position)
        position = map->AddNewChild("abbreviation_position");
    for (const auto& [name, value] : {std::pair{"x", topLeft.x()}, std::pair{"y", topLeft.y()}}) {
        TXmlNode* coordinate = ChildLookup::Child(position, name);
        (coordinate ? coordinate : position->AddNewChild(name))->SetText(std::to_string(value));
    }
    Data_.SetChanged();
    Redraw();
}

void TPoliticalUnitEditorForm::LoadButtonClick() {
    if (!Prompts().YesNo(QStringLiteral("Warning"),
                         QStringLiteral("All currently defined regions will be lost. Do you wish "
                                        "to continue?")))
        return;
    // A file that is no bitmap, or one that cannot be stored, costs neither
    // regions nor map.
    if (!Pictures::Choose(
            Data_, Pictures::Map, [](const QString&) { return MapName; },
            Pictures::TReplace::Confirmed))
        return;
    RemoveAllButtonClick();
    SetBaseMap(Pictures::Load(Data_, Pictures::Map, MapName));
    ShowUnit();
    Redraw();
}

void TPoliticalUnitEditorForm::ModifyNationalButtonClick() {
    DropPending();
    Selected_ = nullptr;
    Highlighted_ = nullptr;
    FormSupport::SelectQuietly(ui->RegionsListBox, -1);
    ShowUnit();
    Redraw();
}

void TPoliticalUnitEditorForm::RegionsListBoxClick() {
    TXmlNode* region = ListedRegion();
    if (!region)
        return;
    // The highlight stays only on an area of the region now selected.
    SelectRegion(region, Holds(region, Highlighted_) ? Highlighted_ : nullptr);
}

void TPoliticalUnitEditorForm::AddButtonClick() {
    if (!Pending_)
        return;
    UnbindDetails();
    TXmlNode* region = PU::AddRegion(Data_, std::move(Pending_));
    if (!region)
        return;
    FormSupport::AddEntry(ui->RegionsListBox, TextOf(region, "name"), region);
    SelectRegion(region, Highlighted_);
}

void TPoliticalUnitEditorForm::AddExistingButtonClick() {
    TXmlNode* region = ListedRegion();
    if (!Pending_ || !region || !Holds(Pending_.get(), Highlighted_))
        return;
    TXmlNode* copy = PU::AddToExisting(Data_, region, Highlighted_);
    SelectRegion(region, copy);
}

void TPoliticalUnitEditorForm::RemoveButtonClick() {
    const int row = ListedRow();
    TXmlNode* region = ListedRegion();
    if (!region)
        return;
    DropPending();
    UnbindDetails();
    if (Holds(region, Highlighted_))
        Highlighted_ = nullptr;
    Selected_ = nullptr;
    TRemovalRepairs repairs;
    PU::RemoveRegion(Data_, region, &repairs);
    FormSupport::TakeEntry(ui->RegionsListBox, row);
    if (TXmlNode* before = ListedRegion()) {
        SelectRegion(before, Holds(before, Highlighted_) ? Highlighted_ : nullptr);
    } else {
        ShowUnit();
        Redraw();
    }
    TellRemovalRepairs(repairs, TScenarioFile::PoliticalUnits);
}

void TPoliticalUnitEditorForm::RemoveAllButtonClick() {
    DropPending();
    UnbindDetails();
    Selected_ = nullptr;
    Highlighted_ = nullptr;
    TRemovalRepairs repairs;
    PU::RemoveAllRegions(Data_, &repairs);
    FillRegionList();
    ShowUnit();
    Redraw();
    TellRemovalRepairs(repairs, TScenarioFile::PoliticalUnits);
}

void TPoliticalUnitEditorForm::RemovePointButtonClick() {
    if (!Selected_ || !Holds(Selected_, Highlighted_) ||
        RegionMap::FillPoints(Selected_).size() < 2)
        return;
    const auto at = RegionMap::PointOf(Highlighted_);
    UnbindDetails();
    if (!PU::RemovePoint(Data_, Selected_, Highlighted_))
        return;
    Highlighted_ = nullptr;
    Selected_ = nullptr;
    if (at)
        BuildPending(QPoint(at->X, at->Y));
    ShowUnit();
    Redraw();
}

void TPoliticalUnitEditorForm::MoveUpButtonClick() {
    Move(-1);
}

void TPoliticalUnitEditorForm::MoveDownButtonClick() {
    Move(1);
}

void TPoliticalUnitEditorForm::Move(int step) {
    const int row = ListedRow();
    if (row < 0 || !PU::ExchangeRegions(Data_, row, row + step))
        return;
    TXmlNode* region = ListedRegion();
    FillRegionList();
    SelectRegion(region, Holds(region, Highlighted_) ? Highlighted_ : nullptr);
}

void TPoliticalUnitEditorForm::AddCityButtonClick() {
    TXmlNode* unit = Pending_ ? Pending_.get() : Selected_;
    const QString name = ui->CityEdit->text();
    if (!unit || name.isEmpty())
        return;
    TXmlNode* city = PU::AddCity(Data_, unit, name.toStdString());
    FormSupport::AddEntry(ui->CitiesListBox, name, city);
    ui->CityEdit->clear();
}

void TPoliticalUnitEditorForm::RemoveCityButtonClick() {
    const int row = ui->CitiesListBox->currentRow();
    if (TXmlNode* city = FormSupport::CurrentElement(ui->CitiesListBox)) {
        FormSupport::TakeEntry(ui->CitiesListBox, row);
        PU::RemoveCity(Data_, city);
    }
}

void TPoliticalUnitEditorForm::NameEditChange() {
    if (Pending_ || !Selected_ ||
        BoundElement(ui->NameEdit) != ChildLookup::Child(Selected_, "name"))
        return;
    if (QListWidgetItem* item = ui->RegionsListBox->item(RowOf(Selected_)))
        item->setText(ui->NameEdit->text());
}

void TPoliticalUnitEditorForm::AbbreviationEditChange() {
    // Showing a unit fills the field with what is stored: nothing to draw.
    const TXmlNode* stored = BoundElement(ui->AbbreviationEdit);
    if (stored && QString::fromStdString(stored->GetText()) == ui->AbbreviationEdit->text())
        return;
    // The labels are drawn from the document: store before the binding does.
    StoreControlText(ui->AbbreviationEdit);
    if (!Pending_ && Selected_)
        Redraw();
}

void TPoliticalUnitEditorForm::LogoImageClick() {
    TXmlNode* logo = ChildLookup::Child(ShownUnit(), "logo");
    if (!logo)
        return;
    const auto stored = Pictures::Choose(Data_, Pictures::Flag);
    if (!stored)
        return;
    logo->SetText(stored->toStdString());
    Data_.SetChanged();
    ShowFlag(ShownUnit());
}

void TPoliticalUnitEditorForm::IssueCentersButtonClick(const TElementTarget* target) {
    TIssueCentersForm form(Data_, this);
    if (target)
        form.ShowElement(*target);
    form.exec();
}

void TPoliticalUnitEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { FocusElement(target); });
}

void TPoliticalUnitEditorForm::FocusElement(const TElementTarget& target) {
    TXmlNode* region = ElementFocus::EntryOf(ui->RegionsListBox, target);
    if (region) {
        const auto points = RegionMap::FillPoints(region);
        SelectRegion(region, points.empty() ? nullptr : points.front());
    } else {
        ModifyNationalButtonClick();
    }
    // A region that is no longer listed: the list shows what there is.
    if (!region && target.Item() && target.Item() != PU::Nation(Data_)) {
        ElementFocus::FocusControl(ui->RegionsListBox);
        return;
    }
    if (target.Window == "TIssueCentersForm") {
        ElementFocus::FocusControl(ui->IssueCentersButton);
        if (ui->IssueCentersButton->isEnabled())
            IssueCentersButtonClick(&target);
        return;
    }
    if (ElementFocus::FocusField(this, target.Element, target.Field))
        return;
    QWidget* control = UnboundControl(target);
    ElementFocus::FocusControl(control  ? control
                               : region ? static_cast<QWidget*>(ui->RegionsListBox)
                                        : ui->ModifyNationalButton);
}

QWidget* TPoliticalUnitEditorForm::UnboundControl(const TElementTarget& target) {
    const TXmlNode* unit = ShownUnit();
    const TXmlNode* field = ElementFocus::FieldElement(target);
    const std::string name = ElementFocus::FieldName(target);
    if (name == "cities" || name == "city" ||
        ElementFocus::Contains(ChildLookup::Child(unit, "cities"), field)) {
        ElementFocus::SelectEntry(ui->CitiesListBox, field);
        return ui->CitiesListBox;
    }
    if (name == "logo")
        return ui->ChangeLogoButton;
    // The seats are those of the general election.
    if (name == "election_events" ||
        ElementFocus::Contains(ChildLookup::Child(unit, "election_events"), field))
        return ui->SeatsNumberEdit->isEnabled() ? ui->SeatsNumberEdit : nullptr;
    if (name == "map" || ElementFocus::Contains(ChildLookup::Child(unit, "map"), field))
        return HasMap_ ? ui->MapImage : nullptr;
    return nullptr;
}
