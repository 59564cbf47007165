#pragma once

#include <string>
#include <vector>

class TScenarioData;
class TXmlNode;

// A party's data in the regions of political_units.xml, as the election
// events editor changes it: its primary or caucus event, its place on the
// general-election ballot, the governorship and the majority.
namespace RegionElectionEdit {

// Appends the party's primary event as a new party gets it: "Primary",
// "open", today's date, an empty ballot and FPP with 0 seats.
TXmlNode* AppendPrimaryEvent(TXmlNode* events, const std::string& partyId);

// The party's event in the region (its first event naming the party),
// appended when there is none, and completed with profile_bonus and
// seat > cut_off "0" when they are missing.
TXmlNode* PartyEvent(TScenarioData& data, TXmlNode* region, const std::string& partyId);
// The region's first event whose type is "general" in any case; null when
// it has none.
TXmlNode* GeneralEvent(const TXmlNode* region);

// The entries of the type list and what they write.
extern const char* const EventTypes[3]; // "Open Primary", "Closed Primary", "Caucus"
// The entry an event shows: for a primary its open_closed and type ("open"
// and "Primary" show "Open Primary"), otherwise its type ("caucus" shows
// "Caucus"); empty when no entry matches.
std::string EventTypeEntry(const TXmlNode* event);
// Writes type and open_closed for an entry of the type list.
void SetEventType(TScenarioData& data, TXmlNode* event, const std::string& entry);

bool OnBallot(const TXmlNode* region, const std::string& partyId);
// Puts the party on (or takes it off) the general-election ballot of every
// region, never twice. Returns the regions skipped for having no general
// event.
std::vector<TXmlNode*> SetOnBallot(TScenarioData& data, const std::vector<TXmlNode*>& regions,
                                   const std::string& partyId, bool on);

bool HasGovernor(const TXmlNode* region, const std::string& partyId);
bool HasMajority(const TXmlNode* region, const std::string& partyId);
// Gives every region's governorship to the party, or empties it whoever
// held it.
void SetGovernor(TScenarioData& data, const std::vector<TXmlNode*>& regions,
                 const std::string& partyId, bool on);
// Gives every region's majority to the party, or sets it to "-1" (none)
// whoever held it.
void SetMajority(TScenarioData& data, const std::vector<TXmlNode*>& regions,
                 const std::string& partyId, bool on);

} // namespace RegionElectionEdit
