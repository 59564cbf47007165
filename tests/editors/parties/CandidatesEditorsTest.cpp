// The candidates list, the leader and vice-leader editors, the running-mate
// chooser and the crusaders editor on a copy of the sample scenario.
#include "editors/parties/TCrusadersEditorForm.h"
#include "editors/parties/TElectionEventsEditorForm.h"
#include "editors/parties/TLeaderEditForm.h"
#include "editors/parties/TPartyEditForm.h"
#include "editors/parties/TPartyLeaderVeepEditorForm.h"
#include "editors/parties/TSelectPartyForm.h"
#include "editors/parties/TSelectVeepsForm.h"
#include "editors/parties/TVeepEditForm.h"
#include "guisupport/EditorTest.h"
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/PartiesEdit.h"
#include "xml/TXmlNode.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include <memory>

using namespace GuiTest;

namespace {

const char* const Ines = "39440_7166792197";
const char* const Rupert = "39425_2395520931";

QStringList MateIds(const TXmlNode* leader) {
    QStringList ids;
    const TXmlNode* mates = leader->GetChild("viceleaders");
    for (int32_t i = 0; i < mates->ChildCount(); ++i)
        ids << QString::fromStdString(mates->GetChildAt(i)->AttributeValue("id"));
    return ids;
}

// The class and title of the window a click on button opens.
QString Opened(QWidget* form, const char* button) {
    QString title;
    const QString window = WhileModal([&] { Click(form, button); },
                                      [&title](QWidget* modal) { title = modal->windowTitle(); });
    return window + QStringLiteral(": ") + title;
}

} // namespace

class CandidatesEditorsTest : public TEditorTest {
    Q_OBJECT

    TXmlNode* PartyAt(int index) { return Data().Parties()->GetChildAt(index); }
    TXmlNode* Party() { return PartyAt(0); }
    TXmlNode* Leader(int n) { return Party()->GetChild("leaders")->GetChildAt(n); }
    TXmlNode* Pool() { return Party()->GetChild("viceleaders"); }

private slots:

    void CandidatesMoveButNotPastTheEndsAndNewOnesAreEditedAndSelected() {
        auto& form = Open<TPartyLeaderVeepEditorForm>(Party());
        auto* veeps = C<QListWidget>("VeepsListBox");
        auto* leaders = C<QListWidget>("LeadersListBox");
        QCOMPARE(Entries(veeps), (QStringList{"Ines Halloway", "Rupert Cray"}));
        QCOMPARE(Entries(leaders), (QStringList{"Odile Varenne", "Tobias Wrenfield"}));
        QCOMPARE(leaders->currentRow(), 0);
        TXmlNode* odile = Leader(0);
        Click(&form, "DnButton");
        QCOMPARE(Leader(1), odile);
        QCOMPARE(Entries(leaders), (QStringList{"Tobias Wrenfield", "Odile Varenne"}));
        QCOMPARE(leaders->currentRow(), 1);
        QCOMPARE(form.SelectedLeader(), odile);
        Click(&form, "DnButton");
        QCOMPARE(Leader(1), odile);
        QCOMPARE(leaders->currentRow(), 1);

        // New and Copy open the editor on the new entry and select it.
        QCOMPARE(WhileModal([&] { Click(&form, "NewVeepButton"); }),
                 QStringLiteral("TVeepEditForm"));
        QCOMPARE(veeps->count(), 3);
        QCOMPARE(veeps->currentRow(), 2);
        QCOMPARE(veeps->item(2)->text(), QStringLiteral("New ViceLeader"));
        QCOMPARE(form.SelectedViceLeader(), Pool()->GetChildAt(2));

        QCOMPARE(WhileModal([&] { Click(&form, "CopyVeepButton"); }),
                 QStringLiteral("TVeepEditForm"));
        QCOMPARE(Pool()->ChildCount(), 4);
        QCOMPARE(veeps->currentRow(), 3);
        QVERIFY(Pool()->GetChildAt(3)->AttributeValue("id") !=
                Pool()->GetChildAt(2)->AttributeValue("id"));
        QCOMPARE(WhileModal([&] { Click(&form, "CopyLeaderButton"); }),
                 QStringLiteral("TLeaderEditForm"));
        QCOMPARE(form.SelectedLeader(), Leader(2));
    }

    void CopyToGoesToTheChosenOtherParty() {
        TXmlNode* accord = PartyAt(1);
        const TXmlNode* offered = nullptr;
        TXmlNode* chosen = accord;
        TSelectPartyForm::Chooser() = [&](TScenarioData&, const TXmlNode* except) {
            offered = except;
            return chosen;
        };
        auto& form = Open<TPartyLeaderVeepEditorForm>(Party());
        Click(&form, "CopyLeaderToButton");
        Click(&form, "CopyVeepToButton");
        chosen = nullptr;
        Click(&form, "CopyLeaderToButton");
        TSelectPartyForm::Chooser() = {};
        QCOMPARE(offered, Party());
        QCOMPARE(Text(accord->GetChild("leaders")->GetChildAt(2), "lastname"), "Varenne");
        QCOMPARE(accord->GetChild("leaders")->ChildCount(), 3);
        QCOMPARE(Text(accord->GetChild("viceleaders")->GetChildAt(2), "firstname"), "Ines");
        // The list shows this party only.
        QCOMPARE(C<QListWidget>("LeadersListBox")->count(), 2);
    }

