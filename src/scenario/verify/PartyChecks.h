#pragma once

#include "scenario/verify/TVerifier.h"

#include <string>

class TXmlNode;

// The pieces of the parties verification, shared by its source files.
namespace PartyChecks {

// A list entry (a platform issue, an ad credit, a running mate...) checked
// as a reference of field; a problem is reported with the entry's element
// name as field and the list attached. A dangling entry offers the field's
// repair.
bool CheckEntryReference(TVerifier& v, TXmlNode* list, TXmlNode* entry,
                         const TReferenceField& field, const std::string& section);
// The same for a value check of the entry's own text.
bool CheckEntryValue(TVerifier& v, TXmlNode* list, TXmlNode* entry, TCheckKind kind, bool required,
                     const std::string& section);

// The vice-leader pool and the leaders of one party; partySection is
// "Parties >> " followed by the party's name.
void VerifyCandidates(TVerifier& v, TXmlNode* party, const std::string& partySection);

// Run only when the party records are clean; they remove entries that name
// parties which no longer exist.
void VerifyPrimariesDebates(TVerifier& v);
void VerifyRegionElectionData(TVerifier& v);

// percentages.xml and relations.xml, each with its own messages count and
// guard; true when they added no message.
bool VerifyPercentages(TScenarioData& data);
bool VerifyRelations(TScenarioData& data);

} // namespace PartyChecks
