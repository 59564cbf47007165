// A party's primary event, ballot place, governorship and majority in the
// regions.
#include "scenario/edit/RegionElectionEdit.h"
#include "scenario/edit/PartiesEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"

#include <gtest/gtest.h>

using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

class RegionElectionEditTest : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = TestScenario::LoadCopy("parties-small", Folder);

    TXmlNode* Region(int n) {
        return At(*Data, TScenarioFile::PoliticalUnits,
                  "/political_units/political_unit/political_units/political_unit[" +
                      std::to_string(n) + "]");
    }
    std::vector<TXmlNode*> BothRegions() { return {Region(1), Region(2)}; }
    std::string Ballot(int n) {
        std::string ids;
        const TXmlNode* ballot = RegionElectionEdit::GeneralEvent(Region(n))->GetChild("ballot");
        for (int32_t i = 0; i < ballot->ChildCount(); ++i)
            ids += ballot->GetChildAt(i)->AttributeValue("id") + " ";
        return ids;
    }
};

TEST_F(RegionElectionEditTest, PartyEventIsFoundCompletedOrCreated) {
    TXmlNode* events = Region(1)->GetChild("election_events");
    TXmlNode* event = RegionElectionEdit::PartyEvent(*Data, Region(1), "p2");
    EXPECT_EQ(event, events->GetChildAt(2));
    EXPECT_EQ(event->GetChild("profile_bonus")->GetText(), "0");
    EXPECT_EQ(event->GetChild("seat")->GetChild("cut_off")->GetText(), "0");
    // Found again, completed once.
    EXPECT_EQ(RegionElectionEdit::PartyEvent(*Data, Region(1), "p2"), event);
    EXPECT_EQ(event->ChildCount(), 7);

    TXmlNode* created = RegionElectionEdit::PartyEvent(*Data, Region(1), "p9");
    EXPECT_EQ(events->ChildCount(), 5);
    // As a new party's primaries are made.
    EXPECT_EQ(TestScenario::Shape(created),
              "type=Primary|open_closed=open|party=|date=" + PartiesEdit::TodayText() +
                  "|ballot=|seat=|profile_bonus=0");
    EXPECT_EQ(created->GetChild("party")->AttributeValue("id"), "p9");
    EXPECT_EQ(created->GetChild("ballot")->ChildCount(), 0);
    EXPECT_EQ(TestScenario::Shape(created->GetChild("seat")), "type=FPP|number=0|cut_off=0");

    // A region without an event list gets one.
    Region(2)->RemoveChild(Region(2)->GetChild("election_events"));
    EXPECT_NE(RegionElectionEdit::PartyEvent(*Data, Region(2), "p1"), nullptr);
    EXPECT_EQ(Region(2)->GetChild("election_events")->ChildCount(), 1);
    EXPECT_EQ(RegionElectionEdit::PartyEvent(*Data, nullptr, "p1"), nullptr);
}

TEST_F(RegionElectionEditTest, TypeEntriesReadAndWriteTypeAndForm) {
    TXmlNode* event = RegionElectionEdit::PartyEvent(*Data, Region(1), "p1");
    EXPECT_EQ(RegionElectionEdit::EventTypeEntry(event), "Open Primary");
    event->GetChild("open_closed")->SetText("CLOSED");
    EXPECT_EQ(RegionElectionEdit::EventTypeEntry(event), "Closed Primary");
    // A caucus shows as such, whatever its form.
    event->GetChild("type")->SetText("caucus");
    event->GetChild("open_closed")->SetText("open");
    EXPECT_EQ(RegionElectionEdit::EventTypeEntry(event), "Caucus");
    event->GetChild("type")->SetText("ballot");
    EXPECT_EQ(RegionElectionEdit::EventTypeEntry(event), "");

    const std::pair<const char*, const char*> writes[] = {{"Caucus", "closed caucus"},
                                                          {"Open Primary", "open primary"},
                                                          {"Closed Primary", "closed primary"},
                                                          {"Other", "closed primary"}};
    for (const auto& [entry, written] : writes) {
        RegionElectionEdit::SetEventType(*Data, event, entry);
        EXPECT_EQ(event->GetChild("open_closed")->GetText() + " " +
                      event->GetChild("type")->GetText(),
                  written)
            << entry;
    }
}

TEST_F(RegionElectionEditTest, BallotPlaceIsAddedOnceAndRemoved) {
    EXPECT_EQ(Ballot(2), "p3 ");
    for (int round = 0; round < 2; ++round)
        EXPECT_TRUE(RegionElectionEdit::SetOnBallot(*Data, BothRegions(), "p1", true).empty());
    EXPECT_EQ(Ballot(1), "p1 p2 p3 ");
    EXPECT_EQ(Ballot(2), "p3 p1 ");
    EXPECT_TRUE(RegionElectionEdit::OnBallot(Region(2), "p1"));
    RegionElectionEdit::SetOnBallot(*Data, BothRegions(), "p3", false);
    EXPECT_EQ(Ballot(1), "p1 p2 ");
    EXPECT_EQ(Ballot(2), "p1 ");
    EXPECT_FALSE(RegionElectionEdit::OnBallot(Region(1), "p3"));

    // A region without a general event is skipped and named.
    TXmlNode* events = Region(2)->GetChild("election_events");
    events->RemoveChild(RegionElectionEdit::GeneralEvent(Region(2)));
    EXPECT_EQ(RegionElectionEdit::SetOnBallot(*Data, BothRegions(), "p3", true),
              std::vector<TXmlNode*>{Region(2)});
    EXPECT_EQ(Ballot(1), "p1 p2 p3 ");
    EXPECT_EQ(events->ChildCount(), 3);
}

TEST_F(RegionElectionEditTest, GovernorEmptiesAndMajorityBecomesNone) {
    RegionElectionEdit::SetGovernor(*Data, {Region(2)}, "p2", true);
    RegionElectionEdit::SetMajority(*Data, {Region(1)}, "p3", true);
    EXPECT_TRUE(RegionElectionEdit::HasGovernor(Region(2), "p2"));
    EXPECT_TRUE(RegionElectionEdit::HasGovernor(Region(1), "p1"));
    EXPECT_TRUE(RegionElectionEdit::HasMajority(Region(1), "p3"));

    // Clearing clears whichever party held it.
    RegionElectionEdit::SetGovernor(*Data, BothRegions(), "p2", false);
    RegionElectionEdit::SetMajority(*Data, BothRegions(), "p3", false);
    for (int n : {1, 2}) {
        EXPECT_EQ(Region(n)->GetChild("party_with_governor")->AttributeValue("id", "?"), "");
        EXPECT_EQ(Region(n)->GetChild("party_with_existing_majority")->AttributeValue("id"), "-1");
    }
    // No holder is a clean state for the verification.
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data), Texts{});
}

} // namespace
