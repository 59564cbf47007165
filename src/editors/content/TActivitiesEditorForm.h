#pragma once

#include <QDialog>

#include <vector>

class TScenarioData;
class TXmlNode;
struct TElementTarget;

namespace Ui {
class TActivitiesEditorForm;
}

// Step 8: the activities of leaders and vice-leaders in activities.xml with
// their 32 by 32 pictures. The seven built-in activities keep their names
// and cannot be removed. A missing leaders or viceleaders list is shown as
// empty and nothing can be added to it.
class TActivitiesEditorForm : public QDialog {
    Q_OBJECT
public:
    TActivitiesEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TActivitiesEditorForm() override;

    // Builds the list and shows the first activity.
    void FormShow();
    // Once shown, selects the activity of target and focuses its field;
    // showing writes nothing.
    void ShowElement(const TElementTarget& target);

    // The activity of the selected line; null when none.
    TXmlNode* SelectedActivity() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ActivitiesListBoxClick();
    void NewLeaderActivityButtonClick();
    void NewVeepActivityButtonClick();
    void RemoveActivityButtonClick();
    void ActivityPictureClick();
    void NameEditChange();
    void ShowTarget(const TElementTarget& target);
    void FillList();
    void SelectActivity(int row);
    void ShowActivity(TXmlNode* activity);
    void ShowPicture(TXmlNode* activity);
    void AddActivity(TXmlNode* activity);
    TXmlNode* List(const char* name) const;

    Ui::TActivitiesEditorForm* ui;
    TScenarioData& Data_;
    // The activity of each line, leaders first.
    std::vector<TXmlNode*> Lines_;
    bool Shown_ = false;
};
