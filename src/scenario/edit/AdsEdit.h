#pragma once

#include <cstdint>
#include <string>

class TScenarioData;
struct TRemovalRepairs;
class TXmlNode;

// Document operations of the ads editor.
namespace AdsEdit {

// Appends a complete new ad with the qualities low, med and high; null when
// ads.xml has no root.
TXmlNode* NewAd(TScenarioData& data);
// Appends one production quality to an ad_qualities element.
TXmlNode* NewQuality(TXmlNode* qualities, const std::string& id, const std::string& name,
                     const std::string& budget, const std::string& turnsToMake,
                     const std::string& chanceOfSuccess);
// Removes the ad with everything in it and the parties' credits for it
// (ReferencesEdit; a credit naming another ad of the same id stays). Returns
// the index of the ad before it (the one to select), -1 when it was the first
// or not an ad.
int32_t RemoveAd(TScenarioData& data, TXmlNode* ad, TRemovalRepairs* repairs = nullptr);

} // namespace AdsEdit
