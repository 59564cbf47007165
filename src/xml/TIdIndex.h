#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

class TXmlNode;

// Lookups of elements by name and id attribute in constant time, with
// exactly the answers of the tree searches: FindNode gives what
// root->FindNode(name, "id", id) gives (the first match in document order,
// any name when name is empty), FindChild what parent->FindChild gives.
// Each searched subtree or child list is indexed on first use. Whoever
// changes the tree while the index is in use tells it (Changed, Removing),
// so the answers stay those of the tree.
class TIdIndex {
public:
    TXmlNode* FindNode(TXmlNode* root, const std::string& name, const std::string& id);
    TXmlNode* FindChild(const TXmlNode* parent, const std::string& name, const std::string& id);

    // After node gained or lost a child, or its own id changed.
    void Changed(const TXmlNode* node);
    // Before node is removed from its parent (node and its subtree go).
    void Removing(const TXmlNode* node);

private:
    struct TKey {
        std::string_view Name;
        std::string_view Id;
        bool operator==(const TKey&) const = default;
    };
    struct TKeyHash {
        size_t operator()(const TKey& key) const noexcept;
    };
    // The first element for each (name, id) and for each id alone.
    struct TTable {
        std::unordered_map<TKey, TXmlNode*, TKeyHash> ByNameAndId;
        std::unordered_map<std::string_view, TXmlNode*> ById;
        bool ByNameAndIdFilled = false;
        bool ByIdFilled = false;
        bool Filled(bool byIdAlone) const { return byIdAlone ? ByIdFilled : ByNameAndIdFilled; }
        void SetFilled(bool byIdAlone) { (byIdAlone ? ByIdFilled : ByNameAndIdFilled) = true; }
        void Add(TXmlNode* node, bool byIdAlone);
        TXmlNode* Find(const std::string& name, const std::string& id) const;
    };
    void Forget(const TXmlNode* node);

    std::unordered_map<const TXmlNode*, TTable> Subtrees_;
    std::unordered_map<const TXmlNode*, TTable> Children_;
};
