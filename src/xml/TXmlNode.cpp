#include "xml/TXmlNode.h"

#include "xml/NumberText.h"
#include "xml/TDate.h"
#include "xml/TextEncoding.h"

#include <algorithm>
#include <unordered_map>

TXmlNode::~TXmlNode() = default;

int32_t TXmlNode::IndexOfChild(const std::string& name) const {
    for (size_t i = 0; i < Children_.size(); ++i)
        if (Children_[i]->Name == name)
            return static_cast<int32_t>(i);
    return -1;
}

TXmlNode* TXmlNode::GetChildAt(int32_t index) const {
    if (index < 0 || index >= ChildCount())
        return nullptr;
    return Children_[static_cast<size_t>(index)].get();
}

TXmlNode* TXmlNode::GetChild(const std::string& name) const {
    return GetChildAt(IndexOfChild(name));
}

int32_t TXmlNode::AddChild(std::unique_ptr<TXmlNode> node) {
    HasChildren_ = true;
    TXmlNode* raw = node.get();
    Children_.push_back(std::move(node));
    raw->Index_ = ChildCount() - 1;
    raw->SetLevel(Level_ + 1);
    return raw->Index_;
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
    auto it = std::find_if(Children_.begin(), Children_.end(),
                           [node](const auto& c) { return c.get() == node; });
    if (it == Children_.end())
        return nullptr;
    std::unique_ptr<TXmlNode> removed = std::move(*it);
    Children_.erase(it);
    RenumberChildren();
    return removed;
}

void TXmlNode::ExchangeChildren(int32_t i, int32_t j) {
    if (i == j || i < 0 || j < 0 || i >= ChildCount() || j >= ChildCount())
        return;
    std::swap(Children_[static_cast<size_t>(i)], Children_[static_cast<size_t>(j)]);
    RenumberChildren();
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
    for (const auto& c : Children_)
        if (Matches(*c, name, attrName, attrValue))
            return c.get();
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
        for (auto it = n->Children_.rbegin(); it != n->Children_.rend(); ++it)
            stack.push_back(it->get());
    }
    return nullptr;
}

void TXmlNode::SetLevel(int32_t level) {
    // Every element loaded is added as a leaf: no walk for it.
    if (Children_.empty()) {
        Level_ = level;
        return;
    }
    std::vector<std::pair<TXmlNode*, int32_t>> stack{{this, level}};
    while (!stack.empty()) {
        auto [n, l] = stack.back();
        stack.pop_back();
        n->Level_ = l;
        if (n->HasChildren_)
            for (const auto& c : n->Children_)
                stack.emplace_back(c.get(), l + 1);
    }
}

int32_t TXmlNode::IndexOfAttribute(const std::string& name) const {
    for (size_t i = 0; i < Attributes_.size(); ++i)
        if (Attributes_[i]->Name == name)
            return static_cast<int32_t>(i);
    return -1;
}

TXmlAttribute* TXmlNode::GetAttributeAt(int32_t index) const {
    if (index < 0 || index >= AttributeCount())
        return nullptr;
    return Attributes_[static_cast<size_t>(index)].get();
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
        Attributes_[static_cast<size_t>(p)] = std::move(attribute);
    } else {
        Attributes_.push_back(std::move(attribute));
        p = AttributeCount() - 1;
    }
    Attributes_[static_cast<size_t>(p)]->Index = p;
    return p;
}

void TXmlNode::SetAttributes(const char** pairs) {
    if (!pairs)
        return;
    // The parser refuses repeated names, but other callers may repeat one:
    // a hash of the names keeps even an element with 100,000 attributes
    // linear, where looking each name up among the earlier ones was not.
    std::unordered_map<std::string, size_t> index;
    for (size_t i = 0; i < Attributes_.size(); ++i)
        index.emplace(Attributes_[i]->Name, i);
    for (size_t i = 0; pairs[i] && pairs[i + 1]; i += 2) {
        auto attribute = std::make_unique<TXmlAttribute>(pairs[i], pairs[i + 1]);
        const auto [at, added] = index.emplace(attribute->Name, Attributes_.size());
        attribute->Index = static_cast<int32_t>(at->second);
        if (added)
            Attributes_.push_back(std::move(attribute));
        else
            Attributes_[at->second] = std::move(attribute);
    }
}

void TXmlNode::RemoveAttributeAt(int32_t index) {
    if (index < 0 || index >= AttributeCount())
        return;
    Attributes_.erase(Attributes_.begin() + index);
    RenumberAttributes();
}

void TXmlNode::RemoveAttribute(TXmlAttribute* attribute) {
    for (size_t i = 0; i < Attributes_.size(); ++i)
        if (Attributes_[i].get() == attribute) {
            RemoveAttributeAt(static_cast<int32_t>(i));
            return;
        }
}

std::string TXmlNode::GetText() const {
    return TextEncoding::Decode(Text);
}

void TXmlNode::SetText(const std::string& value) {
    Text = TextEncoding::Encode(value);
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
    dest->Attributes_.clear();
    dest->Children_.clear();
    dest->Name = source->Name;
    dest->Text = source->Text;
    for (const auto& a : source->Attributes_)
        dest->SetAttribute(a->Name, a->Value);
    // Iterative deep copy: (copy target, original) pairs still to fill.
    std::vector<std::pair<TXmlNode*, const TXmlNode*>> work{{dest, source}};
    while (!work.empty()) {
        auto [to, from] = work.back();
        work.pop_back();
        for (const auto& c : from->Children_) {
            auto copy = std::make_unique<TXmlNode>(to);
            copy->Name = c->Name;
            copy->Text = c->Text;
            for (const auto& a : c->Attributes_)
                copy->SetAttribute(a->Name, a->Value);
            TXmlNode* raw = copy.get();
            to->AddChild(std::move(copy));
            work.emplace_back(raw, c.get());
        }
    }
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
    for (const auto& a : Attributes_) {
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
    // Explicit stack of (node, closing?) so deep trees cannot overflow.
    std::vector<std::pair<const TXmlNode*, bool>> stack{{this, false}};
    while (!stack.empty()) {
        auto [n, closing] = stack.back();
        stack.pop_back();
        if (closing) {
            out.append(static_cast<size_t>(std::max(n->Level_, 0)) * 3, ' ');
            AppendEndTag(out, n->Name);
        } else if (n->HasChildren_) {
            n->AppendStartTag(out);
            out += "\r\n";
            stack.emplace_back(n, true);
            for (auto it = n->Children_.rbegin(); it != n->Children_.rend(); ++it)
                stack.emplace_back(it->get(), false);
        } else {
            n->AppendStartTag(out);
            AppendTrimmed(out, n->Text);
            AppendEndTag(out, n->Name);
        }
    }
}

void TXmlNode::RenumberChildren() {
    for (size_t i = 0; i < Children_.size(); ++i)
        Children_[i]->Index_ = static_cast<int32_t>(i);
}

void TXmlNode::RenumberAttributes() {
    for (size_t i = 0; i < Attributes_.size(); ++i)
        Attributes_[i]->Index = static_cast<int32_t>(i);
}
