#pragma once

// Finding, reading and working the controls of a form, and the documents
// behind them.
#include "xml/TXmlNode.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;

namespace GuiTest {

// The control called name in form; ends the test run when there is none.
template <typename T> T* Find(QWidget* form, const char* name) {
    T* control = form->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// The element at a path of child names below root ("economy/targets"); null
// when a step is missing.
TXmlNode* At(const TXmlNode* root, const std::string& path);
// Its text, "<missing>" when there is no such element.
std::string Text(const TXmlNode* root, const std::string& path);
// Removes the element at path; fails the test when there is none.
void Remove(TXmlNode* root, const std::string& path);

// The texts of the entries, in order.
QStringList Entries(const QListWidget* list);
QStringList Entries(const QComboBox* combo);

// Replaces the text of a text box or memo by typing it.
void Type(QWidget* edit, const QString& text);
// Chooses the entry showing text; ends the test run when there is none.
void Choose(QComboBox* combo, const QString& text);
// Selects the entries showing one of texts, and only those.
void SelectLines(QListWidget* list, const QStringList& texts);

// Clicks the button (or other control) called name in form.
void Click(QWidget* form, const char* name);

// Runs open, which shows a window modally; once it shows, lets act work it
// and closes it unless act did (WhenOnTop for any window). Returns the
// window's class, empty when none opened.
QString WhileModal(const std::function<void()>& open,
                   const std::function<void(QWidget*)>& act = {});

// A control and the element it edits, as a path below the form's item.
struct TBinding {
    const char* Control;
    const char* Path;
};
// What is wrong with the bindings of form: a control bound to another element
// than its path names, or a text box or memo not showing that element's text.
QString BindingFaults(const QWidget* form, const TXmlNode* item,
                      const std::vector<TBinding>& bindings);

// Removes the fields at paths ("goals/seats") from item, opens the form with
// open, and edits once each control named in controls (typing "7", choosing
// the first entry, toggling). Returns what went wrong: an edit that stored
// nothing, or the item's elements no longer laid out as before.
QString EditsAddMissingFields(TXmlNode* item, const std::vector<std::string>& paths,
                              const std::function<std::unique_ptr<QWidget>()>& open,
                              const std::vector<const char*>& controls);

} // namespace GuiTest
