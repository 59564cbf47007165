// Message texts and order are covered by the cases in tests/data/verify;
// these check what a case cannot: the element each message points at, and
// documents no scenario folder can hold.
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

const char* const Ad =
    "<ad><name>Radio Spot</name><description></description>"
    "<universal_distribution>0</universal_distribution><cost_coefficient>0,5</cost_coefficient>"
    "<base_power>1</base_power><attack_backfire_chance>15</attack_backfire_chance>"
    "<attack_power_bonus>1</attack_power_bonus><turns_to_start>0</turns_to_start>"
    "<turns_to_cancel>0</turns_to_cancel><max_turns_can_run>-1</max_turns_can_run>"
    "<immediately_available>0</immediately_available><ad_qualities><quality id=\"low\">"
    "<name>Low</name><budget>1000</budget><turns_to_make>2</turns_to_make>"
    "<chance_of_success>5</chance_of_success></quality></ad_qualities></ad>";

} // namespace

TEST(AdsVerifier, MessagesPointAtTheAdOrItsQuality) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Ads, std::string("<ads>") + Ad + Ad + Ad + "</ads>"}});
    ASSERT_TRUE(VerifyAds(*data));

    At(*data, TScenarioFile::Ads, "/ads/ad/ad_qualities/quality/budget")->SetText("lots");
    At(*data, TScenarioFile::Ads, "/ads/ad[2]/base_power")->SetText("x");
    TXmlNode* second = At(*data, TScenarioFile::Ads, "/ads/ad[2]");
    second->RemoveChild(second->GetChild("ad_qualities"));
    At(*data, TScenarioFile::Ads, "/ads/ad[3]/name")->SetText(""); // after the guard: not read

    EXPECT_FALSE(VerifyAds(*data));
    EXPECT_EQ(MessageTexts(*data), (Texts{"Ad Qualities >> budget >> Invalid decimal number.",
                                          "Ad >> base_power >> Invalid number value.",
                                          "Ad >> ad_qualities >> Critical Error: Node missing."}));
    EXPECT_EQ(data->Messages()[0].Element,
              At(*data, TScenarioFile::Ads, "/ads/ad/ad_qualities/quality"));
    EXPECT_EQ(data->Messages()[1].Element, second);
    EXPECT_EQ(data->Messages()[2].Element, second);
}

TEST(AdsVerifier, AMissingDocumentFailsSilently) {
    auto none = TestScenario::FromTexts({});
    EXPECT_FALSE(VerifyAds(*none));
    EXPECT_TRUE(none->Messages().empty());
}
