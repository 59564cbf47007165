#include "xml/TXmlNode.h"

#include "xml/NumberText.h"
#include "xml/TDate.h"
#include "xml/TXmlDom.h"
#include "xml/TextEncoding.h"
#include "xml/XmlNames.h"

#include <algorithm>
#include <unordered_map>

TXmlNode::~TXmlNode() = default;

void TXmlNode::MarkChanged() {
    const TXmlNode* top = this;
    while (top->Attached_)
        top = top->Container_;
    if (top->Owner_)
        top->Owner_->NoteChange();
}

void TXmlAttribute::MarkChanged() {
    if (Owner_)
        Owner_->MarkChanged();
}

int32_t TXmlNode::IndexOfChild(const std::string& name) const {
    for (uint32_t i = 0; i < Children_.Size(); ++i)
        if (Children_[i]->Name == name)
            return static_cast<int32_t>(i);
    return -1;
}

TXmlNode* TXmlNode::GetChildAt(int32_t index) const {
    if (index < 0 || index >= ChildCount())
        return nullptr;
    return Children_[static_cast<size_t>(index)];
}

TXmlNode* TXmlNode::GetChild(const std::string& name) const {
    return GetChildAt(IndexOfChild(name));
}

int32_t TXmlNode::AddChild(std::unique_ptr<TXmlNode> node) {
    HasChildren_ = true;
    TXmlNode* raw = node.release();
    Children_.Push(raw);
    raw->Index_ = Children_.Size() - 1;
    raw->Attached_ = true;
    raw->Container_ = this;
    raw->SetLevel(Level_ + 1);
    MarkChanged();
    return raw->Index();
}

void TXmlNode::AppendParsedChild(TXmlNode* node) {
    HasChildren_ = true;
    node->Index_ = Children_.Size();
    node->Attached_ = true;
    node->Container_ = this;
    node->Level_ = Level_ + 1;
    Children_.Push(node);
}

TXmlNode* TXmlNode::AddNewChild(const std::string& name, const std::string& text) {
    auto node = std::make_unique<TXmlNode>(this);
    node->Name = name;
    node->SetText(text);
    TXmlNode* raw = node.get();
    AddChild(std::move(node));
    return raw;
}

std::unique_ptr<TXmlNode> TXmlNode::RemoveChild(TXmlNode* node) {
    for (uint32_t i = 0; i < Children_.Size(); ++i) {
        if (Children_[i] != node)
            continue;
        std::unique_ptr<TXmlNode> removed(Children_.Take(i));
        removed->Attached_ = false;
        removed->Owner_ = nullptr;
        RenumberChildren();
        MarkChanged();
        return removed;
    }
    return nullptr;
}

void TXmlNode::ExchangeChildren(int32_t i, int32_t j) {
    if (i == j || i < 0 || j < 0 || i >= ChildCount() || j >= ChildCount())
        return;
    Children_.Swap(static_cast<uint32_t>(i), static_cast<uint32_t>(j));
    RenumberChildren();
    MarkChanged();
}

namespace {
bool Matches(const TXmlNode& n, const std::string& name, const std::string& attrName,
             const std::string& attrValue) {
    if (!name.empty() && n.Name != name)
        return false;
    const TXmlAttribute* a = n.GetAttribute(attrName);
    return a && a->Value == attrValue;
}
} // namespace

TXmlNode* TXmlNode::FindChild(const std::string& name, const std::string& attrName,
                              const std::string& attrValue) const {
    for (TXmlNode* c : Children_)
        if (Matches(*c, name, attrName, attrValue))
            return c;
    return nullptr;
}

TXmlNode* TXmlNode::FindNode(const std::string& name, const std::string& attrName,
                             const std::string& attrValue) {
    // Pre-order walk with an explicit stack, so depth never costs call stack.
    std::vector<TXmlNode*> stack{this};
    while (!stack.empty()) {
        TXmlNode* n = stack.back();
        stack.pop_back();
        if (Matches(*n, name, attrName, attrValue))
            return n;
        for (uint32_t i = n->Children_.Size(); i-- > 0;)
            stack.push_back(n->Children_[i]);
    }
    return nullptr;
}

