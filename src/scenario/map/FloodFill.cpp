#include "scenario/map/FloodFill.h"

#include <utility>

namespace FloodFill {

std::vector<TSpan> Area(const TPixelBuffer& picture, int32_t x, int32_t y,
                        std::vector<uint8_t>& visited) {
    std::vector<TSpan> spans;
    const int32_t width = picture.Width;
    visited.resize(static_cast<size_t>(width) * picture.Height, 0);
    auto open = [&](int32_t px, int32_t py) {
        return !visited[static_cast<size_t>(py) * width + px] && !picture.IsBlack(px, py);
    };
    if (!picture.Contains(x, y) || !open(x, y))
        return spans;

    std::vector<std::pair<int32_t, int32_t>> seeds{{x, y}};
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (!open(sx, sy))
            continue;
        int32_t left = sx;
        while (left > 0 && open(left - 1, sy))
            --left;
        int32_t right = sx;
        while (right + 1 < width && open(right + 1, sy))
            ++right;
        for (int32_t px = left; px <= right; ++px)
            visited[static_cast<size_t>(sy) * width + px] = 1;
        spans.push_back({sy, left, right});
        // One seed per run of open pixels in the rows above and below.
        for (const int32_t ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= picture.Height)
                continue;
            bool inRun = false;
            for (int32_t px = left; px <= right; ++px) {
                const bool o = open(px, ny);
                if (o && !inRun)
                    seeds.emplace_back(px, ny);
                inRun = o;
            }
        }
    }
    return spans;
}

std::vector<TSpan> Area(const TPixelBuffer& picture, int32_t x, int32_t y) {
    std::vector<uint8_t> visited;
    return Area(picture, x, y, visited);
}

void Paint(TPixelBuffer& picture, const std::vector<TSpan>& spans, ValueEncodings::TRgb colour) {
    for (const TSpan& span : spans)
        for (int32_t px = span.Left; px <= span.Right; ++px)
            picture.Set(px, span.Y, colour);
}

size_t Fill(TPixelBuffer& picture, int32_t x, int32_t y, ValueEncodings::TRgb colour) {
    const std::vector<TSpan> spans = Area(picture, x, y);
    size_t count = 0;
    for (const TSpan& span : spans)
        count += static_cast<size_t>(span.Right - span.Left + 1);
    Paint(picture, spans, colour);
    return count;
}

} // namespace FloodFill
