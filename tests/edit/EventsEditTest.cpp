#include "scenario/edit/EventsEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TDate.h"
#include "xml/TXmlDom.h"
#include "xml/TXmlNode.h"
#include "xml/XmlNames.h"

#include <gtest/gtest.h>

using TestScenario::At;
using TestScenario::ChildNames;

namespace {

const char* const Issues =
    "<issues><issue id=\"i1\"><name>Ferries</name><type>PositionIssue</type><positions>"
    "<position id=\"far_left\"><name>Far-Left</name></position>"
    "<position id=\"center\"><name>Center</name></position></positions></issue>"
    "<issue id=\"i2\"><name>Charm</name><type>attribute</type></issue></issues>";
const char* const Parties =
    "<parties><party id=\"p1\"><name>Harbour Party</name>"
    "<leaders><leader id=\"l1\"><firstname>Ida</firstname>"
    // The running mate entry comes first in the file but names nobody.
    "<viceleaders><viceleader id=\"v1\"></viceleader></viceleaders></leader></leaders>"
    "<viceleaders><viceleader "
    "id=\"v1\"><firstname>Bo</firstname><lastname>Tarr</lastname></viceleader></viceleaders>"
    "</party></parties>";
const char* const EmptyEvents = "<events><random_events on=\"1\"><simple_issue_events>"
                                "</simple_issue_events></random_events><scripted_events>"
                                "</scripted_events></events>";

std::unique_ptr<TScenarioData> Load(const std::string& events = EmptyEvents,
                                    const std::string& issues = Issues) {
    return TestScenario::FromTexts({{TScenarioFile::Events, events},
                                    {TScenarioFile::Issues, issues},
                                    {TScenarioFile::Parties, Parties}});
}

} // namespace

TEST(EventsEdit, SimpleEventsNeedAHeadline) {
    auto data = Load();
    TXmlNode* event = EventsEdit::NewSimpleEvent(*data);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->AttributeValue("id"), "i1");
    EXPECT_EQ(EventsEdit::SimpleEventLine(*data, event), "Ferries");
    // The list is there to fill: only the missing headline is reported.
    EXPECT_EQ(ChildNames(event), std::vector<std::string>{"headlines"});
    EXPECT_FALSE(VerifyEvents(*data));

    EXPECT_EQ(EventsEdit::AddHeadline(*data, event, ""), nullptr);
    EXPECT_EQ(EventsEdit::AddHeadline(*data, event, "  Ferry strike ends\t")->GetText(),
              "Ferry strike ends");
    data->Messages().clear();
    EXPECT_TRUE(VerifyEvents(*data));
    // Blanks only make an empty headline, which verification reports.
    EventsEdit::AddHeadline(*data, event, "   ");
    EXPECT_FALSE(VerifyEvents(*data));

    event->SetAttribute("id", "gone");
    EXPECT_EQ(EventsEdit::SimpleEventLine(*data, event), "Issue not found : gone");
    EXPECT_EQ(EventsEdit::NewSimpleEvent(*Load("<events></events>")), nullptr);
}

TEST(EventsEdit, WithoutIssuesNewItemsNameNoIssue) {
    auto data = Load(EmptyEvents, "<issues></issues>");
    EXPECT_EQ(EventsEdit::NewSimpleEvent(*data)->AttributeValue("id"), "-1");
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, EventsEdit::NewScriptedEvent(*data));
    EXPECT_EQ(outcome->GetChild("issue_affected")->AttributeValue("id"), "-1");
}

TEST(EventsEdit, NewScriptedEventRunsTodayAndItsOutcomeNeedsAnEffect) {
    auto data = Load();
    TXmlNode* event = EventsEdit::NewScriptedEvent(*data);
    ASSERT_NE(event, nullptr);
    const std::string start = event->GetChild("start_date")->GetText();
    ASSERT_TRUE(TDate::Parse(start).has_value());
    EXPECT_EQ(TDate::Parse(start)->ToString(), start);
    EXPECT_EQ(event->GetChild("end_date")->GetText(), start);
    EXPECT_TRUE(VerifyEvents(*data));

    TXmlNode* outcome = EventsEdit::NewOutcome(*data, event);
    EXPECT_EQ(outcome->GetChild("issue_affected")->AttributeValue("id"), "i1");
    // With its effects it verifies: EveryEffectKindRoundTripsAndRemoves.
    EXPECT_FALSE(VerifyEvents(*data));
}

