#pragma once

class TXmlNode;

// The two kinds of issue: a position issue has positions that parties,
// leaders and regions take; an attribute issue is a quality of a candidate
// and has none.
namespace IssueKinds {

// Whether the issue's type is "attribute" in any letter case; an issue
// without a type counts as a position issue.
bool IsAttribute(const TXmlNode* issue);

} // namespace IssueKinds
