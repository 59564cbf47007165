#include "scenario/edit/AdsEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;

namespace {

std::string ChildText(const TXmlNode* node, const std::string& name) {
    const TXmlNode* child = node ? node->GetChild(name) : nullptr;
    return child ? child->GetText() : "(missing)";
}

} // namespace

TEST(AdsEdit, NewAdHasTheTemplateValuesAndVerifies) {
    auto data = TestScenario::FromTexts({{TScenarioFile::Ads, "<ads><ad id=\"x\"></ad></ads>"}});
    TXmlNode* ad = AdsEdit::NewAd(*data);
    ASSERT_NE(ad, nullptr);
    EXPECT_EQ(data->Ads()->GetChildAt(1), ad);
    EXPECT_TRUE(data->Changed());
    EXPECT_FALSE(ad->AttributeValue("id").empty());

    const std::vector<std::pair<std::string, std::string>> fields = {
        {"name", "New Ad"},
        {"description", "Add Description Here"},
        {"universal_distribution", "0"},
        {"cost_coefficient", "0.5"},
        {"base_power", "1"},
        {"attack_backfire_chance", "15"},
        {"attack_power_bonus", "1"},
        {"turns_to_start", "0"},
        {"turns_to_cancel", "0"},
        {"max_turns_can_run", "5"},
        {"immediately_available", "0"}};
    ASSERT_EQ(ad->ChildCount(), 12);
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(ad->GetChildAt(static_cast<int32_t>(i))->Name, fields[i].first);
        EXPECT_EQ(ad->GetChildAt(static_cast<int32_t>(i))->GetText(), fields[i].second);
    }

    const TXmlNode* qualities = ad->GetChildAt(11);
    EXPECT_EQ(qualities->Name, "ad_qualities");
    ASSERT_EQ(qualities->ChildCount(), 3);
    const char* expected[3][5] = {{"low", "Low", "1000", "2", "5"},
                                  {"med", "Med", "2000", "3", "10"},
                                  {"high", "High", "5000", "5", "15"}};
    for (int32_t i = 0; i < 3; ++i) {
        const TXmlNode* q = qualities->GetChildAt(i);
        EXPECT_EQ(q->Name, "quality");
        EXPECT_EQ(q->AttributeValue("id"), expected[i][0]);
        EXPECT_EQ(ChildText(q, "name"), expected[i][1]);
        EXPECT_EQ(ChildText(q, "budget"), expected[i][2]);
        EXPECT_EQ(ChildText(q, "turns_to_make"), expected[i][3]);
        EXPECT_EQ(ChildText(q, "chance_of_success"), expected[i][4]);
    }

    data->Ads()->RemoveChild(data->Ads()->GetChildAt(0));
    EXPECT_TRUE(VerifyAds(*data));
}

TEST(AdsEdit, TwoNewAdsHaveDistinctIds) {
    auto data = TestScenario::FromTexts({{TScenarioFile::Ads, "<ads></ads>"}});
    const TXmlNode* a = AdsEdit::NewAd(*data);
    const TXmlNode* b = AdsEdit::NewAd(*data);
    EXPECT_NE(a->AttributeValue("id"), b->AttributeValue("id"));
}

TEST(AdsEdit, WithoutDocumentNothingIsMade) {
    auto data = TestScenario::FromTexts({});
    EXPECT_EQ(AdsEdit::NewAd(*data), nullptr);
    EXPECT_EQ(AdsEdit::NewQuality(nullptr, "low", "Low", "1", "1", "1"), nullptr);
}

TEST(AdsEdit, RemoveSelectsTheAdBefore) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Ads,
          "<ads><ad id=\"a\"></ad><ad id=\"b\"></ad><ad id=\"c\"></ad></ads>"}});
    EXPECT_EQ(AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad[3]")), 1);
    EXPECT_EQ(AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad")), -1);
    ASSERT_EQ(data->Ads()->ChildCount(), 1);
    EXPECT_EQ(data->Ads()->GetChildAt(0)->AttributeValue("id"), "b");

    // Something that is not an ad of this file stays where it is.
    auto other =
        TestScenario::FromTexts({{TScenarioFile::Ads, "<ads><ad><name>x</name></ad></ads>"}});
    TXmlNode* name = At(*other, TScenarioFile::Ads, "/ads/ad/name");
    EXPECT_EQ(AdsEdit::RemoveAd(*data, name), -1);
    EXPECT_NE(At(*other, TScenarioFile::Ads, "/ads/ad/name"), nullptr);
}
