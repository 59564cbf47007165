#pragma once

#include <QDialog>

#include <vector>

namespace Ui {
class TElectionEventsEditorForm;
}
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// One party's data in every region: its primary or caucus event (of the
// focused region, found or created when shown), and its place on the
// general-election ballot, the governorship and the majority, which the
// check boxes set in every selected region.
class TElectionEventsEditorForm : public QDialog {
    Q_OBJECT
public:
    TElectionEventsEditorForm(TScenarioData& data, TXmlNode* party, QWidget* parent = nullptr);
    ~TElectionEventsEditorForm() override;

    // The focused region; null when none.
    TXmlNode* FocusedRegion() const;
    std::vector<TXmlNode*> SelectedRegions() const;
    // Once shown, selects the region that holds the target and focuses its
    // field (call before exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void RegionsListBoxClick();
    void TypeComboBoxChange();
    void BallotCheckBoxClick();
    void GovernorCheckBoxClick();
    void MajorityCheckBoxClick();
    std::string PartyId() const;

    Ui::TElectionEventsEditorForm* ui;
    TScenarioData& Data_;
    TXmlNode* Party_;
    TXmlNode* Event_ = nullptr;
};