TEST(EventsEdit, ConditionsAndTheirLines) {
    auto data = Load();
    TXmlNode* flood = EventsEdit::NewScriptedEvent(*data);
    flood->GetChild("name")->SetText("Flood");
    TXmlNode* other = EventsEdit::NewScriptedEvent(*data);
    At(*data, TScenarioFile::Parties, "/parties/party/leaders/leader")
        ->AddNewChild("lastname", "Brenn");
    auto line = [&](const std::string& type, const std::string& id) {
        return EventsEdit::ConditionLine(*data, EventsEdit::AddCondition(*data, other, type, id));
    };
    EXPECT_EQ(line("who", "l1"), "Ida Brenn Exists");
    EXPECT_EQ(line("not_who", "l1"), "Ida Brenn Does Not Exist");
    EXPECT_EQ(line("event_occurred", flood->AttributeValue("id")), "Flood Event Has Occurred");
    EXPECT_EQ(line("event_not_occurred", flood->AttributeValue("id")),
              "Flood Event Has Not Occurred");
    EXPECT_EQ(EventsEdit::AddCondition(*data, other, "Exists", "l1"), nullptr);
    EXPECT_TRUE(VerifyEvents(*data));

    // A vice-leader is no leader; a removed event is reported by verification.
    EXPECT_EQ(line("not_who", "v1"), "Leader not found : v1");
    EXPECT_EQ(EventsEdit::RemoveItem(*data, flood), -1);
    EXPECT_EQ(
        EventsEdit::ConditionLine(*data, other->GetChild("conditions")->GetChildAt(2)),
        "Event not found : " +
            other->GetChild("conditions")->GetChildAt(2)->GetChildAt(0)->AttributeValue("id"));
    TXmlNode* odd = other->GetChild("conditions")->AddNewChild("condition");
    odd->SetAttribute("type", "WHO");
    EXPECT_EQ(EventsEdit::ConditionLine(*data, odd), "Unknown condition : WHO");
    EXPECT_EQ(EventsEdit::RemoveItem(*data, data->Events()), -1);
    EXPECT_NE(data->Events(), nullptr);
}

TEST(EventsEdit, EventsWithoutNameGetTheirId) {
    auto data = Load("<events><scripted_events><event id=\"e5\"></event><event id=\"e6\">"
                     "<name>Kept</name></event></scripted_events></events>");
    EventsEdit::EnsureEventNames(*data);
    EXPECT_EQ(At(*data, TScenarioFile::Events, "/events/scripted_events/event/name")->GetText(),
              "e5");
    EXPECT_EQ(At(*data, TScenarioFile::Events, "/events/scripted_events/event[2]")->ChildCount(),
              1);
}

