// The election events editor on a copy of the sample scenario.
#include "editors/parties/TElectionEventsEditorForm.h"
#include "guisupport/EditorTest.h"
#include "scenario/edit/PartiesEdit.h"
#include "scenario/edit/RegionElectionEdit.h"
#include "xml/TXmlNode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>

using namespace GuiTest;

namespace {

const char* const CivicUnion = "39459_2174350403";
const char* const MeadowLeague = "39458_1807117304";

} // namespace

class ElectionEventsEditorTest : public TEditorTest {
    Q_OBJECT

    TElectionEventsEditorForm* Form = nullptr;

    TXmlNode* PartyAt(int index) { return Data().Parties()->GetChildAt(index); }
    TXmlNode* Region(int n) { return PartiesEdit::RegionList(Data())->GetChildAt(n); }
    QListWidget* Regions() { return C<QListWidget>("RegionsListBox"); }
    QCheckBox* Box(const char* name) { return C<QCheckBox>(name); }
    void Open(int party) { Form = &TEditorTest::Open<TElectionEventsEditorForm>(PartyAt(party)); }
    // Selects rows, the last of them focused.
    void Select(std::initializer_list<int> rows) {
        Regions()->clearSelection();
        for (int row : rows)
            Regions()->setCurrentRow(row, QItemSelectionModel::Select);
    }
    int BallotCount(int region, const std::string& party) {
        const TXmlNode* ballot =
            RegionElectionEdit::GeneralEvent(Region(region))->GetChild("ballot");
        int count = 0;
        for (int32_t i = 0; i < ballot->ChildCount(); ++i)
            count += ballot->GetChildAt(i)->AttributeValue("id") == party;
        return count;
    }

private slots:

    void ShowsTheFocusedRegionsEvent() {
        Open(2);
        QCOMPARE(Regions()->count(), 9);
        QCOMPARE(Regions()->currentRow(), 0);
        QVERIFY(Regions()->item(0)->isSelected());
        auto* type = Find<QComboBox>(Form, "TypeComboBox");
        QCOMPARE(type->currentText(), QStringLiteral("Caucus"));
        QCOMPARE(Find<QLineEdit>(Form, "CutOffEdit")->text(), QStringLiteral("10"));
        QCOMPARE(Find<QComboBox>(Form, "SeatTypeComboBox")->currentText(), QStringLiteral("PR"));
        QCOMPARE(Find<QDateEdit>(Form, "DateTimePicker")->date(), QDate(2008, 2, 9));
        QVERIFY(Box("BallotCheckBox")->isChecked());
        QVERIFY(!Box("GovernorCheckBox")->isChecked());

        // A caucus stored as "open" still shows Caucus; choosing it writes closed.
        TXmlNode* event = RegionElectionEdit::PartyEvent(Data(), Region(8), MeadowLeague);
        event->GetChild("open_closed")->SetText("open");
        Regions()->setCurrentRow(8);
        QCOMPARE(type->currentText(), QStringLiteral("Caucus"));
        QVERIFY(Box("GovernorCheckBox")->isChecked());
        QCOMPARE(Text(event, "open_closed"), std::string("open"));
        // What each entry writes: RegionElectionEditTest.TypeEntriesReadAndWriteTypeAndForm.
        type->setCurrentIndex(0);
        type->setCurrentIndex(2);
        QCOMPARE(Text(event, "type") + " " + Text(event, "open_closed"),
                 std::string("caucus closed"));
        Type(Find<QLineEdit>(Form, "SeatNumberEdit"), QStringLiteral("0"));
        QCOMPARE(Text(event->GetChild("seat"), "number"), std::string("1"));
        Find<QDateEdit>(Form, "DateTimePicker")->setDate(QDate(2008, 3, 4));
        QCOMPARE(Text(event, "date"), std::string("03/04/2008"));
    }

    void BallotOfEverySelectedRegionOnce() {
        const std::string party = PartyAt(2)->AttributeValue("id");
        for (int region : {1, 3, 5})
            RegionElectionEdit::SetOnBallot(Data(), {Region(region)}, party, false);
        Open(2);
        Select({1, 3, 5});
        QCOMPARE(Regions()->currentRow(), 5);
        QVERIFY(!Box("BallotCheckBox")->isChecked());
        Box("BallotCheckBox")->click();
        Box("BallotCheckBox")->click();
        Box("BallotCheckBox")->click();
        QVERIFY(Box("BallotCheckBox")->isChecked());
        for (int region : {1, 3, 5})
            QCOMPARE(BallotCount(region, party), 1);

        // A region without a general event is named and left alone.
        TXmlNode* events = Region(3)->GetChild("election_events");
        events->RemoveChild(RegionElectionEdit::GeneralEvent(Region(3)));
        TScriptedPrompts prompts;
        prompts.Ok(QStringLiteral("Attention"));
        Box("BallotCheckBox")->click();
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(prompts.MessageTexts().front().contains(QStringLiteral("Stannock")));
        QCOMPARE(BallotCount(1, party), 0);
        QCOMPARE(BallotCount(5, party), 0);
    }

    // Opening makes the event a region lacks, dated today (what it holds:
    // RegionElectionEditTest.PartyEventIsFoundCompletedOrCreated).
    void MissingEventIsMadeAndGovernorAndMajorityGoOverSelectedRegions() {
        TXmlNode* events = Region(0)->GetChild("election_events");
        events->RemoveChild(RegionElectionEdit::PartyEvent(Data(), Region(0), CivicUnion));
        QCOMPARE(events->ChildCount(), 3);
        Open(0);
        QCOMPARE(events->ChildCount(), 4);
        QCOMPARE(Find<QComboBox>(Form, "TypeComboBox")->currentText(),
                 QStringLiteral("Open Primary"));
        QCOMPARE(Find<QDateEdit>(Form, "DateTimePicker")->date(), QDate::currentDate());
        // Stannock and Selkie Coast are held by the People's Accord.
        Select({3, 5});
        QVERIFY(!Box("GovernorCheckBox")->isChecked());
        Box("MajorityCheckBox")->click();
        Box("GovernorCheckBox")->click();
        for (int region : {3, 5}) {
            QVERIFY(RegionElectionEdit::HasMajority(Region(region), CivicUnion));
            QVERIFY(RegionElectionEdit::HasGovernor(Region(region), CivicUnion));
        }
        // What clearing writes: RegionElectionEditTest.GovernorEmptiesAndMajorityBecomesNone.
        Box("MajorityCheckBox")->click();
        Box("GovernorCheckBox")->click();
        for (int region : {3, 5})
            QVERIFY(!RegionElectionEdit::HasMajority(Region(region), CivicUnion) &&
                    !RegionElectionEdit::HasGovernor(Region(region), CivicUnion));
        // The region not selected keeps its holders.
        QVERIFY(RegionElectionEdit::HasGovernor(Region(4), CivicUnion));
    }
};

QTEST_MAIN(ElectionEventsEditorTest)
#include "ElectionEventsEditorTest.moc"
