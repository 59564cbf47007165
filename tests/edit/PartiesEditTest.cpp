// New, removed and reordered parties with their entries in other documents.
#include "scenario/edit/PartiesEdit.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/PercentagesEdit.h"
#include "scenario/edit/RelationsEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "scenario/verify/VerificationRun.h"
#include "support/ScenarioFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using TestScenario::At;
using TestScenario::MessageTexts;
using TestScenario::TextAt;
using Texts = std::vector<std::string>;

namespace {

class PartiesEditTest : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = TestScenario::LoadCopy("parties-small", Folder);
};

TEST_F(PartiesEditTest, NewPartyIsCompleteWithItsDependentEntries) {
    Data->SetChanged(false);
    TXmlNode* party = PartiesEdit::NewParty(*Data);
    ASSERT_NE(party, nullptr);
    EXPECT_EQ(Data->Parties()->ChildCount(), 4);
    EXPECT_EQ(Data->Parties()->GetChildAt(3), party);
    EXPECT_TRUE(Data->Changed());
    const std::string id = party->AttributeValue("id");
    ASSERT_FALSE(id.empty());

    // Attribute issues have no place in the platform.
    const TXmlNode* platform = party->GetChild("platform");
    ASSERT_EQ(platform->ChildCount(), 1);
    EXPECT_EQ(platform->GetChildAt(0)->AttributeValue("id"), "i1");
    EXPECT_EQ(platform->GetChildAt(0)->GetText(), "Center");

    const TXmlNode* regions = PartiesEdit::RegionList(*Data);
    for (int32_t r = 0; r < regions->ChildCount(); ++r) {
        const TXmlNode* events = regions->GetChildAt(r)->GetChild("election_events");
        // The event itself is RegionElectionEdit's.
        const TXmlNode* event = events->GetChildAt(events->ChildCount() - 1);
        EXPECT_EQ(TextAt(event, "type"), "Primary");
        EXPECT_EQ(event->GetChild("party")->AttributeValue("id"), id);
    }
    for (const char* unit : {"[1]", "[2]"}) {
        const TXmlNode* entry = At(*Data, TScenarioFile::Percentages,
                                   std::string("/percentages/political_units/political_unit") +
                                       unit + "/parties/party[4]");
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->AttributeValue("id"), id);
        EXPECT_EQ(TextAt(entry, "general_election/alienated"), "-1");
        EXPECT_EQ(TextAt(entry, "general_election/committed"), "0");
        EXPECT_EQ(TextAt(entry, "primaries/starting_percentage"), "0");
        EXPECT_EQ(entry->GetChild("primaries")->GetChild("leaders")->ChildCount(), 0);
    }
}

TEST_F(PartiesEditTest, FreshPartyReportsWhatTheDesignerMustFillIn) {
    PartiesEdit::NewParty(*Data);
    EXPECT_FALSE(VerifyParties(*Data));
    const std::string p = "Parties >> New Party";
    EXPECT_EQ(
        MessageTexts(*Data),
        (Texts{p + " >> abbreviation >> Data required.", p + " >> picture >> Data required.",
               p + " >> Convention >> political_unit >> Reference not found: political_unit -1",
               p + " >> Convention >> location >> Data required.",
               p + " >> viceleaders >> Need at least one Vice-Presidential Candidate defined.",
               p + " >> leaders >> Party needs at least one leader."}));
}