    // Each button of the party and leader editors opens its window, titled
    // after the name as it is now.
    void ButtonsOpenTheirWindowsNamedAfterTheirOwner() {
        QStringList opened;
        auto& party = Open<TPartyEditForm>(PartyAt(1)); // not the first: the windows get this one
        Type(Find<QLineEdit>(&party, "NameEdit"), QStringLiteral("Civic Front"));
        for (const char* button : {"CandidatesButton", "RegionInfoButton", "PlatformButton",
                                   "PercentagesButton", "DebatesButton"})
            opened << Opened(&party, button);
        auto& leader = Open<TLeaderEditForm>(Leader(0));
        Type(Find<QLineEdit>(&leader, "LastNameEdit"), QStringLiteral("Berg"));
        for (const char* button :
             {"IssuesButton", "PercentagesButton", "VeepsButton", "CrusadersButton"})
            opened << Opened(&leader, button);
        QCOMPARE(
            opened,
            (QStringList{"TPartyLeaderVeepEditorForm: Step 5: Create / Edit Civic Front "
                         "Party's Leaders and Vice Leaders",
                         "TElectionEventsEditorForm: Step 5: Civic Front Party's Regional "
                         "Information",
                         "TPlatformEditorForm: Step 5: Set Civic Front Party's Platform",
                         "TPercentagesEditorForm: Step 5: Civic Front",
                         "TDebatesEditorForm: Step 5: Create / Edit Civic Front Party's Debates",
                         "TPlatformEditorForm: Set Berg's Platform",
                         "TPercentagesEditorForm: Step 5: Edit Regional Percentages",
                         "TSelectVeepsForm: Step 5: Berg's Vice-Presidential Candidates",
                         "TCrusadersEditorForm: Step 5: Create / Edit Berg's Crusaders"}));
    }

    void LeaderEditorControlsEditTheLeader() {
        TXmlNode* leader = Leader(0);
        auto& form = Open<TLeaderEditForm>(leader);
        const QString faults =
            BindingFaults(&form, leader,
                          {{"DefaultOnCheckBox", "default_on"},
                           {"TitleEdit", "title"},
                           {"FirstNameEdit", "firstname"},
                           {"LastNameEdit", "lastname"},
                           {"AgeEdit", "age"},
                           {"PrimariesDescriptionMemo", "primaries_description"},
                           {"GeneralDescriptionMemo", "generalelection_description"},
                           {"StartingFundsEdit", "starting_funds"},
                           {"InfluencePointsEdit", "political_influence_points"},
                           {"HowWellKnownComboBox", "how_well_known"},
                           {"EstablishedEdit", "established_primaries"},
                           {"PercentageGoalEdit", "goals/percentage"},
                           {"SeatsGoalEdit", "goals/seats"},
                           {"LanguageBonusEdit", "language_bonus"}});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
        QCOMPARE(C<QGroupBox>("LeaderInfoGroup")->title(), QStringLiteral("Varenne's Information"));
        auto* gender = C<QComboBox>("GenderComboBox");
        QCOMPARE(gender->currentText(), QStringLiteral("F"));
        auto* home = C<QComboBox>("HomeRegionComboBox");
        QCOMPARE(home->currentText(), QStringLiteral("Aubrel"));
        QCOMPARE(home->count(), 9);

        gender->setCurrentIndex(0);
        QCOMPARE(Text(leader, "sex"), std::string("male"));
        gender->setCurrentIndex(1);
        QCOMPARE(Text(leader, "sex"), std::string("female"));
        home->setCurrentIndex(1);
        QCOMPARE(leader->GetChild("home_political_unit")->AttributeValue("id"),
                 std::string("39424_5593275476"));
        Type(C<QLineEdit>("LastNameEdit"), QStringLiteral("Berg"));
        QCOMPARE(Text(leader, "lastname"), std::string("Berg"));
        QCOMPARE(C<QGroupBox>("LeaderInfoGroup")->title(), QStringLiteral("Berg's Information"));

        auto* regions = C<QListWidget>("RegionBonusListBox");
        QCOMPARE(regions->count(), 9);
        regions->setCurrentRow(1);
        auto* bonus = C<QLineEdit>("RegionBonusEdit");
        QCOMPARE(bonus->text(), QStringLiteral("2"));
        Type(bonus, QStringLiteral("150"));
        const TXmlNode* entry = leader->GetChild("percentage_bonuses")
                                    ->FindChild("political_unit", "id", "39424_5593275476");
        QCOMPARE(Text(entry, "bonus"), std::string("100"));
    }

