#include "editors/parties/TSelectPartyForm.h"

#include "app/FormSupport.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/PartiesEdit.h"
#include "xml/TXmlNode.h"

#include "ui_TSelectPartyForm.h"

#include <QKeyEvent>

TSelectPartyForm::TSelectPartyForm(TScenarioData& data, const TXmlNode* except, QWidget* parent)
    : QDialog(parent), ui(new Ui::TSelectPartyForm) {
    ui->setupUi(this);
    setProperty("helpTopic", 151);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    for (TXmlNode* party : PartiesEdit::OtherParties(data, except)) {
        const TXmlNode* name = party->GetChild("name");
        FormSupport::AddEntry(ui->PartiesListBox,
                              name ? QString::fromStdString(name->GetText()) : QString(), party);
    }
    FormSupport::SelectQuietly(ui->PartiesListBox, ui->PartiesListBox->count() > 0 ? 0 : -1);
    ui->OkButton->setEnabled(ui->PartiesListBox->count() > 0);
    connect(ui->OkButton, &QPushButton::clicked, this, [this] {
        if (SelectedParty())
            accept();
    });
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->PartiesListBox, &QListWidget::itemDoubleClicked, ui->OkButton, &QPushButton::click);
}

TSelectPartyForm::~TSelectPartyForm() {
    delete ui;
}

TXmlNode* TSelectPartyForm::SelectedParty() const {
    return FormSupport::CurrentElement(ui->PartiesListBox);
}

TSelectPartyForm::TChooser& TSelectPartyForm::Chooser() {
    static TChooser chooser;
    return chooser;
}

TXmlNode* TSelectPartyForm::Choose(TScenarioData& data, const TXmlNode* except, QWidget* parent) {
    if (Chooser())
        return Chooser()(data, except);
    TSelectPartyForm form(data, except, parent);
    return form.exec() == QDialog::Accepted ? form.SelectedParty() : nullptr;
}

void TSelectPartyForm::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        ui->OkButton->isEnabled())
        ui->OkButton->click();
    else
        QDialog::keyPressEvent(event);
}
