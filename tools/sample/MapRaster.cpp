#include "sample/MapRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace Sample {

namespace {

bool InsidePolygon(const std::vector<TPoint>& polygon, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const double xi = polygon[i].X, yi = polygon[i].Y;
        const double xj = polygon[j].X, yj = polygon[j].Y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

bool InsideEllipse(const TIsland& island, double x, double y) {
    const double dx = (x - island.Centre.X) / island.RadiusX;
    const double dy = (y - island.Centre.Y) / island.RadiusY;
    return dx * dx + dy * dy <= 1.0;
}

int RegionIndex(const TWorld& world, const std::string& key) {
    for (size_t i = 0; i < world.Regions.size(); ++i)
        if (world.Regions[i].Key == key)
            return static_cast<int>(i);
    return TMapRaster::Sea;
}

// Calls visit(label, pixels) for every 4-connected piece of equally
// labelled region pixels.
template <typename Visit> void ForEachPiece(const std::vector<int>& labels, Visit visit) {
    std::vector<char> seen(labels.size(), 0);
    for (size_t start = 0; start < labels.size(); ++start) {
        if (labels[start] < 0 || seen[start])
            continue;
        const int label = labels[start];
        std::vector<size_t> members, stack{start};
        seen[start] = 1;
        while (!stack.empty()) {
            const size_t i = stack.back();
            stack.pop_back();
            members.push_back(i);
            const int x = static_cast<int>(i % MapWidth), y = static_cast<int>(i / MapWidth);
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= MapWidth || ny >= MapHeight)
                    continue;
                const size_t n = static_cast<size_t>(ny * MapWidth + nx);
                if (labels[n] == label && !seen[n]) {
                    seen[n] = 1;
                    stack.push_back(n);
                }
            }
        }
        visit(label, members);
    }
}

bool HoldsFillPoint(const TWorld& world, int label, const std::vector<size_t>& members) {
    for (const TPoint& p : world.Regions[static_cast<size_t>(label)].FillPoints) {
        const size_t i = static_cast<size_t>(p.Y * MapWidth + p.X);
        if (p.X >= 0 && p.Y >= 0 && p.X < MapWidth && p.Y < MapHeight &&
            std::find(members.begin(), members.end(), i) != members.end())
            return true;
    }
    return false;
}

// The warp can cut a sliver off a mainland region where it meets the
// coast; such a piece holds none of the region's fill points and would be an unassigned
// area in the region editor. It goes to the neighbour it shares most
// border with.
void MergeStrayPieces(const TWorld& world, std::vector<int>& labels) {
    std::vector<std::pair<int, std::vector<size_t>>> stray;
    ForEachPiece(labels, [&](int label, const std::vector<size_t>& members) {
        // Islands are drawn as given: one without a fill point is a mistake
        // in the world, for the check to report.
        bool island = false;
        for (const TIsland& isle : world.Map.Islands)
            island = island || isle.Region == world.Regions[static_cast<size_t>(label)].Key;
        if (!island && !HoldsFillPoint(world, label, members))
            stray.emplace_back(label, members);
    });
    for (const auto& [label, members] : stray) {
        std::map<int, int> neighbours;
        for (size_t i : members) {
            const int x = static_cast<int>(i % MapWidth), y = static_cast<int>(i / MapWidth);
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < MapWidth && ny < MapHeight &&
                    labels[static_cast<size_t>(ny * MapWidth + nx)] != label)
                    ++neighbours[labels[static_cast<size_t>(ny * MapWidth + nx)]];
            }
        }
        int best = TMapRaster::Sea, most = -1;
        for (auto [neighbour, count] : neighbours)
            if (count > most) {
                best = neighbour;
                most = count;
            }
        for (size_t i : members)
            labels[i] = best;
    }
}

// Drawing the borders can pinch off a few pixels of a region; they become
// part of the border.
void BlackenPinchedPieces(const TWorld& world, std::vector<int>& labels) {
    std::vector<std::vector<size_t>> pinched;
    ForEachPiece(labels, [&](int label, const std::vector<size_t>& members) {
        if (members.size() < 40 && !HoldsFillPoint(world, label, members))
            pinched.push_back(members);
    });
    for (const auto& members : pinched)
        for (size_t i : members)
            labels[i] = TMapRaster::Border;
}

} // namespace

