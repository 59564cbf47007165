#include "xml/TIdIndex.h"

#include "xml/TXmlNode.h"

#include <vector>

size_t TIdIndex::TKeyHash::operator()(const TKey& key) const noexcept {
    const std::hash<std::string_view> hash;
    return hash(key.Name) * 31 ^ hash(key.Id);
}

void TIdIndex::TTable::Add(TXmlNode* node) {
    const TXmlAttribute* id = node->GetAttribute("id");
    if (!id)
        return;
    // emplace keeps the first: the walk goes in document order.
    ByNameAndId.emplace(TKey{node->Name, id->Value}, node);
    ById.emplace(id->Value, node);
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
    auto [table, added] = Subtrees_.try_emplace(root);
    if (added) {
        // Pre-order, as the tree search walks.
        std::vector<TXmlNode*> stack{root};
        while (!stack.empty()) {
            TXmlNode* n = stack.back();
            stack.pop_back();
            table->second.Add(n);
            for (int32_t i = n->ChildCount() - 1; i >= 0; --i)
                stack.push_back(n->GetChildAt(i));
        }
    }
    return table->second.Find(name, id);
}

TXmlNode* TIdIndex::FindChild(const TXmlNode* parent, const std::string& name,
                              const std::string& id) {
    if (!parent)
        return nullptr;
    auto [table, added] = Children_.try_emplace(parent);
    if (added)
        for (int32_t i = 0; i < parent->ChildCount(); ++i)
            table->second.Add(parent->GetChildAt(i));
    return table->second.Find(name, id);
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
