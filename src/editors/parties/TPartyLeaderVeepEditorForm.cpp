#include "editors/parties/TPartyLeaderVeepEditorForm.h"
#include "ui_TPartyLeaderVeepEditorForm.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/ListFilter.h"
#include "app/Prompts.h"
#include "app/RemovalNotice.h"
#include "editors/parties/PartyTargets.h"
#include "editors/parties/TLeaderEditForm.h"
#include "editors/parties/TPartyEditForm.h"
#include "editors/parties/TSelectPartyForm.h"
#include "editors/parties/TVeepEditForm.h"
#include "scenario/ElementTargets.h"
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QShowEvent>
#include <QSignalBlocker>

namespace {

// Fills list with the candidates of group and selects wanted (else the
// first entry).
void Fill(QListWidget* list, const TXmlNode* group, const TXmlNode* wanted) {
    int row = 0;
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (int32_t i = 0; group && i < group->ChildCount(); ++i) {
            TXmlNode* candidate = group->GetChildAt(i);
            FormSupport::AddEntry(
                list, QString::fromStdString(CandidatesEdit::CandidateName(candidate)), candidate);
            if (candidate == wanted)
                row = i;
        }
    }
    FormSupport::SelectQuietly(list, list->count() > 0 ? row : -1);
}

} // namespace

TPartyLeaderVeepEditorForm::TPartyLeaderVeepEditorForm(TScenarioData& data, TXmlNode* party,
                                                       QWidget* parent)
    : QDialog(parent), ui(new Ui::TPartyLeaderVeepEditorForm), Data_(data), Party_(party) {
    ui->setupUi(this);
    setProperty("helpTopic", 152);
    ListFilter::Add(ui->LeadersListBox);
    ListFilter::Add(ui->VeepsListBox);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (const TXmlNode* name = ChildLookup::Child(party, "name"))
        setWindowTitle(QStringLiteral("Step 5: Create / Edit %1 Party's Leaders and Vice Leaders")
                           .arg(QString::fromStdString(name->GetText())));

    connect(ui->VeepsListBox, &QListWidget::currentRowChanged, this,
            &TPartyLeaderVeepEditorForm::UpdateButtons);
    connect(ui->LeadersListBox, &QListWidget::currentRowChanged, this,
            &TPartyLeaderVeepEditorForm::UpdateButtons);
    connect(ui->NewVeepButton, &QPushButton::clicked, this,
            [this] { OpenViceLeader(CandidatesEdit::NewViceLeader(Data_, Party_)); });
    connect(ui->EditVeepButton, &QPushButton::clicked, this,
            [this] { OpenViceLeader(SelectedViceLeader()); });
    connect(ui->CopyVeepButton, &QPushButton::clicked, this, [this] {
        if (TXmlNode* source = SelectedViceLeader())
            OpenViceLeader(CandidatesEdit::CopyViceLeader(Data_, source, Party_));
    });
    connect(ui->RemoveVeepButton, &QPushButton::clicked, this,
            &TPartyLeaderVeepEditorForm::RemoveVeepButtonClick);
    connect(ui->CopyVeepToButton, &QPushButton::clicked, this,
            &TPartyLeaderVeepEditorForm::CopyVeepToButtonClick);
    connect(ui->NewLeaderButton, &QPushButton::clicked, this,
            [this] { OpenLeader(CandidatesEdit::NewLeader(Data_, Party_)); });
    connect(ui->EditLeaderButton, &QPushButton::clicked, this,
            [this] { OpenLeader(SelectedLeader()); });
    connect(ui->CopyLeaderButton, &QPushButton::clicked, this, [this] {
        if (TXmlNode* source = SelectedLeader())
            OpenLeader(CandidatesEdit::CopyLeader(Data_, source));
    });
    connect(ui->RemoveLeaderButton, &QPushButton::clicked, this,
            &TPartyLeaderVeepEditorForm::RemoveLeaderButtonClick);
    connect(ui->CopyLeaderToButton, &QPushButton::clicked, this,
            &TPartyLeaderVeepEditorForm::CopyLeaderToButtonClick);
    connect(ui->UpButton, &QPushButton::clicked, this, [this] { MoveLeader(-1); });
    connect(ui->DnButton, &QPushButton::clicked, this, [this] { MoveLeader(1); });
}

TPartyLeaderVeepEditorForm::~TPartyLeaderVeepEditorForm() {
    delete ui;
}

void TPartyLeaderVeepEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FillLists(nullptr, nullptr);
}

TXmlNode* TPartyLeaderVeepEditorForm::SelectedViceLeader() const {
    return FormSupport::CurrentElement(ui->VeepsListBox);
}

TXmlNode* TPartyLeaderVeepEditorForm::SelectedLeader() const {
    return FormSupport::CurrentElement(ui->LeadersListBox);
}

void TPartyLeaderVeepEditorForm::FillLists(const TXmlNode* viceLeader, const TXmlNode* leader) {
    Fill(ui->VeepsListBox, ChildLookup::Child(Party_, "viceleaders"), viceLeader);
    Fill(ui->LeadersListBox, ChildLookup::Child(Party_, "leaders"), leader);
    UpdateButtons();
}

