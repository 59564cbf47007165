#pragma once

#include <string>
#include <string_view>

class TXmlNode;

// Names the writer may put into a file: a file with an empty or malformed
// element or attribute name could never be read again.
namespace XmlNames {

// An XML name: a letter, "_" or ":" first, then letters, digits, ".", "-",
// "_" or ":". Bytes above 0x7F count as letters, so names read from a file
// in any script stay writable.
bool IsValid(std::string_view name);

// Describes the first element or attribute below (and including) root whose
// name is not valid, with its path ("element with an empty name in
// /events/scripted_events/event[2]/outcomes"); empty when every name is
// valid.
std::string FindInvalid(const TXmlNode& root);

} // namespace XmlNames
