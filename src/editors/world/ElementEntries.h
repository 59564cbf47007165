#pragma once

#include <string>

class QDialog;
class QListWidget;
class TXmlNode;
struct TElementTarget;

// What the "show this element" entry points of the world and debates
// editors share: finding a target's entry in a list and the field it names.
namespace ElementEntries {

// The element of list's entry for the target: the target's element or its
// nearest ancestor that has an entry, else the innermost of the target's
// items that has one; null when the list holds none of them.
TXmlNode* EntryOf(const QListWidget* list, const TElementTarget& target);
// Makes that entry current, with the list's signals; returns its element.
// The selection is left alone when there is none.
TXmlNode* SelectEntryOf(QListWidget* list, const TElementTarget& target);
// The element to focus: the element's child named by the field, or the
// element itself when no field is named; null when that child is missing.
TXmlNode* FieldElement(const TElementTarget& target);
// The name of what to focus: the field, or the element's own name.
std::string FieldName(const TElementTarget& target);
// Once form has shown: selects the target's entry in list and focuses the
// control bound to the target's field, else the list. For forms whose only
// entries are those of one list.
void ShowInList(QDialog* form, QListWidget* list, const TElementTarget& target);

} // namespace ElementEntries
