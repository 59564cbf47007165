#include "xml/TXmlAttribute.h"

std::string TXmlAttribute::ToString() const {
    std::string out;
    AppendTo(out);
    return out;
}

void TXmlAttribute::AppendTo(std::string& out) const {
    out += Name;
    out += "=\"";
    for (char c : Value) {
        switch (c) {
        case '"':
            out += "&quot;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            // Other control characters cannot appear in an XML attribute.
            if (static_cast<unsigned char>(c) >= 0x20)
                out += c;
        }
    }
    out += '"';
}