void TXmlNode::SetLevel(int32_t level) {
    // A child is always one level below its parent: a node at its level
    // has its whole subtree right.
    if (Level_ == level)
        return;
    MarkChanged();
    if (Children_.Empty()) {
        Level_ = level;
        return;
    }
    std::vector<std::pair<TXmlNode*, int32_t>> stack{{this, level}};
    while (!stack.empty()) {
        auto [n, l] = stack.back();
        stack.pop_back();
        n->Level_ = l;
        if (n->HasChildren_)
            for (TXmlNode* c : n->Children_)
                stack.emplace_back(c, l + 1);
    }
}

int32_t TXmlNode::IndexOfAttribute(const std::string& name) const {
    for (uint32_t i = 0; i < Attributes_.Size(); ++i)
        if (Attributes_[i]->Name == name)
            return static_cast<int32_t>(i);
    return -1;
}

TXmlAttribute* TXmlNode::GetAttributeAt(int32_t index) const {
    if (index < 0 || index >= AttributeCount())
        return nullptr;
    return Attributes_[static_cast<size_t>(index)];
}

TXmlAttribute* TXmlNode::GetAttribute(const std::string& name) const {
    return GetAttributeAt(IndexOfAttribute(name));
}

std::string TXmlNode::AttributeValue(const std::string& name, const std::string& fallback) const {
    const TXmlAttribute* a = GetAttribute(name);
    return a ? a->Value : fallback;
}

int32_t TXmlNode::SetAttribute(const std::string& name, const std::string& value) {
    return AddAttribute(std::make_unique<TXmlAttribute>(name, value));
}

int32_t TXmlNode::AddAttribute(std::unique_ptr<TXmlAttribute> attribute) {
    int32_t p = IndexOfAttribute(attribute->Name);
    if (p >= 0) {
        Attributes_.Replace(static_cast<uint32_t>(p), attribute.release());
    } else {
        Attributes_.Push(attribute.release());
        p = AttributeCount() - 1;
    }
    Attributes_[static_cast<size_t>(p)]->Index = p;
    Attributes_[static_cast<size_t>(p)]->Owner_ = this;
    MarkChanged();
    return p;
}

void TXmlNode::SetAttributes(const char** pairs) {
    if (!pairs)
        return;
    // The parser refuses repeated names, but other callers may repeat one:
    // a hash of the names keeps even an element with 100,000 attributes
    // linear, where looking each name up among the earlier ones was not.
    std::unordered_map<std::string, size_t> index;
    for (uint32_t i = 0; i < Attributes_.Size(); ++i)
        index.emplace(Attributes_[i]->Name, i);
    for (size_t i = 0; pairs[i] && pairs[i + 1]; i += 2) {
        auto attribute = std::make_unique<TXmlAttribute>(pairs[i], pairs[i + 1]);
        const auto [at, added] = index.emplace(attribute->Name, Attributes_.Size());
        attribute->Index = static_cast<int32_t>(at->second);
        attribute->Owner_ = this;
        if (added)
            Attributes_.Push(attribute.release());
        else
            Attributes_.Replace(static_cast<uint32_t>(at->second), attribute.release());
    }
    MarkChanged();
}

void TXmlNode::SetParsedAttributes(const char** pairs) {
    uint32_t count = 0;
    while (pairs[count] && pairs[count + 1])
        count += 2;
    if (count == 0)
        return;
    Attributes_.Reserve(count / 2);
    for (uint32_t i = 0; i < count; i += 2) {
        auto* attribute = new TXmlAttribute(pairs[i], pairs[i + 1]);
        attribute->Index = static_cast<int32_t>(i / 2);
        attribute->Owner_ = this;
        Attributes_.Push(attribute);
    }
}

void TXmlNode::RemoveAttributeAt(int32_t index) {
    if (index < 0 || index >= AttributeCount())
        return;
    delete Attributes_.Take(static_cast<uint32_t>(index));
    RenumberAttributes();
    MarkChanged();
}

void TXmlNode::RemoveAttribute(TXmlAttribute* attribute) {
    for (uint32_t i = 0; i < Attributes_.Size(); ++i)
        if (Attributes_[i] == attribute) {
            RemoveAttributeAt(static_cast<int32_t>(i));
            return;
        }
}

std::string TXmlNode::GetText() const {
    return TextEncoding::Decode(Text);
}

void TXmlNode::SetText(const std::string& value) {
    Text = TextEncoding::Encode(value);
    MarkChanged();
}

