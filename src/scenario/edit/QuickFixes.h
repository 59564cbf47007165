#pragma once

#include "scenario/TScenarioData.h"

#include <string>

// The repairs verification offers with its messages, applied on request.
namespace QuickFixes {

// The fix offered for message: "Remove this reference" or "Add it with its
// default"; empty when none.
std::string Label(const TVerificationMessage& message);
// Applies it to data (marks data changed); false, and nothing changed, when
// there is no fix or the message's elements are no longer where its paths
// say (the documents changed since the run).
bool Apply(TScenarioData& data, const TVerificationMessage& message);

// The repairs themselves, for removals that repair as verification would:
// a reference set to none with what follows it, and an entry removed from
// its list (never the last one when keepOne; false then).
void SetNone(TXmlNode* reference);
bool RemoveEntry(TXmlNode* entry, bool keepOne);

} // namespace QuickFixes
