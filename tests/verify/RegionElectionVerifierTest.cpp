// Region election data and primaries debates: checked once the party
// records are clean, and cleared of parties that no longer exist.
#include "scenario/edit/PartiesEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/VerifyCases.h"
#include "verify/PartiesTestScenario.h"

#include <gtest/gtest.h>

using namespace PartiesTest;
using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

const std::string R1 = "Parties >> RegionInfo >> Northmark";
const std::string R2 = "Parties >> RegionInfo >> Southdale";
const std::string RegionPath = "/political_units/political_unit/political_units/political_unit";

class RegionElection : public testing::Test {
protected:
    TTemporaryFolder Folder;

    TXmlNode* Unit(TScenarioData& data, const std::string& path) {
        return At(data, TScenarioFile::PoliticalUnits, RegionPath + path);
    }
    static std::vector<std::string> Ids(const TXmlNode* list, const char* child = nullptr) {
        std::vector<std::string> ids;
        for (int32_t i = 0; list && i < list->ChildCount(); ++i) {
            const TXmlNode* n = list->GetChildAt(i);
            if (child)
                n = n->GetChild(child);
            ids.push_back(n ? n->AttributeValue("id") : "?");
        }
        return ids;
    }
};

TEST_F(RegionElection, RemovedPartyVanishesEverywhereInOneRun) {
    TDocuments d;
    // A stale entry right after the removed party's: both go in one run.
    d.PoliticalUnits = "<political_units><political_unit id=\"n1\"><name>Nation</name>"
                       "<political_units>" +
                       Region("r1", "Northmark", "tie",
                              General(BallotEntry("p1") + BallotEntry("p3") + BallotEntry("old") +
                                      BallotEntry("p2")) +
                                  Event("Primary", "p1") + Event("caucus", "p3") +
                                  Event("primary", "p3") + Event("caucus", "p2")) +
                       Region("r2", "Southdale", "p2",
                              Event("Primary", "p1") + General(BallotEntry("p3")) +
                                  Event("CAUCUS", "p2") + Event("primary", "p3")) +
                       "</political_units></political_unit></political_units>";
    auto data = Load(d, Folder);
    PartiesEdit::RemoveParty(*data, At(*data, TScenarioFile::Parties, "/parties/party[3]"));

    EXPECT_FALSE(VerifyParties(*data));
    // The removal took the relation of its leader l3 with it; the ballot
    // that lost its only entry is reported.
    EXPECT_EQ(MessageTexts(*data),
              (Texts{R2 + " >> Election Events >> ballot >> Insufficient parties on ballot"}));
    EXPECT_TRUE(data->Changed());
    data->Save();

    TXmlDom units, settings, percentages;
    ASSERT_TRUE(units.LoadFromFile(Folder.Str() + "political_units.xml"));
    ASSERT_TRUE(settings.LoadFromFile(Folder.Str() + "scenario.xml"));
    ASSERT_TRUE(percentages.LoadFromFile(Folder.Str() + "percentages.xml"));
    const TXmlNode* regions = units.Root()->GetChildAt(0)->GetChild("political_units");
    const TXmlNode* r1 = regions->GetChildAt(0)->GetChild("election_events");
    const TXmlNode* r2 = regions->GetChildAt(1)->GetChild("election_events");
    EXPECT_EQ(Ids(r1, "party"), (std::vector<std::string>{"?", "p1", "p2"}));
    EXPECT_EQ(Ids(r1->GetChildAt(0)->GetChild("ballot")), (std::vector<std::string>{"p1", "p2"}));
    EXPECT_EQ(Ids(r2, "party"), (std::vector<std::string>{"p1", "?", "p2"}));
    EXPECT_EQ(r2->GetChildAt(1)->GetChild("ballot")->ChildCount(), 0);
    EXPECT_EQ(Ids(settings.Root()->GetChild("debates")->GetChild("primaries")),
              std::vector<std::string>{"p1"});
    const TXmlNode* shares = percentages.Root()->GetChild("political_units");
    for (int32_t i = 0; i < shares->ChildCount(); ++i)
        EXPECT_EQ(Ids(shares->GetChildAt(i)->GetChild("parties")),
                  (std::vector<std::string>{"p1", "p2"}));
}

