#pragma once

#include <string>
#include <vector>

class TScenarioData;
class TXmlNode;

// percentages.xml as the party, leader and percentages editors change it.
namespace PercentagesEdit {

// The unit entries: the children of political_units under the root.
std::vector<TXmlNode*> UnitEntries(const TScenarioData& data);

// A party entry as new parties get it: every number "0", alienated "-1".
void AddPartyEntries(TScenarioData& data, const std::string& partyId);
// A leader entry under the party's entry of every unit (units without an
// entry for the party are left to the next verification's repair).
void AddLeaderEntries(TScenarioData& data, const std::string& partyId, const std::string& leaderId);
void RemoveLeaderEntries(TScenarioData& data, const std::string& leaderId);
// Copies the entries of leader sourceId, under newId: next to the source
// when targetPartyId is empty, else under that party's entry.
void CopyLeaderEntries(TScenarioData& data, const std::string& sourceId, const std::string& newId,
                       const std::string& targetPartyId = {});

// The percentages editor: one item per unit entry that holds the party's
// or leader's entry, with the name of its region.
struct TRegionEntry {
    std::string RegionName;
    TXmlNode* Entry = nullptr; // the party or leader entry
};
std::vector<TRegionEntry> EntriesOf(TScenarioData& data, const std::string& id);

// Whether owner is a party (a child of the root of parties.xml) rather
// than a leader.
bool IsParty(const TScenarioData& data, const TXmlNode* owner);
// The editor's caption for its owner: " Starting Percentages For The "
// name " Party ", or for a leader " Starting Percentages For " first and
// last name.
std::string OwnerCaption(const TScenarioData& data, const TXmlNode* owner);

enum class TShare { GeneralStart, PrimariesStart, Committed, Leaning, Undecided, Alienated };
// The element that holds a share of a party entry (isParty) or a leader
// entry; null when it is missing or a leader has no such share.
TXmlNode* ShareElement(TXmlNode* entry, bool isParty, TShare share);
// Writes text into that share of every entry (the selected regions).
void SetShare(const std::vector<TXmlNode*>& entries, bool isParty, TShare share,
              const std::string& text);

} // namespace PercentagesEdit
