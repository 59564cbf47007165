#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The shared text forms of scenario values.
namespace ValueEncodings {

// Political positions 1 (Far-Left) to 7 (Far-Right).
std::string PositionName(int number);       // "Unknown" outside 1..7
int PositionValue(const std::string& text); // -1 when it names no position
std::string PositionLowerName(int number);  // "far-left" ... ; empty outside 1..7
bool IsPositionText(const std::string& text);

struct TRgb {
    uint8_t Red = 0, Green = 0, Blue = 0;
    bool operator==(const TRgb&) const = default;
};
enum class TColourVariant { Light = 0, Main = 1 };
// The colour of a party colour name (any case); empty for unknown names.
std::optional<TRgb> ColourOf(const std::string& name, TColourVariant variant);
// The colour names in table order.
const std::array<const char*, 16>& ColourNames();

std::string DayName(const std::string& text);   // "Monday" ... "Sunday"
std::string DayAbbrev(const std::string& text); // "Mon" ... "Sun"

// A fresh element identifier: the local day count since 30 December 1899
// with its fraction, digits and "_" only. Never the same twice in one run.
std::string NewId();
// The text form of a given day count (exposed for tests).
std::string IdFromDayCount(double dayCount);

bool IsIntegerKey(int code);
bool IsDecimalKey(int code);

} // namespace ValueEncodings
