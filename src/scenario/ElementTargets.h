#pragma once

#include "scenario/TScenarioData.h"

#include <string>
#include <vector>

class TXmlNode;

// Where the editor shows an element of a scenario: which step's editor,
// which list entries to select on the way there, and which window shows it
// in the end. The one place that maps documents to editors.
struct TElementTarget {
    // 1 to 8; 0 when no editor shows the element.
    int Step = 0;
    // The entries to select on the way, outermost first: a party, then one
    // of its leaders. Each is an element of the documents.
    std::vector<TXmlNode*> Items;
    // The form class that shows the element in the end, for example
    // "TLeaderEditForm"; the step's own form when nothing opens from it.
    std::string Window;
    // The element the target was asked for.
    TXmlNode* Element = nullptr;
    // The child of Element to focus (a message's field); empty for none.
    std::string Field;

    bool Found() const { return Step != 0; }
    // The innermost item; null when there is none.
    TXmlNode* Item() const { return Items.empty() ? nullptr : Items.back(); }
    // The item after outer in Items; null when outer is the last or absent.
    TXmlNode* ItemAfter(const TXmlNode* outer) const;
};

namespace ElementTargets {

// The target of element (an element of data's documents) and its field.
TElementTarget Find(const TScenarioData& data, TXmlNode* element, const std::string& field = {});
// The element at path ("/parties/party[2]/leaders/leader") in file; null
// when the path names nothing (the documents changed since).
TXmlNode* Resolve(const TScenarioData& data, TScenarioFile file, const std::string& path);
// The target of a verification message, found by its file and element
// path; not found when the path names nothing now, or another element than
// the message's (the documents changed since the run).
TElementTarget ForMessage(const TScenarioData& data, const TVerificationMessage& message);

} // namespace ElementTargets
