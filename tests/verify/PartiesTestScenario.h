#pragma once

// A small scenario that the parties verification finds clean: three
// parties, two regions, pictures on disk. Tests change it and look at what
// the verification says and repairs.
#include "scenario/TScenarioData.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace PartiesTest {

inline std::string Leader(const std::string& id, const std::string& title, const std::string& first,
                          const std::string& last, const std::string& mate) {
    return R"(<leader id=")" + id + R"("><default_on>1</default_on><title>)" + title +
           "</title><firstname>" + first + "</firstname><lastname>" + last +
           "</lastname><primaries_description>Runs on roads.</primaries_description>"
           "<generalelection_description>Runs on bridges.</generalelection_description>"
           "<leader_color>green</leader_color><goals><percentage>-1</percentage><seats>0</seats>"
           "</goals><image_large>" +
           id + "_large.bmp</image_large><image_small>" + id +
           R"(_small.bmp</image_small><sex>female</sex><home_political_unit id="r1"></home_political_unit>)"
           "<age>fifty-one</age><starting_funds>2500.5</starting_funds><language_bonus>-1"
           "</language_bonus><how_well_known>High</how_well_known><established_primaries>4"
           "</established_primaries><political_influence_points>12</political_influence_points>"
           "<attributes><leadership>4</leadership><integrity>3</integrity><experience>5"
           "</experience><issue_familiarity>2</issue_familiarity><charisma>3</charisma>"
           "<stamina>4</stamina><debating>1</debating></attributes>"
           R"(<platform><issue id="i1">far-right</issue></platform><viceleaders><viceleader id=")" +
           mate +
           R"("></viceleader></viceleaders><crusaders><crusader id="new_crusader"><first_name>Cal)"
           "</first_name><last_name></last_name><political_points_cost>2</political_points_cost>"
           "<base_power>3</base_power><last_for_days>-1</last_for_days></crusader></crusaders>"
           "</leader>";
}

inline std::string ViceLeader(const std::string& id, const std::string& home,
                              const std::string& bonusRegion) {
    return R"(<viceleader id=")" + id +
           R"("><firstname>Vic</firstname><lastname>Mate</lastname><sex>male</sex>)"
           R"(<home_political_unit id=")" +
           home +
           R"("></home_political_unit><age>44</age><language_bonus>-1</language_bonus>)"
           "<how_well_known>Low</how_well_known><political_points_cost>1</political_points_cost>"
           "<attributes><leadership>3</leadership><integrity>3</integrity><experience>3"
           "</experience><issue_familiarity>3</issue_familiarity><charisma>3</charisma>"
           "<stamina>3</stamina><debating>3</debating></attributes>"
           R"(<percentage_bonuses><political_unit id=")" +
           bonusRegion + R"("><bonus>2</bonus></political_unit></percentage_bonuses></viceleader>)";
}

inline std::string Party(const std::string& id, const std::string& name, const std::string& leaders,
                         const std::string& pool) {
    return R"(<party id=")" + id + R"("><name>)" + name + "</name><abbreviation>" +
           name.substr(0, 2) +
           "</abbreviation><color>light-blue</color><default_on>1</default_on><picture>" + id +
           ".bmp</picture><funds>12.5</funds><established>4</established><incumbent>0</incumbent>"
           R"(<regional_party_political_units><political_unit id="-1"></political_unit>)"
           "</regional_party_political_units><generalelection_block_grant>3"
           "</generalelection_block_grant><fundraising_coefficient>1,5</fundraising_coefficient>"
           R"(<platform><issue id="i1">Center-Left</issue><issue id="i2">-1</issue></platform>)"
           R"(<advertising><pac>1</pac><ad_credits><ad id="a1"><credits>4</credits></ad>)"
           R"(<ad id="-1"><credits>1</credits></ad></ad_credits></advertising>)"
           "<goals><percentage>-1</percentage><seats>0</seats></goals><convention><start_date>"
           "07/01/2008</start_date><end_date>07/04/2008</end_date><nomination_date>07/03/2008"
           R"(</nomination_date><political_unit id="r2"></political_unit><location>Harbor City)"
           "</location></convention><leaders>" +
           leaders + "</leaders><viceleaders>" + pool + "</viceleaders></party>";
}

inline std::string Event(const std::string& type, const std::string& party,
                         const std::string& date = "02/12/2008") {
    return "<event><type>" + type + R"(</type><open_closed>open</open_closed><party id=")" + party +
           R"("></party><date>)" + date +
           "</date><ballot></ballot><seat><type>PR</type><number>4</number></seat></event>";
}

inline std::string General(const std::string& ballot) {
    return "<event><type>general</type><ballot>" + ballot +
           "</ballot><open_closed>open</open_closed><date>11/04/2008</date><seat><type>FPP"
           "</type><number>7</number></seat></event>";
}

inline std::string BallotEntry(const std::string& party) {
    return R"(<party id=")" + party + R"("></party>)";
}

