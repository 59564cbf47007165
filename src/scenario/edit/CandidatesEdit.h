#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TScenarioData;
struct TRemovalRepairs;
class TXmlNode;

// Document operations of the candidates list and the candidate editors.
namespace CandidatesEdit {

// Appends a new vice-leader to the party's pool (viceleaders).
TXmlNode* NewViceLeader(TScenarioData& data, TXmlNode* party);
// Appends a new leader to the party's leaders, with its entries in
// percentages.xml.
TXmlNode* NewLeader(TScenarioData& data, TXmlNode* party);
// Appends a new crusader to a leader's crusaders.
TXmlNode* NewCrusader(TScenarioData& data, TXmlNode* leader);

// Removes a leader with its entries in percentages.xml; what else names the
// leader is repaired (ReferencesEdit).
void RemoveLeader(TScenarioData& data, TXmlNode* leader, TRemovalRepairs* repairs = nullptr);
// Removes a vice-leader from its pool, and the running-mate entries that
// name it from its party's leaders; what else names it is repaired.
void RemoveViceLeader(TScenarioData& data, TXmlNode* viceLeader,
                      TRemovalRepairs* repairs = nullptr);
// Removes this crusader element (every crusader has the id "new_crusader",
// so the element itself says which one).
void RemoveCrusader(TScenarioData& data, TXmlNode* crusader, TRemovalRepairs* repairs = nullptr);
// Up and Dn of the leaders list: returns the leader's index afterwards.
int32_t MoveLeader(TScenarioData& data, TXmlNode* leader, int direction);

// A copy of the leader at the end of its own party's leaders, with a new
// id, its own copies of the portrait files and of its percentages entries.
TXmlNode* CopyLeader(TScenarioData& data, TXmlNode* leader);
// A copy in another party: a new id, the same portrait files, percentages
// entries under the target party's entries. Only the running mates that
// are in the target party's pool stay; a copy left without one is
// reported by the verification until the designer chooses some.
TXmlNode* CopyLeaderTo(TScenarioData& data, TXmlNode* leader, TXmlNode* targetParty);
// A copy of the vice-leader with a new id at the end of targetParty's pool.
TXmlNode* CopyViceLeader(TScenarioData& data, TXmlNode* viceLeader, TXmlNode* targetParty);

// The portrait folder of a scenario folder.
std::string PortraitFolder(const TScenarioData& data);
// The name under which a chosen portrait file is stored: suffix ("_large"
// or "_small") goes before the extension unless the name, without its
// last four characters, already ends in it (any letter case).
std::string PortraitName(const std::string& chosen, const std::string& suffix);

// Empty portrait names become the leader's id followed by "_large.bmp"
// and "_small.bmp"; returns whether anything was written.
bool EnsurePortraitNames(TScenarioData& data, TXmlNode* leader);

// "firstname lastname" of a candidate, as the lists show it.
std::string CandidateName(const TXmlNode* candidate);
// The party whose pool or leaders hold the candidate; null when none.
TXmlNode* PartyOf(const TScenarioData& data, const TXmlNode* candidate);
// The vice-leader with that id in the party's pool (never one of the
// leaders' running-mate entries, which have the same element name).
TXmlNode* PoolViceLeader(const TXmlNode* party, const std::string& id);

// The running-mate chooser's two lists: the pool's vice-leaders that are
// not running mates of the leader, and the leader's running-mate entries
// in pool order, followed by entries whose vice-leader does not exist.
struct TRunningMate {
    std::string Id;
    TXmlNode* ViceLeader = nullptr; // null when the id names no pool member
};
struct TRunningMateSplit {
    std::vector<TXmlNode*> Available;
    std::vector<TRunningMate> Selected;
};
TRunningMateSplit SplitRunningMates(const TXmlNode* party, const TXmlNode* leader);

// A vice-leader's home region; its home bonus entry follows.
void SetViceLeaderHome(TScenarioData& data, TXmlNode* viceLeader, const std::string& regionId);
// Gives a leader a bonus entry (bonus "0") for every region that has none;
// returns whether anything was added.
bool EnsureRegionBonuses(TScenarioData& data, TXmlNode* leader);

// A leader's running mates, by vice-leader id; adding one twice adds it once.
void AddRunningMate(TScenarioData& data, TXmlNode* leader, const std::string& viceLeaderId);
void RemoveRunningMate(TScenarioData& data, TXmlNode* leader, const std::string& viceLeaderId);

} // namespace CandidatesEdit
