// What the data cases cannot express: texts the writer would trim, documents
// without a root, and where messages point.
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

class WorldTest : public testing::Test {
protected:
    void SetUp() override { Data = TestScenario::LoadCopy("verify/world", Folder); }
    TXmlNode* Scenario(const std::string& path) {
        return At(*Data, TScenarioFile::Scenario, "/scenario" + path);
    }
    TXmlNode* Unit(const std::string& path) {
        return At(*Data, TScenarioFile::PoliticalUnits, "/political_units/political_unit" + path);
    }
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data;
};

TEST_F(WorldTest, BlanksAreTextAndLeadingBlanksDoNotSpoilANumber) {
    Scenario("/primaries_introduction")->SetText("   ");
    Scenario("/base_cp")->SetText("  40");
    Scenario("/economy/targets/target/chance")->SetText(" 12,5 ");
    EXPECT_TRUE(VerifyScenarioSettings(*Data));
    Scenario("/base_cp")->SetText("40  ");
    EXPECT_FALSE(VerifyScenarioSettings(*Data));
    EXPECT_EQ(MessageTexts(*Data), Texts{"Scenario >> base_cp >> Invalid number value."});
}

TEST_F(WorldTest, ScenarioMessagesPointAtTheContainingElement) {
    Scenario("/interviewers/interviewer[2]/stance")->SetText("centre");
    Scenario("/debates/general_election/debate[2]/type")->SetText("panel");
    EXPECT_FALSE(VerifyScenarioSettings(*Data));
    ASSERT_EQ(Data->Messages().size(), 2u);
    EXPECT_EQ(Data->Messages()[0].File, "scenario.xml");
    EXPECT_EQ(Data->Messages()[0].ElementPath, "/scenario/interviewers/interviewer[2]");
    EXPECT_EQ(Data->Messages()[1].ElementPath, "/scenario/debates/general_election/debate[2]");
    EXPECT_EQ(Data->Messages()[1].Field, "type");
}

TEST_F(WorldTest, IssueCentreMessagesPointAtTheCentreList) {
    Unit("/political_units/political_unit[2]/issue_centers/issue[3]")->SetAttribute("id", "gone");
    EXPECT_FALSE(VerifyPoliticalUnits(*Data));
    ASSERT_EQ(Data->Messages().size(), 1u);
    EXPECT_EQ(Data->Messages()[0].Text(),
              "Political Units >> issue >> Reference not found: issue gone");
    EXPECT_EQ(Data->Messages()[0].File, "political_units.xml");
    EXPECT_EQ(Data->Messages()[0].ElementPath,
              "/political_units/political_unit/political_units/political_unit[2]/issue_centers");
}

TEST_F(WorldTest, IssueCentresNeedTheIssuesDocument) {
    Data->Document(TScenarioFile::Issues).AdoptRoot(nullptr);
    EXPECT_FALSE(VerifyPoliticalUnits(*Data));
    // Every centre of both regions that is not "-1" is unknown now.
    EXPECT_EQ(Data->Messages().size(), 44u);
}

TEST_F(WorldTest, FailingSubUnitFailsThePassThroughItsRegion) {
    TXmlNode* region = Unit("/political_units/political_unit[1]");
    TXmlNode* sub = region->AddNewChild("political_units")->AddNewChild("political_unit");
    TXmlNode::CopyNode(sub, Unit("/political_units/political_unit[2]"));
    EXPECT_TRUE(VerifyPoliticalUnits(*Data));
    sub->GetChild("map")->GetChild("fill_positions")->GetChildAt(0)->GetChild("x")->SetText("1.5");
    EXPECT_FALSE(VerifyPoliticalUnits(*Data));
    EXPECT_EQ(MessageTexts(*Data), Texts{"Political Units >> x >> Invalid number value."});
}

TEST(WorldWithoutDocuments, MissingScenarioRootReportsTheFirstFieldsAndStops) {
    auto data = TestScenario::FromTexts({});
    EXPECT_FALSE(VerifyScenarioSettings(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Scenario >> name >> Critical Error: Node missing.",
                     "Scenario >> background_images >> Critical Error: Node missing.",
                     "Scenario >> primaries_introduction >> Critical Error: Node missing.",
                     "Scenario >> generalelection_introduction >> Critical Error: Node missing.",
                     "Scenario >> primaries >> Critical Error: Node missing."}));
}

TEST(WorldWithoutDocuments, IssuesAndUnitsWithoutRootFailSilently) {
    auto data = TestScenario::FromTexts({});
    EXPECT_FALSE(VerifyIssues(*data));
    EXPECT_FALSE(VerifyPoliticalUnits(*data));
    EXPECT_TRUE(data->Messages().empty());
}

TEST(WorldWithoutDocuments, UnitsWithoutNationFailSilently) {
    auto data = TestScenario::FromTexts({{TScenarioFile::PoliticalUnits, "<political_units/>"}});
    EXPECT_FALSE(VerifyPoliticalUnits(*data));
    EXPECT_TRUE(data->Messages().empty());
}

} // namespace
