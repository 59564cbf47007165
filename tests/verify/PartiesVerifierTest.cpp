// The parties verification: party records and candidates with their
// section paths, and the "clean so far" rules that guard the repairs.
#include "scenario/verify/FileVerifiers.h"
#include "verify/PartiesTestScenario.h"

#include <gtest/gtest.h>

using namespace PartiesTest;
using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

const TScenarioFile Parties = TScenarioFile::Parties;

class PartiesVerifier : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = Load(TDocuments{}, Folder);

    TXmlNode* Party(const std::string& path) { return At(*Data, Parties, path); }
    void Set(const std::string& path, const std::string& text) {
        TXmlNode* node = Party(path);
        ASSERT_NE(node, nullptr) << path;
        node->SetText(text);
    }
};

TEST_F(PartiesVerifier, CleanScenarioReportsNothingAndRepairsNothing) {
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data), Texts{});
    EXPECT_FALSE(Data->Changed());
}

TEST_F(PartiesVerifier, PartyFieldsWithTheirSections) {
    Set("/parties/party[2]/abbreviation", "");
    Set("/parties/party[2]/funds", "lots");
    Set("/parties/party[2]/platform/issue[1]", "centre");
    Party("/parties/party[2]/platform/issue[2]")->SetAttribute("id", "i9");
    Party("/parties/party[2]/advertising/ad_credits/ad[1]")->SetAttribute("id", "a7");
    Set("/parties/party[2]/advertising/ad_credits/ad[2]/credits", "x");
    Set("/parties/party[2]/convention/start_date", "13/01/2008");
    Set("/parties/party[2]/convention/end_date", "13/01/2008");
    Party("/parties/party[2]/convention/political_unit")->SetAttribute("id", "-1");
    Set("/parties/party[2]/convention/location", "");
    Party("/parties/party[2]")->RemoveChild(Party("/parties/party[2]/incumbent"));
    Set("/parties/party[2]/picture", "gone.bmp");

    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              (Texts{
                  "Parties >> Beta >> abbreviation >> Data required.",
                  "Parties >> Beta >> picture >> " + Folder.Str() +
                      "party_images/gone.bmp does not exist.",
                  "Parties >> Beta >> funds >> Invalid decimal number.",
                  "Parties >> Beta >> incumbent >> Critical Error: Node missing.",
                  "Parties >> Beta >> Platform >> issue >> Invalid position.",
                  "Parties >> Beta >> Platform >> issue >> Reference not found: issue i9",
                  "Parties >> Beta >> Advertising >> ad >> Reference not found: ad a7",
                  "Parties >> Beta >> Advertising >> credits >> Invalid number value.",
                  "Parties >> Beta >> start_date >> Invalid date value.",
                  "Parties >> Beta >> Convention >> end_date >> Invalid date value.",
                  "Parties >> Beta >> Convention >> political_unit >> Reference not found: "
                  "political_unit -1",
                  "Parties >> Beta >> Convention >> location >> Data required.",
              }));
    EXPECT_EQ(Data->Messages()[0].File, "parties.xml");
}

TEST_F(PartiesVerifier, EmptyNameLeavesTheSectionWithoutName) {
    Set("/parties/party[1]/name", "");
    Set("/parties/party[1]/color", "");
    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data), (Texts{"Parties >> name >> Data required.",
                                          "Parties >>  >> color >> Data required."}));
}

TEST_F(PartiesVerifier, OnePartyIsReportedAndStillCheckedButNothingElseRuns) {
    TXmlNode* root = Data->Parties();
    root->RemoveChild(Party("/parties/party[3]"));
    root->RemoveChild(Party("/parties/party[2]"));
    Set("/parties/party/established", "");
    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data), (Texts{"Parties >> parties >> Minimum of two parties required.",
                                          "Parties >> Alpha >> established >> Data required."}));
    // The stale debates, events and percentages entries stay for now.
    EXPECT_NE(At(*Data, TScenarioFile::Scenario, "/scenario/debates/primaries/party[2]"), nullptr);
    EXPECT_EQ(At(*Data, TScenarioFile::PoliticalUnits,
                 "/political_units/political_unit/political_units/political_unit/election_events")
                  ->ChildCount(),
              4);
    EXPECT_FALSE(Data->Changed());
}

