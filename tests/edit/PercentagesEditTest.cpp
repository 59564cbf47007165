// The percentages editor's view of percentages.xml: one party's or leader's
// entries by region, and a value written into several regions at once.
#include "scenario/edit/PercentagesEdit.h"
#include "support/ScenarioFixture.h"

#include <gtest/gtest.h>

using PercentagesEdit::TShare;

namespace {

class PercentagesEditTest : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = TestScenario::LoadCopy("parties-small", Folder);

    std::vector<TXmlNode*> Entries(const std::string& id) {
        std::vector<TXmlNode*> entries;
        for (const auto& e : PercentagesEdit::EntriesOf(*Data, id))
            entries.push_back(e.Entry);
        return entries;
    }
};

TEST_F(PercentagesEditTest, EntriesOfAPartyAndOfALeaderByRegion) {
    const auto party = PercentagesEdit::EntriesOf(*Data, "p2");
    ASSERT_EQ(party.size(), 2u);
    EXPECT_EQ(party[0].RegionName, "Northmark");
    EXPECT_EQ(party[1].RegionName, "Southdale");
    EXPECT_EQ(party[0].Entry->Name, "party");
    const auto leader = PercentagesEdit::EntriesOf(*Data, "l3");
    ASSERT_EQ(leader.size(), 2u);
    EXPECT_EQ(leader[1].Entry->Name, "leader");
    EXPECT_TRUE(PercentagesEdit::EntriesOf(*Data, "nobody").empty());
}

TEST_F(PercentagesEditTest, SharesOfPartiesAndLeaders) {
    const auto parties = Entries("p1");
    PercentagesEdit::SetShare(parties, true, TShare::Committed, "40");
    PercentagesEdit::SetShare(parties, true, TShare::PrimariesStart, "12");
    for (TXmlNode* entry : parties) {
        EXPECT_EQ(entry->GetChild("general_election")->GetChild("committed")->GetText(), "40");
        EXPECT_EQ(entry->GetChild("primaries")->GetChild("starting_percentage")->GetText(), "12");
        EXPECT_EQ(entry->GetChild("general_election")->GetChild("starting_percentage")->GetText(),
                  "30");
    }
    const auto leaders = Entries("l1");
    EXPECT_EQ(PercentagesEdit::ShareElement(leaders[0], false, TShare::GeneralStart), nullptr);
    PercentagesEdit::SetShare(leaders, false, TShare::GeneralStart, "99");
    PercentagesEdit::SetShare({leaders[1]}, false, TShare::Alienated, "7");
    EXPECT_EQ(leaders[0]->GetChild("alienated")->GetText(), "-1");
    EXPECT_EQ(leaders[1]->GetChild("alienated")->GetText(), "7");
    EXPECT_EQ(leaders[1]->GetChild("starting_percentage")->GetText(), "30");
}

TEST_F(PercentagesEditTest, CaptionNamesThePartyOrTheLeader) {
    TXmlNode* beta = Data->Parties()->GetChildAt(1);
    TXmlNode* bob = beta->GetChild("leaders")->GetChildAt(0);
    EXPECT_TRUE(PercentagesEdit::IsParty(*Data, beta));
    EXPECT_FALSE(PercentagesEdit::IsParty(*Data, bob));
    EXPECT_FALSE(PercentagesEdit::IsParty(*Data, nullptr));
    EXPECT_EQ(PercentagesEdit::OwnerCaption(*Data, beta),
              " Starting Percentages For The Beta Party ");
    EXPECT_EQ(PercentagesEdit::OwnerCaption(*Data, bob), " Starting Percentages For Bob Hale");
}

} // namespace
