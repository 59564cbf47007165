#pragma once

#include <string>

class TScenarioData;
class TXmlNode;

// Document operations of the scenario settings editor and its sub-editors:
// economic targets, interviewers and debates of scenario.xml. The fixed
// elements (economy, targets, interviewers, debates) are never created
// here; where one is missing the lookups return null and the operations
// do nothing.
namespace ScenarioEdit {

// economy > targets; null when either is missing.
TXmlNode* Targets(const TScenarioData& data);
// interviewers; null when missing.
TXmlNode* Interviewers(const TScenarioData& data);
// debates; null when missing.
TXmlNode* Debates(const TScenarioData& data);
// debates > general_election; null when missing (a scenario may hold none).
TXmlNode* GeneralElectionDebates(const TScenarioData& data);

// Appends a target with a fresh id and its default children; null when
// targets is missing.
TXmlNode* NewTarget(TScenarioData& data);
// Brings targets stored in the older form (name attribute instead of the
// id attribute, no name child) to the current one. Returns how many
// targets changed.
int CompleteLegacyTargets(TScenarioData& data);

// Appends an interviewer with its default children; null when interviewers
// is missing.
TXmlNode* NewInterviewer(TScenarioData& data);

// A party's primaries debates are held in a list element named "party".
bool IsPrimariesList(const TXmlNode* list);
// The party's entry under debates > primaries, appended when the party has
// none yet; null when the party has no id or the scenario has no
// debates > primaries.
TXmlNode* PartyDebates(TScenarioData& data, const TXmlNode* party);
// Appends a debate with its default children to list; a primaries list
// gets no type.
TXmlNode* NewDebate(TScenarioData& data, TXmlNode* list);
// Appends a general-election debate, making the general_election list under
// debates first when the scenario has none; null when debates is missing.
TXmlNode* NewGeneralElectionDebate(TScenarioData& data);
// The text of a debate's list entry: "Leader - 12/12/2008", or the date
// alone for a debate without a type.
std::string DebateCaption(const TXmlNode* debate);

// Detaches item from list and destroys it with everything in it. False when
// it is not a child of list.
bool RemoveItem(TScenarioData& data, TXmlNode* list, TXmlNode* item);

} // namespace ScenarioEdit
