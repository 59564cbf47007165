#include "scenario/edit/ActivitiesEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <fstream>

using TestScenario::At;

namespace {

const char* const Activities =
    "<activities><leaders><activity id=\"rest\"><name>Rest</name></activity>"
    "<activity id=\"a7\"><name>Bus Tour</name></activity></leaders>"
    "<viceleaders><activity id=\"fundraiser\"><name>Fundraiser</name></activity></viceleaders>"
    "</activities>";

} // namespace

TEST(ActivitiesEdit, NewActivitiesHaveTheTemplateValues) {
    TTemporaryFolder folder;
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Activities, "<activities><leaders></leaders><viceleaders>"
                                     "</viceleaders></activities>"}},
        folder.Str());
    TXmlNode* leader = ActivitiesEdit::NewLeaderActivity(*data);
    TXmlNode* veep = ActivitiesEdit::NewVeepActivity(*data);
    ASSERT_NE(leader, nullptr);
    ASSERT_NE(veep, nullptr);
    EXPECT_EQ(At(*data, TScenarioFile::Activities, "/activities/leaders/activity"), leader);
    EXPECT_EQ(At(*data, TScenarioFile::Activities, "/activities/viceleaders/activity"), veep);
    EXPECT_NE(leader->AttributeValue("id"), veep->AttributeValue("id"));

    const std::vector<std::pair<std::string, std::string>> fields = {
        {"name", "New Activity"},
        {"picture", leader->AttributeValue("id") + ".bmp"},
        {"energy_points", "2"},
        {"command_points", "2"},
        {"cost", "500"},
        {"base_power", "1"},
        {"chance_national_news", "10"},
        {"chance_backfire", "0"},
        {"has_issue_focus", "0"},
        {"requires_location", "0"}};
    ASSERT_EQ(leader->ChildCount(), static_cast<int32_t>(fields.size()));
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(leader->GetChildAt(static_cast<int32_t>(i))->Name, fields[i].first);
        EXPECT_EQ(leader->GetChildAt(static_cast<int32_t>(i))->GetText(), fields[i].second);
    }
    EXPECT_FALSE(ActivitiesEdit::IsBuiltIn(leader));
    EXPECT_EQ(ActivitiesEdit::ListLine(leader), "Leader New Activity");
    EXPECT_EQ(ActivitiesEdit::ListLine(veep), "Veep New Activity");

    // Once the editor has made the pictures, both verify.
    const std::string pictures = ActivitiesEdit::PictureFolder(*data);
    EXPECT_EQ(pictures, folder.Str() + "activity_images/");
    std::filesystem::create_directories(pictures);
    for (const TXmlNode* a : {leader, veep})
        std::ofstream(pictures + a->GetChild("picture")->GetText()) << "BM";
    EXPECT_TRUE(VerifyActivities(*data));
}

TEST(ActivitiesEdit, MissingListIsCreated) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Activities, "<activities><leaders></leaders></activities>"}});
    ASSERT_NE(ActivitiesEdit::NewVeepActivity(*data), nullptr);
    EXPECT_NE(At(*data, TScenarioFile::Activities, "/activities/viceleaders/activity"), nullptr);
    EXPECT_EQ(ActivitiesEdit::NewLeaderActivity(*TestScenario::FromTexts({})), nullptr);
}

TEST(ActivitiesEdit, BuiltInActivitiesStay) {
    auto data = TestScenario::FromTexts({{TScenarioFile::Activities, Activities}});
    TXmlNode* rest = At(*data, TScenarioFile::Activities, "/activities/leaders/activity");
    TXmlNode* fundraiser = At(*data, TScenarioFile::Activities, "/activities/viceleaders/activity");
    EXPECT_TRUE(ActivitiesEdit::IsBuiltIn(rest));
    EXPECT_TRUE(ActivitiesEdit::IsBuiltIn(fundraiser));
    EXPECT_EQ(ActivitiesEdit::RemoveActivity(*data, rest), -2);
    EXPECT_EQ(ActivitiesEdit::RemoveActivity(*data, fundraiser), -2);
    EXPECT_FALSE(data->Changed());

    TXmlNode* tour = At(*data, TScenarioFile::Activities, "/activities/leaders/activity[2]");
    EXPECT_EQ(ActivitiesEdit::RemoveActivity(*data, tour), 0);
    EXPECT_EQ(At(*data, TScenarioFile::Activities, "/activities/leaders")->ChildCount(), 1);
    EXPECT_TRUE(data->Changed());
}
