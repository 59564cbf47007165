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
