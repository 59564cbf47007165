#include "scenario/edit/AdsEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "xml/TXmlNode.h"

namespace AdsEdit {

TXmlNode* NewAd(TScenarioData& data) {
    TXmlNode* root = data.Ads();
    if (!root)
        return nullptr;
    TXmlNode* ad = root->AddNewChild("ad");
    ad->SetAttribute("id", ValueEncodings::NewId());
    ad->AddNewChild("name", "New Ad");
    ad->AddNewChild("description", "Add Description Here");
    ad->AddNewChild("universal_distribution", "0");
    ad->AddNewChild("cost_coefficient", "0.5");
    ad->AddNewChild("base_power", "1");
    ad->AddNewChild("attack_backfire_chance", "15");
    ad->AddNewChild("attack_power_bonus", "1");
    ad->AddNewChild("turns_to_start", "0");
    ad->AddNewChild("turns_to_cancel", "0");
    ad->AddNewChild("max_turns_can_run", "5");
    ad->AddNewChild("immediately_available", "0");
    TXmlNode* qualities = ad->AddNewChild("ad_qualities");
    NewQuality(qualities, "low", "Low", "1000", "2", "5");
    NewQuality(qualities, "med", "Med", "2000", "3", "10");
    NewQuality(qualities, "high", "High", "5000", "5", "15");
    data.SetChanged();
    return ad;
}

TXmlNode* NewQuality(TXmlNode* qualities, const std::string& id, const std::string& name,
                     const std::string& budget, const std::string& turnsToMake,
                     const std::string& chanceOfSuccess) {
    if (!qualities)
        return nullptr;
    TXmlNode* quality = qualities->AddNewChild("quality");
    quality->SetAttribute("id", id);
    quality->AddNewChild("name", name);
    quality->AddNewChild("budget", budget);
    quality->AddNewChild("turns_to_make", turnsToMake);
    quality->AddNewChild("chance_of_success", chanceOfSuccess);
    return quality;
}

int32_t RemoveAd(TScenarioData& data, TXmlNode* ad) {
    TXmlNode* root = data.Ads();
    if (!root || !ad)
        return -1;
    int32_t index = 0;
    while (index < root->ChildCount() && root->GetChildAt(index) != ad)
        ++index;
    const std::string id = ad->AttributeValue("id");
    if (!root->RemoveChild(ad))
        return -1;
    // The parties' credits for the ad would name an ad no list shows any
    // more, and verification would report them with no way to fix it. A
    // credit whose id is no id ("" or the "none" value "-1"), or is still
    // another ad's, belongs to someone else and stays.
    bool stillUsed = id.empty() || id == "-1";
    for (int32_t a = 0; a < root->ChildCount() && !stillUsed; ++a)
        stillUsed = root->GetChildAt(a)->AttributeValue("id") == id;
    if (TXmlNode* parties = stillUsed ? nullptr : data.Parties())
        for (int32_t p = 0; p < parties->ChildCount(); ++p) {
            TXmlNode* advertising = parties->GetChildAt(p)->GetChild("advertising");
            TXmlNode* credits = advertising ? advertising->GetChild("ad_credits") : nullptr;
            for (int32_t c = credits ? credits->ChildCount() - 1 : -1; c >= 0; --c)
                if (credits->GetChildAt(c)->AttributeValue("id") == id)
                    credits->RemoveChild(credits->GetChildAt(c));
        }
    data.SetChanged();
    return index - 1;
}

} // namespace AdsEdit
