#pragma once

#include <QDialog>

class TScenarioData;
class TXmlNode;
struct TElementTarget;

namespace Ui {
class TAdEditorForm;
}

// Step 4: the kinds of ad in ads.xml with their production qualities. Every
// field writes into its element as it changes; universal_distribution and
// immediately_available are not shown and so never touched.
class TAdEditorForm : public QDialog {
    Q_OBJECT
public:
    TAdEditorForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TAdEditorForm() override;

    // Fills the list and shows the first ad.
    void FormShow();
    // Once shown, selects the ad of target (and its quality) and focuses
    // the field; showing writes nothing.
    void ShowElement(const TElementTarget& target);

    // The ad of the selected line; null when none.
    TXmlNode* SelectedAd() const;
    TXmlNode* SelectedQuality() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AdsListBoxClick();
    void AdQualitiesListBoxClick();
    void NewAdButtonClick();
    void RemoveAdButtonClick();
    void NameEditChange();
    void ShowTarget(const TElementTarget& target);
    void SelectAd(int row);
    void ShowAd(TXmlNode* ad);
    void ShowQuality(TXmlNode* quality);
    TXmlNode* AdAt(int row) const;

    Ui::TAdEditorForm* ui;
    TScenarioData& Data_;
    bool Shown_ = false;
};
