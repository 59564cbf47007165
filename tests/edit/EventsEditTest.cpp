#include "scenario/edit/EventsEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;

namespace {

const char* const Issues =
    "<issues><issue id=\"i1\"><name>Ferries</name><type>PositionIssue</type><positions>"
    "<position id=\"far_left\"><name>Far-Left</name></position>"
    "<position id=\"center\"><name>Center</name></position></positions></issue>"
    "<issue id=\"i2\"><name>Charm</name><type>attribute</type></issue></issues>";
const char* const Parties =
    "<parties><party id=\"p1\"><name>Harbour Party</name>"
    "<leaders><leader id=\"l1\"><firstname>Ida</firstname></leader></leaders>"
    "<viceleaders><viceleader id=\"v1\"><firstname>Bo</firstname></viceleader></viceleaders>"
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

std::vector<std::string> ChildNames(const TXmlNode* node) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < node->ChildCount(); ++i)
        names.push_back(node->GetChildAt(i)->Name);
    return names;
}

} // namespace

TEST(EventsEdit, SimpleEventsAndHeadlines) {
    auto data = Load();
    TXmlNode* event = EventsEdit::NewSimpleEvent(*data);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->Name, "issue");
    EXPECT_EQ(event->AttributeValue("id"), "i1");
    EXPECT_EQ(ChildNames(event), (std::vector<std::string>{"headlines"}));

    // A simple event needs a headline before it verifies.
    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(EventsEdit::AddHeadline(*data, event, ""), nullptr);
    TXmlNode* headline = EventsEdit::AddHeadline(*data, event, "  Ferry strike ends\t");
    ASSERT_NE(headline, nullptr);
    EXPECT_EQ(headline->GetText(), "Ferry strike ends");
    data->Messages().clear();
    EXPECT_TRUE(VerifyEvents(*data));

    // Blanks only make an empty headline, which verification reports.
    EventsEdit::AddHeadline(*data, event, "   ");
    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(TestScenario::MessageTexts(*data).back(),
              "Simple Events >> headlines >> Data required.");
}

TEST(EventsEdit, WithoutIssuesNewItemsNameNoIssue) {
    auto data = Load(EmptyEvents, "<issues></issues>");
    EXPECT_EQ(EventsEdit::FirstIssueId(*data), "-1");
    TXmlNode* event = EventsEdit::NewSimpleEvent(*data);
    EXPECT_EQ(event->AttributeValue("id"), "-1");
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, EventsEdit::NewScriptedEvent(*data));
    EXPECT_EQ(outcome->GetChild("issue_affected")->AttributeValue("id"), "-1");

    auto noLists = Load("<events></events>");
    EXPECT_EQ(EventsEdit::NewSimpleEvent(*noLists), nullptr);
}

TEST(EventsEdit, NewScriptedEventAndOutcome) {
    auto data = Load();
    TXmlNode* event = EventsEdit::NewScriptedEvent(*data);
    ASSERT_NE(event, nullptr);
    EXPECT_FALSE(event->AttributeValue("id").empty());
    EXPECT_EQ(ChildNames(event),
              (std::vector<std::string>{"name", "start_date", "end_date", "times_can_occur",
                                        "will_occur", "chance_occurs", "conditions", "outcomes"}));
    EXPECT_EQ(event->GetChild("name")->GetText(), "New Event");
    const auto start = TDate::Parse(event->GetChild("start_date")->GetText());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->ToString(), event->GetChild("start_date")->GetText());
    EXPECT_EQ(event->GetChild("end_date")->GetText(), event->GetChild("start_date")->GetText());
    for (const char* zero : {"times_can_occur", "will_occur", "chance_occurs"})
        EXPECT_EQ(event->GetChild(zero)->GetText(), "0") << zero;
    EXPECT_TRUE(VerifyEvents(*data));

    TXmlNode* outcome = EventsEdit::NewOutcome(*data, event);
    ASSERT_NE(outcome, nullptr);
    EXPECT_EQ(outcome->Parent(), event->GetChild("outcomes"));
    EXPECT_EQ(
        ChildNames(outcome),
        (std::vector<std::string>{"chance", "profile_change", "chance_issue_center_moves",
                                  "distance_issue_center_moves", "target_issue_center",
                                  "momentum_change", "headline", "issue_affected", "effects"}));
    EXPECT_EQ(outcome->GetChild("headline")->GetText(), "New Event Outcome");
    EXPECT_EQ(outcome->GetChild("target_issue_center")->GetText(), "0");
    EXPECT_EQ(outcome->GetChild("issue_affected")->AttributeValue("id"), "i1");
    // Without effects the outcome is reported until one is added.
    EXPECT_FALSE(VerifyEvents(*data));

    const TXmlNode* center =
        At(*data, TScenarioFile::Issues, "/issues/issue/positions/position[2]");
    TXmlNode* effect = EventsEdit::AddEffect(*data, outcome, center, "Momentum", "3");
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->Name, "issue_position");
    EXPECT_EQ(effect->AttributeValue("id"), "center");
    EXPECT_EQ(effect->GetChildAt(0)->Name, "momentum");
    EXPECT_EQ(effect->GetChildAt(0)->GetText(), "3");
    const TXmlNode* party = At(*data, TScenarioFile::Parties, "/parties/party");
    EXPECT_EQ(EventsEdit::AddEffect(*data, outcome, party, "Financial", "-2")->GetChildAt(0)->Name,
              "financial");
    data->Messages().clear();
    EXPECT_TRUE(VerifyEvents(*data));
}

