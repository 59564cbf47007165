#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Locale-independent number conversions of element text.
namespace NumberText {
// Optional leading blanks, an optional sign, then decimal digits, or hex
// digits after "$" or "0x"; nothing may follow; must fit 32 bits.
std::optional<int32_t> ParseInteger(const std::string& text);
// The first "." (or, without one, the first ",") is the decimal separator;
// blanks around, a sign and an exponent are allowed.
std::optional<double> ParseDecimal(const std::string& text);
// Shortest text that reads back as the same value, "." as separator.
std::string FormatDecimal(double value);
} // namespace NumberText
