// Redrawing the scenario map and hit-testing a click, on a made-up map of
// 51 regions (the size of a large national scenario), with and without the
// areas already found.
#include "scenario/map/FloodFill.h"
#include "scenario/map/RegionMap.h"
#include "scenario/map/TMapAreas.h"
#include "xml/TXmlDom.h"
#include "xml/TXmlNode.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int RegionCount = 51;

struct TSeed {
    int X, Y;
};

std::vector<TSeed> Seeds() {
    std::mt19937 random(51);
    std::vector<TSeed> seeds;
    for (int i = 0; i < RegionCount; ++i)
        seeds.push_back({8 + static_cast<int>(random() % (RegionMap::Width - 16)),
                         8 + static_cast<int>(random() % (RegionMap::Height - 16))});
    return seeds;
}

// Cells around the seeds with black borders two pixels wide, like a map
// drawn by hand.
TPixelBuffer CellMap(const std::vector<TSeed>& seeds) {
    TPixelBuffer map(RegionMap::Width, RegionMap::Height, {230, 220, 190});
    for (int y = 0; y < map.Height; ++y)
        for (int x = 0; x < map.Width; ++x) {
            double nearest = 1e9, second = 1e9;
            for (const TSeed& s : seeds) {
                const double d = std::hypot(x - s.X, y - s.Y);
                if (d < nearest) {
                    second = nearest;
                    nearest = d;
                } else if (d < second) {
                    second = d;
                }
            }
            if (second - nearest < 1.5)
                map.Set(x, y, {0, 0, 0});
        }
    return map;
}

// Every region filled from its seed; every third one from a second point of
// its cell as well, as regions with islands are.
std::string Units(const std::vector<TSeed>& seeds) {
    std::string text = "<political_units>";
    for (size_t i = 0; i < seeds.size(); ++i) {
        auto point = [](int x, int y) {
            return "<position><x>" + std::to_string(x) + "</x><y>" + std::to_string(y) +
                   "</y></position>";
        };
        text += "<political_unit><map><fill_positions>" + point(seeds[i].X, seeds[i].Y);
        if (i % 3 == 0)
            text += point(seeds[i].X + 1, seeds[i].Y);
        text += "</fill_positions></map></political_unit>";
    }
    return text + "</political_units>";
}

struct TFixture {
    std::vector<TSeed> SeedList = Seeds();
    TPixelBuffer Map = CellMap(SeedList);
    TXmlDom Doc;
    std::vector<TXmlNode*> Regions;
    TFixture() {
        Doc.Parse(Units(SeedList));
        for (int32_t i = 0; i < Doc.Root()->ChildCount(); ++i)
            Regions.push_back(Doc.Root()->GetChildAt(i));
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

// The first redraw after loading a map: every area is flooded.
void RedrawFirst(benchmark::State& state) {
    TFixture& f = Fixture();
    const TXmlNode* highlighted = RegionMap::FillPoints(f.Regions[7])[0];
    for (auto _ : state) {
        TMapAreas areas(f.Map);
        benchmark::DoNotOptimize(RegionMap::Draw(areas, f.Regions, highlighted, nullptr));
    }
}
BENCHMARK(RedrawFirst)->Unit(benchmark::kMillisecond);

// Every later redraw: the areas are known.
void Redraw(benchmark::State& state) {
    TFixture& f = Fixture();
    TMapAreas areas(f.Map);
    const TXmlNode* highlighted = RegionMap::FillPoints(f.Regions[7])[0];
    RegionMap::Draw(areas, f.Regions, highlighted, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(RegionMap::Draw(areas, f.Regions, highlighted, nullptr));
}
BENCHMARK(Redraw)->Unit(benchmark::kMillisecond);

// Flooding every region from its points into a copy of the map, without
// any cache: what each redraw would cost without the known areas.
void FloodEveryRegion(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        TPixelBuffer picture = f.Map;
        for (const TXmlNode* region : f.Regions)
            for (const TXmlNode* point : RegionMap::FillPoints(region)) {
                const auto at = RegionMap::PointOf(point);
                FloodFill::Fill(picture, at->X, at->Y, {0, 128, 0});
            }
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(FloodEveryRegion)->Unit(benchmark::kMillisecond);

// A click on the last region, the worst case of the search in order.
void HitTest(benchmark::State& state) {
    TFixture& f = Fixture();
    TMapAreas areas(f.Map);
    RegionMap::Draw(areas, f.Regions, nullptr, nullptr);
    const TSeed last = f.SeedList.back();
    for (auto _ : state)
        benchmark::DoNotOptimize(RegionMap::HitTest(areas, f.Regions, last.X, last.Y));
}
BENCHMARK(HitTest)->Unit(benchmark::kMicrosecond);

// The same click right after a map was loaded: every area is flooded.
void HitTestFirst(benchmark::State& state) {
    TFixture& f = Fixture();
    const TSeed last = f.SeedList.back();
    for (auto _ : state) {
        TMapAreas areas(f.Map);
        benchmark::DoNotOptimize(RegionMap::HitTest(areas, f.Regions, last.X, last.Y));
    }
}
BENCHMARK(HitTestFirst)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
