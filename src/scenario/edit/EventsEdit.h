#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TScenarioData;
struct TRemovalRepairs;
class TXmlNode;

// Document operations of the event editors.
namespace EventsEdit {

// An entry of the editors' drop-down lists: the text shown and the element
// it stands for.
struct TNamedItem {
    std::string Name;
    TXmlNode* Element = nullptr;
};

// The issues of issues.xml (children of its root) by name, in file order.
std::vector<TNamedItem> IssueList(const TScenarioData& data);
// The issue among those with the given id; null when none has it.
TXmlNode* IssueById(const TScenarioData& data, const std::string& id);
// The positions of a position issue (its type reads "positionissue" in any
// case) by name; empty for any other issue.
std::vector<TNamedItem> PositionList(const TXmlNode* issue);
// The parties by name; their leaders and their vice-leaders (the pools
// party/leaders and party/viceleaders, not the leaders' running-mate
// entries) by first and last name. All in file order.
std::vector<TNamedItem> PartyList(const TScenarioData& data);
std::vector<TNamedItem> LeaderList(const TScenarioData& data);
std::vector<TNamedItem> ViceLeaderList(const TScenarioData& data);
// The scripted events other than event, by name.
std::vector<TNamedItem> OtherEventList(const TScenarioData& data, const TXmlNode* event);

// The random-events switch: a text that reads as a non-zero integer is on;
// anything else (also a missing attribute) is off.
bool IsSwitchedOn(const std::string& text);

// The id of the first issue of issues.xml; "-1" (none) when there is none.
std::string FirstIssueId(const TScenarioData& data);

// Appends a simple event about the first issue, with no headlines yet. Null
// when events.xml lacks random_events or simple_issue_events.
TXmlNode* NewSimpleEvent(TScenarioData& data);
// Appends a headline holding text without leading and trailing blanks;
// an empty text adds nothing (null).
TXmlNode* AddHeadline(TScenarioData& data, TXmlNode* simpleEvent, const std::string& text);

// Appends a complete new scripted event running today; its scripted_events
// list is created when missing. Null without a root.
TXmlNode* NewScriptedEvent(TScenarioData& data);
// A scripted event without a name element gets one holding its id, so every
// event can be listed.
void EnsureEventNames(TScenarioData& data);

// Appends a condition of type "who", "not_who" (on a leader) or
// "event_occurred", "event_not_occurred" (on a scripted event) naming the
// target by its id. Null for any other type.
TXmlNode* AddCondition(TScenarioData& data, TXmlNode* event, const std::string& type,
                       const std::string& targetId);

// Appends a new outcome about the first issue, with no effects yet and its
// target issue centre at the centre (4), inside the field's 1 to 7.
TXmlNode* NewOutcome(TScenarioData& data, TXmlNode* event);
// Appends an effect on target (a position of the affected issue, a party, a
// leader or a vice-leader) with the reward word ("Momentum", "Financial",
// any case) in lower case holding amount. Any other target or reward word
// adds nothing (null): the effect could not be shown, and an element named
// by an empty word could not be written.
TXmlNode* AddEffect(TScenarioData& data, TXmlNode* outcome, const TXmlNode* target,
                    const std::string& rewardWord, const std::string& amount);
// The issue an outcome affects (by the id of its issue_affected); null when
// that names no issue.
TXmlNode* AffectedIssue(const TScenarioData& data, const TXmlNode* outcome);
// Makes the outcome affect issue (null: none, "-1") and drops the position
// effects that do not belong to it. Returns how many effects were dropped.
int32_t SetAffectedIssue(TScenarioData& data, TXmlNode* outcome, const TXmlNode* issue);
// Removes the effects the outcome editor cannot show: a party, leader or
// vice-leader effect whose target is gone or whose reward is neither
// momentum nor financial, and a position effect whose position is not one
// of issue (the issue selected as affected; null for none). Effects of other
// kinds stay. Returns how many were removed.
int32_t DropDanglingEffects(TScenarioData& data, TXmlNode* outcome, const TXmlNode* issue);

// List lines of the event editors.
// A simple event by its issue's name; "Issue not found : " and the id when
// issues.xml has no such issue.
std::string SimpleEventLine(const TScenarioData& data, const TXmlNode* simpleEvent);
// A condition as its target's name and the type's word ("Ida Brenn Exists",
// "Flood Event Has Not Occurred"); "Leader not found : " or "Event not
// found : " and the id when the target is gone; "Unknown condition : ",
// the type and the target element with its id for any other type.
std::string ConditionLine(const TScenarioData& data, const TXmlNode* condition);
// An effect as target, " : ", reward word and the amount in brackets
// ("Harbour Party : Financial (5)"); a position effect always reads
// "Momentum". Empty for an effect that DropDanglingEffects removes. Effects
// of other kinds show their element and reward names. A vice-leader is
// looked up in the parties' vice-leader pools only.
std::optional<std::string> EffectLine(const TScenarioData& data, const TXmlNode* effect,
                                      const TXmlNode* issue);

// Removes any list item (simple event, headline, scripted event, condition,
// outcome, effect) with everything in it; conditions naming a removed
// scripted event are repaired (ReferencesEdit). Returns the index of the item
// before it (the one to select), -1 when it was the first or has no parent.
int32_t RemoveItem(TScenarioData& data, TXmlNode* item, TRemovalRepairs* repairs = nullptr);

} // namespace EventsEdit
