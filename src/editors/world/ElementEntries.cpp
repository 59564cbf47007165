#include "editors/world/ElementEntries.h"

#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "scenario/ElementTargets.h"
#include "xml/TXmlNode.h"

#include <QDialog>
#include <QListWidget>

namespace ElementEntries {

namespace {

bool HasEntry(const QListWidget* list, const TXmlNode* element) {
    for (int row = 0; row < list->count(); ++row)
        if (FormSupport::EntryElement(list->item(row)) == element)
            return true;
    return false;
}

} // namespace

TXmlNode* EntryOf(const QListWidget* list, const TElementTarget& target) {
    for (TXmlNode* node = target.Element; node; node = node->Parent())
        if (HasEntry(list, node))
            return node;
    // An item of another file (a region's percentages entry names the
    // region).
    for (auto item = target.Items.rbegin(); item != target.Items.rend(); ++item)
        if (HasEntry(list, *item))
            return *item;
    return nullptr;
}

TXmlNode* SelectEntryOf(QListWidget* list, const TElementTarget& target) {
    TXmlNode* entry = EntryOf(list, target);
    ElementFocus::SelectEntry(list, entry);
    return entry;
}

TXmlNode* FieldElement(const TElementTarget& target) {
    if (!target.Element || target.Field.empty())
        return target.Element;
    return target.Element->GetChild(target.Field);
}

std::string FieldName(const TElementTarget& target) {
    if (!target.Field.empty() || !target.Element)
        return target.Field;
    return target.Element->Name;
}

void ShowInList(QDialog* form, QListWidget* list, const TElementTarget& target) {
    ElementFocus::WhenShown(form, [form, list, target] {
        SelectEntryOf(list, target);
        if (!ElementFocus::FocusField(form, target.Element, target.Field))
            ElementFocus::FocusControl(list);
    });
}

} // namespace ElementEntries
