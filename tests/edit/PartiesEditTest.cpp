// New, removed and reordered parties with their entries in other documents.
#include "scenario/edit/PartiesEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "verify/PartiesTestScenario.h"

#include <gtest/gtest.h>

using namespace PartiesTest;
using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

class PartiesEditTest : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = Load(TDocuments{}, Folder);

    static std::string Text(const TXmlNode* parent, const std::string& path) {
        const TXmlNode* n = parent;
        size_t start = 0;
        while (n && start <= path.size()) {
            const size_t slash = path.find('/', start);
            n = n->GetChild(path.substr(start, slash - start));
            if (slash == std::string::npos)
                break;
            start = slash + 1;
        }
        return n ? n->GetText() : "<missing>";
    }
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
    const std::string today = PartiesEdit::TodayText();

    // Attribute issues have no place in the platform.
    const TXmlNode* platform = party->GetChild("platform");
    ASSERT_EQ(platform->ChildCount(), 1);
    EXPECT_EQ(platform->GetChildAt(0)->AttributeValue("id"), "i1");
    EXPECT_EQ(platform->GetChildAt(0)->GetText(), "Center");

    const TXmlNode* regions = PartiesEdit::RegionList(*Data);
    for (int32_t r = 0; r < regions->ChildCount(); ++r) {
        const TXmlNode* events = regions->GetChildAt(r)->GetChild("election_events");
        const TXmlNode* event = events->GetChildAt(events->ChildCount() - 1);
        EXPECT_EQ(Text(event, "type"), "Primary");
        EXPECT_EQ(Text(event, "open_closed"), "open");
        EXPECT_EQ(event->GetChild("party")->AttributeValue("id"), id);
        EXPECT_EQ(Text(event, "date"), today);
        EXPECT_EQ(event->GetChild("ballot")->ChildCount(), 0);
        EXPECT_EQ(Text(event, "seat/type"), "FPP");
        EXPECT_EQ(Text(event, "seat/number"), "0");
    }
    for (const char* unit : {"[1]", "[2]"}) {
        const TXmlNode* entry = At(*Data, TScenarioFile::Percentages,
                                   std::string("/percentages/political_units/political_unit") +
                                       unit + "/parties/party[4]");
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->AttributeValue("id"), id);
        EXPECT_EQ(Text(entry, "general_election/alienated"), "-1");
        EXPECT_EQ(Text(entry, "general_election/committed"), "0");
        EXPECT_EQ(Text(entry, "primaries/starting_percentage"), "0");
        EXPECT_EQ(entry->GetChild("primaries")->GetChild("leaders")->ChildCount(), 0);
    }
}

TEST_F(PartiesEditTest, FreshPartyReportsWhatTheDesignerMustFillIn) {
    TXmlNode* party = PartiesEdit::NewParty(*Data);
    EXPECT_FALSE(VerifyParties(*Data));
    const std::string p = "Parties >> New Party";
    EXPECT_EQ(
        MessageTexts(*Data),
        (Texts{p + " >> abbreviation >> Data required.", p + " >> picture >> Data required.",
               p + " >> Convention >> political_unit >> Reference not found: political_unit -1",
               p + " >> Convention >> location >> Data required.",
               p + " >> viceleaders >> Need at least one Vice-Presidential Candidate defined.",
               p + " >> leaders >> Party needs at least one leader."}));

    // Once the party editor has named its picture, the file is missing.
    const std::string picture = party->AttributeValue("id") + ".bmp";
    party->GetChild("picture")->SetText(picture);
    Data->Messages().clear();
    VerifyParties(*Data);
    EXPECT_EQ(MessageTexts(*Data)[1], p + " >> picture >> " + Folder.Str() + "party_images/" +
                                          picture + " does not exist.");
}

TEST_F(PartiesEditTest, RemovePartyTakesOnlyItsStartingPercentages) {
    TXmlNode* beta = At(*Data, TScenarioFile::Parties, "/parties/party[2]");
    PartiesEdit::RemoveParty(*Data, beta);
    EXPECT_EQ(Data->Parties()->ChildCount(), 2);
    EXPECT_EQ(Data->Parties()->FindChild("party", "id", "p2"), nullptr);
    for (const char* unit : {"[1]", "[2]"}) {
        const TXmlNode* entries =
            At(*Data, TScenarioFile::Percentages,
               std::string("/percentages/political_units/political_unit") + unit + "/parties");
        ASSERT_EQ(entries->ChildCount(), 2);
        EXPECT_EQ(entries->GetChildAt(0)->AttributeValue("id"), "p1");
        EXPECT_EQ(entries->GetChildAt(1)->AttributeValue("id"), "p3");
    }
    // Events and debates wait for the next verification.
    EXPECT_NE(Data->PoliticalUnits()->FindNode("party", "id", "p2"), nullptr);
}

TEST_F(PartiesEditTest, MoveChildExchangesNeighboursButNotPastTheEnds) {
    TXmlNode* root = Data->Parties();
    auto order = [&] {
        std::string s;
        for (int32_t i = 0; i < root->ChildCount(); ++i)
            s += root->GetChildAt(i)->AttributeValue("id");
        return s;
    };
    EXPECT_EQ(PartiesEdit::MoveChild(root, 0, -1), 0);
    EXPECT_EQ(PartiesEdit::MoveChild(root, 2, +1), 2);
    EXPECT_EQ(order(), "p1p2p3");
    EXPECT_EQ(PartiesEdit::MoveChild(root, 0, +1), 1);
    EXPECT_EQ(order(), "p2p1p3");
    EXPECT_EQ(PartiesEdit::MoveChild(root, 2, -1), 1);
    EXPECT_EQ(order(), "p2p3p1");
    EXPECT_EQ(PartiesEdit::MoveChild(root, 7, -1), 7);
}

} // namespace
