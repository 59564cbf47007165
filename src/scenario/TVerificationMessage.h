#pragma once

#include <string>
#include <utility>
#include <vector>

class TXmlNode;

// What a quick fix may do about a message; verification knows it where it
// finds the problem.
enum class TRepairKind {
    None,
    // Remove the subject, an entry of a list.
    RemoveItem,
    // The same, but never the last entry: the list must keep one.
    RemoveItemKeepingOne,
    // Set the subject's id to "-1", the none its check allows.
    SetNone,
    // Add the missing child Field to the subject with RepairText (and
    // RepairId as its id when not empty) and RepairChildren in it.
    AddDefault,
};

// One problem found by verification: where, which field, what.
struct TVerificationMessage {
    std::string File;    // the scenario file, for example "parties.xml"
    std::string Section; // may itself hold " >> " separators
    std::string Field;
    std::string Message;
    TXmlNode* Element = nullptr; // valid until the documents change
    std::string ElementPath;     // for example /parties/party[2]/convention

    // The safe repair, if any. The subject is the element it changes: the
    // entry or reference field for a removal or none, the parent lacking
    // Field for an addition. Its fingerprint at the time (start tag and
    // text) tells whether the element at SubjectPath is still that one.
    TRepairKind Repair = TRepairKind::None;
    std::string SubjectPath;
    std::string SubjectTag;
    std::string RepairText;
    std::string RepairId;
    std::vector<std::pair<std::string, std::string>> RepairChildren; // name, text

    std::string Text() const { return Section + " >> " + Field + " >> " + Message; }
};
