#include "scenario/edit/EndorsersEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;

TEST(EndorsersEdit, NewEndorserIsNationalGeneralAndVerifies) {
    auto data = TestScenario::FromTexts({{TScenarioFile::Endorsers, "<endorsers></endorsers>"}});
    TXmlNode* e = EndorsersEdit::NewEndorser(*data);
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->AttributeValue("id").empty());

    std::vector<std::string> names;
    for (int32_t i = 0; i < e->ChildCount(); ++i)
        names.push_back(e->GetChildAt(i)->Name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"name", "description", "start_date", "end_date",
                                        "pp_effect", "party_stance", "leader_stance",
                                        "monetary_bonus", "political_units_affected", "issues"}));
    EXPECT_EQ(e->GetChild("name")->GetText(), "New Endorser");
    EXPECT_EQ(e->GetChild("description")->GetText(), "");
    EXPECT_EQ(e->GetChild("start_date")->GetText(), "-1");
    EXPECT_EQ(e->GetChild("end_date")->GetText(), "-1");
    EXPECT_EQ(e->GetChild("party_stance")->ChildCount(), 0);
    EXPECT_EQ(e->GetChild("leader_stance")->ChildCount(), 0);

    const std::string p = "/endorsers/endorser/political_units_affected";
    ASSERT_EQ(At(*data, TScenarioFile::Endorsers, p)->ChildCount(), 1);
    EXPECT_EQ(At(*data, TScenarioFile::Endorsers, p + "/political_unit")->AttributeValue("id"),
              "-1");
    EXPECT_EQ(At(*data, TScenarioFile::Endorsers, p + "/political_unit/momentum")->GetText(), "0");
    const TXmlNode* soldiers =
        At(*data, TScenarioFile::Endorsers, p + "/political_unit/footsoldiers");
    EXPECT_EQ(soldiers->GetText(), "0");
    EXPECT_EQ(soldiers->AttributeValue("chance"), "33");
    const TXmlNode* issue = At(*data, TScenarioFile::Endorsers, "/endorsers/endorser/issues/issue");
    EXPECT_EQ(issue->AttributeValue("id"), "-1");
    EXPECT_EQ(issue->GetChild("favored_position")->GetText(), "center");

    // The references it holds are all "none", so no other document is needed.
    EXPECT_TRUE(VerifyEndorsers(*data));
}

TEST(EndorsersEdit, RemoveSelectsTheEndorserBefore) {
    auto data = TestScenario::FromTexts({{TScenarioFile::Endorsers, "<endorsers></endorsers>"}});
    TXmlNode* first = EndorsersEdit::NewEndorser(*data);
    TXmlNode* second = EndorsersEdit::NewEndorser(*data);
    EXPECT_EQ(EndorsersEdit::RemoveEndorser(*data, second), 0);
    EXPECT_EQ(EndorsersEdit::RemoveEndorser(*data, first), -1);
    EXPECT_EQ(data->Endorsers()->ChildCount(), 0);
    EXPECT_EQ(EndorsersEdit::NewEndorser(*TestScenario::FromTexts({})), nullptr);
}

namespace {

const char* const Scenario = "<scenario><primaries><start_date>02/04/2008</start_date></primaries>"
                             "<general_election><start_date>08/18/2008</start_date>"
                             "<end_date>10/26/2008</end_date></general_election></scenario>";
const char* const Parties =
    "<parties><party id=\"p1\"><leaders><leader id=\"l1\"></leader></leaders></party>"
    "<party id=\"p2\"></party></parties>";
const char* const Units = "<political_units><nation id=\"n\"><political_units>"
                          "<political_unit id=\"r1\"></political_unit>"
                          "<political_unit id=\"r2\"></political_unit>"
                          "</political_units></nation></political_units>";
const char* const Issues = "<issues><issue id=\"i1\"></issue></issues>";

std::unique_ptr<TScenarioData> World() {
    return TestScenario::FromTexts({{TScenarioFile::Endorsers, "<endorsers></endorsers>"},
                                    {TScenarioFile::Scenario, Scenario},
                                    {TScenarioFile::Parties, Parties},
                                    {TScenarioFile::PoliticalUnits, Units},
                                    {TScenarioFile::Issues, Issues}});
}

} // namespace

