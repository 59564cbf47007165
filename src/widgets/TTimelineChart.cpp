#include "widgets/TTimelineChart.h"

#include "xml/TDate.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using CampaignTimeline::TItem;
using CampaignTimeline::TProblem;

namespace {

const QColor WarningColour(220, 40, 20);
// Items without a day are drawn this wide at the start of their row.
constexpr int UndatedWidth = 14;
constexpr double MinDayWidth = 0.25;
constexpr double MaxDayWidth = 80;

QColor KindColour(CampaignTimeline::TKind kind) {
    static const QColor colours[CampaignTimeline::KindCount] = {
        {90, 110, 140}, {120, 80, 160}, {40, 120, 180}, {30, 150, 110},
        {200, 140, 30}, {150, 110, 60}, {110, 110, 110}};
    return colours[static_cast<int>(kind)];
}

QString DateText(int day) {
    return QString::fromStdString(TDate::FromDayNumber(day).ToString());
}

} // namespace

TTimelineChart::TTimelineChart(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(RowHeight);
}

void TTimelineChart::SetTimeline(const CampaignTimeline::TTimeline* timeline) {
    Timeline_ = timeline;
    Current_ = -1;
    Layout();
    UpdateScrollBars();
    viewport()->update();
}

void TTimelineChart::Layout() {
    RowTop_.clear();
    Headings_.clear();
    RowItems_.clear();
    Order_.clear();
    Height_ = AxisHeight;
    FirstDay_ = LastDay_ = 0;
    if (!Timeline_)
        return;
    const auto& rows = Timeline_->Rows;
    RowItems_.resize(rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        if (row == 0 || rows[row].Kind != rows[row - 1].Kind) {
            Headings_.emplace_back(Height_, rows[row].Kind);
            Height_ += RowHeight;
        }
        RowTop_.push_back(Height_);
        Height_ += RowHeight;
    }
    // The campaign, widened to every dated item.
    std::optional<int> first = Timeline_->First, last = Timeline_->Last;
    for (size_t i = 0; i < Timeline_->Items.size(); ++i) {
        const TItem& item = Timeline_->Items[i];
        RowItems_[static_cast<size_t>(item.Row)].push_back(static_cast<int>(i));
        if (!item.First)
            continue;
        first = std::min(first.value_or(*item.First), std::min(*item.First, *item.Last));
        last = std::max(last.value_or(*item.Last), std::max(*item.First, *item.Last));
    }
    FirstDay_ = first.value_or(0) - 3;
    LastDay_ = last.value_or(FirstDay_ + 30) + 3;
    for (auto& items : RowItems_) {
        std::stable_sort(items.begin(), items.end(), [this](int a, int b) {
            const TItem& x = Timeline_->Items[static_cast<size_t>(a)];
            const TItem& y = Timeline_->Items[static_cast<size_t>(b)];
            return x.First.value_or(FirstDay_) < y.First.value_or(FirstDay_);
        });
        Order_.insert(Order_.end(), items.begin(), items.end());
    }
}

void TTimelineChart::SetDayWidth(double width) {
    DayWidth_ = std::clamp(width, MinDayWidth, MaxDayWidth);
    UpdateScrollBars();
    viewport()->update();
}

void TTimelineChart::Zoom(double factor, int anchorX) {
    const double day = (Offset().x() + anchorX - LabelWidth) / DayWidth_;
    SetDayWidth(DayWidth_ * factor);
    horizontalScrollBar()->setValue(static_cast<int>(day * DayWidth_) - anchorX + LabelWidth);
}

void TTimelineChart::FitToView() {
    const int days = LastDay_ - FirstDay_ + 1;
    SetDayWidth(std::max(1, viewport()->width() - LabelWidth) / static_cast<double>(days));
}

QSize TTimelineChart::ChartSize() const {
    const int days = LastDay_ - FirstDay_ + 1;
    return {LabelWidth + static_cast<int>(std::ceil(days * DayWidth_)) + 1, Height_ + 1};
}

QPoint TTimelineChart::Offset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void TTimelineChart::UpdateScrollBars() {
    const QSize chart = ChartSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, chart.width() - view.width()));
    horizontalScrollBar()->setPageStep(std::max(1, view.width() - LabelWidth));
    verticalScrollBar()->setRange(0, std::max(0, chart.height() - view.height()));
    verticalScrollBar()->setPageStep(std::max(RowHeight, view.height() - AxisHeight));
}

double TTimelineChart::XOfDay(int day) const {
    return LabelWidth + (day - FirstDay_) * DayWidth_;
}

QRect TTimelineChart::ChartRect(int index) const {
    if (!Timeline_ || index < 0 || index >= static_cast<int>(Timeline_->Items.size()))
        return {};
    const TItem& item = Timeline_->Items[static_cast<size_t>(index)];
    const int top = RowTop_[static_cast<size_t>(item.Row)] + 3;
    if (!item.First)
        return {LabelWidth + 1, top, UndatedWidth, RowHeight - 6};
    const int from = std::min(*item.First, *item.Last);
    const int to = std::max(*item.First, *item.Last);
    const int left = static_cast<int>(XOfDay(from));
    // A single day is never thinner than a mark that can be pointed at.
    const int width = std::max(4, static_cast<int>(std::ceil((to - from + 1) * DayWidth_)));
    return {left, top, width, RowHeight - 6};
}

