#include "scenario/verify/FileVerifiers.h"

#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

bool VerifyAds(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Ads);
    return v.Run([&] {
        const TXmlNode* root = TVerifier::Need(data.Ads());
        for (int32_t i = 0; i < root->ChildCount(); ++i) {
            const TXmlNode* ad = root->GetChildAt(i);
            // Sections carry no ad name: the message's element tells which ad.
            const std::string section = "Ad";
            v.Check(ad, "name", TCheckKind::Text, true, section);
            v.Check(ad, "description", TCheckKind::Text, false, section);
            v.Check(ad, "universal_distribution", TCheckKind::Decimal, true, section);
            v.Check(ad, "cost_coefficient", TCheckKind::Decimal, true, section);
            v.Check(ad, "base_power", TCheckKind::Integer, true, section);
            v.Check(ad, "attack_backfire_chance", TCheckKind::Decimal, true, section);
            v.Check(ad, "attack_power_bonus", TCheckKind::Integer, true, section);
            v.Check(ad, "turns_to_start", TCheckKind::Integer, true, section);
            v.Check(ad, "turns_to_cancel", TCheckKind::Integer, true, section);
            v.Check(ad, "max_turns_can_run", TCheckKind::Integer, true, section);
            v.Check(ad, "immediately_available", TCheckKind::Integer, true, section);

            const TXmlNode* qualities = v.Group(ad, "ad_qualities", section);
            for (int32_t q = 0; q < qualities->ChildCount(); ++q) {
                const TXmlNode* quality = qualities->GetChildAt(q);
                v.Check(quality, "name", TCheckKind::Text, true, "Ad Qualities");
                v.Check(quality, "budget", TCheckKind::Decimal, true, "Ad Qualities");
                v.Check(quality, "turns_to_make", TCheckKind::Integer, true, "Ad Qualities");
                v.Check(quality, "chance_of_success", TCheckKind::Decimal, true, "Ad Qualities");
            }
        }
    });
}
