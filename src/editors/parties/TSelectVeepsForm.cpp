#include "editors/parties/TSelectVeepsForm.h"
#include "ui_TSelectVeepsForm.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "editors/parties/PartyTargets.h"
#include "scenario/edit/CandidatesEdit.h"
#include "xml/TXmlNode.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <QSignalBlocker>

namespace {

constexpr int IdRole = Qt::UserRole + 1;

void AddMate(QListWidget* list, const std::string& id, TXmlNode* viceLeader) {
    const QString text = viceLeader
                             ? QString::fromStdString(CandidatesEdit::CandidateName(viceLeader))
                             : QStringLiteral("%1 (missing)").arg(QString::fromStdString(id));
    FormSupport::AddEntry(list, text, viceLeader)->setData(IdRole, QString::fromStdString(id));
}

} // namespace

TSelectVeepsForm::TSelectVeepsForm(TScenarioData& data, TXmlNode* party, TXmlNode* leader,
                                   QWidget* parent)
    : QDialog(parent), ui(new Ui::TSelectVeepsForm), Data_(data), Party_(party), Leader_(leader) {
    ui->setupUi(this);
    setProperty("helpTopic", 153);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QListWidget* other = ui->OtherViceLeadersListBox;
    QListWidget* selected = ui->SelectedViceLeadersListBox;
    connect(ui->AddButton, &QPushButton::clicked, this, [=, this] { Move(other, false, true); });
    connect(ui->AddAllButton, &QPushButton::clicked, this, [=, this] { Move(other, true, true); });
    connect(ui->RemoveButton, &QPushButton::clicked, this,
            [=, this] { Move(selected, false, false); });
    connect(ui->RemoveAllButton, &QPushButton::clicked, this,
            [=, this] { Move(selected, true, false); });
}

TSelectVeepsForm::~TSelectVeepsForm() {
    delete ui;
}

void TSelectVeepsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FillLists();
}

void TSelectVeepsForm::keyPressEvent(QKeyEvent* event) {
    // Every move is written at once, so there is nothing to confirm: Enter
    // closes the chooser as Escape does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        accept();
    else
        QDialog::keyPressEvent(event);
}

void TSelectVeepsForm::FillLists() {
    const CandidatesEdit::TRunningMateSplit split =
        CandidatesEdit::SplitRunningMates(Party_, Leader_);
    for (QListWidget* list : {ui->OtherViceLeadersListBox, ui->SelectedViceLeadersListBox}) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
    for (TXmlNode* viceLeader : split.Available)
        AddMate(ui->OtherViceLeadersListBox, viceLeader->AttributeValue("id"), viceLeader);
    for (const CandidatesEdit::TRunningMate& mate : split.Selected)
        AddMate(ui->SelectedViceLeadersListBox, mate.Id, mate.ViceLeader);
    for (QListWidget* list : {ui->OtherViceLeadersListBox, ui->SelectedViceLeadersListBox})
        FormSupport::SelectQuietly(list, list->count() > 0 ? 0 : -1);
    ui->AddButton->setEnabled(Leader_ != nullptr);
    ui->AddAllButton->setEnabled(Leader_ != nullptr);
}

void TSelectVeepsForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        QListWidget* list = ui->SelectedViceLeadersListBox;
        const TXmlNode* mates = Leader_ ? Leader_->GetChild("viceleaders") : nullptr;
        if (const TXmlNode* mate = PartyTargets::ChildOnPath(PartyTargets::Node(target), mates)) {
            const QString id = QString::fromStdString(mate->AttributeValue("id"));
            for (int row = 0; row < list->count(); ++row)
                if (list->item(row)->data(IdRole).toString() == id) {
                    list->setCurrentRow(row);
                    break;
                }
        }
        ElementFocus::FocusControl(list);
    });
}

void TSelectVeepsForm::Move(QListWidget* list, bool all, bool add) {
    if (!Leader_)
        return;
    std::vector<std::string> ids;
    for (int row = 0; row < list->count(); ++row)
        if (all || list->item(row)->isSelected())
            ids.push_back(list->item(row)->data(IdRole).toString().toStdString());
    for (const std::string& id : ids) {
        if (add)
            CandidatesEdit::AddRunningMate(Data_, Leader_, id);
        else
            CandidatesEdit::RemoveRunningMate(Data_, Leader_, id);
    }
    FillLists();
}
