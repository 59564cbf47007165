// The scenario settings editor on a copy of a clean scenario: typing,
// ticking and choosing write the elements; the picture file is made and
// replaced; missing elements leave their controls disabled.
#include "app/Pictures.h"
#include "editors/world/TDebatesEditorForm.h"
#include "editors/world/TEconomyEditorForm.h"
#include "editors/world/TInterviewerEditorForm.h"
#include "editors/world/TScenarioEditorForm.h"
#include "guisupport/EditorTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace GuiTest;

class ScenarioEditorTest : public TEditorTest {
    Q_OBJECT

    TXmlNode* Root = nullptr;

    TScenarioEditorForm& Open() { return TEditorTest::Open<TScenarioEditorForm>(); }
    void Started() override {
        Root = Data().Scenario();
        Data().Percentages()->AddNewChild("universal_alienated", "7");
    }

public:
    ScenarioEditorTest() : TEditorTest(WorldFolder()) {}

private slots:

    void ControlsEditTheirSettingsWithinTheFormsLimitsAndOpenTheSubEditors() {
        const QWidget& form = Open();
        QString faults =
            BindingFaults(&form, Root,
                          {{"NameEdit", "name"},
                           {"MoneyCoefficientEdit", "money_coefficient"},
                           {"FundraisingCoefficientEdit", "fundraising_coefficient"},
                           {"PrimariesIntroMemo", "primaries_introduction"},
                           {"GeneralIntroMemo", "generalelection_introduction"},
                           {"ElectedPositionEdit", "leader/position"},
                           {"ElectedInstitutionEdit", "leader/institution"},
                           {"AppointedByEdit", "leader/appointed_by"},
                           {"CurrencySymbolEdit", "currency_symbol"},
                           {"BaseCPEdit", "base_cp"},
                           {"MaxAdsEdit", "advertising/max_per_player"},
                           {"PACCheckBox", "advertising/pac"},
                           {"PrimariesStartDateTimePicker", "primaries/start_date"},
                           {"GeneralStartDateTimePicker", "general_election/start_date"},
                           {"GeneralEndDateTimePicker", "general_election/end_date"}});
        faults += BindingFaults(&form, Data().Percentages(),
                                {{"UniversalAlienatedEdit", "universal_alienated"}});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));

        // A memo keeps to its length however the text comes in.
        auto* memo = C<QPlainTextEdit>("PrimariesIntroMemo");
        Type(memo, QString(440, QLatin1Char('a')));
        memo->moveCursor(QTextCursor::Start);
        QTest::keyClicks(memo, QStringLiteral("0123456789ABCDEF"));
        QCOMPARE(Text(Root, "primaries_introduction"), "0123456789" + std::string(440, 'a'));
        // Without range checking the coefficient keeps what is typed.
        Type(C<QLineEdit>("MoneyCoefficientEdit"), QStringLiteral("150"));
        QCOMPARE(Text(Root, "money_coefficient"), "150");

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
            int entries = -1;
            QCOMPARE(WhileModal([&] { C<QPushButton>(c.Button)->click(); },
                                [&](QWidget* modal) {
                                    entries = Find<QListWidget>(modal, c.List)->count();
                                }),
                     QString::fromLatin1(c.Form));
            QCOMPARE(entries, c.Entries);
        }
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
        QCOMPARE(Text(Root, "advertising/ban_days_before_election"), "-1");
        QVERIFY(!days->isEnabled());
        box->click();
        QCOMPARE(Text(Root, "advertising/ban_days_before_election"), "14");
        QVERIFY(days->isEnabled());
        // A count typed while ticked is the one remembered.
        days->selectAll();
        QTest::keyClicks(days, QStringLiteral("9"));
        box->click();
        box->click();
        QCOMPARE(Text(Root, "advertising/ban_days_before_election"), "9");
    }

    // A stored word is shown by its entry (or none) and kept until an entry
    // is chosen, which writes that entry's word (which day is which word:
    // ValueEncodings.Weekdays).
    void ChoicesShowTheStoredWordAndWriteTheirOwn_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("choices"); // entry, then the word it writes, ...
        const QString day = QStringLiteral("pollresults_day");
        const QString economy = QStringLiteral("economy/initial");
        QTest::newRow("day by name") << day << "thursday"
                                     << "Thursday" << QStringList{"Saturday", "Sat"};
        for (const char* level : {"0", "6", "good"})
            QTest::newRow(level) << economy << level << ""
                                 << QStringList{"Very Good", "5", "Very Poor", "1"};
    }

    void ChoicesShowTheStoredWordAndWriteTheirOwn() {
        QFETCH(QString, path);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QStringList, choices);
        At(Root, path.toStdString())->SetText(stored.toStdString());
        Open();
        auto* combo = C<QComboBox>(path == "pollresults_day" ? "PollResultsDayComboBox"
                                                             : "InitialEconomyComboBox");
        QCOMPARE(combo->currentText(), shown);
        QCOMPARE(Text(Root, path.toStdString()), stored.toStdString());
        for (qsizetype i = 0; i + 1 < choices.size(); i += 2) {
            Choose(combo, choices[i]);
            QCOMPARE(QString::fromStdString(Text(Root, path.toStdString())), choices[i + 1]);
        }
    }

    // An unreadable date shows blank, any whole number but zero ticks the
    // PAC box; both stay as stored until changed.
    void OddDateAndSwitchStayUntilChanged() {
        At(Root, "general_election/start_date")->SetText("next spring");
        At(Root, "advertising/pac")->SetText("2");
        Open();
        auto* picker = C<QDateEdit>("GeneralStartDateTimePicker");
        QCOMPARE(picker->text().trimmed(), QString());
        QVERIFY(C<QCheckBox>("PACCheckBox")->isChecked());
        QCOMPARE(Text(Root, "general_election/start_date"), "next spring");
        QCOMPARE(Text(Root, "advertising/pac"), "2");
        picker->setDate(QDate(2009, 6, 2));
        QCOMPARE(Text(Root, "general_election/start_date"), "06/02/2009");
        C<QCheckBox>("PACCheckBox")->click();
        C<QCheckBox>("PACCheckBox")->click();
        QCOMPARE(Text(Root, "advertising/pac"), "1");
    }

    // The clean scenario has no picture and no ban on ads.
    void MissingPictureIsMadeAndABanFromNoneStartsAtZero() {
        const QString picture = FilePath(QStringLiteral("scenario.bmp"));
        QVERIFY(!QFile::exists(picture));
        Open();
        QVERIFY(Pictures::IsStoredAt(picture, QSize(65, 85))); // blank: PicturesTest
        auto* box = C<QCheckBox>("BanAdsCheckBox");
        QVERIFY(!box->isChecked());
        box->click();
        QCOMPARE(Text(Root, "advertising/ban_days_before_election"), "0");
        QCOMPARE(C<QLineEdit>("BanAdsDaysEdit")->text(), QStringLiteral("0"));
    }

    void MissingElementsLeaveTheirControlsDisabledAndAreNotCreated() {
        for (const char* path : {"advertising", "leader", "economy/targets", "interviewers",
                                 "debates", "pollresults_day", "general_election/end_date", "name"})
            Remove(Root, path);
        const std::string scenario = Data().Document(TScenarioFile::Scenario).ToText();
        Remove(Data().Percentages(), "universal_alienated");
        const std::string percentages = Data().Document(TScenarioFile::Percentages).ToText();

        Open();
        QStringList enabled;
        for (const char* name :
             {"NameEdit", "MaxAdsEdit", "BanAdsDaysEdit", "ElectedPositionEdit", "AppointedByEdit",
              "UniversalAlienatedEdit", "BanAdsCheckBox", "PACCheckBox", "PollResultsDayComboBox",
              "GeneralEndDateTimePicker", "GeneralStartDateTimePicker", "InitialEconomyComboBox",
              "EconomyButton", "InterviewersButton", "DebatesButton"})
            if (C<QWidget>(name)->isEnabled())
                enabled << name;
        QCOMPARE(enabled, (QStringList{"GeneralStartDateTimePicker", "InitialEconomyComboBox"}));

        C<QComboBox>("PollResultsDayComboBox")->setCurrentIndex(3);
        QCOMPARE(Data().Document(TScenarioFile::Scenario).ToText(), scenario);
        QCOMPARE(Data().Document(TScenarioFile::Percentages).ToText(), percentages);
    }
};

QTEST_MAIN(ScenarioEditorTest)
#include "ScenarioEditorTest.moc"
