#include "scenario/verify/TVerifier.h"

#include "scenario/verify/RepairDefaults.h"
#include "xml/TXmlNode.h"

#include <vector>

namespace {

// Adding field to parent with text (and id) when the check found it missing.
TRepair AddDefault(const TXmlNode* parent, const TCheckResult& r, std::optional<std::string> text,
                   std::string id = {}) {
    if (!parent || r.Message != FieldChecks::NodeMissing || !text)
        return {};
    return {TRepairKind::AddDefault, parent, std::move(*text), std::move(id), {}};
}

} // namespace

void TVerifier::AddMessage(const std::string& section, const std::string& field,
                           const TXmlNode* element, const std::string& text,
                           const TRepair& repair) {
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
    if (repair.Kind != TRepairKind::None && repair.Subject) {
        m.Repair = repair.Kind;
        m.SubjectPath = PathOf(repair.Subject);
        m.SubjectTag = FingerprintOf(repair.Subject);
        m.RepairText = repair.Text;
        m.RepairId = repair.Id;
        m.RepairChildren = repair.Children;
    }
    Data_.Messages().push_back(std::move(m));
    ++Added_;
}

bool TVerifier::Check(const TXmlNode* parent, const std::string& field, TCheckKind kind,
                      bool required, const std::string& section) {
    const TCheckResult r =
        FieldChecks::CheckValue(parent ? parent->GetChild(field) : nullptr, kind, required);
    if (!r.Ok)
        AddMessage(section, field, parent, r.Message,
                   AddDefault(parent, r,
                              parent
                                  ? RepairDefaults::FieldText(parent->Name, field, kind, required)
                                  : std::nullopt));
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

bool TVerifier::CheckReference(const TXmlNode* parent, const TReferenceField& field,
                               const std::string& section) {
    const std::string name = ReferenceFields::FieldName(field);
    const TXmlNode* element = parent ? parent->GetChild(name) : nullptr;
    const TCheckResult r = ReferenceFields::Check(Data_, field, element);
    if (r.Ok)
        return true;
    const TRepairKind onDangling = ReferenceFields::QuickFix(field);
    TRepair repair;
    if (field.AllowNone && IsDangling(r))
        repair = IfDangling(r, onDangling, element);
    else if (field.AllowNone && !field.Required && onDangling == TRepairKind::SetNone)
        repair = AddDefault(parent, r, std::string(), "-1");
    AddMessage(section, name, parent, r.Message, repair);
    return r.Ok;
}

bool TVerifier::CheckItem(const TXmlNode* item, TCheckKind kind, bool required,
                          const std::string& section) {
    const TCheckResult r = FieldChecks::CheckValue(Need(item), kind, required);
    if (!r.Ok)
        AddMessage(section, item->Name, item->Parent(), r.Message);
    return r.Ok;
}

bool TVerifier::CheckItemReference(const TXmlNode* item, const TReferenceField& field,
                                   const std::string& section) {
    const TCheckResult r = ReferenceFields::Check(Data_, field, Need(item));
    if (!r.Ok)
        AddMessage(section, item->Name, item->Parent(), r.Message,
                   IfDangling(r, ReferenceFields::QuickFix(field), item));
    return r.Ok;
}

TXmlNode* TVerifier::Group(const TXmlNode* parent, const std::string& field,
                           const std::string& section) {
    TXmlNode* group = parent ? parent->GetChild(field) : nullptr;
    const TCheckResult r = FieldChecks::CheckValue(group, TCheckKind::Text, false);
    if (r.Ok)
        return group;
    const auto content = parent ? RepairDefaults::GroupContent(parent->Name, field) : std::nullopt;
    TRepair repair = AddDefault(parent, r, content ? std::optional<std::string>("") : std::nullopt);
    if (content)
        repair.Children = *content;
    AddMessage(section, field, parent, r.Message, repair);
    throw TVerifyAbort{};
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

std::string TVerifier::FingerprintOf(const TXmlNode* element) {
    return element ? element->StartTag() + element->Text : std::string();
}

bool TVerifier::IsDangling(const TCheckResult& result) {
    return result.Message.rfind("Reference not found: ", 0) == 0;
}

TRepair TVerifier::IfDangling(const TCheckResult& result, TRepairKind kind,
                              const TXmlNode* subject) {
    if (!IsDangling(result))
        return {};
    // The only entry of a list that must keep one has no safe removal.
    if (kind == TRepairKind::RemoveItemKeepingOne && subject &&
        (!subject->Parent() || subject->Parent()->ChildCount() <= 1))
        return {};
    return {kind, subject, {}, {}, {}};
}