int32_t TXmlNode::AsInteger() const {
    return NumberText::ParseInteger(Text).value_or(0);
}

double TXmlNode::AsDecimal() const {
    if (Text.empty())
        return 0.0;
    const auto v = NumberText::ParseDecimal(GetText());
    if (!v)
        throw TConversionError("'" + GetText() + "' is not a valid floating point value");
    return *v;
}

TDate TXmlNode::AsDate() const {
    const auto d = TDate::Parse(GetText());
    if (!d)
        throw TConversionError("'" + GetText() + "' is not a valid date");
    return *d;
}

TXmlNode* TXmlNode::CopyNode(TXmlNode* dest, const TXmlNode* source) {
    if (dest == source)
        return dest;
    dest->Attributes_.Clear();
    dest->Children_.Clear();
    dest->Name = source->Name;
    dest->Text = source->Text;
    for (const TXmlAttribute* a : source->Attributes_)
        dest->SetAttribute(a->Name, a->Value);
    // Iterative deep copy: (copy target, original) pairs still to fill.
    std::vector<std::pair<TXmlNode*, const TXmlNode*>> work{{dest, source}};
    while (!work.empty()) {
        auto [to, from] = work.back();
        work.pop_back();
        to->Children_.Reserve(from->Children_.Size());
        for (const TXmlNode* c : from->Children_) {
            auto* copy = new TXmlNode(to);
            copy->Name = c->Name;
            copy->Text = c->Text;
            copy->Attributes_.Reserve(c->Attributes_.Size());
            for (const TXmlAttribute* a : c->Attributes_) {
                auto* attribute = new TXmlAttribute(a->Name, a->Value);
                attribute->Index = static_cast<int32_t>(copy->Attributes_.Size());
                attribute->Owner_ = copy;
                copy->Attributes_.Push(attribute);
            }
            to->AppendParsedChild(copy);
            work.emplace_back(copy, c);
        }
    }
    dest->MarkChanged();
    return dest;
}

std::string TXmlNode::StartTag() const {
    std::string line;
    AppendStartTag(line);
    return line;
}

void TXmlNode::AppendStartTag(std::string& out) const {
    out.append(static_cast<size_t>(std::max(Level_, 0)) * 3, ' ');
    out += '<';
    out += Name;
    for (const TXmlAttribute* a : Attributes_) {
        out += ' ';
        a->AppendTo(out);
    }
    out += '>';
}

namespace {
void AppendEndTag(std::string& out, const std::string& name) {
    out += "</";
    out += name;
    out += ">\r\n";
}

void AppendTrimmed(std::string& out, const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    out.append(s, b, e - b);
}
} // namespace

void TXmlNode::WriteTo(std::string& out) const {
    Write(out, false);
}

bool TXmlNode::Write(std::string& out, bool checkNames) const {
    const auto valid = [checkNames](const TXmlNode* n) {
        if (!checkNames)
            return true;
        if (!XmlNames::IsValid(n->Name))
            return false;
        for (const TXmlAttribute* a : n->Attributes_)
            if (!XmlNames::IsValid(a->Name))
                return false;
        return true;
    };
    // Explicit stack of (node, closing?) so deep trees cannot overflow.
    std::vector<std::pair<const TXmlNode*, bool>> stack{{this, false}};
    while (!stack.empty()) {
        auto [n, closing] = stack.back();
        stack.pop_back();
        if (closing) {
            out.append(static_cast<size_t>(std::max(n->Level_, 0)) * 3, ' ');
            AppendEndTag(out, n->Name);
        } else if (!valid(n)) {
            return false;
        } else if (n->HasChildren_) {
            n->AppendStartTag(out);
            out += "\r\n";
            stack.emplace_back(n, true);
            for (uint32_t i = n->Children_.Size(); i-- > 0;)
                stack.emplace_back(n->Children_[i], false);
        } else {
            n->AppendStartTag(out);
            AppendTrimmed(out, n->Text);
            AppendEndTag(out, n->Name);
        }
    }
    return true;
}

void TXmlNode::RenumberChildren() {
    for (uint32_t i = 0; i < Children_.Size(); ++i)
        Children_[i]->Index_ = i;
}

void TXmlNode::RenumberAttributes() {
    for (uint32_t i = 0; i < Attributes_.Size(); ++i)
        Attributes_[i]->Index = static_cast<int32_t>(i);
}
