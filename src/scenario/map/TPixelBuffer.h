#pragma once

#include "scenario/ValueEncodings.h"

#include <cstdint>
#include <vector>

// A picture as plain pixels: 24-bit RGB, rows top to bottom without
// padding. The map view converts it to and from the toolkit's image.
struct TPixelBuffer {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Rgb; // Width * Height * 3 bytes

    TPixelBuffer() = default;
    TPixelBuffer(int32_t width, int32_t height, ValueEncodings::TRgb fill = {255, 255, 255})
        : Width(width), Height(height), Rgb(static_cast<size_t>(width) * height * 3) {
        for (size_t i = 0; i < Rgb.size(); i += 3) {
            Rgb[i] = fill.Red;
            Rgb[i + 1] = fill.Green;
            Rgb[i + 2] = fill.Blue;
        }
    }

    bool Contains(int32_t x, int32_t y) const {
        return x >= 0 && y >= 0 && x < Width && y < Height;
    }
    size_t Offset(int32_t x, int32_t y) const { return (static_cast<size_t>(y) * Width + x) * 3; }
    ValueEncodings::TRgb At(int32_t x, int32_t y) const {
        const size_t i = Offset(x, y);
        return {Rgb[i], Rgb[i + 1], Rgb[i + 2]};
    }
    void Set(int32_t x, int32_t y, ValueEncodings::TRgb colour) {
        const size_t i = Offset(x, y);
        Rgb[i] = colour.Red;
        Rgb[i + 1] = colour.Green;
        Rgb[i + 2] = colour.Blue;
    }
    bool IsBlack(int32_t x, int32_t y) const {
        const size_t i = Offset(x, y);
        return Rgb[i] == 0 && Rgb[i + 1] == 0 && Rgb[i + 2] == 0;
    }
};
