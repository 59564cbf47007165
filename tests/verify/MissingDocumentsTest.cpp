// A scenario without a document fails that document's verification, with
// these messages only. Everything else about messages, and the elements
// they point at, is in the cases under tests/data/verify.
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

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
