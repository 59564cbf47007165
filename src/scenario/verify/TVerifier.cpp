#include "scenario/verify/TVerifier.h"

#include "xml/TXmlNode.h"

#include <vector>

void TVerifier::AddMessage(const std::string& section, const std::string& field,
                           const TXmlNode* element, const std::string& text) {
    TVerificationMessage m;
    m.File = TScenarioData::FileName(File_);
    if (element)
        if (auto owner = Data_.FileOf(element))
            m.File = TScenarioData::FileName(*owner);
    m.Section = section;
    m.Field = field;
    m.Message = text;
    m.Element = const_cast<TXmlNode*>(element);
    m.ElementPath = PathOf(element);
    Data_.Messages().push_back(std::move(m));
    ++Added_;
}

bool TVerifier::Check(const TXmlNode* parent, const std::string& field, TCheckKind kind,
                      bool required, const std::string& section) {
    const TCheckResult r =
        FieldChecks::CheckValue(parent ? parent->GetChild(field) : nullptr, kind, required);
    if (!r.Ok)
        AddMessage(section, field, parent, r.Message);
    return r.Ok;
}

bool TVerifier::CheckFile(const TXmlNode* parent, const std::string& field,
                          const std::string& folder, bool required, const std::string& section) {
    const TCheckResult r =
        FieldChecks::CheckFile(parent ? parent->GetChild(field) : nullptr, folder, required);
    if (!r.Ok)
        AddMessage(section, field, parent, r.Message);
    return r.Ok;
}

bool TVerifier::CheckReference(const TXmlNode* parent, const std::string& field,
                               TXmlNode* searchRoot, const std::string& elementName, bool allowNone,
                               bool required, const std::string& section) {
    const TCheckResult r = FieldChecks::CheckReference(
        parent ? parent->GetChild(field) : nullptr, searchRoot, elementName, allowNone, required);
    if (!r.Ok)
        AddMessage(section, field, parent, r.Message);
    return r.Ok;
}

bool TVerifier::CheckItem(const TXmlNode* item, TCheckKind kind, bool required,
                          const std::string& section) {
    const TCheckResult r = FieldChecks::CheckValue(Need(item), kind, required);
    if (!r.Ok)
        AddMessage(section, item->Name, item->Parent(), r.Message);
    return r.Ok;
}

bool TVerifier::CheckItemReference(const TXmlNode* item, TXmlNode* searchRoot,
                                   const std::string& elementName, bool allowNone, bool required,
                                   const std::string& section) {
    const TCheckResult r =
        FieldChecks::CheckReference(Need(item), searchRoot, elementName, allowNone, required);
    if (!r.Ok)
        AddMessage(section, item->Name, item->Parent(), r.Message);
    return r.Ok;
}

TXmlNode* TVerifier::Group(const TXmlNode* parent, const std::string& field,
                           const std::string& section) {
    if (!Check(parent, field, TCheckKind::Text, false, section))
        throw TVerifyAbort{};
    return parent->GetChild(field);
}

bool TVerifier::Run(const std::function<void()>& body) {
    try {
        body();
    } catch (const TVerifyAbort&) {
        return false;
    } catch (const std::exception&) {
        return false;
    } catch (...) {
        return false;
    }
    return Added_ == 0;
}

bool TVerifier::RunItem(const std::function<void()>& body) {
    const size_t before = Added_;
    try {
        body();
    } catch (const TVerifyAbort&) {
        return false;
    } catch (const std::exception&) {
        return false;
    }
    return Added_ == before;
}

std::string TVerifier::PathOf(const TXmlNode* element) {
    std::vector<std::string> parts;
    for (const TXmlNode* n = element; n; n = n->Parent()) {
        std::string part = n->Name;
        if (const TXmlNode* p = n->Parent()) {
            int same = 0, position = 0;
            for (int32_t i = 0; i < p->ChildCount(); ++i) {
                const TXmlNode* c = p->GetChildAt(i);
                if (c->Name == n->Name) {
                    ++same;
                    if (c == n)
                        position = same;
                }
            }
            if (same > 1)
                part += "[" + std::to_string(position) + "]";
        }
        parts.push_back(part);
    }
    std::string path;
    for (auto it = parts.rbegin(); it != parts.rend(); ++it)
        path += "/" + *it;
    return path;
}
