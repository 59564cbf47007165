#pragma once

#include "scenario/CampaignTimeline.h"

#include <QDialog>

class TScenarioData;
class TTimelineChart;
class TXmlNode;
class QListWidget;

namespace Ui {
class TCampaignTimelineForm;
}

// Tools > Campaign Timeline: every dated item of the scenario on one chart,
// with the items whose dates are wrong listed below it. Reads the documents
// only; opening an item's editor is the owner's business.
class TCampaignTimelineForm : public QDialog {
    Q_OBJECT
public:
    explicit TCampaignTimelineForm(const TScenarioData& data, QWidget* parent = nullptr);
    ~TCampaignTimelineForm() override;

    // Builds the timeline again from the documents (after an editor ran).
    void Refresh();
    const CampaignTimeline::TTimeline& Timeline() const { return Timeline_; }
    TTimelineChart* Chart() const;
    QListWidget* ProblemsListBox() const;
    // Asks where and saves the whole chart; false when cancelled or failed.
    bool Export();

signals:
    // An item was double-clicked, Enter pressed on it, or Open clicked: show
    // element in its editor, at field.
    void OpenRequested(TXmlNode* element, const QString& field);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Open(int item);

    Ui::TCampaignTimelineForm* ui;
    const TScenarioData& Data_;
    CampaignTimeline::TTimeline Timeline_;
    bool Fitted_ = false;
};
