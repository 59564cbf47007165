#include "widgets/TMapView.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
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

TMapView::TLabel TMapView::Label(int index) const {
    return index >= 0 && index < LabelCount() ? Labels_[static_cast<size_t>(index)].Label
                                              : TLabel{{}, {}, false};
}

QRect TMapView::LabelRect(int index) const {
    if (index < 0 || index >= LabelCount())
        return {};
    const TShownLabel& shown = Labels_[static_cast<size_t>(index)];
    if (!shown.Label.Visible || shown.Label.Text.isEmpty())
        return {};
    return {shown.Label.Position, shown.Size};
}

QFont TMapView::LabelFont() const {
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

void TMapView::SetLabels(const std::vector<TLabel>& labels) {
    if (Dragging_ >= static_cast<int>(labels.size()))
        Dragging_ = -1;
    const QFontMetrics metrics(LabelFont());
    std::vector<TShownLabel> shown;
    shown.reserve(labels.size());
    for (size_t i = 0; i < labels.size(); ++i) {
        TShownLabel label{labels[i], {}};
        if (static_cast<int>(i) == Dragging_)
            label.Label.Position = Labels_[i].Label.Position;
        // A pixel of room on either side, as the labels always had.
        label.Size = QSize(metrics.horizontalAdvance(label.Label.Text) + 2, metrics.height());
        shown.push_back(std::move(label));
    }
    Labels_ = std::move(shown);
    update();
}

int TMapView::LabelAt(QPoint point) const {
    // Later labels are drawn over earlier ones.
    for (int i = LabelCount() - 1; i >= 0; --i)
        if (LabelRect(i).contains(point))
            return i;
    return -1;
}

void TMapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (Picture_.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        const int margin = fontMetrics().averageCharWidth() * 4;
        painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
        painter.drawText(rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignCenter | Qt::TextWordWrap, Hint_);
    } else
        painter.drawImage(rect(), Picture_);
    painter.setFont(LabelFont());
    painter.setPen(Qt::black);
    const QColor background(255, 255, 255, 200);
    for (int i = 0; i < LabelCount(); ++i) {
        const QRect box = LabelRect(i);
        if (box.isEmpty() || !box.intersects(event->rect()))
            continue;
        painter.fillRect(box, background);
        painter.drawText(box, Qt::AlignCenter, Labels_[static_cast<size_t>(i)].Label.Text);
    }
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

void TMapView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int index = event->button() == Qt::LeftButton && isEnabled() ? LabelAt(at) : -1;
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    GrabOffset_ = at - Labels_[static_cast<size_t>(index)].Label.Position;
    Dragging_ = index;
    emit LabelPressed(index);
}

void TMapView::mouseMoveEvent(QMouseEvent* event) {
    if (Dragging_ < 0) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    // The grab point follows the mouse; the corner stays on the map.
    QPoint corner = event->position().toPoint() - GrabOffset_;
    corner.setX(std::clamp(corner.x(), 0, width() - 1));
    corner.setY(std::clamp(corner.y(), 0, height() - 1));
    QPoint& position = Labels_[static_cast<size_t>(Dragging_)].Label.Position;
    const QRect before = LabelRect(Dragging_);
    position = corner;
    update(before.united(LabelRect(Dragging_)));
}

void TMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (Dragging_ >= 0) {
        if (event->button() == Qt::LeftButton) {
            const int index = std::exchange(Dragging_, -1);
            emit LabelDropped(index, Labels_[static_cast<size_t>(index)].Label.Position);
        }
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        // The keyboard goes on from where the mouse clicked.
        MoveCrossHair(event->position().toPoint());
        emit Clicked(event->position().toPoint());
    }
    QWidget::mouseReleaseEvent(event);
}
