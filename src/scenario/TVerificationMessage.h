#pragma once

#include <string>

class TXmlNode;

// One problem found by verification: where, which field, what.
struct TVerificationMessage {
    std::string File;    // the scenario file, for example "parties.xml"
    std::string Section; // may itself hold " >> " separators
    std::string Field;
    std::string Message;
    TXmlNode* Element = nullptr; // valid until the documents change
    std::string ElementPath;     // for example /parties/party[2]/convention

    std::string Text() const { return Section + " >> " + Field + " >> " + Message; }
};
