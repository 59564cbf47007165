#pragma once

#include "xml/TOwnedList.h"
#include "xml/TXmlAttribute.h"
#include "xml/TreeBlocks.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// A text that does not convert to the requested number or date.
class TConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TDate;

// One element of a scenario document. Text is held in its stored form: the
// exact characters the writer puts between the tags (plain characters as
// they are, everything else as a numeric reference). Use GetText/SetText for
// the real characters.
class TXmlDom;

class TXmlNode {
public:
    explicit TXmlNode(TXmlNode* parent = nullptr) : Parent_(parent) {}
    TXmlNode(const TXmlNode&) = delete;
    TXmlNode& operator=(const TXmlNode&) = delete;
    ~TXmlNode();
    static void* operator new(size_t size) { return TreeBlocks::Take(size); }
    static void operator delete(void* block, size_t size) { TreeBlocks::Give(block, size); }

    std::string Name;
    std::string Text;

    // The parent given at construction; adding the node elsewhere keeps it.
    TXmlNode* Parent() const { return Parent_; }
    // Set by the first AddChild and never cleared: such an element is always
    // written as a block, even when all its children were removed.
    bool HasChildren() const { return HasChildren_; }
    int32_t Index() const { return static_cast<int32_t>(Index_); }
    int32_t Level() const { return Level_; }

    // Every change through these methods counts as a change of the document
    // holding the node (TXmlDom::Revision). Whoever writes Text, Name or an
    // attribute's Value directly calls this afterwards.
    void MarkChanged();

    // Children
    int32_t ChildCount() const { return static_cast<int32_t>(Children_.Size()); }
    int32_t IndexOfChild(const std::string& name) const;
    TXmlNode* GetChildAt(int32_t index) const;
    TXmlNode* GetChild(const std::string& name) const;
    int32_t AddChild(std::unique_ptr<TXmlNode> node);
    // Convenience for templates: a new child of this node, appended.
    TXmlNode* AddNewChild(const std::string& name, const std::string& text = {});
    // Detaches node and hands it to the caller; null when it is not a child.
    std::unique_ptr<TXmlNode> RemoveChild(TXmlNode* node);
    void ExchangeChildren(int32_t i, int32_t j);
    TXmlNode* FindChild(const std::string& name, const std::string& attrName,
                        const std::string& attrValue) const;
    TXmlNode* FindNode(const std::string& name, const std::string& attrName,
                       const std::string& attrValue);
    void SetLevel(int32_t level);

    // Attributes
    int32_t AttributeCount() const { return static_cast<int32_t>(Attributes_.Size()); }
    int32_t IndexOfAttribute(const std::string& name) const;
    TXmlAttribute* GetAttributeAt(int32_t index) const;
    TXmlAttribute* GetAttribute(const std::string& name) const;
    int32_t SetAttribute(const std::string& name, const std::string& value);
    int32_t AddAttribute(std::unique_ptr<TXmlAttribute> attribute);
    // pairs: name, value, name, value, ..., nullptr (as expat delivers them).
    void SetAttributes(const char** pairs);
    void RemoveAttributeAt(int32_t index);
    void RemoveAttribute(TXmlAttribute* attribute);
    // The value of an attribute, or fallback when there is none.
    std::string AttributeValue(const std::string& name, const std::string& fallback = {}) const;

    // Text and typed values
    std::string GetText() const;
    void SetText(const std::string& value);
    int32_t AsInteger() const;
    double AsDecimal() const; // throws TConversionError
    TDate AsDate() const;     // throws TConversionError

    // Replaces dest's content by a deep copy of source; returns dest.
    static TXmlNode* CopyNode(TXmlNode* dest, const TXmlNode* source);

    // Writing: the start tag line, and all lines of this subtree appended to
    // out, each ended by CR LF.
    std::string StartTag() const;
    void WriteTo(std::string& out) const;

private:
    friend class TXmlDom;

    void AppendStartTag(std::string& out) const;
    // WriteTo; with checkNames it stops, false, at the first element or
    // attribute whose name no reader would accept.
    bool Write(std::string& out, bool checkNames) const;
    void RenumberChildren();
    void RenumberAttributes();
    // The parser's way in: expat refuses repeated attribute names, and an
    // element's level is known when it starts.
    void AppendParsedChild(TXmlNode* node);
    void SetParsedAttributes(const char** pairs);

    TXmlNode* Parent_;
    // While the node is another's child: that element, which Parent_ need not
    // be. Otherwise the document holding it as root, if any.
    union {
        TXmlNode* Container_;
        TXmlDom* Owner_ = nullptr;
    };
    TOwnedList<TXmlAttribute> Attributes_;
    TOwnedList<TXmlNode> Children_;
    int32_t Level_ = 0;
    uint32_t Index_ : 30 = 0;
    uint32_t HasChildren_ : 1 = false;
    uint32_t Attached_ : 1 = false;
};
