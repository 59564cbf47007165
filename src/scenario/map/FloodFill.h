#pragma once

#include "scenario/map/TPixelBuffer.h"

#include <cstdint>
#include <vector>

// Flood fill up to black borders, the way region areas are found on the
// scenario map: the area of a point is every pixel reachable from it through
// horizontal and vertical neighbours that are not black. Scan-line, not
// recursive, so a map of any size cannot overflow the stack.
namespace FloodFill {

// One row's run of an area, Left to Right inclusive.
struct TSpan {
    int32_t Y = 0;
    int32_t Left = 0;
    int32_t Right = 0;
};

// The area of (x, y) as spans; empty when the point lies outside the
// picture or on a black pixel. Pixels already marked in visited (one byte
// per pixel, Width * Height) are treated as border, and every pixel of the
// area is marked there, so disjoint areas can be collected one by one.
std::vector<TSpan> Area(const TPixelBuffer& picture, int32_t x, int32_t y,
                        std::vector<uint8_t>& visited);
std::vector<TSpan> Area(const TPixelBuffer& picture, int32_t x, int32_t y);

void Paint(TPixelBuffer& picture, const std::vector<TSpan>& spans, ValueEncodings::TRgb colour);

// Paints the area of (x, y) in colour; returns the number of pixels painted.
size_t Fill(TPixelBuffer& picture, int32_t x, int32_t y, ValueEncodings::TRgb colour);

} // namespace FloodFill
