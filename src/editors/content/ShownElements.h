#pragma once

#include <string>
#include <utility>
#include <vector>

class QListWidget;
class QWidget;
class TXmlNode;
struct TElementTarget;

// What the content editors share to open at an element (see ElementTargets):
// finding the list entry that shows it and the control of its field. The
// element may be gone from the documents when a form dropped it while
// showing, so it is only compared, never read, until it is found in the
// documents again.
namespace ShownElements {

// The form's controls by the element name they show.
using TFieldControls = std::vector<std::pair<const char*, QWidget*>>;

// Whether element is live or an element below it.
bool Contains(const TXmlNode* live, const TXmlNode* element);
// The child of parent that is or contains element; null when none.
TXmlNode* ChildHolding(const TXmlNode* parent, const TXmlNode* element);
// The position of element among parent's children; -1 when it is none of
// them.
int IndexOf(const TXmlNode* parent, const TXmlNode* element);
// Makes current, with the list's signals, the entry (FormSupport::AddEntry)
// whose element is or contains element; returns that entry's element, null
// when no entry has it.
TXmlNode* SelectEntryHolding(QListWidget* list, const TXmlNode* element);
// Makes row current with the list's signals and shows it.
void SelectRow(QListWidget* list, int row);
// The control of name in controls; null when none.
QWidget* ControlFor(const TFieldControls& controls, const std::string& name);
// The name that picks the control for target below item: its field, or
// the name of its element when that lies below item (a field the file
// lacks has no bound control, but its name still tells which one shows it).
std::string FieldName(const TElementTarget& target, const TXmlNode* item);
// Focuses the control bound to target's field inside form; else the
// control chosen by the form (when it can take input); else fallback.
void FocusTarget(QWidget* form, const TElementTarget& target, QWidget* chosen, QWidget* fallback);

} // namespace ShownElements
