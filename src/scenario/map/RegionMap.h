#pragma once

#include "scenario/map/TMapAreas.h"

#include <cstdint>
#include <optional>
#include <vector>

class TXmlNode;

// The regions of political_units.xml on the scenario map: which region a
// click falls into, and the map with the regions painted. A region whose
// map entry is missing or unreadable simply has no area.
namespace RegionMap {

constexpr int32_t Width = 501;
constexpr int32_t Height = 381;
constexpr ValueEncodings::TRgb RegionColour{0, 128, 0};
constexpr ValueEncodings::TRgb HighlightColour{0, 255, 0};
constexpr ValueEncodings::TRgb PendingColour{255, 0, 0};

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TPoint&) const = default;
};

// The fill points of a region (the children of map > fill_positions); empty
// when any of these is missing.
std::vector<TXmlNode*> FillPoints(const TXmlNode* region);
// The x and y of a fill point or position; empty when either is missing,
// not a whole number, or -1.
std::optional<TPoint> PointOf(const TXmlNode* point);
// map > abbreviation_position; null when missing.
TXmlNode* AbbreviationPosition(const TXmlNode* region);

struct THit {
    TXmlNode* Region = nullptr;
    TXmlNode* Point = nullptr;
};
// The first fill point, regions and their points in order, whose area holds
// (x, y); none when the click is on a border or on land of no region.
THit HitTest(TMapAreas& areas, const std::vector<TXmlNode*>& regions, int32_t x, int32_t y);

// Paints every area of region's fill points in colour.
void PaintRegion(TMapAreas& areas, TPixelBuffer& picture, const TXmlNode* region,
                 ValueEncodings::TRgb colour);

// The base map with every region's areas green, the highlighted fill
// point's area lime and the pending region's area red.
TPixelBuffer Draw(TMapAreas& areas, const std::vector<TXmlNode*>& regions,
                  const TXmlNode* highlighted, const TXmlNode* pending);

} // namespace RegionMap
