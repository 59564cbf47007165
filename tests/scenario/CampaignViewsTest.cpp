// What the campaign timeline and the starting race map show, over the sample
// and over a small scenario with ties, missing figures and bad dates.
#include "scenario/CampaignTimeline.h"
#include "scenario/ElementTargets.h"
#include "scenario/StartingRace.h"
#include "scenario/map/TMapAreas.h"
#include "support/ScenarioFixture.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

namespace {

using CampaignTimeline::TKind;
using CampaignTimeline::TProblem;

int Day(const char* date) {
    return TDate::Parse(date)->DayNumber();
}

std::string Region(const char* id, const char* name, const char* voters, int x,
                   const char* events = "") {
    return std::string("<political_unit id=\"") + id + "\"><name>" + name +
           "</name><eligible_voters>" + voters +
           "</eligible_voters><map><fill_positions><point><x>" + std::to_string(x) +
           "</x><y>0</y></point></fill_positions></map><election_events>" + events +
           "</election_events></political_unit>";
}

std::string Entry(const char* unit, const char* unity, const char* reform,
                  const char* leaders = "") {
    const auto party = [&](const char* id, const char* figure, const char* primaries) {
        return std::string("<party id=\"") + id + "\"><general_election><starting_percentage>" +
               figure + "</starting_percentage></general_election><primaries><leaders>" +
               primaries + "</leaders></primaries></party>";
    };
    return std::string("<political_unit id=\"") + unit + "\"><parties>" +
           party("p1", unity, leaders) + party("p2", reform, "") + "</parties></political_unit>";
}

std::unique_ptr<TScenarioData> Crafted() {
    return TestScenario::FromTexts({
        {TScenarioFile::Scenario,
         "<scenario><primaries><start_date>02/01/2008</start_date></primaries>"
         "<general_election><start_date>08/01/2008</start_date><end_date>11/04/2008</end_date>"
         "</general_election><advertising><ban_days_before_election>3</ban_days_before_election>"
         "</advertising><debates><general_election><debate><type>Leader</type>"
         "<date>13/45/2008</date></debate></general_election><primaries><party id=\"p1\">"
         "<debate><date>03/01/2008</date></debate></party></primaries></debates></scenario>"},
        {TScenarioFile::Parties,
         "<parties><party id=\"p1\"><name>Unity</name><color>red</color><convention>"
         "<start_date>07/01/2008</start_date><end_date>07/04/2008</end_date></convention>"
         "<leaders><leader id=\"l1\"><firstname>Ann</firstname><lastname>Lee</lastname>"
         "<leader_color>green</leader_color></leader><leader id=\"l2\"><firstname>Bo</firstname>"
         "<lastname>Ray</lastname><leader_color>no-such-colour</leader_color></leader></leaders>"
         "</party><party id=\"p2\"><name>Reform</name><color>blue</color><convention>"
         "<start_date>12/01/2008</start_date><end_date>12/03/2008</end_date></convention>"
         "</party></parties>"},
        {TScenarioFile::PoliticalUnits,
         "<political_units><political_unit><political_units>" +
             Region("r1", "Eastmark", "100", 0,
                    "<event><type>general</type></event><event><type>Primary</type>"
                    "<party id=\"p1\"/><date>02/05/2008</date></event><event><type>caucus</type>"
                    "<party id=\"p2\"/><date>01/15/2008</date></event>") +
             Region("r2", "Westvale", "300", 4) + Region("r3", "Northholm", "100", 8) +
             Region("r4", "Southby", "many", 12) +
             "</political_units></political_unit></political_units>"},
        {TScenarioFile::Percentages,
         "<percentages><political_units>" +
             Entry("r1", "60", "40",
                   "<leader id=\"l1\"><starting_percentage>30</starting_percentage></leader>"
                   "<leader id=\"l2\"><starting_percentage>70</starting_percentage></leader>") +
             Entry("r2", "45", "45") + Entry("r4", "x", "30") + "</political_units></percentages>"},
        {TScenarioFile::Events,
         "<events><scripted_events><event><name>Storm</name><start_date>09/01/2008</start_date>"
         "<end_date>08/01/2008</end_date></event></scripted_events></events>"},
        {TScenarioFile::Endorsers,
         "<endorsers><endorser><name>Union</name><start_date>-1</start_date>"
         "<end_date>-1</end_date></endorser></endorsers>"},
    });
}

// The item labelled label; a failure and an empty item when there is none.
const CampaignTimeline::TItem& Named(const CampaignTimeline::TTimeline& t,
                                     const std::string& label) {
    for (const auto& item : t.Items)
        if (item.Label == label)
            return item;
    ADD_FAILURE() << "no item " << label;
    static const CampaignTimeline::TItem none;
    return none;
}

TEST(CampaignTimelineTest, SampleItemsAreGroupedDatedAndOpenTheirEditor) {
    TTemporaryFolder folder;
    const auto data = TestScenario::LoadCopy(Sample, folder);
    const auto t = CampaignTimeline::Build(*data);
    ASSERT_TRUE(t.First && t.Last);
    EXPECT_EQ(*t.First, Day("02/04/2008"));
    EXPECT_EQ(*t.Last, Day("10/26/2008"));
    int kinds[CampaignTimeline::KindCount] = {};
    TKind kind = TKind::Period;
    for (const auto& item : t.Items) {
        ++kinds[static_cast<int>(item.Kind)];
        EXPECT_GE(item.Kind, kind) << item.Label; // grouped by kind
        kind = item.Kind;
        EXPECT_EQ(t.Rows[static_cast<size_t>(item.Row)].Kind, item.Kind);
        EXPECT_TRUE(ElementTargets::Find(*data, item.Element, item.Field).Found()) << item.Label;
        EXPECT_TRUE(item.Element->GetChild(item.Field)) << item.Label;
    }
    for (int count : kinds)
        EXPECT_GT(count, 0);
    EXPECT_EQ(kinds[static_cast<int>(TKind::ScriptedEvent)], 4);
    EXPECT_EQ(kinds[static_cast<int>(TKind::Endorser)], 5);
}

TEST(CampaignTimelineTest, DatesOpenEndsAndProblems) {
    const auto data = Crafted();
    auto t = CampaignTimeline::Build(*data);
    EXPECT_EQ(Named(t, "Primaries").Last, Day("07/31/2008"));
    EXPECT_EQ(Named(t, "No ads").First, Day("11/02/2008"));
    EXPECT_EQ(Named(t, "No ads").Last, Day("11/04/2008"));
    EXPECT_EQ(Named(t, "Union").First, t.First);
    EXPECT_EQ(Named(t, "Union").Last, t.Last);
    EXPECT_EQ(t.Rows[static_cast<size_t>(Named(t, "Eastmark (primary)").Row)].Name,
              "Primaries: Unity");

    std::vector<std::pair<std::string, TProblem>> problems;
    for (size_t i : t.Problems)
        problems.emplace_back(t.Items[i].Label, t.Items[i].Problem);
    const std::vector<std::pair<std::string, TProblem>> expected = {
        {"Reform convention", TProblem::Outside},
        {"Eastmark (caucus)", TProblem::Outside},
        {"Leader debate", TProblem::Unparsable},
        {"Storm", TProblem::Reversed}};
    EXPECT_EQ(problems, expected);
    EXPECT_EQ(Named(t, "Leader debate").ProblemText, "date \"13/45/2008\" is not a date");

    // Without a campaign start nothing is outside it, and "-1" has no day.
    data->Scenario()->GetChild("primaries")->GetChild("start_date")->SetText("soon");
    data->Scenario()->GetChild("advertising")->GetChild("ban_days_before_election")->SetText("-1");
    t = CampaignTimeline::Build(*data);
    EXPECT_FALSE(t.First);
    EXPECT_EQ(Named(t, "Primaries").Problem, TProblem::Unparsable);
    EXPECT_EQ(Named(t, "Eastmark (caucus)").Problem, TProblem::None);
    EXPECT_EQ(Named(t, "Union").Problem, TProblem::Unparsable);
    for (const auto& item : t.Items)
        EXPECT_NE(item.Kind, TKind::AdsBan);
}

TEST(StartingRaceTest, LeadersTiesMissingFiguresAndNationalTotals) {
    const auto data = Crafted();
    const auto race = StartingRace::General(*data);
    ASSERT_EQ(race.Contenders.size(), 2u);
    ASSERT_EQ(race.Regions.size(), 4u);
    const auto& r = race.Regions;
    EXPECT_EQ(r[0].Leader, 0);
    EXPECT_DOUBLE_EQ(r[0].Margin, 20);
    EXPECT_TRUE(r[1].Tie);
    EXPECT_EQ(r[1].Leader, -1);
    EXPECT_EQ(r[2].Leader, -1); // no entry in percentages.xml
    EXPECT_FALSE(r[2].Tie);
    EXPECT_EQ(r[3].Leader, 1); // the only figure that parses
    // Southby's voters do not parse, Northholm has no figures.
    EXPECT_DOUBLE_EQ(*race.National[0], (100 * 60 + 300 * 45) / 400.0);
    EXPECT_DOUBLE_EQ(*race.National[1], (100 * 40 + 300 * 45) / 400.0);

    EXPECT_EQ(StartingRace::Fill(race, r[0]), (ValueEncodings::TRgb{255, 0, 0}));
    EXPECT_EQ(StartingRace::Fill(race, r[1]), StartingRace::TieColour);
    EXPECT_EQ(StartingRace::Fill(race, r[2]), StartingRace::NoFiguresColour);
    StartingRace::TRegion narrow = r[0];
    narrow.Margin = 5;
    EXPECT_EQ(StartingRace::Fill(race, narrow), (ValueEncodings::TRgb{255, 128, 128}));

    const auto primaries = StartingRace::Primaries(*data, data->Parties()->GetChildAt(0));
    ASSERT_EQ(primaries.Contenders.size(), 2u);
    EXPECT_EQ(primaries.Contenders[0].Name, "Ann Lee");
    EXPECT_EQ(primaries.Regions[0].Leader, 1);
    EXPECT_EQ(primaries.Regions[1].Leader, -1);
    EXPECT_EQ(*primaries.National[1], 70);
}

TEST(StartingRaceTest, MapPaintsEachRegionInItsColour) {
    // Four areas a pixel wide, parted by black columns.
    TPixelBuffer base(13, 1);
    for (int32_t x : {2, 6, 10})
        base.Set(x, 0, {0, 0, 0});
    TMapAreas areas(base);
    const auto data = Crafted();
    const auto race = StartingRace::General(*data);
    const TPixelBuffer map = StartingRace::Draw(areas, race);
    for (size_t i = 0; i < race.Regions.size(); ++i)
        EXPECT_EQ(map.At(static_cast<int32_t>(4 * i), 0),
                  StartingRace::Fill(race, race.Regions[i]));
    EXPECT_EQ(map.At(2, 0), (ValueEncodings::TRgb{0, 0, 0}));

    TTemporaryFolder folder;
    const auto sample = TestScenario::LoadCopy(Sample, folder);
    const auto general = StartingRace::General(*sample);
    for (const auto& region : general.Regions)
        EXPECT_TRUE(region.Leader >= 0 || region.Tie) << region.Name;
}

} // namespace
