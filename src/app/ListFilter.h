#pragma once

class QLineEdit;
class QListWidget;

// A "Filter:" field above a long list: typing narrows the list to the
// entries whose text holds what is typed, in any letter case. Entries are
// only hidden, never removed, so rows, the elements they hold and the
// form's handlers stay as they are, and nothing is written. The current
// entry always stays shown, so a new or renamed one never vanishes while
// it is edited.
namespace ListFilter {

// Puts the field above list in list's layout and returns it. The label's
// mnemonic is the first letter of "Filter" no other caption of the window
// uses yet, or else another free letter shown beside it ("Filter (&J):").
QLineEdit* Add(QListWidget* list);
// The field Add put above list; null when it has none.
QLineEdit* FieldOf(const QListWidget* list);

} // namespace ListFilter