TEST_F(RegionElection, MajorityGovernorAndEventTypes) {
    auto data = Load(TDocuments{}, Folder);
    Unit(*data, "[1]/party_with_existing_majority")->SetAttribute("id", "");
    Unit(*data, "[2]/party_with_existing_majority")->SetAttribute("id", "-1");
    Unit(*data, "[1]")->RemoveChild(Unit(*data, "[1]/party_with_governor"));
    Unit(*data, "[1]/election_events/event[1]/type")->SetText("General");
    Unit(*data, "[1]/election_events/event[2]/type")->SetText("vote");
    TXmlNode* events = Unit(*data, "[2]/election_events");
    while (events->ChildCount() > 0)
        events->RemoveChild(events->GetChildAt(0));

    EXPECT_FALSE(VerifyParties(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{R1 + " >> party_with_existing_majority >> Reference not found: party ",
                     R1 + " >> party_with_governor >> Critical Error: Node missing.",
                     R1 + " >> Election Events >> type >> Invalid Election Event Type.",
                     R2 + " >> election_events >> No events defined."}));
}

TEST_F(RegionElection, EventDetailsOnlyWhileThePassIsClean) {
    auto data = Load(TDocuments{}, Folder);
    Unit(*data, "[1]/election_events/event[1]/seat/number")->SetText("3.5");
    Unit(*data, "[1]/election_events/event[2]/date")->SetText("02/30/2008");
    Unit(*data, "[1]/election_events/event[3]/open_closed")->SetText("");
    // After the first problem only types, ballots and parties are looked at.
    Unit(*data, "[2]/election_events/event[1]/date")->SetText("soon");
    Unit(*data, "[2]/election_events/event[3]/type")->SetText("");

    EXPECT_FALSE(VerifyParties(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{R1 + " >> Election Events >> General Election >> Seats >> number >> Invalid "
                          "number value.",
                     R2 + " >> Election Events >> type >> Data required.",
                     R2 + " >> Election Events >> type >> Invalid Election Event Type."}));

    // With a clean pass the primary's section names its party; the
    // problems after it wait for the next run.
    Unit(*data, "[1]/election_events/event[1]/seat/number")->SetText("3");
    Unit(*data, "[2]/election_events/event[3]/type")->SetText("caucus");
    data->Messages().clear();
    EXPECT_FALSE(VerifyParties(*data));
    EXPECT_EQ(MessageTexts(*data),
              Texts{R1 + " >> Election Events >> Alpha >> date >> Invalid date value."});
    Unit(*data, "[1]/election_events/event[2]/date")->SetText("02/29/2008");
    data->Messages().clear();
    EXPECT_FALSE(VerifyParties(*data));
    EXPECT_EQ(MessageTexts(*data),
              Texts{R1 + " >> Election Events >> Beta >> open_closed >> Data required."});
}

TEST_F(RegionElection, PrimariesWithoutPartyAreRemovedThoseOfNoPartyKept) {
    auto data = Load(TDocuments{}, Folder);
    Unit(*data, "[1]/election_events/event[2]/party")->SetAttribute("id", "-1");
    TXmlNode* event = Unit(*data, "[1]/election_events/event[3]");
    event->RemoveChild(event->GetChild("party"));
    Unit(*data, "[1]/election_events/event[4]/party")
        ->RemoveAttribute(Unit(*data, "[1]/election_events/event[4]/party")->GetAttribute("id"));

    EXPECT_TRUE(VerifyParties(*data));
    EXPECT_EQ(MessageTexts(*data), Texts{});
    EXPECT_EQ(Ids(Unit(*data, "[1]/election_events"), "party"),
              (std::vector<std::string>{"?", "-1"}));
    EXPECT_TRUE(data->Changed());
}

