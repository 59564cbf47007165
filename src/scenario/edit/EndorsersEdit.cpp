#include "scenario/edit/EndorsersEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "xml/TXmlNode.h"

namespace EndorsersEdit {

TXmlNode* NewEndorser(TScenarioData& data) {
    TXmlNode* root = data.Endorsers();
    if (!root)
        return nullptr;
    TXmlNode* endorser = root->AddNewChild("endorser");
    endorser->SetAttribute("id", ValueEncodings::NewId());
    endorser->AddNewChild("name", "New Endorser");
    endorser->AddNewChild("description");
    // "-1": from the start of the primaries to the end of the general election.
    endorser->AddNewChild("start_date", "-1");
    endorser->AddNewChild("end_date", "-1");
    endorser->AddNewChild("pp_effect", "0");
    endorser->AddNewChild("party_stance");
    endorser->AddNewChild("leader_stance");
    endorser->AddNewChild("monetary_bonus", "0");
    TXmlNode* nation =
        endorser->AddNewChild("political_units_affected")->AddNewChild("political_unit");
    nation->SetAttribute("id", "-1");
    nation->AddNewChild("momentum", "0");
    nation->AddNewChild("footsoldiers", "0")->SetAttribute("chance", "33");
    TXmlNode* issue = endorser->AddNewChild("issues", "0")->AddNewChild("issue");
    issue->SetAttribute("id", "-1");
    issue->AddNewChild("favored_position", "center");
    data.SetChanged();
    return endorser;
}

int32_t RemoveEndorser(TScenarioData& data, TXmlNode* endorser) {
    TXmlNode* root = data.Endorsers();
    if (!root || !endorser)
        return -1;
    for (int32_t i = 0; i < root->ChildCount(); ++i)
        if (root->GetChildAt(i) == endorser) {
            root->RemoveChild(endorser);
            data.SetChanged();
            return i - 1;
        }
    return -1;
}

} // namespace EndorsersEdit
