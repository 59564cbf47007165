#include "scenario/StartingRace.h"

#include "scenario/TScenarioData.h"
#include "scenario/map/RegionMap.h"
#include "xml/ChildLookup.h"
#include "xml/NumberText.h"
#include "xml/TXmlNode.h"

#include <algorithm>
#include <map>

namespace StartingRace {

namespace {

std::optional<double> NumberOf(const TXmlNode* parent, const char* name) {
    const TXmlNode* child = parent ? parent->GetChild(name) : nullptr;
    return child ? NumberText::ParseDecimal(child->GetText()) : std::nullopt;
}

TXmlNode* ChildWithId(const TXmlNode* list, const std::string& id) {
    for (int32_t i = 0; list && i < list->ChildCount(); ++i)
        if (list->GetChildAt(i)->AttributeValue("id") == id)
            return list->GetChildAt(i);
    return nullptr;
}

ValueEncodings::TRgb ColourNamed(const std::string& name) {
    return ValueEncodings::ColourOf(name, ValueEncodings::TColourVariant::Main)
        .value_or(ValueEncodings::TRgb{180, 180, 180});
}

// The figure of one contender in a unit entry of percentages.xml.
using TFigure = std::optional<double> (*)(const TXmlNode* unitEntry, const std::string& party,
                                          const std::string& contender);

std::optional<double> GeneralFigure(const TXmlNode* unit, const std::string&,
                                    const std::string& party) {
    const TXmlNode* entry = ChildWithId(unit ? unit->GetChild("parties") : nullptr, party);
    return NumberOf(entry ? entry->GetChild("general_election") : nullptr, "starting_percentage");
}

std::optional<double> PrimaryFigure(const TXmlNode* unit, const std::string& party,
                                    const std::string& leader) {
    const TXmlNode* entry = ChildWithId(unit ? unit->GetChild("parties") : nullptr, party);
    const TXmlNode* primaries = entry ? entry->GetChild("primaries") : nullptr;
    return NumberOf(ChildWithId(primaries ? primaries->GetChild("leaders") : nullptr, leader),
                    "starting_percentage");
}

void Rank(TRegion& region) {
    int best = -1;
    std::optional<double> second;
    for (size_t i = 0; i < region.Percent.size(); ++i) {
        const std::optional<double> figure = region.Percent[i];
        if (!figure)
            continue;
        if (best < 0 || *figure > *region.Percent[static_cast<size_t>(best)]) {
            if (best >= 0)
                second = region.Percent[static_cast<size_t>(best)];
            best = static_cast<int>(i);
        } else if (!second || *figure > *second) {
            second = figure;
        }
    }
    if (best < 0)
        return;
    const double top = *region.Percent[static_cast<size_t>(best)];
    region.Margin = top - second.value_or(0);
    region.Tie = second && *second == top;
    region.Leader = region.Tie ? -1 : best;
}

TRace Build(const TScenarioData& data, std::vector<TContender> contenders, const std::string& party,
            TFigure figure) {
    TRace race;
    race.Contenders = std::move(contenders);
    std::map<std::string, const TXmlNode*> entries;
    const TXmlNode* percentages = data.Percentages();
    const TXmlNode* units = percentages ? percentages->GetChild("political_units") : nullptr;
    for (int32_t i = 0; units && i < units->ChildCount(); ++i)
        entries.emplace(units->GetChildAt(i)->AttributeValue("id"), units->GetChildAt(i));

    const size_t count = race.Contenders.size();
    std::vector<double> weighted(count, 0), voters(count, 0);
    const TXmlNode* root = data.PoliticalUnits();
    const TXmlNode* nation = root && root->ChildCount() > 0 ? root->GetChildAt(0) : nullptr;
    const TXmlNode* regions = nation ? nation->GetChild("political_units") : nullptr;
    for (int32_t r = 0; regions && r < regions->ChildCount(); ++r) {
        TRegion region;
        region.Region = regions->GetChildAt(r);
        region.Name = ChildLookup::Text(region.Region, "name");
        region.EligibleVoters = NumberOf(region.Region, "eligible_voters");
        const auto entry = entries.find(region.Region->AttributeValue("id"));
        const TXmlNode* unit = entry != entries.end() ? entry->second : nullptr;
        for (size_t c = 0; c < count; ++c) {
            region.Percent.push_back(unit ? figure(unit, party, race.Contenders[c].Id)
                                          : std::nullopt);
            if (region.Percent[c] && region.EligibleVoters) {
                weighted[c] += *region.EligibleVoters * *region.Percent[c];
                voters[c] += *region.EligibleVoters;
            }
        }
        Rank(region);
        race.Regions.push_back(std::move(region));
    }
    for (size_t c = 0; c < count; ++c)
        race.National.push_back(voters[c] > 0 ? std::optional(weighted[c] / voters[c])
                                              : std::nullopt);
    return race;
}

} // namespace

TRace General(const TScenarioData& data) {
    std::vector<TContender> parties;
    const TXmlNode* root = data.Parties();
    for (int32_t i = 0; root && i < root->ChildCount(); ++i) {
        const TXmlNode* party = root->GetChildAt(i);
        parties.push_back({party->AttributeValue("id"), ChildLookup::Text(party, "name"),
                           ColourNamed(ChildLookup::Text(party, "color"))});
    }
    return Build(data, std::move(parties), {}, GeneralFigure);
}

TRace Primaries(const TScenarioData& data, const TXmlNode* party) {
    std::vector<TContender> leaders;
    const TXmlNode* list = party ? party->GetChild("leaders") : nullptr;
    for (int32_t i = 0; list && i < list->ChildCount(); ++i) {
        const TXmlNode* leader = list->GetChildAt(i);
        leaders.push_back(
            {leader->AttributeValue("id"),
             ChildLookup::Text(leader, "firstname") + " " + ChildLookup::Text(leader, "lastname"),
             ColourNamed(ChildLookup::Text(leader, "leader_color"))});
    }
    return Build(data, std::move(leaders), party ? party->AttributeValue("id") : std::string(),
                 PrimaryFigure);
}

ValueEncodings::TRgb Fill(const TRace& race, const TRegion& region) {
    if (region.Tie)
        return TieColour;
    if (region.Leader < 0)
        return NoFiguresColour;
    const ValueEncodings::TRgb full = race.Contenders[static_cast<size_t>(region.Leader)].Colour;
    // From a third of the colour at no lead to all of it at the full margin.
    const double strength =
        1.0 / 3 + 2.0 / 3 * std::clamp(region.Margin / FullColourMargin, 0.0, 1.0);
    const auto shade = [strength](uint8_t channel) {
        return static_cast<uint8_t>(255 - (255 - channel) * strength + 0.5);
    };
    return {shade(full.Red), shade(full.Green), shade(full.Blue)};
}

TPixelBuffer Draw(TMapAreas& areas, const TRace& race) {
    TPixelBuffer picture = areas.Base();
    for (const TRegion& region : race.Regions)
        RegionMap::PaintRegion(areas, picture, region.Region, Fill(race, region));
    return picture;
}

} // namespace StartingRace
