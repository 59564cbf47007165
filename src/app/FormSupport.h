#pragma once

#include "app/ControlBinding.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QString;
class QListWidget;
class QListWidgetItem;
class QLineEdit;
class QPlainTextEdit;
class TXmlNode;

// Small pieces the editor forms share beside ControlBinding.
namespace FormSupport {

// A memo refuses text beyond length characters: what is typed or pasted
// past the limit is dropped, as a text box with a maximum length does. A
// longer text already in the file is shown whole and only cannot grow.
void LimitLength(QPlainTextEdit* memo, int length);
// ControlBinding::BindText for a limited memo: the element's text is shown
// whole, however long.
void BindLimitedText(QPlainTextEdit* memo, const ControlBinding::TField& field);
// The same for a line edit: typing stops at length characters, but a longer
// text from the file is shown whole and is only kept from growing (a plain
// maximum length would cut it on showing and write the cut text back at the
// first keystroke).
void LimitLength(QLineEdit* edit, int length);
void BindLimitedText(QLineEdit* edit, const ControlBinding::TField& field);

// Binds a drop-down list like ControlBinding::BindCombo, but shows the
// entry whose text equals the element's without regard to case. Showing
// writes nothing; the element keeps its spelling until an entry is chosen.
void BindComboIgnoringCase(QComboBox* control, const ControlBinding::TField& field);

// ControlBinding::BindCheck, but checked whenever the element's text reads
// as a whole number other than 0 (an unreadable text counts as 0). Showing
// writes nothing; a click writes "1" or "0".
void BindCheckNonZero(QCheckBox* control, const ControlBinding::TField& field);

// ControlBinding::BindDate, but a date the element does not hold in a
// readable form shows blank instead of whatever the picker showed before.
void BindDateOrBlank(QDateEdit* control, const ControlBinding::TField& field);

// List entries that hold the element they show.
QListWidgetItem* AddEntry(QListWidget* list, const QString& text, TXmlNode* element);
TXmlNode* EntryElement(const QListWidgetItem* item);
// The element of the current entry; null when none is current.
TXmlNode* CurrentElement(const QListWidget* list);
// Makes row current (none when row is -1) without the list's signals; the
// caller shows the selection itself.
void SelectQuietly(QListWidget* list, int row);
// Deletes the entry at row and makes the one before it current (none when
// row was 0), without the list's signals. Returns the element it held.
TXmlNode* TakeEntry(QListWidget* list, int row);

} // namespace FormSupport
