#include "editors/world/TScenarioEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/Pictures.h"
#include "editors/world/TDebatesEditorForm.h"
#include "editors/world/TEconomyEditorForm.h"
#include "editors/world/TInterviewerEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/ScenarioEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TScenarioEditorForm.h"
#include "xml/ChildLookup.h"

#include <QMouseEvent>
#include <QSignalBlocker>

#include <tuple>

using namespace ControlBinding;

namespace {

template <typename TControl> void Bind(TControl* control, TXmlNode* element) {
    BindText(control, element);
    control->setEnabled(element != nullptr);
}

template <typename TControl> void BindLimited(TControl* control, TXmlNode* element) {
    FormSupport::BindLimitedText(control, element);
    control->setEnabled(element != nullptr);
}

void BindPicker(QDateEdit* picker, TXmlNode* element) {
    FormSupport::BindDateOrBlank(picker, element);
    picker->setEnabled(element != nullptr);
}

// Whole number of a control's text; 0 when it is none.
int WholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

const QString PictureName = QStringLiteral("scenario.bmp");

} // namespace

TScenarioEditorForm::TScenarioEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TScenarioEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 110);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    FormSupport::LimitLength(ui->NameEdit, 40);
    FormSupport::LimitLength(ui->CurrencySymbolEdit, 1);
    FormSupport::LimitLength(ui->PrimariesIntroMemo, 450);
    FormSupport::LimitLength(ui->GeneralIntroMemo, 450);
    ui->ScenarioImage->installEventFilter(this);

    connect(ui->PollResultsDayComboBox, &QComboBox::currentIndexChanged, this,
            &TScenarioEditorForm::PollResultsDayComboBoxChange);
    connect(ui->InitialEconomyComboBox, &QComboBox::currentIndexChanged, this,
            &TScenarioEditorForm::InitialEconomyComboBoxChange);
    connect(ui->BanAdsCheckBox, &QCheckBox::toggled, this,
            &TScenarioEditorForm::BanAdsCheckBoxClick);
    connect(ui->ChangeImageButton, &QPushButton::clicked, this,
            &TScenarioEditorForm::ScenarioImageClick);
    connect(ui->DebatesButton, &QPushButton::clicked, this, [this] { DebatesButtonClick(); });
    connect(ui->InterviewersButton, &QPushButton::clicked, this,
            [this] { InterviewersButtonClick(); });
    connect(ui->EconomyButton, &QPushButton::clicked, this, [this] { EconomyButtonClick(); });
}

TScenarioEditorForm::~TScenarioEditorForm() {
    delete ui;
}

void TScenarioEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TScenarioEditorForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->ScenarioImage && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ScenarioImageClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TScenarioEditorForm::FormShow() {
    TXmlNode* root = Data_.Scenario();
    BindLimited(ui->NameEdit, ChildLookup::Child(root, "name"));
    Bind(ui->MoneyCoefficientEdit, ChildLookup::Child(root, "money_coefficient"));
    Bind(ui->FundraisingCoefficientEdit, ChildLookup::Child(root, "fundraising_coefficient"));
    BindLimited(ui->PrimariesIntroMemo, ChildLookup::Child(root, "primaries_introduction"));
    BindLimited(ui->GeneralIntroMemo, ChildLookup::Child(root, "generalelection_introduction"));

    TXmlNode* leader = ChildLookup::Child(root, "leader");
    Bind(ui->ElectedPositionEdit, ChildLookup::Child(leader, "position"));
    Bind(ui->ElectedInstitutionEdit, ChildLookup::Child(leader, "institution"));
    Bind(ui->AppointedByEdit, ChildLookup::Child(leader, "appointed_by"));

    // Stored as the short day name, so it is written by its own handler.
    PollResultsDay_ = ChildLookup::Child(root, "pollresults_day");
    {
        const QSignalBlocker quiet(ui->PollResultsDayComboBox);
        ui->PollResultsDayComboBox->setCurrentIndex(
            PollResultsDay_ ? ui->PollResultsDayComboBox->findText(QString::fromStdString(
                                  ValueEncodings::DayName(PollResultsDay_->GetText())))
                            : -1);
    }
    ui->PollResultsDayComboBox->setEnabled(PollResultsDay_ != nullptr);

    BindLimited(ui->CurrencySymbolEdit, ChildLookup::Child(root, "currency_symbol"));
    Bind(ui->BaseCPEdit, ChildLookup::Child(root, "base_cp"));

    TXmlNode* advertising = ChildLookup::Child(root, "advertising");
    Bind(ui->MaxAdsEdit, ChildLookup::Child(advertising, "max_per_player"));
    TXmlNode* ban = ChildLookup::Child(advertising, "ban_days_before_election");
    Bind(ui->BanAdsDaysEdit, ban);
    RememberedBanDays_ = WholeNumber(ui->BanAdsDaysEdit->text());
    {
        const QSignalBlocker quiet(ui->BanAdsCheckBox);
        ui->BanAdsCheckBox->setChecked(ban && ui->BanAdsDaysEdit->text() != QStringLiteral("-1"));
    }
    ui->BanAdsCheckBox->setEnabled(ban != nullptr);
    BanAdsCheckBoxClick();

    TXmlNode* pac = ChildLookup::Child(advertising, "pac");
    BindCheck(ui->PACCheckBox, pac);
    {
        // Any whole number but 0 means on; showing writes nothing.
        const QSignalBlocker quiet(ui->PACCheckBox);
        ui->PACCheckBox->setChecked(pac && pac->AsInteger() != 0);
    }
    ui->PACCheckBox->setEnabled(pac != nullptr);

    InitialEconomy_ = ChildLookup::Child(ChildLookup::Child(root, "economy"), "initial");
    {
        const QSignalBlocker quiet(ui->InitialEconomyComboBox);
        const int value = InitialEconomy_ ? InitialEconomy_->AsInteger() : 0;
        ui->InitialEconomyComboBox->setCurrentIndex(value >= 1 && value <= 5 ? value - 1 : -1);
    }
    ui->InitialEconomyComboBox->setEnabled(InitialEconomy_ != nullptr);

    BindPicker(ui->PrimariesStartDateTimePicker,
               ChildLookup::Child(ChildLookup::Child(root, "primaries"), "start_date"));
    TXmlNode* general = ChildLookup::Child(root, "general_election");
    BindPicker(ui->GeneralStartDateTimePicker, ChildLookup::Child(general, "start_date"));
    BindPicker(ui->GeneralEndDateTimePicker, ChildLookup::Child(general, "end_date"));

    Bind(ui->UniversalAlienatedEdit,
         ChildLookup::Child(Data_.Percentages(), "universal_alienated"));

    LoadPicture();

    ui->EconomyButton->setEnabled(ScenarioEdit::Targets(Data_) != nullptr);
    ui->InterviewersButton->setEnabled(ScenarioEdit::Interviewers(Data_) != nullptr);
    ui->DebatesButton->setEnabled(ScenarioEdit::Debates(Data_) != nullptr);
}

