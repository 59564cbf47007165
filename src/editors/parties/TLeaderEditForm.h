#pragma once

#include <QDialog>

namespace Ui {
class TLeaderEditForm;
}
class QLabel;
class TScenarioData;
class TXmlNode;
struct TElementTarget;
namespace Pictures {
struct TKind;
}

// One leader of a party: names, descriptions, numbers, ratings, region
// bonuses, portraits and colour, and the buttons that open the leader's
// running mates, starting percentages, crusaders and platform.
class TLeaderEditForm : public QDialog {
    Q_OBJECT
public:
    TLeaderEditForm(TScenarioData& data, TXmlNode* leader, QWidget* parent = nullptr);
    ~TLeaderEditForm() override;

    // Once shown, focuses the target's field, or opens the window of the
    // leader that shows the target (call before exec()).
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChangeLargeImageClick();
    void ChangeSmallImageClick();
    void VeepsButtonClick();
    void CrusadersButtonClick();
    void ChangeColorClick();
    void IssuesButtonClick();
    void PercentagesButtonClick();
    void FormShow();
    void LastNameEditChange();
    void FillRegionBonuses();
    void RegionBonusListBoxClick();
    void ShowPortraits();
    void ShowColour();
    // Chooses a portrait for field ("image_large" or "image_small").
    void ChangePortrait(const char* field, const char* suffix, const Pictures::TKind& kind);
    QString LastName() const;
    void OpenVeeps(const TElementTarget* target);
    void OpenCrusaders(const TElementTarget* target);
    void OpenPlatform(const TElementTarget* target);
    void OpenPercentages(const TElementTarget* target);
    void FocusTarget(const TElementTarget& target);

    Ui::TLeaderEditForm* ui;
    TScenarioData& Data_;
    TXmlNode* Leader_;
};
