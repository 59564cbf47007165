// The windows the party and candidate editors share: the party chooser, the
// platform editor and the starting percentages editor, on a copy of the
// sample scenario.
#include "editors/parties/TChangeColourForm.h"
#include "editors/parties/TPercentagesEditorForm.h"
#include "editors/parties/TPlatformEditorForm.h"
#include "editors/parties/TSelectPartyForm.h"
#include "editors/parties/TSelectVeepsForm.h"
#include "guisupport/EditorTest.h"
#include "scenario/ValueEncodings.h"
#include "xml/TXmlNode.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>

using namespace GuiTest;

class PartyChoosersTest : public TEditorTest {
    Q_OBJECT

    TXmlNode* Party(int index) { return Data().Parties()->GetChildAt(index); }
    TXmlNode* FirstLeader(TXmlNode* party) { return party->GetChild("leaders")->GetChildAt(0); }

private slots:

    void ChooserLeavesOutTheGivenParty() {
        auto& form = Open<TSelectPartyForm>(Party(1));
        auto* list = C<QListWidget>("PartiesListBox");
        QCOMPARE(Entries(list), (QStringList{QString::fromStdString(Text(Party(0), "name")),
                                             QString::fromStdString(Text(Party(2), "name"))}));
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(C<QPushButton>("OkButton")->isEnabled());
        list->setCurrentRow(1);
        C<QPushButton>("OkButton")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.SelectedParty(), Party(2));
    }

    // In its list, Enter takes a chooser's choice and Escape leaves it.
    void EnterAcceptsAndEscapeCancelsTheChoosers() {
        const std::function<std::unique_ptr<QDialog>()> choosers[] = {
            [&] { return std::make_unique<TSelectPartyForm>(Data(), Party(0)); },
            [&] { return std::make_unique<TChangeColourForm>(QStringLiteral("blue")); },
            [&] {
                return std::make_unique<TSelectVeepsForm>(Data(), Party(0), FirstLeader(Party(0)));
            },
        };
        const std::pair<Qt::Key, QDialog::DialogCode> keys[] = {
            {Qt::Key_Return, QDialog::Accepted},
            {Qt::Key_Enter, QDialog::Accepted},
            {Qt::Key_Escape, QDialog::Rejected}};
        for (const auto& make : choosers) {
            for (const auto& [key, result] : keys) {
                const std::unique_ptr<QDialog> chooser = make();
                chooser->show();
                auto* list = chooser->findChild<QListWidget*>();
                list->setFocus();
                QTest::keyClick(list, key);
                QVERIFY2(chooser->isHidden(), qPrintable(chooser->objectName()));
                QCOMPARE(chooser->result(), int(result));
            }
        }
    }

    void ChooserWithNothingToChooseDisablesOk() {
        while (Data().Parties()->ChildCount() > 1)
            Data().Parties()->RemoveChild(Party(1));
        auto& form = Open<TSelectPartyForm>(Party(0));
        QCOMPARE(C<QListWidget>("PartiesListBox")->count(), 0);
        QVERIFY(!C<QPushButton>("OkButton")->isEnabled());
        QCOMPARE(form.SelectedParty(), nullptr);
    }

    void ChooseAnswersThroughItsSeam() {
        TSelectPartyForm::Chooser() = [this](TScenarioData&, const TXmlNode* except) {
            return except == Party(0) ? Party(2) : nullptr;
        };
        QCOMPARE(TSelectPartyForm::Choose(Data(), Party(0)), Party(2));
        TSelectPartyForm::Chooser() = {};
        // Without the seam the dialog itself answers; cancelling gives none.
        const TXmlNode* chosen = Party(0);
        QCOMPARE(WhileModal([&] { chosen = TSelectPartyForm::Choose(Data(), Party(0)); },
                            [](QWidget* modal) { Click(modal, "CancelButton"); }),
                 QStringLiteral("TSelectPartyForm"));
        QCOMPARE(chosen, nullptr);
    }

    void PlatformShowsAndWritesPositions() {
        TXmlNode* party = Party(0);
        TXmlNode* platform = party->GetChild("platform");
        auto& form = Open<TPlatformEditorForm>(party);
        QCOMPARE(int(form.Rows().size()), platform->ChildCount());
        // Rows follow issues.xml; the first row is the first issue that
        // takes positions.
        const TXmlNode* issue = form.Rows()[0].Issue;
        TXmlNode* entry = form.Rows()[0].Entry;
        QCOMPARE(entry->AttributeValue("id"), issue->AttributeValue("id"));
        auto* label = C<QLabel>("IssueLabel1");
        auto* bar = C<QSlider>("PositionTrackBar1");
        auto* description = C<QLabel>("PositionDescriptionLabel1");
        QCOMPARE(label->text(), QString::fromStdString(Text(issue, "name")));
        QCOMPARE(bar->accessibleName(), label->text()); // a reader names the bar by its issue
        QCOMPARE(bar->value(), ValueEncodings::PositionValue(entry->GetText()));
        const TXmlNode* shown = issue->GetChild("positions")->GetChildAt(bar->value() - 1);
        QCOMPARE(description->text(),
                 QString::fromStdString(Text(shown, "name") + " - " + Text(shown, "description")));
        // Which name each position writes: PartiesEditTest.PlatformRowsFollowTheIssues...
        const TXmlNode* first = issue->GetChild("positions")->GetChildAt(0);
        bar->setValue(bar->value() == 1 ? 2 : 1);
        bar->setValue(1);
        QCOMPARE(entry->GetText(), std::string("Far-Left"));
        QCOMPARE(description->text().toStdString(),
                 Text(first, "name") + " - " + Text(first, "description"));
    }

    void PlatformLeavesAnUnsetPositionUntilABarMoves() {
        TXmlNode* leader = FirstLeader(Party(1));
        TXmlNode* entry = nullptr;
        {
            TPlatformEditorForm probe(Data(), leader);
            QVERIFY(probe.Rows().size() >= 3);
            entry = probe.Rows()[2].Entry;
        }
        entry->SetText("-1");
        Data().SetChanged(false);
        Open<TPlatformEditorForm>(leader);
        auto* bar = C<QSlider>("PositionTrackBar3");
        QCOMPARE(bar->value(), 4);
        QVERIFY(C<QLabel>("PositionDescriptionLabel3")->text().contains("-1"));
        QCOMPARE(entry->GetText(), std::string("-1"));
        QVERIFY(!Data().Changed());
        bar->setValue(2);
        QCOMPARE(entry->GetText(), std::string("Left"));
        QVERIFY(Data().Changed());
    }

    void PercentagesOfAPartyWriteEverySelectedRegion() {
        TXmlNode* party = Party(0);
        const std::string id = party->AttributeValue("id");
        auto& form = Open<TPercentagesEditorForm>(party);
        QVERIFY(form.ForParty());
        auto* regions = C<QListWidget>("RegionsListBox");
        const auto entries = PercentagesEdit::EntriesOf(Data(), id);
        QCOMPARE(regions->count(), int(entries.size()));
        QVERIFY(regions->count() >= 3);
        QCOMPARE(regions->item(0)->text(), QString::fromStdString(entries[0].RegionName));
        const TXmlNode* general = entries[0].Entry->GetChild("general_election");
        auto edit = [&](const char* name) { return C<QLineEdit>(name); };
        QVERIFY(edit("GeneralStartingPercentageEdit")->isEnabled());
        QCOMPARE(edit("GeneralStartingPercentageEdit")->text().toStdString(),
                 Text(general, "starting_percentage"));
        QCOMPARE(edit("CommittedPercentageEdit")->text().toStdString(), Text(general, "committed"));
        QCOMPARE(edit("AlienatedPercentageEdit")->text().toStdString(), Text(general, "alienated"));
        QCOMPARE(edit("StartingPercentageEdit")->text().toStdString(),
                 Text(entries[0].Entry->GetChild("primaries"), "starting_percentage"));

        // Three regions, 40 committed: all three get it, the others not.
        for (int row = 0; row < 3; ++row)
            regions->item(row)->setSelected(true);
        edit("CommittedPercentageEdit")->selectAll();
        QTest::keyClicks(edit("CommittedPercentageEdit"), QStringLiteral("40"));
        for (size_t i = 0; i < entries.size(); ++i)
            QCOMPARE(Text(entries[i].Entry->GetChild("general_election"), "committed") == "40",
                     i < 3);
        C<QPushButton>("SelectAllButton")->click();
        QCOMPARE(int(form.SelectedEntries().size()), regions->count());
    }

    void PercentagesOfALeaderHaveNoGeneralElectionStartAndMayHaveNoRegion() {
        TXmlNode* leader = FirstLeader(Party(1));
        auto& form = Open<TPercentagesEditorForm>(leader);
        QVERIFY(!form.ForParty());
        auto edit = [&](const char* name) { return C<QLineEdit>(name); };
        QVERIFY(!edit("GeneralStartingPercentageEdit")->isEnabled());
        const auto entries = PercentagesEdit::EntriesOf(Data(), leader->AttributeValue("id"));
        QVERIFY(!entries.empty());
        QCOMPARE(edit("StartingPercentageEdit")->text().toStdString(),
                 Text(entries[0].Entry, "starting_percentage"));
        QCOMPARE(edit("LeaningPercentageEdit")->text().toStdString(),
                 Text(entries[0].Entry, "leaning"));
        C<QListWidget>("RegionsListBox")->item(0)->setSelected(true);
        edit("UndecidedPercentageEdit")->selectAll();
        QTest::keyClicks(edit("UndecidedPercentageEdit"), QStringLiteral("12.5"));
        QCOMPARE(Text(entries[0].Entry, "undecided"), std::string("12.5"));

        // Without entries no region is listed and nothing can be typed.
        Close();
        PercentagesEdit::RemoveLeaderEntries(Data(), leader->AttributeValue("id"));
        auto& bare = Open<TPercentagesEditorForm>(leader);
        QCOMPARE(C<QListWidget>("RegionsListBox")->count(), 0);
        for (QLineEdit* field : bare.findChildren<QLineEdit*>())
            QVERIFY(!field->isEnabled());
    }
};

QTEST_MAIN(PartyChoosersTest)
#include "PartyChoosersTest.moc"
