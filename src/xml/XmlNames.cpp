#include "xml/XmlNames.h"

#include "xml/TXmlAttribute.h"
#include "xml/TXmlNode.h"

#include <vector>

namespace XmlNames {

namespace {

constexpr bool IsNameStart(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80;
}

constexpr bool IsNameChar(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// Every name written is checked: one lookup per byte.
struct TNameChars {
    bool Start[256];
    bool Char[256];
    constexpr TNameChars() : Start(), Char() {
        for (int c = 0; c < 256; ++c) {
            Start[c] = IsNameStart(static_cast<unsigned char>(c));
            Char[c] = IsNameChar(static_cast<unsigned char>(c));
        }
    }
};
constexpr TNameChars NameChars;

// "/events/scripted_events/event[2]": the element's place among its
// parent's children of the same name.
std::string PathOf(const TXmlNode* node) {
    std::string path;
    for (; node; node = node->Parent()) {
        std::string step = "/" + node->Name;
        if (const TXmlNode* parent = node->Parent()) {
            int32_t same = 0, position = 0;
            for (int32_t i = 0; i < parent->ChildCount(); ++i) {
                const TXmlNode* sibling = parent->GetChildAt(i);
                if (sibling->Name == node->Name)
                    ++same;
                if (sibling == node)
                    position = same;
            }
            if (same > 1)
                step += "[" + std::to_string(position) + "]";
        }
        path = step + path;
    }
    return path;
}

std::string Describe(const std::string& what, const std::string& name, const std::string& where) {
    return what +
           (name.empty() ? " with an empty name" : " with the invalid name \"" + name + "\"") +
           " in " + (where.empty() ? "/" : where);
}

} // namespace

bool IsValid(std::string_view name) {
    if (name.empty() || !NameChars.Start[static_cast<unsigned char>(name.front())])
        return false;
    for (const char c : name)
        if (!NameChars.Char[static_cast<unsigned char>(c)])
            return false;
    return true;
}

std::string FindInvalid(const TXmlNode& root) {
    // An explicit stack: documents may be deep.
    std::vector<const TXmlNode*> stack{&root};
    while (!stack.empty()) {
        const TXmlNode* node = stack.back();
        stack.pop_back();
        if (!IsValid(node->Name))
            return Describe("element", node->Name, PathOf(node->Parent()));
        for (int32_t i = 0; i < node->AttributeCount(); ++i) {
            const TXmlAttribute* attribute = node->GetAttributeAt(i);
            if (!IsValid(attribute->Name))
                return Describe("attribute", attribute->Name, PathOf(node));
        }
        for (int32_t i = node->ChildCount() - 1; i >= 0; --i)
            stack.push_back(node->GetChildAt(i));
    }
    return {};
}

} // namespace XmlNames
