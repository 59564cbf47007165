#include "editors/parties/TCrusadersEditorForm.h"
#include "ui_TCrusadersEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/RemovalNotice.h"
#include "editors/parties/PartyTargets.h"
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QShowEvent>
#include <QSignalBlocker>

using namespace ControlBinding;

namespace {

QString Caption(const TXmlNode* crusader) {
    const TXmlNode* first = ChildLookup::Child(crusader, "first_name");
    const TXmlNode* last = ChildLookup::Child(crusader, "last_name");
    return QString::fromStdString((first ? first->GetText() : std::string()) + " " +
                                  (last ? last->GetText() : std::string()));
}

} // namespace

TCrusadersEditorForm::TCrusadersEditorForm(TScenarioData& data, TXmlNode* crusaders,
                                           QWidget* parent)
    : QDialog(parent), ui(new Ui::TCrusadersEditorForm), Data_(data), Crusaders_(crusaders) {
    ui->setupUi(this);
    FormSupport::LimitLength(ui->FirstNameEdit, 20);
    FormSupport::LimitLength(ui->LastNameEdit, 20);
    setProperty("helpTopic", 158);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->CrusadersListBox, &QListWidget::currentRowChanged, this,
            &TCrusadersEditorForm::ShowSelection);
    connect(ui->FirstNameEdit, &QLineEdit::textChanged, this,
            &TCrusadersEditorForm::NameEditChange);
    connect(ui->LastNameEdit, &QLineEdit::textChanged, this, &TCrusadersEditorForm::NameEditChange);
    connect(ui->NewButton, &QPushButton::clicked, this, &TCrusadersEditorForm::NewButtonClick);
    connect(ui->DeleteButton, &QPushButton::clicked, this,
            &TCrusadersEditorForm::DeleteButtonClick);
}

TCrusadersEditorForm::~TCrusadersEditorForm() {
    delete ui;
}

void TCrusadersEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TCrusadersEditorForm::FormShow() {
    {
        const QSignalBlocker quiet(ui->CrusadersListBox);
        ui->CrusadersListBox->clear();
        for (int32_t i = 0; Crusaders_ && i < Crusaders_->ChildCount(); ++i)
            FormSupport::AddEntry(ui->CrusadersListBox, Caption(Crusaders_->GetChildAt(i)),
                                  Crusaders_->GetChildAt(i));
    }
    FormSupport::SelectQuietly(ui->CrusadersListBox, ui->CrusadersListBox->count() > 0 ? 0 : -1);
    ui->NewButton->setEnabled(Crusaders_ != nullptr);
    ShowSelection();
}

void TCrusadersEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        const TXmlNode* crusader =
            PartyTargets::ChildOnPath(PartyTargets::Node(target), Crusaders_);
        if (!ElementFocus::SelectEntry(ui->CrusadersListBox, crusader) ||
            !PartyTargets::FocusBound(this, target))
            ElementFocus::FocusControl(ui->CrusadersListBox);
    });
}

void TCrusadersEditorForm::ShowSelection() {
    TXmlNode* crusader = FormSupport::CurrentElement(ui->CrusadersListBox);
    // A field the crusader lacks is added at its first edit.
    FormSupport::BindLimitedText(ui->FirstNameEdit, {crusader, "first_name"});
    FormSupport::BindLimitedText(ui->LastNameEdit, {crusader, "last_name"});
    BindText(ui->PointsCostEdit, {crusader, "political_points_cost"});
    BindText(ui->BasePowerEdit, {crusader, "base_power"});
    BindText(ui->DaysEdit, {crusader, "last_for_days"});
    ui->DetailsGroup->setEnabled(crusader != nullptr);
    ui->DeleteButton->setEnabled(crusader != nullptr);
}

void TCrusadersEditorForm::NameEditChange() {
    auto* edit = qobject_cast<QLineEdit*>(sender());
    QListWidgetItem* entry = ui->CrusadersListBox->currentItem();
    if (!edit || !entry || !Bound(edit))
        return;
    // The entry is made from the elements: store the change first.
    StoreControlText(edit);
    entry->setText(Caption(FormSupport::EntryElement(entry)));
}

void TCrusadersEditorForm::NewButtonClick() {
    TXmlNode* crusader =
        CandidatesEdit::NewCrusader(Data_, Crusaders_ ? Crusaders_->Parent() : nullptr);
    if (!crusader)
        return;
    FormSupport::AddEntry(ui->CrusadersListBox, Caption(crusader), crusader);
    FormSupport::SelectQuietly(ui->CrusadersListBox, ui->CrusadersListBox->count() - 1);
    ShowSelection();
}

void TCrusadersEditorForm::DeleteButtonClick() {
    const int row = ui->CrusadersListBox->currentRow();
    if (row < 0)
        return;
    TXmlNode* crusader = FormSupport::TakeEntry(ui->CrusadersListBox, row);
    // The fields let go of the crusader before it is destroyed.
    ShowSelection();
    TRemovalRepairs repairs;
    CandidatesEdit::RemoveCrusader(Data_, crusader, &repairs);
    TellRemovalRepairs(repairs, TScenarioFile::Parties);
}