void TScenarioEditorForm::PollResultsDayComboBoxChange(int index) {
    if (PollResultsDay_ && index >= 0)
        PollResultsDay_->SetText(
            ValueEncodings::DayAbbrev(ui->PollResultsDayComboBox->itemText(index).toStdString()));
}

void TScenarioEditorForm::InitialEconomyComboBoxChange(int index) {
    if (InitialEconomy_ && index >= 0)
        InitialEconomy_->SetText(std::to_string(index + 1));
}

void TScenarioEditorForm::BanAdsCheckBoxClick() {
    if (!BoundElement(ui->BanAdsDaysEdit)) {
        ui->BanAdsDaysEdit->setEnabled(false);
        return;
    }
    if (ui->BanAdsCheckBox->isChecked()) {
        ui->BanAdsDaysEdit->setEnabled(true);
        ui->BanAdsDaysEdit->setText(RememberedBanDays_ == -1 ? QStringLiteral("0")
                                                             : QString::number(RememberedBanDays_));
    } else {
        RememberedBanDays_ = WholeNumber(ui->BanAdsDaysEdit->text());
        ui->BanAdsDaysEdit->setText(QStringLiteral("-1"));
        ui->BanAdsDaysEdit->setEnabled(false);
    }
}

void TScenarioEditorForm::LoadPicture() {
    Picture_ = Pictures::ShowCreatingMissing(Data_, Pictures::Scenario, PictureName);
    ui->ScenarioImage->setPixmap(QPixmap::fromImage(Picture_));
}

void TScenarioEditorForm::ScenarioImageClick() {
    if (Pictures::Choose(Data_, Pictures::Scenario, [](const QString&) { return PictureName; }))
        LoadPicture();
}

void TScenarioEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        using TOpen = void (TScenarioEditorForm::*)(const TElementTarget*);
        QPushButton* button = nullptr;
        TOpen open = nullptr;
        if (target.Window == "TEconomyEditorForm")
            std::tie(button, open) =
                std::pair{ui->EconomyButton, &TScenarioEditorForm::EconomyButtonClick};
        else if (target.Window == "TInterviewerEditorForm")
            std::tie(button, open) =
                std::pair{ui->InterviewersButton, &TScenarioEditorForm::InterviewersButtonClick};
        else if (target.Window == "TDebatesEditorForm")
            std::tie(button, open) =
                std::pair{ui->DebatesButton, &TScenarioEditorForm::DebatesButtonClick};
        // A sub-editor opens only as its button would: while its list is
        // missing, the settings show as they are.
        if (!button || !button->isEnabled()) {
            FocusElement(target);
            return;
        }
        ElementFocus::FocusControl(button);
        (this->*open)(&target);
    });
}

void TScenarioEditorForm::FocusElement(const TElementTarget& target) {
    // The day and the economy are written by their own handlers, and the
    // ban days are disabled while no ban is set.
    const TXmlNode* field = ElementFocus::FieldElement(target);
    QWidget* control = nullptr;
    if (field && field == PollResultsDay_)
        control = ui->PollResultsDayComboBox;
    else if (field && field == InitialEconomy_)
        control = ui->InitialEconomyComboBox;
    else if (field && field == BoundElement(ui->BanAdsDaysEdit) && !ui->BanAdsDaysEdit->isEnabled())
        control = ui->BanAdsCheckBox;
    if (control)
        ElementFocus::FocusControl(control);
    else
        ElementFocus::FocusField(this, target.Element, target.Field);
}

namespace {

template <typename TForm> void OpenAt(TForm& form, const TElementTarget* target) {
    if (target)
        form.ShowElement(*target);
    form.exec();
}

} // namespace

void TScenarioEditorForm::DebatesButtonClick(const TElementTarget* target) {
    OpenAt(*TDebatesEditorForm::ForGeneralElection(Data_, this), target);
}

void TScenarioEditorForm::InterviewersButtonClick(const TElementTarget* target) {
    TInterviewerEditorForm form(Data_, this);
    OpenAt(form, target);
}

void TScenarioEditorForm::EconomyButtonClick(const TElementTarget* target) {
    TEconomyEditorForm form(Data_, this);
    OpenAt(form, target);
}
