#include "editors/parties/TPercentagesEditorForm.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "editors/parties/PartyTargets.h"
#include "scenario/TScenarioData.h"
#include "widgets/TDoubleEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TPercentagesEditorForm.h"

#include <QShowEvent>

using PercentagesEdit::TShare;

TPercentagesEditorForm::TPercentagesEditorForm(TScenarioData& data, TXmlNode* owner,
                                               QWidget* parent)
    : QDialog(parent), ui(new Ui::TPercentagesEditorForm), Data_(data), Owner_(owner),
      IsParty_(PercentagesEdit::IsParty(data, owner)) {
    ui->setupUi(this);
    setProperty("helpTopic", 155);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    Fields_ = {{ui->GeneralStartingPercentageEdit, TShare::GeneralStart},
               {ui->StartingPercentageEdit, TShare::PrimariesStart},
               {ui->CommittedPercentageEdit, TShare::Committed},
               {ui->LeaningPercentageEdit, TShare::Leaning},
               {ui->UndecidedPercentageEdit, TShare::Undecided},
               {ui->AlienatedPercentageEdit, TShare::Alienated}};
    for (const TField& field : Fields_)
        connect(field.Edit, &QLineEdit::textChanged, this, [this, field] { FieldChange(field); });
    connect(ui->RegionsListBox, &QListWidget::currentRowChanged, this,
            &TPercentagesEditorForm::ShowFocusedEntry);
    connect(ui->SelectAllButton, &QPushButton::clicked, ui->RegionsListBox,
            &QListWidget::selectAll);
}

TPercentagesEditorForm::~TPercentagesEditorForm() {
    delete ui;
}

void TPercentagesEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPercentagesEditorForm::FormShow() {
    ui->StartingGroupBox->setTitle(
        QString::fromStdString(PercentagesEdit::OwnerCaption(Data_, Owner_)));
    ui->DivisionGroupBox->setTitle(IsParty_ ? QStringLiteral(" Division of General Election % ")
                                            : QStringLiteral(" Division of Primaries % "));
    {
        const QSignalBlocker quiet(ui->RegionsListBox);
        ui->RegionsListBox->clear();
        if (Owner_)
            for (const auto& region :
                 PercentagesEdit::EntriesOf(Data_, Owner_->AttributeValue("id")))
                FormSupport::AddEntry(ui->RegionsListBox, QString::fromStdString(region.RegionName),
                                      region.Entry);
    }
    FormSupport::SelectQuietly(ui->RegionsListBox, ui->RegionsListBox->count() > 0 ? 0 : -1);
    ShowFocusedEntry();
}

std::vector<TXmlNode*> TPercentagesEditorForm::SelectedEntries() const {
    std::vector<TXmlNode*> entries;
    for (int row = 0; row < ui->RegionsListBox->count(); ++row) {
        const QListWidgetItem* item = ui->RegionsListBox->item(row);
        if (item->isSelected())
            entries.push_back(FormSupport::EntryElement(item));
    }
    return entries;
}

void TPercentagesEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        if (PartyTargets::SelectEntryHolding(ui->RegionsListBox, target)) {
            TXmlNode* entry = FormSupport::CurrentElement(ui->RegionsListBox);
            const TXmlNode* node = PartyTargets::Node(target);
            for (const TField& field : Fields_)
                if (field.Edit->isEnabled() &&
                    ElementFocus::Contains(
                        PercentagesEdit::ShareElement(entry, IsParty_, field.Share), node))
                    return ElementFocus::FocusControl(field.Edit);
        }
        ElementFocus::FocusControl(ui->RegionsListBox);
    });
}

void TPercentagesEditorForm::ShowFocusedEntry() {
    TXmlNode* entry = FormSupport::CurrentElement(ui->RegionsListBox);
    Showing_ = true;
    for (const TField& field : Fields_) {
        const TXmlNode* element = PercentagesEdit::ShareElement(entry, IsParty_, field.Share);
        field.Edit->setText(element ? QString::fromStdString(element->GetText()) : QString());
        field.Edit->setEnabled(element != nullptr);
    }
    Showing_ = false;
}

void TPercentagesEditorForm::FieldChange(const TField& field) {
    if (Showing_)
        return;
    const std::vector<TXmlNode*> entries = SelectedEntries();
    if (entries.empty())
        return;
    PercentagesEdit::SetShare(entries, IsParty_, field.Share, field.Edit->text().toStdString());
    Data_.SetChanged();
}
