#include "editors/world/TEconomyEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/ScenarioEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TEconomyEditorForm.h"
#include "xml/ChildLookup.h"

#include <QShowEvent>
#include <QSignalBlocker>

using namespace ControlBinding;

TEconomyEditorForm::TEconomyEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TEconomyEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 111);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->TargetsListBox, &QListWidget::currentRowChanged, this,
            &TEconomyEditorForm::ShowSelection);
    connect(ui->NameEdit, &QLineEdit::textChanged, this, &TEconomyEditorForm::NameEditChange);
    connect(ui->NewButton, &QPushButton::clicked, this, &TEconomyEditorForm::NewButtonClick);
    connect(ui->RemoveButton, &QPushButton::clicked, this, &TEconomyEditorForm::RemoveButtonClick);
}

TEconomyEditorForm::~TEconomyEditorForm() {
    delete ui;
}

void TEconomyEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::ShowInList(this, ui->TargetsListBox, target);
}

void TEconomyEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TEconomyEditorForm::FormShow() {
    ScenarioEdit::CompleteLegacyTargets(Data_);
    TXmlNode* targets = ScenarioEdit::Targets(Data_);
    {
        const QSignalBlocker quiet(ui->TargetsListBox);
        ui->TargetsListBox->clear();
        for (int32_t i = 0; targets && i < targets->ChildCount(); ++i) {
            TXmlNode* target = targets->GetChildAt(i);
            FormSupport::AddEntry(
                ui->TargetsListBox,
                QString::fromStdString(ChildLookup::Child(target, "name")->GetText()), target);
        }
    }
    FormSupport::SelectQuietly(ui->TargetsListBox, ui->TargetsListBox->count() > 0 ? 0 : -1);
    ui->NewButton->setEnabled(targets != nullptr);
    ShowSelection();
}

void TEconomyEditorForm::ShowSelection() {
    TXmlNode* target = FormSupport::CurrentElement(ui->TargetsListBox);
    BindText(ui->NameEdit, ChildLookup::Child(target, "name"));
    BindText(ui->TargetEdit, ChildLookup::Child(target, "economy_target"));
    FormSupport::BindComboIgnoringCase(ui->SpeedComboBox, ChildLookup::Child(target, "speed"));
    BindText(ui->ChanceEdit, ChildLookup::Child(target, "chance"));
    // A detail whose element the target lacks stays disabled.
    ui->NameEdit->setEnabled(BoundElement(ui->NameEdit));
    ui->TargetEdit->setEnabled(BoundElement(ui->TargetEdit));
    ui->SpeedComboBox->setEnabled(BoundElement(ui->SpeedComboBox));
    ui->ChanceEdit->setEnabled(BoundElement(ui->ChanceEdit));
    ui->RemoveButton->setEnabled(target != nullptr);
}

void TEconomyEditorForm::NameEditChange() {
    QListWidgetItem* entry = ui->TargetsListBox->currentItem();
    if (entry && BoundElement(ui->NameEdit))
        entry->setText(ui->NameEdit->text());
}

void TEconomyEditorForm::NewButtonClick() {
    TXmlNode* target = ScenarioEdit::NewTarget(Data_);
    if (!target)
        return;
    FormSupport::AddEntry(ui->TargetsListBox,
                          QString::fromStdString(target->GetChild("name")->GetText()), target);
    FormSupport::SelectQuietly(ui->TargetsListBox, ui->TargetsListBox->count() - 1);
    ShowSelection();
}

void TEconomyEditorForm::RemoveButtonClick() {
    const int row = ui->TargetsListBox->currentRow();
    if (row < 0)
        return;
    TXmlNode* target = FormSupport::TakeEntry(ui->TargetsListBox, row);
    // The details let go of the target before it is destroyed.
    ShowSelection();
    ScenarioEdit::RemoveItem(Data_, ScenarioEdit::Targets(Data_), target);
}
