#include "scenario/edit/ScenarioEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

namespace ScenarioEdit {

TXmlNode* Targets(const TScenarioData& data) {
    return ChildLookup::Child(ChildLookup::Child(data.Scenario(), "economy"), "targets");
}

TXmlNode* Interviewers(const TScenarioData& data) {
    return ChildLookup::Child(data.Scenario(), "interviewers");
}

TXmlNode* Debates(const TScenarioData& data) {
    return ChildLookup::Child(data.Scenario(), "debates");
}

TXmlNode* GeneralElectionDebates(const TScenarioData& data) {
    return ChildLookup::Child(Debates(data), "general_election");
}

TXmlNode* NewTarget(TScenarioData& data) {
    TXmlNode* targets = Targets(data);
    if (!targets)
        return nullptr;
    TXmlNode* target = targets->AddNewChild("target");
    target->SetAttribute("id", ValueEncodings::NewId());
    target->AddNewChild("name", "New Target");
    target->AddNewChild("economy_target", "3");
    target->AddNewChild("speed", "Normal");
    target->AddNewChild("chance", "0");
    data.SetChanged();
    return target;
}

int CompleteLegacyTargets(TScenarioData& data) {
    TXmlNode* targets = Targets(data);
    int changed = 0;
    for (int32_t i = 0; targets && i < targets->ChildCount(); ++i) {
        TXmlNode* target = targets->GetChildAt(i);
        bool completed = false;
        bool named = true;
        if (!target->GetAttribute("id")) {
            TXmlAttribute* oldName = target->GetAttribute("name");
            // A target with no name to take over still needs an identity of
            // its own, like one made by Create New.
            named = oldName && !oldName->Value.empty();
            target->SetAttribute("id", named ? oldName->Value : ValueEncodings::NewId());
            if (oldName)
                target->RemoveAttribute(oldName);
            completed = true;
        }
        if (!target->GetChild("name")) {
            target->AddNewChild("name", named ? target->AttributeValue("id") : "New Target");
            completed = true;
        }
        if (completed)
            ++changed;
    }
    if (changed > 0)
        data.SetChanged();
    return changed;
}

TXmlNode* NewInterviewer(TScenarioData& data) {
    TXmlNode* interviewers = Interviewers(data);
    if (!interviewers)
        return nullptr;
    TXmlNode* interviewer = interviewers->AddNewChild("interviewer");
    interviewer->AddNewChild("name", "New Interviewer");
    interviewer->AddNewChild("stance", "Center");
    interviewer->AddNewChild("visibility", "Low");
    interviewer->AddNewChild("contentiousness", "Low");
    data.SetChanged();
    return interviewer;
}

bool IsPrimariesList(const TXmlNode* list) {
    return list && list->Name == "party";
}

TXmlNode* PartyDebates(TScenarioData& data, const TXmlNode* party) {
    TXmlNode* primaries = ChildLookup::Child(Debates(data), "primaries");
    const TXmlAttribute* id = party ? party->GetAttribute("id") : nullptr;
    if (!primaries || !id || id->Value.empty())
        return nullptr;
    if (TXmlNode* entry = primaries->FindNode("party", "id", id->Value))
        return entry;
    TXmlNode* entry = primaries->AddNewChild("party");
    entry->SetAttribute("id", id->Value);
    data.SetChanged();
    return entry;
}

TXmlNode* NewDebate(TScenarioData& data, TXmlNode* list) {
    if (!list)
        return nullptr;
    TXmlNode* debate = list->AddNewChild("debate");
    debate->AddNewChild("date", "12/12/2008");
    debate->AddNewChild("language", "English");
    debate->AddNewChild("percent_to_qualify", "0");
    if (!IsPrimariesList(list))
        debate->AddNewChild("type", "Leader");
    data.SetChanged();
    return debate;
}

TXmlNode* NewGeneralElectionDebate(TScenarioData& data) {
    TXmlNode* debates = Debates(data);
    if (!debates)
        return nullptr;
    TXmlNode* list = debates->GetChild("general_election");
    if (!list)
        list = debates->AddNewChild("general_election");
    return NewDebate(data, list);
}

std::string DebateCaption(const TXmlNode* debate) {
    if (!debate)
        return {};
    std::string caption;
    if (const TXmlNode* type = debate->GetChild("type"))
        caption = type->GetText() + " - ";
    if (const TXmlNode* date = debate->GetChild("date"))
        caption += date->GetText();
    return caption;
}

bool RemoveItem(TScenarioData& data, TXmlNode* list, TXmlNode* item) {
    if (!list || !item || item->Parent() != list)
        return false;
    return ReferencesEdit::Remove(data, item);
}

} // namespace ScenarioEdit
