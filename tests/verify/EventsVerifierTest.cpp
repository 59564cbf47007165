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

TEST(EventsVerifier, CleanFilePasses) {
    auto data = Load();
    EXPECT_TRUE(VerifyEvents(*data));
    EXPECT_TRUE(data->Messages().empty());

    auto empty = Load("<events><random_events on=\"0\"><simple_issue_events>"
                      "</simple_issue_events></random_events><scripted_events>"
                      "</scripted_events></events>");
    EXPECT_TRUE(VerifyEvents(*empty));
}

TEST(EventsVerifier, UnsetValuesAndReferencesPass) {
    auto data = Load();
    Node(*data, Flood + "/times_can_occur")->SetText("-1");
    Node(*data, Flood + "/start_date")->SetText("-1");
    Node(*data, FloodOutcome + "/effects/party")->SetAttribute("id", "-1");
    Node(*data, Flood + "/conditions/condition[2]/event")->SetAttribute("id", "-1");
    // An event may name itself; the child's name, not the type, decides what
    // is searched.
    Node(*data, Flood + "/conditions/condition[2]/event")->SetAttribute("id", "ev1");
    TXmlNode* who = Node(*data, Flood + "/conditions/condition/leader");
    who->Name = "party";
    who->SetAttribute("id", "p1");
    EXPECT_TRUE(VerifyEvents(*data));
    EXPECT_TRUE(data->Messages().empty());
}

TEST(EventsVerifier, MissingContainersAreReportedAndEndTheFile) {
    auto noRandom = Load("<events><scripted_events></scripted_events></events>");
    EXPECT_FALSE(VerifyEvents(*noRandom));
    EXPECT_EQ(MessageTexts(*noRandom),
              (Texts{"Events >> random_events >> Critical Error: Node missing."}));
    EXPECT_EQ(noRandom->Messages()[0].Element, noRandom->Events());

    auto noSimple = Load("<events><random_events on=\"1\"></random_events></events>");
    EXPECT_FALSE(VerifyEvents(*noSimple));
    EXPECT_EQ(MessageTexts(*noSimple),
              (Texts{"Events >> simple_issue_events >> Critical Error: Node missing."}));
    EXPECT_EQ(noSimple->Messages()[0].Element, Node(*noSimple, "/events/random_events"));

    // A file without scripted events cannot pass, so the reason is given.
    auto noScripted = Load();
    Remove(*noScripted, "/events/scripted_events");
    EXPECT_FALSE(VerifyEvents(*noScripted));
    EXPECT_EQ(MessageTexts(*noScripted),
              (Texts{"Events >> scripted_events >> Critical Error: Node missing."}));

    auto noDocument = TestScenario::FromTexts({});
    EXPECT_FALSE(VerifyEvents(*noDocument));
    EXPECT_EQ(MessageTexts(*noDocument),
              (Texts{"Events >> random_events >> Critical Error: Node missing."}));
}

TEST(EventsVerifier, SimpleEventRules) {
    auto data = Load();
    const std::string list = "/events/random_events/simple_issue_events";
    Node(*data, list + "/issue")->SetAttribute("id", "i9");
    Node(*data, list + "/issue/headlines/headline[2]")->SetText("");
    Node(*data, list + "/issue[2]")->RemoveAttributeAt(0);
    Remove(*data, list + "/issue[2]/headlines/headline");

    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Simple Events >> issue >> Reference not found: issue i9",
                     "Simple Events >> headlines >> Data required.",
                     "Simple Events >> issue >> Id attribute not found.",
                     "Simple Events >> headlines >> A Simple Event does not have a headline, make "
                     "sure all Simple Events have at least 1 headline."}));
    const auto& m = data->Messages();
    EXPECT_EQ(m[0].Element, Node(*data, list));
    EXPECT_EQ(m[1].Element, Node(*data, list + "/issue/headlines"));
    EXPECT_EQ(m[2].Element, Node(*data, list));
    EXPECT_EQ(m[3].Element, Node(*data, list + "/issue[2]"));
}

TEST(EventsVerifier, SimpleEventWithoutHeadlinesEndsTheFile) {
    auto data = Load();
    Remove(*data, "/events/random_events/simple_issue_events/issue/headlines");
    Node(*data, Flood + "/name")->SetText(""); // never reached
    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Simple Events >> headlines >> Critical Error: Node missing."}));
    EXPECT_EQ(data->Messages()[0].Element,
              Node(*data, "/events/random_events/simple_issue_events/issue"));
}

