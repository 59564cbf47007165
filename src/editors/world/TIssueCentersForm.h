#pragma once

#include <QDialog>

#include <string>
#include <vector>

namespace Ui {
class TIssueCentersForm;
}
class QLabel;
class QLineEdit;
class QSlider;
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// Where each region's voters stand on the position issues, set for several
// regions at once, and the national profiles of every issue.
class TIssueCentersForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int RowCount = 18;

    TIssueCentersForm(TScenarioData& data, QWidget* parent = nullptr);
    ~TIssueCentersForm() override;

    // Once shown, selects the region of the target's element and focuses
    // the row of its issue; for the nation, selects the issue and focuses
    // its profile. Call before exec().
    void ShowElement(const TElementTarget& target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct TRow {
        QLabel* Name = nullptr;
        QSlider* Bar = nullptr;
        QLineEdit* Description = nullptr;
        TXmlNode* Issue = nullptr;
    };

    void FormShow();
    void FocusElement(const TElementTarget& target);
    void RegionsListBoxClick();
    void IssuesListBoxClick();
    void TrackBarChange(int row);
    void TrackBar1Change(int position);
    void ProfileChange(const char* profile, const QString& value);
    void SelectAllButtonClick();
    void ShowDescription(const TRow& row);
    std::vector<TXmlNode*> SelectedRegions() const;

    Ui::TIssueCentersForm* ui;
    TScenarioData& Data_;
    std::vector<TRow> Rows_;
    QSlider* AllCenters_ = nullptr;
};
