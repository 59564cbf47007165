#pragma once

#include "app/ControlBinding.h"

#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class TScenarioData;
class TXmlNode;

// Fields the leader and vice-leader editors share. Like ControlBinding,
// binding a control again replaces its old binding, and filling writes
// nothing.
namespace CandidateFields {

// The gender list ("M", "F"): shows the first letter of sex in capitals,
// writes "male" or "female".
void BindGender(QComboBox* combo, const ControlBinding::TField& sex);

// The home region list: the name of every region; shows the region whose
// id the home element's id attribute holds (none when it names none or is
// missing), and calls choose with the chosen region's id.
void BindHomeRegion(QComboBox* combo, const TScenarioData& data, const TXmlNode* home,
                    std::function<void(const std::string&)> choose);

// The seven rating fields of candidate's attributes, in the order
// leadership, integrity, experience, issue familiarity, charisma, stamina,
// debating.
void BindRatings(QLineEdit* const (&edits)[7], TXmlNode* candidate);

} // namespace CandidateFields
