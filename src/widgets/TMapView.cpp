#include "widgets/TMapView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {
constexpr int MapWidth = 501;
constexpr int MapHeight = 381;
// Arrow keys move the cross-hair one pixel, with Shift this many.
constexpr int BigStep = 10;
constexpr int CrossHairArm = 8;
} // namespace

TMapView::TMapView(QWidget* parent) : QWidget(parent), CrossHair_(MapWidth / 2, MapHeight / 2) {
    setFixedSize(MapWidth, MapHeight);
    setFocusPolicy(Qt::StrongFocus);
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
    if (hasFocus())
        PaintCrossHair(painter);
}

// Black on white, so it shows on borders and regions alike.
void TMapView::PaintCrossHair(QPainter& painter) const {
    const QPoint at = CrossHair_;
    for (const auto& [colour, width] : {std::pair{Qt::white, 3}, std::pair{Qt::black, 1}}) {
        painter.setPen(QPen(colour, width));
        painter.drawLine(at.x() - CrossHairArm, at.y(), at.x() + CrossHairArm, at.y());
        painter.drawLine(at.x(), at.y() - CrossHairArm, at.x(), at.y() + CrossHairArm);
    }
}

void TMapView::SetCrossHairPlace(const QString& place) {
    const QString description =
        QStringLiteral("%1 at %2, %3").arg(place).arg(CrossHair_.x()).arg(CrossHair_.y());
    if (description == accessibleDescription())
        return;
    setAccessibleDescription(description);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void TMapView::MoveCrossHair(QPoint to) {
    to.setX(std::clamp(to.x(), 0, MapWidth - 1));
    to.setY(std::clamp(to.y(), 0, MapHeight - 1));
    if (to == CrossHair_)
        return;
    CrossHair_ = to;
    update();
    emit CrossHairMoved(CrossHair_);
}

void TMapView::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? BigStep : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCrossHair(CrossHair_ - QPoint(step, 0));
        break;
    case Qt::Key_Right:
        MoveCrossHair(CrossHair_ + QPoint(step, 0));
        break;
    case Qt::Key_Up:
        MoveCrossHair(CrossHair_ - QPoint(0, step));
        break;
    case Qt::Key_Down:
        MoveCrossHair(CrossHair_ + QPoint(0, step));
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit Clicked(CrossHair_);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TMapView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void TMapView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void TMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        // The keyboard goes on from where the mouse clicked.
        MoveCrossHair(event->position().toPoint());
        emit Clicked(event->position().toPoint());
    }
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
