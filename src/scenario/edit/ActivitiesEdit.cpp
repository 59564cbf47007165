#include "scenario/edit/ActivitiesEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/TXmlNode.h"

#include <array>

namespace ActivitiesEdit {

namespace {

const std::array<const char*, 7> BuiltInIds = {
    "barn_storming", "fundraiser",       "policy_speech", "issue_knowledge",
    "debate_prep",   "develop_campaign", "rest"};

TXmlNode* NewActivity(TScenarioData& data, const std::string& list) {
    TXmlNode* root = data.Activities();
    if (!root)
        return nullptr;
    TXmlNode* activities = root->GetChild(list);
    if (!activities)
        activities = root->AddNewChild(list);
    const std::string id = ValueEncodings::NewId();
    TXmlNode* activity = activities->AddNewChild("activity");
    activity->SetAttribute("id", id);
    activity->AddNewChild("name", "New Activity");
    activity->AddNewChild("picture", id + ".bmp");
    activity->AddNewChild("energy_points", "2");
    activity->AddNewChild("command_points", "2");
    activity->AddNewChild("cost", "500");
    activity->AddNewChild("base_power", "1");
    activity->AddNewChild("chance_national_news", "10");
    activity->AddNewChild("chance_backfire", "0");
    activity->AddNewChild("has_issue_focus", "0");
    activity->AddNewChild("requires_location", "0");
    data.SetChanged();
    return activity;
}

} // namespace

bool IsBuiltIn(const TXmlNode* activity) {
    if (!activity)
        return false;
    const TXmlAttribute* id = activity->GetAttribute("id");
    if (!id)
        return false;
    for (const char* builtIn : BuiltInIds)
        if (id->Value == builtIn)
            return true;
    return false;
}

std::string ListLine(const TXmlNode* activity) {
    if (!activity)
        return {};
    const TXmlNode* name = activity->GetChild("name");
    const bool veep = activity->Parent() && activity->Parent()->Name == "viceleaders";
    return (veep ? "Veep " : "Leader ") + (name ? name->GetText() : std::string());
}

std::string PictureFolder(const TScenarioData& data) {
    return data.Folder() + "activity_images/";
}

TXmlNode* NewLeaderActivity(TScenarioData& data) {
    return NewActivity(data, "leaders");
}

TXmlNode* NewVeepActivity(TScenarioData& data) {
    return NewActivity(data, "viceleaders");
}

int32_t RemoveActivity(TScenarioData& data, TXmlNode* activity, TRemovalRepairs* repairs) {
    TXmlNode* root = data.Activities();
    if (!root || !activity || IsBuiltIn(activity))
        return -2;
    for (const char* name : {"leaders", "viceleaders"}) {
        TXmlNode* list = root->GetChild(name);
        for (int32_t i = 0; list && i < list->ChildCount(); ++i)
            if (list->GetChildAt(i) == activity)
                return ReferencesEdit::Remove(data, activity, repairs) ? i - 1 : -2;
    }
    return -2;
}

} // namespace ActivitiesEdit
