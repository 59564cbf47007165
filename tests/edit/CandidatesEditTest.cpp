// Candidate templates, copies and removals with their portraits and their
// entries in percentages.xml.
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/PercentagesEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"

#include <gtest/gtest.h>

#include <fstream>

using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

class CandidatesEditTest : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = TestScenario::LoadCopy("parties-small", Folder);

    TXmlNode* Party(int n) {
        return At(*Data, TScenarioFile::Parties, "/parties/party[" + std::to_string(n) + "]");
    }
    // The ids of the leader entries of a party in each unit, "|" between units.
    std::string LeaderEntries(const std::string& partyId) {
        std::string s;
        for (TXmlNode* unit : PercentagesEdit::UnitEntries(*Data)) {
            const TXmlNode* entry = unit->GetChild("parties")->FindChild("party", "id", partyId);
            const TXmlNode* leaders = entry->GetChild("primaries")->GetChild("leaders");
            for (int32_t i = 0; i < leaders->ChildCount(); ++i)
                s += leaders->GetChildAt(i)->AttributeValue("id") + " ";
            s += "|";
        }
        return s;
    }
    std::string Portrait(const std::string& name) {
        return TestScenario::ReadFile(Folder.Path() / "party_images" / "candidates" / name);
    }
};

TEST_F(CandidatesEditTest, NewLeaderWithItsPercentagesEntries) {
    TXmlNode* leader = CandidatesEdit::NewLeader(*Data, Party(2));
    ASSERT_NE(leader, nullptr);
    const std::string id = leader->AttributeValue("id");
    EXPECT_EQ(Party(2)->GetChild("leaders")->ChildCount(), 2);
    EXPECT_EQ(leader->GetChild("image_large")->GetText(), id + "_large.bmp");
    EXPECT_EQ(leader->GetChild("image_small")->GetText(), id + "_small.bmp");
    // Only position issues, in lower case.
    const TXmlNode* platform = leader->GetChild("platform");
    ASSERT_EQ(platform->ChildCount(), 1);
    EXPECT_EQ(platform->GetChildAt(0)->GetText(), "center");
    EXPECT_EQ(LeaderEntries("p2"), "l2 " + id + " |l2 " + id + " |");
    EXPECT_EQ(
        TestScenario::Shape(PercentagesEdit::UnitEntries(*Data)[0]->FindNode("leader", "id", id)),
        "starting_percentage=0|committed=0|leaning=0|undecided=0|alienated=-1");
}

TEST_F(CandidatesEditTest, FreshCandidatesReportWhatIsStillMissing) {
    TXmlNode* party = Party(1);
    TXmlNode* viceLeader = CandidatesEdit::NewViceLeader(*Data, party);
    EXPECT_EQ(viceLeader->GetChild("home_political_unit")->AttributeValue("id"), "r1");
    TXmlNode* leader = CandidatesEdit::NewLeader(*Data, party);
    TXmlNode* crusader = CandidatesEdit::NewCrusader(*Data, leader);
    EXPECT_EQ(crusader->AttributeValue("id"), "new_crusader");
    EXPECT_FALSE(VerifyParties(*Data));
    const std::string l = "Parties >> Alpha >> Leaders >>  New Leader";
    const std::string folder = Folder.Str() + "party_images/candidates/";
    const std::string id = leader->AttributeValue("id");
    EXPECT_EQ(MessageTexts(*Data),
              (Texts{l + " >> image_large >> " + folder + id + "_large.bmp does not exist.",
                     l + " >> image_small >> " + folder + id + "_small.bmp does not exist.",
                     l + " >> viceleaders >> Leader needs minimum of one Vice-Leader"}));
    // With a running mate and its portraits, nothing is missing.
    CandidatesEdit::AddRunningMate(*Data, leader, viceLeader->AttributeValue("id"));
    for (const char* suffix : {"_large.bmp", "_small.bmp"})
        std::ofstream(Folder.Path() / "party_images" / "candidates" / (id + suffix)) << "BM";
    Data->Messages().clear();
    EXPECT_TRUE(VerifyParties(*Data)) << testing::PrintToString(MessageTexts(*Data));
}

