#pragma once

#include <cstdint>

class TScenarioData;
class TXmlNode;

// Document operations of the endorser editor.
namespace EndorsersEdit {

// Appends a complete new endorser: national, for the whole campaign, with
// no stances and no particular issue. Null when endorsers.xml has no root.
TXmlNode* NewEndorser(TScenarioData& data);
// Removes the endorser with everything in it. Returns the index of the one
// before it (the one to select), -1 when it was the first or not found.
int32_t RemoveEndorser(TScenarioData& data, TXmlNode* endorser);

} // namespace EndorsersEdit
