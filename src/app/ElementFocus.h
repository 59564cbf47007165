#pragma once

#include <functional>
#include <string>

class QDialog;
class QListWidget;
class QWidget;
class TXmlNode;

// Helpers for the editors' "show this element" entry points: select the
// entry, open the window that shows the element once the editor is up,
// focus the field.
namespace ElementFocus {

// Runs then once, right after dialog has shown (inside its exec()), so a
// window opened there is modal over it.
void WhenShown(QDialog* dialog, std::function<void()> then);
// Makes the entry holding element (see FormSupport::AddEntry) current,
// with the list's signals, so the form shows it. False when no entry holds
// it.
bool SelectEntry(QListWidget* list, const TXmlNode* element);
// The same for the entry holding element or, failing that, its nearest
// ancestor that has one; returns that entry's element, null when none.
TXmlNode* SelectEntryHolding(QListWidget* list, const TXmlNode* element);
// True when node is ancestor or lies below it.
bool Within(const TXmlNode* node, const TXmlNode* ancestor);
// Focuses the control of form bound to element's child field (see
// ControlBinding); false when there is none. Hidden tabs or groups of the
// control are brought forward.
bool FocusField(QWidget* form, const TXmlNode* element, const std::string& field);
// Focuses control, bringing forward the tab that holds it.
void FocusControl(QWidget* control);

} // namespace ElementFocus
