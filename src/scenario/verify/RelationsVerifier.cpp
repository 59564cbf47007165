#include "scenario/verify/PartyChecks.h"

#include "scenario/verify/RunIndex.h"
#include "xml/TXmlNode.h"

#include <array>

namespace {

const char* const Section = "Relations";
const std::array<const char*, 4> Switches = {"coalition_offers", "endorsement_offers",
                                             "non_aggression_offers", "viceleader_offers"};

void CheckEnd(TVerifier& v, TXmlNode* leaders, const TXmlNode* relation, TReferenceSite end) {
    const TReferenceField& field = ReferenceFields::Get(end);
    const TCheckResult r = ReferenceFields::Check(v.Data(), field, relation);
    if (!r.Ok)
        v.AddMessage(Section, relation->Name, leaders, r.Message,
                     TVerifier::IfDangling(r, ReferenceFields::QuickFix(field), relation));
}

} // namespace

namespace PartyChecks {

bool VerifyRelations(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Relations);
    return v.Run([&] {
        TXmlNode* root = data.Relations();
        for (const char* name : Switches)
            v.Check(root, name, TCheckKind::Integer, true, Section);
        TVerifier::Need(root);
        TXmlNode* leaders = root->GetChild("leaders");
        if (!leaders) {
            leaders = root->AddNewChild("leaders");
            RunIndex::Changed(root);
            data.SetChanged();
        }
        if (v.Added() > 0)
            return;
        for (int32_t i = 0; i < leaders->ChildCount(); ++i) {
            TXmlNode* relation = leaders->GetChildAt(i);
            PartyChecks::CheckEntryValue(v, leaders, relation, TCheckKind::Text, true, Section);
            CheckEnd(v, leaders, relation, TReferenceSite::RelationFrom);
            CheckEnd(v, leaders, relation, TReferenceSite::RelationTo);
        }
    });
}

} // namespace PartyChecks