TEST_F(PartiesVerifier, LeaderSectionsUseTheDisplayName) {
    Set("/parties/party[1]/leaders/leader/primaries_description", "");
    Set("/parties/party[2]/leaders/leader/goals/seats", "many");
    Set("/parties/party[2]/leaders/leader/platform/issue", "");
    Set("/parties/party[3]/leaders/leader/lastname", "");
    Set("/parties/party[3]/leaders/leader/leader_color", "");
    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              (Texts{
                  "Parties >> Alpha >> Leaders >> Gov. Ann Reed >> primaries_description >> "
                  "Data required.",
                  // No title: the display name begins with a blank.
                  "Parties >> Beta >> Leaders >>  Bob Hale >> Goals >> seats >> Invalid number "
                  "value.",
                  "Parties >> Beta >> Leaders >>  Bob Hale >> Platform >> issue >> Data required.",
                  "Parties >> Beta >> Leaders >>  Bob Hale >> Platform >> issue >> Data required.",
                  "Parties >> Gamma >> Leaders >> lastname >> Data required.",
                  "Parties >> Gamma >> Leaders >> Dr. Cy >> leader_color >> Data required.",
              }));
}

TEST_F(PartiesVerifier, CandidateRules) {
    // A leader's age is free text, a vice-leader's is a number.
    Set("/parties/party[1]/viceleaders/viceleader/age", "forty");
    // A running mate from another party's pool is not found.
    Party("/parties/party[1]/leaders/leader/viceleaders/viceleader")->SetAttribute("id", "v2");
    // Running mates "-1" pass; an empty list does not.
    Party("/parties/party[2]/leaders/leader/viceleaders/viceleader")->SetAttribute("id", "-1");
    TXmlNode* mates = Party("/parties/party[3]/leaders/leader/viceleaders");
    mates->RemoveChild(mates->GetChildAt(0));
    // A crusader's last name may be empty (it is), the first name may not.
    Set("/parties/party[3]/leaders/leader/crusaders/crusader/first_name", "");
    Party("/parties/party[2]/leaders")->RemoveChild(Party("/parties/party[2]/leaders/leader"));
    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              (Texts{
                  "Parties >> Alpha >> Viceleaders >> age >> Invalid number value.",
                  "Parties >> Alpha >> Leaders >> Gov. Ann Reed >> viceleader >> Reference not "
                  "found: viceleader v2",
                  "Parties >> Beta >> leaders >> Party needs at least one leader.",
                  "Parties >> Gamma >> Leaders >> Dr. Cy Marsh >> viceleaders >> Leader needs "
                  "minimum of one Vice-Leader",
                  "Parties >> Gamma >> Leaders >> Dr. Cy Marsh >> Crusaders >> first_name >> "
                  "Data required.",
              }));
}

TEST_F(PartiesVerifier, MissingGroupEndsThePass) {
    Party("/parties/party[1]")->RemoveChild(Party("/parties/party[1]/convention"));
    Set("/parties/party[2]/abbreviation", "");
    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              Texts{"Parties >> Alpha >> convention >> Critical Error: Node missing."});
}

TEST_F(PartiesVerifier, BonusEntriesFollowTheHomeRegionOnlyOnACleanPass) {
    TXmlNode* bonus = Party("/parties/party[3]/viceleaders/viceleader/percentage_bonuses/"
                            "political_unit");
    bonus->SetAttribute("id", "r2");
    Set("/parties/party[1]/abbreviation", "");
    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(bonus->AttributeValue("id"), "r2");
    EXPECT_FALSE(Data->Changed());

    Set("/parties/party[1]/abbreviation", "Al");
    Data->Messages().clear();
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(bonus->AttributeValue("id"), "r1");
    EXPECT_TRUE(Data->Changed());
    EXPECT_EQ(MessageTexts(*Data), Texts{});
}

TEST_F(PartiesVerifier, BonusEntryOfAViceLeaderWithoutHomeIsReported) {
    Party("/parties/party[2]/viceleaders/viceleader/home_political_unit")->SetAttribute("id", "-1");
    TXmlNode* bonus = Party("/parties/party[2]/viceleaders/viceleader/percentage_bonuses/"
                            "political_unit");
    bonus->SetAttribute("id", "-1");
    EXPECT_FALSE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              Texts{"Parties >> Beta >> Viceleaders >> political_unit >> Reference not found: "
                    "political_unit -1"});
    // The first vice-leader's entry, with "-1" and a home set, is moved home.
    Data->Messages().clear();
    Party("/parties/party[2]/viceleaders/viceleader/home_political_unit")->SetAttribute("id", "r1");
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(bonus->AttributeValue("id"), "r1");
}

} // namespace