TEST(EventsVerifier, ScriptedEventFieldsInOrder) {
    auto data = Load();
    Node(*data, Flood + "/end_date")->SetText("13/01/2008");
    Node(*data, Flood + "/chance_occurs")->SetText("2,5,1");
    Remove(*data, Flood + "/will_occur");
    Node(*data, Flood + "/times_can_occur")->SetText("");
    Node(*data, Flood + "/start_date")->SetText("soon");

    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Scripted Events >> Flood >> times_can_occur >> Data required.",
                     "Scripted Events >> Flood >> will_occur >> Critical Error: Node missing.",
                     "Scripted Events >> Flood >> chance_occurs >> Invalid decimal number.",
                     "Scripted Events >> Flood >> start_date >> Invalid date value.",
                     "Scripted Events >> Flood >> end_date >> Invalid date value."}));
    for (const auto& m : data->Messages())
        EXPECT_EQ(m.Element, Node(*data, Flood));
}

TEST(EventsVerifier, EmptyNameLeavesTheSectionWithoutName) {
    auto data = Load();
    Node(*data, Flood + "/name")->SetText("");
    Node(*data, Flood + "/will_occur")->SetText("yes");
    Node(*data, Flood + "/conditions/condition")->SetAttribute("type", "");
    Node(*data, FloodOutcome + "/chance")->SetText("x");
    Node(*data, FloodOutcome + "/effects/leader")->SetAttribute("id", "l9");

    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Scripted Events >> name >> Data required.",
                     "Scripted Events >>  >> will_occur >> Invalid number value.",
                     "Scripted Events >>  >> Conditions >> type >> Condition type not specified.",
                     "Scripted Events >>  >> Outcomes >> chance >> Invalid decimal number.",
                     "Scripted Events >>  >> Outcomes >> Effects >> leader >> Reference not found: "
                     "leader l9"}));
}

TEST(EventsVerifier, ConditionRules) {
    auto data = Load();
    TXmlNode* conditions = Node(*data, Flood + "/conditions");
    auto add = [&](const std::string& type, const std::string& child, const std::string& id) {
        TXmlNode* c = conditions->AddNewChild("condition");
        if (type != "(none)")
            c->SetAttribute("type", type);
        if (!child.empty())
            c->AddNewChild(child)->SetAttribute("id", id);
    };
    add("(none)", "leader", "l1");
    add("WHO", "leader", "l1");
    add("not_who", "leader", "l9");
    add("who", "viceleader", "v1");
    add("event_occurred", "event", "ev9");
    add("event_occurred", "leader", "l1"); // leaders are not events
    add("not_who", "", "");

    EXPECT_FALSE(VerifyEvents(*data));
    const std::string s = "Scripted Events >> Flood >> Conditions >> ";
    EXPECT_EQ(MessageTexts(*data), (Texts{
                                       s + "type >> Condition type not specified.",
                                       s + "condition >> Unknown condition type.",
                                       s + "leader >> Reference not found: leader l9",
                                       s + "event >> Reference not found: event ev9",
                                       s + "leader >> Reference not found: leader l1",
                                       s + "leader >> Critical Error: Node missing.",
                                   }));
    EXPECT_EQ(data->Messages()[2].Element, conditions->GetChildAt(4));
}

TEST(EventsVerifier, MissingConditionsOrOutcomesEndTheFile) {
    for (const char* group : {"conditions", "outcomes"}) {
        auto data = Load();
        Remove(*data, Flood + "/" + group);
        Node(*data, "/events/scripted_events/event[2]/name")->SetText(""); // never reached
        EXPECT_FALSE(VerifyEvents(*data));
        EXPECT_EQ(MessageTexts(*data), (Texts{"Scripted Events >> Flood >> " + std::string(group) +
                                              " >> Critical Error: Node missing."}));
        EXPECT_EQ(data->Messages()[0].Element, Node(*data, Flood));
    }
}

TEST(EventsVerifier, OutcomeFieldsInOrder) {
    auto data = Load();
    Node(*data, FloodOutcome + "/headline")->SetText("");
    Node(*data, FloodOutcome + "/momentum_change")->SetText("1.5");
    Node(*data, FloodOutcome + "/target_issue_center")->SetText("center");
    Remove(*data, FloodOutcome + "/distance_issue_center_moves");
    Node(*data, FloodOutcome + "/chance_issue_center_moves")->SetText("a");
    Node(*data, FloodOutcome + "/profile_change")->SetText("");
    Node(*data, FloodOutcome + "/chance")->SetText("");
    Node(*data, FloodOutcome + "/issue_affected")->SetAttribute("id", "i7");

    EXPECT_FALSE(VerifyEvents(*data));
    const std::string s = "Scripted Events >> Flood >> Outcomes >> ";
    EXPECT_EQ(MessageTexts(*data),
              (Texts{
                  s + "chance >> Data required.",
                  s + "profile_change >> Data required.",
                  s + "chance_issue_center_moves >> Invalid decimal number.",
                  s + "distance_issue_center_moves >> Critical Error: Node missing.",
                  s + "target_issue_center >> Invalid number value.",
                  s + "momentum_change >> Invalid number value.",
                  s + "headline >> Data required.",
                  s + "issue_affected >> Reference not found: issue i7",
                  // Without an affected issue no position can be found.
                  s + "Effects >> issue_position >> Reference not found: position center",
              }));
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(data->Messages()[i].Element, Node(*data, FloodOutcome));
    EXPECT_EQ(data->Messages()[8].Element, Node(*data, FloodOutcome + "/effects/issue_position"));
}