TEST_F(CandidatesEditTest, CopyLeaderCopiesPortraitsAndEntries) {
    std::ofstream(Folder.Path() / "party_images" / "candidates" / "l1_large.bmp") << "BIG";
    fs::remove(Folder.Path() / "party_images" / "candidates" / "l1_small.bmp");
    TXmlNode* source = At(*Data, TScenarioFile::Parties, "/parties/party[1]/leaders/leader");
    source->GetChild("title")->SetText("Mayor");

    TXmlNode* copy = CandidatesEdit::CopyLeader(*Data, source);
    ASSERT_NE(copy, nullptr);
    const std::string id = copy->AttributeValue("id");
    EXPECT_NE(id, "l1");
    EXPECT_EQ(Party(1)->GetChild("leaders")->ChildCount(), 2);
    EXPECT_EQ(copy->GetChild("title")->GetText(), "Mayor");
    EXPECT_EQ(copy->GetChild("image_large")->GetText(), id + "_large.bmp");
    EXPECT_EQ(copy->GetChild("image_small")->GetText(), id + "_small.bmp");
    EXPECT_EQ(Portrait(id + "_large.bmp"), "BIG");
    // A missing source portrait is skipped.
    EXPECT_FALSE(fs::exists(Folder.Path() / "party_images" / "candidates" / (id + "_small.bmp")));
    EXPECT_EQ(LeaderEntries("p1"), "l1 " + id + " |l1 " + id + " |");
    const TXmlNode* entry = PercentagesEdit::UnitEntries(*Data)[1]->FindNode("leader", "id", id);
    EXPECT_EQ(entry->GetChild("starting_percentage")->GetText(), "30");
}

TEST_F(CandidatesEditTest, CopyLeaderToAnotherPartyKeepsOnlyItsPoolsRunningMates) {
    TXmlNode* source = At(*Data, TScenarioFile::Parties, "/parties/party[1]/leaders/leader");
    // v2 is in the target party's pool, v1 only in the source's.
    CandidatesEdit::AddRunningMate(*Data, source, "v2");
    TXmlNode* copy = CandidatesEdit::CopyLeaderTo(*Data, source, Party(2));
    const std::string id = copy->AttributeValue("id");
    EXPECT_EQ(Party(2)->GetChild("leaders")->ChildCount(), 2);
    EXPECT_EQ(copy->GetChild("image_large")->GetText(), "l1_large.bmp");
    EXPECT_EQ(LeaderEntries("p2"), "l2 " + id + " |l2 " + id + " |");
    EXPECT_EQ(LeaderEntries("p1"), "l1 |l1 |");
    const TXmlNode* mates = copy->GetChild("viceleaders");
    ASSERT_EQ(mates->ChildCount(), 1);
    EXPECT_EQ(mates->GetChildAt(0)->AttributeValue("id"), "v2");
    EXPECT_EQ(source->GetChild("viceleaders")->ChildCount(), 2);
    // Remove v2 from the source first: the copy is left without running
    // mates, and the verification says what to do.
    CandidatesEdit::RemoveRunningMate(*Data, source, "v2");
    CandidatesEdit::CopyLeaderTo(*Data, source, Party(3));
    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              Texts{"Parties >> Gamma >> Leaders >> Gov. Ann Reed >> viceleaders >> Leader "
                    "needs minimum of one Vice-Leader"});
}