TEST(EventsEdit, ConditionsNameTheirTargetByType) {
    auto data = Load();
    TXmlNode* first = EventsEdit::NewScriptedEvent(*data);
    TXmlNode* second = EventsEdit::NewScriptedEvent(*data);
    TXmlNode* who = EventsEdit::AddCondition(*data, first, "not_who", "l1");
    TXmlNode* occurred =
        EventsEdit::AddCondition(*data, first, "event_occurred", second->AttributeValue("id"));
    ASSERT_NE(who, nullptr);
    ASSERT_NE(occurred, nullptr);
    EXPECT_EQ(who->AttributeValue("type"), "not_who");
    EXPECT_EQ(who->GetChildAt(0)->Name, "leader");
    EXPECT_EQ(who->GetChildAt(0)->AttributeValue("id"), "l1");
    EXPECT_EQ(occurred->GetChildAt(0)->Name, "event");
    EXPECT_EQ(EventsEdit::AddCondition(*data, first, "Exists", "l1"), nullptr);
    EXPECT_TRUE(VerifyEvents(*data));

    // Removing the named event leaves the condition for verification to report.
    EXPECT_EQ(EventsEdit::RemoveItem(*data, second), 0);
    EXPECT_FALSE(VerifyEvents(*data));
}

TEST(EventsEdit, EventsWithoutNameGetTheirId) {
    auto data = Load("<events><scripted_events><event id=\"e5\"><start_date>01/01/2008"
                     "</start_date></event><event id=\"e6\"><name>Kept</name></event>"
                     "</scripted_events></events>");
    EventsEdit::EnsureEventNames(*data);
    EXPECT_EQ(At(*data, TScenarioFile::Events, "/events/scripted_events/event/name")->GetText(),
              "e5");
    EXPECT_EQ(At(*data, TScenarioFile::Events, "/events/scripted_events/event[2]/name")->GetText(),
              "Kept");
    EXPECT_EQ(At(*data, TScenarioFile::Events, "/events/scripted_events/event[2]")->ChildCount(),
              1);
}

TEST(EventsEdit, DanglingEffectsAreDropped) {
    auto data = Load();
    TXmlNode* outcome = EventsEdit::NewOutcome(*data, EventsEdit::NewScriptedEvent(*data));
    TXmlNode* effects = outcome->GetChild("effects");
    auto add = [&](const std::string& kind, const std::string& id, const std::string& reward) {
        TXmlNode* e = effects->AddNewChild(kind);
        e->SetAttribute("id", id);
        if (!reward.empty())
            e->AddNewChild(reward, "1");
    };
    add("party", "p1", "Financial");     // kept: reward names compare in lower case
    add("party", "p9", "momentum");      // party gone
    add("leader", "l1", "votes");        // no reward word
    add("viceleader", "v1", "momentum"); // kept
    add("leader", "l1", "");             // no reward at all
    add("issue_position", "center", "momentum");
    add("issue_position", "left", "momentum"); // not a position of Ferries
    add("endorser", "x", "");                  // another kind stays

    const TXmlNode* ferries = At(*data, TScenarioFile::Issues, "/issues/issue");
    EXPECT_EQ(EventsEdit::DropDanglingEffects(*data, outcome, ferries), 4);
    EXPECT_EQ(ChildNames(effects),
              (std::vector<std::string>{"party", "viceleader", "issue_position", "endorser"}));

    // A changed affected issue without positions drops every position effect.
    const TXmlNode* charm = At(*data, TScenarioFile::Issues, "/issues/issue[2]");
    EXPECT_EQ(EventsEdit::DropDanglingEffects(*data, outcome, charm), 1);
    EXPECT_EQ(EventsEdit::DropDanglingEffects(*data, outcome, nullptr), 0);
    EXPECT_EQ(ChildNames(effects), (std::vector<std::string>{"party", "viceleader", "endorser"}));
}

