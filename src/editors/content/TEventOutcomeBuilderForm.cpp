#include "editors/content/TEventOutcomeBuilderForm.h"
#include "ui_TEventOutcomeBuilderForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "editors/content/EventNameLists.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/EventsEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QSignalBlocker>

using namespace ControlBinding;
using namespace FormSupport;

namespace {

constexpr int HeadlineLength = 250;

QString HeadlineOf(TXmlNode* outcome) {
    const TXmlNode* headline = ChildLookup::Child(outcome, "headline");
    return headline ? QString::fromStdString(headline->GetText()) : QString();
}

} // namespace

TEventOutcomeBuilderForm::TEventOutcomeBuilderForm(TScenarioData& data, TXmlNode* event,
                                                   QWidget* parent)
    : QDialog(parent), ui(new Ui::TEventOutcomeBuilderForm), Data_(data), Event_(event) {
    ui->setupUi(this);
    setProperty("helpTopic", 164);
    setWindowTitle(QStringLiteral("Step 6: ") + EventNameLists::EventName(event) +
                   QStringLiteral(" Event Outcomes"));
    LimitLength(ui->HeadlineMemo, HeadlineLength);

    connect(ui->OutcomesListBox, &QListWidget::currentRowChanged, this,
            [this] { OutcomesListBoxClick(); });
    connect(ui->IssueAffectedComboBox, &QComboBox::currentIndexChanged, this,
            [this] { IssueAffectedComboBoxChange(); });
    connect(ui->EffectTypeComboBox, &QComboBox::currentIndexChanged, this,
            [this] { EffectTypeComboBoxChange(); });
    connect(ui->AddEffectButton, &QPushButton::clicked, this, [this] { AddEffectButtonClick(); });
    connect(ui->RemoveEffectButton, &QPushButton::clicked, this, [this] { RemoveEffectClick(); });
    connect(ui->NewButton, &QPushButton::clicked, this, [this] { NewButtonClick(); });
    connect(ui->RemoveOutcomeButton, &QPushButton::clicked, this,
            [this] { RemoveOutcomeButtonClick(); });
    connect(ui->HeadlineMemo, &QPlainTextEdit::textChanged, this, [this] { HeadlineMemoChange(); });
}

TEventOutcomeBuilderForm::~TEventOutcomeBuilderForm() {
    delete ui;
}

void TEventOutcomeBuilderForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TEventOutcomeBuilderForm::FormShow() {
    {
        const QSignalBlocker quiet(ui->OutcomesListBox);
        ui->OutcomesListBox->clear();
        TXmlNode* outcomes = ChildLookup::Child(Event_, "outcomes");
        for (int32_t i = 0; outcomes && i < outcomes->ChildCount(); ++i)
            AddEntry(ui->OutcomesListBox, HeadlineOf(outcomes->GetChildAt(i)),
                     outcomes->GetChildAt(i));
    }
    ui->NewButton->setEnabled(Event_ != nullptr);
    SelectOutcome(ui->OutcomesListBox->count() > 0 ? 0 : -1);
}

TXmlNode* TEventOutcomeBuilderForm::SelectedOutcome() const {
    return CurrentElement(ui->OutcomesListBox);
}

void TEventOutcomeBuilderForm::SelectOutcome(int row) {
    SelectQuietly(ui->OutcomesListBox, row);
    OutcomesListBoxClick();
}

void TEventOutcomeBuilderForm::OutcomesListBoxClick() {
    ShowOutcome(SelectedOutcome());
}

void TEventOutcomeBuilderForm::ShowOutcome(TXmlNode* outcome) {
    // A field the outcome lacks is added at its first edit.
    BindText(ui->ChanceEdit, {outcome, "chance"});
    BindText(ui->ProfileChangeEdit, {outcome, "profile_change"});
    BindText(ui->ChanceIssueCenterMovesEdit, {outcome, "chance_issue_center_moves"});
    BindText(ui->DistanceCenterMovesEdit, {outcome, "distance_issue_center_moves"});
    BindText(ui->TargetCenterEdit, {outcome, "target_issue_center"});
    BindText(ui->MomentumChangeEdit, {outcome, "momentum_change"});
    BindLimitedText(ui->HeadlineMemo, {outcome, "headline"});
    {
        const QSignalBlocker quiet(ui->IssueAffectedComboBox);
        EventNameLists::Fill(ui->IssueAffectedComboBox,
                             outcome ? EventsEdit::IssueList(Data_)
                                     : std::vector<EventsEdit::TNamedItem>{});
        const TXmlNode* affected = ChildLookup::Child(outcome, "issue_affected");
        EventNameLists::ChooseById(ui->IssueAffectedComboBox,
                                   affected ? affected->AttributeValue("id") : std::string());
    }
    ShowEffects(outcome);
    {
        const QSignalBlocker quiet(ui->EffectTypeComboBox);
        ui->EffectTypeComboBox->setCurrentIndex(-1);
    }
    EffectTypeComboBoxChange();
    ui->DetailsGroup->setEnabled(outcome != nullptr);
    ui->EffectsGroup->setEnabled(outcome != nullptr);
    ui->RemoveOutcomeButton->setEnabled(outcome != nullptr);
}

void TEventOutcomeBuilderForm::ShowEffects(TXmlNode* outcome) {
    const TXmlNode* issue = EventNameLists::Chosen(ui->IssueAffectedComboBox);
    EventsEdit::DropDanglingEffects(Data_, outcome, issue);
    const QSignalBlocker quiet(ui->EffectsListBox);
    ui->EffectsListBox->clear();
    TXmlNode* effects = ChildLookup::Child(outcome, "effects");
    for (int32_t i = 0; effects && i < effects->ChildCount(); ++i) {
        TXmlNode* effect = effects->GetChildAt(i);
        AddEntry(ui->EffectsListBox,
                 QString::fromStdString(EventsEdit::EffectLine(Data_, effect, issue).value_or("")),
                 effect);
    }
}

