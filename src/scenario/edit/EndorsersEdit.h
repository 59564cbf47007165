#pragma once

#include "xml/TDate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TScenarioData;
struct TRemovalRepairs;
class TXmlAttribute;
class TXmlNode;

// Document operations of the endorser editor.
namespace EndorsersEdit {

// Appends a complete new endorser: national, for the whole campaign, with
// no stances and no particular issue. Null when endorsers.xml has no root.
TXmlNode* NewEndorser(TScenarioData& data);
// Removes the endorser with everything in it. Returns the index of the one
// before it (the one to select), -1 when it was the first or not found.
int32_t RemoveEndorser(TScenarioData& data, TXmlNode* endorser, TRemovalRepairs* repairs = nullptr);

// Stances. An empty id ("None") leaves the group empty; otherwise the group
// holds one party (leader) naming id, with initial stance "leaning" when it
// is new. Returns the party (leader) element, null for none.
TXmlNode* SetPartyStance(TScenarioData& data, TXmlNode* endorser, const std::string& partyId);
TXmlNode* SetLeaderStance(TScenarioData& data, TXmlNode* endorser, const std::string& leaderId);

// Dates: "-1" stands for the start of the primaries and for the end of the
// general election (scenario.xml). A chosen day on or before that start
// (on or after that end) is stored as "-1", any other as mm/dd/yyyy.
std::optional<TDate> PrimariesStart(const TScenarioData& data);
std::optional<TDate> GeneralElectionEnd(const TScenarioData& data);
std::string StartDateText(const TScenarioData& data, const TDate& chosen);
std::string EndDateText(const TScenarioData& data, const TDate& chosen);

// Regions. A national endorser has the single entry with id "-1".
bool IsNational(const TXmlNode* endorser);
// The entry of a region, appended with no bonus (momentum, foot soldiers and
// their chance "0") when the endorser has none yet.
TXmlNode* AddRegion(TScenarioData& data, TXmlNode* endorser, const std::string& regionId);
// Removes the region's entry; false when there was none.
bool RemoveRegion(TScenarioData& data, TXmlNode* endorser, const std::string& regionId);
// Replaces every entry by the national one with these bonuses.
TXmlNode* MakeNational(TScenarioData& data, TXmlNode* endorser, const std::string& momentum,
                       const std::string& footsoldiers, const std::string& chance);
// Removes every entry, national or regional.
void MakeRegional(TScenarioData& data, TXmlNode* endorser);
// The chance attribute of an entry's footsoldiers as the editor shows it:
// added as "33" when missing; for the national entry an empty chance
// becomes "0". Null when the entry has no footsoldiers.
TXmlAttribute* FootsoldierChance(TScenarioData& data, TXmlNode* entry);

// Writes one bonus of a region entry (national or regional), adding the
// element (or the chance attribute) when it is missing.
enum class TBonus { Momentum, Footsoldiers, Chance };
void SetBonus(TScenarioData& data, TXmlNode* entry, TBonus bonus, const std::string& text);
// The regions an endorser can name: the children of the political_units
// element of the first political unit (the nation). Empty when there is
// none.
std::vector<TXmlNode*> Regions(const TScenarioData& data);

// The favoured issue: its id ("-1" for none in particular), keeping the
// favoured position.
TXmlNode* SetIssue(TScenarioData& data, TXmlNode* endorser, const std::string& issueId);

} // namespace EndorsersEdit
