#include "editors/parties/PartyTargets.h"

#include "app/ElementFocus.h"
#include "xml/TXmlNode.h"

#include <QListWidget>

namespace PartyTargets {

const TXmlNode* Node(const TElementTarget& target) {
    if (!target.Element || target.Field.empty())
        return target.Element;
    const TXmlNode* field = nullptr;
    for (int32_t i = 0; i < target.Element->ChildCount(); ++i)
        if (const TXmlNode* child = target.Element->GetChildAt(i); child->Name == target.Field) {
            if (field)
                return target.Element;
            field = child;
        }
    return field ? field : target.Element;
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
    return ElementFocus::SelectEntryHolding(list, Node(target)) != nullptr;
}

bool FocusBound(QWidget* form, const TElementTarget& target) {
    return ElementFocus::FocusField(form, Node(target), {});
}

} // namespace PartyTargets
