#pragma once

// What the Step 5 windows share when they are opened at an element (see
// ElementTargets): which node the target names and where it sits.
#include "scenario/ElementTargets.h"

class QListWidget;
class QWidget;

namespace PartyTargets {

// The node the target names: Element's child Field, else Element itself.
// A message on a list entry names the list and the entries' name; with
// more than one such entry it names the list.
const TXmlNode* Node(const TElementTarget& target);
// The ancestor-or-self of node that is a child of parent; null when node
// is not below parent.
TXmlNode* ChildOnPath(const TXmlNode* node, const TXmlNode* parent);
// Makes the entry of list whose element holds the target's node (its
// element, or one of the element's ancestors) current; false when none
// does.
bool SelectEntryHolding(QListWidget* list, const TElementTarget& target);
// Focuses the control of form bound to the target's node; false when none
// is.
bool FocusBound(QWidget* form, const TElementTarget& target);

} // namespace PartyTargets
