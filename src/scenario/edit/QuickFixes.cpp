#include "scenario/edit/QuickFixes.h"

#include "scenario/ElementTargets.h"
#include "scenario/edit/MissingFields.h"
#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

#include <optional>

namespace QuickFixes {

namespace {

bool AddDefault(TXmlNode* parent, const TVerificationMessage& message) {
    if (message.Field.empty() || parent->GetChild(message.Field))
        return false;
    TXmlNode* child = MissingFields::Add(parent, message.Field);
    child->SetText(message.RepairText);
    if (message.RepairId == "-1")
        SetNone(child);
    else if (!message.RepairId.empty())
        child->SetAttribute("id", message.RepairId);
    for (const auto& [name, text] : message.RepairChildren)
        child->AddNewChild(name, text);
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