TEST_F(PartiesEditTest, RemovePartyTakesEverythingThatNamesIt) {
    // The nation's own general-election ballot names parties too.
    TXmlNode* nation = Data->PoliticalUnits()->GetChildAt(0);
    TXmlNode* ballot =
        nation->AddNewChild("election_events")->AddNewChild("event")->AddNewChild("ballot");
    ballot->AddNewChild("party")->SetAttribute("id", "p2");
    ballot->AddNewChild("party")->SetAttribute("id", "p1");
    TXmlNode* beta = At(*Data, TScenarioFile::Parties, "/parties/party[2]");
    // That nothing else names it is the references test's (on the sample).
    PartiesEdit::RemoveParty(*Data, beta);
    EXPECT_EQ(Data->Parties()->ChildCount(), 2);
    // Its caucus events and ballot place go; the region it held has no
    // majority any more, the region that was a tie keeps it.
    ASSERT_EQ(ballot->ChildCount(), 1);
    const std::string regions = "/political_units/political_unit/political_units/political_unit";
    EXPECT_EQ(
        At(*Data, TScenarioFile::PoliticalUnits, regions + "[1]/election_events")->ChildCount(), 3);
    EXPECT_EQ(At(*Data, TScenarioFile::PoliticalUnits, regions + "[1]/party_with_existing_majority")
                  ->AttributeValue("id"),
              "tie");
    EXPECT_EQ(At(*Data, TScenarioFile::PoliticalUnits, regions + "[2]/party_with_existing_majority")
                  ->AttributeValue("id"),
              "-1");

    // What is left verifies without a repair to make.
    Data->Messages().clear();
    EXPECT_TRUE(VerifyParties(*Data)) << testing::PrintToString(MessageTexts(*Data));
}

TEST_F(PartiesEditTest, RemovePartyFreesGovernorshipsAndDebates) {
    TXmlNode* alpha = At(*Data, TScenarioFile::Parties, "/parties/party[1]");
    PartiesEdit::RemoveParty(*Data, alpha);
    const std::string regions = "/political_units/political_unit/political_units/political_unit";
    for (const char* region : {"[1]", "[2]"}) {
        const TXmlNode* governor =
            At(*Data, TScenarioFile::PoliticalUnits, regions + region + "/party_with_governor");
        ASSERT_NE(governor->GetAttribute("id"), nullptr);
        EXPECT_EQ(governor->AttributeValue("id"), "");
    }
    // The sample's removed party has no primaries debates to take.
    const TXmlNode* primaries = At(*Data, TScenarioFile::Scenario, "/scenario/debates/primaries");
    ASSERT_EQ(primaries->ChildCount(), 1);
    EXPECT_EQ(primaries->GetChildAt(0)->AttributeValue("id"), "p3");
}

TEST_F(PartiesEditTest, NewThenRemovedPartyLeavesTheSampleAsItWas) {
    TTemporaryFolder scratch;
    auto sample = TestScenario::LoadCopy(Sample, scratch);
    const std::vector<std::string> before = TestScenario::DocumentTexts(*sample);
    TXmlNode* party = PartiesEdit::NewParty(*sample);
    PartiesEdit::PrimariesDebates(*sample, party);
    PartiesEdit::AddAdCredit(*sample, party, sample->Ads()->GetChildAt(0)->AttributeValue("id"));
    PartiesEdit::RemoveParty(*sample, party);
    EXPECT_EQ(TestScenario::DocumentTexts(*sample), before);
}

TEST_F(PartiesEditTest, AdCreditsSplitAddAndRemove) {
    TXmlNode* alpha = At(*Data, TScenarioFile::Parties, "/parties/party[1]");
    Data->Ads()->AddNewChild("ad", "")->SetAttribute("id", "a2");
    Data->Ads()->GetChildAt(1)->AddNewChild("name", "Dusk");
    // Alpha credits a1 and the unknown "-1": a1 and "-1" selected, a2 free.
    auto names = [](const std::vector<PartiesEdit::TAdItem>& items) {
        std::string s;
        for (const auto& item : items)
            s += item.Name + (item.Ad ? "" : "?") + ";";
        return s;
    };
    auto lists = PartiesEdit::AdCreditLists(*Data, alpha);
    EXPECT_EQ(names(lists.Available), "Dusk;");
    EXPECT_EQ(names(lists.Selected), "Sunrise;-1?;");

    Data->SetChanged(false);
    TXmlNode* credit = PartiesEdit::AddAdCredit(*Data, alpha, "a2");
    ASSERT_NE(credit, nullptr);
    EXPECT_EQ(credit->GetChild("credits")->GetText(), "1");
    EXPECT_TRUE(Data->Changed());
    EXPECT_EQ(PartiesEdit::AddAdCredit(*Data, alpha, "a2"), credit);
    lists = PartiesEdit::AdCreditLists(*Data, alpha);
    EXPECT_EQ(names(lists.Available), "");
    EXPECT_EQ(names(lists.Selected), "Sunrise;Dusk;-1?;");

    PartiesEdit::RemoveAdCredit(*Data, alpha, "-1");
    PartiesEdit::RemoveAdCredit(*Data, alpha, "a2");
    lists = PartiesEdit::AdCreditLists(*Data, alpha);
    EXPECT_EQ(names(lists.Available), "Dusk;");
    EXPECT_EQ(names(lists.Selected), "Sunrise;");
    EXPECT_EQ(TextAt(alpha, "advertising/ad_credits/ad/credits"), "4");

    // A party without the group gets it from its first credit.
    alpha->RemoveChild(alpha->GetChild("advertising"));
    ASSERT_NE(PartiesEdit::AddAdCredit(*Data, alpha, "a1"), nullptr);
    EXPECT_EQ(TextAt(alpha, "advertising/ad_credits/ad/credits"), "1");
}

