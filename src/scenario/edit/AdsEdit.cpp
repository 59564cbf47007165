#include "scenario/edit/AdsEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/ReferencesEdit.h"
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

int32_t RemoveAd(TScenarioData& data, TXmlNode* ad, TRemovalRepairs* repairs) {
    TXmlNode* root = data.Ads();
    if (!root || !ad || ad->Parent() != root)
        return -1;
    int32_t index = 0;
    while (index < root->ChildCount() && root->GetChildAt(index) != ad)
        ++index;
    if (!ReferencesEdit::Remove(data, ad, repairs))
        return -1;
    return index - 1;
}

} // namespace AdsEdit
