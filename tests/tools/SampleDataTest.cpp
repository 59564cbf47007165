// The generators' own safety nets: the map check that stops a map the
// region editor could not use, the builder's refusal of data a designer
// could not have entered, and the worlds file's refusal of a mistake.

#include "sample/MapRaster.h"
#include "sample/ScenarioDocuments.h"
#include "xml/FileText.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <stdexcept>

namespace {

using namespace Sample;

bool Mentions(const std::vector<std::string>& problems, const std::string& text) {
    for (const std::string& p : problems)
        if (p.find(text) != std::string::npos)
            return true;
    return false;
}

TEST(MapRaster, TheShippedWorldsSuitTheRegionEditor) {
    for (const TWorld& world : {TellavarWorld(), BaseWorld()})
        EXPECT_EQ(TMapRaster(world).Problems(world), std::vector<std::string>{});
}

TEST(MapRaster, AnIslandWithoutItsOwnFillPointIsReported) {
    TWorld world = BaseWorld();
    TRegion& isles = world.Regions.back();
    ASSERT_EQ(isles.FillPoints.size(), 2u);
    isles.FillPoints.pop_back();
    EXPECT_TRUE(Mentions(TMapRaster(world).Problems(world), "reached from no fill point"));
}

TEST(MapRaster, FillPointsOffTheirRegionAreReported) {
    TWorld world = BaseWorld();
    world.Regions.back().FillPoints[1] = {5, 5}; // open sea
    world.Regions.front().FillPoints.push_back({600, 10});
    const std::vector<std::string> problems = TMapRaster(world).Problems(world);
    EXPECT_TRUE(Mentions(problems, "Quen Isles: fill point 5,5 is not inside the region"));
    EXPECT_TRUE(Mentions(problems, "Aldmoor: fill point outside the map"));
}

TEST(MapRaster, RegionsAreSeparatedByBlackAndTheSeaSurroundsTheLand) {
    const TWorld world = BaseWorld();
    const TMapRaster map(world);
    EXPECT_EQ(map.At(0, 0), TMapRaster::Sea);
    const TPoint west = world.Regions[0].FillPoints[0], east = world.Regions[1].FillPoints[0];
    ASSERT_EQ(west.Y, east.Y);
    bool crossedBorder = false;
    for (int x = west.X; x <= east.X; ++x) {
        const int label = map.At(x, west.Y);
        EXPECT_TRUE(label == 0 || label == 1 || label == TMapRaster::Border) << x;
        crossedBorder = crossedBorder || label == TMapRaster::Border;
    }
    EXPECT_TRUE(crossedBorder);
}

TEST(ScenarioDocuments, ReferencesToUnknownItemsAreRefused) {
    TWorld misspelt = BaseWorld();
    misspelt.Relations.push_back({"odile_varene", "aurelio_fenn", "Bad"});
    EXPECT_THROW(BuildDocuments(misspelt, ""), std::runtime_error);

    TWorld foreignMate = BaseWorld();
    foreignMate.Parties[0].Leaders[0].RunningMates.push_back("jonah_tarrant");
    EXPECT_THROW(BuildDocuments(foreignMate, ""), std::runtime_error);

    TWorld selfCondition = BaseWorld();
    selfCondition.ScriptedEvents[0].Conditions.push_back(
        {"event_occurred", selfCondition.ScriptedEvents[0].Key});
    EXPECT_THROW(BuildDocuments(selfCondition, ""), std::runtime_error);
}

TEST(ScenarioDocuments, TextsLongerThanTheEditorsAllowAreRefused) {
    TWorld world = BaseWorld();
    world.Issues[5].Descriptions[0] = std::string(121, 'x');
    EXPECT_THROW(BuildDocuments(world, ""), std::runtime_error);
    world = BaseWorld();
    world.Parties[0].Abbreviation = "CUXX";
    EXPECT_THROW(BuildDocuments(world, ""), std::runtime_error);
}

TEST(ScenarioDocuments, SharesThatDoNotAddUpAreRefused) {
    TWorld world = BaseWorld();
    world.Shares[0].second[0] += 1;
    EXPECT_THROW(BuildDocuments(world, ""), std::runtime_error);
}

TEST(WorldsFile, AMistakeNamesTheFileTheRecordAndTheField) {
    const std::string shipped = FileText::Read(STUMPCRAFT_SAMPLE_WORLDS);
    const std::string path =
        (std::filesystem::temp_directory_path() / "stumpcraft-worlds-test.xml").string();
    // An edit of the shipped file and how the message must go on after the
    // file name: a bad value, a field a new record lacks, an unknown field,
    // and a bad value in a record patched from an inherited one.
    const std::vector<std::array<std::string, 3>> cases = {
        {"Population=\"1150000\"", "Population=\"many\"",
         "World sample > Region aldmoor: Population: "},
        {" MediaMarket=\"Kestrel Ford\"", "",
         "World sample > Region aldmoor: MediaMarket: missing"},
        {"<City>Hollin</City>", "<Town>Hollin</Town>",
         "World sample > Region aldmoor: Town: no such field"},
        {"<Crusader LastName=\"Kettle\"/>", "<Crusader LastName=\"Kettle\" Power=\"high\"/>",
         "World base > Party peoples_accord > Leader aurelio_fenn > Crusader Kettle: Power: "}};
    for (const auto& [from, to, message] : cases) {
        std::string text = shipped;
        ASSERT_NE(text.find(from), std::string::npos) << from;
        text.replace(text.find(from), from.size(), to);
        std::ofstream(path, std::ios::binary) << text;
        try {
            ReadWorlds(path);
            ADD_FAILURE() << "accepted " << to;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(path + ": " + message, 0), 0u) << e.what();
        }
    }
    std::filesystem::remove(path);
}

TEST(Ids, HaveTheProgramsFormAndDependOnKindAndKey) {
    const std::regex form("[0-9]{5}_[0-9]*[1-9]");
    EXPECT_TRUE(std::regex_match(IdOf("party", "civic_union"), form));
    EXPECT_EQ(IdOf("party", "civic_union"), IdOf("party", "civic_union"));
    EXPECT_NE(IdOf("party", "civic_union"), IdOf("leader", "civic_union"));
    EXPECT_NE(IdOf("party", "civic_union"), IdOf("party", "template:civic_union"));
}

} // namespace
