#pragma once

#include <optional>
#include <string>
#include <string_view>

// The stored form of element text: plain characters (blank , - . / digits
// letters) stay, every other printable character and every character above
// the ASCII range becomes a decimal numeric reference, control characters
// are dropped. Input and output of the decoded form are UTF-8.
namespace TextEncoding {
std::string Encode(const std::string& utf8);
// The same, appended to out.
void AppendEncoded(std::string& out, std::string_view utf8);
std::string Decode(const std::string& stored);
// Appends the UTF-8 bytes of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);
bool IsValidUtf8(std::string_view bytes);
// The UTF-8 form of a UTF-16 file (found by its byte-order mark, or by "<?"
// in either byte order), without the mark. Empty when the bytes are not
// UTF-16 or hold a broken surrogate pair or an odd byte.
std::optional<std::string> FromUtf16(std::string_view bytes);
} // namespace TextEncoding
