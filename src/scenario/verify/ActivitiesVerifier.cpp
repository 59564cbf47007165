#include "scenario/verify/FileVerifiers.h"

#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

namespace {

void CheckActivity(TVerifier& v, const TXmlNode* activity, const std::string& pictures) {
    const std::string section = "Activity";
    v.Check(activity, "name", TCheckKind::Text, true, section);
    v.CheckFile(activity, "picture", pictures, true, section);
    v.Check(activity, "energy_points", TCheckKind::Integer, true, section);
    v.Check(activity, "command_points", TCheckKind::Integer, true, section);
    v.Check(activity, "cost", TCheckKind::Decimal, true, section);
    v.Check(activity, "base_power", TCheckKind::Integer, true, section);
    v.Check(activity, "chance_national_news", TCheckKind::Decimal, true, section);
    v.Check(activity, "chance_backfire", TCheckKind::Decimal, true, section);
    v.Check(activity, "has_issue_focus", TCheckKind::Integer, true, section);
    v.Check(activity, "requires_location", TCheckKind::Integer, true, section);
}

} // namespace

bool VerifyActivities(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Activities);
    return v.Run([&] {
        const TXmlNode* root = data.Activities();
        const std::string pictures = data.Folder() + "activity_images/";
        // This file words a missing list differently from the field checks.
        const TXmlNode* leaders = root ? root->GetChild("leaders") : nullptr;
        const TXmlNode* veeps = root ? root->GetChild("viceleaders") : nullptr;
        if (!leaders)
            v.AddMessage("Activities", "leaders", root, "Node doesn't exist");
        if (!veeps)
            v.AddMessage("Activities", "viceleaders", root, "Node doesn't exist");
        if (!leaders || !veeps)
            return;
        for (const TXmlNode* list : {leaders, veeps})
            for (int32_t i = 0; i < list->ChildCount(); ++i)
                CheckActivity(v, list->GetChildAt(i), pictures);
    });
}
