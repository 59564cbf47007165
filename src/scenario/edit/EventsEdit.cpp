#include "scenario/edit/EventsEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/NumberText.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"
#include "xml/TextCase.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace EventsEdit {

namespace {

std::string TrimBlanks(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return TDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}.ToString();
}

std::string PersonName(const TXmlNode* person) {
    return ChildLookup::Text(person, "firstname") + " " + ChildLookup::Text(person, "lastname");
}

// "Momentum" or "Financial" by the reward's element name; empty otherwise.
std::string RewardWord(const TXmlNode* reward) {
    const std::string name = reward ? TextCase::Lower(reward->Name) : std::string();
    if (name == "momentum")
        return "Momentum";
    if (name == "financial")
        return "Financial";
    return {};
}

// The elements named item in the list element of each party ("leaders",
// "viceleaders"), in file order.
std::vector<TXmlNode*> PoolMembers(const TScenarioData& data, const char* list, const char* item) {
    std::vector<TXmlNode*> members;
    const TXmlNode* parties = data.Parties();
    for (int32_t p = 0; parties && p < parties->ChildCount(); ++p) {
        const TXmlNode* pool = parties->GetChildAt(p)->GetChild(list);
        for (int32_t i = 0; pool && i < pool->ChildCount(); ++i)
            if (pool->GetChildAt(i)->Name == item)
                members.push_back(pool->GetChildAt(i));
    }
    return members;
}

// A vice-leader of the pools; the leaders' running-mate entries carry the
// same ids but no names.
const TXmlNode* FindViceLeader(const TScenarioData& data, const std::string& id) {
    for (const TXmlNode* viceLeader : PoolMembers(data, "viceleaders", "viceleader"))
        if (viceLeader->AttributeValue("id") == id)
            return viceLeader;
    return nullptr;
}

std::vector<TNamedItem> PeopleList(const TScenarioData& data, const char* list, const char* item) {
    std::vector<TNamedItem> people;
    for (TXmlNode* person : PoolMembers(data, list, item))
        people.push_back({PersonName(person), person});
    return people;
}

std::vector<TNamedItem> ChildrenByName(const TXmlNode* parent) {
    std::vector<TNamedItem> items;
    for (int32_t i = 0; parent && i < parent->ChildCount(); ++i)
        items.push_back({ChildLookup::Text(parent->GetChildAt(i), "name"), parent->GetChildAt(i)});
    return items;
}

} // namespace

std::vector<TNamedItem> IssueList(const TScenarioData& data) {
    return ChildrenByName(data.Issues());
}

TXmlNode* IssueById(const TScenarioData& data, const std::string& id) {
    const TXmlNode* issues = data.Issues();
    return issues ? issues->FindChild("issue", "id", id) : nullptr;
}

std::vector<TNamedItem> PositionList(const TXmlNode* issue) {
    if (TextCase::Lower(ChildLookup::Text(issue, "type")) != "positionissue")
        return {};
    return ChildrenByName(issue->GetChild("positions"));
}

std::vector<TNamedItem> PartyList(const TScenarioData& data) {
    return ChildrenByName(data.Parties());
}

std::vector<TNamedItem> LeaderList(const TScenarioData& data) {
    return PeopleList(data, "leaders", "leader");
}

std::vector<TNamedItem> ViceLeaderList(const TScenarioData& data) {
    return PeopleList(data, "viceleaders", "viceleader");
}

std::vector<TNamedItem> OtherEventList(const TScenarioData& data, const TXmlNode* event) {
    const TXmlNode* root = data.Events();
    std::vector<TNamedItem> events;
    for (const TNamedItem& item :
         ChildrenByName(root ? root->GetChild("scripted_events") : nullptr))
        if (item.Element != event)
            events.push_back(item);
    return events;
}

bool IsSwitchedOn(const std::string& text) {
    return NumberText::ParseInteger(text).value_or(0) != 0;
}

std::string FirstIssueId(const TScenarioData& data) {
    const TXmlNode* issues = data.Issues();
    const TXmlNode* first = issues ? issues->GetChildAt(0) : nullptr;
    // Without issues there is nothing to name: "-1" is the unset reference.
    return first ? first->AttributeValue("id", "-1") : "-1";
}

TXmlNode* NewSimpleEvent(TScenarioData& data) {
    TXmlNode* root = data.Events();
    TXmlNode* random = root ? root->GetChild("random_events") : nullptr;
    TXmlNode* list = random ? random->GetChild("simple_issue_events") : nullptr;
    if (!list)
        return nullptr;
    TXmlNode* event = list->AddNewChild("issue");
    event->SetAttribute("id", FirstIssueId(data));
    event->AddNewChild("headlines");
    data.SetChanged();
    return event;
}