TEST(EventsEdit, EffectLinesAndDanglingEffects) {
    auto data = Load();
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, EventsEdit::NewScriptedEvent(*data));
    TXmlNode* effects = outcome->GetChild("effects");
    auto add = [&](const std::string& kind, const std::string& id, const std::string& reward) {
        TXmlNode* e = effects->AddNewChild(kind);
        e->SetAttribute("id", id);
        if (!reward.empty())
            e->AddNewChild(reward, "1");
        return e;
    };
    const TXmlNode* ferries = At(*data, TScenarioFile::Issues, "/issues/issue");
    auto line = [&](const TXmlNode* effect) {
        return EventsEdit::EffectLine(*data, effect, ferries);
    };
    EXPECT_EQ(line(add("party", "p1", "Financial")), "Harbour Party : Financial (1)");
    EXPECT_EQ(line(add("party", "p9", "momentum")), std::nullopt); // party gone
    EXPECT_EQ(line(add("leader", "l1", "votes")), std::nullopt);   // no reward word
    EXPECT_EQ(line(add("viceleader", "v1", "momentum")), "Bo Tarr : Momentum (1)");
    EXPECT_EQ(line(add("leader", "l1", "")), std::nullopt);
    EXPECT_EQ(line(add("issue_position", "center", "financial")), "Center : Momentum (1)");
    EXPECT_EQ(line(add("issue_position", "left", "momentum")), std::nullopt);
    EXPECT_EQ(line(add("endorser", "x", "momentum")), "endorser : momentum (1)");

    EXPECT_EQ(EventsEdit::DropDanglingEffects(*data, outcome, ferries), 4);
    EXPECT_EQ(ChildNames(effects),
              (std::vector<std::string>{"party", "viceleader", "issue_position", "endorser"}));
    // Another affected issue without positions drops every position effect.
    const TXmlNode* charm = At(*data, TScenarioFile::Issues, "/issues/issue[2]");
    EXPECT_EQ(EventsEdit::DropDanglingEffects(*data, outcome, charm), 1);
    EXPECT_EQ(ChildNames(effects), (std::vector<std::string>{"party", "viceleader", "endorser"}));
}

namespace {

std::vector<std::string> Names(const std::vector<EventsEdit::TNamedItem>& items) {
    std::vector<std::string> names;
    for (const auto& item : items)
        names.push_back(item.Name);
    return names;
}

// The outcome's effects as the editor lists them.
std::vector<std::string> EffectLines(const TScenarioData& data, const TXmlNode* outcome) {
    std::vector<std::string> lines;
    const TXmlNode* effects = outcome->GetChild("effects");
    const TXmlNode* issue = EventsEdit::AffectedIssue(data, outcome);
    for (int32_t i = 0; i < effects->ChildCount(); ++i)
        lines.push_back(EventsEdit::EffectLine(data, effects->GetChildAt(i), issue).value_or("?"));
    return lines;
}

} // namespace

TEST(EventsEdit, NameListsComeFromThePools) {
    auto data = Load();
    EXPECT_EQ(Names(EventsEdit::IssueList(*data)), (std::vector<std::string>{"Ferries", "Charm"}));
    EXPECT_EQ(Names(EventsEdit::PartyList(*data)), std::vector<std::string>{"Harbour Party"});
    EXPECT_EQ(Names(EventsEdit::LeaderList(*data)), std::vector<std::string>{"Ida "});
    // Only the pool's vice-leader, not the leader's running-mate entry.
    const auto viceLeaders = EventsEdit::ViceLeaderList(*data);
    ASSERT_EQ(Names(viceLeaders), std::vector<std::string>{"Bo Tarr"});
    EXPECT_EQ(viceLeaders.front().Element->Parent()->Name, "viceleaders");
    EXPECT_EQ(viceLeaders.front().Element->Parent()->Parent()->Name, "party");

    const TXmlNode* ferries = EventsEdit::IssueById(*data, "i1");
    EXPECT_EQ(Names(EventsEdit::PositionList(ferries)),
              (std::vector<std::string>{"Far-Left", "Center"}));
    // An attribute has no positions to offer.
    EXPECT_TRUE(EventsEdit::PositionList(EventsEdit::IssueById(*data, "i2")).empty());
    EXPECT_EQ(EventsEdit::IssueById(*data, "far_left"), nullptr);

    TXmlNode* flood = EventsEdit::NewScriptedEvent(*data);
    TXmlNode* fire = EventsEdit::NewScriptedEvent(*data);
    fire->GetChild("name")->SetText("Fire");
    const auto others = EventsEdit::OtherEventList(*data, flood);
    ASSERT_EQ(Names(others), std::vector<std::string>{"Fire"});
    EXPECT_EQ(others.front().Element, fire);

    for (const char* on : {"1", "-3", " 2"})
        EXPECT_TRUE(EventsEdit::IsSwitchedOn(on)) << on;
    for (const char* off : {"0", "", "yes", "1.5"})
        EXPECT_FALSE(EventsEdit::IsSwitchedOn(off)) << off;
}

