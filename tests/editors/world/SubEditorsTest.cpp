// The economic targets and interviewer editors: list, details and Create New
// on a copy of a clean scenario (Remove: ListRemovalTest).
#include "editors/world/TEconomyEditorForm.h"
#include "editors/world/TInterviewerEditorForm.h"
#include "guisupport/EditorTest.h"
#include "xml/TXmlDom.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace GuiTest;

class SubEditorsTest : public TEditorTest {
    Q_OBJECT

    TXmlNode* Root = nullptr;

    TXmlNode* Targets() { return At(Root, "economy/targets"); }
    TXmlNode* Interviewers() { return At(Root, "interviewers"); }

    void Started() override { Root = Data().Scenario(); }

public:
    SubEditorsTest() : TEditorTest(WorldFolder()) {}

private slots:

    // An old target is completed (how: ScenarioEditLegacyTargets.OldFormGetsItsIdAndNameChild...)
    // and listed by its name.
    void TargetsAreListedWithTheFirstShown() {
        At(Root, "economy/targets/target/speed")->SetText("slow");
        TXmlDom legacy;
        QVERIFY(legacy.Parse(R"(<target name="Drought"><economy_target>1</economy_target>)"
                             "<chance>5</chance><speed>Slow</speed></target>"));
        TXmlNode::CopyNode(Targets()->AddNewChild("target"), legacy.Root());
        Open<TEconomyEditorForm>();
        auto* list = C<QListWidget>("TargetsListBox");
        QCOMPARE(Entries(list), (QStringList{"Fish stocks collapse", "Port expansion", "Drought"}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(C<QLineEdit>("ChanceEdit")->text(), QStringLiteral("12.5"));
        QCOMPARE(C<QLineEdit>("TargetEdit")->text(), QStringLiteral("2"));
        // The speed is found without regard to case and not rewritten.
        QCOMPARE(C<QComboBox>("SpeedComboBox")->currentText(), QStringLiteral("Slow"));
        QCOMPARE(Text(Root, "economy/targets/target/speed"), "slow");

        list->setCurrentRow(1);
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QStringLiteral("Port expansion"));
        C<QComboBox>("SpeedComboBox")->setCurrentIndex(1);
        QCOMPARE(Targets()->GetChildAt(1)->GetChild("speed")->GetText(), "Normal");
        list->setCurrentRow(2);
        QCOMPARE(C<QLineEdit>("ChanceEdit")->text(), QStringLiteral("5"));
    }

    void CreateNewAddsASelectedTargetAndNamesMayBeEmpty() {
        Open<TEconomyEditorForm>();
        auto* list = C<QListWidget>("TargetsListBox");
        QTest::mouseClick(C<QPushButton>("NewButton"), Qt::LeftButton);
        QCOMPARE(Targets()->ChildCount(), 3);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("New Target"));
        auto* name = C<QLineEdit>("NameEdit");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Trade war"));
        QCOMPARE(Targets()->GetChildAt(2)->GetChild("name")->GetText(), "Trade war");
        QCOMPARE(list->item(2)->text(), QStringLiteral("Trade war"));
        QCOMPARE(list->item(0)->text(), QStringLiteral("Fish stocks collapse"));

        // Renamed to nothing, a target keeps an empty entry.
        list->setCurrentRow(0);
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Delete);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QString());
        QCOMPARE(Text(Root, "economy/targets/target/name"), "");
    }

    void EconomyWithoutTargetsOffersNothing() {
        Remove(Root, "economy/targets");
        Open<TEconomyEditorForm>();
        QCOMPARE(C<QListWidget>("TargetsListBox")->count(), 0);
        QVERIFY(!C<QPushButton>("NewButton")->isEnabled());
        QVERIFY(!C<QPushButton>("RemoveButton")->isEnabled());
    }

    void InterviewersAreEditedByNameAndNewOnesSelected() {
        Open<TInterviewerEditorForm>();
        auto* list = C<QListWidget>("InterviewersListBox");
        auto* stance = C<QComboBox>("StanceComboBox");
        QCOMPARE(Entries(list), (QStringList{"Odile Marsh", "Pim Ravel"}));
        QCOMPARE(stance->currentText(), QStringLiteral("Center-Left"));
        QCOMPARE(C<QComboBox>("ContentiousnessComboBox")->currentText(), QStringLiteral("Med"));
        list->setCurrentRow(1);
        // "right" in the file shows as Right and stays as written.
        QCOMPARE(stance->currentText(), QStringLiteral("Right"));
        QCOMPARE(Interviewers()->GetChildAt(1)->GetChild("stance")->GetText(), "right");
        stance->setCurrentIndex(stance->findText(QStringLiteral("Far-Right")));
        QCOMPARE(Interviewers()->GetChildAt(1)->GetChild("stance")->GetText(), "Far-Right");
        auto* name = C<QLineEdit>("NameEdit");
        name->end(false);
        QTest::keyClicks(name, QStringLiteral(" Jr"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Pim Ravel Jr"));
        QCOMPARE(Interviewers()->GetChildAt(1)->GetChild("name")->GetText(), "Pim Ravel Jr");

        // A new interviewer is selected.
        C<QPushButton>("NewButton")->click();
        QCOMPARE(list->currentItem()->text(), QStringLiteral("New Interviewer"));
        QCOMPARE(Interviewers()->ChildCount(), 3);
    }
};

QTEST_MAIN(SubEditorsTest)
#include "SubEditorsTest.moc"
