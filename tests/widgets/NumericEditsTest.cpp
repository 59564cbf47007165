#include "widgets/TDoubleEdit.h"
#include "widgets/TIntEdit.h"

#include <QSignalSpy>
#include <QTest>

class NumericEditsTest : public QObject {
    Q_OBJECT

    // Types text key by key and returns the text after each key.
    template <typename Edit> static QStringList TypeKeys(Edit& edit, const QString& keys) {
        QStringList seen;
        for (QChar key : keys) {
            QTest::keyClick(&edit, key.toLatin1());
            seen << edit.text();
        }
        return seen;
    }

private slots:
    // Each typing starts from an emptied control.
    void IntTyping() {
        TIntEdit edit;
        const auto typed = [&edit](const char* keys) {
            edit.clear();
            return TypeKeys(edit, keys);
        };
        QCOMPARE(typed("4a.,x 2"), (QStringList{"4", "4", "4", "4", "4", "4", "42"}));
        edit.SetRangeChecking(true);
        QCOMPARE(typed("150"), (QStringList{"1", "15", "100"}));
        QCOMPARE(edit.cursorPosition(), 3);
        // A lone minus is not checked.
        QCOMPARE(typed("-"), QStringList{"-"});
        TIntEdit low;
        low.SetMin(5);
        low.SetRangeChecking(true);
        QCOMPARE(low.text(), QStringLiteral("5")); // "0" checked when switched on
        low.clear();
        QCOMPARE(TypeKeys(low, "3"), QStringList{"5"});
        low.clear();
        QCOMPARE(TypeKeys(low, "12"), (QStringList{"5", "52"}));
        // Clearing with backspace leaves the empty text alone.
        QTest::keyClick(&low, Qt::Key_Backspace);
        QTest::keyClick(&low, Qt::Key_Backspace);
        QCOMPARE(low.text(), QString());
    }

    void IntMinusOnlyAtTheStart() {
        TIntEdit edit;
        edit.setText("12");
        edit.setCursorPosition(1);
        QTest::keyClick(&edit, '-');
        QCOMPARE(edit.text(), QStringLiteral("12"));
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, '-');
        QCOMPARE(edit.text(), QStringLiteral("-12"));
        // A selection from the start counts as the start.
        edit.setSelection(0, 3);
        QTest::keyClick(&edit, '-');
        QCOMPARE(edit.text(), QStringLiteral("-"));
        // -12 below Min 0 becomes 0.
        edit.SetRangeChecking(true);
        edit.setText("12");
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, '-');
        QCOMPARE(edit.text(), QStringLiteral("0"));
    }

    void IntHugeOrForeignTextIsSafeAndEveryTextIsAChange() {
        TIntEdit edit;
        edit.SetRangeChecking(true);
        // Beyond 32 bits is beyond Max, not a crash or a wrap-around.
        edit.setText("99999999999999999999");
        edit.DoRangeChecking();
        QCOMPARE(edit.text(), QStringLiteral("100"));
        edit.setText("-99999999999999999999");
        edit.DoRangeChecking();
        QCOMPARE(edit.text(), QStringLiteral("0"));
        // Pasted text that is no number stays for verification to report.
        edit.setText("abc");
        edit.DoRangeChecking();
        QCOMPARE(edit.text(), QStringLiteral("abc"));
        // Every text on the way is a change, the one beyond Max too.
        edit.clear();
        QSignalSpy spy(&edit, &QLineEdit::textChanged);
        TypeKeys(edit, "150");
        QStringList texts;
        for (const auto& args : spy)
            texts << args.at(0).toString();
        QCOMPARE(texts, (QStringList{"1", "15", "150", "100"}));
    }

    void DoubleTyping() {
        TDoubleEdit edit;
        const auto typed = [&edit](const char* keys) {
            edit.clear();
            return TypeKeys(edit, keys);
        };
        QCOMPARE(typed("1.2.5"), (QStringList{"1", "1.", "1.2", "1.2", "1.25"}));
        QCOMPARE(typed(".5"), (QStringList{"0.", "0.5"}));
        QCOMPARE(edit.cursorPosition(), 3);
        QCOMPARE(typed("2,5e"), (QStringList{"2", "2", "25", "25"}));
        edit.SetRangeChecking(true);
        QCOMPARE(typed("250"), (QStringList{"2", "25", "100"}));
        // Negative and zero values are never changed, even below Min.
        edit.SetMin(1.5);
        QCOMPARE(typed("-3"), (QStringList{"-", "-3"}));
        QCOMPARE(typed("0"), QStringList{"0"});
        // A text ending in "." waits for its digits.
        QCOMPARE(typed("1.7"), (QStringList{"1.5", "1.5", "1.57"}));
    }

    void DoubleLimitsWrittenShortest() {
        QCOMPARE(TDoubleEdit::ShortestText(100.0), QStringLiteral("100"));
        QCOMPARE(TDoubleEdit::ShortestText(2.5), QStringLiteral("2.5"));
        QCOMPARE(TDoubleEdit::ShortestText(0.1), QStringLiteral("0.1"));
        TDoubleEdit edit;
        edit.SetMax(2.5);
        edit.setText("3");
        edit.SetRangeChecking(true);
        QCOMPARE(edit.text(), QStringLiteral("2.5"));
    }

    void ControlKeysPassThrough() {
        TIntEdit edit;
        edit.setText("123");
        edit.setCursorPosition(3);
        QTest::keyClick(&edit, Qt::Key_Left);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("13"));
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(NumericEditsTest)
#include "NumericEditsTest.moc"