QRect TTimelineChart::ItemRect(int item) const {
    const QRect rect = ChartRect(item).translated(-Offset());
    if (rect.isEmpty() || rect.bottom() < AxisHeight || rect.right() < LabelWidth)
        return {};
    return rect;
}

int TTimelineChart::ItemAt(QPoint at) const {
    if (!Timeline_ || at.x() < LabelWidth || at.y() < AxisHeight)
        return -1;
    const QPoint chart = at + Offset();
    const auto row = std::upper_bound(RowTop_.begin(), RowTop_.end(), chart.y());
    if (row == RowTop_.begin())
        return -1;
    const size_t index = static_cast<size_t>(row - RowTop_.begin() - 1);
    if (chart.y() >= RowTop_[index] + RowHeight)
        return -1; // a heading
    // The last drawn is on top.
    const auto& items = RowItems_[index];
    for (auto i = items.rbegin(); i != items.rend(); ++i)
        if (ChartRect(*i).adjusted(-1, -3, 1, 3).contains(chart))
            return *i;
    return -1;
}

QString TTimelineChart::ToolTipOf(int index) const {
    if (!Timeline_ || index < 0 || index >= static_cast<int>(Timeline_->Items.size()))
        return {};
    const TItem& item = Timeline_->Items[static_cast<size_t>(index)];
    QString text = QString::fromStdString(item.Label) + QLatin1Char('\n');
    if (item.First)
        text += *item.First == *item.Last
                    ? DateText(*item.First)
                    : DateText(*item.First) + QStringLiteral(" to ") + DateText(*item.Last);
    if (!item.Detail.empty())
        text += QLatin1Char('\n') + QString::fromStdString(item.Detail);
    if (item.Problem != TProblem::None)
        text += QStringLiteral("\nWarning: ") + QString::fromStdString(item.ProblemText);
    return text.trimmed();
}

void TTimelineChart::SetCurrent(int item) {
    if (!Timeline_ || item >= static_cast<int>(Timeline_->Items.size()))
        item = -1;
    if (item == Current_)
        return;
    Current_ = item;
    if (item >= 0) {
        const QRect rect = ChartRect(item);
        const QSize view = viewport()->size();
        QScrollBar* h = horizontalScrollBar();
        QScrollBar* v = verticalScrollBar();
        if (rect.left() - h->value() < LabelWidth || rect.left() - h->value() > view.width())
            h->setValue(rect.left() - LabelWidth - 20);
        if (rect.top() - v->value() < AxisHeight || rect.bottom() - v->value() > view.height())
            v->setValue(rect.top() - AxisHeight - view.height() / 3);
    }
    viewport()->update();
    emit CurrentChanged(item);
}

void TTimelineChart::PaintWhole(QPainter& painter) const {
    Paint(painter, {0, 0}, ChartSize());
}

