#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QDialog;
class QListWidget;
class QWidget;
class TXmlNode;
struct TElementTarget;

// What every editor's "show this element" entry point shares (see
// ElementTargets): select the list entry that shows the element, open the
// window that shows it once the editor is up, focus the control of its
// field. An element may be gone from the documents when a form dropped it
// while showing, so the functions that say so only compare it, never read
// it, until it is found in the documents again.
namespace ElementFocus {

// The form's controls by the element name they show.
using TFieldControls = std::vector<std::pair<const char*, QWidget*>>;

// Runs then once, right after dialog has shown (inside its exec()), so a
// window opened there is modal over it.
void WhenShown(QDialog* dialog, std::function<void()> then);

// Whether element is live or an element below it; element is only compared.
bool Contains(const TXmlNode* live, const TXmlNode* element);
// The child of parent that is or contains element; null when none.
TXmlNode* ChildHolding(const TXmlNode* parent, const TXmlNode* element);
// The position of element among parent's children; -1 when it is none of
// them.
int IndexOf(const TXmlNode* parent, const TXmlNode* element);

// Makes row current with the list's signals and shows it.
void SelectRow(QListWidget* list, int row);
// Makes the entry holding element (see FormSupport::AddEntry) current, with
// the list's signals, so the form shows it. False when no entry holds it.
bool SelectEntry(QListWidget* list, const TXmlNode* element);
// The same for the innermost entry whose element is or contains element;
// returns that entry's element, null when none. element is only compared.
TXmlNode* SelectEntryHolding(QListWidget* list, const TXmlNode* element);
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
// The name that picks the control for target below item: its field, or the
// name of its element when that lies below item (a field the file lacks
// has no bound control, but its name still tells which one shows it).
std::string FieldNameBelow(const TElementTarget& target, const TXmlNode* item);
// The control of name in controls; null when none.
QWidget* ControlFor(const TFieldControls& controls, const std::string& name);

// Focuses control, bringing forward the tab that holds it.
void FocusControl(QWidget* control);
// Focuses the control of form bound to element's child field (see
// ControlBinding); false when there is none. Hidden tabs or groups of the
// control are brought forward.
bool FocusField(QWidget* form, const TXmlNode* element, const std::string& field);
// Focuses the control bound to target's field inside form; else the
// control chosen by the form (when it can take input); else fallback.
void FocusTarget(QWidget* form, const TElementTarget& target, QWidget* chosen, QWidget* fallback);
// Once form has shown: selects the target's entry in list and focuses the
// control bound to the target's field, else the list. For forms whose only
// entries are those of one list.
void ShowInList(QDialog* form, QListWidget* list, const TElementTarget& target);

} // namespace ElementFocus
