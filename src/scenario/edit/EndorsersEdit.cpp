#include "scenario/edit/EndorsersEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/TXmlNode.h"

namespace EndorsersEdit {

namespace {

TXmlNode* GroupOf(TXmlNode* endorser, const std::string& name) {
    if (!endorser)
        return nullptr;
    TXmlNode* group = endorser->GetChild(name);
    return group ? group : endorser->AddNewChild(name);
}

void Empty(TXmlNode* group) {
    while (group->ChildCount() > 0)
        group->RemoveChild(group->GetChildAt(0));
    group->SetText("");
}

TXmlNode* SetStance(TScenarioData& data, TXmlNode* endorser, const std::string& groupName,
                    const std::string& target, const std::string& id) {
    TXmlNode* group = GroupOf(endorser, groupName);
    if (!group)
        return nullptr;
    data.SetChanged();
    if (id.empty()) {
        Empty(group);
        return nullptr;
    }
    TXmlNode* chosen = group->GetChild(target);
    if (!chosen)
        chosen = group->AddNewChild(target);
    // A stance without its word could not be shown or chosen.
    if (!chosen->GetChild("initial_stance"))
        chosen->AddNewChild("initial_stance", "leaning");
    chosen->SetAttribute("id", id);
    return chosen;
}

std::optional<TDate> DateAt(const TScenarioData& data, const char* group, const char* field) {
    const TXmlNode* root = data.Scenario();
    const TXmlNode* g = root ? root->GetChild(group) : nullptr;
    const TXmlNode* date = g ? g->GetChild(field) : nullptr;
    return date ? TDate::Parse(date->GetText()) : std::nullopt;
}

} // namespace

TXmlNode* NewEndorser(TScenarioData& data) {
    TXmlNode* root = data.Endorsers();
    if (!root)
        return nullptr;
    TXmlNode* endorser = root->AddNewChild("endorser");
    endorser->SetAttribute("id", ValueEncodings::NewId());
    endorser->AddNewChild("name", "New Endorser");
    endorser->AddNewChild("description");
    // "-1": from the start of the primaries to the end of the general election.
    endorser->AddNewChild("start_date", "-1");
    endorser->AddNewChild("end_date", "-1");
    endorser->AddNewChild("pp_effect", "0");
    endorser->AddNewChild("party_stance");
    endorser->AddNewChild("leader_stance");
    endorser->AddNewChild("monetary_bonus", "0");
    TXmlNode* nation =
        endorser->AddNewChild("political_units_affected")->AddNewChild("political_unit");
    nation->SetAttribute("id", "-1");
    nation->AddNewChild("momentum", "0");
    nation->AddNewChild("footsoldiers", "0")->SetAttribute("chance", "33");
    TXmlNode* issue = endorser->AddNewChild("issues", "0")->AddNewChild("issue");
    issue->SetAttribute("id", "-1");
    issue->AddNewChild("favored_position", "center");
    data.SetChanged();
    return endorser;
}

int32_t RemoveEndorser(TScenarioData& data, TXmlNode* endorser, TRemovalRepairs* repairs) {
    TXmlNode* root = data.Endorsers();
    for (int32_t i = 0; root && endorser && i < root->ChildCount(); ++i)
        if (root->GetChildAt(i) == endorser)
            return ReferencesEdit::Remove(data, endorser, repairs) ? i - 1 : -1;
    return -1;
}

TXmlNode* SetPartyStance(TScenarioData& data, TXmlNode* endorser, const std::string& partyId) {
    return SetStance(data, endorser, "party_stance", "party", partyId);
}

TXmlNode* SetLeaderStance(TScenarioData& data, TXmlNode* endorser, const std::string& leaderId) {
    return SetStance(data, endorser, "leader_stance", "leader", leaderId);
}

std::optional<TDate> PrimariesStart(const TScenarioData& data) {
    return DateAt(data, "primaries", "start_date");
}

std::optional<TDate> GeneralElectionEnd(const TScenarioData& data) {
    return DateAt(data, "general_election", "end_date");
}

std::string StartDateText(const TScenarioData& data, const TDate& chosen) {
    const auto start = PrimariesStart(data);
    return start && chosen <= *start ? "-1" : chosen.ToString();
}

std::string EndDateText(const TScenarioData& data, const TDate& chosen) {
    const auto end = GeneralElectionEnd(data);
    return end && chosen >= *end ? "-1" : chosen.ToString();
}

bool IsNational(const TXmlNode* endorser) {
    const TXmlNode* units = endorser ? endorser->GetChild("political_units_affected") : nullptr;
    const TXmlNode* first = units ? units->GetChildAt(0) : nullptr;
    return first && first->AttributeValue("id") == "-1";
}

TXmlNode* AddRegion(TScenarioData& data, TXmlNode* endorser, const std::string& regionId) {
    TXmlNode* units = GroupOf(endorser, "political_units_affected");
    if (!units)
        return nullptr;
    if (TXmlNode* existing = units->FindChild("", "id", regionId))
        return existing;
    TXmlNode* entry = units->AddNewChild("political_unit");
    entry->SetAttribute("id", regionId);
    entry->AddNewChild("momentum", "0");
    entry->AddNewChild("footsoldiers", "0")->SetAttribute("chance", "0");
    data.SetChanged();
    return entry;
}

bool RemoveRegion(TScenarioData& data, TXmlNode* endorser, const std::string& regionId) {
    TXmlNode* units = endorser ? endorser->GetChild("political_units_affected") : nullptr;
    TXmlNode* entry = units ? units->FindChild("", "id", regionId) : nullptr;
    if (!entry)
        return false;
    units->RemoveChild(entry);
    data.SetChanged();
    return true;
}

TXmlNode* MakeNational(TScenarioData& data, TXmlNode* endorser, const std::string& momentum,
                       const std::string& footsoldiers, const std::string& chance) {
    TXmlNode* units = GroupOf(endorser, "political_units_affected");
    if (!units)
        return nullptr;
    Empty(units);
    TXmlNode* entry = units->AddNewChild("political_unit");
    entry->SetAttribute("id", "-1");
    entry->AddNewChild("momentum", momentum);
    entry->AddNewChild("footsoldiers", footsoldiers)->SetAttribute("chance", chance);
    data.SetChanged();
    return entry;
}

void MakeRegional(TScenarioData& data, TXmlNode* endorser) {
    if (TXmlNode* units = GroupOf(endorser, "political_units_affected")) {
        Empty(units);
        data.SetChanged();
    }
}

TXmlAttribute* FootsoldierChance(TScenarioData& data, TXmlNode* entry) {
    TXmlNode* soldiers = entry ? entry->GetChild("footsoldiers") : nullptr;
    if (!soldiers)
        return nullptr;
    TXmlAttribute* chance = soldiers->GetAttribute("chance");
    if (!chance) {
        soldiers->SetAttribute("chance", "33");
        data.SetChanged();
    } else if (chance->Value.empty() && entry->AttributeValue("id") == "-1") {
        soldiers->SetAttribute("chance", "0");
        data.SetChanged();
    }
    return soldiers->GetAttribute("chance");
}

void SetBonus(TScenarioData& data, TXmlNode* entry, TBonus bonus, const std::string& text) {
    if (!entry)
        return;
    const char* name = bonus == TBonus::Momentum ? "momentum" : "footsoldiers";
    TXmlNode* element = entry->GetChild(name);
    if (!element)
        element = entry->AddNewChild(name, bonus == TBonus::Chance ? "0" : "");
    if (bonus == TBonus::Chance)
        element->SetAttribute("chance", text);
    else
        element->SetText(text);
    data.SetChanged();
}

std::vector<TXmlNode*> Regions(const TScenarioData& data) {
    const TXmlNode* root = data.PoliticalUnits();
    const TXmlNode* nation = root ? root->GetChildAt(0) : nullptr;
    const TXmlNode* units = nation ? nation->GetChild("political_units") : nullptr;
    std::vector<TXmlNode*> regions;
    for (int32_t i = 0; units && i < units->ChildCount(); ++i)
        regions.push_back(units->GetChildAt(i));
    return regions;
}

TXmlNode* SetIssue(TScenarioData& data, TXmlNode* endorser, const std::string& issueId) {
    TXmlNode* issues = GroupOf(endorser, "issues");
    if (!issues)
        return nullptr;
    TXmlNode* issue = issues->GetChildAt(0);
    if (!issue) {
        issue = issues->AddNewChild("issue");
        issue->AddNewChild("favored_position", "center");
    }
    issue->SetAttribute("id", issueId);
    data.SetChanged();
    return issue;
}

} // namespace EndorsersEdit
