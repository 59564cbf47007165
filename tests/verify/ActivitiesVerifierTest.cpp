// Message texts and order are covered by the cases in tests/data/verify;
// these check the elements messages point at and incomplete documents.
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

const char* const Activity =
    "<activity id=\"rest\"><name>Rest</name><picture>REST.bmp</picture>"
    "<energy_points>2</energy_points><command_points>2</command_points><cost>500</cost>"
    "<base_power>1</base_power><chance_national_news>10</chance_national_news>"
    "<chance_backfire>0</chance_backfire><has_issue_focus>0</has_issue_focus>"
    "<requires_location>0</requires_location></activity>";

} // namespace

TEST(ActivitiesVerifier, MissingListsPointAtTheRoot) {
    auto neither = TestScenario::FromTexts(
        {{TScenarioFile::Activities, std::string("<activities>") + Activity + "</activities>"}});
    EXPECT_FALSE(VerifyActivities(*neither));
    EXPECT_EQ(MessageTexts(*neither), (Texts{"Activities >> leaders >> Node doesn't exist",
                                             "Activities >> viceleaders >> Node doesn't exist"}));
    EXPECT_EQ(neither->Messages()[1].Element, neither->Activities());

    auto none = TestScenario::FromTexts({});
    EXPECT_FALSE(VerifyActivities(*none));
    EXPECT_EQ(none->Messages().size(), 2u);
}
