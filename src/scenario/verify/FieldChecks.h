#pragma once

#include <optional>
#include <string>

class TXmlNode;

// The kinds of value a field holds.
enum class TCheckKind { Integer, Decimal, Text, File, Date, Position, Reference };

struct TCheckResult {
    bool Ok = true;
    std::string Message = "No Error";
};

// The field checks. Each takes the field element itself (null when missing).
namespace FieldChecks {

inline const char* const NoError = "No Error";
inline const char* const NodeMissing = "Critical Error: Node missing.";
inline const char* const DataRequired = "Data required.";
inline const char* const InvalidNumber = "Invalid number value.";
inline const char* const InvalidDecimal = "Invalid decimal number.";
inline const char* const InvalidDate = "Invalid date value.";
inline const char* const InvalidPosition = "Invalid position.";
inline const char* const UnknownNodeType = "Unknown node type.";
inline const char* const IdNotFound = "Id attribute not found.";
inline const char* const UnknownError = "Unknown error.";

// Integer, decimal, text, date and position. "-1" passes every kind.
TCheckResult CheckValue(const TXmlNode* element, TCheckKind kind, bool required);
// The file folder + text must exist (in any letter case, for folders made on
// Windows). folder ends with "/".
TCheckResult CheckFile(const TXmlNode* element, const std::string& folder, bool required);
// How CheckFile finds a file: ScenarioFolders::FindFileIgnoringCase, unless
// another is installed (the fuzzer remembers the answers for a folder that
// never changes). Null restores it; returns the previous one.
using TFileFinder = std::optional<std::string> (*)(const std::string& folder,
                                                   const std::string& name);
TFileFinder InstallFileFinder(TFileFinder finder);
// The element's id attribute must name an element called elementName (any
// name when empty) in searchRoot's subtree; "-1" passes when allowNone.
TCheckResult CheckReference(const TXmlNode* element, TXmlNode* searchRoot,
                            const std::string& elementName, bool allowNone, bool required);

} // namespace FieldChecks
