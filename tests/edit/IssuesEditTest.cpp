#include "scenario/edit/IssuesEdit.h"
#include "scenario/IssueKinds.h"
#include "scenario/verify/FileVerifiers.h"
#include "scenario/verify/VerificationRun.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <vector>

using TestScenario::At;

namespace {

// How many elements below node (node included) are named name and carry
// the id attribute value ("" also for none).
int CountNaming(const TXmlNode* node, const std::string& name, const std::string& id) {
    return static_cast<int>(TestScenario::Naming(node, name, id).size());
}

std::string Issues(int count) {
    std::string text = "<issues>";
    for (int i = 0; i < count; ++i)
        text += "<issue id=\"i" + std::to_string(i) + "\"><name>I" + std::to_string(i) +
                "</name><type>PositionIssue</type></issue>";
    return text + "</issues>";
}

} // namespace

TEST(IssuesEdit, NewIssueInTheSampleReachesEveryUnitPartyAndLeader) {
    TTemporaryFolder folder;
    auto data = TestScenario::LoadCopy(Sample, folder);
    ASSERT_EQ(data->Issues()->ChildCount(), IssuesEdit::MaxIssues);
    // Room for one: the sample is full. What removing this position issue
    // repairs elsewhere is the references test's.
    TXmlNode* favoured = data->Issues()->FindChild("issue", "id", "39446_2313639706");
    ASSERT_FALSE(IssuesEdit::IsAttribute(favoured));
    EXPECT_EQ(IssuesEdit::NewIssue(*data), nullptr);
    const int32_t index = favoured->Index();
    EXPECT_EQ(IssuesEdit::RemoveIssue(*data, favoured), index - 1);

    // Which lists it reaches is CascadesSkipMissingListsAndReachSubRegions'.
    TXmlNode* issue = IssuesEdit::NewIssue(*data);
    ASSERT_NE(issue, nullptr);
    const std::string id = issue->AttributeValue("id");
    EXPECT_EQ(issue->GetChild("picture")->GetText(), id + ".bmp");
    EXPECT_EQ(issue->GetChild("positions")->ChildCount(), 7);
    EXPECT_EQ(issue->GetChild("positions")->GetChildAt(6)->AttributeValue("id"), "far_right");
    EXPECT_EQ(issue->GetChild("positions")->GetChildAt(0)->GetChild("description")->GetText(),
              "Far-Left description");

    EXPECT_FALSE(VerificationRun::Run(data.get(), true).ProblemsExist);
    EXPECT_EQ(TestScenario::MessageTexts(*data), std::vector<std::string>{});
}

TEST(IssuesEdit, RemovingANewIssueRestoresEveryDocumentExactly) {
    TTemporaryFolder folder;
    auto data = TestScenario::LoadCopy(Sample, folder);
    const std::vector<std::string> before = TestScenario::DocumentTexts(*data);
    // The sample is full: make room in memory only, and put the issue back
    // before saving.
    TXmlNode* root = data->Issues();
    auto spare = root->RemoveChild(root->GetChildAt(root->ChildCount() - 1));
    TXmlNode* issue = IssuesEdit::NewIssue(*data);
    ASSERT_NE(issue, nullptr);
    EXPECT_EQ(IssuesEdit::RemoveIssue(*data, issue), root->ChildCount() - 2);
    root->AddChild(std::move(spare));
    EXPECT_EQ(TestScenario::DocumentTexts(*data), before);
}

