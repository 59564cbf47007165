#pragma once

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
bool IsValidUtf8(const std::string& bytes);
} // namespace TextEncoding
