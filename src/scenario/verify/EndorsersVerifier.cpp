#include "scenario/verify/FileVerifiers.h"

#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

namespace {

// A stance group (party_stance, leader_stance): optional target with its
// initial stance.
void CheckStance(TVerifier& v, const TXmlNode* endorser, const std::string& group,
                 const TReferenceField& field, const std::string& section,
                 const std::string& stanceSection) {
    const TXmlNode* stance = v.Group(endorser, group, section);
    const TXmlNode* chosen = stance->GetChild(ReferenceFields::FieldName(field));
    if (!chosen)
        return;
    v.CheckReference(stance, field, stanceSection);
    v.Check(chosen, "initial_stance", TCheckKind::Text, true, stanceSection);
}

void CheckEndorser(TVerifier& v, const TXmlNode* endorser) {
    std::string name;
    if (v.Check(endorser, "name", TCheckKind::Text, true, "Endorsers"))
        name = endorser->GetChild("name")->GetText();
    const std::string section = "Endorsers >> " + name;

    v.Check(endorser, "description", TCheckKind::Text, false, section);
    v.Check(endorser, "start_date", TCheckKind::Date, true, section);
    v.Check(endorser, "end_date", TCheckKind::Date, true, section);
    v.Check(endorser, "pp_effect", TCheckKind::Integer, true, section);

    CheckStance(v, endorser, "party_stance", ReferenceFields::Get(TReferenceSite::EndorserParty),
                section, section + " >> Party Stance");
    CheckStance(v, endorser, "leader_stance", ReferenceFields::Get(TReferenceSite::EndorserLeader),
                section, section + " >> Leader Stance");

    v.Check(endorser, "monetary_bonus", TCheckKind::Text, true, section);

    const TXmlNode* units = v.Group(endorser, "political_units_affected", section);
    const std::string unitsSection = section + " >> Political Units Affected";
    for (int32_t i = 0; i < units->ChildCount(); ++i) {
        const TXmlNode* unit = units->GetChildAt(i);
        v.CheckItemReference(unit, ReferenceFields::Get(TReferenceSite::EndorserRegion),
                             unitsSection);
        v.Check(unit, "momentum", TCheckKind::Integer, true, unitsSection);
        v.Check(unit, "footsoldiers", TCheckKind::Integer, true, unitsSection);
    }

    const TXmlNode* issues = v.Group(endorser, "issues", section);
    const std::string issuesSection = section + " >> Issues";
    for (int32_t i = 0; i < issues->ChildCount(); ++i) {
        const TXmlNode* issue = issues->GetChildAt(i);
        v.CheckItemReference(issue, ReferenceFields::Get(TReferenceSite::EndorserIssue),
                             issuesSection);
        v.Check(issue, "favored_position", TCheckKind::Position, true, issuesSection);
    }
}

} // namespace

bool VerifyEndorsers(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Endorsers);
    return v.Run([&] {
        const TXmlNode* root = TVerifier::Need(data.Endorsers());
        for (int32_t i = 0; i < root->ChildCount(); ++i)
            CheckEndorser(v, root->GetChildAt(i));
    });
}
