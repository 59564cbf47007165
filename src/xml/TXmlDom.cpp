#include "xml/TXmlDom.h"

#include "xml/FileText.h"
#include "xml/Progress.h"
#include "xml/TextEncoding.h"
#include "xml/XmlNames.h"

#include <algorithm>
#include <atomic>
#include <cstring>

std::string TParseError::ToString() const {
    return FileName + ": line " + std::to_string(Line) + ", column " + std::to_string(Column) +
           ": " + Reason;
}

TXmlDom::TXmlDom() {
    NoteChange();
}

TXmlDom::~TXmlDom() = default;

namespace {

// How often a parse tells how far it is: often enough for a smooth bar,
// rarely enough to cost nothing.
constexpr size_t ElementsPerProgress = 2048;
// Elements until the running parse tells how far it is; never while nobody
// listens. One parse at a time runs on a thread.
thread_local size_t UntilProgress = SIZE_MAX;

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

bool DeclaresEncoding(std::string_view text) {
    if (text.rfind("<?xml", 0) != 0)
        return false;
    const size_t end = text.find("?>");
    return text.substr(0, end).find("encoding") != std::string::npos;
}

bool HasUtf16Mark(std::string_view t) {
    return t.size() >= 2 &&
           ((t[0] == '\xFF' && t[1] == '\xFE') || (t[0] == '\xFE' && t[1] == '\xFF'));
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (unsigned char c : text)
        TextEncoding::AppendUtf8(out, c);
    return out;
}

// UTF-16, and Latin-1 read as such (see LoadFromBytes).
bool NeedsConverting(std::string_view bytes) {
    if (TextEncoding::FromUtf16(bytes))
        return true;
    return !HasUtf16Mark(bytes) && !DeclaresEncoding(bytes) && !TextEncoding::IsValidUtf8(bytes);
}

// The parser reads every kind of line end as one, so the bytes need no
// joining; only a last line without its end gets one, as joining gives.
std::string_view EndLineFor(std::string_view bytes) {
    const bool ended = bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r';
    return ended ? std::string_view() : std::string_view("\r\n");
}

} // namespace

bool TXmlDom::LoadFromFile(const std::string& fileName) {
    FileName_ = fileName;
    // Read straight into the parser's buffer, with room for a line end.
    char* buffer = nullptr;
    const size_t size = FileText::ReadInto(
        fileName, [&](size_t bytes) { return buffer = PrepareDocument(bytes + 2); }, &ReadStamp_);
    const std::string_view bytes(buffer, size);
    ReadDigest_ = FileText::Digest(bytes);
    if (NeedsConverting(bytes))
        return LoadFromBytes(std::string(bytes));
    const std::string_view endLine = EndLineFor(bytes);
    std::copy(endLine.begin(), endLine.end(), buffer + size);
    BeginParse();
    ReadBytes_ = size;
    return EndParse(ParsePrepared(size + endLine.size()));
}

bool TXmlDom::LoadFromBytes(const std::string& bytes) {
    // UTF-16 becomes UTF-8 before line ends are joined, which works byte by
    // byte. Its declaration then no longer applies: the parser is told.
    if (const auto utf8 = TextEncoding::FromUtf16(bytes))
        return Parse(JoinLines(*utf8), "UTF-8");
    // Older scenario files carry Latin-1 text without saying so. Converting
    // here rather than telling expat keeps the rules for names identical to
    // those the written UTF-8 file is read with later.
    if (NeedsConverting(bytes))
        return ParseText(Latin1ToUtf8(bytes), nullptr, EndLineFor(bytes));
    return ParseText(bytes, nullptr, EndLineFor(bytes));
}

bool TXmlDom::Parse(const std::string& text, const char* encoding) {
    return ParseText(text, encoding, {});
}

bool TXmlDom::ParseText(std::string_view text, const char* encoding, std::string_view endLine) {
    BeginParse();
    ReadBytes_ = text.size();
    return EndParse(ParseDocument(text, encoding, endLine));
}

