#pragma once

#include <QDialog>
#include <QSize>

namespace Ui {
class TLeaderEditForm;
}
class QLabel;
class TScenarioData;
class TXmlNode;

// One leader of a party: names, descriptions, numbers, ratings, region
// bonuses, portraits and colour, and the buttons that open the leader's
// running mates, starting percentages, crusaders and platform.
class TLeaderEditForm : public QDialog {
    Q_OBJECT
public:
    TLeaderEditForm(TScenarioData& data, TXmlNode* leader, QWidget* parent = nullptr);
    ~TLeaderEditForm() override;

    void ChangeLargeImageClick();
    void ChangeSmallImageClick();
    void VeepsButtonClick();
    void CrusadersButtonClick();
    void ChangeColorClick();
    void IssuesButtonClick();
    void PercentagesButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void LastNameEditChange();
    void FillRegionBonuses();
    void RegionBonusListBoxClick();
    void ShowPortraits();
    void ShowColour();
    // Chooses a portrait for field ("image_large" or "image_small").
    void ChangePortrait(const char* field, const char* suffix, QSize size);
    QString LastName() const;

    Ui::TLeaderEditForm* ui;
    TScenarioData& Data_;
    TXmlNode* Leader_;
};