TEST(IssuesEdit, CascadesSkipMissingListsAndReachSubRegions) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Issues, Issues(2)},
         {TScenarioFile::PoliticalUnits,
          "<political_units><political_unit id=\"n\"><issue_centers/><political_units>"
          "<political_unit id=\"a\"><issue_centers/><political_units>"
          "<political_unit id=\"a1\"><issue_centers/></political_unit></political_units>"
          "</political_unit>"
          "<political_unit id=\"b\"><issue_centers/><political_units>"
          "<political_unit id=\"b1\"><issue_centers/></political_unit>"
          "<political_unit id=\"b2\"></political_unit></political_units>"
          "</political_unit></political_units></political_unit></political_units>"},
         {TScenarioFile::Parties,
          "<parties><party id=\"p\"><platform/><leaders><leader id=\"l1\"><platform/></leader>"
          "<leader id=\"l2\"/></leaders></party><party id=\"q\"/>"
          "<party id=\"r\"><platform/></party></parties>"}});
    TXmlNode* issue = IssuesEdit::NewIssue(*data);
    ASSERT_NE(issue, nullptr);
    const std::string id = issue->AttributeValue("id");
    // Nation, two regions, two sub-regions; b2 has no list and gets none.
    EXPECT_EQ(CountNaming(data->PoliticalUnits(), "issue", id), 5);
    EXPECT_EQ(CountNaming(data->PoliticalUnits(), "issue_centers", ""), 5);
    const TXmlNode* centre =
        At(*data, TScenarioFile::PoliticalUnits,
           "/political_units/political_unit/political_units/political_unit[2]/issue_centers/issue");
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(centre->GetChild("initial_primaries_profile")->GetText(), "Low");
    EXPECT_EQ(centre->GetChild("initial_generalelection_profile")->GetText(), "Low");
    EXPECT_EQ(centre->GetChild("center")->GetText(), "Center");
    // Parties p and r, leader l1; q and l2 have no platform and stay so.
    EXPECT_EQ(CountNaming(data->Parties(), "issue", id), 3);
    EXPECT_EQ(CountNaming(data->Parties(), "platform", ""), 3);
    EXPECT_EQ(At(*data, TScenarioFile::Parties, "/parties/party/leaders/leader/platform/issue")
                  ->GetText(),
              "Center");

    EXPECT_EQ(IssuesEdit::RemoveIssue(*data, issue), 1);
    EXPECT_EQ(CountNaming(data->PoliticalUnits(), "issue", id), 0);
    EXPECT_EQ(CountNaming(data->Parties(), "issue", id), 0);
    // Not an issue of the file.
    EXPECT_EQ(IssuesEdit::RemoveIssue(*data, data->Parties()), -1);
    EXPECT_EQ(data->Issues()->ChildCount(), 2);
    // Without an issues document there is no place for one.
    EXPECT_EQ(IssuesEdit::NewIssue(*TestScenario::FromTexts({})), nullptr);
}

TEST(IssuesEdit, RemovalTakesEveryEntryNamingTheIssueAndRepairsEndorsers) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Issues, Issues(3)},
         {TScenarioFile::PoliticalUnits,
          "<political_units><political_unit><issue_centers><issue id=\"i1\"/>"
          "<issue id=\"i2\"/><issue id=\"i1\"/></issue_centers></political_unit>"
          "</political_units>"},
         {TScenarioFile::Parties,
          "<parties><party><platform><issue id=\"i1\">Left</issue><issue id=\"i1\">Right</issue>"
          "</platform><leaders><leader><platform><issue id=\"i1\">Left</issue></platform>"
          "</leader></leaders></party></parties>"},
         {TScenarioFile::Endorsers,
          "<endorsers><endorser><issues><issue id=\"i1\"><favored_position>Left"
          "</favored_position></issue></issues></endorser><endorser><issues><issue id=\"i2\"/>"
          "</issues></endorser><endorser/></endorsers>"}});
    EXPECT_EQ(IssuesEdit::RemoveIssue(*data, data->Issues()->GetChildAt(1)), 0);
    EXPECT_EQ(CountNaming(data->PoliticalUnits(), "issue", "i1"), 0);
    EXPECT_EQ(CountNaming(data->PoliticalUnits(), "issue", "i2"), 1);
    EXPECT_EQ(CountNaming(data->Parties(), "issue", "i1"), 0);
    const TXmlNode* favoured =
        At(*data, TScenarioFile::Endorsers, "/endorsers/endorser/issues/issue");
    EXPECT_EQ(favoured->AttributeValue("id"), "-1");
    EXPECT_EQ(favoured->GetChild("favored_position")->GetText(), "Left");
    EXPECT_EQ(At(*data, TScenarioFile::Endorsers, "/endorsers/endorser[2]/issues/issue")
                  ->AttributeValue("id"),
              "i2");
    EXPECT_TRUE(data->Changed());
}

