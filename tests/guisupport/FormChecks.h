#pragma once

#include "xml/TXmlNode.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDialog;

namespace GuiTest {

// The control called name in form; ends the test run when there is none.
template <typename T> T* Find(QWidget* form, const char* name) {
    T* control = form->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// The text of parent's child name, "<missing>" when there is none.
inline std::string Text(const TXmlNode* parent, const char* name) {
    const TXmlNode* child = parent ? parent->GetChild(name) : nullptr;
    return child ? child->GetText() : std::string("<missing>");
}

// Presses Enter (both keys) in every enabled line edit of a shown form and
// checks that nothing happened: no prompt, no button pressed, the form
// still open, and no push button that Enter could press.
void PressEnterEverywhere(QDialog* form);

// Removes the fields at paths ("goals/seats") from item, opens the form with
// open, and edits once each control named in controls (typing "7", choosing
// the first entry, toggling). Returns what went wrong: an edit that stored
// nothing, or the item's elements no longer laid out as before.
QString EditsAddMissingFields(TXmlNode* item, const std::vector<std::string>& paths,
                              const std::function<std::unique_ptr<QWidget>()>& open,
                              const std::vector<const char*>& controls);

} // namespace GuiTest
