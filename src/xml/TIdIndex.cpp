#include "xml/TIdIndex.h"

#include "xml/TXmlNode.h"

#include <vector>

namespace {
const std::string IdName = "id";
}

size_t TIdIndex::TKeyHash::operator()(const TKey& key) const noexcept {
    const std::hash<std::string_view> hash;
    return hash(key.Name) * 31 ^ hash(key.Id);
}

void TIdIndex::TTable::Add(TXmlNode* node, bool byIdAlone) {
    const TXmlAttribute* id = node->GetAttribute(IdName);
    if (!id)
        return;
    // emplace keeps the first: the walks go in document order.
    if (byIdAlone)
        ById.emplace(id->Value, node);
    else
        ByNameAndId.emplace(TKey{node->Name, id->Value}, node);
}

TXmlNode* TIdIndex::TTable::Find(const std::string& name, const std::string& id) const {
    if (name.empty()) {
        const auto it = ById.find(id);
        return it == ById.end() ? nullptr : it->second;
    }
    const auto it = ByNameAndId.find(TKey{name, id});
    return it == ByNameAndId.end() ? nullptr : it->second;
}

TXmlNode* TIdIndex::FindNode(TXmlNode* root, const std::string& name, const std::string& id) {
    if (!root)
        return nullptr;
    TTable& table = Subtrees_[root];
    // Lookups by id alone are rare: that half is made on first use.
    const bool byIdAlone = name.empty();
    if (!table.Filled(byIdAlone)) {
        // Pre-order, as the tree search walks.
        std::vector<TXmlNode*> stack{root};
        while (!stack.empty()) {
            TXmlNode* n = stack.back();
            stack.pop_back();
            table.Add(n, byIdAlone);
            for (int32_t i = n->ChildCount() - 1; i >= 0; --i)
                stack.push_back(n->GetChildAt(i));
        }
        table.SetFilled(byIdAlone);
    }
    return table.Find(name, id);
}

TXmlNode* TIdIndex::FindChild(const TXmlNode* parent, const std::string& name,
                              const std::string& id) {
    if (!parent)
        return nullptr;
    TTable& table = Children_[parent];
    const bool byIdAlone = name.empty();
    if (!table.Filled(byIdAlone)) {
        for (int32_t i = 0; i < parent->ChildCount(); ++i)
            table.Add(parent->GetChildAt(i), byIdAlone);
        table.SetFilled(byIdAlone);
    }
    return table.Find(name, id);
}

void TIdIndex::Forget(const TXmlNode* node) {
    Subtrees_.erase(node);
    Children_.erase(node);
}

void TIdIndex::Changed(const TXmlNode* node) {
    for (const TXmlNode* n = node; n; n = n->Parent())
        Forget(n);
}

void TIdIndex::Removing(const TXmlNode* node) {
    if (!node)
        return;
    Changed(node->Parent());
    if (Subtrees_.empty() && Children_.empty())
        return;
    // Tables of the removed nodes themselves must not outlive them: their
    // addresses can come back for new nodes.
    std::vector<const TXmlNode*> stack{node};
    while (!stack.empty()) {
        const TXmlNode* n = stack.back();
        stack.pop_back();
        Forget(n);
        for (int32_t i = 0; i < n->ChildCount(); ++i)
            stack.push_back(n->GetChildAt(i));
    }
}