TEST(EndorsersEdit, StancesComeAndGo) {
    auto data = World();
    TXmlNode* e = EndorsersEdit::NewEndorser(*data);
    TXmlNode* party = EndorsersEdit::SetPartyStance(*data, e, "p1");
    ASSERT_NE(party, nullptr);
    EXPECT_EQ(party->Parent(), e->GetChild("party_stance"));
    EXPECT_EQ(party->AttributeValue("id"), "p1");
    EXPECT_EQ(party->GetChild("initial_stance")->GetText(), "leaning");

    // Another party keeps the stance chosen before.
    party->GetChild("initial_stance")->SetText("Decided");
    EXPECT_EQ(EndorsersEdit::SetPartyStance(*data, e, "p2"), party);
    EXPECT_EQ(party->AttributeValue("id"), "p2");
    EXPECT_EQ(party->GetChild("initial_stance")->GetText(), "Decided");

    TXmlNode* leader = EndorsersEdit::SetLeaderStance(*data, e, "l1");
    EXPECT_EQ(leader->Name, "leader");
    EXPECT_TRUE(VerifyEndorsers(*data));

    EXPECT_EQ(EndorsersEdit::SetPartyStance(*data, e, ""), nullptr);
    EXPECT_EQ(e->GetChild("party_stance")->ChildCount(), 0);
    EXPECT_EQ(e->GetChild("leader_stance")->ChildCount(), 1);
}

TEST(EndorsersEdit, DatesAtTheCampaignEndsAreStoredAsUnset) {
    auto data = World();
    EXPECT_EQ(EndorsersEdit::StartDateText(*data, TDate{2008, 2, 4}), "-1");
    EXPECT_EQ(EndorsersEdit::StartDateText(*data, TDate{2007, 12, 31}), "-1");
    EXPECT_EQ(EndorsersEdit::StartDateText(*data, TDate{2008, 2, 5}), "02/05/2008");
    EXPECT_EQ(EndorsersEdit::EndDateText(*data, TDate{2008, 10, 26}), "-1");
    EXPECT_EQ(EndorsersEdit::EndDateText(*data, TDate{2009, 1, 1}), "-1");
    EXPECT_EQ(EndorsersEdit::EndDateText(*data, TDate{2008, 10, 25}), "10/25/2008");

    // Without campaign dates every day is stored as chosen.
    auto bare = TestScenario::FromTexts({{TScenarioFile::Scenario, "<scenario></scenario>"}});
    EXPECT_FALSE(EndorsersEdit::PrimariesStart(*bare).has_value());
    EXPECT_EQ(EndorsersEdit::StartDateText(*bare, TDate{2008, 2, 4}), "02/04/2008");
    EXPECT_EQ(EndorsersEdit::EndDateText(*bare, TDate{2008, 10, 26}), "10/26/2008");
}