void TTimelineChart::Paint(QPainter& painter, QPoint offset, QSize view) const {
    painter.fillRect(QRect(QPoint(0, 0), view), palette().base());
    if (!Timeline_)
        return;
    const QColor text = palette().color(QPalette::Text);
    const QColor grid = palette().color(QPalette::Mid);
    const QRect plot(LabelWidth, AxisHeight, view.width() - LabelWidth, view.height() - AxisHeight);
    const int firstVisible = FirstDay_ + static_cast<int>((offset.x()) / DayWidth_);
    const int lastVisible = firstVisible + static_cast<int>(plot.width() / DayWidth_) + 1;
    const auto x = [&](int day) { return static_cast<int>(XOfDay(day)) - offset.x(); };
    const auto visibleRow = [&](int top) {
        return top - offset.y() + RowHeight > AxisHeight && top - offset.y() < view.height();
    };

    // The campaign's span and the month lines behind the rows.
    painter.save();
    painter.setClipRect(plot);
    if (Timeline_->First && Timeline_->Last)
        painter.fillRect(QRect(QPoint(x(*Timeline_->First), plot.top()),
                               QPoint(x(*Timeline_->Last + 1), plot.bottom())),
                         palette().alternateBase());
    painter.setPen(grid);
    for (int day = firstVisible; day <= lastVisible; ++day)
        if (TDate::FromDayNumber(day).Day == 1)
            painter.drawLine(x(day), plot.top(), x(day), plot.bottom());
    painter.restore();

    // Items.
    painter.save();
    painter.setClipRect(plot);
    QFont small = painter.font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    for (size_t row = 0; row < RowTop_.size(); ++row) {
        if (!visibleRow(RowTop_[row]))
            continue;
        for (int index : RowItems_[row]) {
            const QRect rect = ChartRect(index).translated(-offset);
            if (rect.right() < plot.left() || rect.left() > plot.right())
                continue;
            const TItem& item = Timeline_->Items[static_cast<size_t>(index)];
            const bool warn = item.Problem != TProblem::None;
            painter.fillRect(rect, warn ? WarningColour : KindColour(item.Kind));
            if (index == Current_) {
                painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
                painter.drawRect(rect.adjusted(-2, -2, 2, 2));
            }
            if (rect.width() > 30) {
                painter.setPen(Qt::white);
                painter.drawText(rect.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                                 QString::fromStdString(item.Label));
            }
        }
    }
    painter.restore();

    // The pinned label column: headings and row names.
    painter.fillRect(QRect(0, AxisHeight, LabelWidth, view.height()), palette().window());
    painter.save();
    painter.setClipRect(QRect(0, AxisHeight, LabelWidth, view.height() - AxisHeight));
    QFont bold = painter.font();
    bold.setBold(true);
    for (const auto& [top, kind] : Headings_) {
        if (!visibleRow(top))
            continue;
        const int y = top - offset.y();
        painter.setPen(grid);
        painter.drawLine(0, y, view.width(), y);
        painter.setFont(bold);
        painter.setPen(text);
        painter.drawText(QRect(4, y, LabelWidth - 8, RowHeight), Qt::AlignVCenter,
                         QString::fromLatin1(CampaignTimeline::KindName(kind)));
    }
    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (size_t row = 0; row < RowTop_.size(); ++row) {
        if (!visibleRow(RowTop_[row]))
            continue;
        const QString name = QString::fromStdString(Timeline_->Rows[row].Name);
        painter.drawText(QRect(14, RowTop_[row] - offset.y(), LabelWidth - 18, RowHeight),
                         Qt::AlignVCenter,
                         metrics.elidedText(name, Qt::ElideRight, LabelWidth - 18));
    }
    painter.restore();

    // The pinned axis: months, and days when there is room.
    painter.fillRect(QRect(0, 0, view.width(), AxisHeight), palette().window());
    painter.setPen(text);
    painter.save();
    painter.setClipRect(QRect(LabelWidth, 0, view.width() - LabelWidth, AxisHeight));
    const int dayStep = DayWidth_ >= 20 ? 1 : DayWidth_ >= 6 ? 7 : 0;
    for (int day = firstVisible - 31; day <= lastVisible; ++day) {
        const TDate date = TDate::FromDayNumber(day);
        if (date.Day == 1) {
            painter.drawLine(x(day), 0, x(day), AxisHeight);
            painter.drawText(
                QRect(x(day) + 3, 2, 200, 16), Qt::AlignLeft,
                QStringLiteral("%1/%2").arg(date.Month, 2, 10, QLatin1Char('0')).arg(date.Year));
        }
        if (dayStep && day >= firstVisible && (date.Day - 1) % dayStep == 0)
            painter.drawText(QRect(x(day), 18, 40, 14), Qt::AlignLeft, QString::number(date.Day));
    }
    painter.restore();
    painter.setPen(grid);
    painter.drawLine(0, AxisHeight - 1, view.width(), AxisHeight - 1);
    painter.drawLine(LabelWidth - 1, 0, LabelWidth - 1, view.height());
}

void TTimelineChart::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    Paint(painter, Offset(), viewport()->size());
    if (hasFocus() && Current_ < 0) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
    }
}

void TTimelineChart::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TTimelineChart::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            Zoom(std::pow(1.25, steps), static_cast<int>(event->position().x()));
        event->accept();
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - event->angleDelta().y());
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void TTimelineChart::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const int item = ItemAt(event->position().toPoint());
    if (item >= 0)
        SetCurrent(item);
    QAbstractScrollArea::mousePressEvent(event);
}

void TTimelineChart::mouseDoubleClickEvent(QMouseEvent* event) {
    const int item = ItemAt(event->position().toPoint());
    if (item >= 0) {
        SetCurrent(item);
        emit Activated(item);
    }
}

void TTimelineChart::keyPressEvent(QKeyEvent* event) {
    const int centre = viewport()->width() / 2;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        Zoom(1.25, centre);
        return;
    case Qt::Key_Minus:
        Zoom(0.8, centre);
        return;
    case Qt::Key_Left:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Right:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (Order_.empty())
            return;
        const auto at = std::find(Order_.begin(), Order_.end(), Current_);
        long position = at == Order_.end() ? -1 : at - Order_.begin();
        position += event->key() == Qt::Key_Down ? 1 : -1;
        position = std::clamp(position, 0L, static_cast<long>(Order_.size()) - 1);
        SetCurrent(Order_[static_cast<size_t>(position)]);
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Current_ >= 0) {
            emit Activated(Current_);
            return;
        }
        break;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool TTimelineChart::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int item = ItemAt(help->pos());
        if (item >= 0)
            QToolTip::showText(help->globalPos(), ToolTipOf(item), viewport(), ItemRect(item));
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}
