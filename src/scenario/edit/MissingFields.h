#pragma once

#include <cstdint>
#include <string>

class TXmlNode;

// Fields an item lacks, added where the templates put them, so a repair or
// a designer's first edit leaves the file as a new item would be written.
namespace MissingFields {

// Where field belongs among parent's children: after the element that
// precedes it in another element named like parent that has it (a sibling
// first, else the first in the document); at the end when none has it.
int32_t PlaceOf(const TXmlNode* parent, const std::string& field);

// The element at path below owner (names joined by "/", as
// "goals/percentage"); null when a step of it is missing.
TXmlNode* Find(const TXmlNode* owner, const std::string& path);
// The same, adding each missing step, empty, at its PlaceOf.
TXmlNode* Add(TXmlNode* owner, const std::string& path);

} // namespace MissingFields
