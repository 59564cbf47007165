#include "scenario/ElementTargets.h"

#include "xml/TXmlNode.h"

#include <cstdlib>

TXmlNode* TElementTarget::ItemAfter(const TXmlNode* outer) const {
    for (size_t i = 0; i + 1 < Items.size(); ++i)
        if (Items[i] == outer)
            return Items[i + 1];
    return nullptr;
}

namespace ElementTargets {

namespace {

// The element's ancestors from its document's root down to itself.
std::vector<TXmlNode*> ChainOf(TXmlNode* element) {
    std::vector<TXmlNode*> chain;
    for (TXmlNode* node = element; node; node = node->Parent())
        chain.insert(chain.begin(), node);
    return chain;
}

// The name of chain[index]; empty past the end.
const std::string& NameAt(const std::vector<TXmlNode*>& chain, size_t index) {
    static const std::string none;
    return index < chain.size() ? chain[index]->Name : none;
}

TXmlNode* At(const std::vector<TXmlNode*>& chain, size_t index) {
    return index < chain.size() ? chain[index] : nullptr;
}

TXmlNode* ChildWithId(const TXmlNode* list, const std::string& name, const std::string& id) {
    for (int32_t i = 0; list && i < list->ChildCount(); ++i) {
        TXmlNode* child = list->GetChildAt(i);
        if (child->Name == name && child->AttributeValue("id") == id)
            return child;
    }
    return nullptr;
}

TXmlNode* PartyWithId(const TScenarioData& data, const std::string& id) {
    return ChildWithId(data.Parties(), "party", id);
}

void Target(TElementTarget& t, int step, const char* window, std::vector<TXmlNode*> items = {}) {
    t.Step = step;
    t.Window = window;
    t.Items = std::move(items);
}

void ScenarioSettings(const TScenarioData& data, const std::vector<TXmlNode*>& chain,
                      TElementTarget& t) {
    const std::string& group = NameAt(chain, 1);
    // The initial economy is a field of the settings; only the targets have
    // their own editor.
    if (group == "economy" && NameAt(chain, 2) == "targets")
        return Target(t, 1, "TEconomyEditorForm");
    if (group == "interviewers") {
        if (TXmlNode* interviewer = At(chain, 2))
            return Target(t, 1, "TInterviewerEditorForm", {interviewer});
        return Target(t, 1, "TInterviewerEditorForm");
    }
    if (group == "debates" && NameAt(chain, 2) == "primaries" && At(chain, 3)) {
        // A party's primary debates are edited from the party.
        if (TXmlNode* party = PartyWithId(data, At(chain, 3)->AttributeValue("id")))
            return Target(t, 5, "TDebatesEditorForm", {party});
        return Target(t, 5, "TPartiesEditorForm");
    }
    if (group == "debates")
        return Target(t, 1, "TDebatesEditorForm");
    Target(t, 1, "TScenarioEditorForm");
}

void PoliticalUnits(const TScenarioData& data, const std::vector<TXmlNode*>& chain,
                    TElementTarget& t) {
    TXmlNode* unit = nullptr;
    const char* window = "TPoliticalUnitEditorForm";
    for (size_t i = 1; i < chain.size(); ++i) {
        if (chain[i]->Name == "political_unit")
            unit = chain[i];
        if (chain[i]->Name == "issue_centers")
            window = "TIssueCentersForm";
        // A party's primary or caucus is edited with the party's region
        // information.
        if (chain[i]->Name == "event" && NameAt(chain, i - 1) == "election_events")
            if (const TXmlNode* party = chain[i]->GetChild("party"))
                if (TXmlNode* owner = PartyWithId(data, party->AttributeValue("id")))
                    return Target(t, 5, "TElectionEventsEditorForm", {owner});
    }
    if (unit)
        return Target(t, 3, window, {unit});
    Target(t, 3, window);
}

void Parties(const std::vector<TXmlNode*>& chain, TElementTarget& t) {
    TXmlNode* party = At(chain, 1);
    if (!party)
        return Target(t, 5, "TPartiesEditorForm");
    const std::string& group = NameAt(chain, 2);
    if (group == "platform")
        return Target(t, 5, "TPlatformEditorForm", {party});
    if (group == "leaders" || group == "viceleaders") {
        TXmlNode* candidate = At(chain, 3);
        if (!candidate)
            return Target(t, 5, "TPartyLeaderVeepEditorForm", {party});
        if (group == "viceleaders")
            return Target(t, 5, "TVeepEditForm", {party, candidate});
        const std::string& part = NameAt(chain, 4);
        if (part == "platform")
            return Target(t, 5, "TPlatformEditorForm", {party, candidate});
        if (part == "viceleaders")
            return Target(t, 5, "TSelectVeepsForm", {party, candidate});
        if (part == "crusaders") {
            if (TXmlNode* crusader = At(chain, 5))
                return Target(t, 5, "TCrusadersEditorForm", {party, candidate, crusader});
            return Target(t, 5, "TCrusadersEditorForm", {party, candidate});
        }
        return Target(t, 5, "TLeaderEditForm", {party, candidate});
    }
    Target(t, 5, "TPartyEditForm", {party});
}

// /percentages/political_units/political_unit/parties/party/primaries/leaders/leader
void Percentages(const TScenarioData& data, const std::vector<TXmlNode*>& chain,
                 TElementTarget& t) {
    const TXmlNode* entry = NameAt(chain, 4) == "party" ? At(chain, 4) : nullptr;
    if (TXmlNode* party = entry ? PartyWithId(data, entry->AttributeValue("id")) : nullptr) {
        const TXmlNode* leaderEntry = NameAt(chain, 7) == "leader" ? At(chain, 7) : nullptr;
        if (TXmlNode* leader = leaderEntry ? ChildWithId(party->GetChild("leaders"), "leader",
                                                         leaderEntry->AttributeValue("id"))
                                           : nullptr)
            return Target(t, 5, "TPercentagesEditorForm", {party, leader});
        return Target(t, 5, "TPercentagesEditorForm", {party});
    }
    // The share of voters alienated everywhere is a scenario setting.
    if (NameAt(chain, 1) == "universal_alienated" ||
        (chain.size() == 1 && t.Field == "universal_alienated"))
        return Target(t, 1, "TScenarioEditorForm");
    // A region's entry, or one for a party that is gone: the region.
    if (const TXmlNode* unitEntry = NameAt(chain, 2) == "political_unit" ? At(chain, 2) : nullptr)
        if (TXmlNode* unit = data.PoliticalUnits()
                                 ? data.PoliticalUnits()->FindNode("political_unit", "id",
                                                                   unitEntry->AttributeValue("id"))
                                 : nullptr)
            return Target(t, 3, "TPoliticalUnitEditorForm", {unit});
    Target(t, 5, "TPartiesEditorForm");
}

void Events(const std::vector<TXmlNode*>& chain, TElementTarget& t) {
    const std::string& group = NameAt(chain, 1);
    if (group == "random_events") {
        if (TXmlNode* issue = NameAt(chain, 3) == "issue" ? At(chain, 3) : nullptr)
            return Target(t, 6, "TSimpleEventEditorForm", {issue});
        return Target(t, 6, "TSimpleEventEditorForm");
    }
    if (group == "scripted_events") {
        TXmlNode* event = At(chain, 2);
        if (!event)
            return Target(t, 6, "TScriptedEventsEditorForm");
        const std::string& part = NameAt(chain, 3);
        if (part == "conditions") {
            if (TXmlNode* condition = At(chain, 4))
                return Target(t, 6, "TEventConditionBuilderForm", {event, condition});
            return Target(t, 6, "TEventConditionBuilderForm", {event});
        }
        if (part == "outcomes") {
            if (TXmlNode* outcome = At(chain, 4))
                return Target(t, 6, "TEventOutcomeBuilderForm", {event, outcome});
            return Target(t, 6, "TEventOutcomeBuilderForm", {event});
        }
        return Target(t, 6, "TScriptedEventsEditorForm", {event});
    }
    Target(t, 6, "TEventsEditorForm");
}

// The one item of a flat list at chain[index], if any.
std::vector<TXmlNode*> ItemAt(const std::vector<TXmlNode*>& chain, size_t index) {
    if (TXmlNode* item = At(chain, index))
        return {item};
    return {};
}

} // namespace

TElementTarget Find(const TScenarioData& data, TXmlNode* element, const std::string& field) {
    TElementTarget t;
    t.Element = element;
    t.Field = field;
    const std::optional<TScenarioFile> file = element ? data.FileOf(element) : std::nullopt;
    if (!file)
        return t;
    const std::vector<TXmlNode*> chain = ChainOf(element);
    switch (*file) {
    case TScenarioFile::Scenario:
        ScenarioSettings(data, chain, t);
        break;
    case TScenarioFile::Issues:
        Target(t, 2, "TIssueEditorForm", ItemAt(chain, 1));
        break;
    case TScenarioFile::PoliticalUnits:
        PoliticalUnits(data, chain, t);
        break;
    case TScenarioFile::Ads:
        Target(t, 4, "TAdEditorForm", ItemAt(chain, 1));
        break;
    case TScenarioFile::Parties:
        Parties(chain, t);
        break;
    case TScenarioFile::Percentages:
        Percentages(data, chain, t);
        break;
    case TScenarioFile::Relations:
        Target(t, 5, "TPartyRelationsEditorForm");
        break;
    case TScenarioFile::Events:
        Events(chain, t);
        break;
    case TScenarioFile::Endorsers:
        Target(t, 7, "TEndorserEditorForm", ItemAt(chain, 1));
        break;
    case TScenarioFile::Activities:
        Target(t, 8, "TActivitiesEditorForm", ItemAt(chain, 2));
        break;
    }
    return t;
}

TXmlNode* Resolve(const TScenarioData& data, TScenarioFile file, const std::string& path) {
    TXmlNode* node = nullptr;
    size_t at = 0;
    while (at < path.size() && path[at] == '/') {
        const size_t end = path.find('/', at + 1);
        std::string step = path.substr(at + 1, end == std::string::npos ? end : end - at - 1);
        at = end == std::string::npos ? path.size() : end;
        long position = 1;
        if (const size_t open = step.find('['); open != std::string::npos) {
            position = std::strtol(step.c_str() + open + 1, nullptr, 10);
            step.erase(open);
        }
        if (!node) {
            node = data.Root(file);
            if (!node || node->Name != step || position != 1)
                return nullptr;
            continue;
        }
        TXmlNode* next = nullptr;
        for (int32_t i = 0, seen = 0; i < node->ChildCount() && !next; ++i)
            if (node->GetChildAt(i)->Name == step && ++seen == position)
                next = node->GetChildAt(i);
        if (!next)
            return nullptr;
        node = next;
    }
    return at == path.size() ? node : nullptr;
}

TElementTarget ForMessage(const TScenarioData& data, const TVerificationMessage& message) {
    const std::optional<TScenarioFile> file = TScenarioData::FileNamed(message.File);
    if (!file)
        return {};
    TXmlNode* element = Resolve(data, *file, message.ElementPath);
    // Paths count places in lists: after a change the same path may name
    // another item. Only the addresses are compared.
    if (message.Element && element != message.Element)
        return {};
    // A message about one entry of a list names the list; its subject is the
    // entry itself, the more exact place to open.
    const std::string& subject = message.SubjectPath;
    if (element && subject.size() > message.ElementPath.size() + 1 &&
        subject.compare(0, message.ElementPath.size() + 1, message.ElementPath + "/") == 0)
        if (TXmlNode* entry = Resolve(data, *file, subject))
            return Find(data, entry);
    return Find(data, element, message.Field);
}

} // namespace ElementTargets