TEST(EventsEdit, RemoveItemSelectsTheOneBefore) {
    auto data = Load();
    TXmlNode* a = EventsEdit::NewScriptedEvent(*data);
    TXmlNode* b = EventsEdit::NewScriptedEvent(*data);
    TXmlNode* c = EventsEdit::NewScriptedEvent(*data);
    EXPECT_EQ(EventsEdit::RemoveItem(*data, b), 0);
    EXPECT_EQ(EventsEdit::RemoveItem(*data, a), -1);
    EXPECT_EQ(At(*data, TScenarioFile::Events, "/events/scripted_events/event"), c);
    EXPECT_EQ(EventsEdit::RemoveItem(*data, data->Events()), -1);
    EXPECT_NE(data->Events(), nullptr);
}

TEST(EventsEdit, ListLines) {
    auto data = Load("<events><random_events on=\"1\"><simple_issue_events>"
                     "<issue id=\"i1\"></issue><issue id=\"gone\"></issue></simple_issue_events>"
                     "</random_events><scripted_events>"
                     "<event id=\"e1\"><name>Flood</name><conditions></conditions><outcomes>"
                     "</outcomes></event></scripted_events></events>");
    const std::string simple = "/events/random_events/simple_issue_events/issue";
    EXPECT_EQ(EventsEdit::SimpleEventLine(*data, At(*data, TScenarioFile::Events, simple)),
              "Ferries");
    EXPECT_EQ(EventsEdit::SimpleEventLine(*data, At(*data, TScenarioFile::Events, simple + "[2]")),
              "Issue not found : gone");

    TXmlNode* flood = At(*data, TScenarioFile::Events, "/events/scripted_events/event");
    TXmlNode* leader = At(*data, TScenarioFile::Parties, "/parties/party/leaders/leader");
    leader->AddNewChild("lastname", "Brenn");
    auto line = [&](const std::string& type, const std::string& id) {
        return EventsEdit::ConditionLine(*data, EventsEdit::AddCondition(*data, flood, type, id));
    };
    EXPECT_EQ(line("who", "l1"), "Ida Brenn Exists");
    EXPECT_EQ(line("not_who", "l1"), "Ida Brenn Does Not Exist");
    EXPECT_EQ(line("event_occurred", "e1"), "Flood Event Has Occurred");
    EXPECT_EQ(line("event_not_occurred", "e1"), "Flood Event Has Not Occurred");
    EXPECT_EQ(line("who", "l9"), "Leader not found : l9");
    // A vice-leader is no leader, whatever the condition holds.
    EXPECT_EQ(line("not_who", "v1"), "Leader not found : v1");
    EXPECT_EQ(line("event_occurred", "e9"), "Event not found : e9");
    TXmlNode* odd = flood->GetChild("conditions")->AddNewChild("condition");
    odd->SetAttribute("type", "WHO");
    EXPECT_EQ(EventsEdit::ConditionLine(*data, odd), "Unknown condition : WHO");

    TXmlNode* outcome = EventsEdit::NewOutcome(*data, flood);
    const TXmlNode* ferries = At(*data, TScenarioFile::Issues, "/issues/issue");
    auto effect = [&](const TXmlNode* target, const std::string& reward, const std::string& n) {
        return EventsEdit::EffectLine(
            *data, EventsEdit::AddEffect(*data, outcome, target, reward, n), ferries);
    };
    EXPECT_EQ(effect(At(*data, TScenarioFile::Parties, "/parties/party"), "Financial", "5"),
              "Harbour Party : Financial (5)");
    EXPECT_EQ(effect(leader, "Momentum", "-2"), "Ida Brenn : Momentum (-2)");
    TXmlNode* veep = At(*data, TScenarioFile::Parties, "/parties/party/viceleaders/viceleader");
    veep->AddNewChild("lastname", "Tarr");
    EXPECT_EQ(effect(veep, "Momentum", "1"), "Bo Tarr : Momentum (1)");
    EXPECT_EQ(effect(At(*data, TScenarioFile::Issues, "/issues/issue/positions/position"),
                     "Financial", "3"),
              "Far-Left : Momentum (3)");
    EXPECT_EQ(effect(leader, "Votes", "1"), std::nullopt);
    TXmlNode* other = outcome->GetChild("effects")->AddNewChild("endorser");
    other->AddNewChild("momentum", "2");
    EXPECT_EQ(EventsEdit::EffectLine(*data, other, ferries), "endorser : momentum (2)");
    // With another affected issue the position is gone.
    EXPECT_EQ(EventsEdit::EffectLine(*data,
                                     At(*data, TScenarioFile::Events,
                                        "/events/scripted_events/event/outcomes/outcome/effects/"
                                        "issue_position"),
                                     At(*data, TScenarioFile::Issues, "/issues/issue[2]")),
              std::nullopt);
}
