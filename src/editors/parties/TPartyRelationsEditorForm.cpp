#include "editors/parties/TPartyRelationsEditorForm.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "editors/parties/PartyTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/RelationsEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TPartyRelationsEditorForm.h"
#include "xml/ChildLookup.h"

#include <QShowEvent>

namespace {

QVariant Hold(TXmlNode* element) {
    return QVariant::fromValue(static_cast<void*>(element));
}

TXmlNode* Held(const QComboBox* box) {
    return static_cast<TXmlNode*>(box->currentData().value<void*>());
}

} // namespace

TPartyRelationsEditorForm::TPartyRelationsEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TPartyRelationsEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 156);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    for (const char* rating : RelationsEdit::Ratings())
        ui->RelationComboBox->addItem(QString::fromLatin1(rating));
    connect(ui->FromComboBox, &QComboBox::currentIndexChanged, this,
            &TPartyRelationsEditorForm::FromComboBoxChange);
    connect(ui->AddButton, &QPushButton::clicked, this, &TPartyRelationsEditorForm::AddButtonClick);
    connect(ui->RemoveButton, &QPushButton::clicked, this,
            &TPartyRelationsEditorForm::RemoveButtonClick);
}

TPartyRelationsEditorForm::~TPartyRelationsEditorForm() {
    delete ui;
}

void TPartyRelationsEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPartyRelationsEditorForm::FormShow() {
    TXmlNode* root = Data_.Relations();
    FormSupport::BindCheckNonZero(ui->EndorsementCheckBox,
                                  ChildLookup::Child(root, "endorsement_offers"));
    FormSupport::BindCheckNonZero(ui->NonAggressionCheckBox,
                                  ChildLookup::Child(root, "non_aggression_offers"));
    FormSupport::BindCheckNonZero(ui->VeepCheckBox, ChildLookup::Child(root, "viceleader_offers"));

    RelationsEdit::RemoveStaleRelations(Data_);
    {
        const QSignalBlocker quiet(ui->FromComboBox);
        ui->FromComboBox->clear();
        for (const RelationsEdit::TLeaderItem& leader : RelationsEdit::Leaders(Data_))
            ui->FromComboBox->addItem(QString::fromStdString(leader.Name), Hold(leader.Leader));
        ui->FromComboBox->setCurrentIndex(-1);
    }
    FromComboBoxChange();
    ui->RelationComboBox->setCurrentIndex(-1);

    ui->RelationsListBox->clear();
    const TXmlNode* list = RelationsEdit::RelationList(Data_);
    for (int32_t i = 0; list && i < list->ChildCount(); ++i) {
        TXmlNode* relation = list->GetChildAt(i);
        FormSupport::AddEntry(ui->RelationsListBox,
                              QString::fromStdString(RelationsEdit::RelationLine(Data_, relation)),
                              relation);
    }
    const bool enabled = root != nullptr;
    ui->RelationsGroupBox->setEnabled(enabled);
    ui->GeneralGroupBox->setEnabled(enabled);
}

void TPartyRelationsEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        if (!PartyTargets::SelectEntryHolding(ui->RelationsListBox, target) &&
            PartyTargets::FocusBound(this, target))
            return;
        ElementFocus::FocusControl(ui->RelationsListBox);
    });
}

void TPartyRelationsEditorForm::FromComboBoxChange() {
    const TXmlNode* from = Held(ui->FromComboBox);
    ui->ToComboBox->clear();
    for (int i = 0; from && i < ui->FromComboBox->count(); ++i)
        if (i != ui->FromComboBox->currentIndex())
            ui->ToComboBox->addItem(ui->FromComboBox->itemText(i), ui->FromComboBox->itemData(i));
    ui->ToComboBox->setCurrentIndex(-1);
}

void TPartyRelationsEditorForm::AddButtonClick() {
    const TXmlNode* from = Held(ui->FromComboBox);
    const TXmlNode* to = Held(ui->ToComboBox);
    if (!from || !to || ui->RelationComboBox->currentIndex() < 0)
        return;
    TXmlNode* relation =
        RelationsEdit::AddRelation(Data_, from->AttributeValue("id"), to->AttributeValue("id"),
                                   ui->RelationComboBox->currentText().toStdString());
    if (!relation)
        return;
    FormSupport::AddEntry(ui->RelationsListBox,
                          QString::fromStdString(RelationsEdit::RelationLine(Data_, relation)),
                          relation);
    ui->RelationsListBox->setCurrentRow(ui->RelationsListBox->count() - 1);
}

void TPartyRelationsEditorForm::RemoveButtonClick() {
    const int row = ui->RelationsListBox->currentRow();
    if (row < 0)
        return;
    TXmlNode* relation = FormSupport::TakeEntry(ui->RelationsListBox, row);
    RelationsEdit::RemoveRelation(Data_, relation);
}
