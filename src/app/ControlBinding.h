#pragma once

#include <QObject>
#include <QPointer>

#include <string>

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

// What a control edits: an element, or the element at path below owner
// (names joined by "/", as "goals/percentage"). While that one is missing
// the control shows nothing and its first change adds it where the
// templates put it (MissingFields::Add), so nothing typed goes nowhere.
struct TField {
    TField(TXmlNode* element) : Element(element) {}
    TField(TXmlNode* owner, std::string path);
    // The element, added first when it is missing; null without an owner.
    TXmlNode* Make();
    bool Bindable() const { return Element || Owner; }
    TXmlNode* Element = nullptr;
    TXmlNode* Owner = nullptr;
    std::string Path;
};

// StoreControlText: the element's decoded text (SetText/GetText).
void BindText(QLineEdit* control, const TField& field);
// A memo keeps its text on one line (see KeepOnOneLine).
void BindText(QPlainTextEdit* control, const TField& field);
void BindText(QTextEdit* control, const TField& field);
// Element text holds no line breaks or tabs: from now on each one typed or
// pasted into memo becomes one blank at once, so words stay apart and the
// memo shows what is stored. For memos whose text reaches an element other
// than through BindText.
void KeepOnOneLine(QPlainTextEdit* memo);
void KeepOnOneLine(QTextEdit* memo);
// StoreComboText: the selected entry's text; no selection writes nothing.
// Filling selects the entry equal to the element's text (none when absent).
void BindCombo(QComboBox* control, const TField& field);
// StoreCheckState: "1" when checked, "0" when not.
void BindCheck(QCheckBox* control, const TField& field);
// StoreControlTextUnescaped: the stored text (or the attribute's value) as
// typed, without encoding.
void BindTextUnescaped(QLineEdit* control, TXmlNode* element);
void BindTextUnescaped(QLineEdit* control, TXmlAttribute* attribute);
// StoreCheckStateUnescaped: "1"/"0" written directly.
void BindCheckUnescaped(QCheckBox* control, TXmlNode* element);
void BindCheckUnescaped(QCheckBox* control, TXmlAttribute* attribute);
// A date picker: shows MM/dd/yyyy, writes mm/dd/yyyy.
void BindDate(QDateEdit* control, const TField& field);

// Stops writing from control (the control keeps its text).
void Unbind(QWidget* control);
// The element a control is bound to; null when none (or bound to an
// attribute, or to a field not made yet).
TXmlNode* BoundElement(const QWidget* control);
TXmlAttribute* BoundAttribute(const QWidget* control);
// Whether a change of control writes somewhere: into its element or
// attribute, or into the field it adds then.
bool Bound(const QWidget* control);

// The store operations themselves: write the control's current value into
// its bound element now. They do nothing for a control without a binding.
void StoreControlText(QWidget* control);
void StoreComboText(QComboBox* control);
void StoreCheckState(QCheckBox* control);
void StoreControlTextUnescaped(QLineEdit* control);
void StoreCheckStateUnescaped(QCheckBox* control);
void StoreDate(QDateEdit* control);

} // namespace ControlBinding