TEST_F(PartiesEditTest, PictureNameConventionAndChooser) {
    TXmlNode* gamma = At(*Data, TScenarioFile::Parties, "/parties/party[3]");
    EXPECT_EQ(PartiesEdit::EnsurePictureName(*Data, gamma), "p3.bmp");
    gamma->GetChild("picture")->SetText("");
    EXPECT_EQ(PartiesEdit::EnsurePictureName(*Data, gamma), "p3.bmp");
    EXPECT_EQ(TextAt(gamma, "picture"), "p3.bmp");
    gamma->GetChild("picture")->SetText("own.bmp");
    EXPECT_EQ(PartiesEdit::EnsurePictureName(*Data, gamma), "own.bmp");

    PartiesEdit::SetConventionRegion(*Data, gamma, "r1");
    EXPECT_EQ(gamma->GetChild("convention")->GetChild("political_unit")->AttributeValue("id"),
              "r1");

    const auto others = PartiesEdit::OtherParties(*Data, gamma);
    ASSERT_EQ(others.size(), 2u);
    EXPECT_EQ(others[0]->AttributeValue("id"), "p1");
    EXPECT_EQ(others[1]->AttributeValue("id"), "p2");
    EXPECT_EQ(PartiesEdit::OtherParties(*Data, nullptr).size(), 3u);
}

TEST_F(PartiesEditTest, PrimariesDebatesMakesTheGroupAndTheEntry) {
    TXmlNode* beta = At(*Data, TScenarioFile::Parties, "/parties/party[2]");
    TXmlNode* debates = Data->Scenario()->GetChild("debates");
    debates->RemoveChild(debates->GetChild("primaries"));
    TXmlNode* list = PartiesEdit::PrimariesDebates(*Data, beta);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->AttributeValue("id"), "p2");
    EXPECT_EQ(list->Parent(), debates->GetChild("primaries"));
    EXPECT_EQ(PartiesEdit::PrimariesDebates(*Data, beta), list);
}

TEST_F(PartiesEditTest, PlatformRowsFollowTheIssuesAndWritePositionNames) {
    TXmlNode* issues = Data->Issues();
    TXmlNode* positions = issues->GetChildAt(0)->AddNewChild("positions");
    for (const char* name : {"FL", "L", "CL", "C", "CR", "R", "FR"}) {
        TXmlNode* position = positions->AddNewChild("position");
        position->AddNewChild("name", name);
        position->AddNewChild("description", std::string("about ") + name);
    }
    TXmlNode* platform = At(*Data, TScenarioFile::Parties, "/parties/party[1]/platform");
    // An entry for an issue that is gone has no row; i2 has "-1".
    platform->AddNewChild("issue", "Left")->SetAttribute("id", "gone");
    const auto rows = PartiesEdit::PlatformRows(*Data, platform);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Entry->AttributeValue("id"), "i1");
    EXPECT_EQ(PartiesEdit::PlatformPosition(rows[0].Entry), 3);
    EXPECT_EQ(PartiesEdit::PlatformPosition(rows[1].Entry), 0);
    EXPECT_EQ(PartiesEdit::PositionDescription(rows[0].Issue, 5), "CR - about CR");
    EXPECT_EQ(PartiesEdit::PositionDescription(rows[1].Issue, 5), "");

    // Each written by its name, which reads back as that position.
    for (int n = 1; n <= 7; ++n) {
        PartiesEdit::SetPlatformPosition(*Data, rows[1].Entry, n);
        EXPECT_EQ(rows[1].Entry->GetText(), ValueEncodings::PositionName(n));
        EXPECT_EQ(ValueEncodings::PositionValue(rows[1].Entry->GetText()), n);
    }
    PartiesEdit::SetPlatformPosition(*Data, rows[1].Entry, 8);
    EXPECT_EQ(rows[1].Entry->GetText(), "Far-Right");
}

