#pragma once

#include <QObject>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QWidget;
class TXmlAttribute;
class TXmlNode;

// Binds an editor control to the element (or attribute) it edits: Bind*
// fills the control from the element and writes every later change of the
// control back at once. Binding a control again replaces its old binding;
// binding it to null clears the control and stops the writing.
//
// The bound element belongs to a document; rebind or unbind a control before
// its element is removed.
namespace ControlBinding {

// StoreControlText: the element's decoded text (SetText/GetText).
void BindText(QLineEdit* control, TXmlNode* element);
// A memo keeps its text on one line (see KeepOnOneLine).
void BindText(QPlainTextEdit* control, TXmlNode* element);
void BindText(QTextEdit* control, TXmlNode* element);
// Element text holds no line breaks or tabs: from now on each one typed or
// pasted into memo becomes one blank at once, so words stay apart and the
// memo shows what is stored. For memos whose text reaches an element other
// than through BindText.
void KeepOnOneLine(QPlainTextEdit* memo);
void KeepOnOneLine(QTextEdit* memo);
// StoreComboText: the selected entry's text; no selection writes nothing.
// Filling selects the entry equal to the element's text (none when absent).
void BindCombo(QComboBox* control, TXmlNode* element);
// StoreCheckState: "1" when checked, "0" when not.
void BindCheck(QCheckBox* control, TXmlNode* element);
// StoreControlTextUnescaped: the stored text (or the attribute's value) as
// typed, without encoding.
void BindTextUnescaped(QLineEdit* control, TXmlNode* element);
void BindTextUnescaped(QLineEdit* control, TXmlAttribute* attribute);
// StoreCheckStateUnescaped: "1"/"0" written directly.
void BindCheckUnescaped(QCheckBox* control, TXmlNode* element);
void BindCheckUnescaped(QCheckBox* control, TXmlAttribute* attribute);
// A date picker: shows MM/dd/yyyy, writes mm/dd/yyyy.
void BindDate(QDateEdit* control, TXmlNode* element);

// Stops writing from control (the control keeps its text).
void Unbind(QWidget* control);
// The element a control is bound to; null when none (or bound to an attribute).
TXmlNode* BoundElement(const QWidget* control);
TXmlAttribute* BoundAttribute(const QWidget* control);

// The store operations themselves: write the control's current value into
// its bound element now. They do nothing for a control without a binding.
void StoreControlText(QWidget* control);
void StoreComboText(QComboBox* control);
void StoreCheckState(QCheckBox* control);
void StoreControlTextUnescaped(QLineEdit* control);
void StoreCheckStateUnescaped(QCheckBox* control);
void StoreDate(QDateEdit* control);

} // namespace ControlBinding
