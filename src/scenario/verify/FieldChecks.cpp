#include "scenario/verify/FieldChecks.h"

#include "scenario/ScenarioFolders.h"
#include "scenario/ValueEncodings.h"
#include "scenario/verify/RunIndex.h"
#include "xml/NumberText.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

namespace FieldChecks {

namespace {
TCheckResult Fail(std::string message) {
    return TCheckResult{false, std::move(message)};
}
TFileFinder Finder = nullptr;
} // namespace

TFileFinder InstallFileFinder(TFileFinder finder) {
    const TFileFinder previous = Finder;
    Finder = finder;
    return previous;
}

TCheckResult CheckValue(const TXmlNode* element, TCheckKind kind, bool required) {
    if (!element)
        return Fail(NodeMissing);
    const std::string text = element->GetText();
    if (required && text.empty())
        return Fail(DataRequired);
    if (text == "-1")
        return {};
    switch (kind) {
    case TCheckKind::Integer:
        return NumberText::ParseInteger(text) ? TCheckResult{} : Fail(InvalidNumber);
    case TCheckKind::Decimal:
        try {
            element->AsDecimal();
            return {};
        } catch (const TConversionError&) {
            return Fail(InvalidDecimal);
        }
    case TCheckKind::Text:
        return {};
    case TCheckKind::Date:
        return TDate::Parse(text) ? TCheckResult{} : Fail(InvalidDate);
    case TCheckKind::Position:
        return ValueEncodings::IsPositionText(text) ? TCheckResult{} : Fail(InvalidPosition);
    default:
        return Fail(UnknownNodeType);
    }
}

TCheckResult CheckFile(const TXmlNode* element, const std::string& folder, bool required) {
    if (!element)
        return Fail(NodeMissing);
    const std::string text = element->GetText();
    if (required && text.empty())
        return Fail(DataRequired);
    // The name is relative to folder: an absolute name would otherwise replace
    // the folder in the lookup and pass for a file outside the scenario.
    const bool absolute = !text.empty() && (text[0] == '/' || text[0] == '\\');
    if (!text.empty() && !absolute &&
        (Finder ? Finder : &ScenarioFolders::FindFileIgnoringCase)(folder, text))
        return {};
    return Fail(folder + text + " does not exist.");
}

TCheckResult CheckReference(const TXmlNode* element, TXmlNode* searchRoot,
                            const std::string& elementName, bool allowNone, bool required) {
    if (!element)
        return Fail(NodeMissing);
    if (required && element->GetText().empty())
        return Fail(DataRequired);
    const TXmlAttribute* id = element->GetAttribute("id");
    if (!id)
        return Fail(IdNotFound);
    if (id->Value == "-1" && allowNone)
        return {};
    if (RunIndex::FindNode(searchRoot, elementName, id->Value))
        return {};
    return Fail("Reference not found: " + elementName + " " + id->Value);
}

} // namespace FieldChecks
