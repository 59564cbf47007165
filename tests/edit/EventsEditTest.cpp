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

std::vector<std::string> ChildNames(const TXmlNode* node) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < node->ChildCount(); ++i)
        names.push_back(node->GetChildAt(i)->Name);
    return names;
}

} // namespace

TEST(EventsEdit, SimpleEventsNeedAHeadline) {
    auto data = Load();
    TXmlNode* event = EventsEdit::NewSimpleEvent(*data);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->AttributeValue("id"), "i1");
    EXPECT_EQ(EventsEdit::SimpleEventLine(*data, event), "Ferries");
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
    EXPECT_FALSE(VerifyEvents(*data));

    const TXmlNode* center =
        At(*data, TScenarioFile::Issues, "/issues/issue/positions/position[2]");
    TXmlNode* effect = EventsEdit::AddEffect(*data, outcome, center, "Momentum", "3");
    EXPECT_EQ(effect->Name, "issue_position");
    EXPECT_EQ(effect->GetChildAt(0)->Name, "momentum");
    const TXmlNode* party = At(*data, TScenarioFile::Parties, "/parties/party");
    EXPECT_EQ(EventsEdit::AddEffect(*data, outcome, party, "Financial", "-2")->GetChildAt(0)->Name,
              "financial");
    data->Messages().clear();
    EXPECT_TRUE(VerifyEvents(*data));
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
