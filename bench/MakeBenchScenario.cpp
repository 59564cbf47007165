// Writes a scaled copy of a scenario for the benchmark: k times the regions
// (with their percentages entries, election data and every leader's bonus
// entry), k times the events and k times the endorsers; or the "real size"
// one (51 regions, 8 parties of 4 leaders, 300 scripted events, 200
// endorsers). Copies get fresh ids; every reference they hold stays valid,
// so the result verifies exactly as cleanly as the source.
//
//   stumpcraft-bench-make SOURCE TARGET (--scale K | --real) [--damage 1|2]
//
// --damage removes items that others refer to, for comparing verification
// messages and repairs at scale.

#include "scenario/TScenarioData.h"
#include "xml/TXmlNode.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

using TIdMap = std::map<std::string, std::string>;

std::string FreshId() {
    static long counter = 0;
    char id[32];
    std::snprintf(id, sizeof id, "80000_%010ld", ++counter);
    return id;
}

void ForEachNode(TXmlNode* node, const std::function<void(TXmlNode*)>& visit) {
    std::vector<TXmlNode*> stack{node};
    while (!stack.empty()) {
        TXmlNode* n = stack.back();
        stack.pop_back();
        visit(n);
        for (int32_t i = n->ChildCount() - 1; i >= 0; --i)
            stack.push_back(n->GetChildAt(i));
    }
}

// Appends a deep copy of item to its parent's list (or to list), with every
// id found in ids replaced.
TXmlNode* AppendCopy(const TXmlNode* item, const TIdMap& ids, TXmlNode* list = nullptr) {
    if (!list)
        list = item->Parent();
    TXmlNode* copy = list->AddNewChild(item->Name);
    TXmlNode::CopyNode(copy, item);
    ForEachNode(copy, [&](TXmlNode* n) {
        if (const TXmlAttribute* id = n->GetAttribute("id"))
            if (auto it = ids.find(id->Value); it != ids.end())
                n->SetAttribute("id", it->second);
    });
    return copy;
}

std::string IdOf(const TXmlNode* node) {
    return node->AttributeValue("id");
}

std::vector<TXmlNode*> ChildrenOf(TXmlNode* list) {
    std::vector<TXmlNode*> children;
    for (int32_t i = 0; list && i < list->ChildCount(); ++i)
        children.push_back(list->GetChildAt(i));
    return children;
}

// Every node anywhere in root whose id is in ids' keys, in document order.
std::vector<TXmlNode*> NodesWithId(TXmlNode* root, const std::string& id) {
    std::vector<TXmlNode*> found;
    ForEachNode(root, [&](TXmlNode* n) {
        if (IdOf(n) == id)
            found.push_back(n);
    });
    return found;
}

TXmlNode* Regions(TScenarioData& data) {
    return data.PoliticalUnits()->GetChildAt(0)->GetChild("political_units");
}

// One more region copied from source: its percentages entry and every
// candidate bonus entry for it are copied as well (found once per source
// region, so growing to thousands of regions stays linear).
struct TRegionSource {
    TXmlNode* Region;
    std::vector<TXmlNode*> Dependents;
};

std::vector<TRegionSource> RegionSources(TScenarioData& data) {
    std::vector<TRegionSource> sources;
    TXmlNode* units = data.Percentages()->GetChild("political_units");
    for (TXmlNode* region : ChildrenOf(Regions(data))) {
        TRegionSource source{region, {}};
        const std::string id = IdOf(region);
        if (TXmlNode* entry = units->FindChild("political_unit", "id", id))
            source.Dependents.push_back(entry);
        for (TXmlNode* party : ChildrenOf(data.Parties()))
            for (TXmlNode* leader : ChildrenOf(party->GetChild("leaders")))
                if (TXmlNode* bonuses = leader->GetChild("percentage_bonuses"))
                    if (TXmlNode* bonus = bonuses->FindChild("political_unit", "id", id))
                        source.Dependents.push_back(bonus);
        sources.push_back(std::move(source));
    }
    return sources;
}

void CopyRegion(const TRegionSource& source) {
    const TIdMap ids{{IdOf(source.Region), FreshId()}};
    AppendCopy(source.Region, ids);
    for (const TXmlNode* dependent : source.Dependents)
        AppendCopy(dependent, ids);
}

// Entries elsewhere that belong to a party or leader: percentages entries,
// primaries and ballot entries of the regions.
void CopyDependents(TScenarioData& data, const std::string& sourceId, const TIdMap& ids,
                    const std::string& elementName) {
    for (TXmlNode* root : {data.Percentages(), data.PoliticalUnits()})
        for (TXmlNode* n : NodesWithId(root, sourceId)) {
            if (n->Name != elementName)
                continue;
            TXmlNode* parent = n->Parent();
            // A primary names its party in a child: the whole event is copied.
            if (parent->Name == "event" && parent->GetChild("type") &&
                parent->GetChild("type")->GetText() != "General")
                AppendCopy(parent, ids);
            else
                AppendCopy(n, ids);
        }
}

