#include "scenario/CampaignTimeline.h"

#include "scenario/TScenarioData.h"
#include "xml/ChildLookup.h"
#include "xml/NumberText.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"
#include "xml/TextCase.h"

#include <algorithm>
#include <array>
#include <map>

namespace CampaignTimeline {

namespace {

struct TDay {
    std::optional<int> Day;
    // Why Day is empty: the field and its text.
    std::string Problem;
};

// minusOne, when given, is what "-1" stands for (endorsers' open ends).
TDay DayOf(const TXmlNode* parent, const char* field, const TDay* minusOne = nullptr) {
    const TXmlNode* child = parent ? parent->GetChild(field) : nullptr;
    if (!child)
        return {std::nullopt, std::string(field) + " is missing"};
    const std::string text = child->GetText();
    if (minusOne && text == "-1")
        return *minusOne;
    if (const auto date = TDate::Parse(text))
        return {date->DayNumber(), {}};
    return {std::nullopt, std::string(field) + " \"" + text + "\" is not a date"};
}

class TBuilder {
public:
    explicit TBuilder(TTimeline& timeline) : Timeline_(timeline) {}

    // Adds an item spanning first to last on row, checked against the
    // campaign.
    void Add(TKind kind, const std::string& row, std::string label, const TDay& first,
             const TDay& last, TXmlNode* element, const char* field, std::string detail = {}) {
        TItem item;
        item.Kind = kind;
        item.Row = RowIndex(kind, row);
        item.Label = std::move(label);
        item.Detail = std::move(detail);
        item.Element = element;
        item.Field = field;
        if (!first.Day || !last.Day) {
            item.Problem = TProblem::Unparsable;
            item.ProblemText = !first.Day ? first.Problem : last.Problem;
        } else {
            item.First = first.Day;
            item.Last = last.Day;
            if (*last.Day < *first.Day) {
                item.Problem = TProblem::Reversed;
                item.ProblemText = "ends before it starts";
            } else if (Timeline_.First && *first.Day < *Timeline_.First) {
                item.Problem = TProblem::Outside;
                item.ProblemText = "starts before the primaries";
            } else if (Timeline_.Last && *last.Day > *Timeline_.Last) {
                item.Problem = TProblem::Outside;
                item.ProblemText = "ends after the general election";
            }
        }
        Items_[static_cast<size_t>(kind)].push_back(std::move(item));
    }

    // Kinds in order, rows renumbered to match.
    void Finish() {
        std::vector<int> order(Rows_.size(), 0);
        std::vector<TTimeline::TRow> rows;
        for (int kind = 0; kind < KindCount; ++kind)
            for (size_t i = 0; i < Rows_.size(); ++i)
                if (static_cast<int>(Rows_[i].Kind) == kind) {
                    order[i] = static_cast<int>(rows.size());
                    rows.push_back(Rows_[i]);
                }
        Timeline_.Rows = std::move(rows);
        for (auto& items : Items_)
            for (TItem& item : items) {
                item.Row = order[static_cast<size_t>(item.Row)];
                if (item.Problem != TProblem::None)
                    Timeline_.Problems.push_back(Timeline_.Items.size());
                Timeline_.Items.push_back(std::move(item));
            }
    }

private:
    int RowIndex(TKind kind, const std::string& name) {
        const auto key = std::make_pair(static_cast<int>(kind), name);
        const auto found = RowIds_.find(key);
        if (found != RowIds_.end())
            return found->second;
        const int index = static_cast<int>(Rows_.size());
        Rows_.push_back({kind, name});
        RowIds_.emplace(key, index);
        return index;
    }

