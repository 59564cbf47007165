#pragma once

#include <array>
#include <string>
#include <vector>

class TScenarioData;
class TXmlNode;

// relations.xml as the party relations editor changes it.
namespace RelationsEdit {

// "Very Good" ... "Very Bad", as the editor offers and writes them.
const std::array<const char*, 5>& Ratings();

struct TLeaderItem {
    TXmlNode* Leader = nullptr;
    std::string Name; // first name, a blank, last name
};
// Every leader of every party, in file order.
std::vector<TLeaderItem> Leaders(const TScenarioData& data);

// The relations (the root's leaders element), added when missing; null
// without a relations document.
TXmlNode* RelationList(TScenarioData& data);
// Removes the relations whose from or to leader no longer exists (also one
// without the attribute); returns how many went.
int RemoveStaleRelations(TScenarioData& data);
// "from name <----> to name : rating"
std::string RelationLine(const TScenarioData& data, const TXmlNode* relation);
TXmlNode* AddRelation(TScenarioData& data, const std::string& fromId, const std::string& toId,
                      const std::string& rating);
void RemoveRelation(TScenarioData& data, TXmlNode* relation);

} // namespace RelationsEdit