TEST_F(RegionElection, PrimariesDebates) {
    TDocuments d;
    d.Scenario = R"(<scenario><debates><primaries><party><debate></debate></party>)"
                 R"(<party id="-1"><debate><date>3/1/2008</date><language></language>)"
                 "<percent_to_qualify>2,5,1</percent_to_qualify></debate></party>"
                 R"(<party id="gone"></party><party id="p2"><debate><date>03/33/2008</date>)"
                 "<language>English</language></debate></party></primaries></debates>"
                 "</scenario>";
    auto data = Load(d, Folder);
    EXPECT_FALSE(VerifyParties(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Parties >> language >> Data required.",
                     "Parties >> percent_to_qualify >> Invalid decimal number.",
                     "Parties >> date >> Invalid date value.",
                     "Parties >> percent_to_qualify >> Critical Error: Node missing."}));
    EXPECT_EQ(Ids(At(*data, TScenarioFile::Scenario, "/scenario/debates/primaries")),
              (std::vector<std::string>{"-1", "p2"}));
}

TEST_F(RegionElection, NoDebatesListIsFine) {
    TDocuments d;
    d.Scenario = "<scenario><debates></debates></scenario>";
    auto data = Load(d, Folder);
    EXPECT_TRUE(VerifyParties(*data));
    EXPECT_FALSE(data->Changed());
}

} // namespace

// The same repairs end to end: the command verifies a case's scenario and
// writes what it repaired.
namespace {

TEST(RegionElectionWritten, RepairsOfAGonePartyReachTheFiles) {
    TTemporaryFolder folder;
    std::string reason;
    if (!VerifyCases::Prepare("parties-stale-references", folder, reason))
        GTEST_SKIP() << reason;
    std::string output;
    EXPECT_EQ(VerifyCases::RunProgram(VERIFY_COMMAND, {"--write", folder.Str()}, output), 1);

    TScenarioData data;
    std::string path = folder.Str();
    data.Load(path);
    for (TScenarioFile file : {TScenarioFile::PoliticalUnits, TScenarioFile::Scenario}) {
        EXPECT_EQ(data.Root(file)->FindNode("", "id", "gone"), nullptr);
        EXPECT_EQ(data.Root(file)->FindNode("", "id", "gone_too"), nullptr);
    }
    const std::string region = "/political_units/political_unit/political_units/political_unit";
    EXPECT_EQ(
        At(data, TScenarioFile::PoliticalUnits, region + "[1]/election_events/event[1]/ballot")
            ->ChildCount(),
        2);
    EXPECT_EQ(At(data, TScenarioFile::PoliticalUnits, region + "[3]/election_events")->ChildCount(),
              3);
    EXPECT_EQ(At(data, TScenarioFile::Scenario, "/scenario/debates/primaries")->ChildCount(), 1);
    EXPECT_EQ(At(data, TScenarioFile::Percentages,
                 "/percentages/political_units/political_unit[1]/parties")
                  ->ChildCount(),
              2);
    EXPECT_NE(At(data, TScenarioFile::Relations, "/relations/leaders"), nullptr);
    EXPECT_EQ(At(data, TScenarioFile::Parties,
                 "/parties/party[1]/viceleaders/viceleader[1]/percentage_bonuses/political_unit")
                  ->AttributeValue("id"),
              At(data, TScenarioFile::Parties,
                 "/parties/party[1]/viceleaders/viceleader[1]/home_political_unit")
                  ->AttributeValue("id"));

    // Nothing is left to repair, and the emptied ballot is still reported.
    EXPECT_FALSE(VerifyParties(data));
    EXPECT_FALSE(data.Changed());
    EXPECT_EQ(MessageTexts(data),
              Texts{"Parties >> RegionInfo >> Aubrel >> Election Events >> ballot >> "
                    "Insufficient parties on ballot"});
}

} // namespace
