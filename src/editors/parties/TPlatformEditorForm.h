#pragma once

#include <QDialog>

#include <vector>

namespace Ui {
class TPlatformEditorForm;
}
class QLabel;
class QSlider;
class TScenarioData;
class TXmlNode;
struct TElementTarget;

// The positions of a party or a leader on the issues: one row per issue of
// issues.xml that the owner's platform has an entry for, with a track bar
// from 1 (Far-Left) to 7 (Far-Right) and the issue's description of the
// chosen position. Moving a bar writes the position's name at once.
class TPlatformEditorForm : public QDialog {
    Q_OBJECT
public:
    // owner: a party or a leader element; its platform child is edited.
    TPlatformEditorForm(TScenarioData& data, TXmlNode* owner, QWidget* parent = nullptr);
    ~TPlatformEditorForm() override;

    struct TRow {
        TXmlNode* Issue = nullptr;
        TXmlNode* Entry = nullptr;
        QLabel* IssueLabel = nullptr;
        QSlider* TrackBar = nullptr;
        QLabel* Description = nullptr;
    };
    const std::vector<TRow>& Rows() const { return Rows_; }
    // Once shown, focuses the track bar of the issue whose platform entry
    // holds the target (call before exec()).
    void ShowElement(const TElementTarget& target);

private:
    void AddRow(TXmlNode* issue, TXmlNode* entry);
    void ShowDescription(const TRow& row, int number);
    void TrackBarChange(size_t row);

    Ui::TPlatformEditorForm* ui;
    TScenarioData& Data_;
    std::vector<TRow> Rows_;
};
