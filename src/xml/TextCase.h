#pragma once

#include <string>
#include <string_view>

// Letter case of the ASCII letters only: the files' keywords, names and
// file names compare this way whatever the program's locale.
namespace TextCase {

std::string Lower(std::string text);
std::string Upper(std::string text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

} // namespace TextCase
