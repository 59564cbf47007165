#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TScenarioData;
struct TRemovalRepairs;
class TXmlNode;

// Document operations of the parties list and the party editor.
namespace PartiesEdit {

// Today's local date as the scenario files write it, mm/dd/yyyy.
std::string TodayText();
// The regions: the political_units element of the nation (the first child
// of the root of political_units.xml); null when there is none.
TXmlNode* RegionList(const TScenarioData& data);
// The id of the first region, "-1" when there is no region.
std::string FirstRegionId(const TScenarioData& data);

// Appends a complete new party to parties.xml, with a primary event for it
// in every region and its entry in every unit of percentages.xml.
TXmlNode* NewParty(TScenarioData& data);
// Removes the party with everything that names it or its candidates
// (ReferencesEdit): its starting percentages, its primary events, ballot
// places and primaries debates, relations, endorser stances and event
// effects. Regions it held go back to none: majority "-1", governor empty.
void RemoveParty(TScenarioData& data, TXmlNode* party, TRemovalRepairs* repairs = nullptr);

// The parties other than except, in document order (the party chooser).
std::vector<TXmlNode*> OtherParties(const TScenarioData& data, const TXmlNode* except);

// Ad credits (advertising > ad_credits). An entry keeps its ad; a credit
// naming an ad that no longer exists is listed by its id with a null Ad,
// so it can still be removed.
struct TAdItem {
    std::string Id;
    std::string Name;
    TXmlNode* Ad = nullptr;
};
struct TAdCreditLists {
    std::vector<TAdItem> Available; // ads without a credit, in ads.xml order
    std::vector<TAdItem> Selected;  // ads with a credit, then unknown credits
};
TAdCreditLists AdCreditLists(const TScenarioData& data, const TXmlNode* party);
// The credit for adId; null when there is none.
TXmlNode* AdCredit(const TXmlNode* party, const std::string& adId);
// Adds a credit with credits "1" (the existing one when there is one).
TXmlNode* AddAdCredit(TScenarioData& data, TXmlNode* party, const std::string& adId);
// Removes every credit for adId.
void RemoveAdCredit(TScenarioData& data, TXmlNode* party, const std::string& adId);

// An empty picture name becomes the party's id followed by ".bmp";
// returns the name.
std::string EnsurePictureName(TScenarioData& data, TXmlNode* party);

// The convention's host region.
void SetConventionRegion(TScenarioData& data, TXmlNode* party, const std::string& regionId);

// A party's primaries debates in scenario.xml, with the primaries group
// and the party's entry made when missing; null without debates.
TXmlNode* PrimariesDebates(TScenarioData& data, TXmlNode* party);

// A platform (a party's or a leader's) as its editor shows it: one row per
// issue of issues.xml that the platform has an entry for.
struct TPlatformRow {
    TXmlNode* Issue = nullptr;
    TXmlNode* Entry = nullptr;
};
std::vector<TPlatformRow> PlatformRows(const TScenarioData& data, const TXmlNode* platform);
// 1 (far-left) to 7 (far-right); 0 when the text names no position.
int PlatformPosition(const TXmlNode* entry);
// Writes "Far-Left" ... "Far-Right" for number 1 to 7.
void SetPlatformPosition(TScenarioData& data, TXmlNode* entry, int number);
// The issue's position number: its name and description joined by " - ".
std::string PositionDescription(const TXmlNode* issue, int number);

// Up and Dn of the lists: exchanges child index with its neighbour
// (direction -1 or +1) and returns the index the child now has; at either
// end nothing changes.
int32_t MoveChild(TXmlNode* list, int32_t index, int direction);

} // namespace PartiesEdit
