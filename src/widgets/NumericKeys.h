#pragma once

#include <QKeyEvent>
#include <QLineEdit>

namespace NumericKeys {

// Where a typed character would go: the selection start, else the caret.
inline int InsertPosition(const QLineEdit& edit) {
    return edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
}

// The printable character a key press types; null for editing and control
// keys (backspace, arrows, shortcuts), which are never filtered.
inline QChar TypedCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() == 0x7F)
        return QChar();
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QChar();
    return text[0];
}

} // namespace NumericKeys
