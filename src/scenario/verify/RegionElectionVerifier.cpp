#include "scenario/verify/PartyChecks.h"

#include "scenario/verify/RunIndex.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"
#include "xml/TextCase.h"

#include <algorithm>
#include <cctype>

namespace {

// Ballot entries naming parties that are gone are dropped; the emptiness
// check comes after that, so a ballot emptied by the repair is reported in
// the same run.
void VerifyBallot(TVerifier& v, TXmlNode* event, const std::string& eventsSection) {
    TScenarioData& data = v.Data();
    TXmlNode* ballot = v.Group(event, "ballot", eventsSection);
    for (int32_t i = 0; i < ballot->ChildCount();) {
        TXmlNode* entry = ballot->GetChildAt(i);
        if (!ReferenceFields::Check(data, ReferenceFields::Get(TReferenceSite::RegionBallot), entry)
                 .Ok) {
            RunIndex::Removing(entry);
            ballot->RemoveChild(entry);
            data.SetChanged();
            continue;
        }
        ++i;
    }
    if (ballot->ChildCount() == 0)
        v.AddMessage(eventsSection, "ballot", event, "Insufficient parties on ballot");
}

void VerifyEventDetails(TVerifier& v, TXmlNode* event, const std::string& e) {
    v.Check(event, "open_closed", TCheckKind::Text, true, e);
    v.Check(event, "date", TCheckKind::Date, true, e);
    TXmlNode* seat = v.Group(event, "seat", e);
    v.Check(seat, "type", TCheckKind::Text, true, e + " >> Seats");
    v.Check(seat, "number", TCheckKind::Integer, true, e + " >> Seats");
}

void VerifyRegion(TVerifier& v, TXmlNode* region) {
    TScenarioData& data = v.Data();
    TXmlNode* parties = data.Parties();
    const std::string r = "Parties >> RegionInfo >> " + ChildLookup::Text(region, "name");

    const TXmlNode* majority = region->GetChild("party_with_existing_majority");
    if (!majority || majority->AttributeValue("id") != "tie")
        v.CheckReference(region, ReferenceFields::Get(TReferenceSite::RegionMajority), r);
    v.Check(region, "party_with_governor", TCheckKind::Text, false, r);

    TXmlNode* events = v.Group(region, "election_events", r);
    if (events->ChildCount() == 0)
        v.AddMessage(r, "election_events", region, "No events defined.");

    const std::string eventsSection = r + " >> Election Events";
    for (int32_t i = 0; i < events->ChildCount();) {
        TXmlNode* event = events->GetChildAt(i);
        v.Check(event, "type", TCheckKind::Text, true, eventsSection);
        const std::string type = TextCase::Lower(ChildLookup::Text(event, "type"));
        std::string e = eventsSection + " >> ";
        if (type == "general") {
            VerifyBallot(v, event, eventsSection);
            e += "General Election";
        } else if (type == "primary" || type == "caucus") {
            // The primary or caucus of a party that is gone goes with it.
            if (!ReferenceFields::Check(data, ReferenceFields::Get(TReferenceSite::RegionPrimary),
                                        event->GetChild("party"))
                     .Ok) {
                RunIndex::Removing(event);
                events->RemoveChild(event);
                data.SetChanged();
                continue;
            }
            const std::string partyId = event->GetChild("party")->AttributeValue("id");
            e += ChildLookup::Text(parties->FindChild("", "id", partyId), "name");
        } else {
            v.AddMessage(eventsSection, "type", event, "Invalid Election Event Type.");
        }
        if (v.Added() == 0)
            VerifyEventDetails(v, event, e);
        ++i;
    }
}

} // namespace

namespace PartyChecks {

void VerifyRegionElectionData(TVerifier& v) {
    TXmlNode* root = TVerifier::Need(v.Data().PoliticalUnits());
    TXmlNode* nation = TVerifier::Need(root->GetChildAt(0));
    TXmlNode* regions = TVerifier::Need(nation->GetChild("political_units"));
    for (int32_t i = 0; i < regions->ChildCount(); ++i)
        VerifyRegion(v, regions->GetChildAt(i));
}

} // namespace PartyChecks
