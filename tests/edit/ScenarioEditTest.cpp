// Economic targets, interviewers and debates of scenario.xml.
#include "scenario/edit/ScenarioEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;
using TestScenario::ChildNames;
using TestScenario::Shape;
using TestScenario::TextAt;
using Texts = std::vector<std::string>;

namespace {

const char* const Settings = R"(<scenario>
<economy><initial>3</initial><targets>
<target id="t1"><name>Boom</name><economy_target>5</economy_target><chance>10</chance><speed>Fast</speed></target>
<target name="Old &amp; Grey"><economy_target>2</economy_target><chance>4</chance><speed>Slow</speed></target>
<target id="t3"><economy_target>1</economy_target><chance>1</chance><speed>Slow</speed></target>
</targets></economy>
<interviewers><interviewer><name>Ann</name><stance>Left</stance><visibility>Low</visibility><contentiousness>High</contentiousness></interviewer></interviewers>
<debates><general_election><debate><type>Viceleader</type><date>10/02/2008</date><language>English</language><percent_to_qualify>5</percent_to_qualify></debate></general_election>
<primaries><party id="p1"><debate><date>01/05/2008</date><language>English</language><percent_to_qualify>0</percent_to_qualify></debate></party></primaries></debates>
</scenario>)";

std::unique_ptr<TScenarioData> Scenario(const std::string& text = Settings) {
    return TestScenario::FromTexts({{TScenarioFile::Scenario, text}});
}

TEST(ScenarioEditTemplates, NewItemsAreCompleteInTheirFixedOrder) {
    auto data = Scenario();
    data->SetChanged(false);

    TXmlNode* target = ScenarioEdit::NewTarget(*data);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(ScenarioEdit::Targets(*data)->GetChildAt(3), target);
    EXPECT_EQ(target->Name, "target");
    EXPECT_EQ(Shape(target), "name=New Target|economy_target=3|speed=Normal|chance=0");
    EXPECT_TRUE(data->Changed());
    EXPECT_FALSE(target->AttributeValue("id").empty());
    EXPECT_NE(ScenarioEdit::NewTarget(*data)->AttributeValue("id"), target->AttributeValue("id"));

    TXmlNode* interviewer = ScenarioEdit::NewInterviewer(*data);
    ASSERT_NE(interviewer, nullptr);
    EXPECT_EQ(interviewer->Name, "interviewer");
    EXPECT_EQ(interviewer->AttributeCount(), 0);
    EXPECT_EQ(Shape(interviewer),
              "name=New Interviewer|stance=Center|visibility=Low|contentiousness=Low");
}

TEST(ScenarioEditTemplates, NewItemsPassVerification) {
    TTemporaryFolder folder;
    auto data = TestScenario::LoadCopy(TestScenario::DataPath("verify/world"), folder);
    ASSERT_TRUE(data);
    ScenarioEdit::NewTarget(*data);
    ScenarioEdit::NewInterviewer(*data);
    ScenarioEdit::NewGeneralElectionDebate(*data);
    EXPECT_TRUE(VerifyScenarioSettings(*data))
        << testing::PrintToString(TestScenario::MessageTexts(*data));
}

TEST(ScenarioEditTemplates, MissingListsAreNeverCreated) {
    auto data = Scenario("<scenario><economy><initial>3</initial></economy></scenario>");
    data->SetChanged(false);
    EXPECT_EQ(ScenarioEdit::Targets(*data), nullptr);
    EXPECT_EQ(ScenarioEdit::NewTarget(*data), nullptr);
    EXPECT_EQ(ScenarioEdit::NewInterviewer(*data), nullptr);
    EXPECT_EQ(ScenarioEdit::NewGeneralElectionDebate(*data), nullptr);
    EXPECT_EQ(ScenarioEdit::CompleteLegacyTargets(*data), 0);
    EXPECT_EQ(ChildNames(data->Scenario()), (Texts{"economy"}));
    EXPECT_EQ(ChildNames(data->Scenario()->GetChild("economy")), (Texts{"initial"}));
    EXPECT_FALSE(data->Changed());
}

TEST(ScenarioEditDebates, GeneralElectionDebateHasATypeAndItsCaption) {
    auto data = Scenario();
    TXmlNode* debate = ScenarioEdit::NewGeneralElectionDebate(*data);
    ASSERT_NE(debate, nullptr);
    EXPECT_EQ(ScenarioEdit::GeneralElectionDebates(*data)->ChildCount(), 2);
    EXPECT_EQ(debate->Name, "debate");
    EXPECT_EQ(Shape(debate), "date=12/12/2008|language=English|percent_to_qualify=0|type=Leader");
    EXPECT_EQ(ScenarioEdit::DebateCaption(debate), "Leader - 12/12/2008");
    EXPECT_EQ(
        ScenarioEdit::DebateCaption(ScenarioEdit::GeneralElectionDebates(*data)->GetChildAt(0)),
        "Viceleader - 10/02/2008");
}

TEST(ScenarioEditDebates, GeneralElectionListIsMadeByTheFirstDebateOnly) {
    auto data = Scenario("<scenario><debates><primaries></primaries></debates></scenario>");
    EXPECT_EQ(ScenarioEdit::GeneralElectionDebates(*data), nullptr);
    ScenarioEdit::NewGeneralElectionDebate(*data);
    ScenarioEdit::NewGeneralElectionDebate(*data);
    EXPECT_EQ(ChildNames(ScenarioEdit::Debates(*data)), (Texts{"primaries", "general_election"}));
    EXPECT_EQ(ScenarioEdit::GeneralElectionDebates(*data)->ChildCount(), 2);
}

