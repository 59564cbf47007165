// The scenario settings editor on a copy of a clean scenario: typing,
// ticking and choosing write the elements; the picture file is made and
// replaced; missing elements leave their controls disabled.
#include "app/Pictures.h"
#include "editors/parties/TDebatesEditorForm.h"
#include "editors/world/TEconomyEditorForm.h"
#include "editors/world/TInterviewerEditorForm.h"
#include "editors/world/TScenarioEditorForm.h"
#include "editors/world/WorldTestScenario.h"
#include "guisupport/ScriptedPrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace WorldTest;

class ScenarioEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    std::unique_ptr<TScenarioEditorForm> Form;
    TXmlNode* Root = nullptr;

    void Open() {
        Form = std::make_unique<TScenarioEditorForm>(Copy->Data());
        Form->show();
    }
    template <typename T> T* C(const char* name) { return Control<T>(Form.get(), name); }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>(WorldFolder());
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        Root = Copy->Data().Scenario();
        Copy->Data().Percentages()->AddNewChild("universal_alienated", "7");
    }

    void cleanup() {
        Form.reset();
        Copy.reset();
    }

    void ShowingFillsEveryControlAndWritesNothing() {
        At(Root, "name")->SetText("Harbour & Sons");
        const std::string before = Copy->Data().Document(TScenarioFile::Scenario).ToText();
        Open();
        QCOMPARE(Form->windowTitle(), QStringLiteral("Step 1: Create / Edit Scenario Data"));
        QCOMPARE(Form->property("helpTopic").toInt(), 110);
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QStringLiteral("Harbour & Sons"));
        QCOMPARE(C<QLineEdit>("FundraisingCoefficientEdit")->text(), QStringLiteral("1.5"));
        QCOMPARE(C<QPlainTextEdit>("GeneralIntroMemo")->toPlainText(),
                 QStringLiteral("Two leaders remain; the islands decide."));
        QCOMPARE(C<QLineEdit>("ElectedInstitutionEdit")->text(), QStringLiteral("Tide Council"));
        QCOMPARE(C<QComboBox>("PollResultsDayComboBox")->currentText(), QStringLiteral("Thursday"));
        QCOMPARE(C<QComboBox>("InitialEconomyComboBox")->currentText(), QStringLiteral("Normal"));
        QCOMPARE(C<QLineEdit>("MaxAdsEdit")->text(), QStringLiteral("12"));
        QVERIFY(C<QCheckBox>("PACCheckBox")->isChecked());
        QVERIFY(!C<QCheckBox>("BanAdsCheckBox")->isChecked());
        QCOMPARE(C<QLineEdit>("BanAdsDaysEdit")->text(), QStringLiteral("-1"));
        QVERIFY(!C<QLineEdit>("BanAdsDaysEdit")->isEnabled());
        QCOMPARE(C<QLineEdit>("UniversalAlienatedEdit")->text(), QStringLiteral("7"));
        QCOMPARE(C<QDateEdit>("GeneralEndDateTimePicker")->text(), QStringLiteral("10/27/2009"));
        QVERIFY(C<QPushButton>("EconomyButton")->isEnabled());
        QCOMPARE(Copy->Data().Document(TScenarioFile::Scenario).ToText(), before);
    }

    void TypingWritesEachFieldWithinItsLimits() {
        Open();
        auto* name = C<QLineEdit>("NameEdit");
        name->selectAll();
        QTest::keyClicks(name, QString(45, QLatin1Char('x')));
        QCOMPARE(TextAt(Root, "name"), std::string(40, 'x'));

        auto* currency = C<QLineEdit>("CurrencySymbolEdit");
        currency->selectAll();
        QTest::keyClicks(currency, QStringLiteral("#%"));
        QCOMPARE(TextAt(Root, "currency_symbol"), "#");

        auto* memo = C<QPlainTextEdit>("PrimariesIntroMemo");
        memo->selectAll();
        QTest::keyClicks(memo, QString(440, QLatin1Char('a')));
        memo->moveCursor(QTextCursor::Start);
        QTest::keyClicks(memo, QStringLiteral("0123456789ABCDEF"));
        QCOMPARE(TextAt(Root, "primaries_introduction"), "0123456789" + std::string(440, 'a'));

        auto* maxAds = C<QLineEdit>("MaxAdsEdit");
        maxAds->end(false);
        QTest::keyClicks(maxAds, QStringLiteral("00"));
        QCOMPARE(TextAt(Root, "advertising/max_per_player"), "1000");
        // Without range checking the coefficient keeps what is typed.
        auto* money = C<QLineEdit>("MoneyCoefficientEdit");
        money->end(false);
        QTest::keyClicks(money, QStringLiteral("50"));
        QCOMPARE(TextAt(Root, "money_coefficient"), "150");
        auto* alienated = C<QLineEdit>("UniversalAlienatedEdit");
        alienated->end(false);
        QTest::keyClicks(alienated, QStringLiteral("00"));
        QCOMPARE(TextAt(Copy->Data().Percentages(), "universal_alienated"), "100");

        C<QLineEdit>("AppointedByEdit")->setText(QStringLiteral("The Tide"));
        QCOMPARE(TextAt(Root, "leader/appointed_by"), "The Tide");
        C<QDateEdit>("PrimariesStartDateTimePicker")->setDate(QDate(2009, 2, 3));
        QCOMPARE(TextAt(Root, "primaries/start_date"), "02/03/2009");
        C<QCheckBox>("PACCheckBox")->click();
        QCOMPARE(TextAt(Root, "advertising/pac"), "0");
    }

    void LongTextsInTheFileAreShownWhole() {
        At(Root, "generalelection_introduction")->SetText(std::string(500, 'g'));
        Open();
        auto* memo = C<QPlainTextEdit>("GeneralIntroMemo");
        QCOMPARE(memo->toPlainText().size(), 500);
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral("h"));
        QCOMPARE(TextAt(Root, "generalelection_introduction"), std::string(500, 'g'));
        QTest::keyClick(memo, Qt::Key_Backspace);
        QCOMPARE(TextAt(Root, "generalelection_introduction"), std::string(499, 'g'));
    }

    void LongTextsInTheFileAreShownWholeInTextBoxes() {
        const std::string longName(50, 'n');
        At(Root, "name")->SetText(longName);
        At(Root, "currency_symbol")->SetText("US$");
        Open();
        auto* name = C<QLineEdit>("NameEdit");
        QCOMPARE(name->text(), QString::fromStdString(longName));
        name->end(false);
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(TextAt(Root, "name"), std::string(49, 'n'));
        // Still above the limit, so typing adds nothing.
        QTest::keyClicks(name, QStringLiteral("xyz"));
        QCOMPARE(TextAt(Root, "name"), std::string(49, 'n'));

        auto* currency = C<QLineEdit>("CurrencySymbolEdit");
        QCOMPARE(currency->text(), QStringLiteral("US$"));
        currency->end(false);
        QTest::keyClicks(currency, QStringLiteral("#"));
        QCOMPARE(TextAt(Root, "currency_symbol"), "US$");
        QTest::keyClick(currency, Qt::Key_Backspace);
        QCOMPARE(TextAt(Root, "currency_symbol"), "US");

        // Filled again from a short text, the usual limit holds.
        At(Root, "name")->SetText("Short");
        Form.reset();
        Open();
        name = C<QLineEdit>("NameEdit");
        name->end(false);
        QTest::keyClicks(name, QString(40, QLatin1Char('s')));
        QCOMPARE(TextAt(Root, "name"), "Short" + std::string(35, 's'));
    }

    void BanOnAdsRemembersTheDayCount() {
        At(Root, "advertising/ban_days_before_election")->SetText("14");
        Open();
        auto* box = C<QCheckBox>("BanAdsCheckBox");
        auto* days = C<QLineEdit>("BanAdsDaysEdit");
        QVERIFY(box->isChecked());
        QVERIFY(days->isEnabled());
        QCOMPARE(days->text(), QStringLiteral("14"));
        box->click();
        QCOMPARE(TextAt(Root, "advertising/ban_days_before_election"), "-1");
        QVERIFY(!days->isEnabled());
        box->click();
        QCOMPARE(TextAt(Root, "advertising/ban_days_before_election"), "14");
        QVERIFY(days->isEnabled());
        // A count typed while ticked is the one remembered.
        days->selectAll();
        QTest::keyClicks(days, QStringLiteral("9"));
        box->click();
        box->click();
        QCOMPARE(TextAt(Root, "advertising/ban_days_before_election"), "9");
    }

    void BanOnAdsFromNoneStartsAtZero() {
        Open();
        auto* box = C<QCheckBox>("BanAdsCheckBox");
        QVERIFY(!box->isChecked());
        box->click();
        QCOMPARE(TextAt(Root, "advertising/ban_days_before_election"), "0");
        QCOMPARE(C<QLineEdit>("BanAdsDaysEdit")->text(), QStringLiteral("0"));
    }

    void PollResultsDayIsShownByNameAndWrittenShort() {
        At(Root, "pollresults_day")->SetText("thursday");
        Open();
        auto* day = C<QComboBox>("PollResultsDayComboBox");
        QCOMPARE(day->currentText(), QStringLiteral("Thursday"));
        QCOMPARE(TextAt(Root, "pollresults_day"), "thursday");
        day->setCurrentIndex(day->findText(QStringLiteral("Saturday")));
        QCOMPARE(TextAt(Root, "pollresults_day"), "Sat");
    }

    void PollResultsDayWithoutADayShowsMondayAndKeepsItsText() {
        At(Root, "pollresults_day")->SetText("payday?");
        Open();
        auto* day = C<QComboBox>("PollResultsDayComboBox");
        QCOMPARE(day->currentText(), QStringLiteral("Monday"));
        QCOMPARE(TextAt(Root, "pollresults_day"), "payday?");
        day->setCurrentIndex(day->findText(QStringLiteral("Sunday")));
        QCOMPARE(TextAt(Root, "pollresults_day"), "Sun");
        day->setCurrentIndex(0);
        QCOMPARE(TextAt(Root, "pollresults_day"), "Mon");
    }

    void InitialEconomyOutsideItsLevelsShowsNone_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("six") << QStringLiteral("6");
        QTest::newRow("word") << QStringLiteral("good");
    }

    void InitialEconomyOutsideItsLevelsShowsNone() {
        QFETCH(QString, stored);
        At(Root, "economy/initial")->SetText(stored.toStdString());
        Open();
        auto* economy = C<QComboBox>("InitialEconomyComboBox");
        QCOMPARE(economy->currentIndex(), -1);
        QCOMPARE(TextAt(Root, "economy/initial"), stored.toStdString());
        economy->setCurrentIndex(economy->findText(QStringLiteral("Very Good")));
        QCOMPARE(TextAt(Root, "economy/initial"), "5");
        economy->setCurrentIndex(0);
        QCOMPARE(TextAt(Root, "economy/initial"), "1");
    }

    void UnreadableDateShowsBlankUntilADateIsChosen() {
        At(Root, "general_election/start_date")->SetText("next spring");
        Open();
        auto* picker = C<QDateEdit>("GeneralStartDateTimePicker");
        QCOMPARE(picker->text().trimmed(), QString());
        QCOMPARE(TextAt(Root, "general_election/start_date"), "next spring");
        picker->setDate(QDate(2009, 6, 2));
        QCOMPARE(TextAt(Root, "general_election/start_date"), "06/02/2009");
    }

    void PacIsOnForAnyWholeNumberButZero() {
        At(Root, "advertising/pac")->SetText("2");
        Open();
        QVERIFY(C<QCheckBox>("PACCheckBox")->isChecked());
        QCOMPARE(TextAt(Root, "advertising/pac"), "2");
        C<QCheckBox>("PACCheckBox")->click();
        C<QCheckBox>("PACCheckBox")->click();
        QCOMPARE(TextAt(Root, "advertising/pac"), "1");
    }

    void MissingPictureIsCreatedWhite() {
        const QString picture = Copy->FilePath(QStringLiteral("scenario.bmp"));
        QVERIFY(!QFile::exists(picture));
        Open();
        QVERIFY(Pictures::IsStoredAt(picture, QSize(65, 85)));
        QCOMPARE(QImage(picture).pixelColor(64, 84), QColor(Qt::white));
    }

    void MissingElementsLeaveTheirControlsDisabledAndAreNotCreated() {
        for (const char* path : {"advertising", "leader", "economy/targets", "interviewers",
                                 "debates", "pollresults_day", "general_election/end_date", "name"})
            Remove(Root, path);
        const std::string scenario = Copy->Data().Document(TScenarioFile::Scenario).ToText();
        Remove(Copy->Data().Percentages(), "universal_alienated");
        const std::string percentages = Copy->Data().Document(TScenarioFile::Percentages).ToText();

        Open();
        for (const char* name : {"NameEdit", "MaxAdsEdit", "BanAdsDaysEdit", "ElectedPositionEdit",
                                 "AppointedByEdit", "UniversalAlienatedEdit"})
            QVERIFY2(!C<QLineEdit>(name)->isEnabled(), name);
        QVERIFY(!C<QCheckBox>("BanAdsCheckBox")->isEnabled());
        QVERIFY(!C<QCheckBox>("PACCheckBox")->isEnabled());
        QVERIFY(!C<QComboBox>("PollResultsDayComboBox")->isEnabled());
        QVERIFY(!C<QDateEdit>("GeneralEndDateTimePicker")->isEnabled());
        QVERIFY(C<QDateEdit>("GeneralStartDateTimePicker")->isEnabled());
        QVERIFY(C<QComboBox>("InitialEconomyComboBox")->isEnabled());
        QVERIFY(!C<QPushButton>("EconomyButton")->isEnabled());
        QVERIFY(!C<QPushButton>("InterviewersButton")->isEnabled());
        QVERIFY(!C<QPushButton>("DebatesButton")->isEnabled());

        C<QCheckBox>("BanAdsCheckBox")->click();
        C<QComboBox>("PollResultsDayComboBox")->setCurrentIndex(3);
        QCOMPARE(Copy->Data().Document(TScenarioFile::Scenario).ToText(), scenario);
        QCOMPARE(Copy->Data().Document(TScenarioFile::Percentages).ToText(), percentages);
    }

    void ButtonsOpenTheSubEditorsOnTheSameScenario() {
        Open();
        struct TCase {
            const char* Button;
            const char* Form;
            const char* List;
            int Entries;
        };
        for (const TCase& c :
             {TCase{"EconomyButton", "TEconomyEditorForm", "TargetsListBox", 2},
              TCase{"InterviewersButton", "TInterviewerEditorForm", "InterviewersListBox", 2},
              TCase{"DebatesButton", "TDebatesEditorForm", "DebatesListBox", 2}}) {
            QString opened;
            int entries = -1;
            QTimer::singleShot(0, this, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal)
                    return;
                opened = QString::fromLatin1(modal->metaObject()->className());
                if (auto* list = modal->findChild<QListWidget*>(QString::fromLatin1(c.List)))
                    entries = list->count();
                modal->close();
            });
            C<QPushButton>(c.Button)->click();
            QCOMPARE(opened, QString::fromLatin1(c.Form));
            QCOMPARE(entries, c.Entries);
        }
    }
};

QTEST_MAIN(ScenarioEditorTest)
#include "ScenarioEditorTest.moc"
