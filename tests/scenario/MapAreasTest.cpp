// Region areas on the scenario map: the scan-line flood fill, the cached
// areas and which region a click falls into.
#include "scenario/map/FloodFill.h"
#include "scenario/map/RegionMap.h"
#include "scenario/map/TMapAreas.h"
#include "xml/TXmlDom.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <set>

namespace {

constexpr ValueEncodings::TRgb Black{0, 0, 0};
constexpr ValueEncodings::TRgb Paper{250, 240, 200};
constexpr ValueEncodings::TRgb Paint{10, 20, 30};

// A 20 by 10 map cut by a black wall at x = 8 and a black box around
// (14..18, 2..6) whose inside is a lake of its own.
TPixelBuffer TwoCountries() {
    TPixelBuffer map(20, 10, Paper);
    for (int32_t y = 0; y < 10; ++y)
        map.Set(8, y, Black);
    for (int32_t i = 14; i <= 18; ++i) {
        map.Set(i, 2, Black);
        map.Set(i, 6, Black);
    }
    for (int32_t j = 2; j <= 6; ++j) {
        map.Set(14, j, Black);
        map.Set(18, j, Black);
    }
    return map;
}

// Plain breadth-first fill, to compare the scan-line fill against.
std::set<std::pair<int32_t, int32_t>> Reference(const TPixelBuffer& map, int32_t x, int32_t y) {
    std::set<std::pair<int32_t, int32_t>> seen;
    if (!map.Contains(x, y) || map.IsBlack(x, y))
        return seen;
    std::deque<std::pair<int32_t, int32_t>> queue{{x, y}};
    seen.insert({x, y});
    while (!queue.empty()) {
        const auto [px, py] = queue.front();
        queue.pop_front();
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int32_t nx = px + dx, ny = py + dy;
            if (map.Contains(nx, ny) && !map.IsBlack(nx, ny) && seen.insert({nx, ny}).second)
                queue.emplace_back(nx, ny);
        }
    }
    return seen;
}

std::set<std::pair<int32_t, int32_t>> Pixels(const std::vector<FloodFill::TSpan>& spans) {
    std::set<std::pair<int32_t, int32_t>> pixels;
    for (const auto& span : spans)
        for (int32_t x = span.Left; x <= span.Right; ++x)
            EXPECT_TRUE(pixels.insert({x, span.Y}).second) << "pixel twice: " << x << "," << span.Y;
    return pixels;
}

} // namespace

TEST(FloodFill, PointOnBlackOrOutsideFillsNothing) {
    TPixelBuffer map = TwoCountries();
    const TPixelBuffer before = map;
    EXPECT_EQ(FloodFill::Fill(map, 8, 3, Paint), 0u);
    EXPECT_EQ(FloodFill::Fill(map, -1, 3, Paint), 0u);
    EXPECT_EQ(FloodFill::Fill(map, 20, 3, Paint), 0u);
    EXPECT_EQ(FloodFill::Fill(map, 3, 10, Paint), 0u);
    EXPECT_EQ(map.Rgb, before.Rgb);
}

TEST(FloodFill, EqualsAPlainFillOnRandomMaps) {
    std::mt19937 random(2008);
    for (int round = 0; round < 20; ++round) {
        TPixelBuffer map(37, 23, Paper);
        std::bernoulli_distribution wall(0.38);
        for (int32_t y = 0; y < map.Height; ++y)
            for (int32_t x = 0; x < map.Width; ++x)
                if (wall(random))
                    map.Set(x, y, Black);
        for (int seed = 0; seed < 5; ++seed) {
            const int32_t x = static_cast<int32_t>(random() % 37);
            const int32_t y = static_cast<int32_t>(random() % 23);
            SCOPED_TRACE("round " + std::to_string(round) + " at " + std::to_string(x) + "," +
                         std::to_string(y));
            const auto expected = Reference(map, x, y);
            EXPECT_EQ(Pixels(FloodFill::Area(map, x, y)), expected);
            // Fill paints exactly that area and counts it.
            TPixelBuffer painted = map;
            EXPECT_EQ(FloodFill::Fill(painted, x, y, Paint), expected.size());
            for (int32_t py = 0; py < map.Height; ++py)
                for (int32_t px = 0; px < map.Width; ++px)
                    ASSERT_TRUE(painted.At(px, py) ==
                                (expected.count({px, py}) ? Paint : map.At(px, py)));
        }
    }
}

