#include "editors/parties/TPartiesEditorForm.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/ListFilter.h"
#include "app/Prompts.h"
#include "app/RemovalNotice.h"
#include "editors/parties/TPartyEditForm.h"
#include "editors/parties/TPartyRelationsEditorForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/PartiesEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TPartiesEditorForm.h"

#include <QShowEvent>

TPartiesEditorForm::TPartiesEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TPartiesEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 150);
    ListFilter::Add(ui->PartiesListBox);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->EditButton, &QPushButton::clicked, this, &TPartiesEditorForm::EditButtonClick);
    connect(ui->PartiesListBox, &QListWidget::itemDoubleClicked, this,
            &TPartiesEditorForm::EditButtonClick);
    connect(ui->RelationsButton, &QPushButton::clicked, this,
            &TPartiesEditorForm::RelationsButtonClick);
    connect(ui->NewButton, &QPushButton::clicked, this, &TPartiesEditorForm::NewButtonClick);
    connect(ui->RemoveButton, &QPushButton::clicked, this, &TPartiesEditorForm::RemoveButtonClick);
    connect(ui->UpButton, &QPushButton::clicked, this, &TPartiesEditorForm::UpButtonClick);
    connect(ui->DnButton, &QPushButton::clicked, this, &TPartiesEditorForm::DnButtonClick);
}

TPartiesEditorForm::~TPartiesEditorForm() {
    delete ui;
}

void TPartiesEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FillList();
}

TXmlNode* TPartiesEditorForm::SelectedParty() const {
    return FormSupport::CurrentElement(ui->PartiesListBox);
}

void TPartiesEditorForm::FillList(const TXmlNode* party) {
    int select = 0;
    {
        const QSignalBlocker quiet(ui->PartiesListBox);
        ui->PartiesListBox->clear();
        const TXmlNode* root = Data_.Parties();
        for (int32_t i = 0; root && i < root->ChildCount(); ++i) {
            TXmlNode* item = root->GetChildAt(i);
            const TXmlNode* name = item->GetChild("name");
            FormSupport::AddEntry(ui->PartiesListBox,
                                  name ? QString::fromStdString(name->GetText()) : QString(), item);
            if (item == party)
                select = i;
        }
    }
    FormSupport::SelectQuietly(ui->PartiesListBox, ui->PartiesListBox->count() > 0 ? select : -1);
    ui->NewButton->setEnabled(Data_.Parties() != nullptr);
}

void TPartiesEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        if (target.Window == "TPartyRelationsEditorForm")
            return EditRelations(&target);
        TXmlNode* party = target.Items.empty() ? nullptr : target.Items.front();
        if (!party || !ElementFocus::SelectEntry(ui->PartiesListBox, party) ||
            target.Window == "TPartiesEditorForm")
            return ElementFocus::FocusControl(ui->PartiesListBox);
        EditParty(party, &target);
    });
}

void TPartiesEditorForm::EditParty(TXmlNode* party, const TElementTarget* target) {
    {
        TPartyEditForm form(Data_, party, this);
        if (target)
            form.ShowElement(*target);
        form.exec();
    }
    FillList(party);
}

void TPartiesEditorForm::EditButtonClick() {
    if (TXmlNode* party = SelectedParty())
        EditParty(party);
}

void TPartiesEditorForm::RelationsButtonClick() {
    EditRelations(nullptr);
}

void TPartiesEditorForm::EditRelations(const TElementTarget* target) {
    TPartyRelationsEditorForm form(Data_, this);
    if (target)
        form.ShowElement(*target);
    form.exec();
}

void TPartiesEditorForm::NewButtonClick() {
    TXmlNode* party = PartiesEdit::NewParty(Data_);
    if (!party)
        return;
    FillList(party);
    EditParty(party);
}

void TPartiesEditorForm::RemoveButtonClick() {
    const int row = ui->PartiesListBox->currentRow();
    TXmlNode* party = SelectedParty();
    if (!party || !Prompts().YesNo(QStringLiteral("Remove Party"), QStringLiteral("Are you sure?")))
        return;
    FormSupport::TakeEntry(ui->PartiesListBox, row);
    TRemovalRepairs repairs;
    PartiesEdit::RemoveParty(Data_, party, &repairs);
    if (ui->PartiesListBox->currentRow() < 0 && ui->PartiesListBox->count() > 0)
        FormSupport::SelectQuietly(ui->PartiesListBox, 0);
    TellRemovalRepairs(repairs, TScenarioFile::Parties);
}

void TPartiesEditorForm::Move(int direction) {
    const int row = ui->PartiesListBox->currentRow();
    TXmlNode* root = Data_.Parties();
    if (row < 0 || !root)
        return;
    const int32_t now = PartiesEdit::MoveChild(root, row, direction);
    if (now == row)
        return;
    Data_.SetChanged();
    FillList(root->GetChildAt(now));
}

void TPartiesEditorForm::UpButtonClick() {
    Move(-1);
}

void TPartiesEditorForm::DnButtonClick() {
    Move(+1);
}
