#include "widgets/TMapView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int MapWidth = 501;
constexpr int MapHeight = 381;
} // namespace

TMapView::TMapView(QWidget* parent) : QWidget(parent) {
    setFixedSize(MapWidth, MapHeight);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TMapView::sizeHint() const {
    return {MapWidth, MapHeight};
}

void TMapView::SetHint(const QString& hint) {
    Hint_ = hint;
    update();
}

void TMapView::SetPicture(const QImage& picture) {
    Picture_ = picture;
    update();
}

QLabel* TMapView::Label(int index) const {
    return index >= 0 && index < LabelCount() ? Labels_[static_cast<size_t>(index)] : nullptr;
}

void TMapView::SetLabels(const std::vector<TLabel>& labels) {
    while (Labels_.size() > labels.size()) {
        if (Dragging_ == LabelCount() - 1)
            Dragging_ = -1;
        delete Labels_.back();
        Labels_.pop_back();
    }
    while (Labels_.size() < labels.size()) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("RegionLabel%1").arg(Labels_.size()));
        label->setCursor(Qt::CrossCursor);
        label->setStyleSheet(QStringLiteral("QLabel { background: rgba(255, 255, 255, 200); "
                                            "color: black; font-weight: bold; padding: 0 1px; }"));
        label->installEventFilter(this);
        Labels_.push_back(label);
    }
    for (size_t i = 0; i < labels.size(); ++i) {
        QLabel* label = Labels_[i];
        label->setText(labels[i].Text);
        label->adjustSize();
        if (static_cast<int>(i) != Dragging_)
            label->move(labels[i].Position);
        label->setVisible(labels[i].Visible && !labels[i].Text.isEmpty());
    }
}

void TMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (Picture_.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        const int margin = fontMetrics().averageCharWidth() * 4;
        painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
        painter.drawText(rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignCenter | Qt::TextWordWrap, Hint_);
    } else
        painter.drawImage(rect(), Picture_);
}

void TMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

bool TMapView::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(Labels_.begin(), Labels_.end(), watched);
    if (found == Labels_.end())
        return QWidget::eventFilter(watched, event);
    const int index = static_cast<int>(found - Labels_.begin());
    QLabel* label = *found;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !isEnabled())
            return true;
        GrabOffset_ = mouse->position().toPoint();
        Dragging_ = index;
        emit LabelPressed(index);
        return true;
    }
    case QEvent::MouseMove: {
        if (Dragging_ != index)
            return true;
        const QPoint mouse =
            label->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint());
        // The grab point follows the mouse; the corner stays on the map.
        QPoint corner = mouse - GrabOffset_;
        corner.setX(std::clamp(corner.x(), 0, width() - 1));
        corner.setY(std::clamp(corner.y(), 0, height() - 1));
        label->move(corner);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (Dragging_ == index && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Dragging_ = -1;
            emit LabelDropped(index, label->pos());
        }
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}
