#pragma once

#include <expat.h>

#include <cstddef>
#include <string>
#include <string_view>

// Thin forwarding base over one expat parser: each callback calls the virtual
// handler of the same role, which does nothing here.
class dexpatpp {
public:
    dexpatpp();
    virtual ~dexpatpp();
    dexpatpp(const dexpatpp&) = delete;
    dexpatpp& operator=(const dexpatpp&) = delete;

protected:
    virtual void StartElement(const char* name, const char** attributes);
    virtual void EndElement(const char* name);
    virtual void CharacterData(const char* data, int length);
    virtual void ProcessingInstruction(const char* target, const char* data);
    virtual void Default(const char* data, int length);
    virtual void UnparsedEntityDecl(const char* entityName, const char* base, const char* systemId,
                                    const char* publicId, const char* notationName);
    virtual void NotationDecl(const char* notationName, const char* base, const char* systemId,
                              const char* publicId);

    // Parses text as one complete document with a fresh parser state. An
    // encoding (for example "ISO-8859-1") overrides the document's own.
    // tail (if any) follows text as if it ended the document.
    bool ParseDocument(std::string_view text, const char* encoding = nullptr,
                       std::string_view tail = {});
    // The same for a document read straight into the parser's own buffer, so
    // its bytes are held once: PrepareDocument gives room for size bytes
    // (null when there is none), ParsePrepared parses the first length.
    char* PrepareDocument(size_t size, const char* encoding = nullptr);
    bool ParsePrepared(size_t length);
    // Frees the parser and its copy of the document, once the place of an
    // error has been read from it; the next document makes a new one.
    void FinishDocument();
    // Ends the running parse with an error (used for the nesting limit).
    void StopParser();

    // Null between documents.
    XML_Parser Parser() const { return Parser_; }

private:
    void RegisterHandlers();

    static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** atts);
    static void XMLCALL OnEnd(void* self, const XML_Char* name);
    static void XMLCALL OnChars(void* self, const XML_Char* s, int len);
    static void XMLCALL OnPi(void* self, const XML_Char* target, const XML_Char* data);
    static void XMLCALL OnDefault(void* self, const XML_Char* s, int len);
    static void XMLCALL OnUnparsed(void* self, const XML_Char* entityName, const XML_Char* base,
                                   const XML_Char* systemId, const XML_Char* publicId,
                                   const XML_Char* notationName);
    static void XMLCALL OnNotation(void* self, const XML_Char* notationName, const XML_Char* base,
                                   const XML_Char* systemId, const XML_Char* publicId);

    XML_Parser Parser_ = nullptr;
};
