#include "scenario/edit/PoliticalUnitsEdit.h"

#include "scenario/IssueKinds.h"
#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"
#include "xml/TextCase.h"

#include <algorithm>
#include <cctype>

namespace PoliticalUnitsEdit {

namespace {

TXmlNode* ChildOrNew(TXmlNode* parent, const char* name) {
    TXmlNode* child = parent->GetChild(name);
    return child ? child : parent->AddNewChild(name);
}

void AddPoint(TXmlNode* parent, const char* name, int32_t x, int32_t y) {
    TXmlNode* point = parent->AddNewChild(name);
    point->AddNewChild("x", std::to_string(x));
    point->AddNewChild("y", std::to_string(y));
}

TXmlNode* UnitEntries(const TScenarioData& data) {
    TXmlNode* root = data.Percentages();
    return root ? root->GetChild("political_units") : nullptr;
}

} // namespace

TXmlNode* Nation(const TScenarioData& data) {
    TXmlNode* root = data.PoliticalUnits();
    return root && root->ChildCount() > 0 ? root->GetChildAt(0) : nullptr;
}

TXmlNode* RegionList(const TScenarioData& data) {
    TXmlNode* nation = Nation(data);
    return nation ? nation->GetChild("political_units") : nullptr;
}

std::vector<TXmlNode*> Regions(const TScenarioData& data) {
    std::vector<TXmlNode*> regions;
    const TXmlNode* list = RegionList(data);
    for (int32_t i = 0; list && i < list->ChildCount(); ++i)
        regions.push_back(list->GetChildAt(i));
    return regions;
}

std::unique_ptr<TXmlNode> NewRegion(const TScenarioData& data, int32_t x, int32_t y) {
    TXmlNode* list = RegionList(data);
    if (!list)
        return nullptr;
    auto region = std::make_unique<TXmlNode>(list);
    region->Name = "political_unit";
    region->SetAttribute("id", ValueEncodings::NewId());
    region->AddNewChild("population");
    region->AddNewChild("eligible_voters");
    region->AddNewChild("type", "fundamental");
    region->AddNewChild("layer", "regional");
    region->AddNewChild("name", "New Region");
    for (const char* name :
         {"abbreviation", "capital", "flag", "motto", "logo", "nickname", "blurb"})
        region->AddNewChild(name);
    region->AddNewChild("year_of_entry", "0");
    region->AddNewChild("party_with_governor")->SetAttribute("id", "");
    region->AddNewChild("poll_open_time", "1600");
    // An empty majority is reported as a reference to no party; "-1" is none.
    region->AddNewChild("party_with_existing_majority")->SetAttribute("id", "-1");
    region->AddNewChild("cities", "regional");
    TXmlNode* map = region->AddNewChild("map", "regional");
    map->AddNewChild("name");
    AddPoint(map->AddNewChild("fill_positions"), "position", x, y);
    AddPoint(map, "abbreviation_position", x, y);
    TXmlNode* centres = region->AddNewChild("issue_centers");
    const TXmlNode* issues = data.Issues();
    for (int32_t i = 0; issues && i < issues->ChildCount(); ++i) {
        const TXmlNode* issue = issues->GetChildAt(i);
        TXmlNode* centre = centres->AddNewChild("issue");
        centre->SetAttribute("id", issue->AttributeValue("id"));
        if (!IssueKinds::IsAttribute(issue))
            centre->AddNewChild("center", "center");
        centre->AddNewChild("initial_primaries_profile", "Low");
        centre->AddNewChild("initial_generalelection_profile", "Low");
    }
    TXmlNode* events = region->AddNewChild("election_events");
    if (const TXmlNode* national = Nation(data)->GetChild("election_events"))
        TXmlNode::CopyNode(events, national);
    region->AddNewChild("media_market_name");
    return region;
}

TXmlNode* AddRegion(TScenarioData& data, std::unique_ptr<TXmlNode> region) {
    TXmlNode* list = RegionList(data);
    if (!list || !region)
        return nullptr;
    TXmlNode* added = region.get();
    list->AddChild(std::move(region));
    if (TXmlNode* entries = UnitEntries(data)) {
        TXmlNode* entry = entries->AddNewChild("political_unit");
        entry->SetAttribute("id", added->AttributeValue("id"));
        entry->AddNewChild("parties");
    }
    data.SetChanged();
    return added;
}

TXmlNode* AddToExisting(TScenarioData& data, TXmlNode* region, const TXmlNode* point) {
    if (!region || !point)
        return nullptr;
    TXmlNode* positions = ChildOrNew(ChildOrNew(region, "map"), "fill_positions");
    auto copy = std::make_unique<TXmlNode>(positions);
    TXmlNode::CopyNode(copy.get(), point);
    TXmlNode* added = copy.get();
    positions->AddChild(std::move(copy));
    data.SetChanged();
    return added;
}

bool RemovePoint(TScenarioData& data, TXmlNode* region, TXmlNode* point) {
    TXmlNode* map = region ? region->GetChild("map") : nullptr;
    TXmlNode* positions = map ? map->GetChild("fill_positions") : nullptr;
    if (!positions || positions->ChildCount() < 2 || !positions->RemoveChild(point))
        return false;
    data.SetChanged();
    return true;
}

int32_t RemoveRegion(TScenarioData& data, TXmlNode* region, TRemovalRepairs* repairs) {
    const std::vector<TXmlNode*> regions = Regions(data);
    const auto at = std::find(regions.begin(), regions.end(), region);
    if (at == regions.end() || !ReferencesEdit::Remove(data, region, repairs))
        return -1;
    return static_cast<int32_t>(at - regions.begin()) - 1;
}

void RemoveAllRegions(TScenarioData& data, TRemovalRepairs* repairs) {
    ReferencesEdit::Remove(data, Regions(data), repairs);
    // Entries of units that are no region (left from older edits) go too.
    if (TXmlNode* entries = UnitEntries(data))
        while (entries->ChildCount() > 0)
            entries->RemoveChild(entries->GetChildAt(0));
}

bool ExchangeRegions(TScenarioData& data, int32_t i, int32_t j) {
    TXmlNode* list = RegionList(data);
    if (!list || i < 0 || j < 0 || i >= list->ChildCount() || j >= list->ChildCount() || i == j)
        return false;
    list->ExchangeChildren(i, j);
    data.SetChanged();
    return true;
}

TXmlNode* GeneralElection(TScenarioData& data, TXmlNode* unit) {
    TXmlNode* events = unit ? unit->GetChild("election_events") : nullptr;
    if (!events)
        return nullptr;
    for (int32_t i = 0; i < events->ChildCount(); ++i)
        if (TextCase::Lower(ChildLookup::Text(events->GetChildAt(i), "type")) == "general")
            return events->GetChildAt(i);
    const TXmlNode* scenario = data.Scenario();
    TXmlNode* event = events->AddNewChild("event");
    event->AddNewChild("type", "General");
    event->AddNewChild("open_closed", "open");
    event->AddNewChild(
        "date",
        ChildLookup::Text(scenario ? scenario->GetChild("general_election") : nullptr, "end_date"));
    event->AddNewChild("ballot");
    TXmlNode* seat = event->AddNewChild("seat");
    seat->AddNewChild("type", "FPP");
    seat->AddNewChild("number", "0");
    data.SetChanged();
    return event;
}

TXmlNode* AddCity(TScenarioData& data, TXmlNode* unit, const std::string& name) {
    if (!unit)
        return nullptr;
    TXmlNode* city = ChildOrNew(unit, "cities")->AddNewChild("city", name);
    data.SetChanged();
    return city;
}

void RemoveCity(TScenarioData& data, TXmlNode* city) {
    if (city && city->Parent() && city->Parent()->RemoveChild(city))
        data.SetChanged();
}

TXmlNode* IssueCentre(const TXmlNode* unit, const std::string& issueId) {
    const TXmlNode* centres = unit ? unit->GetChild("issue_centers") : nullptr;
    return centres ? centres->FindChild("", "id", issueId) : nullptr;
}

std::vector<TXmlNode*> PositionIssues(const TScenarioData& data) {
    std::vector<TXmlNode*> issues;
    const TXmlNode* root = data.Issues();
    for (int32_t i = 0; root && i < root->ChildCount(); ++i)
        if (!IssueKinds::IsAttribute(root->GetChildAt(i)))
            issues.push_back(root->GetChildAt(i));
    return issues;
}

int32_t CentrePosition(const TXmlNode* unit, const std::string& issueId) {
    const int32_t value =
        ValueEncodings::PositionValue(ChildLookup::Text(IssueCentre(unit, issueId), "center"));
    return value >= 1 && value <= 7 ? value : 4;
}

void SetCentre(TScenarioData& data, const std::vector<TXmlNode*>& units, const std::string& issueId,
               int32_t position) {
    const std::string name = ValueEncodings::PositionName(position);
    for (TXmlNode* unit : units) {
        TXmlNode* centre = IssueCentre(unit, issueId);
        if (!centre) {
            centre = ChildOrNew(unit, "issue_centers")->AddNewChild("issue");
            centre->SetAttribute("id", issueId);
            centre->AddNewChild("initial_primaries_profile", "Low");
            centre->AddNewChild("initial_generalelection_profile", "Low");
        }
        ChildOrNew(centre, "center")->SetText(name);
    }
    data.SetChanged();
}

void SetProfile(TScenarioData& data, const std::string& issueId, const std::string& profile,
                const std::string& value) {
    std::vector<TXmlNode*> units = Regions(data);
    units.insert(units.begin(), Nation(data));
    for (TXmlNode* unit : units)
        if (TXmlNode* centre = IssueCentre(unit, issueId))
            ChildOrNew(centre, profile.c_str())->SetText(value);
    data.SetChanged();
}

} // namespace PoliticalUnitsEdit