void TEventOutcomeBuilderForm::HeadlineMemoChange() {
    if (!SelectedOutcome() || !Bound(ui->HeadlineMemo))
        return;
    if (QListWidgetItem* line = ui->OutcomesListBox->currentItem())
        line->setText(ui->HeadlineMemo->toPlainText());
}

void TEventOutcomeBuilderForm::IssueAffectedComboBoxChange() {
    TXmlNode* outcome = SelectedOutcome();
    if (!outcome)
        return;
    EventsEdit::SetAffectedIssue(Data_, outcome, EventNameLists::Chosen(ui->IssueAffectedComboBox));
    ShowEffects(outcome);
    // The positions on offer belong to the issue.
    EffectTypeComboBoxChange();
}

void TEventOutcomeBuilderForm::EffectTypeComboBoxChange() {
    const QString type = ui->EffectTypeComboBox->currentText().toLower();
    std::vector<EventsEdit::TNamedItem> names;
    bool financial = false;
    if (type == QStringLiteral("issue position")) {
        names = EventsEdit::PositionList(EventNameLists::Chosen(ui->IssueAffectedComboBox));
    } else if (type == QStringLiteral("party")) {
        names = EventsEdit::PartyList(Data_);
        financial = true;
    } else if (type == QStringLiteral("leader")) {
        names = EventsEdit::LeaderList(Data_);
        financial = true;
    } else if (type == QStringLiteral("vice leader")) {
        names = EventsEdit::ViceLeaderList(Data_);
    }
    ui->NameComboBox->clear();
    ui->RewardTypeComboBox->clear();
    if (type.isEmpty())
        return;
    EventNameLists::Fill(ui->NameComboBox, names);
    ui->NameComboBox->setCurrentIndex(-1);
    ui->RewardTypeComboBox->addItem(QStringLiteral("Momentum"));
    if (financial)
        ui->RewardTypeComboBox->addItem(QStringLiteral("Financial"));
}

void TEventOutcomeBuilderForm::AddEffectButtonClick() {
    TXmlNode* outcome = SelectedOutcome();
    const TXmlNode* target = EventNameLists::Chosen(ui->NameComboBox);
    if (!outcome || !target)
        return;
    TXmlNode* effect = EventsEdit::AddEffect(Data_, outcome, target,
                                             ui->RewardTypeComboBox->currentText().toStdString(),
                                             ui->MomentumEffectEdit->text().toStdString());
    if (!effect)
        return;
    const TXmlNode* issue = EventNameLists::Chosen(ui->IssueAffectedComboBox);
    AddEntry(ui->EffectsListBox,
             QString::fromStdString(EventsEdit::EffectLine(Data_, effect, issue).value_or("")),
             effect);
    {
        const QSignalBlocker quiet(ui->EffectTypeComboBox);
        ui->EffectTypeComboBox->setCurrentIndex(-1);
    }
    EffectTypeComboBoxChange();
    ui->MomentumEffectEdit->setText(QStringLiteral("0"));
}

void TEventOutcomeBuilderForm::RemoveEffectClick() {
    const int row = ui->EffectsListBox->currentRow();
    if (row >= 0)
        EventsEdit::RemoveItem(Data_, TakeEntry(ui->EffectsListBox, row));
}

void TEventOutcomeBuilderForm::NewButtonClick() {
    TXmlNode* outcome = EventsEdit::NewOutcome(Data_, Event_);
    if (!outcome)
        return;
    AddEntry(ui->OutcomesListBox, HeadlineOf(outcome), outcome);
    SelectOutcome(ui->OutcomesListBox->count() - 1);
}

void TEventOutcomeBuilderForm::RemoveOutcomeButtonClick() {
    const int row = ui->OutcomesListBox->currentRow();
    if (row < 0)
        return;
    // The fields and the effect lines must let go of the outcome first.
    ShowOutcome(nullptr);
    EventsEdit::RemoveItem(Data_, TakeEntry(ui->OutcomesListBox, row));
    OutcomesListBoxClick();
}

void TEventOutcomeBuilderForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { ShowTarget(target); });
}

void TEventOutcomeBuilderForm::ShowTarget(const TElementTarget& target) {
    TXmlNode* outcome =
        ElementFocus::SelectEntryHolding(ui->OutcomesListBox, target.ItemAfter(Event_));
    if (!outcome) {
        ElementFocus::FocusControl(ui->OutcomesListBox);
        return;
    }
    // Showing the outcome may have dropped the effect asked for: its place
    // is then the list of effects.
    if (ElementFocus::SelectEntryHolding(ui->EffectsListBox, target.Element) ||
        !ElementFocus::Contains(outcome, target.Element)) {
        ElementFocus::FocusControl(ui->EffectsListBox);
        return;
    }
    const ElementFocus::TFieldControls controls{
        {"chance", ui->ChanceEdit},
        {"profile_change", ui->ProfileChangeEdit},
        {"chance_issue_center_moves", ui->ChanceIssueCenterMovesEdit},
        {"distance_issue_center_moves", ui->DistanceCenterMovesEdit},
        {"target_issue_center", ui->TargetCenterEdit},
        {"momentum_change", ui->MomentumChangeEdit},
        {"headline", ui->HeadlineMemo},
        {"issue_affected", ui->IssueAffectedComboBox},
        {"effects", ui->EffectsListBox}};
    ElementFocus::FocusTarget(
        this, target,
        ElementFocus::ControlFor(controls, ElementFocus::FieldNameBelow(target, outcome)),
        ui->OutcomesListBox);
}
