#pragma once

// What the gallery pages of the Step 5 windows show: the sample's first
// party, and the first of its leaders or vice-leaders.
#include "scenario/TScenarioData.h"
#include "xml/TXmlNode.h"

namespace GallerySamples {

inline TXmlNode* FirstParty(const TScenarioData& data) {
    const TXmlNode* root = data.Parties();
    return root ? root->GetChildAt(0) : nullptr;
}

// list: "leaders" or "viceleaders".
inline TXmlNode* FirstCandidate(const TScenarioData& data, const char* list) {
    const TXmlNode* party = FirstParty(data);
    const TXmlNode* candidates = party ? party->GetChild(list) : nullptr;
    return candidates ? candidates->GetChildAt(0) : nullptr;
}

} // namespace GallerySamples