TEST(EventsEdit, EveryEffectKindRoundTripsAndRemoves) {
    auto data = Load();
    TXmlNode* event = EventsEdit::NewScriptedEvent(*data);
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, event);
    EXPECT_EQ(outcome->GetChild("target_issue_center")->GetText(), "4");
    const TXmlNode* ferries = EventsEdit::AffectedIssue(*data, outcome);
    ASSERT_NE(ferries, nullptr);
    EventsEdit::AddEffect(*data, outcome, EventsEdit::PositionList(ferries)[1].Element, "Momentum",
                          "3");
    EventsEdit::AddEffect(*data, outcome, EventsEdit::PartyList(*data)[0].Element, "Financial",
                          "-2");
    EventsEdit::AddEffect(*data, outcome, EventsEdit::LeaderList(*data)[0].Element, "Momentum",
                          "4");
    EventsEdit::AddEffect(*data, outcome, EventsEdit::ViceLeaderList(*data)[0].Element, "Momentum",
                          "1");
    const std::vector<std::string> lines{"Center : Momentum (3)", "Harbour Party : Financial (-2)",
                                         "Ida  : Momentum (4)", "Bo Tarr : Momentum (1)"};
    EXPECT_EQ(EffectLines(*data, outcome), lines);
    data->Messages().clear();
    EXPECT_TRUE(VerifyEvents(*data));

    // Written and read back, the effects are the same.
    const std::string written = data->Document(TScenarioFile::Events).ToText();
    ASSERT_TRUE(data->Document(TScenarioFile::Events).Parse(written));
    EXPECT_EQ(data->Document(TScenarioFile::Events).ToText(), written);
    outcome = At(*data, TScenarioFile::Events, "/events/scripted_events/event/outcomes/outcome");
    EXPECT_EQ(EffectLines(*data, outcome), lines);

    TXmlNode* effects = outcome->GetChild("effects");
    EXPECT_EQ(EventsEdit::RemoveItem(*data, effects->GetChildAt(2)), 1);
    EXPECT_EQ(EventsEdit::RemoveItem(*data, effects->GetChildAt(0)), -1);
    EXPECT_EQ(EffectLines(*data, outcome), (std::vector<std::string>{lines[1], lines[3]}));
    EXPECT_EQ(ChildNames(effects), (std::vector<std::string>{"party", "viceleader"}));
}

TEST(EventsEdit, EffectsWithoutARewardWordAreNotAdded) {
    auto data = Load();
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, EventsEdit::NewScriptedEvent(*data));
    const TXmlNode* party = EventsEdit::PartyList(*data)[0].Element;
    for (const char* word : {"", "Votes", " momentum", "momentum!"})
        EXPECT_EQ(EventsEdit::AddEffect(*data, outcome, party, word, "3"), nullptr) << word;
    // Only the four kinds of target make an effect.
    EXPECT_EQ(EventsEdit::AddEffect(*data, outcome, data->Issues()->GetChildAt(0), "Momentum", "3"),
              nullptr);
    EXPECT_EQ(outcome->GetChild("effects")->ChildCount(), 0);
    EXPECT_NE(EventsEdit::AddEffect(*data, outcome, party, "MOMENTUM", "3"), nullptr);
    EXPECT_EQ(outcome->GetChild("effects")->GetChildAt(0)->GetChildAt(0)->Name, "momentum");
}

