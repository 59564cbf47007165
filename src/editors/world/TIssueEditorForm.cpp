#include "editors/world/TIssueEditorForm.h"
#include "ui_TIssueEditorForm.h"

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/ListFilter.h"
#include "app/Pictures.h"
#include "app/RemovalNotice.h"
#include "scenario/ElementTargets.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/IssuesEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalBlocker>

using namespace ControlBinding;

namespace {

QString NameOf(const TXmlNode* issue) {
    const TXmlNode* name = ChildLookup::Child(issue, "name");
    return name ? QString::fromStdString(name->GetText()) : QString();
}

// Read-only text fields look like the window behind them.
void SetReadOnlyLook(QLineEdit* edit, bool readOnly) {
    edit->setReadOnly(readOnly);
    QPalette colours = edit->palette();
    colours.setBrush(QPalette::Base,
                     readOnly ? edit->palette().button() : QApplication::palette(edit).base());
    edit->setPalette(colours);
}

} // namespace

TIssueEditorForm::TIssueEditorForm(TScenarioData& data, QWidget* parent)
    : QDialog(parent), ui(new Ui::TIssueEditorForm), Data_(data) {
    ui->setupUi(this);
    setProperty("helpTopic", 120);
    ListFilter::Add(ui->IssuesListBox);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    FormSupport::LimitLength(ui->NameEdit, 30);
    FormSupport::LimitLength(ui->PositionDescriptionMemo, 120);
    SetReadOnlyLook(ui->TypeEdit, true);
    // Kept for files that carry a bonus, but the game does not use it.
    ui->FundraisingLabel->hide();
    ui->FundraisingEdit->hide();
    ui->CountLabel->hide();
    ui->IssueImage->installEventFilter(this);

    connect(ui->IssuesListBox, &QListWidget::currentRowChanged, this,
            [this] { IssuesListBoxClick(); });
    connect(ui->IssuePositionsListBox, &QListWidget::currentRowChanged, this,
            [this] { IssuePositionsListBoxClick(); });
    connect(ui->CreateNewButton, &QPushButton::clicked, this, [this] { CreateNewButtonClick(); });
    connect(ui->RemoveButton, &QPushButton::clicked, this, [this] { RemoveButtonClick(); });
    connect(ui->UpButton, &QPushButton::clicked, this, [this] { UpButtonClick(); });
    connect(ui->DnButton, &QPushButton::clicked, this, [this] { DnButtonClick(); });
    connect(ui->ChangeImageButton, &QPushButton::clicked, this, [this] { IssueImageClick(); });
    connect(ui->NameEdit, &QLineEdit::textChanged, this, [this] { NameEditChange(); });
}

TIssueEditorForm::~TIssueEditorForm() {
    delete ui;
}