TEST(IssuesEdit, TheFirstFourNeverMove) {
    auto data = TestScenario::FromTexts({{TScenarioFile::Issues, Issues(7)}});
    EXPECT_EQ(IssuesEdit::MoveUp(*data, 4), 4);
    EXPECT_EQ(IssuesEdit::MoveUp(*data, 2), 2);
    EXPECT_EQ(IssuesEdit::MoveDown(*data, 3), 3);
    EXPECT_EQ(IssuesEdit::MoveDown(*data, 6), 6);
    EXPECT_EQ(TestScenario::ChildIds(data->Issues()),
              (std::vector<std::string>{"i0", "i1", "i2", "i3", "i4", "i5", "i6"}));
    EXPECT_FALSE(data->Changed());

    EXPECT_EQ(IssuesEdit::MoveUp(*data, 5), 4);
    EXPECT_EQ(IssuesEdit::MoveDown(*data, 4), 5);
    EXPECT_EQ(IssuesEdit::MoveDown(*data, 5), 6);
    EXPECT_EQ(TestScenario::ChildIds(data->Issues()),
              (std::vector<std::string>{"i0", "i1", "i2", "i3", "i4", "i6", "i5"}));
    EXPECT_TRUE(data->Changed());
    EXPECT_FALSE(IssuesEdit::CanMoveUp(*data, 7));
    EXPECT_FALSE(IssuesEdit::CanMoveDown(*data, -1));
}

TEST(IssuesEdit, PictureNamesForOldFilesAndEmptyNames) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Issues,
          "<issues><issue id=\"a\"><picture>own.bmp</picture></issue><issue id=\"b\"/>"
          "<issue id=\"c\"><picture></picture></issue><issue><picture/></issue></issues>"}},
        "/scenario/");
    EXPECT_EQ(IssuesEdit::NamePicturesByPlace(*data), 1);
    EXPECT_EQ(IssuesEdit::NamePicturesByPlace(*data), 0);
    EXPECT_EQ(At(*data, TScenarioFile::Issues, "/issues/issue[2]/picture")->GetText(),
              "issue1.bmp");
    TXmlNode* root = data->Issues();
    EXPECT_EQ(IssuesEdit::PictureOf(*data, root->GetChildAt(0))->GetText(), "own.bmp");
    EXPECT_EQ(IssuesEdit::PictureOf(*data, root->GetChildAt(2))->GetText(), "c.bmp");
    EXPECT_EQ(IssuesEdit::PictureOf(*data, root->GetChildAt(3))->GetText(), "issue3.bmp");
    EXPECT_EQ(IssuesEdit::CountText(*data), "4 of 22 Issues Created");
}

// One rule for every editor and verifier: platforms, centres and the
// positions check all skip the same issues.
TEST(IssueKinds, AttributeInAnyCaseAndNoTypeMeansPositions) {
    TXmlNode issues;
    for (const char* type : {"attribute", "ATTRIBUTE", "Attribute", "position", ""})
        issues.AddNewChild("issue")->AddNewChild("type", type);
    issues.AddNewChild("issue");
    std::vector<bool> attribute;
    for (int32_t i = 0; i < issues.ChildCount(); ++i)
        attribute.push_back(IssueKinds::IsAttribute(issues.GetChildAt(i)));
    EXPECT_EQ(attribute, (std::vector<bool>{true, true, true, false, false, false}));
    EXPECT_FALSE(IssueKinds::IsAttribute(nullptr));
}