TEST(ScenarioEditDebates, PartyEntryIsFoundOrMadeOnce) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Scenario, Settings},
         {TScenarioFile::Parties, R"(<parties><party id="p1"><name>Blue</name></party>)"
                                  R"(<party id="p2"><name>Red</name></party><party/></parties>)"}});
    TXmlNode* primaries = At(*data, TScenarioFile::Scenario, "/scenario/debates/primaries");
    TXmlNode* blue = ScenarioEdit::PartyDebates(*data, data->Parties()->GetChildAt(0));
    EXPECT_EQ(blue, primaries->GetChildAt(0));
    EXPECT_TRUE(ScenarioEdit::IsPrimariesList(blue));
    EXPECT_FALSE(ScenarioEdit::IsPrimariesList(ScenarioEdit::GeneralElectionDebates(*data)));

    TXmlNode* red = ScenarioEdit::PartyDebates(*data, data->Parties()->GetChildAt(1));
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(ScenarioEdit::PartyDebates(*data, data->Parties()->GetChildAt(1)), red);
    EXPECT_EQ(primaries->ChildCount(), 2);
    EXPECT_EQ(red->AttributeValue("id"), "p2");
    // A party without an id has no entry to find or make.
    EXPECT_EQ(ScenarioEdit::PartyDebates(*data, data->Parties()->GetChildAt(2)), nullptr);
    EXPECT_EQ(primaries->ChildCount(), 2);

    TXmlNode* debate = ScenarioEdit::NewDebate(*data, red);
    EXPECT_EQ(debate->GetChild("type"), nullptr);
    EXPECT_EQ(ScenarioEdit::DebateCaption(debate), "12/12/2008");
}

TEST(ScenarioEditLegacyTargets, OldFormGetsItsIdAndNameChildOrAFreshIdentity) {
    auto data = Scenario();
    data->SetChanged(false);
    EXPECT_EQ(ScenarioEdit::CompleteLegacyTargets(*data), 2);
    EXPECT_TRUE(data->Changed());
    const TXmlNode* targets = ScenarioEdit::Targets(*data);

    const TXmlNode* current = targets->GetChildAt(0);
    EXPECT_EQ(current->AttributeValue("id"), "t1");
    EXPECT_EQ(ChildNames(current), (Texts{"name", "economy_target", "chance", "speed"}));

    const TXmlNode* old = targets->GetChildAt(1);
    EXPECT_EQ(old->AttributeValue("id"), "Old & Grey");
    EXPECT_EQ(old->GetAttribute("name"), nullptr);
    EXPECT_EQ(TextAt(old, "name"), "Old & Grey");
    EXPECT_EQ(old->GetChild("name")->Text, "Old &#38; Grey");

    // An id but no name child: the id names it.
    EXPECT_EQ(TextAt(targets->GetChildAt(2), "name"), "t3");

    // Completing twice changes nothing more.
    EXPECT_EQ(ScenarioEdit::CompleteLegacyTargets(*data), 0);
    // A target without any name gets a fresh identity.
    data = Scenario(R"(<scenario><economy><targets><target><chance>1</chance></target>)"
                    R"(<target name=""><name>Kept</name></target></targets></economy></scenario>)");
    EXPECT_EQ(ScenarioEdit::CompleteLegacyTargets(*data), 2);
    targets = ScenarioEdit::Targets(*data);
    const TXmlNode* bare = targets->GetChildAt(0);
    EXPECT_FALSE(bare->AttributeValue("id").empty());
    EXPECT_EQ(TextAt(bare, "name"), "New Target");
    const TXmlNode* blank = targets->GetChildAt(1);
    EXPECT_FALSE(blank->AttributeValue("id").empty());
    EXPECT_NE(blank->AttributeValue("id"), bare->AttributeValue("id"));
    EXPECT_EQ(blank->GetAttribute("name"), nullptr);
    EXPECT_EQ(ChildNames(blank), (Texts{"name"}));
    EXPECT_EQ(TextAt(blank, "name"), "Kept");
}

TEST(ScenarioEditRemove, RemovesOnlyChildrenOfTheList) {
    auto data = Scenario();
    TXmlNode* targets = ScenarioEdit::Targets(*data);
    TXmlNode* interviewers = ScenarioEdit::Interviewers(*data);
    TXmlNode* first = targets->GetChildAt(0);
    data->SetChanged(false);
    EXPECT_FALSE(ScenarioEdit::RemoveItem(*data, interviewers, first));
    EXPECT_FALSE(ScenarioEdit::RemoveItem(*data, targets, nullptr));
    EXPECT_FALSE(data->Changed());
    EXPECT_EQ(targets->ChildCount(), 3);

    EXPECT_TRUE(ScenarioEdit::RemoveItem(*data, targets, first));
    EXPECT_TRUE(data->Changed());
    EXPECT_EQ(targets->ChildCount(), 2);
    EXPECT_EQ(targets->GetChildAt(0)->AttributeValue("name"), "Old & Grey");
}

} // namespace
