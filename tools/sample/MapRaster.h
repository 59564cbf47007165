#pragma once

#include "sample/SampleWorld.h"

#include <string>
#include <vector>

namespace Sample {

// Which region every map pixel belongs to. Mainland pixels go to the
// region whose first fill point is nearest (measured through a gentle warp,
// so borders wander like real ones); island pixels to their island's
// region. A pixel whose right or lower neighbour belongs elsewhere is a
// border pixel, so every area is closed by a 4-connected black line.
class TMapRaster {
public:
    static constexpr int Sea = -1;
    static constexpr int Border = -2;

    explicit TMapRaster(const TWorld& world);

    int Width() const { return MapWidth; }
    int Height() const { return MapHeight; }
    // Region index, Sea or Border.
    int At(int x, int y) const { return Labels_[static_cast<size_t>(y * MapWidth + x)]; }

    // What is wrong with the map for the region editor, which flood-fills
    // each region from its fill points up to black: empty when every fill
    // point lies inside its own region and the fills of a region reach all
    // of its pixels and nothing else.
    std::vector<std::string> Problems(const TWorld& world) const;

private:
    std::vector<int> Labels_;
};

} // namespace Sample
