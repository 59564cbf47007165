#pragma once

#include <QDialog>

namespace Ui {
class TPartyLeaderVeepEditorForm;
}
class QListWidget;
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// A party's candidates: its vice-leader pool and its leaders, with New,
// Edit, Copy, Remove and Copy To... for both, and Up / Dn for the leaders.
class TPartyLeaderVeepEditorForm : public QDialog {
    Q_OBJECT
public:
    TPartyLeaderVeepEditorForm(TScenarioData& data, TXmlNode* party, QWidget* parent = nullptr);
    ~TPartyLeaderVeepEditorForm() override;

    TXmlNode* SelectedViceLeader() const;
    TXmlNode* SelectedLeader() const;
    // Once shown, selects the target's leader or vice-leader and opens its
    // editor on the way to the target (call before exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Refills both lists and selects these candidates (the first entry when
    // null).
    void FillLists(const TXmlNode* viceLeader, const TXmlNode* leader);
    void OpenViceLeader(TXmlNode* viceLeader, const TElementTarget* target = nullptr);
    void OpenLeader(TXmlNode* leader, const TElementTarget* target = nullptr);
    void RemoveVeepButtonClick();
    void RemoveLeaderButtonClick();
    void CopyVeepToButtonClick();
    void CopyLeaderToButtonClick();
    void MoveLeader(int direction);
    void UpdateButtons();

    Ui::TPartyLeaderVeepEditorForm* ui;
    TScenarioData& Data_;
    TXmlNode* Party_;
};
