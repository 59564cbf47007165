#include "xml/TextEncoding.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

bool IsPlain(unsigned char c) {
    return c == ' ' || (c >= ',' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsPrintableAscii(char32_t c) {
    return c >= 0x20 && c <= 0x7E;
}

// Characters above ASCII that are kept: no C1 controls, nothing XML forbids.
bool IsKeptAbove(char32_t c) {
    return c >= 0xA0 && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFFFE &&
           c != 0xFFFF;
}

// Reads one UTF-8 sequence at i; false (and i advanced by one) on a bad one.
bool NextCodePoint(std::string_view s, size_t& i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int len = 0;
    if (b0 < 0x80) {
        cp = b0;
        ++i;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        ++i;
        return false;
    }
    if (i + len > s.size()) {
        ++i;
        return false;
    }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    static const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += len;
    return true;
}

} // namespace

namespace TextEncoding {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view bytes) {
    const size_t size = bytes.size();
    size_t i = 0;
    char32_t cp;
    while (i < size) {
        // Scenario files are nearly all ASCII: skip it eight bytes at a time.
        uint64_t word;
        while (i + sizeof word <= size) {
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if (word & 0x8080808080808080u)
                break;
            i += sizeof word;
        }
        if (i < size && !NextCodePoint(bytes, i, cp))
            return false;
    }
    return true;
}

void AppendEncoded(std::string& out, std::string_view utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        // Runs of plain characters are copied as they are, in one piece.
        size_t plain = i;
        while (plain < utf8.size() && IsPlain(static_cast<unsigned char>(utf8[plain])))
            ++plain;
        out.append(utf8.data() + i, plain - i);
        i = plain;
        if (i == utf8.size())
            break;
        char32_t cp;
        if (!NextCodePoint(utf8, i, cp))
            continue; // a stray byte is not a character
        if (IsPrintableAscii(cp) || IsKeptAbove(cp)) {
            char digits[8];
            const auto end =
                std::to_chars(digits, digits + sizeof digits, static_cast<uint32_t>(cp)).ptr;
            out += "&#";
            out.append(digits, end);
            out += ';';
        }
    }
}

std::string Encode(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    AppendEncoded(out, utf8);
    return out;
}

std::string Decode(const std::string& stored) {
    // Most stored texts hold no reference at all: they decode to themselves.
    if (stored.find('&') == std::string::npos)
        return stored;
    std::string out;
    out.reserve(stored.size());
    size_t i = 0;
    while (i < stored.size()) {
        if (stored[i] != '&') {
            out += stored[i++];
            continue;
        }
        size_t end = stored.find(';', i);
        const size_t stop = end == std::string::npos ? stored.size() : end + 1;
        const std::string ref = stored.substr(i, stop - i);
        i = stop;
        if (ref == "&amp;") {
            out += '&';
        } else if (ref == "&lt;") {
            out += '<';
        } else if (ref == "&gt;") {
            out += '>';
        } else if (ref == "&quot;") {
            out += '"';
        } else {
            std::string digits;
            for (char c : ref)
                if (c != '&' && c != '#' && c != ';')
                    digits += c;
            if (digits.empty() || digits.size() > 7)
                continue;
            uint32_t code = 0;
            bool number = true;
            for (char c : digits) {
                if (c < '0' || c > '9') {
                    number = false;
                    break;
                }
                code = code * 10 + static_cast<uint32_t>(c - '0');
            }
            if (!number)
                continue;
            if (IsPrintableAscii(code) || IsKeptAbove(code))
                AppendUtf8(out, code);
        }
    }
    return out;
}

std::optional<std::string> FromUtf16(std::string_view bytes) {
    const auto starts = [&](const char* prefix, size_t length) {
        return bytes.size() >= length && bytes.compare(0, length, prefix, length) == 0;
    };
    bool bigEndian = false;
    size_t start = 0;
    if (starts("\xFF\xFE", 2) || starts("<\0?\0", 4)) {
        start = starts("\xFF\xFE", 2) ? 2 : 0;
    } else if (starts("\xFE\xFF", 2) || starts("\0<\0?", 4)) {
        bigEndian = true;
        start = starts("\xFE\xFF", 2) ? 2 : 0;
    } else {
        return std::nullopt;
    }
    if ((bytes.size() - start) % 2 != 0)
        return std::nullopt;
    const auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (size_t i = start; i < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xDC00 && cp <= 0xDFFF)
            return std::nullopt;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 4 > bytes.size())
                return std::nullopt;
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

} // namespace TextEncoding
