#pragma once

#include <QDialog>

class TScenarioData;
class TXmlNode;
struct TElementTarget;

namespace Ui {
class TIssueEditorForm;
}

// Step 2: the issues of issues.xml with their position descriptions and
// 32 by 32 pictures. Creating and removing an issue also adds or removes
// its issue centres and platform entries (IssuesEdit). Attribute issues
// keep their names and cannot be removed; the first four issues keep their
// places.
class TIssueEditorForm : public QDialog {
    Q_OBJECT
public:
    TIssueEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TIssueEditorForm() override;

    // Names pictures of old files, builds the list and shows the first issue.
    void FormShow();

    // The issue of the selected entry; null when none.
    TXmlNode* SelectedIssue() const;

    // Once shown, selects the issue of the target's element (and its
    // position) and focuses its field, else the list. Call before exec().
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void IssuesListBoxClick();
    void IssuePositionsListBoxClick();
    void CreateNewButtonClick();
    void RemoveButtonClick();
    void UpButtonClick();
    void DnButtonClick();
    void IssueImageClick();
    void NameEditChange();
    void FillList();
    void SelectIssue(int row);
    void ShowIssue(TXmlNode* issue);
    void ShowPicture(TXmlNode* issue);
    void ShowCount();
    void Move(int row);
    void FocusElement(const TElementTarget& target);

    Ui::TIssueEditorForm* ui;
    TScenarioData& Data_;
    bool Shown_ = false;
};
