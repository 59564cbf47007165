#pragma once

#include "xml/TreeBlocks.h"

#include <cstdint>
#include <string>

class TXmlNode;

// One attribute of an element. The value is kept exactly as given: the
// parser delivers it with references resolved, and the writer escapes it.
class TXmlAttribute {
public:
    TXmlAttribute(std::string name, std::string value)
        : Name(std::move(name)), Value(std::move(value)) {}
    static void* operator new(size_t size) { return TreeBlocks::Take(size); }
    static void operator delete(void* block, size_t size) { TreeBlocks::Give(block, size); }

    std::string Name;
    std::string Value;
    // Position in the owner's attribute list, kept current by the owner.
    int32_t Index = 0;

    // Whoever writes Value directly calls this afterwards (see
    // TXmlNode::MarkChanged).
    void MarkChanged();

    // name="value" with ", & and < escaped so the written file parses again.
    std::string ToString() const;
    // The same, appended to out.
    void AppendTo(std::string& out) const;

private:
    friend class TXmlNode;
    // The element holding it, set when it is added to one.
    TXmlNode* Owner_ = nullptr;
};
