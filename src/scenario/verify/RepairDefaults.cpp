#include "scenario/verify/RepairDefaults.h"

#include <algorithm>
#include <array>
#include <utility>

namespace RepairDefaults {

namespace {

// "parent/field" where the templates differ by parent, else "field".
constexpr std::array<std::pair<const char*, const char*>, 44> TemplateValues = {{
    {"attributes/leadership", "3"},
    {"attributes/integrity", "3"},
    {"attributes/experience", "3"},
    {"attributes/issue_familiarity", "3"},
    {"attributes/charisma", "3"},
    {"attributes/stamina", "3"},
    {"attributes/debating", "3"},
    {"viceleader/political_points_cost", "1"},
    {"party/fundraising_coefficient", "1.5"},
    {"seat/type", "FPP"},
    {"age", "50"},
    {"sex", "male"},
    {"how_well_known", "medium"},
    {"language_bonus", "-1"},
    {"starting_funds", "100000"},
    {"established_primaries", "3"},
    {"established", "3"},
    {"political_influence_points", "10"},
    {"leader_color", "red"},
    {"primaries_description", "Enter Primaries Description"},
    {"generalelection_description", "Enter General Election Description"},
    {"last_for_days", "-1"},
    {"percentage", "-1"},
    {"base_power", "1"},
    {"energy_points", "2"},
    {"command_points", "2"},
    {"cost", "500"},
    {"cost_coefficient", "0.5"},
    {"max_turns_can_run", "5"},
    {"poll_open_time", "1600"},
    {"initial_primaries_profile", "Low"},
    {"initial_generalelection_profile", "Low"},
    {"initial_stance", "leaning"},
    {"favored_position", "center"},
    {"monetary_bonus", "0"},
    {"target_issue_center", "4"},
    {"headline", "New Event Outcome"},
    {"economy_target", "3"},
    {"speed", "Normal"},
    {"open_closed", "open"},
    {"stance", "Center"},
    {"visibility", "Low"},
    {"contentiousness", "Low"},
    {"language", "English"},
}};

// Groups of fields, as the templates write them.
const std::array<std::pair<const char*, TChildren>, 10> GroupTemplates = {{
    {"attributes",
     {{"leadership", "3"},
      {"integrity", "3"},
      {"experience", "3"},
      {"issue_familiarity", "3"},
      {"charisma", "3"},
      {"stamina", "3"},
      {"debating", "3"}}},
    {"goals", {{"percentage", "-1"}, {"seats", "0"}}},
    {"seat", {{"type", "FPP"}, {"number", "0"}}},
    {"abbreviation_position", {{"x", "0"}, {"y", "0"}}},
    {"party/advertising", {{"pac", "1"}, {"ad_credits", ""}}},
    {"scenario/advertising",
     {{"pac", "0"}, {"ban_days_before_election", "0"}, {"max_per_player", "0"}}},
    {"scenario/leader", {{"position", ""}, {"institution", ""}, {"appointed_by", ""}}},
    {"economy", {{"initial", "0"}, {"targets", ""}}},
    {"party/general_election",
     {{"starting_percentage", "0"},
      {"undecided", "0"},
      {"alienated", "-1"},
      {"leaning", "0"},
      {"committed", "0"}}},
    {"party/primaries", {{"starting_percentage", "0"}, {"leaders", ""}}},
}};

// Lists that verify when empty, and groups with only optional content.
constexpr std::array<const char*, 21> EmptyGroups = {
    "ad_qualities",      "party_stance",
    "leader_stance",     "political_units_affected",
    "endorser/issues",   "positions",
    "fill_positions",    "issue_centers",
    "scripted_events",   "simple_issue_events",
    "conditions",        "outcomes",
    "platform",          "ad_credits",
    "crusaders",         "percentage_bonuses",
    "primaries/leaders", "percentages/political_units",
    "targets",           "interviewers",
    "debates",
};

template <typename Keys, typename KeyOf>
auto Lookup(const Keys& keys, const std::string& parent, const std::string& field, KeyOf keyOf) {
    const std::string qualified = parent + "/" + field;
    auto found = std::find_if(keys.begin(), keys.end(),
                              [&](const auto& entry) { return keyOf(entry) == qualified; });
    if (found == keys.end())
        found = std::find_if(keys.begin(), keys.end(),
                             [&](const auto& entry) { return keyOf(entry) == field; });
    return found;
}

} // namespace

std::optional<std::string> FieldText(const std::string& parent, const std::string& field,
                                     TCheckKind kind, bool required) {
    const auto found = Lookup(TemplateValues, parent, field,
                              [](const auto& entry) { return std::string(entry.first); });
    if (found != TemplateValues.end())
        return found->second;
    if (kind == TCheckKind::Integer || kind == TCheckKind::Decimal)
        return "0";
    if (kind == TCheckKind::Text && !required)
        return "";
    return std::nullopt;
}

std::optional<TChildren> GroupContent(const std::string& parent, const std::string& field) {
    const auto group = Lookup(GroupTemplates, parent, field,
                              [](const auto& entry) { return std::string(entry.first); });
    if (group != GroupTemplates.end())
        return group->second;
    if (Lookup(EmptyGroups, parent, field, [](const char* entry) { return std::string(entry); }) !=
        EmptyGroups.end())
        return TChildren{};
    return std::nullopt;
}

} // namespace RepairDefaults
