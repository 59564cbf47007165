#include "scenario/verify/FileVerifiers.h"
#include "scenario/verify/PartyChecks.h"

#include "xml/TXmlNode.h"

namespace PartyChecks {

bool CheckEntryReference(TVerifier& v, TXmlNode* list, TXmlNode* entry,
                         const TReferenceField& field, const std::string& section) {
    const TCheckResult r = ReferenceFields::Check(v.Data(), field, entry);
    if (!r.Ok)
        v.AddMessage(section, entry->Name, list, r.Message,
                     TVerifier::IfDangling(r, ReferenceFields::QuickFix(field), entry));
    return r.Ok;
}

bool CheckEntryValue(TVerifier& v, TXmlNode* list, TXmlNode* entry, TCheckKind kind, bool required,
                     const std::string& section) {
    const TCheckResult r = FieldChecks::CheckValue(entry, kind, required);
    if (!r.Ok)
        v.AddMessage(section, entry->Name, list, r.Message);
    return r.Ok;
}

} // namespace PartyChecks

namespace {

using PartyChecks::CheckEntryReference;
using PartyChecks::CheckEntryValue;

const char* const PartiesSection = "Parties";

void VerifyPlatform(TVerifier& v, TXmlNode* platform, const std::string& section) {
    for (int32_t i = 0; i < platform->ChildCount(); ++i) {
        TXmlNode* entry = platform->GetChildAt(i);
        CheckEntryReference(v, platform, entry, ReferenceFields::Get(TReferenceSite::PartyPlatform),
                            section);
        CheckEntryValue(v, platform, entry, TCheckKind::Position, true, section);
    }
}

void VerifyParty(TVerifier& v, TXmlNode* party) {
    TScenarioData& data = v.Data();
    std::string name;
    if (v.Check(party, "name", TCheckKind::Text, true, PartiesSection))
        name = party->GetChild("name")->GetText();
    const std::string p = std::string(PartiesSection) + " >> " + name;

    v.Check(party, "abbreviation", TCheckKind::Text, true, p);
    v.Check(party, "color", TCheckKind::Text, true, p);
    v.Check(party, "default_on", TCheckKind::Integer, true, p);
    v.CheckFile(party, "picture", data.Folder() + "party_images/", true, p);
    v.Check(party, "funds", TCheckKind::Decimal, true, p);
    v.Check(party, "established", TCheckKind::Integer, true, p);
    v.Check(party, "incumbent", TCheckKind::Integer, true, p);
    v.Check(party, "generalelection_block_grant", TCheckKind::Decimal, true, p);
    v.Check(party, "fundraising_coefficient", TCheckKind::Decimal, true, p);

    VerifyPlatform(v, v.Group(party, "platform", p), p + " >> Platform");

    const std::string advertisingSection = p + " >> Advertising";
    TXmlNode* advertising = v.Group(party, "advertising", advertisingSection);
    v.Check(advertising, "pac", TCheckKind::Integer, true, advertisingSection);
    TXmlNode* credits = v.Group(advertising, "ad_credits", advertisingSection);
    for (int32_t i = 0; i < credits->ChildCount(); ++i) {
        TXmlNode* credit = credits->GetChildAt(i);
        CheckEntryReference(v, credits, credit, ReferenceFields::Get(TReferenceSite::AdCredit),
                            advertisingSection);
        v.Check(credit, "credits", TCheckKind::Integer, true, advertisingSection);
    }

    // start_date is listed under the party itself, the other convention
    // fields under " >> Convention", as message lists have always shown them.
    const std::string conventionSection = p + " >> Convention";
    TXmlNode* convention = v.Group(party, "convention", p);
    v.Check(convention, "start_date", TCheckKind::Date, true, p);
    v.Check(convention, "end_date", TCheckKind::Date, true, conventionSection);
    v.Check(convention, "nomination_date", TCheckKind::Date, true, conventionSection);
    v.CheckReference(convention, ReferenceFields::Get(TReferenceSite::ConventionRegion),
                     conventionSection);
    v.Check(convention, "location", TCheckKind::Text, true, conventionSection);

    PartyChecks::VerifyCandidates(v, party, p);
}

} // namespace

bool VerifyParties(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Parties);
    return v.Run([&] {
        TXmlNode* root = data.Parties();
        if (!root || root->ChildCount() < 2)
            v.AddMessage(PartiesSection,
                         root ? root->Name : TScenarioData::ElementName(TScenarioFile::Parties),
                         root, "Minimum of two parties required.");
        if (!root)
            return;
        for (int32_t i = 0; i < root->ChildCount(); ++i)
            VerifyParty(v, root->GetChildAt(i));
        if (v.Added() > 0)
            return;

        PartyChecks::VerifyPrimariesDebates(v);
        // Their messages are listed, but they do not make parties.xml fail.
        PartyChecks::VerifyPercentages(data);
        PartyChecks::VerifyRelations(data);
        PartyChecks::VerifyRegionElectionData(v);
    });
}