TEST(EndorsersEdit, NationalAndRegionalBonuses) {
    auto data = World();
    TXmlNode* e = EndorsersEdit::NewEndorser(*data);
    EXPECT_TRUE(EndorsersEdit::IsNational(e));

    EndorsersEdit::MakeRegional(*data, e);
    EXPECT_FALSE(EndorsersEdit::IsNational(e));
    EXPECT_EQ(e->GetChild("political_units_affected")->ChildCount(), 0);

    TXmlNode* r1 = EndorsersEdit::AddRegion(*data, e, "r1");
    EXPECT_EQ(EndorsersEdit::AddRegion(*data, e, "r1"), r1);
    EndorsersEdit::AddRegion(*data, e, "r2");
    ASSERT_EQ(e->GetChild("political_units_affected")->ChildCount(), 2);
    EXPECT_EQ(r1->GetChild("momentum")->GetText(), "0");
    EXPECT_EQ(r1->GetChild("footsoldiers")->AttributeValue("chance"), "0");
    EXPECT_TRUE(VerifyEndorsers(*data));

    EXPECT_TRUE(EndorsersEdit::RemoveRegion(*data, e, "r1"));
    EXPECT_FALSE(EndorsersEdit::RemoveRegion(*data, e, "r1"));
    EXPECT_EQ(At(*data, TScenarioFile::Endorsers,
                 "/endorsers/endorser/political_units_affected/political_unit")
                  ->AttributeValue("id"),
              "r2");

    TXmlNode* nation = EndorsersEdit::MakeNational(*data, e, "4", "2", "50");
    EXPECT_TRUE(EndorsersEdit::IsNational(e));
    ASSERT_EQ(e->GetChild("political_units_affected")->ChildCount(), 1);
    EXPECT_EQ(nation->GetChild("momentum")->GetText(), "4");
    EXPECT_EQ(nation->GetChild("footsoldiers")->GetText(), "2");
    EXPECT_EQ(nation->GetChild("footsoldiers")->AttributeValue("chance"), "50");
    EXPECT_TRUE(VerifyEndorsers(*data));
}

TEST(EndorsersEdit, FootsoldierChanceIsCompletedForShowing) {
    auto data = World();
    TXmlNode* e = EndorsersEdit::NewEndorser(*data);
    TXmlNode* nation = e->GetChild("political_units_affected")->GetChildAt(0);
    TXmlNode* soldiers = nation->GetChild("footsoldiers");

    soldiers->RemoveAttributeAt(0);
    EXPECT_EQ(EndorsersEdit::FootsoldierChance(*data, nation)->Value, "33");
    soldiers->SetAttribute("chance", "");
    EXPECT_EQ(EndorsersEdit::FootsoldierChance(*data, nation)->Value, "0");

    EndorsersEdit::MakeRegional(*data, e);
    TXmlNode* region = EndorsersEdit::AddRegion(*data, e, "r1");
    region->GetChild("footsoldiers")->RemoveAttributeAt(0);
    EXPECT_EQ(EndorsersEdit::FootsoldierChance(*data, region)->Value, "33");
    // Only the national entry turns an empty chance into "0".
    region->GetChild("footsoldiers")->SetAttribute("chance", "");
    EXPECT_EQ(EndorsersEdit::FootsoldierChance(*data, region)->Value, "");

    region->RemoveChild(region->GetChild("footsoldiers"));
    EXPECT_EQ(EndorsersEdit::FootsoldierChance(*data, region), nullptr);
}

TEST(EndorsersEdit, IssueKeepsTheFavouredPosition) {
    auto data = World();
    TXmlNode* e = EndorsersEdit::NewEndorser(*data);
    e->GetChild("issues")->GetChildAt(0)->GetChild("favored_position")->SetText("Far-Right");
    TXmlNode* issue = EndorsersEdit::SetIssue(*data, e, "i1");
    EXPECT_EQ(issue->AttributeValue("id"), "i1");
    EXPECT_EQ(issue->GetChild("favored_position")->GetText(), "Far-Right");
    EXPECT_TRUE(VerifyEndorsers(*data));
    EXPECT_EQ(EndorsersEdit::SetIssue(*data, e, "-1")->AttributeValue("id"), "-1");

    // An endorser whose issues list is empty gets an entry.
    auto bare = World();
    TXmlNode* b = EndorsersEdit::NewEndorser(*bare);
    b->GetChild("issues")->RemoveChild(b->GetChild("issues")->GetChildAt(0));
    issue = EndorsersEdit::SetIssue(*bare, b, "i1");
    EXPECT_EQ(issue->GetChild("favored_position")->GetText(), "center");
    EXPECT_TRUE(VerifyEndorsers(*bare));
}