TXmlNode* AddHeadline(TScenarioData& data, TXmlNode* simpleEvent, const std::string& text) {
    if (!simpleEvent || text.empty())
        return nullptr;
    TXmlNode* headlines = simpleEvent->GetChild("headlines");
    if (!headlines)
        headlines = simpleEvent->AddNewChild("headlines");
    TXmlNode* headline = headlines->AddNewChild("headline", TrimBlanks(text));
    data.SetChanged();
    return headline;
}

TXmlNode* NewScriptedEvent(TScenarioData& data) {
    TXmlNode* root = data.Events();
    if (!root)
        return nullptr;
    TXmlNode* list = root->GetChild("scripted_events");
    if (!list)
        list = root->AddNewChild("scripted_events");
    const std::string today = Today();
    TXmlNode* event = list->AddNewChild("event");
    event->SetAttribute("id", ValueEncodings::NewId());
    event->AddNewChild("name", "New Event");
    event->AddNewChild("start_date", today);
    event->AddNewChild("end_date", today);
    event->AddNewChild("times_can_occur", "0");
    event->AddNewChild("will_occur", "0");
    event->AddNewChild("chance_occurs", "0");
    event->AddNewChild("conditions");
    event->AddNewChild("outcomes");
    data.SetChanged();
    return event;
}

void EnsureEventNames(TScenarioData& data) {
    TXmlNode* root = data.Events();
    TXmlNode* list = root ? root->GetChild("scripted_events") : nullptr;
    for (int32_t i = 0; list && i < list->ChildCount(); ++i) {
        TXmlNode* event = list->GetChildAt(i);
        if (!event->GetChild("name")) {
            event->AddNewChild("name", event->AttributeValue("id"));
            data.SetChanged();
        }
    }
}

TXmlNode* AddCondition(TScenarioData& data, TXmlNode* event, const std::string& type,
                       const std::string& targetId) {
    std::string target;
    if (type == "who" || type == "not_who")
        target = "leader";
    else if (type == "event_occurred" || type == "event_not_occurred")
        target = "event";
    if (!event || target.empty())
        return nullptr;
    TXmlNode* conditions = event->GetChild("conditions");
    if (!conditions)
        conditions = event->AddNewChild("conditions");
    TXmlNode* condition = conditions->AddNewChild("condition");
    condition->SetAttribute("type", type);
    condition->AddNewChild(target)->SetAttribute("id", targetId);
    data.SetChanged();
    return condition;
}

TXmlNode* NewOutcome(TScenarioData& data, TXmlNode* event) {
    if (!event)
        return nullptr;
    TXmlNode* outcomes = event->GetChild("outcomes");
    if (!outcomes)
        outcomes = event->AddNewChild("outcomes");
    TXmlNode* outcome = outcomes->AddNewChild("outcome");
    outcome->AddNewChild("chance", "0");
    outcome->AddNewChild("profile_change", "0");
    outcome->AddNewChild("chance_issue_center_moves", "0");
    outcome->AddNewChild("distance_issue_center_moves", "0");
    outcome->AddNewChild("target_issue_center", "4");
    outcome->AddNewChild("momentum_change", "0");
    outcome->AddNewChild("headline", "New Event Outcome");
    outcome->AddNewChild("issue_affected")->SetAttribute("id", FirstIssueId(data));
    outcome->AddNewChild("effects");
    data.SetChanged();
    return outcome;
}

TXmlNode* AddEffect(TScenarioData& data, TXmlNode* outcome, const TXmlNode* target,
                    const std::string& rewardWord, const std::string& amount) {
    const std::string reward = TextCase::Lower(rewardWord);
    if (!outcome || !target || (reward != "momentum" && reward != "financial"))
        return nullptr;
    if (target->Name != "position" && target->Name != "party" && target->Name != "leader" &&
        target->Name != "viceleader")
        return nullptr;
    TXmlNode* effects = outcome->GetChild("effects");
    if (!effects)
        effects = outcome->AddNewChild("effects");
    TXmlNode* effect =
        effects->AddNewChild(target->Name == "position" ? "issue_position" : target->Name);
    effect->SetAttribute("id", target->AttributeValue("id"));
    effect->AddNewChild(reward, amount);
    data.SetChanged();
    return effect;
}

TXmlNode* AffectedIssue(const TScenarioData& data, const TXmlNode* outcome) {
    const TXmlNode* affected = outcome ? outcome->GetChild("issue_affected") : nullptr;
    return affected ? IssueById(data, affected->AttributeValue("id")) : nullptr;
}

