#include "scenario/edit/RelationsEdit.h"

#include "scenario/TScenarioData.h"
#include "xml/TXmlNode.h"

namespace RelationsEdit {

namespace {

std::string NameOf(const TXmlNode* leader) {
    const TXmlNode* first = leader->GetChild("firstname");
    const TXmlNode* last = leader->GetChild("lastname");
    return (first ? first->GetText() : std::string()) + " " +
           (last ? last->GetText() : std::string());
}

// The leader named by a relation end; null when the attribute is missing or
// names no leader.
const TXmlNode* EndLeader(const TScenarioData& data, const TXmlNode* relation, const char* end) {
    const TXmlAttribute* id = relation->GetAttribute(end);
    TXmlNode* parties = data.Parties();
    return id && parties ? parties->FindNode("leader", "id", id->Value) : nullptr;
}

} // namespace

const std::array<const char*, 5>& Ratings() {
    static const std::array<const char*, 5> ratings = {"Very Good", "Good", "Normal", "Bad",
                                                       "Very Bad"};
    return ratings;
}

std::vector<TLeaderItem> Leaders(const TScenarioData& data) {
    std::vector<TLeaderItem> items;
    const TXmlNode* parties = data.Parties();
    for (int32_t p = 0; parties && p < parties->ChildCount(); ++p) {
        const TXmlNode* leaders = parties->GetChildAt(p)->GetChild("leaders");
        for (int32_t l = 0; leaders && l < leaders->ChildCount(); ++l)
            items.push_back({leaders->GetChildAt(l), NameOf(leaders->GetChildAt(l))});
    }
    return items;
}

TXmlNode* RelationList(TScenarioData& data) {
    TXmlNode* root = data.Relations();
    if (!root)
        return nullptr;
    if (TXmlNode* list = root->GetChild("leaders"))
        return list;
    data.SetChanged();
    return root->AddNewChild("leaders");
}

int RemoveStaleRelations(TScenarioData& data) {
    TXmlNode* list = RelationList(data);
    int removed = 0;
    for (int32_t i = 0; list && i < list->ChildCount();) {
        const TXmlNode* relation = list->GetChildAt(i);
        if (EndLeader(data, relation, "from") && EndLeader(data, relation, "to")) {
            ++i;
            continue;
        }
        list->RemoveChild(list->GetChildAt(i));
        ++removed;
    }
    if (removed > 0)
        data.SetChanged();
    return removed;
}

std::string RelationLine(const TScenarioData& data, const TXmlNode* relation) {
    const TXmlNode* from = EndLeader(data, relation, "from");
    const TXmlNode* to = EndLeader(data, relation, "to");
    return (from ? NameOf(from) : std::string()) + " <----> " + (to ? NameOf(to) : std::string()) +
           " : " + relation->GetText();
}

TXmlNode* AddRelation(TScenarioData& data, const std::string& fromId, const std::string& toId,
                      const std::string& rating) {
    TXmlNode* list = RelationList(data);
    if (!list)
        return nullptr;
    TXmlNode* relation = list->AddNewChild("relation", rating);
    relation->SetAttribute("from", fromId);
    relation->SetAttribute("to", toId);
    data.SetChanged();
    return relation;
}

void RemoveRelation(TScenarioData& data, TXmlNode* relation) {
    TXmlNode* list = data.Relations() ? data.Relations()->GetChild("leaders") : nullptr;
    if (list && list->RemoveChild(relation))
        data.SetChanged();
}

} // namespace RelationsEdit
