#pragma once

#include <cstdint>
#include <string>

// One attribute of an element. The value is kept exactly as given: the
// parser delivers it with references resolved, and the writer escapes it.
class TXmlAttribute {
public:
    TXmlAttribute(std::string name, std::string value)
        : Name(std::move(name)), Value(std::move(value)) {}

    std::string Name;
    std::string Value;
    // Position in the owner's attribute list, kept current by the owner.
    int32_t Index = 0;

    // name="value" with ", & and < escaped so the written file parses again.
    std::string ToString() const;
    // The same, appended to out.
    void AppendTo(std::string& out) const;
};
