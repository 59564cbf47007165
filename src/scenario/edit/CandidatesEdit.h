#pragma once

#include <string>

class TScenarioData;
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

// Removes a leader with its entries in percentages.xml.
void RemoveLeader(TScenarioData& data, TXmlNode* leader);
// Removes a vice-leader; running mates naming it stay, for the
// verification to report.
void RemoveViceLeader(TScenarioData& data, TXmlNode* viceLeader);

// A copy of the leader at the end of its own party's leaders, with a new
// id, its own copies of the portrait files and of its percentages entries.
TXmlNode* CopyLeader(TScenarioData& data, TXmlNode* leader);
// A copy in another party: a new id, the same portrait files, percentages
// entries under the target party's entries.
TXmlNode* CopyLeaderTo(TScenarioData& data, TXmlNode* leader, TXmlNode* targetParty);
// A copy of the vice-leader with a new id at the end of targetParty's pool.
TXmlNode* CopyViceLeader(TScenarioData& data, TXmlNode* viceLeader, TXmlNode* targetParty);

// The portrait folder of a scenario folder.
std::string PortraitFolder(const TScenarioData& data);
// The name under which a chosen portrait file is stored: suffix ("_large"
// or "_small") goes before the extension unless the name, without its
// last four characters, already ends in it (any letter case).
std::string PortraitName(const std::string& chosen, const std::string& suffix);

// A vice-leader's home region; its home bonus entry follows.
void SetViceLeaderHome(TScenarioData& data, TXmlNode* viceLeader, const std::string& regionId);
// Gives a leader a bonus entry (bonus "0") for every region that has none;
// returns whether anything was added.
bool EnsureRegionBonuses(TScenarioData& data, TXmlNode* leader);

// A leader's running mates, by vice-leader id; adding one twice adds it once.
void AddRunningMate(TScenarioData& data, TXmlNode* leader, const std::string& viceLeaderId);
void RemoveRunningMate(TScenarioData& data, TXmlNode* leader, const std::string& viceLeaderId);

} // namespace CandidatesEdit
