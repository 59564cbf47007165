#include "app/TSelectScenarioForm.h"

#include "ui_TSelectScenarioForm.h"

TSelectScenarioForm::TSelectScenarioForm(QWidget* parent)
    : QDialog(parent), ui(new Ui::TSelectScenarioForm) {
    ui->setupUi(this);
    setProperty("helpTopic", 210);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->lstScenarios, &QListWidget::itemDoubleClicked, this, [this] {
        if (ui->lstScenarios->currentItem())
            accept();
    });
}

TSelectScenarioForm::~TSelectScenarioForm() {
    delete ui;
}

void TSelectScenarioForm::SetScenarios(const QStringList& names) {
    ui->lstScenarios->clear();
    ui->lstScenarios->addItems(names);
}

QString TSelectScenarioForm::SelectedScenario() const {
    const QListWidgetItem* item = ui->lstScenarios->currentItem();
    return item ? item->text() : QString();
}

void TSelectScenarioForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const bool any = ui->lstScenarios->count() > 0;
    if (any && !ui->lstScenarios->currentItem())
        ui->lstScenarios->setCurrentRow(0);
    ui->btnOK->setEnabled(any);
}
