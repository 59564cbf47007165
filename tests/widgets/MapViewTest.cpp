#include "widgets/TMapView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

// A dragged label's corner and the cross-hair both stay on the map: checked
// one pixel inside, at and one beyond the right and bottom edges.
class MapViewTest : public QObject {
    Q_OBJECT

    static void Send(TMapView& map, QEvent::Type type, QPoint at) {
        QMouseEvent event(type, QPointF(at), map.mapToGlobal(QPointF(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&map, &event);
    }

private slots:
    void LabelsAndCrossHairStopAtTheRightAndBottomEdges() {
        TMapView map;
        QImage picture(map.size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        map.SetPicture(picture);
        const std::vector<TMapView::TLabel> labels{{QStringLiteral("AB"), QPoint(10, 10), true}};
        map.show();
        const int right = map.width() - 1;
        const int bottom = map.height() - 1;
        const QPoint grab(2, 3);
        const struct {
            QPoint Corner;
            QPoint Expected;
        } drags[] = {
            {{right - 1, bottom - 1}, {right - 1, bottom - 1}},
            {{right, bottom}, {right, bottom}},
            {{right + 1, bottom + 1}, {right, bottom}},
            {{right + 1, 20}, {right, 20}},
            {{20, bottom + 1}, {20, bottom}},
        };
        for (const auto& drag : drags) {
            map.SetLabels(labels);
            Send(map, QEvent::MouseButtonPress, QPoint(10, 10) + grab);
            QVERIFY(map.Dragging());
            Send(map, QEvent::MouseMove, drag.Corner + grab);
            QCOMPARE(map.Label(0).Position, drag.Expected);
            Send(map, QEvent::MouseButtonRelease, drag.Corner + grab);
        }

        // Walk the cross-hair to each edge, then one step further.
        map.setFocus();
        for (int step = 0; step < map.width(); ++step)
            QTest::keyClick(&map, Qt::Key_Right);
        QCOMPARE(map.CrossHair().x(), right);
        QTest::keyClick(&map, Qt::Key_Left);
        QCOMPARE(map.CrossHair().x(), right - 1);
        for (int step = 0; step < map.height(); ++step)
            QTest::keyClick(&map, Qt::Key_Down);
        QCOMPARE(map.CrossHair().y(), bottom);
        QTest::keyClick(&map, Qt::Key_Up);
        QCOMPARE(map.CrossHair().y(), bottom - 1);
    }
};

QTEST_MAIN(MapViewTest)
#include "MapViewTest.moc"
