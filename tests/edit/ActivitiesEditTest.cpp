#include "scenario/edit/ActivitiesEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <fstream>

using TestScenario::At;

TEST(ActivitiesEdit, NewActivitiesVerifyOnceTheirPicturesExist) {
    TTemporaryFolder folder;
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Activities, "<activities><leaders></leaders></activities>"}},
        folder.Str());
    TXmlNode* leader = ActivitiesEdit::NewLeaderActivity(*data);
    // The vice-leaders' list is missing, so it is made.
    TXmlNode* veep = ActivitiesEdit::NewVeepActivity(*data);
    ASSERT_NE(leader, nullptr);
    ASSERT_NE(veep, nullptr);
    EXPECT_EQ(At(*data, TScenarioFile::Activities, "/activities/viceleaders/activity"), veep);
    EXPECT_EQ(ActivitiesEdit::ListLine(leader), "Leader New Activity");
    EXPECT_EQ(ActivitiesEdit::ListLine(veep), "Veep New Activity");
    EXPECT_EQ(leader->GetChild("picture")->GetText(), leader->AttributeValue("id") + ".bmp");
    EXPECT_FALSE(ActivitiesEdit::IsBuiltIn(leader));

    const std::string pictures = ActivitiesEdit::PictureFolder(*data);
    EXPECT_EQ(pictures, folder.Str() + "activity_images/");
    std::filesystem::create_directories(pictures);
    for (const TXmlNode* a : {leader, veep})
        std::ofstream(pictures + a->GetChild("picture")->GetText()) << "BM";
    EXPECT_TRUE(VerifyActivities(*data));

    EXPECT_EQ(ActivitiesEdit::NewLeaderActivity(*TestScenario::FromTexts({})), nullptr);
}

TEST(ActivitiesEdit, BuiltInActivitiesCannotBeRemoved) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Activities,
          "<activities><leaders><activity id=\"rest\"></activity><activity id=\"a7\"></activity>"
          "</leaders><viceleaders><activity id=\"fundraiser\"></activity></viceleaders>"
          "</activities>"}});
    TXmlNode* rest = At(*data, TScenarioFile::Activities, "/activities/leaders/activity");
    TXmlNode* fundraiser = At(*data, TScenarioFile::Activities, "/activities/viceleaders/activity");
    EXPECT_EQ(ActivitiesEdit::RemoveActivity(*data, rest), -2);
    EXPECT_EQ(ActivitiesEdit::RemoveActivity(*data, fundraiser), -2);
    EXPECT_FALSE(data->Changed());

    TXmlNode* other = At(*data, TScenarioFile::Activities, "/activities/leaders/activity[2]");
    EXPECT_EQ(ActivitiesEdit::RemoveActivity(*data, other), 0);
    EXPECT_EQ(At(*data, TScenarioFile::Activities, "/activities/leaders")->ChildCount(), 1);
}
