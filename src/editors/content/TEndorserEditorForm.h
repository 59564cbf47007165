#pragma once

#include <QDialog>
#include <QString>

#include <optional>
#include <string>

class QComboBox;
class QDateEdit;
class QListWidget;
class TScenarioData;
class TXmlNode;
struct TDate;
struct TElementTarget;

namespace Ui {
class TEndorserEditorForm;
}

// Step 7: the endorsers of endorsers.xml. Parties, leaders, regions and
// issues are chosen by name; a stance, region or issue whose id names
// nothing any more is listed as missing (by its id) so it can be cleared.
class TEndorserEditorForm : public QDialog {
    Q_OBJECT
public:
    TEndorserEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TEndorserEditorForm() override;

    // Builds the list and shows the first endorser.
    void FormShow();
    // Once shown, selects the endorser of target (and its region entry) and
    // focuses the field or list that shows it; showing writes nothing.
    void ShowElement(const TElementTarget& target);

    // The endorser of the selected line; null when none.
    TXmlNode* SelectedEndorser() const;

    // The text of a choice whose id names nothing.
    static QString MissingText(const std::string& id);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EndorserListBoxClick();
    void NewEndorserButtonClick();
    void RemoveButtonClick();
    void PartiesComboBoxChange();
    void LeadersComboBoxChange();
    void IssuesComboBoxChange();
    void NationalEndorserCheckBoxClick();
    void AddRegionButtonClick();
    void AddAllRegionsButtonClick();
    void RemoveRegionButtonClick();
    void RemoveAllRegionsButtonClick();
    void SelectedRegionsListBoxClick();
    void NameEditChange();
    void FillList();
    void SelectEndorser(int row);
    void ShowEndorser(TXmlNode* endorser);
    void ShowDate(QDateEdit* picker, TXmlNode* element, const std::optional<TDate>& minusOne);
    void DateChange(QDateEdit* picker, bool start);
    void ShowStance(QComboBox* choices, QComboBox* stance, TXmlNode* endorser, const char* group,
                    const char* target);
    void StanceChange(QComboBox* choices, QComboBox* stance);
    void ShowIssue(TXmlNode* endorser);
    void ShowRegions(TXmlNode* endorser);
    void ShowBonuses(TXmlNode* entry);
    void BonusChange(int bonus);
    void MoveRegions(QListWidget* from, bool all);
    void ShowTarget(const TElementTarget& target);
    // Makes the selected region's line the only one selected.
    void SelectRegion(const std::string& id);

    Ui::TEndorserEditorForm* ui;
    TScenarioData& Data_;
    bool Shown_ = false;
    // Set while controls are filled from the documents, so filling writes
    // nothing back.
    bool Filling_ = false;
    // The national bonuses shown before "National Endorser" was switched
    // off, restored when it is switched on again.
    QString NationalMomentum_;
    QString NationalFootsoldiers_;
    QString NationalChance_;
};
