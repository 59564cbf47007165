// The economic targets and interviewer editors: list, details and Create New
// on a copy of a clean scenario (Remove: AllEditorsRulesTest).
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

    void TargetsAreListedWithTheFirstShown() {
        At(Root, "economy/targets/target/speed")->SetText("slow");
        Open<TEconomyEditorForm>();
        auto* list = C<QListWidget>("TargetsListBox");
        QCOMPARE(Entries(list), (QStringList{"Fish stocks collapse", "Port expansion"}));
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
    }

    void CreateNewAddsASelectedCompleteTarget() {
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
    }

    void LegacyTargetIsCompletedAndListedByItsName() {
        TXmlDom legacy;
        QVERIFY(legacy.Parse(R"(<target name="Drought"><economy_target>1</economy_target>)"
                             "<chance>5</chance><speed>Slow</speed></target>"));
        TXmlNode* old = Targets()->AddNewChild("target");
        TXmlNode::CopyNode(old, legacy.Root());
        Open<TEconomyEditorForm>();
        auto* list = C<QListWidget>("TargetsListBox");
        // How it is completed: ScenarioEditLegacyTargets.OldFormGetsItsIdAndNameChild...
        QCOMPARE(list->item(2)->text(), QStringLiteral("Drought"));
        list->setCurrentRow(2);
        QCOMPARE(C<QLineEdit>("ChanceEdit")->text(), QStringLiteral("5"));
    }

    void RenamingToEmptyTextLeavesAnEmptyEntry() {
        Open<TEconomyEditorForm>();
        auto* name = C<QLineEdit>("NameEdit");
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Delete);
        auto* list = C<QListWidget>("TargetsListBox");
        QCOMPARE(list->count(), 2);
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

    void InterviewersAreEditedByName() {
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
    }

    void NewInterviewerIsSelected() {
        Open<TInterviewerEditorForm>();
        auto* list = C<QListWidget>("InterviewersListBox");
        C<QPushButton>("NewButton")->click();
        QCOMPARE(list->currentItem()->text(), QStringLiteral("New Interviewer"));
        QCOMPARE(Interviewers()->ChildCount(), 3);
    }
};

QTEST_MAIN(SubEditorsTest)
#include "SubEditorsTest.moc"
