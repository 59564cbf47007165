#pragma once

#include "scenario/edit/EventsEdit.h"

#include <QString>

#include <vector>

class QComboBox;
class TXmlNode;

// Drop-down lists of the event editors whose entries hold their elements.
namespace EventNameLists {

// Replaces the entries of box by items (signals are the caller's business).
void Fill(QComboBox* box, const std::vector<EventsEdit::TNamedItem>& items);
// The element of the chosen entry; null when none is chosen.
TXmlNode* Chosen(const QComboBox* box);
// Selects the entry whose element has the given id; none when no entry has.
void ChooseById(QComboBox* box, const std::string& id);
// The text of an event's name element; empty without one.
QString EventName(const TXmlNode* event);

} // namespace EventNameLists
