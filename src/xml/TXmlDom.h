#pragma once

#include "xml/FileText.h"
#include "xml/TFileError.h"
#include "xml/TXmlNode.h"
#include "xml/dexpatpp.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

// Where and why the last parse failed.
struct TParseError {
    std::string FileName;
    int Line = 0;
    int Column = 0;
    std::string Reason;
    // "file: line L, column C: reason"
    std::string ToString() const;
};

// One XML document: read through expat into a TXmlNode tree, written back in
// the fixed layout (three spaces per level, CR LF line ends, no declaration).
class TXmlDom : public dexpatpp {
public:
    // Deeper documents are refused; no scenario comes near it.
    static constexpr int MaxDepth = 200;

    TXmlDom();
    ~TXmlDom() override;

    // Throws TFileError when the file cannot be read; false on a parse error
    // (see LastError). Bytes that are not UTF-8 in a file without a
    // declaration are read as ISO-8859-1, as older scenario files were.
    bool LoadFromFile(const std::string& fileName);
    // The same for the bytes of a file already read.
    bool LoadFromBytes(const std::string& bytes);
    // An encoding (for example "UTF-8") overrides the document's declaration.
    bool Parse(const std::string& text, const char* encoding = nullptr);
    // Throws TFileError when the file cannot be written.
    void SaveToFile(const std::string& fileName);
    // The whole written form of the document. Throws TFileError, naming the
    // place, when an element or attribute has an empty or invalid name.
    std::string ToText() const;
    TXmlDom& SetRoot(const TXmlNode* node);
    // Takes over node as root (no copy).
    TXmlDom& AdoptRoot(std::unique_ptr<TXmlNode> node);
    // Hands the root over to the caller, leaving the document without one.
    std::unique_ptr<TXmlNode> ReleaseRoot();

    TXmlNode* Root() const { return Root_.get(); }
    // Changes with every change of the document (its root replaced, or any
    // change made through TXmlNode); never the same for two different
    // states of any document in this process.
    uint64_t Revision() const { return Revision_; }
    const std::string& FileName() const { return FileName_; }
    // The file LoadFromFile last read, as it was when read, and the digest
    // of its bytes.
    const TFileStamp& ReadStamp() const { return ReadStamp_; }
    uint64_t ReadDigest() const { return ReadDigest_; }
    const TParseError& LastError() const { return LastError_; }

protected:
    void StartElement(const char* name, const char** attributes) override;
    void EndElement(const char* name) override;
    void CharacterData(const char* data, int length) override;

private:
    friend class TXmlNode;
    void NoteChange();
    // text, then endLine when it is not empty.
    bool ParseText(std::string_view text, const char* encoding, std::string_view endLine);
    void BeginParse();
    bool EndParse(bool parsed);

    std::string FileName_;
    std::unique_ptr<TXmlNode> Root_;
    TXmlNode* Current_ = nullptr;
    bool InElement_ = false;
    int Depth_ = 0;
    bool TooDeep_ = false;
    TParseError LastError_;
    uint64_t Revision_ = 0;
    size_t ReadBytes_ = 0;
    TFileStamp ReadStamp_;
    uint64_t ReadDigest_ = 0;
};
