#include "widgets/TMapView.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

// A dragged label's corner and the cross-hair both stay on the map: checked
// one pixel inside, at and one beyond the right and bottom edges.
class MapViewTest : public QObject {
    Q_OBJECT

    static void Send(QLabel* label, QEvent::Type type, QPoint inMap) {
        const QPointF local = label->mapFrom(label->parentWidget(), inMap);
        QMouseEvent event(type, local, label->mapToGlobal(local), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(label, &event);
    }

private slots:
    void LabelsAndCrossHairStopAtTheRightAndBottomEdges() {
        TMapView map;
        QImage picture(map.size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        map.SetPicture(picture);
        map.SetLabels({{QStringLiteral("AB"), QPoint(10, 10), true}});
        map.show();
        QLabel* label = map.Label(0);
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
            label->move(10, 10);
            Send(label, QEvent::MouseButtonPress, QPoint(10, 10) + grab);
            Send(label, QEvent::MouseMove, drag.Corner + grab);
            QCOMPARE(label->pos(), drag.Expected);
            Send(label, QEvent::MouseButtonRelease, drag.Corner + grab);
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