TEST_F(CandidatesEditTest, RemovedCandidatesLeaveNoEntriesNamingThem) {
    TXmlNode* party = Party(1);
    TXmlNode* source =
        At(*Data, TScenarioFile::Parties, "/parties/party[1]/viceleaders/viceleader");
    TXmlNode* copy = CandidatesEdit::CopyViceLeader(*Data, source, Party(2));
    EXPECT_NE(copy->AttributeValue("id"), "v1");
    EXPECT_EQ(Party(2)->GetChild("viceleaders")->ChildCount(), 2);
    TXmlNode* second = CandidatesEdit::NewLeader(*Data, party);
    CandidatesEdit::AddRunningMate(*Data, second, "v1");
    CandidatesEdit::RemoveViceLeader(*Data, source);
    EXPECT_EQ(party->GetChild("viceleaders")->ChildCount(), 0);
    EXPECT_EQ(party->FindNode("viceleader", "id", "v1"), nullptr);
    // The copy in the other party is not touched.
    EXPECT_EQ(Party(2)->GetChild("viceleaders")->ChildCount(), 2);

    const std::string id = second->AttributeValue("id");
    CandidatesEdit::RemoveLeader(*Data, second);
    EXPECT_EQ(LeaderEntries("p1"), "l1 |l1 |");
    EXPECT_EQ(party->FindNode("leader", "id", id), nullptr);
}

TEST_F(CandidatesEditTest, CrusaderIsRemovedByElement) {
    TXmlNode* leader = At(*Data, TScenarioFile::Parties, "/parties/party[1]/leaders/leader");
    TXmlNode* second = CandidatesEdit::NewCrusader(*Data, leader);
    second->GetChild("first_name")->SetText("Dee");
    TXmlNode* third = CandidatesEdit::NewCrusader(*Data, leader);
    CandidatesEdit::RemoveCrusader(*Data, second);
    const TXmlNode* crusaders = leader->GetChild("crusaders");
    ASSERT_EQ(crusaders->ChildCount(), 2);
    EXPECT_EQ(crusaders->GetChildAt(0)->GetChild("first_name")->GetText(), "Cal");
    EXPECT_EQ(crusaders->GetChildAt(1), third);
    // Not a crusader: nothing happens.
    CandidatesEdit::RemoveCrusader(*Data, leader->GetChild("title"));
    EXPECT_NE(leader->GetChild("title"), nullptr);
}

TEST_F(CandidatesEditTest, LeadersMoveUpAndDown) {
    TXmlNode* second = CandidatesEdit::NewLeader(*Data, Party(1));
    // Not past the ends: PartiesEdit's MoveChild.
    EXPECT_EQ(CandidatesEdit::MoveLeader(*Data, second, -1), 0);
    EXPECT_EQ(Party(1)->GetChild("leaders")->GetChildAt(0), second);
    EXPECT_EQ(CandidatesEdit::MoveLeader(*Data, nullptr, 1), -1);
}

TEST_F(CandidatesEditTest, EmptyPortraitNamesGetTheirDefaults) {
    TXmlNode* leader = At(*Data, TScenarioFile::Parties, "/parties/party[2]/leaders/leader");
    leader->GetChild("image_small")->SetText("");
    leader->RemoveChild(leader->GetChild("image_large"));
    EXPECT_TRUE(CandidatesEdit::EnsurePortraitNames(*Data, leader));
    EXPECT_EQ(leader->GetChild("image_large")->GetText(), "l2_large.bmp");
    EXPECT_EQ(leader->GetChild("image_small")->GetText(), "l2_small.bmp");
    leader->GetChild("image_small")->SetText("own.bmp");
    EXPECT_FALSE(CandidatesEdit::EnsurePortraitNames(*Data, leader));
    EXPECT_EQ(leader->GetChild("image_small")->GetText(), "own.bmp");
}

