#pragma once

#include "scenario/verify/FieldChecks.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

using TChildren = std::vector<std::pair<std::string, std::string>>;

// What a missing element may be added with so that it verifies and means
// no more than a new item would: the values the new-item templates write.
namespace RepairDefaults {

// The text for parent's missing field: the templates' value where they
// write one, else the neutral value of kind (0 for numbers, empty for
// optional text); none when no value is safe (required text, dates,
// positions and files without a template value).
std::optional<std::string> FieldText(const std::string& parent, const std::string& field,
                                     TCheckKind kind, bool required);
// The children (name, text) of parent's missing group: none for a list
// that may be empty, the templates' fields for a group of fields that all
// have a safe value; nothing when the group cannot be added safely.
std::optional<TChildren> GroupContent(const std::string& parent, const std::string& field);

} // namespace RepairDefaults
