#include "scenario/verify/PartyChecks.h"

#include "scenario/verify/RunIndex.h"
#include "xml/TXmlNode.h"

namespace PartyChecks {

void VerifyPrimariesDebates(TVerifier& v) {
    TScenarioData& data = v.Data();
    TXmlNode* settings = data.Scenario();
    TXmlNode* debates = settings ? settings->GetChild("debates") : nullptr;
    TXmlNode* primaries = debates ? debates->GetChild("primaries") : nullptr;
    if (!primaries)
        return;
    for (int32_t i = 0; i < primaries->ChildCount();) {
        TXmlNode* entry = primaries->GetChildAt(i);
        // The debates of a party that is gone go with it.
        if (!ReferenceFields::Check(data, ReferenceFields::Get(TReferenceSite::PrimariesDebates),
                                    entry)
                 .Ok) {
            RunIndex::Removing(entry);
            primaries->RemoveChild(entry);
            data.SetChanged();
            continue;
        }
        for (int32_t d = 0; d < entry->ChildCount(); ++d) {
            TXmlNode* debate = entry->GetChildAt(d);
            v.Check(debate, "date", TCheckKind::Date, true, "Parties");
            v.Check(debate, "language", TCheckKind::Text, true, "Parties");
            v.Check(debate, "percent_to_qualify", TCheckKind::Decimal, true, "Parties");
        }
        ++i;
    }
}

} // namespace PartyChecks
