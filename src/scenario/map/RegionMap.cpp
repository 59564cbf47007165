#include "scenario/map/RegionMap.h"

#include "xml/NumberText.h"
#include "xml/TXmlNode.h"

namespace RegionMap {

namespace {

std::optional<int32_t> Coordinate(const TXmlNode* point, const char* name) {
    const TXmlNode* value = point->GetChild(name);
    if (!value)
        return std::nullopt;
    const std::optional<int32_t> number = NumberText::ParseInteger(value->GetText());
    if (!number || *number == -1)
        return std::nullopt;
    return number;
}

int32_t AreaOf(TMapAreas& areas, const TXmlNode* point) {
    const std::optional<TPoint> at = PointOf(point);
    return at ? areas.AreaAt(at->X, at->Y) : -1;
}

} // namespace

std::vector<TXmlNode*> FillPoints(const TXmlNode* region) {
    std::vector<TXmlNode*> points;
    const TXmlNode* map = region ? region->GetChild("map") : nullptr;
    const TXmlNode* positions = map ? map->GetChild("fill_positions") : nullptr;
    for (int32_t i = 0; positions && i < positions->ChildCount(); ++i)
        points.push_back(positions->GetChildAt(i));
    return points;
}

std::optional<TPoint> PointOf(const TXmlNode* point) {
    if (!point)
        return std::nullopt;
    const auto x = Coordinate(point, "x");
    const auto y = Coordinate(point, "y");
    if (!x || !y)
        return std::nullopt;
    return TPoint{*x, *y};
}

TXmlNode* AbbreviationPosition(const TXmlNode* region) {
    const TXmlNode* map = region ? region->GetChild("map") : nullptr;
    return map ? map->GetChild("abbreviation_position") : nullptr;
}

THit HitTest(TMapAreas& areas, const std::vector<TXmlNode*>& regions, int32_t x, int32_t y) {
    const int32_t clicked = areas.AreaAt(x, y);
    if (clicked < 0)
        return {};
    for (TXmlNode* region : regions)
        for (TXmlNode* point : FillPoints(region))
            if (AreaOf(areas, point) == clicked)
                return {region, point};
    return {};
}

void PaintRegion(TMapAreas& areas, TPixelBuffer& picture, const TXmlNode* region,
                 ValueEncodings::TRgb colour) {
    for (const TXmlNode* point : FillPoints(region))
        areas.Paint(picture, AreaOf(areas, point), colour);
}

TPixelBuffer Draw(TMapAreas& areas, const std::vector<TXmlNode*>& regions,
                  const TXmlNode* highlighted, const TXmlNode* pending) {
    TPixelBuffer picture = areas.Base();
    // The highlight and the pending area go on top, whatever the order.
    for (const TXmlNode* region : regions)
        for (const TXmlNode* point : FillPoints(region))
            if (point != highlighted)
                areas.Paint(picture, AreaOf(areas, point), RegionColour);
    areas.Paint(picture, AreaOf(areas, highlighted), HighlightColour);
    PaintRegion(areas, picture, pending, PendingColour);
    return picture;
}

} // namespace RegionMap