void TIssueEditorForm::showEvent(QShowEvent* event) {
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

bool TIssueEditorForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->IssueImage && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        IssueImageClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TIssueEditorForm::FormShow() {
    IssuesEdit::NamePicturesByPlace(Data_);
    FillList();
    SelectIssue(ui->IssuesListBox->count() > 0 ? 0 : -1);
}

void TIssueEditorForm::FillList() {
    const QSignalBlocker quiet(ui->IssuesListBox);
    ui->IssuesListBox->clear();
    if (TXmlNode* root = Data_.Issues())
        for (int32_t i = 0; i < root->ChildCount(); ++i)
            FormSupport::AddEntry(ui->IssuesListBox, NameOf(root->GetChildAt(i)),
                                  root->GetChildAt(i));
}

TXmlNode* TIssueEditorForm::SelectedIssue() const {
    return FormSupport::CurrentElement(ui->IssuesListBox);
}

void TIssueEditorForm::SelectIssue(int row) {
    FormSupport::SelectQuietly(ui->IssuesListBox, row);
    IssuesListBoxClick();
}

void TIssueEditorForm::ShowElement(const TElementTarget& target) {
    ElementFocus::WhenShown(this, [this, target] { FocusElement(target); });
}

void TIssueEditorForm::FocusElement(const TElementTarget& target) {
    TXmlNode* issue = ElementFocus::SelectEntryOf(ui->IssuesListBox, target);
    if (!issue) {
        ElementFocus::FocusControl(ui->IssuesListBox);
        return;
    }
    // A position's place in the positions list, as a click there selects it.
    const TXmlNode* positions = ChildLookup::Child(issue, "positions");
    bool onPosition = false;
    for (int32_t i = 0; positions && ui->IssuePositionsListBox->isEnabled() &&
                        i < positions->ChildCount() && i < ui->IssuePositionsListBox->count();
         ++i)
        if (ElementFocus::Contains(positions->GetChildAt(i), target.Element)) {
            ui->IssuePositionsListBox->setCurrentRow(i);
            onPosition = true;
        }
    if (ElementFocus::FocusField(this, target.Element, target.Field))
        return;
    QWidget* control = ui->IssuesListBox;
    if (ElementFocus::FieldName(target) == "picture" && ui->ChangeImageButton->isEnabled())
        control = ui->ChangeImageButton;
    else if (onPosition)
        control = ui->IssuePositionsListBox;
    ElementFocus::FocusControl(control);
}

void TIssueEditorForm::IssuesListBoxClick() {
    ShowIssue(SelectedIssue());
}

void TIssueEditorForm::ShowIssue(TXmlNode* issue) {
    FormSupport::BindLimitedText(ui->NameEdit, ChildLookup::Child(issue, "name"));
    BindText(ui->TypeEdit, ChildLookup::Child(issue, "type"));
    const bool attribute = IssuesEdit::IsAttribute(issue);
    const bool position = issue && !attribute;
    const int row = ui->IssuesListBox->currentRow();

    SetReadOnlyLook(ui->NameEdit, !position);
    ui->RemoveButton->setEnabled(position);
    ui->UpButton->setVisible(!attribute);
    ui->DnButton->setVisible(!attribute);
    ui->UpButton->setEnabled(position && IssuesEdit::CanMoveUp(Data_, row));
    ui->DnButton->setEnabled(position && IssuesEdit::CanMoveDown(Data_, row));
    ui->PositionsGroup->setVisible(position);
    ui->IssueImageGroup->setVisible(!attribute);

    // The position list edits the positions by place.
    const bool hasPositions = ChildLookup::Child(issue, "positions") != nullptr;
    ui->IssuePositionsListBox->setEnabled(position && hasPositions);
    {
        const QSignalBlocker quiet(ui->IssuePositionsListBox);
        ui->IssuePositionsListBox->setCurrentRow(position && hasPositions ? 0 : -1);
    }
    IssuePositionsListBoxClick();

    ShowPicture(issue);
    ShowCount();
}

void TIssueEditorForm::IssuePositionsListBoxClick() {
    TXmlNode* issue = SelectedIssue();
    TXmlNode* positions =
        IssuesEdit::IsAttribute(issue) ? nullptr : ChildLookup::Child(issue, "positions");
    const int row = ui->IssuePositionsListBox->currentRow();
    TXmlNode* position = positions && row >= 0 ? positions->GetChildAt(row) : nullptr;
    FormSupport::BindLimitedText(ui->PositionDescriptionMemo,
                                 ChildLookup::Child(position, "description"));
    ui->PositionDescriptionMemo->setEnabled(ChildLookup::Child(position, "description") != nullptr);
}

void TIssueEditorForm::ShowPicture(TXmlNode* issue) {
    const TXmlNode* picture = IssuesEdit::PictureOf(Data_, issue);
    ui->ChangeImageButton->setEnabled(picture != nullptr);
    if (!picture) {
        ui->IssueImage->clear();
        return;
    }
    ui->IssueImage->setPixmap(QPixmap::fromImage(Pictures::ShowCreatingMissing(
        Data_, Pictures::Issue, QString::fromStdString(picture->GetText()))));
}

void TIssueEditorForm::ShowCount() {
    const QString count = QString::fromStdString(IssuesEdit::CountText(Data_));
    ui->CountLabel->setText(count);
    ui->IssuesGroup->setTitle(QStringLiteral(" Issues - ") + count + QLatin1Char(' '));
    const TXmlNode* root = Data_.Issues();
    ui->CreateNewButton->setEnabled(root && root->ChildCount() < IssuesEdit::MaxIssues);
}

void TIssueEditorForm::NameEditChange() {
    if (!BoundElement(ui->NameEdit))
        return;
    if (QListWidgetItem* entry = ui->IssuesListBox->currentItem())
        entry->setText(ui->NameEdit->text());
}

void TIssueEditorForm::CreateNewButtonClick() {
    TXmlNode* issue = IssuesEdit::NewIssue(Data_);
    if (!issue)
        return;
    FormSupport::AddEntry(ui->IssuesListBox, NameOf(issue), issue);
    SelectIssue(ui->IssuesListBox->count() - 1);
}

void TIssueEditorForm::RemoveButtonClick() {
    TXmlNode* issue = SelectedIssue();
    if (!issue || IssuesEdit::IsAttribute(issue))
        return;
    const int row = ui->IssuesListBox->currentRow();
    // The fields must let go of the issue's elements before they go.
    ShowIssue(nullptr);
    FormSupport::TakeEntry(ui->IssuesListBox, row);
    TRemovalRepairs repairs;
    IssuesEdit::RemoveIssue(Data_, issue, &repairs);
    IssuesListBoxClick();
    TellRemovalRepairs(repairs, TScenarioFile::Issues);
}

void TIssueEditorForm::Move(int row) {
    FillList();
    SelectIssue(row);
}

void TIssueEditorForm::UpButtonClick() {
    const int row = ui->IssuesListBox->currentRow();
    if (IssuesEdit::CanMoveUp(Data_, row))
        Move(IssuesEdit::MoveUp(Data_, row));
}

void TIssueEditorForm::DnButtonClick() {
    const int row = ui->IssuesListBox->currentRow();
    if (IssuesEdit::CanMoveDown(Data_, row))
        Move(IssuesEdit::MoveDown(Data_, row));
}

void TIssueEditorForm::IssueImageClick() {
    TXmlNode* issue = SelectedIssue();
    TXmlNode* picture = IssuesEdit::PictureOf(Data_, issue);
    if (!picture || IssuesEdit::IsAttribute(issue))
        return;
    const auto stored = Pictures::Choose(Data_, Pictures::Issue);
    if (!stored)
        return;
    picture->SetText(stored->toStdString());
    Data_.SetChanged();
    ShowPicture(issue);
}
