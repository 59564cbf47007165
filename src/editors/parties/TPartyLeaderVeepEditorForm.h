#pragma once

#include <QDialog>

namespace Ui {
class TPartyLeaderVeepEditorForm;
}
class QListWidget;
class TScenarioData;
class TXmlNode;

// A party's candidates: its vice-leader pool and its leaders, with New,
// Edit, Copy, Remove and Copy To... for both, and Up / Dn for the leaders.
class TPartyLeaderVeepEditorForm : public QDialog {
    Q_OBJECT
public:
    TPartyLeaderVeepEditorForm(TScenarioData& data, TXmlNode* party, QWidget* parent = nullptr);
    ~TPartyLeaderVeepEditorForm() override;

    TXmlNode* SelectedViceLeader() const;
    TXmlNode* SelectedLeader() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Refills both lists and selects these candidates (the first entry when
    // null).
    void FillLists(const TXmlNode* viceLeader, const TXmlNode* leader);
    void OpenViceLeader(TXmlNode* viceLeader);
    void OpenLeader(TXmlNode* leader);
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
