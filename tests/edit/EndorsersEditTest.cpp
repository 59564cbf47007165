#include "scenario/edit/EndorsersEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TScenarioData> World() {
    return TestScenario::FromTexts(
        {{TScenarioFile::Endorsers, "<endorsers></endorsers>"},
         {TScenarioFile::Scenario,
          "<scenario><primaries><start_date>02/04/2008</start_date></primaries>"
          "<general_election><end_date>10/26/2008</end_date></general_election></scenario>"},
         {TScenarioFile::Parties, "<parties><party id=\"p1\"><leaders><leader id=\"l1\">"
                                  "</leader></leaders></party><party id=\"p2\"></party></parties>"},
         {TScenarioFile::PoliticalUnits,
          "<political_units><nation><political_units><political_unit id=\"r1\">"
          "</political_unit></political_units></nation></political_units>"},
         {TScenarioFile::Issues, "<issues><issue id=\"i1\"></issue></issues>"}});
}

} // namespace

TEST(EndorsersEdit, NewEndorserVerifiesAndRemoveSelectsTheOneBefore) {
    // A new endorser names nothing, so it verifies without other documents.
    auto data = TestScenario::FromTexts({{TScenarioFile::Endorsers, "<endorsers></endorsers>"}});
    TXmlNode* first = EndorsersEdit::NewEndorser(*data);
    TXmlNode* second = EndorsersEdit::NewEndorser(*data);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(EndorsersEdit::IsNational(first));
    EXPECT_EQ(first->GetChild("political_units_affected")
                  ->GetChildAt(0)
                  ->GetChild("footsoldiers")
                  ->AttributeValue("chance"),
              "33");
    EXPECT_TRUE(VerifyEndorsers(*data));

    EXPECT_EQ(EndorsersEdit::RemoveEndorser(*data, second), 0);
    EXPECT_EQ(EndorsersEdit::RemoveEndorser(*data, first), -1);
    EXPECT_EQ(data->Endorsers()->ChildCount(), 0);
}

TEST(EndorsersEdit, StancesAndIssue) {
    auto data = World();
    TXmlNode* e = EndorsersEdit::NewEndorser(*data);
    TXmlNode* party = EndorsersEdit::SetPartyStance(*data, e, "p1");
    ASSERT_NE(party, nullptr);
    EXPECT_EQ(party->GetChild("initial_stance")->GetText(), "leaning");
    // Another party keeps the stance chosen before.
    party->GetChild("initial_stance")->SetText("Decided");
    EXPECT_EQ(EndorsersEdit::SetPartyStance(*data, e, "p2"), party);
    EXPECT_EQ(party->AttributeValue("id"), "p2");
    EXPECT_EQ(party->GetChild("initial_stance")->GetText(), "Decided");
    EXPECT_EQ(EndorsersEdit::SetLeaderStance(*data, e, "l1")->Name, "leader");

    e->GetChild("issues")->GetChildAt(0)->GetChild("favored_position")->SetText("Far-Right");
    TXmlNode* issue = EndorsersEdit::SetIssue(*data, e, "i1");
    EXPECT_EQ(issue->GetChild("favored_position")->GetText(), "Far-Right");
    EXPECT_TRUE(VerifyEndorsers(*data));

    EXPECT_EQ(EndorsersEdit::SetPartyStance(*data, e, ""), nullptr);
    EXPECT_EQ(e->GetChild("party_stance")->ChildCount(), 0);
    EXPECT_EQ(e->GetChild("leader_stance")->ChildCount(), 1);
}

TEST(EndorsersEdit, DatesAtTheCampaignEndsAreStoredAsUnset) {
    auto data = World();
    EXPECT_EQ(EndorsersEdit::StartDateText(*data, TDate{2008, 2, 4}), "-1");
    EXPECT_EQ(EndorsersEdit::StartDateText(*data, TDate{2008, 2, 5}), "02/05/2008");
    EXPECT_EQ(EndorsersEdit::EndDateText(*data, TDate{2009, 1, 1}), "-1");
    EXPECT_EQ(EndorsersEdit::EndDateText(*data, TDate{2008, 10, 25}), "10/25/2008");

    // Without campaign dates every day is stored as chosen.
    auto bare = TestScenario::FromTexts({{TScenarioFile::Scenario, "<scenario></scenario>"}});
    EXPECT_EQ(EndorsersEdit::StartDateText(*bare, TDate{2008, 2, 4}), "02/04/2008");
}

