#include "scenario/edit/QuickFixes.h"

#include "scenario/ElementTargets.h"
#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

#include <optional>
#include <vector>

namespace QuickFixes {

namespace {

// The index after the last child of parent called name; -1 when none is.
int32_t After(const TXmlNode* parent, const std::string& name) {
    for (int32_t i = parent->ChildCount() - 1; i >= 0; --i)
        if (parent->GetChildAt(i)->Name == name)
            return i + 1;
    return -1;
}

// Another element named like parent that has field: a sibling first, else
// the first in the document.
const TXmlNode* ModelFor(const TXmlNode* parent, const std::string& field) {
    auto fits = [&](const TXmlNode* n) {
        return n != parent && n->Name == parent->Name && n->GetChild(field);
    };
    const TXmlNode* root = parent;
    while (root->Parent())
        root = root->Parent();
    const TXmlNode* outer = parent->Parent();
    for (int32_t i = 0; outer && i < outer->ChildCount(); ++i)
        if (fits(outer->GetChildAt(i)))
            return outer->GetChildAt(i);
    std::vector<const TXmlNode*> work{root};
    while (!work.empty()) {
        const TXmlNode* node = work.back();
        work.pop_back();
        if (fits(node))
            return node;
        for (int32_t i = node->ChildCount() - 1; i >= 0; --i)
            work.push_back(node->GetChildAt(i));
    }
    return nullptr;
}

// Where field belongs in parent: after the element that precedes it in a
// model that has it (as the templates wrote them); else at the end.
int32_t PlaceOf(const TXmlNode* parent, const std::string& field) {
    const TXmlNode* model = ModelFor(parent, field);
    const int32_t at = model ? model->IndexOfChild(field) : -1;
    if (at == 0)
        return 0;
    if (at > 0)
        if (const int32_t place = After(parent, model->GetChildAt(at - 1)->Name); place >= 0)
            return place;
    return parent->ChildCount();
}

bool AddDefault(TXmlNode* parent, const TVerificationMessage& message) {
    if (message.Field.empty() || parent->GetChild(message.Field))
        return false;
    const int32_t place = PlaceOf(parent, message.Field);
    TXmlNode* child = parent->AddNewChild(message.Field, message.RepairText);
    if (message.RepairId == "-1")
        SetNone(child);
    else if (!message.RepairId.empty())
        child->SetAttribute("id", message.RepairId);
    for (const auto& [name, text] : message.RepairChildren)
        child->AddNewChild(name, text);
    for (int32_t i = parent->ChildCount() - 1; i > place; --i)
        parent->ExchangeChildren(i - 1, i);
    return true;
}

} // namespace

std::string Label(const TVerificationMessage& message) {
    switch (message.Repair) {
    case TRepairKind::RemoveItem:
    case TRepairKind::RemoveItemKeepingOne:
    case TRepairKind::SetNone:
        return "Remove this reference";
    case TRepairKind::AddDefault:
        return "Add it with its default";
    case TRepairKind::None:
        break;
    }
    return {};
}

bool Apply(TScenarioData& data, const TVerificationMessage& message) {
    const std::optional<TScenarioFile> file = TScenarioData::FileNamed(message.File);
    if (message.Repair == TRepairKind::None || !file)
        return false;
    // The path is trusted only when it still names the same element.
    TXmlNode* subject = ElementTargets::Resolve(data, *file, message.SubjectPath);
    if (!subject || TVerifier::FingerprintOf(subject) != message.SubjectTag)
        return false;
    bool applied = false;
    switch (message.Repair) {
    case TRepairKind::RemoveItem:
    case TRepairKind::RemoveItemKeepingOne:
        applied = RemoveEntry(subject, message.Repair == TRepairKind::RemoveItemKeepingOne);
        break;
    case TRepairKind::SetNone:
        SetNone(subject);
        applied = true;
        break;
    case TRepairKind::AddDefault:
        applied = AddDefault(subject, message);
        break;
    case TRepairKind::None:
        break;
    }
    if (applied)
        data.SetChanged();
    return applied;
}

// A vice-leader's bonuses follow its home region: with none, they go.
void SetNone(TXmlNode* reference) {
    reference->SetAttribute("id", "-1");
    TXmlNode* owner = reference->Parent();
    TXmlNode* bonuses = owner ? owner->GetChild("percentage_bonuses") : nullptr;
    if (bonuses && reference->Name == "home_political_unit" && owner->Name == "viceleader")
        while (bonuses->ChildCount() > 0)
            bonuses->RemoveChild(bonuses->GetChildAt(0));
}

bool RemoveEntry(TXmlNode* entry, bool keepOne) {
    TXmlNode* list = entry->Parent();
    if (!list || (keepOne && list->ChildCount() <= 1))
        return false;
    return list->RemoveChild(entry) != nullptr;
}

} // namespace QuickFixes
