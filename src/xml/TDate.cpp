#include "xml/TDate.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace {

bool ParseNumber(const std::string& s, int maxDigits, int& out) {
    size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    if (b == e || e - b > static_cast<size_t>(maxDigits))
        return false;
    for (size_t i = b; i < e; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    auto r = std::from_chars(s.data() + b, s.data() + e, out);
    return r.ec == std::errc() && r.ptr == s.data() + e;
}

// Days from 1970-01-01 for a proleptic Gregorian date (Howard Hinnant's algorithm).
int DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

const int DayNumberOfUnixEpoch = 25569; // 1970-01-01 counted from 1899-12-30

} // namespace

bool TDate::IsValid(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

int TDate::DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0))
        return 29;
    return days[month - 1];
}

std::optional<TDate> TDate::Parse(const std::string& text) {
    const size_t a = text.find('/');
    if (a == std::string::npos)
        return std::nullopt;
    const size_t b = text.find('/', a + 1);
    if (b == std::string::npos || text.find('/', b + 1) != std::string::npos)
        return std::nullopt;
    int m = 0, d = 0, y = 0;
    const std::string ys = text.substr(b + 1);
    if (!ParseNumber(text.substr(0, a), 2, m) ||
        !ParseNumber(text.substr(a + 1, b - a - 1), 2, d) || !ParseNumber(ys, 4, y))
        return std::nullopt;
    size_t digits = 0;
    for (char c : ys)
        digits += c >= '0' && c <= '9';
    if (digits <= 2)
        y += y < 50 ? 2000 : 1900;
    if (!IsValid(y, m, d))
        return std::nullopt;
    return TDate{y, m, d};
}

int TDate::DayNumber() const {
    return DaysFromCivil(Year, Month, Day) + DayNumberOfUnixEpoch;
}

TDate TDate::FromDayNumber(int days) {
    int z = days - DayNumberOfUnixEpoch + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp + (mp < 10 ? 3 : -9);
    return TDate{yoe + era * 400 + (m <= 2), m, d};
}

TDate TDate::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return TDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

int TDate::Weekday() const {
    // 30 December 1899 was a Saturday.
    return ((DayNumber() % 7) + 7 + 5) % 7;
}

std::string TDate::ToString() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", Month, Day, Year);
    return buf;
}
