#include "xml/NumberText.h"

#include <charconv>
#include <cstdio>

namespace NumberText {

std::optional<int32_t> ParseInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    if (*first == '-' || *first == '+')
        return std::nullopt;
    uint64_t magnitude = 0;
    auto r = std::from_chars(first, last, magnitude, base);
    if (r.ec != std::errc() || r.ptr != last)
        return std::nullopt;
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFull)
        return static_cast<int32_t>(static_cast<uint32_t>(magnitude)); // $FFFFFFFF is -1
    if (negative ? magnitude > 2147483648ull : magnitude > 2147483647ull)
        return std::nullopt;
    const int64_t v = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return static_cast<int32_t>(v);
}

std::optional<double> ParseDecimal(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    std::string s = text.substr(b, e - b);
    size_t p = s.find('.');
    if (p == std::string::npos) {
        p = s.find(',');
        if (p != std::string::npos)
            s[p] = '.';
    }
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return std::nullopt;
    size_t start = 0;
    if (!s.empty() && s[0] == '+')
        start = 1;
    if (start < s.size() && start == 1 && s[1] == '-')
        return std::nullopt;
    double value = 0;
    auto r = std::from_chars(s.data() + start, s.data() + s.size(), value);
    if (s.size() == start || r.ec != std::errc() || r.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::string FormatDecimal(double value) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

} // namespace NumberText
