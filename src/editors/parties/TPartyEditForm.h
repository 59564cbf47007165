#pragma once

#include <QDialog>
#include <QImage>

#include <functional>
#include <string>

namespace Ui {
class TPartyEditForm;
}
class QListWidget;
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// One party of parties.xml: its fields, convention, ad credits, picture and
// colour, and the buttons that open its platform, starting percentages,
// debates, regional information and candidates.
class TPartyEditForm : public QDialog {
    Q_OBJECT
public:
    TPartyEditForm(TScenarioData& data, TXmlNode* party, QWidget* parent = nullptr);
    ~TPartyEditForm() override;

    // The windows of "Candidates ..." and "Region Info ...", opened for a
    // party, and at target when it is not null. Their buttons stay disabled
    // while no window is set.
    using TPartyWindow = std::function<void(TScenarioData& data, TXmlNode* party, QWidget* parent,
                                            const TElementTarget* target)>;
    static TPartyWindow& OpenCandidates();
    static TPartyWindow& OpenRegionInfo();

    TXmlNode* Party() const { return Party_; }
    // Once shown, focuses the target's field, or opens the window that
    // leads to the target (call before exec()).
    void ShowElement(const TElementTarget& target);
    // The picture as shown, 101 by 101 (blank when there is none).
    const QImage& Picture() const { return Picture_; }

    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PartyImageClick();
    void ColorShapeClick();
    void AddAdButtonClick();
    void RemoveAdButtonClick();
    void FillLocations();
    void LocationComboBoxChange(int index);
    void LoadPicture();
    void ShowColour();
    // Fills both ad lists from the party's credits, selecting the entries
    // for the ads in select (the first entries when it is empty).
    void FillAdLists(const std::vector<std::string>& select = {});
    void SelectedAdsListBoxClick();
    QString PartyName() const;
    void PercentagesButtonClick();
    void PlatformButtonClick();
    void DebatesButtonClick(const TElementTarget* target = nullptr);
    void OpenPercentages(const TElementTarget* target);
    void OpenPlatform(const TElementTarget* target);
    void OpenPartyWindow(const TPartyWindow& window, const TElementTarget* target);
    // Focuses the control that shows the target's node.
    void FocusTarget(const TElementTarget& target);

    Ui::TPartyEditForm* ui;
    TScenarioData& Data_;
    TXmlNode* Party_;
    QImage Picture_;
};