TEST_F(CandidatesEditTest, RunningMatesSplitLooksOnlyInThePool) {
    TXmlNode* party = Party(1);
    TXmlNode* leader = At(*Data, TScenarioFile::Parties, "/parties/party[1]/leaders/leader");
    TXmlNode* v1 = CandidatesEdit::PoolViceLeader(party, "v1");
    ASSERT_NE(v1, nullptr);
    EXPECT_EQ(v1->Parent(), party->GetChild("viceleaders"));
    TXmlNode* other = CandidatesEdit::NewViceLeader(*Data, party);
    CandidatesEdit::AddRunningMate(*Data, leader, "gone");
    // The running-mate entry "v2" names another party's vice-leader.
    CandidatesEdit::AddRunningMate(*Data, leader, "v2");
    EXPECT_EQ(CandidatesEdit::PoolViceLeader(party, "gone"), nullptr);

    const auto split = CandidatesEdit::SplitRunningMates(party, leader);
    EXPECT_EQ(split.Available, std::vector<TXmlNode*>{other});
    ASSERT_EQ(split.Selected.size(), 3u);
    EXPECT_EQ(split.Selected[0].ViceLeader, v1);
    EXPECT_EQ(split.Selected[1].Id, "gone");
    EXPECT_EQ(split.Selected[1].ViceLeader, nullptr);
    EXPECT_EQ(split.Selected[2].Id, "v2");
    EXPECT_EQ(split.Selected[2].ViceLeader, nullptr);
    EXPECT_EQ(CandidatesEdit::CandidateName(v1), "Vic Mate");
    EXPECT_EQ(CandidatesEdit::PartyOf(*Data, v1), party);
    EXPECT_EQ(CandidatesEdit::PartyOf(*Data, leader), party);
    EXPECT_EQ(CandidatesEdit::PartyOf(*Data, leader->GetChild("viceleaders")->GetChildAt(0)),
              nullptr);
}

} // namespace

namespace {

TEST(CandidatesEditPortraitName, SuffixGoesBeforeTheExtensionOnce) {
    EXPECT_EQ(CandidatesEdit::PortraitName("mayor.bmp", "_large"), "mayor_large.bmp");
    EXPECT_EQ(CandidatesEdit::PortraitName("mayor_LaRgE.bmp", "_large"), "mayor_LaRgE.bmp");
    EXPECT_EQ(CandidatesEdit::PortraitName("mayor_large.bmp", "_small"), "mayor_large_small.bmp");
    EXPECT_EQ(CandidatesEdit::PortraitName("a.b", "_small"), "_smalla.b");
}

TEST_F(CandidatesEditTest, HomeRegionBonusesAndRunningMates) {
    TXmlNode* viceLeader =
        At(*Data, TScenarioFile::Parties, "/parties/party[1]/viceleaders/viceleader");
    CandidatesEdit::SetViceLeaderHome(*Data, viceLeader, "r2");
    EXPECT_EQ(viceLeader->GetChild("home_political_unit")->AttributeValue("id"), "r2");
    EXPECT_EQ(viceLeader->GetChild("percentage_bonuses")->GetChildAt(0)->AttributeValue("id"),
              "r2");

    TXmlNode* leader = At(*Data, TScenarioFile::Parties, "/parties/party[1]/leaders/leader");
    EXPECT_TRUE(CandidatesEdit::EnsureRegionBonuses(*Data, leader));
    const TXmlNode* bonuses = leader->GetChild("percentage_bonuses");
    ASSERT_EQ(bonuses->ChildCount(), 2);
    EXPECT_EQ(bonuses->GetChildAt(1)->AttributeValue("id"), "r2");
    EXPECT_EQ(bonuses->GetChildAt(1)->GetChild("bonus")->GetText(), "0");
    EXPECT_FALSE(CandidatesEdit::EnsureRegionBonuses(*Data, leader));
    EXPECT_EQ(bonuses->ChildCount(), 2);

    CandidatesEdit::AddRunningMate(*Data, leader, "v9");
    CandidatesEdit::AddRunningMate(*Data, leader, "v9");
    EXPECT_EQ(leader->GetChild("viceleaders")->ChildCount(), 2);
    CandidatesEdit::RemoveRunningMate(*Data, leader, "v1");
    ASSERT_EQ(leader->GetChild("viceleaders")->ChildCount(), 1);
    EXPECT_EQ(leader->GetChild("viceleaders")->GetChildAt(0)->AttributeValue("id"), "v9");
}

} // namespace
