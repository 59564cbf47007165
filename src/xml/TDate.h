#pragma once

#include <compare>
#include <optional>
#include <string>

// A calendar date as the scenario files write it: mm/dd/yyyy.
struct TDate {
    int Year = 1899;
    int Month = 12;
    int Day = 30;

    // Accepts m/d/y with one or two digit month and day and a year of up to
    // four digits (two digit years are read as 19xx/20xx, pivot 50),
    // surrounding blanks allowed. Empty when it is not a valid date.
    static std::optional<TDate> Parse(const std::string& text);
    // Days since 30 December 1899, the game's day count.
    int DayNumber() const;
    static TDate FromDayNumber(int days);
    // Today, in local time.
    static TDate Today();
    static bool IsValid(int year, int month, int day);
    static int DaysInMonth(int year, int month);
    // 0 = Monday ... 6 = Sunday
    int Weekday() const;
    std::string ToString() const;

    auto operator<=>(const TDate&) const = default;
};
