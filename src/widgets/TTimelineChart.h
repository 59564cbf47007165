#pragma once

#include "scenario/CampaignTimeline.h"

#include <QAbstractScrollArea>

#include <vector>

class QPainter;

// Draws a campaign timeline: a heading per kind, one row per timeline row,
// the days along the top. Only what is in view is drawn, so a timeline of
// thousands of items scrolls as fast as a small one.
//
// Mouse: the wheel scrolls (Shift: sideways), Ctrl+wheel zooms, a tooltip
// per item, double-click activates. Keys: Left/Right scroll, + and - zoom,
// Up/Down move the current item (by row, then by date), Enter
// activates it.
class TTimelineChart : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TTimelineChart(QWidget* parent = nullptr);

    // The timeline drawn (not owned; null for none). The current item is
    // cleared.
    void SetTimeline(const CampaignTimeline::TTimeline* timeline);
    // Pixels per day.
    double DayWidth() const { return DayWidth_; }
    void SetDayWidth(double width);
    // Zooms by factor keeping the day at viewport x in place.
    void Zoom(double factor, int anchorX);
    // The day width at which the whole campaign fits the view.
    void FitToView();

    int Current() const { return Current_; }
    // Makes item current and scrolls it into view; -1 clears.
    void SetCurrent(int item);
    // The item drawn at a point of the viewport; -1 when none.
    int ItemAt(QPoint at) const;
    // Where item is drawn, in viewport coordinates; empty when not drawn.
    QRect ItemRect(int item) const;
    QString ToolTipOf(int item) const;

    // The whole chart, for export: its size, and drawing it all at the
    // painter's origin.
    QSize ChartSize() const;
    void PaintWhole(QPainter& painter) const;

    static constexpr int LabelWidth = 220;
    static constexpr int AxisHeight = 34;
    static constexpr int RowHeight = 18;

signals:
    void CurrentChanged(int item);
    // Double-click or Enter on an item.
    void Activated(int item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Draws the part of the chart at offset (chart pixels) into a view of
    // size; the row labels and the day axis stay pinned.
    void Paint(QPainter& painter, QPoint offset, QSize view) const;
    // Chart coordinates.
    double XOfDay(int day) const;
    QRect ChartRect(int item) const;
    QPoint Offset() const;
    void UpdateScrollBars();
    void Layout();

    const CampaignTimeline::TTimeline* Timeline_ = nullptr;
    double DayWidth_ = 4;
    int FirstDay_ = 0;
    int LastDay_ = 0;
    // Per row: its top in chart pixels; per kind heading likewise.
    std::vector<int> RowTop_;
    std::vector<std::pair<int, CampaignTimeline::TKind>> Headings_;
    std::vector<std::vector<int>> RowItems_;
    // Items in keyboard order: by row, then by first day.
    std::vector<int> Order_;
    int Height_ = 0;
    int Current_ = -1;
};
