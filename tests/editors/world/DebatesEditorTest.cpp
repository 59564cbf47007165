// The debates editor on the general-election debates and on a party's
// primaries debates.
#include "editors/world/TDebatesEditorForm.h"
#include "guisupport/EditorTest.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace GuiTest;

class DebatesEditorTest : public TEditorTest {
    Q_OBJECT

    TXmlNode* Root = nullptr;

    TXmlNode* AddParty(const std::string& id, const std::string& name) {
        TXmlNode* party = Data().Parties()->AddNewChild("party");
        party->SetAttribute("id", id);
        party->AddNewChild("name", name);
        return party;
    }
    void Started() override { Root = Data().Scenario(); }

public:
    DebatesEditorTest() : TEditorTest(WorldFolder()) {}

private slots:

    void GeneralElectionDebatesAreListedByTypeAndDateAndMade() {
        auto form = TDebatesEditorForm::ForGeneralElection(Data());
        form->show();
        QVERIFY(!form->PrimariesMode());
        auto* list = Find<QListWidget>(form.get(), "DebatesListBox");
        QCOMPARE(Entries(list), (QStringList{"Leader - 09/15/2009", "VICELEADER - 09/22/2009"}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(Find<QLineEdit>(form.get(), "PercentToQualifyEdit")->text(), QStringLiteral("15"));
        list->setCurrentRow(1);
        QCOMPARE(Find<QComboBox>(form.get(), "TypeComboBox")->currentText(),
                 QStringLiteral("Viceleader"));
        QCOMPARE(Text(Root, "debates/general_election/debate/type"), "Leader");

        // A new debate is selected, and its entry follows its date and type.
        Find<QPushButton>(form.get(), "NewButton")->click();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Leader - 12/12/2008"));
        TXmlNode* debate = At(Root, "debates/general_election")->GetChildAt(2);

        Find<QDateEdit>(form.get(), "DateTimePicker")->setDate(QDate(2008, 10, 7));
        QCOMPARE(debate->GetChild("date")->GetText(), "10/07/2008");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Leader - 10/07/2008"));
        Find<QComboBox>(form.get(), "TypeComboBox")->setCurrentIndex(1);
        QCOMPARE(debate->GetChild("type")->GetText(), "Viceleader");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Viceleader - 10/07/2008"));
        // The other entries keep their texts.
        QCOMPARE(list->item(0)->text(), QStringLiteral("Leader - 09/15/2009"));
    }

    void DebateWithoutATypeShowsNoTypeInAGeneralElectionList() {
        Remove(Root, "debates/general_election/debate/type");
        auto form = TDebatesEditorForm::ForGeneralElection(Data());
        form->show();
        auto* list = Find<QListWidget>(form.get(), "DebatesListBox");
        QCOMPARE(Entries(list), (QStringList{"09/15/2009", "VICELEADER - 09/22/2009"}));
        auto* type = Find<QComboBox>(form.get(), "TypeComboBox");
        QVERIFY(type->isHidden());
        list->setCurrentRow(1);
        QVERIFY(!type->isHidden());
        QCOMPARE(At(Root, "debates/general_election/debate/type"), nullptr);
    }

    void MissingGeneralElectionListIsMadeByCreateNewOnly() {
        Remove(Root, "debates/general_election");
        auto form = TDebatesEditorForm::ForGeneralElection(Data());
        form->show();
        QCOMPARE(At(Root, "debates/general_election"), nullptr);
        Find<QPushButton>(form.get(), "NewButton")->click();
        QCOMPARE(At(Root, "debates/general_election")->ChildCount(), 1);
        QCOMPARE(Entries(Find<QListWidget>(form.get(), "DebatesListBox")),
                 (QStringList{"Leader - 12/12/2008"}));
    }

    void WithoutDebatesEverythingIsDisabled() {
        Remove(Root, "debates");
        const std::string before = Data().Document(TScenarioFile::Scenario).ToText();
        auto form = TDebatesEditorForm::ForGeneralElection(Data());
        form->show();
        QVERIFY(!Find<QPushButton>(form.get(), "NewButton")->isEnabled());
        QVERIFY(!Find<QPushButton>(form.get(), "RemoveButton")->isEnabled());
        auto party = TDebatesEditorForm::ForParty(Data(), AddParty("p1", "Blue"));
        party->show();
        QVERIFY(!Find<QPushButton>(party.get(), "NewButton")->isEnabled());
        QCOMPARE(Data().Document(TScenarioFile::Scenario).ToText(), before);
    }

    void PartyDebatesHaveNoTypeAndTheEntryIsMadeOnce() {
        TXmlNode* party = AddParty("p7", "Harbour");
        {
            auto form = TDebatesEditorForm::ForParty(Data(), party);
            form->show();
            QVERIFY(form->PrimariesMode());
            Find<QPushButton>(form.get(), "NewButton")->click();
            auto* list = Find<QListWidget>(form.get(), "DebatesListBox");
            QCOMPARE(Entries(list), (QStringList{"12/12/2008"}));
            QVERIFY(Find<QComboBox>(form.get(), "TypeComboBox")->isHidden());
            QVERIFY(Find<QLabel>(form.get(), "TypeLabel")->isHidden());
            Find<QDateEdit>(form.get(), "DateTimePicker")->setDate(QDate(2008, 3, 4));
            QCOMPARE(list->item(0)->text(), QStringLiteral("03/04/2008"));
        }
        auto again = TDebatesEditorForm::ForParty(Data(), party);
        again->show();
        // What the entry holds: ScenarioEditDebates.PartyEntryIsFoundOrMadeOnce.
        QCOMPARE(At(Root, "debates/primaries")->ChildCount(), 1);
        QCOMPARE(Text(Root, "debates/primaries/party/debate/date"), "03/04/2008");
        QCOMPARE(Find<QListWidget>(again.get(), "DebatesListBox")->count(), 1);
    }
};

QTEST_MAIN(DebatesEditorTest)
#include "DebatesEditorTest.moc"
