#include "editors/world/TInterviewerEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/ScenarioEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TInterviewerEditorForm.h"
#include "xml/ChildLookup.h"

#include <QShowEvent>
#include <QSignalBlocker>

using namespace ControlBinding;

namespace {

QString NameOf(const TXmlNode* interviewer) {
    const TXmlNode* name = ChildLookup::Child(interviewer, "name");
    return name ? QString::fromStdString(name->GetText()) : QString();
}

} // namespace

TInterviewerEditorForm::TInterviewerEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TInterviewerEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 112);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->InterviewersListBox, &QListWidget::currentRowChanged, this,
            &TInterviewerEditorForm::ShowSelection);
    connect(ui->NameEdit, &QLineEdit::textChanged, this, &TInterviewerEditorForm::NameEditChange);
    connect(ui->NewButton, &QPushButton::clicked, this, &TInterviewerEditorForm::NewButtonClick);
    connect(ui->RemoveButton, &QPushButton::clicked, this,
            &TInterviewerEditorForm::RemoveButtonClick);
}

TInterviewerEditorForm::~TInterviewerEditorForm() {
    delete ui;
}

void TInterviewerEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::ShowInList(this, ui->InterviewersListBox, target);
}

void TInterviewerEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TInterviewerEditorForm::FormShow() {
    TXmlNode* interviewers = ScenarioEdit::Interviewers(Data_);
    {
        const QSignalBlocker quiet(ui->InterviewersListBox);
        ui->InterviewersListBox->clear();
        for (int32_t i = 0; interviewers && i < interviewers->ChildCount(); ++i) {
            TXmlNode* interviewer = interviewers->GetChildAt(i);
            FormSupport::AddEntry(ui->InterviewersListBox, NameOf(interviewer), interviewer);
        }
    }
    FormSupport::SelectQuietly(ui->InterviewersListBox,
                               ui->InterviewersListBox->count() > 0 ? 0 : -1);
    ui->NewButton->setEnabled(interviewers != nullptr);
    ShowSelection();
}

void TInterviewerEditorForm::ShowSelection() {
    TXmlNode* interviewer = FormSupport::CurrentElement(ui->InterviewersListBox);
    BindText(ui->NameEdit, ChildLookup::Child(interviewer, "name"));
    FormSupport::BindComboIgnoringCase(ui->StanceComboBox,
                                       ChildLookup::Child(interviewer, "stance"));
    FormSupport::BindComboIgnoringCase(ui->VisibilityComboBox,
                                       ChildLookup::Child(interviewer, "visibility"));
    FormSupport::BindComboIgnoringCase(ui->ContentiousnessComboBox,
                                       ChildLookup::Child(interviewer, "contentiousness"));
    // A detail whose element the interviewer lacks stays disabled.
    ui->NameEdit->setEnabled(BoundElement(ui->NameEdit));
    ui->StanceComboBox->setEnabled(BoundElement(ui->StanceComboBox));
    ui->VisibilityComboBox->setEnabled(BoundElement(ui->VisibilityComboBox));
    ui->ContentiousnessComboBox->setEnabled(BoundElement(ui->ContentiousnessComboBox));
    ui->RemoveButton->setEnabled(interviewer != nullptr);
}

void TInterviewerEditorForm::NameEditChange() {
    QListWidgetItem* entry = ui->InterviewersListBox->currentItem();
    if (entry && BoundElement(ui->NameEdit))
        entry->setText(ui->NameEdit->text());
}

void TInterviewerEditorForm::NewButtonClick() {
    TXmlNode* interviewer = ScenarioEdit::NewInterviewer(Data_);
    if (!interviewer)
        return;
    FormSupport::AddEntry(ui->InterviewersListBox, NameOf(interviewer), interviewer);
    FormSupport::SelectQuietly(ui->InterviewersListBox, ui->InterviewersListBox->count() - 1);
    ShowSelection();
}

void TInterviewerEditorForm::RemoveButtonClick() {
    const int row = ui->InterviewersListBox->currentRow();
    if (row < 0)
        return;
    TXmlNode* interviewer = FormSupport::TakeEntry(ui->InterviewersListBox, row);
    // The details let go of the interviewer before it is destroyed.
    ShowSelection();
    ScenarioEdit::RemoveItem(Data_, ScenarioEdit::Interviewers(Data_), interviewer);
}
