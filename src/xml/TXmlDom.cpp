#include "xml/TXmlDom.h"

#include "xml/FileText.h"
#include "xml/TextEncoding.h"
#include "xml/XmlNames.h"

#include <cstring>

std::string TParseError::ToString() const {
    return FileName + ": line " + std::to_string(Line) + ", column " + std::to_string(Column) +
           ": " + Reason;
}

TXmlDom::~TXmlDom() = default;

namespace {

// Lines joined with CR LF whatever their original line breaks. The lines
// are found with memchr and copied whole: this runs over every byte loaded.
std::string JoinLines(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 2);
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const void* found = std::memchr(p, '\n', static_cast<size_t>(end - p));
        const char* lineFeed = found ? static_cast<const char*>(found) : end;
        // Carriage returns before the line feed end lines of their own, except
        // the one right before it, which pairs with it.
        while (const void* cr = std::memchr(p, '\r', static_cast<size_t>(lineFeed - p))) {
            const char* carriageReturn = static_cast<const char*>(cr);
            text.append(p, carriageReturn);
            text += "\r\n";
            p = carriageReturn + 1;
            if (p == lineFeed)
                break;
        }
        if (p == lineFeed && lineFeed != end && p > bytes.data() && p[-1] == '\r') {
            ++p; // the line feed of a CR LF pair already written
            continue;
        }
        text.append(p, lineFeed);
        if (lineFeed == end)
            break;
        text += "\r\n";
        p = lineFeed + 1;
    }
    if (!text.empty() && (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0))
        text += "\r\n";
    return text;
}

bool DeclaresEncoding(const std::string& text) {
    if (text.rfind("<?xml", 0) != 0)
        return false;
    const size_t end = text.find("?>");
    return text.substr(0, end).find("encoding") != std::string::npos;
}

bool HasUtf16Mark(const std::string& t) {
    return t.size() >= 2 &&
           ((t[0] == '\xFF' && t[1] == '\xFE') || (t[0] == '\xFE' && t[1] == '\xFF'));
}

std::string Latin1ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (unsigned char c : text)
        TextEncoding::AppendUtf8(out, c);
    return out;
}

} // namespace

bool TXmlDom::LoadFromFile(const std::string& fileName) {
    const std::string bytes = FileText::Read(fileName);
    FileName_ = fileName;
    return LoadFromBytes(bytes);
}

bool TXmlDom::LoadFromBytes(const std::string& bytes) {
    // UTF-16 becomes UTF-8 before line ends are joined, which works byte by
    // byte. Its declaration then no longer applies: the parser is told.
    if (const auto utf8 = TextEncoding::FromUtf16(bytes))
        return Parse(JoinLines(*utf8), "UTF-8");
    const std::string text = JoinLines(bytes);
    // Older scenario files carry Latin-1 text without saying so. Converting
    // here rather than telling expat keeps the rules for names identical to
    // those the written UTF-8 file is read with later.
    if (!HasUtf16Mark(text) && !DeclaresEncoding(text) && !TextEncoding::IsValidUtf8(text))
        return Parse(Latin1ToUtf8(text));
    return Parse(text);
}

bool TXmlDom::Parse(const std::string& text, const char* encoding) {
    Root_.reset();
    Current_ = nullptr;
    InElement_ = false;
    Depth_ = 0;
    TooDeep_ = false;
    LastError_ = TParseError{FileName_, 0, 0, {}};
    const bool ok = ParseDocument(text, encoding);
    if (ok && !TooDeep_)
        return true;
    LastError_.Line = static_cast<int>(XML_GetCurrentLineNumber(Parser()));
    LastError_.Column = static_cast<int>(XML_GetCurrentColumnNumber(Parser())) + 1;
    LastError_.Reason = TooDeep_
                            ? "elements nested deeper than " + std::to_string(MaxDepth) + " levels"
                            : XML_ErrorString(XML_GetErrorCode(Parser()));
    return false;
}

void TXmlDom::SaveToFile(const std::string& fileName) {
    FileName_ = fileName;
    TFileTransaction transaction;
    transaction.Stage(fileName, ToText());
    transaction.Commit();
}

std::string TXmlDom::ToText() const {
    if (!Root_)
        return {};
    // Refuse rather than write a file that no reader accepts.
    if (const std::string invalid = XmlNames::FindInvalid(*Root_); !invalid.empty())
        throw TFileError((FileName_.empty() ? std::string("document") : FileName_) +
                         " cannot be written: " + invalid);
    std::string text;
    Root_->WriteTo(text);
    return text;
}

TXmlDom& TXmlDom::SetRoot(const TXmlNode* node) {
    auto root = std::make_unique<TXmlNode>(nullptr);
    if (node)
        TXmlNode::CopyNode(root.get(), node);
    root->SetLevel(0);
    return AdoptRoot(std::move(root));
}

TXmlDom& TXmlDom::AdoptRoot(std::unique_ptr<TXmlNode> node) {
    Root_ = std::move(node);
    if (Root_)
        Root_->SetLevel(0);
    Current_ = nullptr;
    return *this;
}

void TXmlDom::StartElement(const char* name, const char** attributes) {
    if (TooDeep_)
        return;
    if (++Depth_ > MaxDepth) {
        TooDeep_ = true;
        StopParser();
        return;
    }
    InElement_ = true;
    if (!Root_) {
        Root_ = std::make_unique<TXmlNode>(nullptr);
        Root_->Name = name;
        Root_->SetAttributes(attributes);
        Root_->SetLevel(0);
        Current_ = Root_.get();
        return;
    }
    if (!Current_)
        Current_ = Root_.get();
    auto node = std::make_unique<TXmlNode>(Current_);
    node->Name = name;
    node->SetAttributes(attributes);
    TXmlNode* raw = node.get();
    Current_->AddChild(std::move(node));
    Current_ = raw;
}

void TXmlDom::EndElement(const char*) {
    if (TooDeep_)
        return;
    --Depth_;
    if (Current_)
        Current_ = Current_->Parent();
    InElement_ = false;
}

void TXmlDom::CharacterData(const char* data, int length) {
    if (!InElement_ || !Current_ || TooDeep_ || length <= 0)
        return;
    // Appending the stored form of the piece equals re-encoding the whole
    // decoded text: the encoding works character by character.
    TextEncoding::AppendEncoded(Current_->Text,
                                std::string_view(data, static_cast<size_t>(length)));
}
