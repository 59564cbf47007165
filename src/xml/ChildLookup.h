#pragma once

#include "xml/TXmlNode.h"

#include <string>

// Null-safe steps into an element tree: a missing parent or child reads as
// nothing, so a damaged file shows empty fields instead of crashing.
namespace ChildLookup {

inline TXmlNode* Child(const TXmlNode* parent, const std::string& name) {
    return parent ? parent->GetChild(name) : nullptr;
}

// The text of parent's child name; empty when either is missing.
inline std::string Text(const TXmlNode* parent, const std::string& name) {
    const TXmlNode* child = Child(parent, name);
    return child ? child->GetText() : std::string();
}

} // namespace ChildLookup
