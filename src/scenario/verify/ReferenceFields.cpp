#include "scenario/verify/ReferenceFields.h"

#include "scenario/verify/RunIndex.h"
#include "xml/TXmlNode.h"

#include <array>
#include <set>
#include <string_view>
#include <vector>

namespace ReferenceFields {

namespace {

using F = TScenarioFile;
using K = TReferenceKind;
using L = TLookup;
using R = TReferenceRepair;
using S = TReferenceSite;

constexpr const char* Events = "events";
constexpr const char* Endorsers = "endorsers";
constexpr const char* Parties = "parties";
constexpr const char* Leaders = "leaders";
constexpr const char* ViceLeaders = "vice-leaders";
constexpr const char* Regions = "regions";
constexpr const char* AnotherEffect = "needs another effect in an outcome";

// In the order removals repair them; each site once, in the enum's order.
constexpr std::array<TReferenceField, 38> Fields = {{
    {S::RegionIssueCentre, F::PoliticalUnits,
     "political_units/*/political_units/*/**/issue_centers/*", "id", K::Issue, L::Document, true,
     false, true, R::RemoveEntry, 4, nullptr, nullptr, nullptr},
    {S::NationIssueCentre, F::PoliticalUnits, "political_units/*/issue_centers/*", "id", K::Issue,
     L::Document, true, false, false, R::RemoveEntry, 2, nullptr, nullptr, nullptr},
    {S::PartyPlatform, F::Parties, "parties/*/platform/*", "id", K::Issue, L::Document, true, true,
     true, R::RemoveEntry, 2, nullptr, nullptr, nullptr},
    {S::LeaderPlatform, F::Parties, "parties/*/leaders/*/platform/*", "id", K::Issue, L::Document,
     true, true, true, R::RemoveEntry, 4, nullptr, nullptr, nullptr},
    {S::SimpleEventIssue, F::Events, "events/random_events/simple_issue_events/*", "id", K::Issue,
     L::Document, true, false, true, R::SetNone, 4, "event", Events, nullptr},
    {S::OutcomeIssue, F::Events, "events/scripted_events/*/outcomes/*/issue_affected", "id",
     K::Issue, L::Document, true, false, true, R::SetNone, 3, "event", Events, nullptr},
    {S::OutcomePosition, F::Events, "events/scripted_events/*/outcomes/*/effects/issue_position",
     "id", K::Position, L::AffectedIssue, true, false, true, R::RemoveEntryKeepingOne, 3, "event",
     Events, AnotherEffect},
    {S::EndorserIssue, F::Endorsers, "endorsers/*/issues/*", "id", K::Issue, L::Document, true,
     false, true, R::SetNone, 2, "endorser", Endorsers, nullptr},
    {S::AdCredit, F::Parties, "parties/*/advertising/ad_credits/*", "id", K::Ad, L::Document, true,
     false, true, R::RemoveEntry, 2, "party", Parties, nullptr},
    {S::ConventionRegion, F::Parties, "parties/*/convention/political_unit", "id", K::PoliticalUnit,
     L::Document, false, false, true, R::ChooseAgain, 2, "party", Parties,
     "needs a new convention region"},
    {S::ViceLeaderHome, F::Parties, "parties/*/viceleaders/*/home_political_unit", "id",
     K::PoliticalUnit, L::Document, true, false, true, R::SetNone, 4, "vice-leader", ViceLeaders,
     nullptr},
    // Kept equal to the home region, which is repaired above.
    {S::ViceLeaderBonus, F::Parties, "parties/*/viceleaders/*/percentage_bonuses/*", "id",
     K::PoliticalUnit, L::Document, false, false, true, R::RemoveEntry, 4, nullptr, nullptr,
     nullptr},
    {S::LeaderHome, F::Parties, "parties/*/leaders/*/home_political_unit", "id", K::PoliticalUnit,
     L::Document, true, false, true, R::SetNone, 4, "leader", Leaders, nullptr},
    {S::LeaderBonus, F::Parties, "parties/*/leaders/*/percentage_bonuses/*", "id", K::PoliticalUnit,
     L::Document, true, false, false, R::RemoveEntry, 4, nullptr, nullptr, nullptr},
    {S::RegionalPartyUnit, F::Parties, "parties/*/regional_party_political_units/*", "id",
     K::PoliticalUnit, L::Document, true, false, false, R::RemoveEntry, 2, "party", Parties,
     nullptr},
    {S::RunningMate, F::Parties, "parties/*/leaders/*/viceleaders/*", "id", K::ViceLeader,
     L::OwnPool, true, false, true, R::RemoveEntryKeepingOne, 4, "leader", Leaders,
     "needs another running mate"},
    {S::EndorserRegion, F::Endorsers, "endorsers/*/political_units_affected/*", "id",
     K::PoliticalUnit, L::Document, true, false, true, R::RemoveEntry, 2, "endorser", Endorsers,
     "is left with no region"},
    {S::UnitPercentages, F::Percentages, "percentages/political_units/*", "id", K::PoliticalUnit,
     L::Document, true, false, true, R::RemoveEntry, 3, nullptr, nullptr, nullptr},
    {S::PartyPercentages, F::Percentages, "percentages/political_units/*/parties/*", "id", K::Party,
     L::Document, true, false, true, R::RemoveEntry, 5, nullptr, nullptr, nullptr},
    {S::LeaderPercentages, F::Percentages,
     "percentages/political_units/*/parties/*/primaries/leaders/*", "id", K::Leader, L::Document,
     true, false, true, R::RemoveEntry, 8, nullptr, nullptr, nullptr},
    {S::EndorserParty, F::Endorsers, "endorsers/*/party_stance/party", "id", K::Party, L::Document,
     true, false, true, R::RemoveEntry, 2, "endorser", Endorsers, nullptr},
    {S::EndorserLeader, F::Endorsers, "endorsers/*/leader_stance/leader", "id", K::Leader,
     L::Document, true, false, true, R::RemoveEntry, 2, "endorser", Endorsers, nullptr},
    {S::ConditionLeader, F::Events, "events/scripted_events/*/conditions/*/leader", "id", K::Leader,
     L::Document, true, false, true, R::SetNone, 3, "event", Events, nullptr},
    {S::ConditionEvent, F::Events, "events/scripted_events/*/conditions/*/event", "id", K::Event,
     L::ScriptedEvents, true, false, true, R::SetNone, 3, "event", Events, nullptr},
    {S::EffectParty, F::Events, "events/scripted_events/*/outcomes/*/effects/party", "id", K::Party,
     L::Document, true, false, true, R::RemoveEntryKeepingOne, 3, "event", Events, AnotherEffect},
    {S::EffectLeader, F::Events, "events/scripted_events/*/outcomes/*/effects/leader", "id",
     K::Leader, L::Document, true, false, true, R::RemoveEntryKeepingOne, 3, "event", Events,
     AnotherEffect},
    {S::EffectViceLeader, F::Events, "events/scripted_events/*/outcomes/*/effects/viceleader", "id",
     K::ViceLeader, L::Document, true, false, true, R::RemoveEntryKeepingOne, 3, "event", Events,
     AnotherEffect},
    {S::RelationFrom, F::Relations, "relations/leaders/*", "from", K::Leader, L::Document, true,
     false, true, R::RemoveEntry, 3, "relation", "relations", nullptr},
    {S::RelationTo, F::Relations, "relations/leaders/*", "to", K::Leader, L::Document, true, false,
     true, R::RemoveEntry, 3, "relation", "relations", nullptr},
    {S::RegionMajority, F::PoliticalUnits,
     "political_units/*/political_units/*/party_with_existing_majority", "id", K::Party,
     L::Document, true, false, true, R::SetNone, 4, "region", Regions, nullptr},
    {S::RegionGovernor, F::PoliticalUnits,
     "political_units/*/political_units/*/party_with_governor", "id", K::Party, L::Document, true,
     false, false, R::SetEmpty, 4, "region", Regions, nullptr},
    {S::RegionBallot, F::PoliticalUnits,
     "political_units/*/political_units/*/election_events/*/ballot/*", "id", K::Party, L::Document,
     true, false, true, R::RemoveEntry, 4, nullptr, nullptr, nullptr},
    {S::RegionPrimary, F::PoliticalUnits,
     "political_units/*/political_units/*/election_events/*/party", "id", K::Party, L::Document,
     true, false, true, R::RemoveHolder, 4, nullptr, nullptr, nullptr},
    {S::NationMajority, F::PoliticalUnits, "political_units/*/party_with_existing_majority", "id",
     K::Party, L::Document, true, false, false, R::SetNone, 2, "nation", "nation", nullptr},
    {S::NationGovernor, F::PoliticalUnits, "political_units/*/party_with_governor", "id", K::Party,
     L::Document, true, false, false, R::SetEmpty, 2, "nation", "nation", nullptr},
    {S::NationBallot, F::PoliticalUnits, "political_units/*/election_events/*/ballot/*", "id",
     K::Party, L::Document, true, false, false, R::RemoveEntry, 2, nullptr, nullptr, nullptr},
    {S::NationPrimary, F::PoliticalUnits, "political_units/*/election_events/*/party", "id",
     K::Party, L::Document, true, false, false, R::RemoveHolder, 2, nullptr, nullptr, nullptr},
    {S::PrimariesDebates, F::Scenario, "scenario/debates/primaries/*", "id", K::Party, L::Document,
     true, false, true, R::RemoveEntry, 4, nullptr, nullptr, nullptr},
}};

constexpr bool InSiteOrder() {
    for (size_t i = 0; i < Fields.size(); ++i)
        if (static_cast<size_t>(Fields[i].Site) != i)
            return false;
    return true;
}
static_assert(InSiteOrder(), "Get looks a site up by its place");

struct TKindEntry {
    const char* Element;
    TScenarioFile File;
    const char* Items;
};

// By TReferenceKind.
const TKindEntry Kinds[] = {
    {"issue", F::Issues, "issues/*"},
    {"position", F::Issues, "issues/*/positions/*"},
    {"political_unit", F::PoliticalUnits, "political_units/*/**/political_units/*"},
    {"party", F::Parties, "parties/*"},
    {"leader", F::Parties, "parties/*/leaders/*"},
    {"viceleader", F::Parties, "parties/*/viceleaders/*"},
    {"ad", F::Ads, "ads/*"},
    {"event", F::Events, "events/scripted_events/*"},
};

const TKindEntry& KindEntry(TReferenceKind kind) {
    return Kinds[static_cast<size_t>(kind)];
}

std::vector<std::string_view> Split(std::string_view path) {
    std::vector<std::string_view> parts;
    for (size_t start = 0; start <= path.size();) {
        const size_t end = std::min(path.find('/', start), path.size());
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Matches node against parts[i] and what follows, collecting the elements
// that match the last part.
void Match(TXmlNode* node, const std::vector<std::string_view>& parts, size_t i,
           std::vector<TXmlNode*>& found, std::set<const TXmlNode*>& seen) {
    if (i >= parts.size())
        return;
    if (parts[i] == "**") {
        Match(node, parts, i + 1, found, seen);
        for (int32_t c = 0; c < node->ChildCount(); ++c)
            Match(node->GetChildAt(c), parts, i, found, seen);
        return;
    }
    if (parts[i] != "*" && parts[i] != node->Name)
        return;
    if (i + 1 == parts.size()) {
        if (seen.insert(node).second)
            found.push_back(node);
        return;
    }
    for (int32_t c = 0; c < node->ChildCount(); ++c)
        Match(node->GetChildAt(c), parts, i + 1, found, seen);
}

TXmlNode* Up(const TXmlNode* node, int levels) {
    TXmlNode* up = const_cast<TXmlNode*>(node);
    for (int i = 0; up && i < levels; ++i)
        up = up->Parent();
    return up;
}

} // namespace

const TReferenceField& Get(TReferenceSite site) {
    return Fields[static_cast<size_t>(site)];
}

std::span<const TReferenceField> All() {
    return Fields;
}

std::string ElementName(TReferenceKind kind) {
    return KindEntry(kind).Element;
}

TScenarioFile FileOf(TReferenceKind kind) {
    return KindEntry(kind).File;
}

const char* ItemPath(TReferenceKind kind) {
    return KindEntry(kind).Items;
}

std::string FieldName(const TReferenceField& field) {
    const std::string_view path = field.Path;
    return std::string(path.substr(path.rfind('/') + 1));
}

TRepairKind QuickFix(const TReferenceField& field) {
    switch (field.Repair) {
    case TReferenceRepair::SetNone:
        return TRepairKind::SetNone;
    case TReferenceRepair::RemoveEntry:
        return TRepairKind::RemoveItem;
    case TReferenceRepair::RemoveEntryKeepingOne:
        return TRepairKind::RemoveItemKeepingOne;
    default:
        return TRepairKind::None;
    }
}

void ForEachMatch(TXmlNode* root, const char* path, const std::function<void(TXmlNode*)>& visit) {
    if (!root)
        return;
    std::vector<TXmlNode*> found;
    std::set<const TXmlNode*> seen;
    Match(root, Split(path), 0, found, seen);
    for (TXmlNode* node : found)
        visit(node);
}

TXmlNode* SearchRoot(const TScenarioData& data, const TReferenceField& field,
                     const TXmlNode* reference) {
    TXmlNode* document = data.Root(FileOf(field.Kind));
    switch (field.Lookup) {
    case TLookup::Document:
        return document;
    case TLookup::ScriptedEvents:
        return document ? document->GetChild("scripted_events") : nullptr;
    case TLookup::AffectedIssue: {
        // effects > outcome, whose issue_affected names the issue.
        const TXmlNode* outcome = Up(reference, 2);
        const TXmlNode* affected = outcome ? outcome->GetChild("issue_affected") : nullptr;
        const TXmlAttribute* id = affected ? affected->GetAttribute("id") : nullptr;
        return id && document ? RunIndex::FindChild(document, "issue", id->Value) : nullptr;
    }
    case TLookup::OwnPool: {
        // viceleaders > leader > leaders > party.
        const TXmlNode* party = Up(reference, 4);
        return party ? party->GetChild("viceleaders") : nullptr;
    }
    }
    return nullptr;
}

TCheckResult Check(const TScenarioData& data, const TReferenceField& field,
                   const TXmlNode* reference, const std::string& name) {
    if (field.Lookup == TLookup::ScriptedEvents) {
        // A search through everything below scripted_events would find the
        // condition's own target element, so a removed event would never be
        // reported: only the scripted events themselves count.
        if (!reference)
            return {false, FieldChecks::NodeMissing};
        const TXmlAttribute* id = reference->GetAttribute("id");
        if (!id)
            return {false, FieldChecks::IdNotFound};
        if ((id->Value == "-1" && field.AllowNone) ||
            RunIndex::FindChild(SearchRoot(data, field, reference), name, id->Value))
            return {};
        return {false, "Reference not found: " + name + " " + id->Value};
    }
    TXmlNode* root = SearchRoot(data, field, reference);
    if (std::string_view(field.Attribute) != "id") {
        // An end held in another attribute is checked through a scratch
        // element carrying it as its id; without it there is no id to check.
        TXmlNode scratch;
        if (const TXmlAttribute* a = reference ? reference->GetAttribute(field.Attribute) : nullptr)
            scratch.SetAttribute("id", a->Value);
        return FieldChecks::CheckReference(&scratch, root, name, field.AllowNone, field.Required);
    }
    return FieldChecks::CheckReference(reference, root, name, field.AllowNone, field.Required);
}

TCheckResult Check(const TScenarioData& data, const TReferenceField& field,
                   const TXmlNode* reference) {
    return Check(data, field, reference, ElementName(field.Kind));
}

} // namespace ReferenceFields
