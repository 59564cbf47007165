#include "scenario/verify/FileVerifiers.h"

#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

namespace {

// A stance group (party_stance, leader_stance): optional target with its
// initial stance.
void CheckStance(TVerifier& v, const TXmlNode* endorser, const std::string& group,
                 const std::string& target, TXmlNode* searchRoot, const std::string& section,
                 const std::string& stanceSection) {
    const TXmlNode* stance = v.Group(endorser, group, section);
    const TXmlNode* chosen = stance->GetChild(target);
    if (!chosen)
        return;
    // As when the party or leader is removed in the editor: no stance.
    v.CheckReference(stance, target, searchRoot, target, true, false, stanceSection,
                     TRepairKind::RemoveItem);
    v.Check(chosen, "initial_stance", TCheckKind::Text, true, stanceSection);
}

void CheckEndorser(TVerifier& v, TScenarioData& data, const TXmlNode* endorser) {
    std::string name;
    if (v.Check(endorser, "name", TCheckKind::Text, true, "Endorsers"))
        name = endorser->GetChild("name")->GetText();
    const std::string section = "Endorsers >> " + name;

    v.Check(endorser, "description", TCheckKind::Text, false, section);
    v.Check(endorser, "start_date", TCheckKind::Date, true, section);
    v.Check(endorser, "end_date", TCheckKind::Date, true, section);
    v.Check(endorser, "pp_effect", TCheckKind::Integer, true, section);

    CheckStance(v, endorser, "party_stance", "party", data.Parties(), section,
                section + " >> Party Stance");
    CheckStance(v, endorser, "leader_stance", "leader", data.Parties(), section,
                section + " >> Leader Stance");

    v.Check(endorser, "monetary_bonus", TCheckKind::Text, true, section);

    const TXmlNode* units = v.Group(endorser, "political_units_affected", section);
    const std::string unitsSection = section + " >> Political Units Affected";
    for (int32_t i = 0; i < units->ChildCount(); ++i) {
        const TXmlNode* unit = units->GetChildAt(i);
        v.CheckItemReference(unit, data.PoliticalUnits(), "political_unit", true, false,
                             unitsSection);
        v.Check(unit, "momentum", TCheckKind::Integer, true, unitsSection);
        v.Check(unit, "footsoldiers", TCheckKind::Integer, true, unitsSection);
    }

    const TXmlNode* issues = v.Group(endorser, "issues", section);
    const std::string issuesSection = section + " >> Issues";
    for (int32_t i = 0; i < issues->ChildCount(); ++i) {
        const TXmlNode* issue = issues->GetChildAt(i);
        // As when the issue is removed in the editor: no issue in particular.
        v.CheckItemReference(issue, data.Issues(), "issue", true, false, issuesSection,
                             TRepairKind::SetNone);
        v.Check(issue, "favored_position", TCheckKind::Position, true, issuesSection);
    }
}

} // namespace

bool VerifyEndorsers(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Endorsers);
    return v.Run([&] {
        const TXmlNode* root = TVerifier::Need(data.Endorsers());
        for (int32_t i = 0; i < root->ChildCount(); ++i)
            CheckEndorser(v, data, root->GetChildAt(i));
    });
}
