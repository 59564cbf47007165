#include "scenario/IssueKinds.h"

#include "xml/ChildLookup.h"
#include "xml/TextCase.h"

namespace IssueKinds {

bool IsAttribute(const TXmlNode* issue) {
    return TextCase::EqualIgnoringCase(ChildLookup::Text(issue, "type"), "attribute");
}

} // namespace IssueKinds
