#pragma once

#include <QString>

#include <string>

// What the designer reads on screen for a window and a field, so messages
// about an element can name the place in the designer's words.
namespace FieldCaptions {

// The title of form (a window class) without its step; empty when unknown.
QString Window(const std::string& form);
// The caption beside the field of form that edits the child field of an
// element named parent; empty when unknown.
QString Field(const std::string& form, const std::string& parent, const std::string& field);
// A label's text as a caption: no mnemonic marks, no closing colon.
QString Shown(const QString& label);

} // namespace FieldCaptions
