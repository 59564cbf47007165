#pragma once

#include "xml/TIdIndex.h"

#include <string>

class TXmlNode;

// The id index of the verification run in progress on this thread: the
// reference checks look ids up through it, and every repair that changes the
// tree during the run reports the change here. Outside a run the lookups are
// plain tree searches and the reports do nothing.
namespace RunIndex {

// Installs a fresh index for its lifetime (the run).
class TScope {
public:
    TScope();
    ~TScope();
    TScope(const TScope&) = delete;
    TScope& operator=(const TScope&) = delete;

private:
    TIdIndex Index_;
    TIdIndex* Previous_;
};

// root->FindNode(name, "id", id) and parent->FindChild(name, "id", id).
TXmlNode* FindNode(TXmlNode* root, const std::string& name, const std::string& id);
TXmlNode* FindChild(TXmlNode* parent, const std::string& name, const std::string& id);
// See TIdIndex.
void Changed(const TXmlNode* node);
void Removing(const TXmlNode* node);

} // namespace RunIndex
