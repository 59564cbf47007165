#include "scenario/edit/PercentagesEdit.h"

#include "scenario/TScenarioData.h"
#include "xml/TXmlNode.h"

namespace PercentagesEdit {

namespace {

TXmlNode* PartyEntryOf(TXmlNode* unit, const std::string& partyId) {
    TXmlNode* entries = unit->GetChild("parties");
    return entries ? entries->FindNode("party", "id", partyId) : nullptr;
}

// Removes every element called name with that id below node.
bool RemoveAllBelow(TXmlNode* node, const std::string& name, const std::string& id) {
    bool removed = false;
    while (true) {
        TXmlNode* found = nullptr;
        for (int32_t i = 0; i < node->ChildCount() && !found; ++i)
            found = node->GetChildAt(i)->FindNode(name, "id", id);
        if (!found)
            return removed;
        // A found element always has a parent below or at node.
        TXmlNode* parent = found->Parent();
        if (!parent || !parent->RemoveChild(found))
            return removed;
        removed = true;
    }
}

} // namespace

std::vector<TXmlNode*> UnitEntries(const TScenarioData& data) {
    std::vector<TXmlNode*> units;
    const TXmlNode* root = data.Percentages();
    const TXmlNode* list = root ? root->GetChild("political_units") : nullptr;
    for (int32_t i = 0; list && i < list->ChildCount(); ++i)
        units.push_back(list->GetChildAt(i));
    return units;
}

void AddPartyEntries(TScenarioData& data, const std::string& partyId) {
    for (TXmlNode* unit : UnitEntries(data)) {
        TXmlNode* entries = unit->GetChild("parties");
        if (!entries)
            entries = unit->AddNewChild("parties");
        TXmlNode* entry = entries->AddNewChild("party");
        entry->SetAttribute("id", partyId);
        TXmlNode* general = entry->AddNewChild("general_election");
        general->AddNewChild("starting_percentage", "0");
        general->AddNewChild("undecided", "0");
        general->AddNewChild("alienated", "-1");
        general->AddNewChild("leaning", "0");
        general->AddNewChild("committed", "0");
        TXmlNode* primaries = entry->AddNewChild("primaries");
        primaries->AddNewChild("starting_percentage", "0");
        primaries->AddNewChild("leaders");
        data.SetChanged();
    }
}

void AddLeaderEntries(TScenarioData& data, const std::string& partyId,
                      const std::string& leaderId) {
    for (TXmlNode* unit : UnitEntries(data)) {
        TXmlNode* entry = PartyEntryOf(unit, partyId);
        if (!entry)
            continue;
        TXmlNode* primaries = entry->GetChild("primaries");
        if (!primaries)
            primaries = entry->AddNewChild("primaries");
        TXmlNode* leaders = primaries->GetChild("leaders");
        if (!leaders)
            leaders = primaries->AddNewChild("leaders");
        TXmlNode* leader = leaders->AddNewChild("leader");
        leader->SetAttribute("id", leaderId);
        leader->AddNewChild("starting_percentage", "0");
        leader->AddNewChild("committed", "0");
        leader->AddNewChild("leaning", "0");
        leader->AddNewChild("undecided", "0");
        leader->AddNewChild("alienated", "-1");
        data.SetChanged();
    }
}

void RemoveLeaderEntries(TScenarioData& data, const std::string& leaderId) {
    for (TXmlNode* unit : UnitEntries(data))
        if (RemoveAllBelow(unit, "leader", leaderId))
            data.SetChanged();
}

void CopyLeaderEntries(TScenarioData& data, const std::string& sourceId, const std::string& newId,
                       const std::string& targetPartyId) {
    for (TXmlNode* unit : UnitEntries(data)) {
        const TXmlNode* source = unit->FindNode("leader", "id", sourceId);
        if (!source)
            continue;
        TXmlNode* leaders = source->Parent();
        if (!targetPartyId.empty()) {
            TXmlNode* entry = PartyEntryOf(unit, targetPartyId);
            TXmlNode* primaries = entry ? entry->GetChild("primaries") : nullptr;
            leaders = primaries ? primaries->GetChild("leaders") : nullptr;
        }
        if (!leaders)
            continue;
        auto copy = std::make_unique<TXmlNode>(leaders);
        TXmlNode::CopyNode(copy.get(), source);
        copy->SetAttribute("id", newId);
        leaders->AddChild(std::move(copy));
        data.SetChanged();
    }
}

std::vector<TRegionEntry> EntriesOf(TScenarioData& data, const std::string& id) {
    std::vector<TRegionEntry> result;
    TXmlNode* regionsRoot = data.PoliticalUnits();
    for (TXmlNode* unit : UnitEntries(data)) {
        TXmlNode* entries = unit->GetChild("parties");
        TXmlNode* entry = entries ? entries->FindNode("", "id", id) : nullptr;
        if (!entry)
            continue;
        const TXmlNode* region =
            regionsRoot ? regionsRoot->FindNode("", "id", unit->AttributeValue("id")) : nullptr;
        const TXmlNode* name = region ? region->GetChild("name") : nullptr;
        result.push_back({name ? name->GetText() : std::string(), entry});
    }
    return result;
}

bool IsParty(const TScenarioData& data, const TXmlNode* owner) {
    return owner && data.Parties() && owner->Parent() == data.Parties();
}

std::string OwnerCaption(const TScenarioData& data, const TXmlNode* owner) {
    auto text = [owner](const char* name) {
        const TXmlNode* child = owner ? owner->GetChild(name) : nullptr;
        return child ? child->GetText() : std::string();
    };
    if (IsParty(data, owner))
        return " Starting Percentages For The " + text("name") + " Party ";
    return " Starting Percentages For " + text("firstname") + " " + text("lastname");
}

TXmlNode* ShareElement(TXmlNode* entry, bool isParty, TShare share) {
    if (!entry)
        return nullptr;
    const char* name = nullptr;
    switch (share) {
    case TShare::GeneralStart:
    case TShare::PrimariesStart:
        name = "starting_percentage";
        break;
    case TShare::Committed:
        name = "committed";
        break;
    case TShare::Leaning:
        name = "leaning";
        break;
    case TShare::Undecided:
        name = "undecided";
        break;
    case TShare::Alienated:
        name = "alienated";
        break;
    }
    if (!isParty)
        return share == TShare::GeneralStart ? nullptr : entry->GetChild(name);
    TXmlNode* group =
        entry->GetChild(share == TShare::PrimariesStart ? "primaries" : "general_election");
    return group ? group->GetChild(name) : nullptr;
}

void SetShare(const std::vector<TXmlNode*>& entries, bool isParty, TShare share,
              const std::string& text) {
    for (TXmlNode* entry : entries)
        if (TXmlNode* element = ShareElement(entry, isParty, share))
            element->SetText(text);
}

} // namespace PercentagesEdit
