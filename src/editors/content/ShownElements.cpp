#include "editors/content/ShownElements.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "scenario/ElementTargets.h"
#include "xml/TXmlNode.h"

#include <QListWidget>

namespace ShownElements {

bool Contains(const TXmlNode* live, const TXmlNode* element) {
    if (!live || !element)
        return false;
    if (live == element)
        return true;
    for (int32_t i = 0; i < live->ChildCount(); ++i)
        if (Contains(live->GetChildAt(i), element))
            return true;
    return false;
}

TXmlNode* ChildHolding(const TXmlNode* parent, const TXmlNode* element) {
    for (int32_t i = 0; parent && element && i < parent->ChildCount(); ++i)
        if (Contains(parent->GetChildAt(i), element))
            return parent->GetChildAt(i);
    return nullptr;
}

int IndexOf(const TXmlNode* parent, const TXmlNode* element) {
    for (int32_t i = 0; parent && element && i < parent->ChildCount(); ++i)
        if (parent->GetChildAt(i) == element)
            return i;
    return -1;
}

TXmlNode* SelectEntryHolding(QListWidget* list, const TXmlNode* element) {
    for (int row = 0; list && element && row < list->count(); ++row) {
        TXmlNode* entry = FormSupport::EntryElement(list->item(row));
        if (Contains(entry, element)) {
            SelectRow(list, row);
            return entry;
        }
    }
    return nullptr;
}

void SelectRow(QListWidget* list, int row) {
    if (!list || row < 0 || row >= list->count())
        return;
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
}

QWidget* ControlFor(const TFieldControls& controls, const std::string& name) {
    for (const auto& [field, control] : controls)
        if (name == field)
            return control;
    return nullptr;
}

std::string FieldName(const TElementTarget& target, const TXmlNode* item) {
    if (!target.Field.empty() || target.Element == item || !Contains(item, target.Element))
        return target.Field;
    return target.Element->Name;
}

void FocusTarget(QWidget* form, const TElementTarget& target, QWidget* chosen, QWidget* fallback) {
    if (ElementFocus::FocusField(form, target.Element, target.Field))
        return;
    ElementFocus::FocusControl(chosen && chosen->isEnabled() ? chosen : fallback);
}

} // namespace ShownElements