    void RegionBonusesAndPortraitNamesAreMadeOnce() {
        TXmlNode* leader = Leader(1);
        leader->RemoveChild(leader->GetChild("percentage_bonuses"));
        leader->GetChild("image_small")->SetText("");
        // What they hold: CandidatesEditTest.HomeRegionBonusesAndRunningMates and
        // EmptyPortraitNamesGetTheirDefaults.
        for (int round = 0; round < 2; ++round) {
            Open<TLeaderEditForm>(leader);
            QCOMPARE(leader->GetChild("percentage_bonuses")->ChildCount(), 9);
        }
        QCOMPARE(Text(leader, "image_small"), leader->AttributeValue("id") + "_small.bmp");
    }

    void VeepEditorMovesTheHomeBonusWithTheHome() {
        TXmlNode* veep = Pool()->GetChildAt(0);
        Open<TVeepEditForm>(veep);
        QCOMPARE(C<QLineEdit>("FirstNameEdit")->text(), QStringLiteral("Ines"));
        auto* home = C<QComboBox>("HomeRegionComboBox");
        home->setCurrentIndex(home->findText(QStringLiteral("Brenvale")));
        // The bonus entry moves along: CandidatesEditTest.HomeRegionBonusesAndRunningMates.
        QCOMPARE(veep->GetChild("home_political_unit")->AttributeValue("id"),
                 std::string("39424_5593275476"));
        Type(C<QLineEdit>("HomeBonusEdit"), QStringLiteral("250"));
        QCOMPARE(Text(veep->GetChild("percentage_bonuses")->GetChildAt(0), "bonus"),
                 std::string("100"));
    }

    void FieldsACandidateLacksAreAddedWhereTheyBelongOnFirstEdit() {
        TXmlNode* leader = Leader(0);
        QString faults = EditsAddMissingFields(
            leader, {"default_on", "sex", "age", "how_well_known", "goals", "attributes/charisma"},
            [&] { return std::make_unique<TLeaderEditForm>(Data(), leader); },
            {"DefaultOnCheckBox", "GenderComboBox", "AgeEdit", "HowWellKnownComboBox",
             "PercentageGoalEdit", "SeatsGoalEdit", "CharismaEdit"});
        TXmlNode* veep = Pool()->GetChildAt(0);
        faults +=
            EditsAddMissingFields(veep, {"sex", "political_points_cost"},
                                  [&] { return std::make_unique<TVeepEditForm>(Data(), veep); },
                                  {"GenderComboBox", "PointsCostEdit"});
        TXmlNode* crusaders = Leader(0)->GetChild("crusaders");
        faults += EditsAddMissingFields(
            crusaders->GetChildAt(0), {"base_power"},
            [&] { return std::make_unique<TCrusadersEditorForm>(Data(), crusaders); },
            {"BasePowerEdit"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }

    void RunningMateChooserListsAndRemovesMissingEntries() {
        TXmlNode* tobias = Leader(1);
        CandidatesEdit::AddRunningMate(Data(), tobias, "gone");
        auto& form = Open<TSelectVeepsForm>(Party(), tobias);
        auto* other = C<QListWidget>("OtherViceLeadersListBox");
        auto* selected = C<QListWidget>("SelectedViceLeadersListBox");
        QCOMPARE(Entries(other), QStringList{"Ines Halloway"});
        QCOMPARE(Entries(selected), (QStringList{"Rupert Cray", "gone (missing)"}));
        selected->clearSelection();
        selected->item(1)->setSelected(true);
        Click(&form, "RemoveButton");
        QCOMPARE(MateIds(tobias), QStringList{Rupert});
        Click(&form, "AddAllButton");
        QCOMPARE(MateIds(tobias), (QStringList{Rupert, Ines}));
        QCOMPARE(Entries(selected), (QStringList{"Ines Halloway", "Rupert Cray"}));
        QVERIFY(Entries(other).isEmpty());
        Click(&form, "RemoveAllButton");
        QCOMPARE(MateIds(tobias), QStringList{});
        other->clearSelection();
        other->item(1)->setSelected(true);
        Click(&form, "AddButton");
        QCOMPARE(MateIds(tobias), QStringList{Rupert});
    }

    void CrusadersEditorListsAndMakesCrusaders() {
        TXmlNode* crusaders = Leader(0)->GetChild("crusaders");
        crusaders->GetChildAt(0)->GetChild("last_name")->SetText(std::string(24, 'z'));
        auto& form = Open<TCrusadersEditorForm>(crusaders);
        auto* list = C<QListWidget>("CrusadersListBox");
        QCOMPARE(Entries(list),
                 (QStringList{"Bertram " + QString(24, QLatin1Char('z')), "Liesl Marrow"}));
        list->setCurrentRow(1);
        QCOMPARE(C<QLineEdit>("DaysEdit")->text(), QStringLiteral("14"));

        Click(&form, "NewButton");
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(list->item(2)->text(), QStringLiteral("New Crusader"));
        Type(C<QLineEdit>("FirstNameEdit"), QStringLiteral("Mara"));
        QCOMPARE(list->item(2)->text(), QStringLiteral("Mara Crusader"));
        QCOMPARE(Text(crusaders->GetChildAt(2), "first_name"), std::string("Mara"));
    }
};

QTEST_MAIN(CandidatesEditorsTest)
#include "CandidatesEditorsTest.moc"