void CopyLeader(TScenarioData& data, TXmlNode* leader) {
    const TIdMap ids{{IdOf(leader), FreshId()}};
    AppendCopy(leader, ids);
    CopyDependents(data, IdOf(leader), ids, "leader");
}

void CopyParty(TScenarioData& data, TXmlNode* party) {
    TIdMap ids{{IdOf(party), FreshId()}};
    for (const char* list : {"leaders", "viceleaders"})
        for (TXmlNode* item : ChildrenOf(party->GetChild(list)))
            ids[IdOf(item)] = FreshId();
    AppendCopy(party, ids);
    CopyDependents(data, IdOf(party), ids, "party");
}

void CopyItems(TXmlNode* list, size_t wanted, bool freshIds) {
    const std::vector<TXmlNode*> originals = ChildrenOf(list);
    for (size_t i = 0; !originals.empty() && list->ChildCount() < static_cast<int32_t>(wanted);
         ++i) {
        const TXmlNode* source = originals[i % originals.size()];
        AppendCopy(source, freshIds ? TIdMap{{IdOf(source), FreshId()}} : TIdMap{});
    }
}

void Grow(TScenarioData& data, size_t regions, size_t parties, size_t leadersPerParty,
          size_t scriptedEvents, size_t simpleEvents, size_t endorsers) {
    const std::vector<TXmlNode*> originalParties = ChildrenOf(data.Parties());
    for (size_t i = 0; data.Parties()->ChildCount() < static_cast<int32_t>(parties); ++i)
        CopyParty(data, originalParties[i % originalParties.size()]);
    for (TXmlNode* party : ChildrenOf(data.Parties())) {
        TXmlNode* leaders = party->GetChild("leaders");
        const std::vector<TXmlNode*> originals = ChildrenOf(leaders);
        for (size_t i = 0; leaders->ChildCount() < static_cast<int32_t>(leadersPerParty); ++i)
            CopyLeader(data, originals[i % originals.size()]);
    }
    const std::vector<TRegionSource> sources = RegionSources(data);
    for (size_t i = 0; Regions(data)->ChildCount() < static_cast<int32_t>(regions); ++i)
        CopyRegion(sources[i % sources.size()]);
    TXmlNode* events = data.Events();
    CopyItems(events->GetChild("scripted_events"), scriptedEvents, true);
    CopyItems(events->GetChild("random_events")->GetChild("simple_issue_events"), simpleEvents,
              false);
    CopyItems(data.Endorsers(), endorsers, true);
}

// Damage for comparing verification output: items others refer to are
// removed, so messages and repairs run at scale. 1: a party, a scripted
// event and a running mate's home region moved; 2: an issue, a region and a
// vice-leader.
void Damage(TScenarioData& data, int kind) {
    auto remove = [](TXmlNode* node) {
        if (node)
            node->Parent()->RemoveChild(node);
    };
    if (kind == 1) {
        TXmlNode* pool = data.Parties()->GetChildAt(0)->GetChild("viceleaders");
        pool->GetChildAt(0)
            ->GetChild("home_political_unit")
            ->SetAttribute("id", IdOf(Regions(data)->GetChildAt(1)));
        remove(data.Parties()->GetChildAt(1));
        remove(data.Events()->GetChild("scripted_events")->GetChildAt(0));
    } else if (kind == 2) {
        remove(data.Issues()->GetChildAt(2));
        remove(Regions(data)->GetChildAt(3));
        remove(data.Parties()->GetChildAt(0)->GetChild("viceleaders")->GetChildAt(1));
    }
}

size_t Count(TXmlNode* list) {
    return list ? static_cast<size_t>(list->ChildCount()) : 0;
}

} // namespace

int main(int argc, char** argv) {
    int damage = 0;
    if (argc >= 3 && std::string(argv[argc - 2]) == "--damage") {
        damage = std::stoi(argv[argc - 1]);
        argc -= 2;
    }
    const std::string mode = argc == 4 || argc == 5 ? argv[3] : "";
    if ((mode != "--scale" || argc != 5) && (mode != "--real" || argc != 4)) {
        std::cerr << "usage: stumpcraft-bench-make SOURCE TARGET (--scale K | --real) "
                     "[--damage 1|2]\n";
        return 2;
    }
    try {
        const fs::path target = argv[2];
        fs::remove_all(target);
        fs::copy(argv[1], target, fs::copy_options::recursive);
        std::string folder = target.string();
        TScenarioData data;
        data.Load(folder);
        TXmlNode* events = data.Events();
        const size_t scripted = Count(events->GetChild("scripted_events"));
        const size_t simple =
            Count(events->GetChild("random_events")->GetChild("simple_issue_events"));
        if (mode == "--scale") {
            const size_t k = std::stoul(argv[4]);
            Grow(data, Count(Regions(data)) * k, Count(data.Parties()), 0, scripted * k, simple * k,
                 Count(data.Endorsers()) * k);
        } else {
            Grow(data, 51, 8, 4, 300, simple, 200);
        }
        Damage(data, damage);
        data.Save();
    } catch (const std::exception& e) {
        std::cerr << "stumpcraft-bench-make: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