TEST(MapAreas, NumbersEachAreaOnceAndKeepsIt) {
    TMapAreas areas(TwoCountries());
    const int32_t west = areas.AreaAt(0, 0);
    EXPECT_GE(west, 0);
    EXPECT_EQ(areas.AreaAt(7, 9), west);
    const int32_t east = areas.AreaAt(19, 0);
    EXPECT_NE(east, west);
    EXPECT_EQ(areas.AreaAt(12, 4), east);
    EXPECT_NE(areas.AreaAt(16, 4), east);
    EXPECT_EQ(areas.AreaAt(8, 0), -1);
    EXPECT_EQ(areas.AreaAt(-5, 0), -1);
    EXPECT_EQ(areas.AreaAt(0, 381), -1);
    EXPECT_EQ(areas.KnownAreas(), 3u);
    EXPECT_EQ(areas.AreaAt(1, 1), west);
    EXPECT_EQ(areas.KnownAreas(), 3u);
}

namespace {

// Regions with fill points given as "x,y;x,y".
class RegionMapTest : public testing::Test {
protected:
    TXmlDom Doc;
    TMapAreas Areas{TwoCountries()};

    std::vector<TXmlNode*> Parse(const std::string& text) {
        EXPECT_TRUE(Doc.Parse(text));
        std::vector<TXmlNode*> regions;
        for (int32_t i = 0; i < Doc.Root()->ChildCount(); ++i)
            regions.push_back(Doc.Root()->GetChildAt(i));
        return regions;
    }
    static std::string Region(const std::string& points) {
        std::string text = "<political_unit><map><fill_positions>";
        size_t start = 0;
        while (start < points.size()) {
            const size_t end = std::min(points.find(';', start), points.size());
            const std::string point = points.substr(start, end - start);
            const size_t comma = point.find(',');
            text += "<position><x>" + point.substr(0, comma) + "</x><y>" + point.substr(comma + 1) +
                    "</y></position>";
            start = end + 1;
        }
        return text + "</fill_positions></map></political_unit>";
    }
};

} // namespace

TEST_F(RegionMapTest, ClickSelectsTheFirstFillPointOfItsArea) {
    // The second region claims the west too; the first in order wins. The
    // third reaches the lake only through its second point (an island).
    const auto regions = Parse("<units>" + Region("-1,-1;30,2;2,2") + Region("5,5") +
                               Region("12,1;16,3") + "</units>");
    auto hit = RegionMap::HitTest(Areas, regions, 6, 8);
    EXPECT_EQ(hit.Region, regions[0]);
    EXPECT_EQ(hit.Point, RegionMap::FillPoints(regions[0])[2]);
    hit = RegionMap::HitTest(Areas, regions, 16, 5);
    EXPECT_EQ(hit.Region, regions[2]);
    EXPECT_EQ(hit.Point, RegionMap::FillPoints(regions[2])[1]);
    EXPECT_EQ(RegionMap::HitTest(Areas, regions, 8, 5).Region, nullptr);
}

TEST_F(RegionMapTest, RegionsWithoutAMapOrWithBadPointsHaveNoArea) {
    const auto regions = Parse("<units><political_unit/><political_unit><map/></political_unit>"
                               "<political_unit><map><fill_positions><position><x>2.5</x>"
                               "<y>1</y></position><position><y>1</y></position>"
                               "</fill_positions></map></political_unit>" +
                               Region("12,1") + "</units>");
    EXPECT_EQ(RegionMap::HitTest(Areas, regions, 1, 1).Region, nullptr);
    EXPECT_EQ(RegionMap::HitTest(Areas, regions, 19, 9).Region, regions[3]);
    const TPixelBuffer drawn = RegionMap::Draw(Areas, regions, nullptr, nullptr);
    EXPECT_TRUE(drawn.At(1, 1) == Paper);
    EXPECT_TRUE(drawn.At(19, 9) == RegionMap::RegionColour);
}

TEST_F(RegionMapTest, DrawPaintsRegionsHighlightAndPendingArea) {
    const auto regions = Parse("<units>" + Region("2,2") + Region("12,1;16,4") + "</units>");
    TXmlDom pendingDoc;
    ASSERT_TRUE(pendingDoc.Parse(Region("3,3")));
    const TXmlNode* lake = RegionMap::FillPoints(regions[1])[1];
    const TPixelBuffer drawn = RegionMap::Draw(Areas, regions, lake, nullptr);
    EXPECT_TRUE(drawn.At(0, 9) == RegionMap::RegionColour);
    EXPECT_TRUE(drawn.At(10, 0) == RegionMap::RegionColour);
    EXPECT_TRUE(drawn.At(16, 3) == RegionMap::HighlightColour);
    EXPECT_TRUE(drawn.At(8, 0) == Black);
    // The pending region is drawn over whatever claimed its area.
    const TPixelBuffer withPending = RegionMap::Draw(Areas, regions, lake, pendingDoc.Root());
    EXPECT_TRUE(withPending.At(0, 9) == RegionMap::PendingColour);
    EXPECT_TRUE(withPending.At(16, 3) == RegionMap::HighlightColour);
    // The base map is never painted on.
    EXPECT_TRUE(Areas.Base().At(0, 9) == Paper);
}
