#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TScenarioData;
struct TRemovalRepairs;
class TXmlNode;

// Document operations of the political unit editor and the issue centres
// form: the nation and its regions in political_units.xml, with the unit
// entries of percentages.xml kept in step.
namespace PoliticalUnitsEdit {

// The first child of the root; null when there is none.
TXmlNode* Nation(const TScenarioData& data);
// The nation's political_units; null when missing.
TXmlNode* RegionList(const TScenarioData& data);
std::vector<TXmlNode*> Regions(const TScenarioData& data);

// A new region for an area clicked at (x, y), complete with every child
// and its default, not yet in the document: one fill point and the
// abbreviation at (x, y), one issue centre per issue and a copy of the
// nation's election events. Governor and majority name no party ("-1").
// Null when the nation has no political_units.
std::unique_ptr<TXmlNode> NewRegion(const TScenarioData& data, int32_t x, int32_t y);
// Attaches a new region as the last region and appends its unit entry,
// with no parties, to percentages.xml. Returns the region.
TXmlNode* AddRegion(TScenarioData& data, std::unique_ptr<TXmlNode> region);
// Appends a copy of point (a fill point of another region) to region's
// fill points; map and fill_positions are made when missing. Returns the
// copy.
TXmlNode* AddToExisting(TScenarioData& data, TXmlNode* region, const TXmlNode* point);
// Removes a fill point of a region that has more than one; false (and
// nothing changed) otherwise.
bool RemovePoint(TScenarioData& data, TXmlNode* region, TXmlNode* point);

// Removes a region with its unit entry in percentages.xml, and mends what
// referred to it (ReferencesEdit): endorser entries for it are removed, so
// are leader and vice-leader bonus entries for it; a candidate whose home it
// was and a convention held in it are set to "-1" (the convention is then
// reported and chosen again in the party editor). Returns the index of the
// region before it, -1 when it was the first (or not a region).
int32_t RemoveRegion(TScenarioData& data, TXmlNode* region, TRemovalRepairs* repairs = nullptr);
// RemoveRegion for every region; percentages.xml keeps no unit entry.
void RemoveAllRegions(TScenarioData& data, TRemovalRepairs* repairs = nullptr);
// Exchanges regions i and j; false when either is not a region.
bool ExchangeRegions(TScenarioData& data, int32_t i, int32_t j);

// The unit's general election event (type "general" in any case), appended
// when missing: dated at the general election's end date, with an empty
// ballot and seat type "FPP", number "0". Null when the unit has no
// election_events.
TXmlNode* GeneralElection(TScenarioData& data, TXmlNode* unit);

// Cities: a new city at the end of the unit's cities (made when missing).
TXmlNode* AddCity(TScenarioData& data, TXmlNode* unit, const std::string& name);
void RemoveCity(TScenarioData& data, TXmlNode* city);

// Issue centres. The unit's centre for an issue; null when it has none.
TXmlNode* IssueCentre(const TXmlNode* unit, const std::string& issueId);
// Position issues: those whose type is not "attribute".
std::vector<TXmlNode*> PositionIssues(const TScenarioData& data);
// The position (1 to 7) of the unit's centre on the issue; 4 when it is
// unset or unreadable.
int32_t CentrePosition(const TXmlNode* unit, const std::string& issueId);
// Sets the centre of every unit for the issue to the position's name
// ("Far-Left" ... "Far-Right"); a unit without a centre for it gets one.
void SetCentre(TScenarioData& data, const std::vector<TXmlNode*>& units, const std::string& issueId,
               int32_t position);
// Profiles are national: profile is "initial_primaries_profile" or
// "initial_generalelection_profile"; the value goes into the issue's
// centre of the nation and of every region that has one.
void SetProfile(TScenarioData& data, const std::string& issueId, const std::string& profile,
                const std::string& value);

} // namespace PoliticalUnitsEdit
