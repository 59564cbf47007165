#pragma once

#include "scenario/map/TMapAreas.h"

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QString>

#include <memory>

namespace Ui {
class TPoliticalUnitEditorForm;
}
class QListWidgetItem;
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// Step 3: the nation and its regions in political_units.xml, defined on the
// scenario map. Clicking an area selects its region, or prepares a new
// (pending) region for land no region holds yet; "Add" or "Add To Existing"
// put it into the document. Labels carry the regions' abbreviations and are
// dragged to place them. Every change is written into the documents at once.
class TPoliticalUnitEditorForm : public QDialog {
    Q_OBJECT
public:
    TPoliticalUnitEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TPoliticalUnitEditorForm() override;

    // The unit the detail groups show: the pending region, else the selected
    // region, else the nation.
    TXmlNode* ShownUnit() const;
    TXmlNode* SelectedRegion() const { return Selected_; }
    TXmlNode* PendingRegion() const { return Pending_.get(); }
    TXmlNode* HighlightedPoint() const { return Highlighted_; }
    bool HasMap() const { return HasMap_; }
    // What the flag area shows.
    const QImage& Flag() const { return Flag_; }

    // A click released on the map at (x, y), in map pixels.
    void MapImageMouseUp(QPoint at);

    // Once shown, selects the region of the target's element as a click on
    // its area does (the nation when it lies in no listed region) and
    // focuses its field, or opens the issue centres at it. Call before
    // exec().
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    // The map as loaded (null: none).
    void SetBaseMap(const QImage& map);
    void Redraw();
    void ShowUnit();
    void UnbindDetails();
    void ShowFlag(TXmlNode* unit);
    void DropPending();
    void BuildPending(QPoint at);
    void SelectRegion(TXmlNode* region, TXmlNode* point);
    void AnnounceCrossHair();
    void FillRegionList();
    int RowOf(const TXmlNode* region) const;
    // The selected entry of the region list and its region; -1 and null
    // when no entry is selected.
    int ListedRow() const;
    TXmlNode* ListedRegion() const;

    void LabelMouseDown(int index);
    void LabelMouseUp(int index, QPoint topLeft);
    void LoadButtonClick();
    void ModifyNationalButtonClick();
    void RegionsListBoxClick();
    void AddButtonClick();
    void AddExistingButtonClick();
    void RemoveButtonClick();
    void RemoveAllButtonClick();
    void RemovePointButtonClick();
    void MoveUpButtonClick();
    void MoveDownButtonClick();
    void Move(int step);
    void AddCityButtonClick();
    void RemoveCityButtonClick();
    void NameEditChange();
    void AbbreviationEditChange();
    void LogoImageClick();
    void FocusElement(const TElementTarget& target);
    // The control showing a field that has no binding; null when none does.
    QWidget* UnboundControl(const TElementTarget& target);
    // Opened at target when one is given.
    void IssueCentersButtonClick(const TElementTarget* target = nullptr);

    Ui::TPoliticalUnitEditorForm* ui;
    TScenarioData& Data_;
    // The map as loaded, never painted on, with its areas found so far.
    TMapAreas Areas_;
    bool HasMap_ = false;
    TXmlNode* Selected_ = nullptr;
    TXmlNode* Highlighted_ = nullptr;
    std::unique_ptr<TXmlNode> Pending_;
    QImage Flag_;
};
