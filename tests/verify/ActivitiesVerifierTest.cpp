#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <fstream>

using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

std::string Activity(const std::string& id, const std::string& name) {
    return "<activity id=\"" + id + "\"><name>" + name + "</name><picture>" + id +
           ".bmp</picture><energy_points>2</energy_points><command_points>2</command_points>"
           "<cost>500</cost><base_power>1</base_power>"
           "<chance_national_news>10</chance_national_news><chance_backfire>0</chance_backfire>"
           "<has_issue_focus>0</has_issue_focus><requires_location>0</requires_location>"
           "</activity>";
}

class ActivitiesVerifier : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(Folder.Path() / "activity_images");
        for (const char* id : {"rest", "fundraiser", "town_hall"})
            std::ofstream(Folder.Path() / "activity_images" / (std::string(id) + ".bmp")) << "BM";
    }

    std::unique_ptr<TScenarioData> Load(const std::string& activities) {
        return TestScenario::FromTexts({{TScenarioFile::Activities, activities}}, Folder.Str());
    }

    std::unique_ptr<TScenarioData> Standard() {
        // The vice-leader list comes first in the document but is checked
        // second.
        return Load("<activities><viceleaders>" + Activity("town_hall", "Town Hall") +
                    "</viceleaders><leaders>" + Activity("rest", "Rest") +
                    Activity("fundraiser", "Fundraiser") + "</leaders></activities>");
    }

    TXmlNode* Node(TScenarioData& data, const std::string& path) {
        TXmlNode* node = At(data, TScenarioFile::Activities, path);
        EXPECT_NE(node, nullptr) << path;
        return node;
    }

    TTemporaryFolder Folder;
};

} // namespace

TEST_F(ActivitiesVerifier, CleanActivitiesPass) {
    auto data = Standard();
    EXPECT_TRUE(VerifyActivities(*data));
    EXPECT_TRUE(data->Messages().empty());

    auto empty = Load("<activities><leaders></leaders><viceleaders></viceleaders></activities>");
    EXPECT_TRUE(VerifyActivities(*empty));
}

TEST_F(ActivitiesVerifier, ReportsFieldsInOrderLeadersFirst) {
    auto data = Standard();
    Node(*data, "/activities/viceleaders/activity/cost")->SetText("cheap");
    Node(*data, "/activities/leaders/activity[2]/requires_location")->SetText("");
    Node(*data, "/activities/leaders/activity[2]/name")->SetText("");
    Node(*data, "/activities/leaders/activity[2]/chance_backfire")->SetText("1,2,3");
    TXmlNode* energy = Node(*data, "/activities/leaders/activity[2]/energy_points");
    energy->Parent()->RemoveChild(energy);
    Node(*data, "/activities/leaders/activity[2]/command_points")->SetText("-1");

    EXPECT_FALSE(VerifyActivities(*data));
    EXPECT_EQ(MessageTexts(*data), (Texts{
                                       "Activity >> name >> Data required.",
                                       "Activity >> energy_points >> Critical Error: Node missing.",
                                       "Activity >> chance_backfire >> Invalid decimal number.",
                                       "Activity >> requires_location >> Data required.",
                                       "Activity >> cost >> Invalid decimal number.",
                                   }));
    EXPECT_EQ(data->Messages()[0].Element, Node(*data, "/activities/leaders/activity[2]"));
    EXPECT_EQ(data->Messages()[4].Element, Node(*data, "/activities/viceleaders/activity"));
}

TEST_F(ActivitiesVerifier, PictureMustExistInTheActivityFolder) {
    auto data = Standard();
    Node(*data, "/activities/leaders/activity/picture")->SetText("missing.bmp");
    Node(*data, "/activities/leaders/activity[2]/picture")->SetText("");
    // "-1" is no exception for files.
    Node(*data, "/activities/viceleaders/activity/picture")->SetText("-1");

    EXPECT_FALSE(VerifyActivities(*data));
    const std::string folder = Folder.Str() + "activity_images/";
    EXPECT_EQ(MessageTexts(*data),
              (Texts{
                  "Activity >> picture >> " + folder + "missing.bmp does not exist.",
                  "Activity >> picture >> Data required.",
                  "Activity >> picture >> " + folder + "-1 does not exist.",
              }));
}

TEST_F(ActivitiesVerifier, PictureInTheScenarioFolderItselfDoesNotCount) {
    std::ofstream(Folder.Path() / "loose.bmp") << "BM";
    auto data = Standard();
    Node(*data, "/activities/leaders/activity/picture")->SetText("loose.bmp");
    EXPECT_FALSE(VerifyActivities(*data));
    EXPECT_EQ(data->Messages().size(), 1u);
}

TEST_F(ActivitiesVerifier, MissingListsAreReportedAndNothingElse) {
    auto noVeeps = Load("<activities><leaders>" + Activity("rest", "") + "</leaders></activities>");
    EXPECT_FALSE(VerifyActivities(*noVeeps));
    EXPECT_EQ(MessageTexts(*noVeeps), (Texts{"Activities >> viceleaders >> Node doesn't exist"}));
    EXPECT_EQ(noVeeps->Messages()[0].Element, noVeeps->Activities());

    auto neither = Load("<activities><leader></leader></activities>");
    EXPECT_FALSE(VerifyActivities(*neither));
    EXPECT_EQ(MessageTexts(*neither), (Texts{"Activities >> leaders >> Node doesn't exist",
                                             "Activities >> viceleaders >> Node doesn't exist"}));

    auto noDocument = TestScenario::FromTexts({}, Folder.Str());
    EXPECT_FALSE(VerifyActivities(*noDocument));
    EXPECT_EQ(noDocument->Messages().size(), 2u);
}
