#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

std::string Ad(const std::string& id, const std::string& name) {
    return "<ad id=\"" + id + "\"><name>" + name +
           "</name><description>Leaflets</description>"
           "<universal_distribution>0</universal_distribution>"
           "<cost_coefficient>0.5</cost_coefficient><base_power>1</base_power>"
           "<attack_backfire_chance>15</attack_backfire_chance>"
           "<attack_power_bonus>1</attack_power_bonus><turns_to_start>0</turns_to_start>"
           "<turns_to_cancel>0</turns_to_cancel><max_turns_can_run>5</max_turns_can_run>"
           "<immediately_available>0</immediately_available><ad_qualities>"
           "<quality id=\"low\"><name>Low</name><budget>1000</budget>"
           "<turns_to_make>2</turns_to_make><chance_of_success>5</chance_of_success></quality>"
           "<quality id=\"high\"><name>High</name><budget>5000</budget>"
           "<turns_to_make>5</turns_to_make><chance_of_success>15</chance_of_success></quality>"
           "</ad_qualities></ad>";
}

std::unique_ptr<TScenarioData> TwoAds() {
    return TestScenario::FromTexts({{TScenarioFile::Ads, "<ads>" + Ad("a1", "Radio Spot") +
                                                             Ad("a2", "Lawn Signs") + "</ads>"}});
}

void Set(TScenarioData& data, const std::string& path, const std::string& text) {
    TXmlNode* node = At(data, TScenarioFile::Ads, path);
    ASSERT_NE(node, nullptr) << path;
    node->SetText(text);
}

void Remove(TScenarioData& data, const std::string& path) {
    TXmlNode* node = At(data, TScenarioFile::Ads, path);
    ASSERT_NE(node, nullptr) << path;
    node->Parent()->RemoveChild(node);
}

} // namespace

TEST(AdsVerifier, CleanAdsAndUnsetValuesPass) {
    auto data = TwoAds();
    EXPECT_TRUE(VerifyAds(*data));
    EXPECT_TRUE(data->Messages().empty());

    // "-1" passes every value check, an empty description is allowed, and
    // "," is a decimal separator.
    Set(*data, "/ads/ad/base_power", "-1");
    Set(*data, "/ads/ad/description", "");
    Set(*data, "/ads/ad/cost_coefficient", "0,75");
    Set(*data, "/ads/ad/ad_qualities/quality/turns_to_make", "-1");
    EXPECT_TRUE(VerifyAds(*data));

    auto empty = TestScenario::FromTexts({{TScenarioFile::Ads, "<ads></ads>"}});
    EXPECT_TRUE(VerifyAds(*empty));
}

TEST(AdsVerifier, ReportsEveryAdFieldInOrderAttachedToTheAd) {
    auto data = TwoAds();
    Set(*data, "/ads/ad[2]/immediately_available", "soon");
    Set(*data, "/ads/ad[2]/name", "");
    Remove(*data, "/ads/ad[2]/universal_distribution");
    Set(*data, "/ads/ad[2]/attack_backfire_chance", "1.2.3");
    Set(*data, "/ads/ad[2]/max_turns_can_run", "5.5");
    Set(*data, "/ads/ad[2]/cost_coefficient", "");

    EXPECT_FALSE(VerifyAds(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{
                  "Ad >> name >> Data required.",
                  "Ad >> universal_distribution >> Critical Error: Node missing.",
                  "Ad >> cost_coefficient >> Data required.",
                  "Ad >> attack_backfire_chance >> Invalid decimal number.",
                  "Ad >> max_turns_can_run >> Invalid number value.",
                  "Ad >> immediately_available >> Invalid number value.",
              }));
    for (const auto& m : data->Messages()) {
        EXPECT_EQ(m.Element, At(*data, TScenarioFile::Ads, "/ads/ad[2]"));
        EXPECT_EQ(m.File, "ads.xml");
    }
}

TEST(AdsVerifier, QualityProblemsNameTheirOwnSection) {
    auto data = TwoAds();
    Set(*data, "/ads/ad/ad_qualities/quality[2]/budget", "lots");
    Set(*data, "/ads/ad/ad_qualities/quality[2]/name", "");
    Remove(*data, "/ads/ad/ad_qualities/quality[2]/chance_of_success");
    Set(*data, "/ads/ad[2]/ad_qualities/quality/turns_to_make", "two");

    EXPECT_FALSE(VerifyAds(*data));
    EXPECT_EQ(MessageTexts(*data), (Texts{
                                       "Ad Qualities >> name >> Data required.",
                                       "Ad Qualities >> budget >> Invalid decimal number.",
                                       "Ad Qualities >> chance_of_success >> Critical Error: Node "
                                       "missing.",
                                       "Ad Qualities >> turns_to_make >> Invalid number value.",
                                   }));
    EXPECT_EQ(data->Messages()[0].Element,
              At(*data, TScenarioFile::Ads, "/ads/ad/ad_qualities/quality[2]"));
    EXPECT_EQ(data->Messages()[3].Element,
              At(*data, TScenarioFile::Ads, "/ads/ad[2]/ad_qualities/quality"));
}

TEST(AdsVerifier, MissingQualitiesEndTheFile) {
    auto data = TwoAds();
    Set(*data, "/ads/ad/base_power", "x");
    Remove(*data, "/ads/ad/ad_qualities");
    // Not reached: the pass ends at the missing group.
    Set(*data, "/ads/ad[2]/name", "");

    EXPECT_FALSE(VerifyAds(*data));
    EXPECT_EQ(MessageTexts(*data), (Texts{
                                       "Ad >> base_power >> Invalid number value.",
                                       "Ad >> ad_qualities >> Critical Error: Node missing.",
                                   }));
    EXPECT_EQ(data->Messages()[1].Element, At(*data, TScenarioFile::Ads, "/ads/ad"));
}

TEST(AdsVerifier, AnyChildOfTheRootIsAnAd) {
    auto data = TestScenario::FromTexts({{TScenarioFile::Ads, "<ads><spot></spot></ads>"}});
    EXPECT_FALSE(VerifyAds(*data));
    const Texts texts = MessageTexts(*data);
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts.front(), "Ad >> name >> Critical Error: Node missing.");
    EXPECT_EQ(texts.back(), "Ad >> ad_qualities >> Critical Error: Node missing.");
}

TEST(AdsVerifier, MissingDocumentFailsWithoutMessage) {
    auto data = TestScenario::FromTexts({});
    EXPECT_FALSE(VerifyAds(*data));
    EXPECT_TRUE(data->Messages().empty());
}
