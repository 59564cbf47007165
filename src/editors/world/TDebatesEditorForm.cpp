#include "editors/world/TDebatesEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/ScenarioEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TDebatesEditorForm.h"
#include "xml/ChildLookup.h"

#include <QShowEvent>
#include <QSignalBlocker>

using namespace ControlBinding;

namespace {

QString Caption(const TXmlNode* debate) {
    return QString::fromStdString(ScenarioEdit::DebateCaption(debate));
}

} // namespace

TDebatesEditorForm::TDebatesEditorForm(TScenarioData& data, TXmlNode* list, QWidget* parent)
    : QDialog(parent), ui(new Ui::TDebatesEditorForm), Data_(data), List_(list),
      Primaries_(ScenarioEdit::IsPrimariesList(list)) {
    ui->setupUi(this);
    setProperty("helpTopic", 113);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->DebatesListBox, &QListWidget::currentRowChanged, this,
            &TDebatesEditorForm::ShowSelection);
    // The entry shows the date and the type: store the change first, then
    // rewrite the entry from the element.
    connect(ui->DateTimePicker, &QDateEdit::dateChanged, this, [this] {
        StoreDate(ui->DateTimePicker);
        RefreshEntry();
    });
    connect(ui->TypeComboBox, &QComboBox::currentIndexChanged, this, [this] {
        StoreComboText(ui->TypeComboBox);
        RefreshEntry();
    });
    connect(ui->NewButton, &QPushButton::clicked, this, &TDebatesEditorForm::NewButtonClick);
    connect(ui->RemoveButton, &QPushButton::clicked, this, &TDebatesEditorForm::RemoveButtonClick);
}

TDebatesEditorForm::~TDebatesEditorForm() {
    delete ui;
}

std::unique_ptr<TDebatesEditorForm> TDebatesEditorForm::ForGeneralElection(TScenarioData& data,
                                                                           QWidget* parent) {
    auto form = std::make_unique<TDebatesEditorForm>(
        data, ScenarioEdit::GeneralElectionDebates(data), parent);
    form->MakesGeneralElectionList_ = ScenarioEdit::Debates(data) != nullptr;
    return form;
}

std::unique_ptr<TDebatesEditorForm> TDebatesEditorForm::ForParty(TScenarioData& data,
                                                                 TXmlNode* party, QWidget* parent) {
    auto form =
        std::make_unique<TDebatesEditorForm>(data, ScenarioEdit::PartyDebates(data, party), parent);
    // Without a list the form still must not offer general-election debates.
    form->Primaries_ = true;
    const TXmlNode* name = ChildLookup::Child(party, "name");
    form->setWindowTitle(QStringLiteral("Step 5: Create / Edit %1 Party's Debates")
                             .arg(name ? QString::fromStdString(name->GetText()) : QString()));
    return form;
}

void TDebatesEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::ShowInList(this, ui->DebatesListBox, target);
}

void TDebatesEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TDebatesEditorForm::FormShow() {
    {
        const QSignalBlocker quiet(ui->DebatesListBox);
        ui->DebatesListBox->clear();
        for (int32_t i = 0; List_ && i < List_->ChildCount(); ++i) {
            TXmlNode* debate = List_->GetChildAt(i);
            FormSupport::AddEntry(ui->DebatesListBox, Caption(debate), debate);
        }
    }
    FormSupport::SelectQuietly(ui->DebatesListBox, ui->DebatesListBox->count() > 0 ? 0 : -1);
    ui->NewButton->setEnabled(List_ || (MakesGeneralElectionList_ && !Primaries_));
    ShowSelection();
}

void TDebatesEditorForm::ShowSelection() {
    TXmlNode* debate = FormSupport::CurrentElement(ui->DebatesListBox);
    FormSupport::BindDateOrBlank(ui->DateTimePicker, ChildLookup::Child(debate, "date"));
    TXmlNode* type = ChildLookup::Child(debate, "type");
    FormSupport::BindComboIgnoringCase(ui->TypeComboBox, type);
    FormSupport::BindComboIgnoringCase(ui->LanguageComboBox,
                                       ChildLookup::Child(debate, "language"));
    BindText(ui->PercentToQualifyEdit, ChildLookup::Child(debate, "percent_to_qualify"));

    // The type is shown only for debates that have one; with nothing
    // selected it stays in view (disabled) outside primaries mode.
    const bool showType = debate ? type != nullptr : !Primaries_;
    ui->TypeLabel->setVisible(showType);
    ui->TypeComboBox->setVisible(showType);
    ui->DateTimePicker->setEnabled(BoundElement(ui->DateTimePicker));
    ui->TypeComboBox->setEnabled(BoundElement(ui->TypeComboBox));
    ui->LanguageComboBox->setEnabled(BoundElement(ui->LanguageComboBox));
    ui->PercentToQualifyEdit->setEnabled(BoundElement(ui->PercentToQualifyEdit));
    ui->RemoveButton->setEnabled(debate != nullptr);
}

void TDebatesEditorForm::RefreshEntry() {
    QListWidgetItem* entry = ui->DebatesListBox->currentItem();
    if (entry)
        entry->setText(Caption(FormSupport::EntryElement(entry)));
}

void TDebatesEditorForm::NewButtonClick() {
    TXmlNode* debate = nullptr;
    if (List_)
        debate = ScenarioEdit::NewDebate(Data_, List_);
    else if (MakesGeneralElectionList_ && !Primaries_) {
        debate = ScenarioEdit::NewGeneralElectionDebate(Data_);
        List_ = ScenarioEdit::GeneralElectionDebates(Data_);
    }
    if (!debate)
        return;
    FormSupport::AddEntry(ui->DebatesListBox, Caption(debate), debate);
    FormSupport::SelectQuietly(ui->DebatesListBox, ui->DebatesListBox->count() - 1);
    ShowSelection();
}

void TDebatesEditorForm::RemoveButtonClick() {
    const int row = ui->DebatesListBox->currentRow();
    if (row < 0 || !List_)
        return;
    TXmlNode* debate = FormSupport::TakeEntry(ui->DebatesListBox, row);
    // The details let go of the debate before it is destroyed.
    ShowSelection();
    ScenarioEdit::RemoveItem(Data_, List_, debate);
}
