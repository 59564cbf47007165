#include "scenario/edit/CandidatesEdit.h"

#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/MissingFields.h"
#include "scenario/edit/PartiesEdit.h"
#include "scenario/edit/PercentagesEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/TXmlNode.h"
#include "xml/TextCase.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

namespace CandidatesEdit {

namespace {

const std::array<const char*, 7> Ratings = {"leadership",        "integrity", "experience",
                                            "issue_familiarity", "charisma",  "stamina",
                                            "debating"};

TXmlNode* ChildOrNew(TXmlNode* parent, const char* name) {
    TXmlNode* child = parent->GetChild(name);
    return child ? child : parent->AddNewChild(name);
}

void AddRatings(TXmlNode* candidate) {
    TXmlNode* attributes = candidate->AddNewChild("attributes");
    for (const char* rating : Ratings)
        attributes->AddNewChild(rating, "3");
}

// Appends a deep copy of source to list, under a new id.
TXmlNode* AppendCopy(TXmlNode* list, const TXmlNode* source) {
    auto copy = std::make_unique<TXmlNode>(list);
    TXmlNode::CopyNode(copy.get(), source);
    copy->SetAttribute("id", ValueEncodings::NewId());
    TXmlNode* raw = copy.get();
    list->AddChild(std::move(copy));
    return raw;
}

bool Holds(const TXmlNode* list, const TXmlNode* item) {
    for (int32_t i = 0; list && i < list->ChildCount(); ++i)
        if (list->GetChildAt(i) == item)
            return true;
    return false;
}

// Copies a portrait to newName in the same folder, replacing a file of
// that name; a missing source is skipped.
void CopyPortrait(const std::string& folder, const std::string& source,
                  const std::string& newName) {
    if (source.empty())
        return;
    const auto found = ScenarioFolders::FindFileIgnoringCase(folder, source);
    if (!found)
        return;
    std::error_code ec;
    std::filesystem::copy_file(*found, folder + newName,
                               std::filesystem::copy_options::overwrite_existing, ec);
}

} // namespace

TXmlNode* PartyOf(const TScenarioData& data, const TXmlNode* candidate) {
    const TXmlNode* root = data.Parties();
    for (int32_t i = 0; candidate && root && i < root->ChildCount(); ++i) {
        TXmlNode* party = root->GetChildAt(i);
        if (Holds(party->GetChild("leaders"), candidate) ||
            Holds(party->GetChild("viceleaders"), candidate))
            return party;
    }
    return nullptr;
}

TXmlNode* PoolViceLeader(const TXmlNode* party, const std::string& id) {
    const TXmlNode* pool = party ? party->GetChild("viceleaders") : nullptr;
    return pool ? pool->FindChild("viceleader", "id", id) : nullptr;
}

std::string CandidateName(const TXmlNode* candidate) {
    const TXmlNode* first = candidate ? candidate->GetChild("firstname") : nullptr;
    const TXmlNode* last = candidate ? candidate->GetChild("lastname") : nullptr;
    return (first ? first->GetText() : std::string()) + " " + (last ? last->GetText() : "");
}

TRunningMateSplit SplitRunningMates(const TXmlNode* party, const TXmlNode* leader) {
    TRunningMateSplit split;
    const TXmlNode* pool = party ? party->GetChild("viceleaders") : nullptr;
    const TXmlNode* mates = leader ? leader->GetChild("viceleaders") : nullptr;
    for (int32_t i = 0; pool && i < pool->ChildCount(); ++i) {
        TXmlNode* viceLeader = pool->GetChildAt(i);
        const std::string id = viceLeader->AttributeValue("id");
        if (mates && mates->FindChild("viceleader", "id", id))
            split.Selected.push_back({id, viceLeader});
        else
            split.Available.push_back(viceLeader);
    }
    // Entries naming no pool member, once each, so they can be removed.
    for (int32_t i = 0; mates && i < mates->ChildCount(); ++i) {
        const std::string id = mates->GetChildAt(i)->AttributeValue("id");
        const bool listed = std::any_of(split.Selected.begin(), split.Selected.end(),
                                        [&id](const TRunningMate& mate) { return mate.Id == id; });
        if (!listed)
            split.Selected.push_back({id, nullptr});
    }
    return split;
}

bool EnsurePortraitNames(TScenarioData& data, TXmlNode* leader) {
    if (!leader)
        return false;
    bool written = false;
    for (const auto& [field, suffix] :
         {std::pair{"image_large", "_large.bmp"}, std::pair{"image_small", "_small.bmp"}}) {
        TXmlNode* name = ChildOrNew(leader, field);
        if (name->GetText().empty()) {
            name->SetText(leader->AttributeValue("id") + suffix);
            written = true;
        }
    }
    if (written)
        data.SetChanged();
    return written;
}

std::string PortraitFolder(const TScenarioData& data) {
    return data.Folder() + "party_images/candidates/";
}

std::string PortraitName(const std::string& chosen, const std::string& suffix) {
    const size_t split = chosen.size() >= 4 ? chosen.size() - 4 : 0;
    const std::string rest = chosen.substr(0, split);
    const bool hasSuffix =
        rest.size() >= suffix.size() &&
        TextCase::Lower(rest.substr(rest.size() - suffix.size())) == TextCase::Lower(suffix);
    return hasSuffix ? chosen : rest + suffix + chosen.substr(split);
}

void SetViceLeaderHome(TScenarioData& data, TXmlNode* viceLeader, const std::string& regionId) {
    if (!viceLeader)
        return;
    MissingFields::Add(viceLeader, "home_political_unit")->SetAttribute("id", regionId);
    const TXmlNode* bonuses = viceLeader->GetChild("percentage_bonuses");
    if (TXmlNode* first = bonuses ? bonuses->GetChildAt(0) : nullptr)
        first->SetAttribute("id", regionId);
    data.SetChanged();
}

bool EnsureRegionBonuses(TScenarioData& data, TXmlNode* leader) {
    const TXmlNode* regions = PartiesEdit::RegionList(data);
    if (!leader || !regions)
        return false;
    TXmlNode* bonuses = ChildOrNew(leader, "percentage_bonuses");
    bool added = false;
    for (int32_t i = 0; i < regions->ChildCount(); ++i) {
        const std::string id = regions->GetChildAt(i)->AttributeValue("id");
        TXmlNode* entry = bonuses->FindChild("political_unit", "id", id);
        if (!entry) {
            entry = bonuses->AddNewChild("political_unit");
            entry->SetAttribute("id", id);
            added = true;
        }
        if (!entry->GetChild("bonus")) {
            entry->AddNewChild("bonus", "0");
            added = true;
        }
    }
    if (added)
        data.SetChanged();
    return added;
}

void AddRunningMate(TScenarioData& data, TXmlNode* leader, const std::string& viceLeaderId) {
    if (!leader)
        return;
    TXmlNode* mates = ChildOrNew(leader, "viceleaders");
    if (mates->FindChild("viceleader", "id", viceLeaderId))
        return;
    mates->AddNewChild("viceleader")->SetAttribute("id", viceLeaderId);
    data.SetChanged();
}

void RemoveRunningMate(TScenarioData& data, TXmlNode* leader, const std::string& viceLeaderId) {
    TXmlNode* mates = leader ? leader->GetChild("viceleaders") : nullptr;
    while (TXmlNode* mate = mates ? mates->FindChild("viceleader", "id", viceLeaderId) : nullptr) {
        mates->RemoveChild(mate);
        data.SetChanged();
    }
}

TXmlNode* NewViceLeader(TScenarioData& data, TXmlNode* party) {
    if (!party)
        return nullptr;
    const std::string region = PartiesEdit::FirstRegionId(data);
    TXmlNode* viceLeader = ChildOrNew(party, "viceleaders")->AddNewChild("viceleader");
    viceLeader->SetAttribute("id", ValueEncodings::NewId());
    viceLeader->AddNewChild("firstname", "New");
    viceLeader->AddNewChild("lastname", "ViceLeader");
    viceLeader->AddNewChild("sex", "male");
    viceLeader->AddNewChild("home_political_unit")->SetAttribute("id", region);
    viceLeader->AddNewChild("age", "50");
    viceLeader->AddNewChild("language_bonus", "-1");
    viceLeader->AddNewChild("how_well_known", "medium");
    viceLeader->AddNewChild("political_points_cost", "1");
    AddRatings(viceLeader);
    TXmlNode* bonus = viceLeader->AddNewChild("percentage_bonuses")->AddNewChild("political_unit");
    bonus->SetAttribute("id", region);
    bonus->AddNewChild("bonus", "0");
    data.SetChanged();
    return viceLeader;
}

TXmlNode* NewLeader(TScenarioData& data, TXmlNode* party) {
    if (!party)
        return nullptr;
    const std::string id = ValueEncodings::NewId();
    TXmlNode* leader = ChildOrNew(party, "leaders")->AddNewChild("leader");
    leader->SetAttribute("id", id);
    leader->AddNewChild("default_on", "0");
    leader->AddNewChild("title");
    leader->AddNewChild("firstname", "New");
    leader->AddNewChild("lastname", "Leader");
    leader->AddNewChild("primaries_description", "Enter Primaries Description");
    leader->AddNewChild("generalelection_description", "Enter General Election Description");
    leader->AddNewChild("leader_color", "red");
    TXmlNode* goals = leader->AddNewChild("goals");
    goals->AddNewChild("percentage", "-1");
    goals->AddNewChild("seats", "0");
    leader->AddNewChild("image_large", id + "_large.bmp");
    leader->AddNewChild("image_small", id + "_small.bmp");
    leader->AddNewChild("sex", "male");
    leader->AddNewChild("home_political_unit")
        ->SetAttribute("id", PartiesEdit::FirstRegionId(data));
    leader->AddNewChild("age", "50");
    leader->AddNewChild("starting_funds", "100000");
    leader->AddNewChild("language_bonus", "-1");
    leader->AddNewChild("how_well_known", "medium");
    leader->AddNewChild("established_primaries", "3");
    leader->AddNewChild("political_influence_points", "10");
    AddRatings(leader);
    TXmlNode* platform = leader->AddNewChild("platform");
    const TXmlNode* issues = data.Issues();
    for (int32_t i = 0; issues && i < issues->ChildCount(); ++i) {
        const TXmlNode* issue = issues->GetChildAt(i);
        const TXmlNode* type = issue->GetChild("type");
        if (type && TextCase::Lower(type->GetText()) == "positionissue")
            platform->AddNewChild("issue", "center")
                ->SetAttribute("id", issue->AttributeValue("id"));
    }
    leader->AddNewChild("viceleaders");
    leader->AddNewChild("crusaders");
    PercentagesEdit::AddLeaderEntries(data, party->AttributeValue("id"), id);
    data.SetChanged();
    return leader;
}

TXmlNode* NewCrusader(TScenarioData& data, TXmlNode* leader) {
    if (!leader)
        return nullptr;
    TXmlNode* crusader = ChildOrNew(leader, "crusaders")->AddNewChild("crusader");
    crusader->SetAttribute("id", "new_crusader");
    crusader->AddNewChild("first_name", "New");
    crusader->AddNewChild("last_name", "Crusader");
    crusader->AddNewChild("political_points_cost", "0");
    crusader->AddNewChild("base_power", "1");
    crusader->AddNewChild("last_for_days", "-1");
    data.SetChanged();
    return crusader;
}

void RemoveLeader(TScenarioData& data, TXmlNode* leader, TRemovalRepairs* repairs) {
    TXmlNode* party = PartyOf(data, leader);
    if (party && Holds(party->GetChild("leaders"), leader))
        ReferencesEdit::Remove(data, leader, repairs);
}

void RemoveViceLeader(TScenarioData& data, TXmlNode* viceLeader, TRemovalRepairs* repairs) {
    TXmlNode* party = PartyOf(data, viceLeader);
    if (!party || !Holds(party->GetChild("viceleaders"), viceLeader))
        return;
    // Every running-mate entry goes, even a leader's last: the running-mate
    // chooser then offers the pool again.
    const std::string id = viceLeader->AttributeValue("id");
    const TXmlNode* leaders = party->GetChild("leaders");
    for (int32_t i = 0; leaders && i < leaders->ChildCount(); ++i)
        RemoveRunningMate(data, leaders->GetChildAt(i), id);
    ReferencesEdit::Remove(data, viceLeader, repairs);
}

void RemoveCrusader(TScenarioData& data, TXmlNode* crusader, TRemovalRepairs* repairs) {
    TXmlNode* list = crusader ? crusader->Parent() : nullptr;
    if (list && list->Name == "crusaders")
        ReferencesEdit::Remove(data, crusader, repairs);
}

int32_t MoveLeader(TScenarioData& data, TXmlNode* leader, int direction) {
    TXmlNode* party = PartyOf(data, leader);
    TXmlNode* leaders = party ? party->GetChild("leaders") : nullptr;
    if (!leaders || !Holds(leaders, leader))
        return -1;
    const int32_t from = leader->Index();
    const int32_t to = PartiesEdit::MoveChild(leaders, from, direction);
    if (to != from)
        data.SetChanged();
    return to;
}

TXmlNode* CopyLeader(TScenarioData& data, TXmlNode* leader) {
    TXmlNode* party = PartyOf(data, leader);
    if (!party || !Holds(party->GetChild("leaders"), leader))
        return nullptr;
    TXmlNode* copy = AppendCopy(party->GetChild("leaders"), leader);
    const std::string id = copy->AttributeValue("id");
    const std::string folder = PortraitFolder(data);
    for (const auto& [field, suffix] :
         {std::pair{"image_large", "_large.bmp"}, std::pair{"image_small", "_small.bmp"}}) {
        const std::string newName = id + suffix;
        CopyPortrait(folder, leader->GetChild(field) ? leader->GetChild(field)->GetText() : "",
                     newName);
        ChildOrNew(copy, field)->SetText(newName);
    }
    PercentagesEdit::CopyLeaderEntries(data, leader->AttributeValue("id"), id);
    data.SetChanged();
    return copy;
}

TXmlNode* CopyLeaderTo(TScenarioData& data, TXmlNode* leader, TXmlNode* targetParty) {
    if (!leader || !targetParty)
        return nullptr;
    TXmlNode* copy = AppendCopy(ChildOrNew(targetParty, "leaders"), leader);
    // Running mates from the source party's pool cannot run in the target
    // party, and its chooser could not show them.
    if (TXmlNode* mates = copy->GetChild("viceleaders"))
        for (int32_t i = mates->ChildCount() - 1; i >= 0; --i)
            if (!PoolViceLeader(targetParty, mates->GetChildAt(i)->AttributeValue("id")))
                mates->RemoveChild(mates->GetChildAt(i));
    PercentagesEdit::CopyLeaderEntries(data, leader->AttributeValue("id"),
                                       copy->AttributeValue("id"),
                                       targetParty->AttributeValue("id"));
    data.SetChanged();
    return copy;
}

TXmlNode* CopyViceLeader(TScenarioData& data, TXmlNode* viceLeader, TXmlNode* targetParty) {
    if (!viceLeader || !targetParty)
        return nullptr;
    TXmlNode* copy = AppendCopy(ChildOrNew(targetParty, "viceleaders"), viceLeader);
    data.SetChanged();
    return copy;
}

} // namespace CandidatesEdit
