#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

namespace Ui {
class TScenarioEditorForm;
}
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// Step 1: the campaign-wide settings of scenario.xml, universal_alienated of
// percentages.xml and the scenario picture. Every change is written into
// the documents at once; closing keeps them. A control whose element is
// missing from the file stays disabled: the form never adds fixed elements.
class TScenarioEditorForm : public QDialog {
    Q_OBJECT
public:
    TScenarioEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TScenarioEditorForm() override;

    // What the picture area shows.
    const QImage& Picture() const { return Picture_; }

    // Once shown, focuses the target's field, or opens the economy,
    // interviewers or debates editor at it as their buttons do. Call before
    // exec().
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks for a bitmap and stores it as the scenario picture.
    void ScenarioImageClick();
    void FormShow();
    void LoadPicture();
    void PollResultsDayComboBoxChange(int index);
    void InitialEconomyComboBoxChange(int index);
    void BanAdsCheckBoxClick();
    void FocusElement(const TElementTarget& target);
    // The sub-editors, opened at target when one is given.
    void DebatesButtonClick(const TElementTarget* target = nullptr);
    void InterviewersButtonClick(const TElementTarget* target = nullptr);
    void EconomyButtonClick(const TElementTarget* target = nullptr);

    Ui::TScenarioEditorForm* ui;
    TScenarioData& Data_;
    // Elements written by hand rather than through a plain binding.
    TXmlNode* PollResultsDay_ = nullptr;
    TXmlNode* InitialEconomy_ = nullptr;
    // The ban-on-ads box remembers the day count while no ban is set.
    int RememberedBanDays_ = 0;
    QImage Picture_;
};
