#include "app/TFindInScenarioForm.h"
#include "ui_TFindInScenarioForm.h"

#include "scenario/ScenarioSearch.h"
#include "scenario/TScenarioData.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

// A list of thousands of hits helps no one; the count says to narrow it.
constexpr size_t ShownHits = 1000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TFindInScenarioForm::TFindInScenarioForm(QWidget* parent)
    : QDialog(parent), ui(new Ui::TFindInScenarioForm) {
    ui->setupUi(this);
    setProperty("helpTopic", 240);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->ResultsList->header()->setSectionResizeMode(QHeaderView::Interactive);
    ui->ResultsList->setColumnWidth(0, 130);
    ui->ResultsList->setColumnWidth(1, 300);
    connect(ui->SearchEdit, &QLineEdit::returnPressed, this,
            [this] { Search(ui->SearchEdit->text()); });
    connect(ui->FindButton, &QPushButton::clicked, this,
            [this] { Search(ui->SearchEdit->text()); });
    connect(ui->ResultsList, &QTreeWidget::itemActivated, this, &TFindInScenarioForm::Open);
    connect(ui->ResultsList, &QTreeWidget::currentItemChanged, this,
            &TFindInScenarioForm::UpdateActions);
    connect(ui->OpenButton, &QPushButton::clicked, this, &TFindInScenarioForm::Open);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    UpdateActions();
}

TFindInScenarioForm::~TFindInScenarioForm() {
    delete ui;
}

void TFindInScenarioForm::SetScenario(const TScenarioData* data) {
    Data_ = data;
    Search(ui->SearchEdit->text());
}

QTreeWidget* TFindInScenarioForm::ResultsList() const {
    return ui->ResultsList;
}

TXmlNode* TFindInScenarioForm::CurrentElement() const {
    const QTreeWidgetItem* item = ui->ResultsList->currentItem();
    return item ? static_cast<TXmlNode*>(item->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

void TFindInScenarioForm::Search(const QString& text) {
    if (ui->SearchEdit->text() != text)
        ui->SearchEdit->setText(text);
    const int row = ui->ResultsList->indexOfTopLevelItem(ui->ResultsList->currentItem());
    ui->ResultsList->clear();
    const bool open = Data_ && Data_->Loaded();
    if (!open || text.isEmpty()) {
        ui->CountLabel->setText(open ? QString() : QStringLiteral("No scenario loaded."));
        UpdateActions();
        return;
    }
    const TSearchResult result = ScenarioSearch::Find(*Data_, text.toStdString(), ShownHits);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(result.Hits.size()));
    for (const TSearchHit& hit : result.Hits) {
        // One line each: a text running over lines shows them joined.
        QString shown = Q(hit.Text).simplified();
        auto* item = new QTreeWidgetItem(
            QStringList{Q(TScenarioData::FileName(hit.File)), Q(hit.Section), shown});
        item->setToolTip(2, Q(hit.Text));
        item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(hit.Element)));
        items << item;
    }
    ui->ResultsList->addTopLevelItems(items);
    if (result.Total == 0)
        ui->CountLabel->setText(QStringLiteral("Not found."));
    else if (result.Total > result.Hits.size())
        ui->CountLabel->setText(QStringLiteral("Found %1 places; the first %2 are listed.")
                                    .arg(result.Total)
                                    .arg(result.Hits.size()));
    else
        ui->CountLabel->setText(QStringLiteral("Found %1 %2.")
                                    .arg(result.Total)
                                    .arg(result.Total == 1 ? "place" : "places"));
    // Finding again after an editor session keeps the place in the list.
    if (!items.isEmpty())
        ui->ResultsList->setCurrentItem(items[std::clamp(row, 0, int(items.size()) - 1)]);
    UpdateActions();
}

void TFindInScenarioForm::Open() {
    TXmlNode* element = CurrentElement();
    if (!element)
        return;
    emit OpenRequested(element);
    // The editor may have changed or removed what was found.
    Search(ui->SearchEdit->text());
}

void TFindInScenarioForm::UpdateActions() {
    ui->OpenButton->setEnabled(CurrentElement() != nullptr);
}
