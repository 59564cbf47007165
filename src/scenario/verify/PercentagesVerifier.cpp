#include "scenario/verify/PartyChecks.h"

#include "scenario/verify/RunIndex.h"
#include "xml/TXmlNode.h"

#include <array>

namespace {

const char* const Section = "Percentages";
const std::array<const char*, 5> Shares = {"starting_percentage", "undecided", "alienated",
                                           "leaning", "committed"};

TXmlNode* AddLeaderEntry(TXmlNode* leaders, const std::string& leaderId) {
    TXmlNode* entry = leaders->AddNewChild("leader");
    entry->SetAttribute("id", leaderId);
    for (const char* share : Shares)
        entry->AddNewChild(share, "0");
    RunIndex::Changed(leaders);
    return entry;
}

void AddPartyEntry(TXmlNode* entries, const TXmlNode* party) {
    TXmlNode* entry = entries->AddNewChild("party");
    entry->SetAttribute("id", party->AttributeValue("id"));
    TXmlNode* general = entry->AddNewChild("general_election");
    for (const char* share : Shares)
        general->AddNewChild(share, "0");
    TXmlNode* primaries = entry->AddNewChild("primaries");
    primaries->AddNewChild("starting_percentage", "0");
    TXmlNode* leaders = primaries->AddNewChild("leaders");
    if (const TXmlNode* partyLeaders = party->GetChild("leaders"))
        for (int32_t i = 0; i < partyLeaders->ChildCount(); ++i)
            AddLeaderEntry(leaders, partyLeaders->GetChildAt(i)->AttributeValue("id"));
    RunIndex::Changed(entries);
}

// Every party, and every leader of a party that has an entry, gets its
// entry in the unit; what is missing is added with zeros.
void RepairUnit(TScenarioData& data, TXmlNode* entries) {
    const TXmlNode* parties = data.Parties();
    for (int32_t i = 0; parties && i < parties->ChildCount(); ++i) {
        const TXmlNode* party = parties->GetChildAt(i);
        const std::string partyId = party->AttributeValue("id");
        TXmlNode* entry = entries->FindChild("", "id", partyId);
        if (!entry) {
            AddPartyEntry(entries, party);
            data.SetChanged();
            continue;
        }
        const TXmlNode* partyLeaders = party->GetChild("leaders");
        TXmlNode* primaries = entry->GetChild("primaries");
        TXmlNode* leaders = primaries ? primaries->GetChild("leaders") : nullptr;
        if (!partyLeaders || !leaders)
            continue; // reported by the checks below
        for (int32_t l = 0; l < partyLeaders->ChildCount(); ++l) {
            const std::string leaderId = partyLeaders->GetChildAt(l)->AttributeValue("id");
            if (!leaders->FindChild("", "id", leaderId)) {
                AddLeaderEntry(leaders, leaderId);
                data.SetChanged();
            }
        }
    }
}

void VerifyPartyEntry(TVerifier& v, TXmlNode* entries, TXmlNode* entry) {
    const TReferenceField& field = ReferenceFields::Get(TReferenceSite::PartyPercentages);
    const TCheckResult r = ReferenceFields::Check(v.Data(), field, entry);
    if (!r.Ok)
        v.AddMessage(Section, "general_election", entries, r.Message,
                     TVerifier::IfDangling(r, ReferenceFields::QuickFix(field), entry));
    TXmlNode* general = v.Group(entry, "general_election", Section);
    for (const char* share : Shares)
        v.Check(general, share, TCheckKind::Decimal, true, Section);
    TXmlNode* primaries = v.Group(entry, "primaries", Section);
    v.Check(primaries, "starting_percentage", TCheckKind::Decimal, true, Section);
    TXmlNode* leaders = v.Group(primaries, "leaders", Section);
    for (int32_t i = 0; i < leaders->ChildCount(); ++i) {
        TXmlNode* leader = leaders->GetChildAt(i);
        PartyChecks::CheckEntryReference(
            v, leaders, leader, ReferenceFields::Get(TReferenceSite::LeaderPercentages), Section);
        for (const char* share : Shares)
            v.Check(leader, share, TCheckKind::Decimal, true, Section);
    }
}

} // namespace

namespace PartyChecks {

bool VerifyPercentages(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Percentages);
    return v.Run([&] {
        TXmlNode* root = data.Percentages();
        v.Check(root, "randomization", TCheckKind::Integer, true, Section);
        v.Check(root, "universal_alienated", TCheckKind::Decimal, true, Section);
        TXmlNode* units = v.Group(root, "political_units", Section);
        for (int32_t i = 0; i < units->ChildCount(); ++i) {
            TXmlNode* unit = units->GetChildAt(i);
            CheckEntryReference(v, units, unit,
                                ReferenceFields::Get(TReferenceSite::UnitPercentages), Section);
            TXmlNode* entries = unit->GetChild("parties");
            if (!entries) {
                entries = unit->AddNewChild("parties");
                RunIndex::Changed(unit);
                data.SetChanged();
            }
            RepairUnit(data, entries);
            for (int32_t p = 0; p < entries->ChildCount(); ++p)
                VerifyPartyEntry(v, entries, entries->GetChildAt(p));
        }
    });
}

} // namespace PartyChecks