TMapRaster::TMapRaster(const TWorld& world) : Labels_(MapWidth * MapHeight, Sea) {
    std::vector<int> mainland;
    for (size_t i = 0; i < world.Regions.size(); ++i) {
        bool island = false;
        for (const TIsland& isle : world.Map.Islands)
            island = island || isle.Region == world.Regions[i].Key;
        if (!island)
            mainland.push_back(static_cast<int>(i));
    }

    std::vector<int> raw(Labels_.size(), Sea);
    for (int y = 0; y < MapHeight; ++y) {
        for (int x = 0; x < MapWidth; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            int label = Sea;
            for (const TIsland& isle : world.Map.Islands)
                if (InsideEllipse(isle, cx, cy))
                    label = RegionIndex(world, isle.Region);
            if (label == Sea && !mainland.empty() && InsidePolygon(world.Map.Mainland, cx, cy)) {
                const double wx = cx + 5.0 * std::sin(cy / 13.0) + 3.0 * std::sin(cx / 7.0 + 1.0);
                const double wy = cy + 5.0 * std::sin(cx / 11.0) + 3.0 * std::cos(cy / 9.0);
                double best = std::numeric_limits<double>::max();
                for (int index : mainland) {
                    const TPoint seed = world.Regions[static_cast<size_t>(index)].FillPoints.at(0);
                    const double d = (wx - seed.X) * (wx - seed.X) + (wy - seed.Y) * (wy - seed.Y);
                    if (d < best) {
                        best = d;
                        label = index;
                    }
                }
            }
            raw[static_cast<size_t>(y * MapWidth + x)] = label;
        }
    }
    MergeStrayPieces(world, raw);
    for (int y = 0; y < MapHeight; ++y) {
        for (int x = 0; x < MapWidth; ++x) {
            const int here = raw[static_cast<size_t>(y * MapWidth + x)];
            const bool right =
                x + 1 < MapWidth && raw[static_cast<size_t>(y * MapWidth + x + 1)] != here;
            const bool below =
                y + 1 < MapHeight && raw[static_cast<size_t>((y + 1) * MapWidth + x)] != here;
            Labels_[static_cast<size_t>(y * MapWidth + x)] = right || below ? Border : here;
        }
    }
    BlackenPinchedPieces(world, Labels_);
}

std::vector<std::string> TMapRaster::Problems(const TWorld& world) const {
    std::vector<std::string> problems;
    std::vector<char> reached(Labels_.size(), 0);
    for (size_t r = 0; r < world.Regions.size(); ++r) {
        const TRegion& region = world.Regions[r];
        for (const TPoint& p : region.FillPoints) {
            if (p.X < 0 || p.Y < 0 || p.X >= MapWidth || p.Y >= MapHeight) {
                problems.push_back(region.Name + ": fill point outside the map");
                continue;
            }
            if (At(p.X, p.Y) != static_cast<int>(r)) {
                problems.push_back(region.Name + ": fill point " + std::to_string(p.X) + "," +
                                   std::to_string(p.Y) + " is not inside the region");
                continue;
            }
            // 4-connected fill up to border pixels, as the region editor does.
            std::vector<std::pair<int, int>> stack{{p.X, p.Y}};
            while (!stack.empty()) {
                auto [x, y] = stack.back();
                stack.pop_back();
                if (x < 0 || y < 0 || x >= MapWidth || y >= MapHeight)
                    continue;
                const size_t i = static_cast<size_t>(y * MapWidth + x);
                if (reached[i] || Labels_[i] == Border)
                    continue;
                reached[i] = 1;
                if (Labels_[i] != static_cast<int>(r)) {
                    problems.push_back(region.Name + ": its area is not closed by black");
                    return problems;
                }
                stack.push_back({x + 1, y});
                stack.push_back({x - 1, y});
                stack.push_back({x, y + 1});
                stack.push_back({x, y - 1});
            }
        }
    }
    for (size_t i = 0; i < Labels_.size(); ++i) {
        if (Labels_[i] >= 0 && !reached[i]) {
            problems.push_back(world.Regions[static_cast<size_t>(Labels_[i])].Name +
                               ": part of it is reached from no fill point (pixel " +
                               std::to_string(i % MapWidth) + "," + std::to_string(i / MapWidth) +
                               ")");
            break;
        }
    }
    for (const TRegion& region : world.Regions) {
        const TPoint a = region.AbbreviationPosition;
        if (a.X < 0 || a.Y < 0 || a.X + 20 >= MapWidth || a.Y + 12 >= MapHeight)
            problems.push_back(region.Name + ": abbreviation position too near the map edge");
    }
    return problems;
}

} // namespace Sample
