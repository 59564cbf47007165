#include "app/TBusyProgress.h"
#include "xml/Progress.h"

#include <QApplication>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <stdexcept>

class BusyProgressTest : public QObject {
    Q_OBJECT

    QProgressDialog* Window(QWidget& owner) {
        return owner.findChild<QProgressDialog*>(QStringLiteral("BusyProgress"));
    }

    // Whether the window ran pending events during step: a zero timer
    // queued before it fires only then.
    bool Repainted(const std::function<void()>& step) {
        bool ran = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        step();
        const bool result = ran;
        // The timer must not outlive ran.
        QApplication::processEvents();
        return result;
    }

private slots:
    void CursorAtOnceWindowAfterTheDelayRepaintsAtABoundedRate() {
        QWidget owner;
        owner.show();
        qint64 now = 0;
        {
            TBusyProgress busy(&owner, QStringLiteral("Opening Big"), [&now] { return now; });
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

            Progress::TOperation operation(2);
            now = TBusyProgress::DelayMs - 1;
            QVERIFY(!Repainted([&] { operation.Next("Reading scenario.xml"); }));
            QVERIFY(!Window(owner));

            now = TBusyProgress::DelayMs;
            QVERIFY(Repainted([&] { operation.Next("Reading events.xml"); }));
            QProgressDialog* window = Window(owner);
            QVERIFY(window && window->isVisible());
            QCOMPARE(window->windowTitle(), QStringLiteral("Opening Big"));
            QCOMPARE(window->labelText(), QStringLiteral("Reading events.xml"));
            auto* bar = window->findChild<QProgressBar*>();
            QVERIFY(bar);
            QCOMPARE(bar->value(), 50);

            // Within one file: the bar moves each time, the window repaints
            // only once the pause has passed.
            now += TBusyProgress::RepaintMs - 1;
            QVERIFY(!Repainted([] { Progress::Within(1, 2); }));
            QCOMPARE(bar->value(), 75);
            now += 1;
            QVERIFY(Repainted([] { Progress::Within(3, 4); }));
            QCOMPARE(bar->value(), 87);

            // A step of unknown share: a busy bar.
            now += TBusyProgress::RepaintMs;
            Progress::Report("Copying map.bmp");
            QCOMPARE(window->labelText(), QStringLiteral("Copying map.bmp"));
            QCOMPARE(bar->maximum(), 0);
        }
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!Window(owner));
    }

    void AFailingOperationRestoresTheCursorAndNoOneListensAfter() {
        QWidget owner;
        try {
            TBusyProgress busy(&owner, QStringLiteral("Saving"), [] { return qint64(1000); });
            Progress::Report("Writing ads.xml");
            QVERIFY(Window(owner));
            throw std::runtime_error("disk full");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!Window(owner));
        QVERIFY(!Progress::Listening());
    }
};

QTEST_MAIN(BusyProgressTest)
#include "BusyProgressTest.moc"
