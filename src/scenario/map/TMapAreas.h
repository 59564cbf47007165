#pragma once

#include "scenario/map/FloodFill.h"
#include "scenario/map/TPixelBuffer.h"

#include <cstdint>
#include <vector>

// The areas of a base map, found by flood fill the first time a pixel of
// them is asked for and kept: redrawing and hit-testing then cost a lookup
// per fill point instead of a flood fill. The base map never changes; load
// a new map into a new object.
class TMapAreas {
public:
    TMapAreas() = default;
    explicit TMapAreas(TPixelBuffer base);

    const TPixelBuffer& Base() const { return Base_; }
    int32_t Width() const { return Base_.Width; }
    int32_t Height() const { return Base_.Height; }

    // The area holding (x, y); -1 outside the map or on a black pixel.
    int32_t AreaAt(int32_t x, int32_t y);
    const std::vector<FloodFill::TSpan>& Spans(int32_t area) const { return Areas_[area]; }
    size_t KnownAreas() const { return Areas_.size(); }
    void Paint(TPixelBuffer& target, int32_t area, ValueEncodings::TRgb colour) const;

private:
    static constexpr int32_t Unknown = -2;
    TPixelBuffer Base_;
    std::vector<int32_t> Labels_;  // per pixel: area, -1 border, Unknown
    std::vector<uint8_t> Visited_; // shared by the fills: areas never overlap
    std::vector<std::vector<FloodFill::TSpan>> Areas_;
};
