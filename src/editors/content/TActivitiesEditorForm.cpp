#include "editors/content/TActivitiesEditorForm.h"
#include "ui_TActivitiesEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/ListFilter.h"
#include "app/Pictures.h"
#include "app/RemovalNotice.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/ActivitiesEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QSignalBlocker>

#include <algorithm>

using namespace ControlBinding;

TActivitiesEditorForm::TActivitiesEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TActivitiesEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 180);
    ListFilter::Add(ui->ActivitiesListBox);
    ui->ActivityPicture->installEventFilter(this);

    connect(ui->ActivitiesListBox, &QListWidget::currentRowChanged, this,
            [this] { ActivitiesListBoxClick(); });
    connect(ui->NewLeaderActivityButton, &QPushButton::clicked, this,
            [this] { NewLeaderActivityButtonClick(); });
    connect(ui->NewVeepActivityButton, &QPushButton::clicked, this,
            [this] { NewVeepActivityButtonClick(); });
    connect(ui->RemoveActivityButton, &QPushButton::clicked, this,
            [this] { RemoveActivityButtonClick(); });
    connect(ui->ChangePictureButton, &QPushButton::clicked, this,
            [this] { ActivityPictureClick(); });
    connect(ui->NameEdit, &QLineEdit::textChanged, this, [this] { NameEditChange(); });
}

TActivitiesEditorForm::~TActivitiesEditorForm() {
    delete ui;
}

void TActivitiesEditorForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

bool TActivitiesEditorForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->ActivityPicture && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ActivityPictureClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

TXmlNode* TActivitiesEditorForm::List(const char* name) const {
    return ChildLookup::Child(Data_.Activities(), name);
}

void TActivitiesEditorForm::FormShow() {
    FillList();
    SelectActivity(Lines_.empty() ? -1 : 0);
}

void TActivitiesEditorForm::FillList() {
    Lines_.clear();
    for (const char* name : {"leaders", "viceleaders"})
        if (TXmlNode* list = List(name))
            for (int32_t i = 0; i < list->ChildCount(); ++i)
                Lines_.push_back(list->GetChildAt(i));
    {
        const QSignalBlocker blocker(ui->ActivitiesListBox);
        ui->ActivitiesListBox->clear();
        for (const TXmlNode* activity : Lines_)
            ui->ActivitiesListBox->addItem(
                QString::fromStdString(ActivitiesEdit::ListLine(activity)));
    }
    ui->NewLeaderActivityButton->setEnabled(List("leaders") != nullptr);
    ui->NewVeepActivityButton->setEnabled(List("viceleaders") != nullptr);
}

TXmlNode* TActivitiesEditorForm::SelectedActivity() const {
    const int row = ui->ActivitiesListBox->currentRow();
    return row >= 0 && row < static_cast<int>(Lines_.size()) ? Lines_[static_cast<size_t>(row)]
                                                             : nullptr;
}

void TActivitiesEditorForm::SelectActivity(int row) {
    {
        const QSignalBlocker blocker(ui->ActivitiesListBox);
        ui->ActivitiesListBox->setCurrentRow(row);
        if (row < 0)
            ui->ActivitiesListBox->clearSelection();
    }
    ActivitiesListBoxClick();
}

void TActivitiesEditorForm::ActivitiesListBoxClick() {
    ShowActivity(SelectedActivity());
}

void TActivitiesEditorForm::ShowActivity(TXmlNode* activity) {
    BindText(ui->NameEdit, ChildLookup::Child(activity, "name"));
    BindText(ui->EPEdit, ChildLookup::Child(activity, "energy_points"));
    BindText(ui->CPEdit, ChildLookup::Child(activity, "command_points"));
    BindText(ui->CostEdit, ChildLookup::Child(activity, "cost"));
    BindText(ui->PowerEdit, ChildLookup::Child(activity, "base_power"));
    BindText(ui->ChanceOfNewsEdit, ChildLookup::Child(activity, "chance_national_news"));
    BindCheck(ui->IssueFocusCheckBox, ChildLookup::Child(activity, "has_issue_focus"));
    BindCheck(ui->LocationCheckBox, ChildLookup::Child(activity, "requires_location"));

    const bool builtIn = ActivitiesEdit::IsBuiltIn(activity);
    ui->NameEdit->setReadOnly(builtIn);
    ui->RemoveActivityButton->setEnabled(activity && !builtIn);
    ui->ChangePictureButton->setEnabled(ChildLookup::Child(activity, "picture") != nullptr);
    ShowPicture(activity);
}

