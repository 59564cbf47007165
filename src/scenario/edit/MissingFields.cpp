#include "scenario/edit/MissingFields.h"

#include "xml/TXmlNode.h"

#include <vector>

namespace MissingFields {

namespace {

// The index after the last child of parent called name; -1 when none is.
int32_t After(const TXmlNode* parent, const std::string& name) {
    for (int32_t i = parent->ChildCount() - 1; i >= 0; --i)
        if (parent->GetChildAt(i)->Name == name)
            return i + 1;
    return -1;
}

// Another element named like parent that has field: a sibling first, else
// the first in the document.
const TXmlNode* ModelFor(const TXmlNode* parent, const std::string& field) {
    auto fits = [&](const TXmlNode* n) {
        return n != parent && n->Name == parent->Name && n->GetChild(field);
    };
    const TXmlNode* root = parent;
    while (root->Parent())
        root = root->Parent();
    const TXmlNode* outer = parent->Parent();
    for (int32_t i = 0; outer && i < outer->ChildCount(); ++i)
        if (fits(outer->GetChildAt(i)))
            return outer->GetChildAt(i);
    std::vector<const TXmlNode*> work{root};
    while (!work.empty()) {
        const TXmlNode* node = work.back();
        work.pop_back();
        if (fits(node))
            return node;
        for (int32_t i = node->ChildCount() - 1; i >= 0; --i)
            work.push_back(node->GetChildAt(i));
    }
    return nullptr;
}

// The names of path, in order.
std::vector<std::string> Steps(const std::string& path) {
    std::vector<std::string> steps;
    size_t start = 0;
    for (size_t slash; (slash = path.find('/', start)) != std::string::npos; start = slash + 1)
        steps.push_back(path.substr(start, slash - start));
    steps.push_back(path.substr(start));
    return steps;
}

} // namespace

int32_t PlaceOf(const TXmlNode* parent, const std::string& field) {
    const TXmlNode* model = ModelFor(parent, field);
    const int32_t at = model ? model->IndexOfChild(field) : -1;
    if (at == 0)
        return 0;
    if (at > 0)
        if (const int32_t place = After(parent, model->GetChildAt(at - 1)->Name); place >= 0)
            return place;
    return parent->ChildCount();
}

TXmlNode* Find(const TXmlNode* owner, const std::string& path) {
    TXmlNode* node = nullptr;
    for (const std::string& name : Steps(path)) {
        node = owner ? owner->GetChild(name) : nullptr;
        owner = node;
    }
    return node;
}

TXmlNode* Add(TXmlNode* owner, const std::string& path) {
    TXmlNode* node = owner;
    for (const std::string& name : Steps(path)) {
        if (!node || name.empty())
            return nullptr;
        TXmlNode* child = node->GetChild(name);
        if (!child) {
            const int32_t place = PlaceOf(node, name);
            child = node->AddNewChild(name);
            for (int32_t i = node->ChildCount() - 1; i > place; --i)
                node->ExchangeChildren(i - 1, i);
        }
        node = child;
    }
    return node;
}

} // namespace MissingFields
