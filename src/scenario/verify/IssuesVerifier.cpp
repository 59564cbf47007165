#include "scenario/verify/FileVerifiers.h"

#include "scenario/IssueKinds.h"
#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

#include <algorithm>
#include <cctype>

namespace {

const std::string Issues = "Issues";
// The game's issue screens are built for exactly this many issues.
constexpr int32_t IssueCount = 22;

void Walk(TVerifier& v, const TXmlNode* root) {
    TVerifier::Need(root);
    if (root->ChildCount() != IssueCount)
        v.AddMessage(Issues, root->Name, root, "Invalid number of issues defined.");
    for (int32_t i = 0; i < root->ChildCount(); ++i) {
        const TXmlNode* issue = root->GetChildAt(i);
        v.Check(issue, "name", TCheckKind::Text, true, Issues);
        v.Check(issue, "type", TCheckKind::Text, true, Issues);
        // Attribute issues are qualities of a candidate: no positions.
        // A missing type ends the pass.
        TVerifier::Need(issue->GetChild("type"));
        if (IssueKinds::IsAttribute(issue))
            continue;
        const TXmlNode* positions = v.Group(issue, "positions", Issues);
        for (int32_t k = 0; k < positions->ChildCount(); ++k) {
            const TXmlNode* position = positions->GetChildAt(k);
            v.Check(position, "name", TCheckKind::Text, true, Issues);
            v.Check(position, "description", TCheckKind::Text, true, Issues);
            v.Check(position, "fundraising", TCheckKind::Decimal, true, Issues);
        }
    }
}

} // namespace

bool VerifyIssues(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Issues);
    return v.Run([&] { Walk(v, data.Issues()); });
}
