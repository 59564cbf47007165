#include "scenario/edit/AdsEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;

TEST(AdsEdit, NewAdsVerifyAndHaveThreeQualities) {
    auto data = TestScenario::FromTexts({{TScenarioFile::Ads, "<ads></ads>"}});
    TXmlNode* a = AdsEdit::NewAd(*data);
    TXmlNode* b = AdsEdit::NewAd(*data);
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a->AttributeValue("id"), b->AttributeValue("id"));
    EXPECT_TRUE(data->Changed());
    EXPECT_TRUE(VerifyAds(*data));

    const TXmlNode* qualities = a->GetChild("ad_qualities");
    ASSERT_EQ(qualities->ChildCount(), 3);
    EXPECT_EQ(qualities->GetChildAt(0)->AttributeValue("id"), "low");
    EXPECT_EQ(qualities->GetChildAt(2)->AttributeValue("id"), "high");
    EXPECT_EQ(qualities->GetChildAt(2)->GetChild("budget")->GetText(), "5000");

    EXPECT_EQ(AdsEdit::NewAd(*TestScenario::FromTexts({})), nullptr);
}

TEST(AdsEdit, RemoveSelectsTheAdBefore) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Ads, "<ads><ad id=\"a\"></ad><ad id=\"b\"><name>x</name></ad>"
                              "<ad id=\"c\"></ad></ads>"}});
    // Something that is not an ad of the file stays.
    EXPECT_EQ(AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad[2]/name")), -1);
    EXPECT_EQ(AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad[3]")), 1);
    EXPECT_EQ(AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad")), -1);
    ASSERT_EQ(data->Ads()->ChildCount(), 1);
    EXPECT_EQ(data->Ads()->GetChildAt(0)->AttributeValue("id"), "b");
    EXPECT_NE(At(*data, TScenarioFile::Ads, "/ads/ad/name"), nullptr);
}

// That a removed ad's credits go is the references test's; these are ads
// without an id, with the "none" id and sharing an id with another ad.
TEST(AdsEdit, RemovingAnAdRemovesThePartiesCreditsItOwnsAlone) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Ads, "<ads><ad></ad><ad id=\"-1\"></ad><ad id=\"s\"></ad>"
                              "<ad id=\"s\"></ad></ads>"},
         {TScenarioFile::Parties,
          "<parties><party id=\"p\"><advertising><ad_credits>"
          "<ad><credits>1</credits></ad><ad id=\"-1\"><credits>2</credits></ad>"
          "<ad id=\"s\"><credits>3</credits></ad>"
          "</ad_credits></advertising></party></parties>"}});
    const auto creditCount = [&] {
        return At(*data, TScenarioFile::Parties, "/parties/party/advertising/ad_credits")
            ->ChildCount();
    };
    AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad"));
    AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad"));
    EXPECT_EQ(data->Ads()->ChildCount(), 2);
    AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad"));
    EXPECT_EQ(creditCount(), 3);
    // The last ad with the id takes its credit with it.
    AdsEdit::RemoveAd(*data, At(*data, TScenarioFile::Ads, "/ads/ad"));
    EXPECT_EQ(creditCount(), 2);
    EXPECT_EQ(data->Ads()->ChildCount(), 0);
}