void TXmlDom::BeginParse() {
    Root_.reset();
    Current_ = nullptr;
    InElement_ = false;
    Depth_ = 0;
    TooDeep_ = false;
    UntilProgress = Progress::Listening() ? ElementsPerProgress : SIZE_MAX;
    LastError_ = TParseError{FileName_, 0, 0, {}};
}

bool TXmlDom::EndParse(bool parsed) {
    NoteChange();
    if (parsed && !TooDeep_) {
        FinishDocument();
        return true;
    }
    if (XML_Parser parser = Parser()) {
        LastError_.Line = static_cast<int>(XML_GetCurrentLineNumber(parser));
        LastError_.Column = static_cast<int>(XML_GetCurrentColumnNumber(parser)) + 1;
    }
    LastError_.Reason = TooDeep_
                            ? "elements nested deeper than " + std::to_string(MaxDepth) + " levels"
                        : Parser() ? XML_ErrorString(XML_GetErrorCode(Parser()))
                                   : "the document is too large";
    FinishDocument();
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
    // Documents are written much as they were read: room for that at once
    // spares copying a growing text of many megabytes.
    std::string text;
    text.reserve(ReadBytes_ + ReadBytes_ / 64);
    bool valid = true;
    if (!Progress::Listening() || !Root_->HasChildren_) {
        valid = Root_->Write(text, true);
    } else {
        // Child by child, telling how far the text has grown against what
        // was read; the root's own names are checked as Write checks them.
        valid = XmlNames::IsValid(Root_->Name);
        for (const TXmlAttribute* a : Root_->Attributes_)
            valid = valid && XmlNames::IsValid(a->Name);
        if (valid) {
            Root_->AppendStartTag(text);
            text += "\r\n";
        }
        for (uint32_t i = 0; valid && i < Root_->Children_.Size(); ++i) {
            valid = Root_->Children_[i]->Write(text, true);
            Progress::Within(text.size(), std::max(ReadBytes_, text.size() + 1));
        }
        text += "</" + Root_->Name + ">\r\n";
    }
    if (!valid)
        throw TFileError((FileName_.empty() ? std::string("document") : FileName_) +
                         " cannot be written: " + XmlNames::FindInvalid(*Root_));
    if (text.capacity() - text.size() > text.size() / 8)
        text.shrink_to_fit();
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
    if (Root_) {
        Root_->Attached_ = false;
        Root_->Owner_ = this;
        Root_->SetLevel(0);
    }
    Current_ = nullptr;
    NoteChange();
    return *this;
}

std::unique_ptr<TXmlNode> TXmlDom::ReleaseRoot() {
    std::unique_ptr<TXmlNode> root = std::move(Root_);
    if (root)
        root->Owner_ = nullptr;
    Current_ = nullptr;
    NoteChange();
    return root;
}

void TXmlDom::NoteChange() {
    // Shared by all documents, so a revision never repeats across them.
    static std::atomic<uint64_t> last{0};
    Revision_ = last.fetch_add(1, std::memory_order_relaxed) + 1;
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
    if (--UntilProgress == 0) {
        UntilProgress = ElementsPerProgress;
        Progress::Within(static_cast<size_t>(XML_GetCurrentByteIndex(Parser())), ReadBytes_);
    }
    if (!Root_) {
        Root_ = std::make_unique<TXmlNode>(nullptr);
        Root_->Owner_ = this;
        Root_->Name = name;
        Root_->SetParsedAttributes(attributes);
        Current_ = Root_.get();
        return;
    }
    if (!Current_)
        Current_ = Root_.get();
    auto node = std::make_unique<TXmlNode>(Current_);
    node->Name = name;
    node->SetParsedAttributes(attributes);
    Current_->AppendParsedChild(node.get());
    Current_ = node.release();
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