TEST(EndorsersEdit, NationalAndRegionalEntries) {
    auto data = World();
    TXmlNode* e = EndorsersEdit::NewEndorser(*data);
    TXmlNode* nation = e->GetChild("political_units_affected")->GetChildAt(0);
    nation->GetChild("footsoldiers")->SetAttribute("chance", "");
    EXPECT_EQ(EndorsersEdit::FootsoldierChance(*data, nation)->Value, "0");

    EndorsersEdit::MakeRegional(*data, e);
    EXPECT_FALSE(EndorsersEdit::IsNational(e));
    TXmlNode* region = EndorsersEdit::AddRegion(*data, e, "r1");
    EXPECT_EQ(EndorsersEdit::AddRegion(*data, e, "r1"), region);
    EXPECT_EQ(region->GetChild("footsoldiers")->AttributeValue("chance"), "0");
    EXPECT_TRUE(VerifyEndorsers(*data));
    // A missing chance shows as 33; only the national entry turns an empty
    // one into 0.
    region->GetChild("footsoldiers")->RemoveAttributeAt(0);
    EXPECT_EQ(EndorsersEdit::FootsoldierChance(*data, region)->Value, "33");
    region->GetChild("footsoldiers")->SetAttribute("chance", "");
    EXPECT_EQ(EndorsersEdit::FootsoldierChance(*data, region)->Value, "");

    EXPECT_TRUE(EndorsersEdit::RemoveRegion(*data, e, "r1"));
    EXPECT_FALSE(EndorsersEdit::RemoveRegion(*data, e, "r1"));

    EndorsersEdit::AddRegion(*data, e, "r1");
    nation = EndorsersEdit::MakeNational(*data, e, "4", "2", "50");
    ASSERT_EQ(e->GetChild("political_units_affected")->ChildCount(), 1);
    EXPECT_TRUE(EndorsersEdit::IsNational(e));
    EXPECT_EQ(nation->GetChild("footsoldiers")->AttributeValue("chance"), "50");
    EXPECT_TRUE(VerifyEndorsers(*data));
}

TEST(EndorsersEdit, BonusesAndRegionsToChooseFrom) {
    auto data = World();
    TXmlNode* e = EndorsersEdit::NewEndorser(*data);
    TXmlNode* nation = e->GetChild("political_units_affected")->GetChildAt(0);
    EndorsersEdit::SetBonus(*data, nation, EndorsersEdit::TBonus::Momentum, "7");
    EndorsersEdit::SetBonus(*data, nation, EndorsersEdit::TBonus::Chance, "60");
    EXPECT_EQ(nation->GetChild("momentum")->GetText(), "7");
    EXPECT_EQ(nation->GetChild("footsoldiers")->AttributeValue("chance"), "60");
    EXPECT_EQ(nation->GetChild("footsoldiers")->GetText(), "0");
    // A region entry missing its elements gets them.
    TXmlNode* bare = e->GetChild("political_units_affected")->AddNewChild("political_unit");
    EndorsersEdit::SetBonus(*data, bare, EndorsersEdit::TBonus::Chance, "10");
    EndorsersEdit::SetBonus(*data, bare, EndorsersEdit::TBonus::Footsoldiers, "3");
    EXPECT_EQ(bare->GetChild("footsoldiers")->GetText(), "3");
    EXPECT_EQ(bare->GetChild("footsoldiers")->AttributeValue("chance"), "10");
    EXPECT_EQ(bare->GetChild("momentum"), nullptr);

    const auto regions = EndorsersEdit::Regions(*data);
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions.front()->AttributeValue("id"), "r1");
    auto flat = TestScenario::FromTexts(
        {{TScenarioFile::PoliticalUnits, "<political_units><nation/></political_units>"}});
    EXPECT_TRUE(EndorsersEdit::Regions(*flat).empty());
    EXPECT_TRUE(EndorsersEdit::Regions(*TestScenario::FromTexts({})).empty());

    // A stance without its word gets one when it is chosen again.
    TXmlNode* party = EndorsersEdit::SetPartyStance(*data, e, "p1");
    party->RemoveChild(party->GetChild("initial_stance"));
    EndorsersEdit::SetPartyStance(*data, e, "p2");
    EXPECT_EQ(party->GetChild("initial_stance")->GetText(), "leaning");
}
