#pragma once

#include "scenario/ValueEncodings.h"
#include "scenario/map/TMapAreas.h"

#include <optional>
#include <string>
#include <vector>

class TScenarioData;
class TXmlNode;

// Who leads where at the start of the campaign, from percentages.xml: for
// the general election the parties, for one party's primaries its leaders.
// Reads the documents only.
namespace StartingRace {

// Regions whose two best share the top figure, and those without any.
constexpr ValueEncodings::TRgb TieColour{96, 96, 96};
constexpr ValueEncodings::TRgb NoFiguresColour{255, 255, 255};
// At this lead (percentage points) or more a region has its leader's full
// colour; narrower leads are lighter.
constexpr double FullColourMargin = 20;

struct TContender {
    std::string Id;
    std::string Name;
    // The main shade of the party's or leader's colour; grey for a name the
    // colour table lacks.
    ValueEncodings::TRgb Colour;
};

struct TRegion {
    TXmlNode* Region = nullptr;
    std::string Name;
    // Empty when eligible_voters does not parse.
    std::optional<double> EligibleVoters;
    // Per contender, in contender order: the starting percentage; empty
    // when the entry is missing or does not parse.
    std::vector<std::optional<double>> Percent;
    // The contender with the highest figure; -1 on a tie or without figures.
    int Leader = -1;
    bool Tie = false;
    // The leader's figure minus the runner-up's (the leader's own figure
    // when alone).
    double Margin = 0;
};

struct TRace {
    std::vector<TContender> Contenders;
    // The nation's regions in order.
    std::vector<TRegion> Regions;
    // Per contender: the figures averaged over the regions, weighted by
    // eligible voters; empty when no region has both.
    std::vector<std::optional<double>> National;
};

// The parties' general-election race.
TRace General(const TScenarioData& data);
// The primaries race among party's leaders (party: an element of
// parties.xml).
TRace Primaries(const TScenarioData& data, const TXmlNode* party);

// The region's colour: its leader's, lighter as the margin narrows; the tie
// or no-figures colour otherwise.
ValueEncodings::TRgb Fill(const TRace& race, const TRegion& region);
// The base map with every region's areas in its Fill colour.
TPixelBuffer Draw(TMapAreas& areas, const TRace& race);

} // namespace StartingRace