    TTimeline& Timeline_;
    std::array<std::vector<TItem>, KindCount> Items_;
    std::vector<TTimeline::TRow> Rows_;
    std::map<std::pair<int, std::string>, int> RowIds_;
};

std::map<std::string, std::string> PartyNames(const TXmlNode* parties) {
    std::map<std::string, std::string> names;
    for (int32_t i = 0; parties && i < parties->ChildCount(); ++i) {
        const TXmlNode* party = parties->GetChildAt(i);
        names.emplace(party->AttributeValue("id"), ChildLookup::Text(party, "name"));
    }
    return names;
}

std::string NameOf(const std::map<std::string, std::string>& names, const std::string& id) {
    const auto found = names.find(id);
    return found != names.end() ? found->second : "party " + id;
}

void Periods(TBuilder& add, TTimeline& t, const TXmlNode* scenario) {
    TXmlNode* primaries = scenario ? scenario->GetChild("primaries") : nullptr;
    TXmlNode* general = scenario ? scenario->GetChild("general_election") : nullptr;
    const TDay primariesStart = DayOf(primaries, "start_date");
    const TDay generalStart = DayOf(general, "start_date");
    const TDay generalEnd = DayOf(general, "end_date");
    t.First = primariesStart.Day;
    t.Last = generalEnd.Day;
    // The primaries run until the day before the general election starts.
    TDay primariesEnd = generalStart;
    if (primariesEnd.Day)
        primariesEnd.Day = *primariesEnd.Day - 1;
    add.Add(TKind::Period, "Periods", "Primaries", primariesStart, primariesEnd, primaries,
            "start_date");
    add.Add(TKind::Period, "Periods", "General Election", generalStart, generalEnd, general,
            "start_date");
}

void Conventions(TBuilder& add, const TXmlNode* parties) {
    for (int32_t i = 0; parties && i < parties->ChildCount(); ++i) {
        const TXmlNode* party = parties->GetChildAt(i);
        TXmlNode* convention = party->GetChild("convention");
        if (!convention)
            continue;
        const std::string name = ChildLookup::Text(party, "name");
        std::string detail = "Nomination " + ChildLookup::Text(convention, "nomination_date");
        if (const std::string city = ChildLookup::Text(convention, "location"); !city.empty())
            detail += ", " + city;
        add.Add(TKind::Convention, name, name + " convention", DayOf(convention, "start_date"),
                DayOf(convention, "end_date"), convention, "start_date", detail);
    }
}

void Primaries(TBuilder& add, const TXmlNode* units,
               const std::map<std::string, std::string>& parties) {
    const TXmlNode* nation = units && units->ChildCount() > 0 ? units->GetChildAt(0) : nullptr;
    const TXmlNode* regions = nation ? nation->GetChild("political_units") : nullptr;
    for (int32_t r = 0; regions && r < regions->ChildCount(); ++r) {
        const TXmlNode* region = regions->GetChildAt(r);
        const TXmlNode* events = region->GetChild("election_events");
        const std::string regionName = ChildLookup::Text(region, "name");
        for (int32_t e = 0; events && e < events->ChildCount(); ++e) {
            TXmlNode* event = events->GetChildAt(e);
            const std::string type = TextCase::Lower(ChildLookup::Text(event, "type"));
            if (type != "primary" && type != "caucus")
                continue;
            const TXmlNode* party = event->GetChild("party");
            const std::string partyName = NameOf(parties, party ? party->AttributeValue("id") : "");
            const TDay day = DayOf(event, "date");
            add.Add(TKind::Primary, "Primaries: " + partyName, regionName + " (" + type + ")", day,
                    day, event, "date", ChildLookup::Text(event, "open_closed"));
        }
    }
}

void Debates(TBuilder& add, const TXmlNode* scenario,
             const std::map<std::string, std::string>& parties) {
    const TXmlNode* debates = scenario ? scenario->GetChild("debates") : nullptr;
    const TXmlNode* general = debates ? debates->GetChild("general_election") : nullptr;
    for (int32_t i = 0; general && i < general->ChildCount(); ++i) {
        TXmlNode* debate = general->GetChildAt(i);
        const TDay day = DayOf(debate, "date");
        add.Add(TKind::Debate, "Debates: General Election",
                ChildLookup::Text(debate, "type") + " debate", day, day, debate, "date",
                ChildLookup::Text(debate, "language"));
    }
    const TXmlNode* primaries = debates ? debates->GetChild("primaries") : nullptr;
    for (int32_t p = 0; primaries && p < primaries->ChildCount(); ++p) {
        const TXmlNode* entry = primaries->GetChildAt(p);
        const std::string party = NameOf(parties, entry->AttributeValue("id"));
        for (int32_t i = 0; i < entry->ChildCount(); ++i) {
            TXmlNode* debate = entry->GetChildAt(i);
            const TDay day = DayOf(debate, "date");
            add.Add(TKind::Debate, "Debates: " + party, party + " debate", day, day, debate, "date",
                    ChildLookup::Text(debate, "language"));
        }
    }
}

void ScriptedEvents(TBuilder& add, const TXmlNode* events) {
    const TXmlNode* scripted = events ? events->GetChild("scripted_events") : nullptr;
    for (int32_t i = 0; scripted && i < scripted->ChildCount(); ++i) {
        TXmlNode* event = scripted->GetChildAt(i);
        const std::string name = ChildLookup::Text(event, "name");
        add.Add(TKind::ScriptedEvent, name, name, DayOf(event, "start_date"),
                DayOf(event, "end_date"), event, "start_date");
    }
}

void Endorsers(TBuilder& add, const TTimeline& t, const TXmlNode* endorsers) {
    const TDay start{t.First, "start_date is -1 and the primaries' start_date is not a date"};
    const TDay end{t.Last, "end_date is -1 and the general election's end_date is not a date"};
    for (int32_t i = 0; endorsers && i < endorsers->ChildCount(); ++i) {
        TXmlNode* endorser = endorsers->GetChildAt(i);
        const std::string name = ChildLookup::Text(endorser, "name");
        // "-1" stands for the campaign's own ends.
        add.Add(TKind::Endorser, name, name, DayOf(endorser, "start_date", &start),
                DayOf(endorser, "end_date", &end), endorser, "start_date",
                ChildLookup::Text(endorser, "description"));
    }
}

void AdsBan(TBuilder& add, const TTimeline& t, const TXmlNode* scenario) {
    TXmlNode* advertising = scenario ? scenario->GetChild("advertising") : nullptr;
    const std::string text = ChildLookup::Text(advertising, "ban_days_before_election");
    const std::optional<int32_t> days = NumberText::ParseInteger(text);
    if (days && *days <= 0)
        return; // "-1" is no ban, and 0 days ban nothing
    TDay first{std::nullopt, "ban_days_before_election \"" + text + "\" is not a number"};
    TDay last{t.Last, "the general election's end_date is not a date"};
    if (days && t.Last)
        first.Day = *t.Last - *days + 1;
    else if (days)
        first = last;
    add.Add(TKind::AdsBan, "Ads Ban", "No ads", first, last, advertising,
            "ban_days_before_election",
            days ? std::to_string(*days) + " days before the election" : std::string());
}

} // namespace

const char* KindName(TKind kind) {
    static const std::array<const char*, KindCount> names = {
        "Campaign",  "Conventions", "Primaries and Caucuses", "Debates", "Scripted Events",
        "Endorsers", "Advertising"};
    return names[static_cast<size_t>(kind)];
}

TTimeline Build(const TScenarioData& data) {
    TTimeline timeline;
    TBuilder add(timeline);
    const std::map<std::string, std::string> parties = PartyNames(data.Parties());
    Periods(add, timeline, data.Scenario());
    Conventions(add, data.Parties());
    Primaries(add, data.PoliticalUnits(), parties);
    Debates(add, data.Scenario(), parties);
    ScriptedEvents(add, data.Events());
    Endorsers(add, timeline, data.Endorsers());
    AdsBan(add, timeline, data.Scenario());
    add.Finish();
    return timeline;
}

} // namespace CampaignTimeline