TEST(EventsEdit, NoOperationWritesAnUnnamedElement) {
    auto data = Load();
    // Every operation with the odd inputs an editor can pass: nothing chosen,
    // empty texts, unknown words.
    TXmlNode* simple = EventsEdit::NewSimpleEvent(*data);
    EventsEdit::AddHeadline(*data, simple, "");
    EventsEdit::AddHeadline(*data, simple, " ");
    TXmlNode* event = EventsEdit::NewScriptedEvent(*data);
    for (const char* type : {"", "who", "not_who", "event_occurred", "event_not_occurred", "x"})
        EventsEdit::AddCondition(*data, event, type, "");
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, event);
    const TXmlNode* targets[] = {nullptr, EventsEdit::PartyList(*data)[0].Element,
                                 EventsEdit::ViceLeaderList(*data)[0].Element,
                                 EventsEdit::IssueById(*data, "i1")->GetChild("positions")};
    for (const TXmlNode* target : targets)
        for (const char* word : {"", "Momentum", "Financial", "other"})
            EventsEdit::AddEffect(*data, outcome, target, word, "");
    EventsEdit::SetAffectedIssue(*data, outcome, nullptr);
    EventsEdit::EnsureEventNames(*data);
    EXPECT_EQ(XmlNames::FindInvalid(*data->Events()), "");
    EXPECT_NO_THROW(data->Document(TScenarioFile::Events).ToText());
    EXPECT_EQ(outcome->GetChild("effects")->ChildCount(), 4);
}

TEST(EventsEdit, ChangingTheAffectedIssueDropsThePositionsThatLeft) {
    const std::string issues =
        "<issues><issue id=\"i1\"><name>Ferries</name><type>PositionIssue</type><positions>"
        "<position id=\"left\"><name>Left</name></position>"
        "<position id=\"center\"><name>Center</name></position></positions></issue>"
        "<issue id=\"i3\"><name>Roads</name><type>positionissue</type><positions>"
        "<position id=\"center\"><name>Centre</name></position></positions></issue></issues>";
    auto data = Load(EmptyEvents, issues);
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, EventsEdit::NewScriptedEvent(*data));
    const TXmlNode* ferries = EventsEdit::IssueById(*data, "i1");
    const TXmlNode* roads = EventsEdit::IssueById(*data, "i3");
    TXmlNode* left = ferries->GetChild("positions")->GetChildAt(0);
    TXmlNode* center = ferries->GetChild("positions")->GetChildAt(1);
    EventsEdit::AddEffect(*data, outcome, left, "Momentum", "1");
    EventsEdit::AddEffect(*data, outcome, EventsEdit::PartyList(*data)[0].Element, "Momentum", "2");
    EventsEdit::AddEffect(*data, outcome, center, "Momentum", "3");

    EXPECT_EQ(EventsEdit::SetAffectedIssue(*data, outcome, roads), 1);
    EXPECT_EQ(outcome->GetChild("issue_affected")->AttributeValue("id"), "i3");
    EXPECT_EQ(EffectLines(*data, outcome),
              (std::vector<std::string>{"Harbour Party : Momentum (2)", "Centre : Momentum (3)"}));
    EXPECT_EQ(EventsEdit::SetAffectedIssue(*data, outcome, nullptr), 1);
    EXPECT_EQ(outcome->GetChild("issue_affected")->AttributeValue("id"), "-1");
    EXPECT_EQ(ChildNames(outcome->GetChild("effects")), std::vector<std::string>{"party"});
}

TEST(EventsEdit, EffectsOfARemovedPartyVanishOnNextSelection) {
    auto data = Load();
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, EventsEdit::NewScriptedEvent(*data));
    EventsEdit::AddEffect(*data, outcome, EventsEdit::PartyList(*data)[0].Element, "Financial",
                          "2");
    EventsEdit::AddEffect(*data, outcome, EventsEdit::ViceLeaderList(*data)[0].Element, "Momentum",
                          "1");
    // The vice-leader's running-mate entry alone does not keep its effect.
    TXmlNode* pool = At(*data, TScenarioFile::Parties, "/parties/party/viceleaders");
    pool->RemoveChild(pool->GetChildAt(0));
    const TXmlNode* issue = EventsEdit::AffectedIssue(*data, outcome);
    EXPECT_EQ(EventsEdit::DropDanglingEffects(*data, outcome, issue), 1);
    data->Parties()->RemoveChild(data->Parties()->GetChildAt(0));
    EXPECT_EQ(EventsEdit::DropDanglingEffects(*data, outcome, issue), 1);
    EXPECT_EQ(outcome->GetChild("effects")->ChildCount(), 0);
}
