#include "editors/parties/PartyTargets.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "xml/TXmlNode.h"

#include <QListWidget>

namespace PartyTargets {

const TXmlNode* Node(const TElementTarget& target) {
    const TXmlNode* field =
        target.Element && !target.Field.empty() ? target.Element->GetChild(target.Field) : nullptr;
    return field ? field : target.Element;
}

bool Within(const TXmlNode* node, const TXmlNode* ancestor) {
    for (const TXmlNode* at = node; at && ancestor; at = at->Parent())
        if (at == ancestor)
            return true;
    return false;
}

TXmlNode* ChildOnPath(const TXmlNode* node, const TXmlNode* parent) {
    if (!parent)
        return nullptr;
    for (TXmlNode* at = const_cast<TXmlNode*>(node); at; at = at->Parent())
        if (at->Parent() == parent)
            return at;
    return nullptr;
}

bool SelectEntryHolding(QListWidget* list, const TElementTarget& target) {
    for (const TXmlNode* at = Node(target); at; at = at->Parent())
        if (ElementFocus::SelectEntry(list, at))
            return true;
    return false;
}

bool FocusBound(QWidget* form, const TElementTarget& target) {
    return ElementFocus::FocusField(form, target.Element, target.Field) ||
           (!target.Field.empty() && ElementFocus::FocusField(form, target.Element, {}));
}

} // namespace PartyTargets
