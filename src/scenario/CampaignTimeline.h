#pragma once

#include <optional>
#include <string>
#include <vector>

class TScenarioData;
class TXmlNode;

// Every dated thing of a scenario on one time line, from the first day of
// the primaries to the last day of the general election. Reads the
// documents only.
namespace CampaignTimeline {

// In the order the rows are grouped.
enum class TKind { Period, Convention, Primary, Debate, ScriptedEvent, Endorser, AdsBan };
constexpr int KindCount = 7;
// "Campaign", "Conventions", ... as the group's heading.
const char* KindName(TKind kind);

enum class TProblem { None, Unparsable, Outside, Reversed };

struct TItem {
    TKind Kind = TKind::Period;
    // Index into TTimeline::Rows.
    int Row = 0;
    // Drawn on the item ("Eastmark (caucus)"); Detail adds what the tooltip
    // shows beyond the dates, may be empty.
    std::string Label;
    std::string Detail;
    // Day numbers (TDate::DayNumber), both set or both empty; a one-day item
    // has First == Last.
    std::optional<int> First;
    std::optional<int> Last;
    // The element whose editor shows the item, and the field holding the
    // first date.
    TXmlNode* Element = nullptr;
    std::string Field;
    TProblem Problem = TProblem::None;
    // "start_date \"13/45/2008\" is not a date", "after the general election"
    std::string ProblemText;
};

struct TTimeline {
    // The campaign's first and last day; empty when either date does not
    // parse.
    std::optional<int> First;
    std::optional<int> Last;
    // Grouped by kind, then in document order.
    std::vector<TItem> Items;
    struct TRow {
        TKind Kind;
        // "Primaries: Unity Party", an event's name.
        std::string Name;
    };
    // In drawing order: grouped by kind, then in order of first use.
    std::vector<TRow> Rows;
    // The items with a problem, in item order (indexes into Items).
    std::vector<size_t> Problems;
};

TTimeline Build(const TScenarioData& data);

} // namespace CampaignTimeline
