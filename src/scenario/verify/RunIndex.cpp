#include "scenario/verify/RunIndex.h"

#include "xml/TXmlNode.h"

namespace RunIndex {

namespace {
thread_local TIdIndex* Current = nullptr;
}

TScope::TScope() : Previous_(Current) {
    Current = &Index_;
}

TScope::~TScope() {
    Current = Previous_;
}

TXmlNode* FindNode(TXmlNode* root, const std::string& name, const std::string& id) {
    if (Current)
        return Current->FindNode(root, name, id);
    return root ? root->FindNode(name, "id", id) : nullptr;
}

TXmlNode* FindChild(TXmlNode* parent, const std::string& name, const std::string& id) {
    if (Current)
        return Current->FindChild(parent, name, id);
    return parent ? parent->FindChild(name, "id", id) : nullptr;
}

void Changed(const TXmlNode* node) {
    if (Current)
        Current->Changed(node);
}

void Removing(const TXmlNode* node) {
    if (Current)
        Current->Removing(node);
}

} // namespace RunIndex
