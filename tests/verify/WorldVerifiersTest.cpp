// What the data cases cannot express: texts the writer would trim, and
// documents missing or taken away after loading (a folder cannot lack one).
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

// A scenario without a document fails that document's verification, with
// these messages only.
TEST(MissingDocuments, FailTheirFileWithTheseMessagesOnly) {
    const std::string missing = " >> Critical Error: Node missing.";
    const std::vector<std::pair<bool (*)(TScenarioData&), Texts>> verifiers = {
        {VerifyScenarioSettings,
         {"Scenario >> name" + missing, "Scenario >> background_images" + missing,
          "Scenario >> primaries_introduction" + missing,
          "Scenario >> generalelection_introduction" + missing, "Scenario >> primaries" + missing}},
        {VerifyIssues, {}},
        {VerifyPoliticalUnits, {}},
        {VerifyAds, {}},
        {VerifyEvents, {"Events >> random_events" + missing}},
        {VerifyActivities,
         {"Activities >> leaders >> Node doesn't exist",
          "Activities >> viceleaders >> Node doesn't exist"}}};
    for (size_t i = 0; i < verifiers.size(); ++i) {
        auto data = TestScenario::FromTexts({});
        EXPECT_FALSE(verifiers[i].first(*data)) << i;
        EXPECT_EQ(TestScenario::MessageTexts(*data), verifiers[i].second) << i;
    }
    // So does a units document without its nation.
    auto data = TestScenario::FromTexts({{TScenarioFile::PoliticalUnits, "<political_units/>"}});
    EXPECT_FALSE(VerifyPoliticalUnits(*data));
    EXPECT_TRUE(data->Messages().empty());
}

} // namespace
