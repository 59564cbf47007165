#include "scenario/edit/RegionElectionEdit.h"

#include "scenario/TScenarioData.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

#include <algorithm>
#include <cctype>

namespace RegionElectionEdit {

const char* const EventTypes[3] = {"Open Primary", "Closed Primary", "Caucus"};

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string TextOf(const TXmlNode* parent, const char* name) {
    const TXmlNode* child = parent ? parent->GetChild(name) : nullptr;
    return child ? child->GetText() : std::string();
}

TXmlNode* ChildOrNew(TXmlNode* parent, const char* name, const char* text = "") {
    TXmlNode* child = parent->GetChild(name);
    return child ? child : parent->AddNewChild(name, text);
}

bool NamesParty(const TXmlNode* event, const std::string& partyId) {
    const TXmlNode* party = event->GetChild("party");
    return party && party->AttributeValue("id") == partyId;
}

// Sets the id of a region's holder element (governor or majority).
void SetHolder(TScenarioData& data, const std::vector<TXmlNode*>& regions, const char* element,
               const std::string& id) {
    for (TXmlNode* region : regions) {
        if (!region)
            continue;
        ChildOrNew(region, element)->SetAttribute("id", id);
        data.SetChanged();
    }
}

bool HeldBy(const TXmlNode* region, const char* element, const std::string& partyId) {
    const TXmlNode* holder = region ? region->GetChild(element) : nullptr;
    return holder && holder->AttributeValue("id") == partyId;
}

} // namespace

TXmlNode* AppendPrimaryEvent(TXmlNode* events, const std::string& partyId) {
    TXmlNode* event = events->AddNewChild("event");
    event->AddNewChild("type", "Primary");
    event->AddNewChild("open_closed", "open");
    event->AddNewChild("party")->SetAttribute("id", partyId);
    event->AddNewChild("date", TDate::Today().ToString());
    event->AddNewChild("ballot");
    TXmlNode* seat = event->AddNewChild("seat");
    seat->AddNewChild("type", "FPP");
    seat->AddNewChild("number", "0");
    return event;
}

TXmlNode* PartyEvent(TScenarioData& data, TXmlNode* region, const std::string& partyId) {
    if (!region)
        return nullptr;
    TXmlNode* events = region->GetChild("election_events");
    TXmlNode* event = nullptr;
    for (int32_t i = 0; events && i < events->ChildCount() && !event; ++i)
        if (NamesParty(events->GetChildAt(i), partyId))
            event = events->GetChildAt(i);
    if (!event) {
        event = AppendPrimaryEvent(ChildOrNew(region, "election_events"), partyId);
        data.SetChanged();
    }
    if (!event->GetChild("profile_bonus")) {
        event->AddNewChild("profile_bonus", "0");
        data.SetChanged();
    }
    TXmlNode* seat = event->GetChild("seat");
    if (!seat) {
        seat = event->AddNewChild("seat");
        data.SetChanged();
    }
    if (!seat->GetChild("cut_off")) {
        seat->AddNewChild("cut_off", "0");
        data.SetChanged();
    }
    return event;
}

TXmlNode* GeneralEvent(const TXmlNode* region) {
    const TXmlNode* events = region ? region->GetChild("election_events") : nullptr;
    for (int32_t i = 0; events && i < events->ChildCount(); ++i)
        if (Lower(TextOf(events->GetChildAt(i), "type")) == "general")
            return events->GetChildAt(i);
    return nullptr;
}

std::string EventTypeEntry(const TXmlNode* event) {
    const std::string type = Lower(TextOf(event, "type"));
    const std::string shown =
        type == "primary" ? Lower(TextOf(event, "open_closed")) + " " + type : type;
    for (const char* entry : EventTypes)
        if (Lower(entry) == shown)
            return entry;
    return {};
}

void SetEventType(TScenarioData& data, TXmlNode* event, const std::string& entry) {
    if (!event)
        return;
    const bool open = entry == EventTypes[0];
    const bool caucus = entry == EventTypes[2];
    if (!open && !caucus && entry != EventTypes[1])
        return;
    ChildOrNew(event, "open_closed")->SetText(open ? "open" : "closed");
    ChildOrNew(event, "type")->SetText(caucus ? "caucus" : "primary");
    data.SetChanged();
}

bool OnBallot(const TXmlNode* region, const std::string& partyId) {
    const TXmlNode* event = GeneralEvent(region);
    const TXmlNode* ballot = event ? event->GetChild("ballot") : nullptr;
    return ballot && ballot->FindChild("party", "id", partyId);
}

std::vector<TXmlNode*> SetOnBallot(TScenarioData& data, const std::vector<TXmlNode*>& regions,
                                   const std::string& partyId, bool on) {
    std::vector<TXmlNode*> skipped;
    for (TXmlNode* region : regions) {
        TXmlNode* event = GeneralEvent(region);
        if (!event) {
            if (region)
                skipped.push_back(region);
            continue;
        }
        TXmlNode* ballot = ChildOrNew(event, "ballot");
        if (on && !ballot->FindChild("party", "id", partyId)) {
            ballot->AddNewChild("party")->SetAttribute("id", partyId);
            data.SetChanged();
        }
        while (TXmlNode* entry = on ? nullptr : ballot->FindChild("party", "id", partyId)) {
            ballot->RemoveChild(entry);
            data.SetChanged();
        }
    }
    return skipped;
}

bool HasGovernor(const TXmlNode* region, const std::string& partyId) {
    return HeldBy(region, "party_with_governor", partyId);
}

bool HasMajority(const TXmlNode* region, const std::string& partyId) {
    return HeldBy(region, "party_with_existing_majority", partyId);
}

void SetGovernor(TScenarioData& data, const std::vector<TXmlNode*>& regions,
                 const std::string& partyId, bool on) {
    SetHolder(data, regions, "party_with_governor", on ? partyId : std::string());
}

void SetMajority(TScenarioData& data, const std::vector<TXmlNode*>& regions,
                 const std::string& partyId, bool on) {
    SetHolder(data, regions, "party_with_existing_majority", on ? partyId : std::string("-1"));
}

} // namespace RegionElectionEdit
