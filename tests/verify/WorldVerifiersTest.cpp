// What the data cases cannot express: texts the writer would trim and a
// document taken away after loading.
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

} // namespace
