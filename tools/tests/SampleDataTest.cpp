// The generators' own safety nets: the map check that stops a map the
// region editor could not use, and the builder's refusal of data a designer
// could not have entered.

#include "sample/MapRaster.h"
#include "sample/ScenarioDocuments.h"

#include <gtest/gtest.h>

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

TEST(Ids, HaveTheProgramsFormAndDependOnKindAndKey) {
    const std::regex form("[0-9]{5}_[0-9]*[1-9]");
    EXPECT_TRUE(std::regex_match(IdOf("party", "civic_union"), form));
    EXPECT_EQ(IdOf("party", "civic_union"), IdOf("party", "civic_union"));
    EXPECT_NE(IdOf("party", "civic_union"), IdOf("leader", "civic_union"));
    EXPECT_NE(IdOf("party", "civic_union"), IdOf("party", "template:civic_union"));
}

} // namespace
