#pragma once

#include "scenario/verify/FieldChecks.h"

#include <optional>
#include <string>

// What a missing element may be added with so that it verifies and means
// no more than a new item would: the values the new-item templates write.
namespace RepairDefaults {

// The text for parent's missing field: the templates' value where they
// write one, else the neutral value of kind (0 for numbers, empty for
// optional text); none when no value is safe (required text, dates,
// positions and files without a template value).
std::optional<std::string> FieldText(const std::string& parent, const std::string& field,
                                     TCheckKind kind, bool required);
// Whether parent's missing group may be added empty: a list that may be
// empty, or a group whose content is optional.
bool GroupMayBeEmpty(const std::string& parent, const std::string& field);

} // namespace RepairDefaults
