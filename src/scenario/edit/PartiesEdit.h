#pragma once

#include <cstdint>
#include <string>

class TScenarioData;
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
// Removes the party and its starting percentages. Its primary events,
// ballot entries and debates go at the next verification.
void RemoveParty(TScenarioData& data, TXmlNode* party);

// Up and Dn of the lists: exchanges child index with its neighbour
// (direction -1 or +1) and returns the index the child now has; at either
// end nothing changes.
int32_t MoveChild(TXmlNode* list, int32_t index, int direction);

} // namespace PartiesEdit