void TActivitiesEditorForm::ShowPicture(TXmlNode* activity) {
    const TXmlNode* picture = ChildLookup::Child(activity, "picture");
    if (!picture) {
        ui->ActivityPicture->clear();
        return;
    }
    ui->ActivityPicture->setPixmap(QPixmap::fromImage(Pictures::ShowCreatingMissing(
        Data_, Pictures::Activity, QString::fromStdString(picture->GetText()))));
}

void TActivitiesEditorForm::NameEditChange() {
    TXmlNode* activity = SelectedActivity();
    if (!activity || !BoundElement(ui->NameEdit))
        return;
    // This runs before the binding's own handler; the line is made from the
    // element, so store the name first.
    StoreControlText(ui->NameEdit);
    if (QListWidgetItem* line = ui->ActivitiesListBox->currentItem())
        line->setText(QString::fromStdString(ActivitiesEdit::ListLine(activity)));
}

void TActivitiesEditorForm::AddActivity(TXmlNode* activity) {
    if (!activity)
        return;
    FillList();
    const auto found = std::find(Lines_.begin(), Lines_.end(), activity);
    SelectActivity(found == Lines_.end() ? -1 : static_cast<int>(found - Lines_.begin()));
}

void TActivitiesEditorForm::NewLeaderActivityButtonClick() {
    // A missing list is a problem of the file, left to verification.
    if (List("leaders"))
        AddActivity(ActivitiesEdit::NewLeaderActivity(Data_));
}

void TActivitiesEditorForm::NewVeepActivityButtonClick() {
    if (List("viceleaders"))
        AddActivity(ActivitiesEdit::NewVeepActivity(Data_));
}

void TActivitiesEditorForm::RemoveActivityButtonClick() {
    const int row = ui->ActivitiesListBox->currentRow();
    TXmlNode* activity = SelectedActivity();
    if (!activity || ActivitiesEdit::IsBuiltIn(activity))
        return;
    // The fields must let go of the activity's elements before they are
    // destroyed.
    ShowActivity(nullptr);
    TRemovalRepairs repairs;
    if (ActivitiesEdit::RemoveActivity(Data_, activity, &repairs) < -1) {
        SelectActivity(row);
        return;
    }
    FillList();
    SelectActivity(row - 1);
    TellRemovalRepairs(repairs, TScenarioFile::Activities);
}

void TActivitiesEditorForm::ActivityPictureClick() {
    TXmlNode* picture = ChildLookup::Child(SelectedActivity(), "picture");
    if (!picture)
        return;
    const auto stored = Pictures::Choose(Data_, Pictures::Activity);
    if (!stored)
        return;
    picture->SetText(stored->toStdString());
    Data_.SetChanged();
    ShowPicture(SelectedActivity());
}

void TActivitiesEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { ShowTarget(target); });
}

void TActivitiesEditorForm::ShowTarget(const TElementTarget& target) {
    const auto found = std::find(Lines_.begin(), Lines_.end(), target.Item());
    if (!target.Item() || found == Lines_.end()) {
        ElementFocus::FocusControl(ui->ActivitiesListBox);
        return;
    }
    ElementFocus::SelectRow(ui->ActivitiesListBox, static_cast<int>(found - Lines_.begin()));
    const ElementFocus::TFieldControls controls{{"name", ui->NameEdit},
                                                {"energy_points", ui->EPEdit},
                                                {"command_points", ui->CPEdit},
                                                {"cost", ui->CostEdit},
                                                {"base_power", ui->PowerEdit},
                                                {"chance_national_news", ui->ChanceOfNewsEdit},
                                                {"has_issue_focus", ui->IssueFocusCheckBox},
                                                {"requires_location", ui->LocationCheckBox},
                                                {"picture", ui->ChangePictureButton}};
    ElementFocus::FocusTarget(
        this, target,
        ElementFocus::ControlFor(controls, ElementFocus::FieldNameBelow(target, *found)),
        ui->ActivitiesListBox);
}