TEST(EventsVerifier, EffectRules) {
    auto data = Load();
    TXmlNode* effects = Node(*data, FloodOutcome + "/effects");
    effects->GetChildAt(1)->SetAttribute("id", "l1"); // a leader is no party
    effects->AddNewChild("endorser")->AddNewChild("momentum", "1");
    TXmlNode* position = effects->AddNewChild("issue_position");
    position->SetAttribute("id", "far_left");
    position->AddNewChild("momentum", "1");

    EXPECT_FALSE(VerifyEvents(*data));
    const std::string s = "Scripted Events >> Flood >> Outcomes >> Effects >> ";
    EXPECT_EQ(MessageTexts(*data), (Texts{s + "party >> Reference not found: party l1",
                                          s + "endorser >> Invalid effect type."}));
    EXPECT_EQ(data->Messages()[1].Element, effects->GetChildAt(4));
}

TEST(EventsVerifier, PositionsAreThoseOfTheAffectedIssue) {
    auto data = Load();
    // i2 has no positions, so the position of i1 is not found.
    Node(*data, FloodOutcome + "/issue_affected")->SetAttribute("id", "i2");
    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Scripted Events >> Flood >> Outcomes >> Effects >> "
                     "issue_position >> Reference not found: position center"}));

    // With no affected issue only an unset position passes.
    auto none = Load();
    Node(*none, FloodOutcome + "/issue_affected")->SetAttribute("id", "-1");
    EXPECT_FALSE(VerifyEvents(*none));
    Node(*none, FloodOutcome + "/effects/issue_position")->SetAttribute("id", "-1");
    EXPECT_TRUE(VerifyEvents(*none));
}

TEST(EventsVerifier, RewardsAreCheckedOnlyWhileTheFileIsClean) {
    auto data = Load();
    Node(*data, FloodOutcome + "/effects/leader/momentum")->SetText("2.5");
    Remove(*data, FloodOutcome + "/effects/viceleader/momentum");
    EXPECT_FALSE(VerifyEvents(*data));
    const std::string s = "Scripted Events >> Flood >> Outcomes >> Effects >> No reward specified.";
    // The first bad reward is a problem, so the second is not looked at.
    EXPECT_EQ(MessageTexts(*data), (Texts{s + " >> Invalid number value."}));
    EXPECT_EQ(data->Messages()[0].Element, Node(*data, FloodOutcome + "/effects/leader"));

    Node(*data, FloodOutcome + "/effects/leader/momentum")->SetText("");
    EXPECT_FALSE(VerifyEvents(*data));
    data->Messages().clear();
    Node(*data, FloodOutcome + "/effects/leader/momentum")->SetText("4");
    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data), (Texts{s + " >> Critical Error: Node missing."}));

    // A problem of the effect itself also stops reward checks.
    auto earlier = Load();
    Node(*earlier, FloodOutcome + "/effects/party")->SetAttribute("id", "p9");
    Node(*earlier, FloodOutcome + "/effects/party/financial")->SetText("much");
    EXPECT_FALSE(VerifyEvents(*earlier));
    EXPECT_EQ(MessageTexts(*earlier),
              (Texts{"Scripted Events >> Flood >> Outcomes >> Effects >> party >> Reference not "
                     "found: party p9"}));
}

TEST(EventsVerifier, OutcomeWithoutEffects) {
    auto data = Load();
    TXmlNode* effects = Node(*data, FloodOutcome + "/effects");
    while (effects->ChildCount() > 0)
        effects->RemoveChild(effects->GetChildAt(0));
    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data), (Texts{"Scripted Events >> Flood >> Outcomes >> effects >> No "
                                          "effect specified, add an outcome effect to event."}));
    EXPECT_EQ(data->Messages()[0].Element, Node(*data, FloodOutcome));

    auto missing = Load();
    Remove(*missing, FloodOutcome + "/effects");
    EXPECT_FALSE(VerifyEvents(*missing));
    EXPECT_EQ(MessageTexts(*missing),
              (Texts{"Scripted Events >> Flood >> Outcomes >> effects >> Critical Error: Node "
                     "missing."}));
}

TEST(EventsVerifier, ConditionOnRemovedEventIsReported) {
    auto data = Load();
    // The condition's own target element must not count as the event.
    Remove(*data, "/events/scripted_events/event[2]");
    EXPECT_FALSE(VerifyEvents(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Scripted Events >> Flood >> Conditions >> event >> Reference not found: "
                     "event ev2"}));
}