int32_t SetAffectedIssue(TScenarioData& data, TXmlNode* outcome, const TXmlNode* issue) {
    if (!outcome)
        return 0;
    TXmlNode* affected = outcome->GetChild("issue_affected");
    if (!affected)
        affected = outcome->AddNewChild("issue_affected");
    affected->SetAttribute("id", issue ? issue->AttributeValue("id", "-1") : "-1");
    data.SetChanged();
    return DropDanglingEffects(data, outcome, issue);
}

int32_t DropDanglingEffects(TScenarioData& data, TXmlNode* outcome, const TXmlNode* issue) {
    TXmlNode* effects = outcome ? outcome->GetChild("effects") : nullptr;
    if (!effects)
        return 0;
    int32_t dropped = 0;
    for (int32_t i = 0; i < effects->ChildCount();) {
        TXmlNode* effect = effects->GetChildAt(i);
        if (EffectLine(data, effect, issue)) {
            ++i;
            continue;
        }
        effects->RemoveChild(effect);
        ++dropped;
    }
    if (dropped > 0)
        data.SetChanged();
    return dropped;
}

std::string SimpleEventLine(const TScenarioData& data, const TXmlNode* simpleEvent) {
    if (!simpleEvent)
        return {};
    const std::string id = simpleEvent->AttributeValue("id");
    TXmlNode* issues = data.Issues();
    const TXmlNode* issue = issues ? issues->FindNode("issue", "id", id) : nullptr;
    if (!issue)
        return "Issue not found : " + id;
    return ChildLookup::Text(issue, "name");
}

std::string ConditionLine(const TScenarioData& data, const TXmlNode* condition) {
    if (!condition)
        return {};
    const std::string type = condition->AttributeValue("type");
    const TXmlNode* target = condition->GetChildAt(0);
    const std::string id = target ? target->AttributeValue("id") : std::string();
    if (type == "who" || type == "not_who") {
        TXmlNode* parties = data.Parties();
        const TXmlNode* leader = parties ? parties->FindNode("leader", "id", id) : nullptr;
        if (!leader)
            return "Leader not found : " + id;
        return PersonName(leader) + (type == "who" ? " Exists" : " Does Not Exist");
    }
    if (type == "event_occurred" || type == "event_not_occurred") {
        TXmlNode* root = data.Events();
        const TXmlNode* list = root ? root->GetChild("scripted_events") : nullptr;
        const TXmlNode* event = list ? list->FindChild("event", "id", id) : nullptr;
        if (!event)
            return "Event not found : " + id;
        return ChildLookup::Text(event, "name") +
               (type == "event_occurred" ? " Event Has Occurred" : " Event Has Not Occurred");
    }
    return "Unknown condition : " + type +
           (target ? " (" + target->Name + " " + id + ")" : std::string());
}

std::optional<std::string> EffectLine(const TScenarioData& data, const TXmlNode* effect,
                                      const TXmlNode* issue) {
    if (!effect)
        return std::nullopt;
    const std::string id = effect->AttributeValue("id");
    const TXmlNode* reward = effect->GetChildAt(0);
    const std::string amount = reward ? reward->GetText() : std::string();
    if (effect->Name == "party" || effect->Name == "leader" || effect->Name == "viceleader") {
        TXmlNode* parties = data.Parties();
        const TXmlNode* target = effect->Name == "viceleader" ? FindViceLeader(data, id)
                                 : parties ? parties->FindNode(effect->Name, "id", id)
                                           : nullptr;
        const std::string word = RewardWord(reward);
        if (!target || word.empty())
            return std::nullopt;
        const std::string name =
            effect->Name == "party" ? ChildLookup::Text(target, "name") : PersonName(target);
        return name + " : " + word + " (" + amount + ")";
    }
    if (effect->Name == "issue_position") {
        const TXmlNode* positions = issue ? issue->GetChild("positions") : nullptr;
        const TXmlNode* position = positions ? positions->FindChild("position", "id", id) : nullptr;
        if (!position)
            return std::nullopt;
        return ChildLookup::Text(position, "name") + " : Momentum (" + amount + ")";
    }
    return effect->Name + " : " + (reward ? reward->Name : std::string()) + " (" + amount + ")";
}

int32_t RemoveItem(TScenarioData& data, TXmlNode* item, TRemovalRepairs* repairs) {
    TXmlNode* parent = item ? item->Parent() : nullptr;
    for (int32_t i = 0; parent && i < parent->ChildCount(); ++i)
        if (parent->GetChildAt(i) == item)
            return ReferencesEdit::Remove(data, item, repairs) ? i - 1 : -1;
    return -1;
}

} // namespace EventsEdit
