// Message texts and order are covered by the cases in tests/data/verify;
// these check the elements messages point at and incomplete documents.
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

const char* const Issues =
    "<issues><issue id=\"i1\"><name>Ferries</name><positions>"
    "<position id=\"far_left\"><name>Far-Left</name></position>"
    "<position id=\"center\"><name>Center</name></position></positions></issue>"
    "<issue id=\"i2\"><name>Charm</name><type>attribute</type></issue></issues>";
const char* const Parties =
    "<parties><party id=\"p1\"><name>Harbour Party</name>"
    "<leaders><leader id=\"l1\"><firstname>Ida</firstname></leader></leaders>"
    "<viceleaders><viceleader id=\"v1\"><firstname>Bo</firstname></viceleader></viceleaders>"
    "</party></parties>";

const char* const Outcome =
    "<outcome><chance>50</chance><profile_change>-2</profile_change>"
    "<chance_issue_center_moves>12.5</chance_issue_center_moves>"
    "<distance_issue_center_moves>1</distance_issue_center_moves>"
    "<target_issue_center>3</target_issue_center><momentum_change>5</momentum_change>"
    "<headline>Ferry sinks</headline><issue_affected id=\"i1\"></issue_affected><effects>"
    "<issue_position id=\"center\"><momentum>2</momentum></issue_position>"
    "<party id=\"p1\"><financial>-3</financial></party>"
    "<leader id=\"l1\"><momentum>1</momentum></leader>"
    "<viceleader id=\"v1\"><momentum>-1</momentum></viceleader>"
    "</effects></outcome>";

std::string Events() {
    return std::string("<events><random_events on=\"1\"><simple_issue_events>"
                       "<issue id=\"i1\"><headlines><headline>Ferry strike</headline>"
                       "<headline>Fares up</headline></headlines></issue>"
                       "<issue id=\"-1\"><headlines><headline>Quiet week</headline></headlines>"
                       "</issue></simple_issue_events></random_events><scripted_events>"
                       "<event id=\"ev1\"><name>Flood</name><start_date>03/01/2008</start_date>"
                       "<end_date>10/31/2008</end_date><times_can_occur>1</times_can_occur>"
                       "<will_occur>0</will_occur><chance_occurs>2.5</chance_occurs><conditions>"
                       "<condition type=\"who\"><leader id=\"l1\"></leader></condition>"
                       "<condition type=\"event_not_occurred\"><event id=\"ev2\"></event>"
                       "</condition></conditions><outcomes>") +
           Outcome +
           "</outcomes></event>"
           "<event id=\"ev2\"><name>Scandal</name><start_date>04/01/2008</start_date>"
           "<end_date>04/02/2008</end_date><times_can_occur>-1</times_can_occur>"
           "<will_occur>1</will_occur><chance_occurs>0</chance_occurs>"
           "<conditions></conditions><outcomes></outcomes></event>"
           "</scripted_events></events>";
}

std::unique_ptr<TScenarioData> Load(const std::string& events = Events()) {
    return TestScenario::FromTexts({{TScenarioFile::Events, events},
                                    {TScenarioFile::Issues, Issues},
                                    {TScenarioFile::Parties, Parties}});
}

TXmlNode* Node(TScenarioData& data, const std::string& path) {
    TXmlNode* node = At(data, TScenarioFile::Events, path);
    EXPECT_NE(node, nullptr) << path;
    return node;
}

void Remove(TScenarioData& data, const std::string& path) {
    TXmlNode* node = Node(data, path);
    node->Parent()->RemoveChild(node);
}

const std::string Flood = "/events/scripted_events/event";
const std::string FloodOutcome = Flood + "/outcomes/outcome";

} // namespace

TEST(EventsVerifier, MessagesPointAtTheElementsTheRulesName) {
    auto data = Load();
    ASSERT_TRUE(VerifyEvents(*data));
    const std::string list = "/events/random_events/simple_issue_events";
    Node(*data, list + "/issue")->SetAttribute("id", "i9");
    Node(*data, list + "/issue/headlines/headline[2]")->SetText("");
    Remove(*data, list + "/issue[2]/headlines/headline");
    Node(*data, Flood + "/will_occur")->SetText("yes");
    Node(*data, Flood + "/conditions/condition[2]")->SetAttribute("type", "Occurred");
    Node(*data, FloodOutcome + "/chance")->SetText("");
    Node(*data, FloodOutcome + "/effects/leader")->SetAttribute("id", "v1");
    TXmlNode* effects =
        Node(*data, "/events/scripted_events/event[2]/outcomes")->AddNewChild("outcome");

    EXPECT_FALSE(VerifyEvents(*data));
    const std::vector<const TXmlNode*> expected = {
        Node(*data, list),
        Node(*data, list + "/issue/headlines"),
        Node(*data, list + "/issue[2]"),
        Node(*data, Flood),
        Node(*data, Flood + "/conditions/condition[2]"),
        Node(*data, FloodOutcome),
        Node(*data, FloodOutcome + "/effects/leader"),
    };
    const auto& m = data->Messages();
    ASSERT_GE(m.size(), expected.size() + 1);
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(m[i].Element, expected[i]) << m[i].Text();
    // The new outcome lacks every field; the last message is its effects.
    EXPECT_EQ(m.back().Text(),
              "Scripted Events >> Scandal >> Outcomes >> effects >> Critical Error: Node missing.");
    EXPECT_EQ(m.back().Element, effects);
}

TEST(EventsVerifier, RewardMessagePointsAtTheEffect) {
    auto data = Load();
    Node(*data, FloodOutcome + "/effects/viceleader/momentum")->SetText("1.5");
    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Scripted Events >> Flood >> Outcomes >> Effects >> No reward specified. >> "
                     "Invalid number value."}));
    EXPECT_EQ(data->Messages()[0].Element, Node(*data, FloodOutcome + "/effects/viceleader"));
}

TEST(EventsVerifier, MissingGroupsPointAtTheirParent) {
    auto noRandom = Load("<events><scripted_events></scripted_events></events>");
    EXPECT_FALSE(VerifyEvents(*noRandom));
    EXPECT_EQ(noRandom->Messages().at(0).Element, noRandom->Events());

    auto noSimple = Load("<events><random_events on=\"1\"></random_events></events>");
    EXPECT_FALSE(VerifyEvents(*noSimple));
    EXPECT_EQ(noSimple->Messages().at(0).Element, Node(*noSimple, "/events/random_events"));

    // Without a document the first lookup already fails.
    auto none = TestScenario::FromTexts({});
    EXPECT_FALSE(VerifyEvents(*none));
    EXPECT_EQ(MessageTexts(*none),
              (Texts{"Events >> random_events >> Critical Error: Node missing."}));
}
