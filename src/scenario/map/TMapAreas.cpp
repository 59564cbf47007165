#include "scenario/map/TMapAreas.h"

#include <utility>

TMapAreas::TMapAreas(TPixelBuffer base)
    : Base_(std::move(base)), Labels_(static_cast<size_t>(Base_.Width) * Base_.Height, Unknown),
      Visited_(Labels_.size(), 0) {}

int32_t TMapAreas::AreaAt(int32_t x, int32_t y) {
    if (!Base_.Contains(x, y))
        return -1;
    int32_t& label = Labels_[static_cast<size_t>(y) * Base_.Width + x];
    if (label != Unknown)
        return label;
    if (Base_.IsBlack(x, y))
        return label = -1;
    std::vector<FloodFill::TSpan> spans = FloodFill::Area(Base_, x, y, Visited_);
    const auto area = static_cast<int32_t>(Areas_.size());
    for (const FloodFill::TSpan& span : spans)
        for (int32_t px = span.Left; px <= span.Right; ++px)
            Labels_[static_cast<size_t>(span.Y) * Base_.Width + px] = area;
    Areas_.push_back(std::move(spans));
    return area;
}

void TMapAreas::Paint(TPixelBuffer& target, int32_t area, ValueEncodings::TRgb colour) const {
    if (area >= 0 && area < static_cast<int32_t>(Areas_.size()))
        FloodFill::Paint(target, Areas_[area], colour);
}