void TPartyLeaderVeepEditorForm::UpdateButtons() {
    const bool veep = SelectedViceLeader() != nullptr;
    const bool leader = SelectedLeader() != nullptr;
    for (QPushButton* button : {ui->EditVeepButton, ui->CopyVeepButton, ui->RemoveVeepButton})
        button->setEnabled(veep);
    for (QPushButton* button : {ui->EditLeaderButton, ui->CopyLeaderButton, ui->RemoveLeaderButton,
                                ui->UpButton, ui->DnButton})
        button->setEnabled(leader);
    ui->NewVeepButton->setEnabled(Party_ != nullptr);
    ui->NewLeaderButton->setEnabled(Party_ != nullptr);
    ui->CopyVeepToButton->setEnabled(veep);
    ui->CopyLeaderToButton->setEnabled(leader);
}

void TPartyLeaderVeepEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] {
        TXmlNode* candidate = target.ItemAfter(Party_);
        const TXmlNode* group = candidate ? candidate->Parent() : nullptr;
        const bool leader = group && group == ChildLookup::Child(Party_, "leaders");
        QListWidget* list = leader ? ui->LeadersListBox : ui->VeepsListBox;
        if (!group || !ElementFocus::SelectEntry(list, candidate)) {
            const bool pool =
                ElementFocus::Contains(ChildLookup::Child(Party_, "viceleaders"), target.Element);
            return ElementFocus::FocusControl(pool ? ui->VeepsListBox : ui->LeadersListBox);
        }
        if (leader)
            OpenLeader(candidate, &target);
        else
            OpenViceLeader(candidate, &target);
    });
}

void TPartyLeaderVeepEditorForm::OpenViceLeader(TXmlNode* viceLeader,
                                                const TElementTarget* target) {
    if (!viceLeader)
        return;
    TVeepEditForm form(Data_, viceLeader, this);
    if (target)
        form.ShowElement(*target);
    form.exec();
    FillLists(viceLeader, SelectedLeader());
}

void TPartyLeaderVeepEditorForm::OpenLeader(TXmlNode* leader, const TElementTarget* target) {
    if (!leader)
        return;
    TLeaderEditForm form(Data_, leader, this);
    if (target)
        form.ShowElement(*target);
    form.exec();
    FillLists(SelectedViceLeader(), leader);
}

void TPartyLeaderVeepEditorForm::RemoveVeepButtonClick() {
    const int row = ui->VeepsListBox->currentRow();
    if (row < 0 ||
        !Prompts().YesNo(QStringLiteral("Remove Vice-Leader"), QStringLiteral("Are you sure?")))
        return;
    TRemovalRepairs repairs;
    CandidatesEdit::RemoveViceLeader(Data_, FormSupport::TakeEntry(ui->VeepsListBox, row),
                                     &repairs);
    UpdateButtons();
    TellRemovalRepairs(repairs, TScenarioFile::Parties);
}

void TPartyLeaderVeepEditorForm::RemoveLeaderButtonClick() {
    const int row = ui->LeadersListBox->currentRow();
    if (row < 0 ||
        !Prompts().YesNo(QStringLiteral("Remove Leader"), QStringLiteral("Are you sure?")))
        return;
    TRemovalRepairs repairs;
    CandidatesEdit::RemoveLeader(Data_, FormSupport::TakeEntry(ui->LeadersListBox, row), &repairs);
    UpdateButtons();
    TellRemovalRepairs(repairs, TScenarioFile::Parties);
}

void TPartyLeaderVeepEditorForm::CopyVeepToButtonClick() {
    TXmlNode* viceLeader = SelectedViceLeader();
    if (!viceLeader)
        return;
    if (TXmlNode* target = TSelectPartyForm::Choose(Data_, Party_, this))
        CandidatesEdit::CopyViceLeader(Data_, viceLeader, target);
}

void TPartyLeaderVeepEditorForm::CopyLeaderToButtonClick() {
    TXmlNode* leader = SelectedLeader();
    if (!leader)
        return;
    if (TXmlNode* target = TSelectPartyForm::Choose(Data_, Party_, this))
        CandidatesEdit::CopyLeaderTo(Data_, leader, target);
}

void TPartyLeaderVeepEditorForm::MoveLeader(int direction) {
    TXmlNode* leader = SelectedLeader();
    const int row = ui->LeadersListBox->currentRow();
    if (!leader)
        return;
    const int32_t to = CandidatesEdit::MoveLeader(Data_, leader, direction);
    if (to < 0 || to == row)
        return;
    {
        const QSignalBlocker quiet(ui->LeadersListBox);
        ui->LeadersListBox->insertItem(to, ui->LeadersListBox->takeItem(row));
    }
    FormSupport::SelectQuietly(ui->LeadersListBox, to);
}

// The party editor's "Candidates ..." button opens this list.
static const bool CandidatesWindowRegistered = [] {
    TPartyEditForm::OpenCandidates() = [](TScenarioData& data, TXmlNode* party, QWidget* parent,
                                          const TElementTarget* target) {
        TPartyLeaderVeepEditorForm form(data, party, parent);
        if (target)
            form.ShowElement(*target);
        form.exec();
    };
    return true;
}();
