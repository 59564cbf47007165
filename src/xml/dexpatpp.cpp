#include "xml/dexpatpp.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <string>

namespace {
dexpatpp* Self(void* userData) {
    return static_cast<dexpatpp*>(userData);
}

// Windows tools write "windows-1252", which expat does not know: Latin-1
// with printable characters where Latin-1 has C1 controls (-1: unused).
const int Windows1252High[32] = {0x20AC, -1,     0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, -1,     0x017D, -1,
                                 -1,     0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, -1,     0x017E, 0x0178};

int XMLCALL OnUnknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
    std::string lower;
    for (const XML_Char* c = name; *c; ++c)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    if (lower != "windows-1252" && lower != "cp1252")
        return XML_STATUS_ERROR;
    for (int i = 0; i < 256; ++i)
        info->map[i] = i >= 0x80 && i < 0xA0 ? Windows1252High[i - 0x80] : i;
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}
} // namespace

void XMLCALL dexpatpp::OnStart(void* self, const XML_Char* name, const XML_Char** atts) {
    Self(self)->StartElement(name, atts);
}
void XMLCALL dexpatpp::OnEnd(void* self, const XML_Char* name) {
    Self(self)->EndElement(name);
}
void XMLCALL dexpatpp::OnChars(void* self, const XML_Char* s, int len) {
    Self(self)->CharacterData(s, len);
}
void XMLCALL dexpatpp::OnPi(void* self, const XML_Char* target, const XML_Char* data) {
    Self(self)->ProcessingInstruction(target, data);
}
void XMLCALL dexpatpp::OnDefault(void* self, const XML_Char* s, int len) {
    Self(self)->Default(s, len);
}
void XMLCALL dexpatpp::OnUnparsed(void* self, const XML_Char* entityName, const XML_Char* base,
                                  const XML_Char* systemId, const XML_Char* publicId,
                                  const XML_Char* notationName) {
    Self(self)->UnparsedEntityDecl(entityName, base, systemId, publicId, notationName);
}
void XMLCALL dexpatpp::OnNotation(void* self, const XML_Char* notationName, const XML_Char* base,
                                  const XML_Char* systemId, const XML_Char* publicId) {
    Self(self)->NotationDecl(notationName, base, systemId, publicId);
}

dexpatpp::dexpatpp() = default;

dexpatpp::~dexpatpp() {
    if (Parser_)
        XML_ParserFree(Parser_);
}

void dexpatpp::RegisterHandlers() {
    if (!Parser_)
        return;
    XML_SetUserData(Parser_, this);
    XML_SetElementHandler(Parser_, &OnStart, &OnEnd);
    XML_SetCharacterDataHandler(Parser_, &OnChars);
    XML_SetProcessingInstructionHandler(Parser_, &OnPi);
    // The expanding variant: a plain default handler would stop internal
    // entities from reaching the character data handler.
    XML_SetDefaultHandlerExpand(Parser_, &OnDefault);
    XML_SetUnparsedEntityDeclHandler(Parser_, &OnUnparsed);
    XML_SetNotationDeclHandler(Parser_, &OnNotation);
    XML_SetUnknownEncodingHandler(Parser_, &OnUnknownEncoding, nullptr);
}

bool dexpatpp::ParseDocument(std::string_view text, const char* encoding, std::string_view tail) {
    char* room = PrepareDocument(text.size() + tail.size(), encoding);
    if (!room)
        return false;
    // std::copy, not memcpy: an empty view may have no data at all.
    std::copy(tail.begin(), tail.end(), std::copy(text.begin(), text.end(), room));
    return ParsePrepared(text.size() + tail.size());
}

char* dexpatpp::PrepareDocument(size_t size, const char* encoding) {
    if (size >= static_cast<size_t>(INT_MAX))
        return nullptr;
    // A fresh parser for each document; FinishDocument lets its buffer go.
    FinishDocument();
    Parser_ = XML_ParserCreate(encoding);
    if (!Parser_)
        return nullptr;
    RegisterHandlers();
    // Asking for nothing gives no buffer; one byte more is harmless.
    return static_cast<char*>(XML_GetBuffer(Parser_, static_cast<int>(size) + 1));
}

void dexpatpp::FinishDocument() {
    if (Parser_)
        XML_ParserFree(Parser_);
    Parser_ = nullptr;
}

bool dexpatpp::ParsePrepared(size_t length) {
    // One final piece: the parser never rescans for positions between pieces.
    return XML_ParseBuffer(Parser_, static_cast<int>(length), XML_TRUE) != XML_STATUS_ERROR;
}

void dexpatpp::StopParser() {
    if (Parser_)
        XML_StopParser(Parser_, XML_FALSE);
}

void dexpatpp::StartElement(const char*, const char**) {}
void dexpatpp::EndElement(const char*) {}
void dexpatpp::CharacterData(const char*, int) {}
void dexpatpp::ProcessingInstruction(const char*, const char*) {}
void dexpatpp::Default(const char*, int) {}
void dexpatpp::UnparsedEntityDecl(const char*, const char*, const char*, const char*, const char*) {
}
void dexpatpp::NotationDecl(const char*, const char*, const char*, const char*) {}
