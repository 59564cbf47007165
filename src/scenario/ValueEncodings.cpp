#include "scenario/ValueEncodings.h"

#include "xml/TDate.h"
#include "xml/TextCase.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace ValueEncodings {

namespace {

const std::array<const char*, 7> PositionDisplay = {
    "Far-Left", "Left", "Center-Left", "Center", "Center-Right", "Right", "Far-Right"};

struct TNamedColour {
    const char* Name;
    TRgb Main;
};

const std::array<TNamedColour, 16> Colours = {{
    {"red", {0xFF, 0x00, 0x00}},
    {"blue", {0x20, 0x20, 0xFF}},
    {"light-blue", {0x35, 0x9A, 0xFF}},
    {"dark-blue", {0x00, 0x00, 0xCC}},
    {"green", {0x00, 0xFF, 0x00}},
    {"light-green", {0x84, 0xFF, 0x84}},
    {"dark-green", {0x00, 0xB3, 0x00}},
    {"yellow", {0xFC, 0xCA, 0x03}},
    {"light-yellow", {0xFF, 0xFF, 0xA8}},
    {"purple", {0x80, 0x00, 0x80}},
    {"orange", {0xFF, 0x80, 0x00}},
    {"brown", {0xA4, 0x52, 0x00}},
    {"gray", {0xB4, 0xB4, 0xB4}},
    {"aqua", {0x00, 0x80, 0x79}},
    {"pink", {0xE6, 0x00, 0xE6}},
    {"green-alternate", {0x80, 0xFF, 0x00}},
}};

uint8_t Lighten(uint8_t c) {
    const double v = std::clamp(c + c * 75.0 / 255.0, 0.0, 255.0);
    return static_cast<uint8_t>(v);
}

} // namespace

std::string PositionName(int number) {
    if (number < 1 || number > 7)
        return "Unknown";
    return PositionDisplay[static_cast<size_t>(number - 1)];
}

int PositionValue(const std::string& text) {
    const std::string upper = TextCase::Upper(text);
    for (int i = 1; i <= 7; ++i)
        if (TextCase::Upper(PositionDisplay[static_cast<size_t>(i - 1)]) == upper)
            return i;
    return -1;
}

std::string PositionLowerName(int number) {
    if (number < 1 || number > 7)
        return {};
    return TextCase::Lower(PositionDisplay[static_cast<size_t>(number - 1)]);
}

bool IsPositionText(const std::string& text) {
    return PositionValue(text) != -1;
}

std::optional<TRgb> ColourOf(const std::string& name, TColourVariant variant) {
    const std::string lower = TextCase::Lower(name);
    for (const auto& c : Colours)
        if (lower == c.Name) {
            if (variant == TColourVariant::Main)
                return c.Main;
            return TRgb{Lighten(c.Main.Red), Lighten(c.Main.Green), Lighten(c.Main.Blue)};
        }
    return std::nullopt;
}

const std::array<const char*, 16>& ColourNames() {
    static const std::array<const char*, 16> names = [] {
        std::array<const char*, 16> n{};
        for (size_t i = 0; i < Colours.size(); ++i)
            n[i] = Colours[i].Name;
        return n;
    }();
    return names;
}

std::string DayName(const std::string& text) {
    static const std::array<std::pair<const char*, const char*>, 6> days = {
        {{"tuesday", "Tuesday"},
         {"wednesday", "Wednesday"},
         {"thursday", "Thursday"},
         {"friday", "Friday"},
         {"saturday", "Saturday"},
         {"sunday", "Sunday"}}};
    const std::string lower = TextCase::Lower(text);
    if (!lower.empty())
        for (const auto& [full, display] : days)
            if (std::string(full).find(lower) != std::string::npos)
                return display;
    return "Monday";
}

std::string DayAbbrev(const std::string& text) {
    static const std::array<std::pair<const char*, const char*>, 6> days = {{{"tue", "Tue"},
                                                                             {"wed", "Wed"},
                                                                             {"thu", "Thu"},
                                                                             {"fri", "Fri"},
                                                                             {"sat", "Sat"},
                                                                             {"sun", "Sun"}}};
    const std::string lower = TextCase::Lower(text);
    for (const auto& [key, display] : days)
        if (lower.find(key) != std::string::npos)
            return display;
    return "Mon";
}

std::string IdFromDayCount(double dayCount) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", dayCount);
    std::string id = TextCase::Lower(buf);
    for (char& c : id)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return id;
}

namespace {

double LocalDayCount() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const int millis =
        static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    const TDate date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    const double seconds =
        local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + millis / 1000.0;
    return date.DayNumber() + seconds / 86400.0;
}

} // namespace

std::string NewId() {
    static double last = 0;
    static std::string lastId;
    double count = LocalDayCount();
    if (count <= last)
        count = last;
    std::string id = IdFromDayCount(count);
    // Same clock tick: step to the next value the 15 digits can tell apart.
    double step = std::pow(10.0, std::floor(std::log10(std::max(count, 1.0))) - 14);
    while (id == lastId || count <= last) {
        count += step;
        id = IdFromDayCount(count);
    }
    last = count;
    lastId = id;
    return id;
}

bool IsIntegerKey(int code) {
    return (code >= '0' && code <= '9') || code == '-' || code == 8;
}

bool IsDecimalKey(int code) {
    return IsIntegerKey(code) || code == '.';
}

} // namespace ValueEncodings