TEST_F(PartiesEditTest, MoveChildExchangesNeighboursButNotPastTheEnds) {
    TXmlNode* root = Data->Parties();
    EXPECT_EQ(PartiesEdit::MoveChild(root, 0, -1), 0);
    EXPECT_EQ(PartiesEdit::MoveChild(root, 2, +1), 2);
    EXPECT_EQ(TestScenario::ChildIds(root), (Texts{"p1", "p2", "p3"}));
    EXPECT_EQ(PartiesEdit::MoveChild(root, 0, +1), 1);
    EXPECT_EQ(TestScenario::ChildIds(root), (Texts{"p2", "p1", "p3"}));
    EXPECT_EQ(PartiesEdit::MoveChild(root, 2, -1), 1);
    EXPECT_EQ(TestScenario::ChildIds(root), (Texts{"p2", "p3", "p1"}));
    EXPECT_EQ(PartiesEdit::MoveChild(root, 7, -1), 7);
}

} // namespace

namespace {

// A party made from scratch in the sample with the operations the party
// and candidate editors call verifies clean, and so does the whole scenario.
TEST(PartiesEditSampleTest, PartyFromScratchVerifiesClean) {
    TTemporaryFolder scratch;
    auto data = TestScenario::LoadCopy(Sample, scratch);
    ASSERT_TRUE(data->Loaded());
    TXmlNode* party = PartiesEdit::NewParty(*data);
    party->GetChild("name")->SetText("Harbour Front");
    party->GetChild("abbreviation")->SetText("HF");
    const std::string picture = PartiesEdit::EnsurePictureName(*data, party);
    std::filesystem::copy_file(scratch.Path() / "party_images" / "civic_union.bmp",
                               scratch.Path() / "party_images" / picture);
    PartiesEdit::SetConventionRegion(*data, party, PartiesEdit::FirstRegionId(*data));
    party->GetChild("convention")->GetChild("location")->SetText("Eastgate");
    PartiesEdit::AddAdCredit(*data, party, data->Ads()->GetChildAt(1)->AttributeValue("id"));
    for (const auto& row : PartiesEdit::PlatformRows(*data, party->GetChild("platform")))
        PartiesEdit::SetPlatformPosition(*data, row.Entry, 2);

    // Candidates copied from another party, as "Copy To..." makes them.
    TXmlNode* other = data->Parties()->GetChildAt(0);
    TXmlNode* mate =
        CandidatesEdit::CopyViceLeader(*data, other->GetChild("viceleaders")->GetChildAt(0), party);
    TXmlNode* leader =
        CandidatesEdit::CopyLeaderTo(*data, other->GetChild("leaders")->GetChildAt(0), party);
    TXmlNode* mates = leader->GetChild("viceleaders");
    while (mates->ChildCount() > 0)
        mates->RemoveChild(mates->GetChildAt(0));
    CandidatesEdit::AddRunningMate(*data, leader, mate->AttributeValue("id"));

    PercentagesEdit::SetShare(
        {PercentagesEdit::EntriesOf(*data, party->AttributeValue("id"))[0].Entry}, true,
        PercentagesEdit::TShare::Committed, "40");
    RelationsEdit::AddRelation(*data, leader->AttributeValue("id"),
                               other->GetChild("leaders")->GetChildAt(0)->AttributeValue("id"),
                               "Good");

    EXPECT_FALSE(VerificationRun::Run(data.get(), true).ProblemsExist);
    EXPECT_EQ(MessageTexts(*data), Texts{});
    // Every element it made has a name the writer accepts.
    EXPECT_NO_THROW(data->Save());
}

} // namespace
