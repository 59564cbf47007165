// The debates editor on the general-election debates and on a party's
// primaries debates.
#include "editors/parties/TDebatesEditorForm.h"
#include "editors/world/WorldTestScenario.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <memory>

using namespace WorldTest;

class DebatesEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    TXmlNode* Root = nullptr;

    TXmlNode* AddParty(const std::string& id, const std::string& name) {
        TXmlNode* party = Copy->Data().Parties()->AddNewChild("party");
        party->SetAttribute("id", id);
        party->AddNewChild("name", name);
        return party;
    }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>(WorldFolder());
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        Root = Copy->Data().Scenario();
    }

    void cleanup() { Copy.reset(); }

    void GeneralElectionDebatesAreListedByTypeAndDate() {
        auto form = TDebatesEditorForm::ForGeneralElection(Copy->Data());
        form->show();
        QCOMPARE(form->windowTitle(), QStringLiteral("Step 1: Create / Edit Debates"));
        QCOMPARE(form->property("helpTopic").toInt(), 113);
        QVERIFY(!form->PrimariesMode());
        auto* list = Control<QListWidget>(form.get(), "DebatesListBox");
        QCOMPARE(Entries(list), (QStringList{"Leader - 09/15/2009", "VICELEADER - 09/22/2009"}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(Control<QLineEdit>(form.get(), "PercentToQualifyEdit")->text(),
                 QStringLiteral("15"));
        list->setCurrentRow(1);
        QCOMPARE(Control<QComboBox>(form.get(), "TypeComboBox")->currentText(),
                 QStringLiteral("Viceleader"));
        QCOMPARE(TextAt(Root, "debates/general_election/debate/type"), "Leader");
    }

    void DebateWithoutATypeShowsNoTypeInAGeneralElectionList() {
        Remove(Root, "debates/general_election/debate/type");
        auto form = TDebatesEditorForm::ForGeneralElection(Copy->Data());
        form->show();
        auto* list = Control<QListWidget>(form.get(), "DebatesListBox");
        QCOMPARE(Entries(list), (QStringList{"09/15/2009", "VICELEADER - 09/22/2009"}));
        auto* type = Control<QComboBox>(form.get(), "TypeComboBox");
        QVERIFY(type->isHidden());
        list->setCurrentRow(1);
        QVERIFY(!type->isHidden());
        QCOMPARE(At(Root, "debates/general_election/debate/type"), nullptr);
    }

    void NewDebateIsSelectedAndItsEntryFollowsDateAndType() {
        auto form = TDebatesEditorForm::ForGeneralElection(Copy->Data());
        form->show();
        auto* list = Control<QListWidget>(form.get(), "DebatesListBox");
        Control<QPushButton>(form.get(), "NewButton")->click();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Leader - 12/12/2008"));
        TXmlNode* debate = At(Root, "debates/general_election")->GetChildAt(2);
        QCOMPARE(debate->GetChild("language")->GetText(), "English");

        Control<QDateEdit>(form.get(), "DateTimePicker")->setDate(QDate(2008, 10, 7));
        QCOMPARE(debate->GetChild("date")->GetText(), "10/07/2008");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Leader - 10/07/2008"));
        Control<QComboBox>(form.get(), "TypeComboBox")->setCurrentIndex(1);
        QCOMPARE(debate->GetChild("type")->GetText(), "Viceleader");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Viceleader - 10/07/2008"));
        auto* percent = Control<QLineEdit>(form.get(), "PercentToQualifyEdit");
        percent->selectAll();
        QTest::keyClicks(percent, QStringLiteral("250"));
        QCOMPARE(debate->GetChild("percent_to_qualify")->GetText(), "100");
        // The other entries keep their texts.
        QCOMPARE(list->item(0)->text(), QStringLiteral("Leader - 09/15/2009"));
    }

    void RemoveSelectsTheDebateBefore() {
        auto form = TDebatesEditorForm::ForGeneralElection(Copy->Data());
        form->show();
        auto* list = Control<QListWidget>(form.get(), "DebatesListBox");
        auto* remove = Control<QPushButton>(form.get(), "RemoveButton");
        list->setCurrentRow(1);
        remove->click();
        QCOMPARE(Entries(list), (QStringList{"Leader - 09/15/2009"}));
        QCOMPARE(list->currentRow(), 0);
        remove->click();
        QCOMPARE(list->count(), 0);
        QVERIFY(!remove->isEnabled());
        QVERIFY(!Control<QDateEdit>(form.get(), "DateTimePicker")->isEnabled());
        QVERIFY(Control<QLineEdit>(form.get(), "PercentToQualifyEdit")->text().isEmpty());
        QCOMPARE(At(Root, "debates/general_election")->ChildCount(), 0);
    }

    void MissingGeneralElectionListIsMadeByCreateNewOnly() {
        Remove(Root, "debates/general_election");
        auto form = TDebatesEditorForm::ForGeneralElection(Copy->Data());
        form->show();
        QCOMPARE(At(Root, "debates/general_election"), nullptr);
        Control<QPushButton>(form.get(), "NewButton")->click();
        QCOMPARE(At(Root, "debates/general_election")->ChildCount(), 1);
        QCOMPARE(Entries(Control<QListWidget>(form.get(), "DebatesListBox")),
                 (QStringList{"Leader - 12/12/2008"}));
    }

    void WithoutDebatesEverythingIsDisabled() {
        Remove(Root, "debates");
        const std::string before = Copy->Data().Document(TScenarioFile::Scenario).ToText();
        auto form = TDebatesEditorForm::ForGeneralElection(Copy->Data());
        form->show();
        QVERIFY(!Control<QPushButton>(form.get(), "NewButton")->isEnabled());
        QVERIFY(!Control<QPushButton>(form.get(), "RemoveButton")->isEnabled());
        auto party = TDebatesEditorForm::ForParty(Copy->Data(), AddParty("p1", "Blue"));
        party->show();
        QVERIFY(!Control<QPushButton>(party.get(), "NewButton")->isEnabled());
        QCOMPARE(Copy->Data().Document(TScenarioFile::Scenario).ToText(), before);
    }

    void PartyDebatesHaveNoTypeAndTheEntryIsMadeOnce() {
        TXmlNode* party = AddParty("p7", "Harbour");
        {
            auto form = TDebatesEditorForm::ForParty(Copy->Data(), party);
            form->show();
            QVERIFY(form->PrimariesMode());
            QCOMPARE(form->windowTitle(),
                     QStringLiteral("Step 5: Create / Edit Harbour Party's Debates"));
            Control<QPushButton>(form.get(), "NewButton")->click();
            auto* list = Control<QListWidget>(form.get(), "DebatesListBox");
            QCOMPARE(Entries(list), (QStringList{"12/12/2008"}));
            QVERIFY(Control<QComboBox>(form.get(), "TypeComboBox")->isHidden());
            QVERIFY(Control<QLabel>(form.get(), "TypeLabel")->isHidden());
            Control<QDateEdit>(form.get(), "DateTimePicker")->setDate(QDate(2008, 3, 4));
            QCOMPARE(list->item(0)->text(), QStringLiteral("03/04/2008"));
        }
        auto again = TDebatesEditorForm::ForParty(Copy->Data(), party);
        again->show();
        TXmlNode* primaries = At(Root, "debates/primaries");
        QCOMPARE(primaries->ChildCount(), 1);
        TXmlNode* entry = primaries->GetChildAt(0);
        QCOMPARE(entry->AttributeValue("id"), "p7");
        QCOMPARE(entry->ChildCount(), 1);
        QCOMPARE(entry->GetChildAt(0)->GetChild("type"), nullptr);
        QCOMPARE(entry->GetChildAt(0)->GetChild("date")->GetText(), "03/04/2008");
        QCOMPARE(Control<QListWidget>(again.get(), "DebatesListBox")->count(), 1);
    }
};

QTEST_MAIN(DebatesEditorTest)
#include "DebatesEditorTest.moc"
