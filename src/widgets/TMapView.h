#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

// The scenario map as a designer works on it: shows a picture (the map with
// the regions painted) at its own size, reports where it was clicked, and
// carries one abbreviation label per region that can be dragged over the
// map. Where a label is dropped is reported; the owner stores it. The view
// draws the labels itself: a map of thousands of regions would otherwise
// be thousands of widgets.
//
// From the keyboard, the arrow keys move a cross-hair over the map (with
// Shift in bigger steps) and Space or Enter clicks where it stands; the
// owner names the place under it for screen readers.
class TMapView : public QWidget {
    Q_OBJECT
public:
    explicit TMapView(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return Picture_; }
    // Painted in place of a missing picture: what the designer should load.
    void SetHint(const QString& hint);
    bool ShowsHint() const { return Picture_.isNull() && !Hint_.isEmpty(); }
    const QString& Hint() const { return Hint_; }

    struct TLabel {
        QString Text;
        QPoint Position; // top-left corner, in map pixels
        bool Visible = true;
    };
    // One label per region, in region order. A label being dragged stays
    // where the drag has it.
    void SetLabels(const std::vector<TLabel>& labels);
    int LabelCount() const { return static_cast<int>(Labels_.size()); }
    // As set, with Position where it is now; an index out of range gives an
    // empty label.
    TLabel Label(int index) const;
    // Where label index is drawn; empty when it is not.
    QRect LabelRect(int index) const;
    bool Dragging() const { return Dragging_ >= 0; }

    QSize sizeHint() const override;

    QPoint CrossHair() const { return CrossHair_; }
    // What lies under the cross-hair ("no region", a region's name); it is
    // the map's accessible description and announced as it changes.
    void SetCrossHairPlace(const QString& place);

signals:
    // The left button was released on the map, outside the labels, or
    // Space or Enter was pressed (at the cross-hair).
    void Clicked(QPoint at);
    void CrossHairMoved(QPoint at);
    // The left button went down on label index; a drag begins.
    void LabelPressed(int index);
    // The drag of label index ended with its top-left corner at topLeft.
    void LabelDropped(int index, QPoint topLeft);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct TShownLabel {
        TLabel Label;
        QSize Size;
    };
    // The label on top at point, -1 when none.
    int LabelAt(QPoint point) const;
    QFont LabelFont() const;
    void MoveCrossHair(QPoint to);
    void PaintCrossHair(QPainter& painter) const;

    QImage Picture_;
    QString Hint_;
    std::vector<TShownLabel> Labels_;
    int Dragging_ = -1;
    QPoint GrabOffset_;
    QPoint CrossHair_;
};