inline std::string Region(const std::string& id, const std::string& name,
                          const std::string& majority, const std::string& events) {
    return R"(<political_unit id=")" + id + R"("><name>)" + name +
           R"(</name><party_with_governor id="p1"></party_with_governor>)"
           R"(<party_with_existing_majority id=")" +
           majority + R"("></party_with_existing_majority><election_events>)" + events +
           "</election_events></political_unit>";
}

inline std::string LeaderShares(const std::string& id) {
    return R"(<leader id=")" + id +
           R"("><starting_percentage>30</starting_percentage><undecided>10</undecided>)"
           "<alienated>-1</alienated><leaning>20</leaning><committed>5</committed></leader>";
}

inline std::string PartyShares(const std::string& id, const std::string& leaders) {
    return R"(<party id=")" + id +
           R"("><general_election><starting_percentage>30</starting_percentage><undecided>10)"
           "</undecided><alienated>5</alienated><leaning>20</leaning><committed>25</committed>"
           "</general_election><primaries><starting_percentage>40</starting_percentage><leaders>" +
           leaders + "</leaders></primaries></party>";
}

inline std::string UnitShares(const std::string& id) {
    return R"(<political_unit id=")" + id + R"("><parties>)" +
           PartyShares("p1", LeaderShares("l1")) + PartyShares("p2", LeaderShares("l2")) +
           PartyShares("p3", LeaderShares("l3")) + "</parties></political_unit>";
}

struct TDocuments {
    std::string Parties =
        "<parties>" +
        Party("p1", "Alpha", Leader("l1", "Gov.", "Ann", "Reed", "v1"),
              ViceLeader("v1", "r1", "r1")) +
        Party("p2", "Beta", Leader("l2", "", "Bob", "Hale", "v2"), ViceLeader("v2", "r2", "r2")) +
        Party("p3", "Gamma", Leader("l3", "Dr.", "Cy", "Marsh", "v3"),
              ViceLeader("v3", "r1", "r1")) +
        "</parties>";
    std::string Issues = R"(<issues><issue id="i1"><name>Roads</name><type>PositionIssue</type>)"
                         R"(</issue><issue id="i2"><name>Poise</name><type>Attribute</type>)"
                         "</issue></issues>";
    std::string Ads = R"(<ads><ad id="a1"><name>Sunrise</name></ad></ads>)";
    std::string PoliticalUnits =
        R"(<political_units><political_unit id="n1"><name>Nation</name><political_units>)" +
        Region("r1", "Northmark", "tie",
               General(BallotEntry("p1") + BallotEntry("p2") + BallotEntry("p3")) +
                   Event("Primary", "p1") + Event("caucus", "p2") + Event("primary", "p3")) +
        Region("r2", "Southdale", "p2",
               Event("Primary", "p1") + General(BallotEntry("p3")) + Event("CAUCUS", "p2") +
                   Event("primary", "p3")) +
        "</political_units></political_unit></political_units>";
    std::string Percentages =
        "<percentages><randomization>2</randomization><universal_alienated>4.5"
        "</universal_alienated><political_units>" +
        UnitShares("r1") + UnitShares("r2") + "</political_units></percentages>";
    std::string Relations =
        "<relations><coalition_offers>1</coalition_offers><endorsement_offers>1"
        "</endorsement_offers><non_aggression_offers>0</non_aggression_offers>"
        R"(<viceleader_offers>1</viceleader_offers><leaders><relation from="l1" to="l2">Good)"
        R"(</relation><relation from="l3" to="l1">Very Bad</relation></leaders></relations>)";
    std::string Scenario =
        R"(<scenario><debates><primaries><party id="p1"><debate><date>03/01/2008</date>)"
        "<language>English</language><percent_to_qualify>5</percent_to_qualify></debate>"
        R"(</party><party id="p3"><debate><date>03/02/2008</date><language>English</language>)"
        "<percent_to_qualify>2.5</percent_to_qualify></debate></party></primaries></debates>"
        "</scenario>";
};

// Creates the pictures that the parties name in folder.
inline void WritePictures(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "party_images" / "candidates");
    for (const char* p : {"p1", "p2", "p3"})
        std::ofstream(folder / "party_images" / (std::string(p) + ".bmp")) << "BM";
    for (const char* l : {"l1", "l2", "l3"})
        for (const char* size : {"_large.bmp", "_small.bmp"})
            std::ofstream(folder / "party_images" / "candidates" / (std::string(l) + size)) << "BM";
}

// The scenario in memory, its folder (with the pictures) in scratch.
inline std::unique_ptr<TScenarioData> Load(const TDocuments& d, const TTemporaryFolder& scratch) {
    WritePictures(scratch.Path());
    return TestScenario::FromTexts({{TScenarioFile::Parties, d.Parties},
                                    {TScenarioFile::Issues, d.Issues},
                                    {TScenarioFile::Ads, d.Ads},
                                    {TScenarioFile::PoliticalUnits, d.PoliticalUnits},
                                    {TScenarioFile::Percentages, d.Percentages},
                                    {TScenarioFile::Relations, d.Relations},
                                    {TScenarioFile::Scenario, d.Scenario}},
                                   scratch.Str());
}

} // namespace PartiesTest
