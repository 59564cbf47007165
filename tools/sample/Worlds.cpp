#include "sample/SampleWorld.h"

#include <algorithm>
#include <stdexcept>

namespace Sample {

std::string IdOf(const std::string& kind, const std::string& key) {
    // FNV-1a: stable across platforms and runs.
    uint64_t hash = 14695981039346656037ull;
    for (char c : kind + ":" + key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    // A day in the weeks the scenario was designed, and ten fraction digits
    // without a trailing zero, as NewId writes them.
    const uint64_t day = 39420 + hash % 40;
    uint64_t fraction = 1000000000ull + (hash >> 16) % 8999999999ull;
    if (fraction % 10 == 0)
        fraction += 7;
    return std::to_string(day) + "_" + std::to_string(fraction);
}

TWorld TemplateWorld() {
    TWorld w;
    TSettings& s = w.Settings;
    s.Name = "New Scenario";
    s.PrimariesIntroduction =
        "Every party chooses its candidate in a season of primaries and caucuses held region by "
        "region. Win the nomination of your party, then lead it into the general election.";
    s.GeneralIntroduction =
        "The conventions are over and the candidates are chosen. Travel the country, raise money, "
        "win endorsements and take your case to the voters before election day.";
    s.PrimariesStart = "02/04/2008";
    s.GeneralStart = "08/18/2008";
    s.GeneralEnd = "10/26/2008";
    s.PollResultsDay = "Fri";
    s.InitialEconomy = 3;
    s.Targets = {{"boom", "Boom", 4, "Slow", "10"}, {"recession", "Recession", 2, "Normal", "10"}};
    s.Pac = 1;
    s.BanDaysBeforeElection = -1;
    s.MaxAdsPerPlayer = 10;
    s.BaseCp = 20;
    s.CurrencySymbol = "$";
    s.Position = "President";
    s.Institution = "Republic";
    s.AppointedBy = "Popular Vote";
    s.Interviewers = {{"New Interviewer", "Center", "Med", "Med"}};
    s.GeneralDebates = {{"Leader", "09/22/2008", 15}, {"Viceleader", "10/06/2008", 15}};
    w.Issues = TemplateIssues();
    w.Nation.Name = "New Nation";
    w.Nation.Abbreviation = "NN";
    w.Nation.Type = "national";
    w.Nation.Layer = "national";
    w.Nation.Capital = "Capital City";
    w.Nation.FlagText = "Describe the national flag here.";
    w.Nation.Motto = "Enter the national motto here.";
    w.Nation.Nickname = "";
    w.Nation.Blurb = "Describe the nation here.";
    w.Nation.Logo = "nation.bmp";
    w.Nation.YearOfEntry = 1900;
    w.Nation.Population = 10000000;
    w.Nation.Voters = 7000000;
    w.Ads = TemplateAds();
    w.LeaderActivities = BuiltInLeaderActivities();
    w.ViceLeaderActivities = BuiltInViceLeaderActivities();
    return w;
}

namespace {

TRegion MakeRegion(const std::string& key, const std::string& name, const std::string& abbreviation,
                   const std::string& capital, std::vector<std::string> cities) {
    TRegion r;
    r.Key = key;
    r.Name = name;
    r.Abbreviation = abbreviation;
    r.Capital = capital;
    r.Cities = std::move(cities);
    r.Logo = "flag_" + key + ".bmp";
    return r;
}

std::vector<TRegion> TellavarRegions() {
    std::vector<TRegion> regions;

    TRegion r = MakeRegion("aldmoor", "Aldmoor", "AM", "Kestrel Ford",
                           {"Kestrel Ford", "Hollin", "Brae Cross"});
    r.FlagText = "A white stag on heather purple over grey";
    r.Motto = "Stone Stands, Heather Bends";
    r.Nickname = "The High Country";
    r.Blurb = "Windswept highlands of sheep farms, slate quarries and proud old towns. Aldmoor "
              "votes late and votes its own mind.";
    r.MediaMarket = "Kestrel Ford";
    r.Population = 1150000;
    r.Voters = 840000;
    r.YearOfEntry = 1871;
    r.PollClose = 2000;
    r.Flag = {
        false, {{{120, 70, 140}, {240, 240, 240}, {130, 130, 130}}}, TGlyph::Star, {250, 250, 250}};
    r.MapColour = {214, 196, 226};
    r.FillPoints = {{100, 100}};
    r.Governor = "civic_union";
    r.Majority = "civic_union";
    r.GeneralSeats = 8;
    r.Lean = 1;
    r.CentreOverrides = {{"regional_autonomy", 3}};
    r.PrimaryDate = "02/09/2008";
    regions.push_back(r);

    r = MakeRegion("brenvale", "Brenvale", "BV", "Wenlow", {"Wenlow", "Ashby Mill", "Tarn End"});
    r.FlagText = "A golden sheaf on green between two white bands";
    r.Motto = "The Harvest Feeds the Nation";
    r.Nickname = "The Breadbasket";
    r.Blurb = "Rolling farmland along the river Bren, with market towns, grain silos and the "
              "national agricultural college at Wenlow.";
    r.MediaMarket = "Wenlow";
    r.Population = 1420000;
    r.Voters = 1030000;
    r.YearOfEntry = 1871;
    r.PollClose = 2000;
    r.Flag = {
        true, {{{240, 240, 240}, {60, 140, 70}, {240, 240, 240}}}, TGlyph::Wheat, {220, 180, 40}};
    r.MapColour = {204, 226, 170};
    r.FillPoints = {{228, 110}};
    r.Governor = "civic_union";
    r.Majority = "civic_union";
    r.GeneralSeats = 10;
    r.Lean = 1;
    r.PrimaryDate = "02/16/2008";
    regions.push_back(r);

    r = MakeRegion("merrowdene", "Merrowdene", "MD", "Lisk", {"Lisk", "Marrow Bay", "Culhaven"});
    r.FlagText = "Three blue waves on white under a silver moon";
    r.Motto = "Still Waters, Deep Roots";
    r.Nickname = "The Lake Country";
    r.Blurb = "A land of lakes, forests and paper mills in the north-east, where the timber "
              "trade is slowly giving way to tourism.";
    r.MediaMarket = "Lisk";
    r.Population = 1310000;
    r.Voters = 960000;
    r.YearOfEntry = 1874;
    r.PollClose = 2100;
    r.Flag = {false,
              {{{250, 250, 250}, {50, 100, 170}, {250, 250, 250}}},
              TGlyph::Circle,
              {200, 200, 210}};
    r.MapColour = {176, 212, 226};
    r.FillPoints = {{362, 98}};
    r.Governor = "";
    r.Majority = "tie";
    r.GeneralSeats = 9;
    r.Lean = 0;
    r.PrimaryDate = "02/23/2008";
    regions.push_back(r);

    r = MakeRegion("stannock", "Stannock", "SK", "Steelgate",
                   {"Steelgate", "Orrin Cross", "Tamsford"});
    r.FlagText = "A black anvil on red and gold";
    r.Motto = "Forged in Fire";
    r.Nickname = "The Forge";
    r.Blurb = "The industrial heart of Tellavar: steelworks, railway yards and crowded terraces. "
              "Its unions are the backbone of the People's Accord.";
    r.MediaMarket = "Steelgate";
    r.Population = 2480000;
    r.Voters = 1790000;
    r.YearOfEntry = 1871;
    r.PollClose = 2000;
    r.Flag = {
        true, {{{190, 40, 40}, {230, 180, 40}, {190, 40, 40}}}, TGlyph::Factory, {30, 30, 30}};
    r.MapColour = {232, 196, 176};
    r.FillPoints = {{118, 196}};
    r.Governor = "peoples_accord";
    r.Majority = "peoples_accord";
    r.GeneralSeats = 17;
    r.Lean = -1;
    r.CentreOverrides = {{"labor_unions", 2}};
    r.PrimaryDate = "03/01/2008";
    regions.push_back(r);

    r = MakeRegion("aubrel", "Aubrel", "AB", "Port Aubrel",
                   {"Port Aubrel", "Sallow Point", "Wyke"});
    r.FlagText = "The golden lantern of the republic on a field of deep blue";
    r.Motto = "First Light, Last Harbour";
    r.Nickname = "The Capital Coast";
    r.Blurb = "Home of the national capital Port Aubrel, its harbour, its banks and its "
              "ministries. Aubrel elects more members than any other region.";
    r.MediaMarket = "Port Aubrel";
    r.Population = 3260000;
    r.Voters = 2390000;
    r.YearOfEntry = 1871;
    r.PollClose = 2100;
    r.Flag = {
        false, {{{30, 50, 120}, {30, 50, 120}, {30, 50, 120}}}, TGlyph::Lantern, {240, 200, 60}};
    r.MapColour = {240, 222, 160};
    r.FillPoints = {{372, 188}};
    r.Governor = "civic_union";
    r.Majority = "civic_union";
    r.GeneralSeats = 23;
    r.Lean = 0;
    r.PrimaryDate = "03/08/2008";
    regions.push_back(r);

    r = MakeRegion("selkie_coast", "Selkie Coast", "SC", "Gullhaven",
                   {"Gullhaven", "Reedmouth", "Port Selkie"});
    r.FlagText = "A grey seal on sea green over white";
    r.Motto = "The Sea Gives, the Sea Takes";
    r.Nickname = "The Wild Shore";
    r.Blurb = "Fishing harbours and cliffs along the south-west. The quota cuts of recent years "
              "have left many boats tied up and many voters angry.";
    r.MediaMarket = "Gullhaven";
    r.Population = 1240000;
    r.Voters = 900000;
    r.YearOfEntry = 1879;
    r.PollClose = 1900;
    r.Flag = {
        false, {{{40, 130, 120}, {40, 130, 120}, {245, 245, 245}}}, TGlyph::Fish, {120, 120, 130}};
    r.MapColour = {180, 220, 204};
    r.FillPoints = {{104, 286}};
    r.Governor = "peoples_accord";
    r.Majority = "peoples_accord";
    r.GeneralSeats = 9;
    r.Lean = -1;
    r.CentreOverrides = {{"fisheries", 2}};
    r.PrimaryDate = "03/15/2008";
    regions.push_back(r);

    r = MakeRegion("orrin_hills", "Orrin Hills", "OH", "Pellinford",
                   {"Pellinford", "Cinder Hill", "Dray"});
    r.FlagText = "A crossed pick and lamp in white on black and red";
    r.Motto = "Below the Hills, Our Strength";
    r.Nickname = "The Pit Country";
    r.Blurb = "Coal and tin mining valleys in the south. Most pits have closed, but the hills "
              "still vote as one for the party of the miners.";
    r.MediaMarket = "Pellinford";
    r.Population = 1560000;
    r.Voters = 1120000;
    r.YearOfEntry = 1871;
    r.PollClose = 2000;
    r.Flag = {
        true, {{{30, 30, 30}, {170, 40, 40}, {30, 30, 30}}}, TGlyph::Lantern, {245, 245, 245}};
    r.MapColour = {222, 206, 184};
    r.FillPoints = {{232, 262}};
    r.Governor = "peoples_accord";
    r.Majority = "peoples_accord";
    r.GeneralSeats = 11;
    r.Lean = -2;
    r.PrimaryDate = "03/22/2008";
    regions.push_back(r);

    r = MakeRegion("vellandine", "Vellandine", "VL", "Velmont", {"Velmont", "Oakhurst", "Linnet"});
    r.FlagText = "A purple grape cluster on gold over green";
    r.Motto = "Patience Makes the Vintage";
    r.Nickname = "The Vineyard";
    r.Blurb = "Sunny southern hills of vineyards and orchards, and the birthplace of the Meadow "
              "League.";
    r.MediaMarket = "Velmont";
    r.Population = 1380000;
    r.Voters = 1010000;
    r.YearOfEntry = 1882;
    r.PollClose = 2000;
    r.Flag = {
        false, {{{230, 190, 50}, {230, 190, 50}, {70, 140, 60}}}, TGlyph::Circle, {110, 50, 120}};
    r.MapColour = {236, 188, 206};
    r.FillPoints = {{346, 262}};
    r.Governor = "meadow_league";
    r.Majority = "meadow_league";
    r.GeneralSeats = 10;
    r.Lean = -1;
    r.CentreOverrides = {{"environment", 2}};
    r.PrimaryDate = "03/29/2008";
    regions.push_back(r);

    r = MakeRegion("quen_isles", "Quen Isles", "QI", "Saint Oriel",
                   {"Saint Oriel", "Little Quen Harbour"});
    r.FlagText = "Two white islands on sea blue under a gold lantern";
    r.Motto = "Two Shores, One People";
    r.Nickname = "The Lantern Isles";
    r.Blurb = "Great Quen and Little Quen, two islands of fishing villages and holiday cottages, "
              "joined to the mainland only by the ferries.";
    r.MediaMarket = "Saint Oriel";
    r.Population = 400000;
    r.Voters = 290000;
    r.YearOfEntry = 1903;
    r.PollClose = 1900;
    r.Flag = {false,
              {{{40, 110, 180}, {245, 245, 245}, {40, 110, 180}}},
              TGlyph::Lantern,
              {240, 200, 60}};
    r.MapColour = {248, 176, 124};
    r.FillPoints = {{452, 318}, {405, 352}};
    r.Governor = "meadow_league";
    r.Majority = "-1";
    r.GeneralSeats = 3;
    r.Lean = 0;
    r.CentreOverrides = {{"island_ferries", 1}, {"fisheries", 2}, {"regional_autonomy", 2}};
    r.PrimaryDate = "04/05/2008";
    regions.push_back(r);

    for (TRegion& region : regions)
        region.AbbreviationPosition = {region.FillPoints[0].X - 8, region.FillPoints[0].Y + 8};
    return regions;
}

TMapShape TellavarMap() {
    TMapShape map;
    map.Mainland = {{48, 60},   {90, 34},   {150, 42},  {205, 26},  {262, 38},  {318, 30},
                    {372, 46},  {420, 40},  {452, 70},  {440, 112}, {462, 150}, {446, 196},
                    {420, 226}, {430, 262}, {398, 296}, {352, 300}, {318, 328}, {268, 318},
                    {226, 340}, {176, 326}, {130, 338}, {92, 310},  {60, 318},  {38, 282},
                    {52, 240},  {30, 200},  {44, 160},  {26, 118}};
    map.Islands = {{"quen_isles", {452, 318}, 26, 16}, {"quen_isles", {405, 352}, 14, 9}};
    map.Sea = {150, 190, 228};
    return map;
}

TLeader MakeLeader(const std::string& key, const std::string& title, const std::string& first,
                   const std::string& last, const std::string& sex, const std::string& home) {
    TLeader l;
    l.Key = key;
    l.Title = title;
    l.FirstName = first;
    l.LastName = last;
    l.Sex = sex;
    l.Home = home;
    return l;
}

TViceLeader MakeMate(const std::string& key, const std::string& first, const std::string& last,
                     const std::string& sex, const std::string& home, int age,
                     const std::string& known, int cost, const std::string& bonus,
                     std::array<int, 7> ratings) {
    TViceLeader v;
    v.Key = key;
    v.FirstName = first;
    v.LastName = last;
    v.Sex = sex;
    v.Home = home;
    v.Age = age;
    v.HowWellKnown = known;
    v.PointsCost = cost;
    v.HomeBonus = bonus;
    v.Ratings.Values = ratings;
    return v;
}

std::vector<std::pair<std::string, int>> Platform(const std::vector<TIssue>& issues,
                                                  std::array<int, 18> positions) {
    std::vector<std::pair<std::string, int>> platform;
    size_t n = 0;
    for (const TIssue& issue : issues)
        if (!issue.Attribute)
            platform.push_back({issue.Key, positions.at(n++)});
    return platform;
}

std::vector<TParty> TellavarParties(const std::vector<TIssue>& issues) {
    std::vector<TParty> parties;

    // Civic Union: the governing centre-right.
    TParty cu;
    cu.Key = "civic_union";
    cu.Name = "Civic Union";
    cu.Abbreviation = "CU";
    cu.Colour = "blue";
    cu.Picture = "civic_union.bmp";
    cu.Funds = "40";
    cu.Established = 5;
    cu.Incumbent = 1;
    cu.BlockGrant = "20";
    cu.FundraisingCoefficient = "1.5";
    cu.Platform = Platform(issues, {5, 5, 5, 5, 5, 4, 5, 6, 5, 5, 5, 5, 5, 4, 5, 5, 4, 4});
    cu.Pac = 1;
    cu.AdCredits = {{"television_spot", 2}, {"newspaper_advert", 1}};
    cu.ConventionStart = "06/10/2008";
    cu.ConventionEnd = "06/13/2008";
    cu.ConventionNomination = "06/13/2008";
    cu.ConventionRegion = "aubrel";
    cu.ConventionCity = "Port Aubrel";
    cu.PrimariesDebates = {{"", "03/03/2008", 5}, {"", "03/31/2008", 10}};
    cu.Division = {35, 25, 35, 5};
    cu.Emblem = TGlyph::Star;
    cu.EmblemColour = {250, 250, 250};
    cu.Background = {32, 32, 255};

    TLeader l = MakeLeader("odile_varenne", "Premier", "Odile", "Varenne", "female", "aubrel");
    l.DefaultOn = 1;
    l.PrimariesDescription =
        "Premier Varenne has led Tellavar for eight years. Party members respect her steady "
        "hand on the economy, but some fear that voters are tired of her.";
    l.GeneralDescription =
        "Varenne runs on her record: low unemployment, a balanced budget and the new Port Aubrel "
        "harbour. Her opponents call her cold and out of touch with the regions.";
    l.Colour = "blue";
    l.GoalPercentage = "45";
    l.GoalSeats = 51;
    l.Age = "56";
    l.StartingFunds = 150000;
    l.HowWellKnown = "Very High";
    l.EstablishedPrimaries = 5;
    l.InfluencePoints = 14;
    l.Ratings.Values = {4, 3, 5, 4, 3, 3, 4};
    l.PlatformOverrides = {{"health_care", 4}, {"regional_autonomy", 5}};
    l.RunningMates = {"ines_halloway", "rupert_cray"};
    l.Crusaders = {{"Bertram", "Oakes", 2, 3, -1}, {"Liesl", "Marrow", 1, 2, 14}};
    l.RegionBonuses = {{"aubrel", "5"}, {"brenvale", "2"}};
    l.Portrait = {{236, 200, 176}, {150, 150, 150}, true, true, false, {200, 210, 240}};
    l.PrimaryShare = 60;
    cu.Leaders.push_back(l);

    l = MakeLeader("tobias_wrenfield", "Minister", "Tobias", "Wrenfield", "male", "stannock");
    l.PrimariesDescription =
        "The young trade minister wants to modernize the Civic Union and win back the industrial "
        "towns that the party lost a generation ago.";
    l.GeneralDescription =
        "Wrenfield promises lower taxes for working families and new jobs in Stannock. Critics "
        "say he has never run anything bigger than a ministry.";
    l.Colour = "light-blue";
    l.Age = "48";
    l.StartingFunds = 90000;
    l.HowWellKnown = "Medium";
    l.EstablishedPrimaries = 3;
    l.InfluencePoints = 10;
    l.Ratings.Values = {3, 4, 3, 4, 4, 5, 3};
    l.PlatformOverrides = {{"taxes", 6}, {"labor_unions", 4}};
    l.RunningMates = {"rupert_cray"};
    l.Crusaders = {{"Hal", "Penrose", 1, 2, -1}};
    l.RegionBonuses = {{"stannock", "6"}};
    l.Portrait = {{226, 186, 160}, {90, 60, 30}, false, false, false, {190, 215, 245}};
    l.PrimaryShare = 40;
    cu.Leaders.push_back(l);

    cu.ViceLeaders = {
        MakeMate("ines_halloway", "Ines", "Halloway", "female", "aldmoor", 51, "Medium", 2, "4",
                 {3, 4, 4, 3, 3, 3, 3}),
        MakeMate("rupert_cray", "Rupert", "Cray", "male", "vellandine", 63, "Low", 1, "3",
                 {3, 3, 5, 4, 2, 2, 3}),
    };
    parties.push_back(cu);

    // People's Accord: the labor movement's party.
    TParty pa;
    pa.Key = "peoples_accord";
    pa.Name = "People's Accord";
    pa.Abbreviation = "PA";
    pa.Colour = "red";
    pa.Picture = "peoples_accord.bmp";
    pa.Funds = "30";
    pa.Established = 5;
    pa.Incumbent = 0;
    pa.BlockGrant = "20";
    pa.FundraisingCoefficient = "1.25";
    pa.Platform = Platform(issues, {2, 2, 2, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 3, 3, 2, 2, 3});
    pa.Pac = 1;
    pa.AdCredits = {{"radio_spot", 2}, {"attack_ad", 1}};
    pa.ConventionStart = "06/24/2008";
    pa.ConventionEnd = "06/27/2008";
    pa.ConventionNomination = "06/27/2008";
    pa.ConventionRegion = "stannock";
    pa.ConventionCity = "Steelgate";
    pa.PrimariesDebates = {{"", "03/10/2008", 5}};
    pa.Division = {35, 20, 40, 5};
    pa.Emblem = TGlyph::Fist;
    pa.EmblemColour = {250, 250, 250};
    pa.Background = {255, 0, 0};

    l = MakeLeader("aurelio_fenn", "Senator", "Aurelio", "Fenn", "male", "stannock");
    l.DefaultOn = 1;
    l.PrimariesDescription =
        "A former steelworker and union leader, Senator Fenn is the favourite of the party's "
        "heartlands. He has lost one national election already.";
    l.GeneralDescription =
        "Fenn promises to save the steel and fishing jobs, raise pensions and make the rich pay "
        "their share. He is a fierce debater but a poor fundraiser.";
    l.Colour = "red";
    l.Age = "61";
    l.StartingFunds = 120000;
    l.HowWellKnown = "High";
    l.EstablishedPrimaries = 4;
    l.InfluencePoints = 12;
    l.Ratings.Values = {4, 4, 5, 4, 3, 2, 5};
    l.PlatformOverrides = {{"trade", 2}, {"labor_unions", 1}};
    l.RunningMates = {"jonah_tarrant", "wilma_ostrander"};
    l.Crusaders = {{"Dora", "Kettle", 2, 3, -1}, {"Ambrose", "Lyle", 1, 1, 21}};
    l.RegionBonuses = {{"stannock", "6"}, {"orrin_hills", "3"}};
    l.Portrait = {{214, 170, 140}, {220, 220, 220}, false, false, true, {245, 205, 205}};
    l.PrimaryShare = 55;
    pa.Leaders.push_back(l);

    l = MakeLeader("petra_hallin", "Mayor", "Petra", "Hallin", "female", "merrowdene");
    l.PrimariesDescription =
        "The popular mayor of Lisk offers the People's Accord a fresh face and a record of "
        "balanced budgets. The unions do not trust her.";
    l.GeneralDescription =
        "Hallin speaks for a modern, green left: new homes, clean energy and an end to the "
        "closed-door deals of the capital.";
    l.Colour = "pink";
    l.Age = "44";
    l.StartingFunds = 80000;
    l.HowWellKnown = "Low";
    l.EstablishedPrimaries = 2;
    l.InfluencePoints = 8;
    l.Ratings.Values = {3, 5, 2, 3, 5, 4, 4};
    l.PlatformOverrides = {{"environment", 2}, {"energy", 2}};
    l.RunningMates = {"jonah_tarrant"};
    l.Crusaders = {{"Milo", "Brandt", 1, 2, -1}};
    l.RegionBonuses = {{"merrowdene", "5"}};
    l.Portrait = {{240, 210, 190}, {60, 40, 30}, true, false, false, {250, 215, 225}};
    l.PrimaryShare = 45;
    pa.Leaders.push_back(l);

    pa.ViceLeaders = {
        MakeMate("jonah_tarrant", "Jonah", "Tarrant", "male", "selkie_coast", 47, "Medium", 2, "5",
                 {3, 4, 3, 3, 4, 4, 3}),
        MakeMate("wilma_ostrander", "Wilma", "Ostrander", "female", "orrin_hills", 55, "Low", 1,
                 "4", {4, 4, 4, 3, 2, 3, 3}),
    };
    parties.push_back(pa);

    // Meadow League: greens and regionalists.
    TParty ml;
    ml.Key = "meadow_league";
    ml.Name = "Meadow League";
    ml.Abbreviation = "ML";
    ml.Colour = "green";
    ml.Picture = "meadow_league.bmp";
    ml.Funds = "12";
    ml.Established = 3;
    ml.Incumbent = 0;
    ml.BlockGrant = "8";
    ml.FundraisingCoefficient = "1";
    ml.Platform = Platform(issues, {3, 3, 3, 2, 3, 1, 2, 3, 4, 3, 3, 3, 2, 2, 2, 3, 3, 2});
    ml.Pac = 0;
    ml.AdCredits = {{"newspaper_advert", 1}};
    ml.ConventionStart = "07/08/2008";
    ml.ConventionEnd = "07/10/2008";
    ml.ConventionNomination = "07/10/2008";
    ml.ConventionRegion = "vellandine";
    ml.ConventionCity = "Velmont";
    ml.PrimariesDebates = {{"", "03/17/2008", 5}};
    ml.Division = {25, 25, 45, 5};
    ml.Emblem = TGlyph::Leaf;
    ml.EmblemColour = {250, 250, 250};
    ml.Background = {0, 179, 0};

    l = MakeLeader("sefa_amberly", "Dr.", "Sefa", "Amberly", "female", "vellandine");
    l.DefaultOn = 1;
    l.PrimariesDescription =
        "A marine biologist who led the campaign to save the Vellandine wetlands, Dr. Amberly "
        "is the League's rising star.";
    l.GeneralDescription =
        "Amberly wants clean energy, protected seas and real power for the regions. She is "
        "young, clever and tireless, but has never held office.";
    l.Colour = "green";
    l.Age = "39";
    l.StartingFunds = 60000;
    l.HowWellKnown = "Medium";
    l.EstablishedPrimaries = 3;
    l.InfluencePoints = 9;
    l.Ratings.Values = {3, 5, 2, 5, 4, 5, 3};
    l.PlatformOverrides = {{"fisheries", 1}};
    l.RunningMates = {"lorna_quist", "eamon_thorne"};
    l.Crusaders = {{"Rowan", "Ashe", 1, 2, -1}};
    l.RegionBonuses = {{"vellandine", "6"}, {"selkie_coast", "2"}};
    l.Portrait = {{150, 104, 80}, {20, 20, 20}, true, false, false, {205, 240, 205}};
    l.PrimaryShare = 60;
    ml.Leaders.push_back(l);

    l = MakeLeader("niall_brackwater", "Governor", "Niall", "Brackwater", "male", "quen_isles");
    l.PrimariesDescription =
        "The long-serving governor of the Quen Isles brings experience and island votes, and "
        "promises the League a place in the next government.";
    l.GeneralDescription =
        "Brackwater fights for the islands and the regions: better ferries, fair fishing quotas "
        "and decisions taken close to home.";
    l.Colour = "dark-green";
    l.Age = "58";
    l.StartingFunds = 70000;
    l.HowWellKnown = "Low";
    l.EstablishedPrimaries = 2;
    l.InfluencePoints = 8;
    l.Ratings.Values = {4, 3, 4, 3, 3, 3, 3};
    l.PlatformOverrides = {{"island_ferries", 1}, {"regional_autonomy", 1}};
    l.RunningMates = {"eamon_thorne"};
    l.Crusaders = {{"Tamsin", "Rook", 1, 1, 30}};
    l.RegionBonuses = {{"quen_isles", "8"}};
    l.Portrait = {{230, 190, 165}, {170, 90, 40}, false, false, true, {210, 235, 210}};
    l.PrimaryShare = 40;
    ml.Leaders.push_back(l);

    ml.ViceLeaders = {
        MakeMate("lorna_quist", "Lorna", "Quist", "female", "brenvale", 42, "Low", 1, "3",
                 {3, 4, 3, 4, 3, 4, 3}),
        MakeMate("eamon_thorne", "Eamon", "Thorne", "male", "merrowdene", 36, "Very Low", 1, "2",
                 {2, 4, 2, 3, 4, 5, 3}),
    };
    parties.push_back(ml);
    return parties;
}

TSettings TellavarSettings() {
    TSettings s;
    s.Name = "Tellavar - 2008";
    s.BackgroundImages = "default";
    s.PrimariesIntroduction =
        "After eight years of Civic Union government the Republic of Tellavar must choose its "
        "next First Minister. First each party picks its candidate, in primaries and caucuses "
        "that run from the highlands of Aldmoor in February to the ferry ports of the Quen Isles "
        "in April. Win your party's nomination, then carry the country in October.";
    s.GeneralIntroduction =
        "The conventions are over and the candidates are chosen. Ten weeks remain before "
        "Tellavar votes on 26 October. The economy is steady, the fishing fleet is restless and "
        "the islands want better ferries. The party that wins most of the 100 seats of the "
        "Assembly forms the next government.";
    s.PrimariesStart = "02/04/2008";
    s.GeneralStart = "08/18/2008";
    s.GeneralEnd = "10/26/2008";
    s.MoneyCoefficient = "1";
    s.FundraisingCoefficient = "1";
    s.InterPartyCoefficient = "1";
    s.IntraPartyCoefficient = "0.5";
    s.PollResultsDay = "Fri";
    s.InitialEconomy = 3;
    s.Targets = {{"export_boom", "Export Boom", 4, "Slow", "15"},
                 {"fishing_slump", "Fishing Slump", 2, "Normal", "12.5"}};
    s.Pac = 1;
    s.BanDaysBeforeElection = 2;
    s.MaxAdsPerPlayer = 12;
    s.BaseCp = 25;
    s.CurrencySymbol = "$";
    s.Position = "First Minister";
    s.Institution = "Assembly of Tellavar";
    s.AppointedBy = "Popular Vote";
    s.Interviewers = {{"Oren Balfry", "Center-Left", "High", "Med"},
                      {"Cassia Wendt", "Center-Right", "Med", "High"},
                      {"Pim Ardagh", "Left", "Low", "Low"}};
    s.GeneralDebates = {{"Leader", "09/15/2008", 15},
                        {"Viceleader", "09/29/2008", 15},
                        {"Leader", "10/13/2008", 15}};
    s.Randomization = 5;
    s.UniversalAlienated = "5";
    s.CoalitionOffers = 1;
    s.EndorsementOffers = 1;
    s.NonAggressionOffers = 1;
    s.ViceLeaderOffers = 0;
    s.RandomEventsOn = 1;
    return s;
}

TActivity Custom(const std::string& key, const std::string& name, int ep, int cp, int cost,
                 int power, int news, int focus, int location, TGlyph glyph, TRgb colour) {
    TActivity a;
    a.Id = key;
    a.BuiltIn = false;
    a.Name = name;
    a.Picture = key + ".bmp";
    a.EnergyPoints = ep;
    a.CommandPoints = cp;
    a.Cost = cost;
    a.BasePower = power;
    a.ChanceNationalNews = news;
    a.HasIssueFocus = focus;
    a.RequiresLocation = location;
    a.Icon = {glyph, colour, {236, 232, 216}};
    return a;
}

TAd AttackAd() {
    TAd ad;
    ad.Key = "attack_ad";
    ad.Name = "Attack Ad";
    ad.Description = "A hard-hitting spot about an opponent's record. Powerful, but it can "
                     "turn voters against whoever paid for it.";
    ad.CostCoefficient = "1";
    ad.BasePower = 2;
    ad.AttackBackfireChance = 25;
    ad.AttackPowerBonus = 3;
    ad.TurnsToStart = 1;
    ad.TurnsToCancel = 1;
    ad.MaxTurnsCanRun = 5;
    ad.ImmediatelyAvailable = 0;
    ad.Qualities = {{{2000, 2, 5}, {4000, 3, 10}, {8000, 4, 20}}};
    return ad;
}

} // namespace

TWorld TellavarWorld() {
    TWorld w;
    w.Settings = TellavarSettings();
    w.Issues = TellavarIssues();

    TNation& n = w.Nation;
    n.Name = "Tellavar";
    n.Abbreviation = "TEL";
    n.Type = "national";
    n.Layer = "national";
    n.Capital = "Port Aubrel";
    n.FlagText = "Sea green, white and slate with the golden lantern of the republic";
    n.Motto = "Light Over Every Harbour";
    n.Nickname = "The Lantern Republic";
    n.Blurb = "A small maritime republic of fourteen million people, nine regions and one "
              "stubborn tradition: every harbour keeps a lantern burning through the night.";
    n.Logo = "flag_tellavar.bmp";
    n.Flag = {false,
              {{{40, 130, 110}, {245, 245, 245}, {90, 100, 110}}},
              TGlyph::Lantern,
              {235, 190, 50}};
    n.YearOfEntry = 1871;

    w.Regions = TellavarRegions();
    w.Map = TellavarMap();
    w.Ads = TemplateAds();
    w.Ads.push_back(AttackAd());
    w.Parties = TellavarParties(w.Issues);

    w.Shares = {
        {"aldmoor", {40, 30, 30}},     {"brenvale", {46, 28, 26}},   {"merrowdene", {34, 36, 30}},
        {"stannock", {30, 55, 15}},    {"aubrel", {45, 38, 17}},     {"selkie_coast", {33, 44, 23}},
        {"orrin_hills", {28, 58, 14}}, {"vellandine", {38, 22, 40}}, {"quen_isles", {30, 25, 45}}};

    w.SimpleEvents = {
        {"taxes",
         {"Treasury figures show tax receipts far below forecast",
          "Small firms protest against the new payroll levy",
          "Economists warn that the budget gap is widening"}},
        {"health_care",
         {"Waiting lists at Port Aubrel General reach a record",
          "Nurses in Steelgate vote to strike over pay", "Rural clinics in Aldmoor face closure"}},
        {"fisheries",
         {"Quota cut leaves the Gullhaven trawlers tied up in harbour",
          "Foreign factory ship seized off the Selkie Coast"}},
        {"island_ferries",
         {"Storms cancel every ferry to the Quen Isles for a week",
          "Ferry fares to Saint Oriel rise for the third time this year"}},
        {"crime",
         {"Smuggling ring broken up in the Port Aubrel docks",
          "Burglaries rise sharply in the Orrin Hills",
          "Police chiefs ask for more officers on the beat"}},
    };

    TScriptedEvent closure;
    closure.Key = "steelgate_closure";
    closure.Name = "Steelgate Steelworks Closure";
    closure.StartDate = "03/01/2008";
    closure.EndDate = "06/30/2008";
    closure.TimesCanOccur = 1;
    closure.WillOccur = 0;
    closure.ChanceOccurs = "2";
    closure.Conditions = {{"who", "aurelio_fenn"}};
    closure.Outcomes = {
        {"60",
         2,
         "25",
         1,
         2,
         10,
         "Steelgate steelworks to close with the loss of 3,000 jobs",
         "labor_unions",
         {{"issue_position", "left", "momentum", 3},
          {"party", "peoples_accord", "financial", 5},
          {"leader", "aurelio_fenn", "momentum", 2},
          {"viceleader", "wilma_ostrander", "momentum", 1}}},
        {"40",
         1,
         "10",
         1,
         5,
         5,
         "Last-minute buyer saves the Steelgate steelworks",
         "trade",
         {{"party", "civic_union", "momentum", 3},
          {"issue_position", "center_right", "momentum", 2},
          {"leader", "tobias_wrenfield", "financial", 2}}},
    };

    TScriptedEvent march;
    march.Key = "steelworkers_march";
    march.Name = "Steelworkers March on Port Aubrel";
    march.StartDate = "04/01/2008";
    march.EndDate = "08/31/2008";
    march.TimesCanOccur = 1;
    march.WillOccur = 1;
    march.ChanceOccurs = "10";
    march.Conditions = {{"event_occurred", "steelgate_closure"}};
    march.Outcomes = {
        {"100",
         1,
         "15",
         1,
         3,
         8,
         "Thousands of steelworkers march on the Assembly",
         "labor_unions",
         {{"party", "peoples_accord", "momentum", 2}, {"leader", "odile_varenne", "momentum", -2}}},
    };

    TScriptedEvent treaty;
    treaty.Key = "fishing_treaty";
    treaty.Name = "Northern Sea Fishing Treaty";
    treaty.StartDate = "05/01/2008";
    treaty.EndDate = "09/30/2008";
    treaty.TimesCanOccur = 1;
    treaty.WillOccur = 0;
    treaty.ChanceOccurs = "3";
    // One event with a condition of every type.
    treaty.Conditions = {{"not_who", "sefa_amberly"},
                         {"event_not_occurred", "ferry_aground"},
                         {"who", "niall_brackwater"},
                         {"event_occurred", "steelgate_closure"}};
    treaty.Outcomes = {
        {"70",
         2,
         "30",
         2,
         5,
         6,
         "Government signs a new fishing treaty with its neighbours",
         "fisheries",
         {{"party", "civic_union", "momentum", 2},
          {"issue_position", "center_right", "momentum", 1},
          {"viceleader", "ines_halloway", "momentum", 1}}},
        {"30",
         3,
         "20",
         1,
         2,
         8,
         "Fishing treaty talks collapse in bitter recriminations",
         "fisheries",
         {{"party", "meadow_league", "momentum", 2},
          {"leader", "niall_brackwater", "financial", 2}}},
    };

    TScriptedEvent ferry;
    ferry.Key = "ferry_aground";
    ferry.Name = "Quen Ferry Runs Aground";
    ferry.StartDate = "08/18/2008";
    ferry.EndDate = "10/19/2008";
    ferry.TimesCanOccur = 1;
    ferry.WillOccur = 0;
    ferry.ChanceOccurs = "1.5";
    ferry.Outcomes = {
        {"100",
         3,
         "40",
         2,
         2,
         12,
         "Ferry runs aground off Little Quen; all passengers rescued",
         "island_ferries",
         {{"leader", "niall_brackwater", "momentum", 4},
          {"party", "meadow_league", "financial", 3},
          {"issue_position", "left", "momentum", 2},
          {"viceleader", "eamon_thorne", "momentum", 1}}},
    };
    w.ScriptedEvents = {closure, march, treaty, ferry};

    TEndorser guild;
    guild.Key = "fishermens_guild";
    guild.Name = "Tellavar Fishermen's Guild";
    guild.Description = "The union of the inshore fleet, strong in every harbour of the south.";
    guild.PpEffect = 4;
    guild.Party = "meadow_league";
    guild.PartyStance = "Leaning";
    guild.MonetaryBonus = "5";
    guild.Regions = {{"selkie_coast", 3, 6, 40}, {"quen_isles", 3, 4, 40}, {"aubrel", 1, 2, 20}};
    guild.Issue = "fisheries";
    guild.FavouredPosition = "Left";

    TEndorser herald;
    herald.Key = "lantern_herald";
    herald.Name = "The Lantern Herald";
    herald.Description = "The capital's morning paper and the most widely read in the country.";
    herald.StartDate = "08/18/2008";
    herald.PpEffect = 6;
    herald.Party = "civic_union";
    herald.PartyStance = "Decided";
    herald.Leader = "odile_varenne";
    herald.LeaderStance = "Leaning";
    herald.MonetaryBonus = "0";
    herald.Regions = {{"-1", 3, 0, 33}};
    herald.Issue = "taxes";
    herald.FavouredPosition = "Center-Right";

    TEndorser miners;
    miners.Key = "mineworkers";
    miners.Name = "Federation of Mineworkers";
    miners.Description = "The old miners' union of the Orrin Hills and the Stannock pits.";
    miners.PpEffect = 5;
    miners.Party = "peoples_accord";
    miners.PartyStance = "Decided";
    miners.Leader = "aurelio_fenn";
    miners.LeaderStance = "Decided";
    miners.MonetaryBonus = "10";
    miners.Regions = {{"orrin_hills", 4, 8, 50}, {"stannock", 3, 6, 40}};
    miners.Issue = "labor_unions";
    miners.FavouredPosition = "Left";

    TEndorser bishop;
    bishop.Key = "bishop_ferrant";
    bishop.Name = "Bishop Amadeo Ferrant";
    bishop.Description = "The outspoken bishop of Saint Oriel.";
    bishop.StartDate = "03/01/2008";
    bishop.EndDate = "09/30/2008";
    bishop.PpEffect = 2;
    bishop.Leader = "niall_brackwater";
    bishop.LeaderStance = "Leaning";
    bishop.MonetaryBonus = "0";
    bishop.Regions = {{"-1", 1, 1, 33}};
    bishop.Issue = "-1";
    bishop.FavouredPosition = "Center";

    TEndorser vintners;
    vintners.Key = "vintners";
    vintners.Name = "Vellandine Vintners Association";
    vintners.Description = "Growers and merchants of the southern wine trade.";
    vintners.EndDate = "06/30/2008";
    vintners.PpEffect = 1;
    vintners.MonetaryBonus = "8";
    vintners.Regions = {{"vellandine", 2, 2, 33}};
    vintners.Issue = "trade";
    vintners.FavouredPosition = "Center-Right";
    w.Endorsers = {guild, herald, miners, bishop, vintners};

    w.LeaderActivities = BuiltInLeaderActivities();
    w.LeaderActivities.push_back(Custom("harbour_walkabout", "Harbour Walkabout", 2, 1, 100, 2, 5,
                                        0, 1, TGlyph::Lantern, {200, 150, 30}));
    w.ViceLeaderActivities = BuiltInViceLeaderActivities();
    w.ViceLeaderActivities.push_back(Custom("ferry_tour", "Ferry Crossing Tour", 3, 1, 300, 1, 5, 0,
                                            1, TGlyph::Ship, {30, 90, 140}));

    w.Relations = {{"odile_varenne", "aurelio_fenn", "Bad"},
                   {"aurelio_fenn", "odile_varenne", "Very Bad"},
                   {"odile_varenne", "tobias_wrenfield", "Normal"},
                   {"tobias_wrenfield", "odile_varenne", "Good"},
                   {"sefa_amberly", "petra_hallin", "Good"},
                   {"petra_hallin", "sefa_amberly", "Very Good"},
                   {"niall_brackwater", "odile_varenne", "Very Bad"},
                   {"aurelio_fenn", "petra_hallin", "Bad"}};
    return w;
}

TWorld BaseWorld() {
    // The sample cut down to three regions and two parties, keeping one of
    // every kind of item so that each verification rule has data to break.
    TWorld full = TellavarWorld();
    TWorld w;
    w.Settings = full.Settings;
    w.Settings.Name = "Tellavar Base";
    w.Settings.GeneralDebates.resize(2);
    w.Settings.Targets.resize(1);
    w.Settings.Interviewers.resize(1);
    w.Issues = full.Issues;
    w.Nation = full.Nation;
    w.Nation.Blurb = "The test nation.";

    const std::vector<std::string> kept = {"aldmoor", "aubrel", "quen_isles"};
    for (const std::string& key : kept)
        w.Regions.push_back(full.Region(key));
    w.Regions[0].FillPoints = {{140, 180}};
    w.Regions[1].FillPoints = {{330, 180}};
    w.Regions[1].Governor = "peoples_accord";
    w.Regions[2].Governor = "";
    for (TRegion& region : w.Regions)
        region.AbbreviationPosition = {region.FillPoints[0].X - 8, region.FillPoints[0].Y + 8};
    w.Map = full.Map;

    w.Ads = {full.Ads[0], full.Ads[3]};

    TParty cu = full.Party("civic_union");
    cu.Leaders[1].Home = "aldmoor";
    cu.Leaders[1].RegionBonuses = {{"aldmoor", "6"}};
    cu.Leaders[0].RegionBonuses = {{"aubrel", "5"}};
    cu.ViceLeaders[1].Home = "quen_isles";
    cu.AdCredits = {{"television_spot", 2}};
    cu.PrimariesDebates.resize(1);
    TParty pa = full.Party("peoples_accord");
    pa.Leaders.resize(1);
    pa.Leaders[0].Home = "aubrel";
    pa.Leaders[0].RegionBonuses = {{"aubrel", "4"}};
    pa.Leaders[0].RunningMates = {"jonah_tarrant"};
    pa.Leaders[0].Crusaders.resize(1);
    pa.ViceLeaders.resize(1);
    pa.ViceLeaders[0].Home = "aubrel";
    pa.ConventionRegion = "aubrel";
    pa.ConventionCity = "Sallow Point";
    pa.AdCredits = {{"attack_ad", 1}};
    w.Parties = {cu, pa};
    w.Shares = {{"aldmoor", {55, 45}}, {"aubrel", {48, 52}}, {"quen_isles", {60, 40}}};

    w.SimpleEvents = {full.SimpleEvents[0]};

    TScriptedEvent closure = full.ScriptedEvents[0];
    closure.Conditions = {{"who", "aurelio_fenn"}, {"event_not_occurred", "steelworkers_march"}};
    closure.Outcomes.resize(1);
    closure.Outcomes[0].Effects = {{"issue_position", "left", "momentum", 3},
                                   {"party", "peoples_accord", "financial", 5},
                                   {"leader", "aurelio_fenn", "momentum", 2},
                                   {"viceleader", "jonah_tarrant", "momentum", 1}};
    TScriptedEvent march = full.ScriptedEvents[1];
    march.Conditions = {{"event_occurred", "steelgate_closure"}, {"not_who", "tobias_wrenfield"}};
    w.ScriptedEvents = {closure, march};

    TEndorser herald = full.Endorsers[1];
    TEndorser guild = full.Endorsers[0];
    guild.Party = "peoples_accord";
    guild.Regions = {{"quen_isles", 3, 4, 40}, {"aubrel", 1, 2, 20}};
    w.Endorsers = {herald, guild};

    w.LeaderActivities = full.LeaderActivities;
    w.ViceLeaderActivities = full.ViceLeaderActivities;
    w.Relations = {{"odile_varenne", "aurelio_fenn", "Bad"},
                   {"aurelio_fenn", "tobias_wrenfield", "Normal"}};
    return w;
}

TWorld FuzzWorld() {
    // The base again with every text cut short, two regions, one leader
    // and one crusader per party, two position issues (the game asks for
    // 22 issues: the others become attribute issues), one activity of each
    // origin per list and centres of one attribute issue only. Its names
    // are the base's, so the base's pictures serve it.
    TWorld w = BaseWorld();
    w.Settings.Name = "Fuzz";
    std::erase_if(w.Regions, [](const TRegion& r) { return r.Key == "aldmoor"; });
    std::erase_if(w.Shares, [](const auto& share) { return share.first == "aldmoor"; });
    for (TParty& party : w.Parties) {
        party.Leaders.resize(1);
        party.Leaders[0].Crusaders.resize(1);
        for (TViceLeader& mate : party.ViceLeaders)
            if (mate.Home == "aldmoor")
                mate.Home = "aubrel";
    }
    w.ScriptedEvents[1].Conditions[1].Target = "odile_varenne";
    w.Relations = {{"odile_varenne", "aurelio_fenn", "Bad"},
                   {"aurelio_fenn", "odile_varenne", "Normal"}};
    w.Settings.PrimariesIntroduction = "Primaries.";
    w.Settings.GeneralIntroduction = "General.";
    const std::vector<std::string> positionIssues = {"taxes", "labor_unions"};
    const auto kept = [&](const std::string& issue) {
        return std::find(positionIssues.begin(), positionIssues.end(), issue) !=
               positionIssues.end();
    };
    for (TIssue& issue : w.Issues) {
        issue.Attribute = issue.Attribute || !kept(issue.Key);
        for (size_t p = 0; p < issue.Descriptions.size(); ++p)
            issue.Descriptions[p] = std::to_string(p + 1);
    }
    w.AllIssueCentres = false;
    const auto keepPositions = [&](std::vector<std::pair<std::string, int>>& list) {
        std::erase_if(list, [&](const auto& entry) { return !kept(entry.first); });
    };
    w.Nation.Blurb = "N.";
    w.Nation.FlagText = w.Nation.Motto = "N";
    for (TRegion& region : w.Regions) {
        region.Blurb = region.FlagText = region.Motto = region.Nickname = "R";
        region.Cities.resize(1);
        keepPositions(region.CentreOverrides);
    }
    for (TParty& party : w.Parties) {
        keepPositions(party.Platform);
        for (TLeader& leader : party.Leaders) {
            leader.PrimariesDescription = leader.GeneralDescription = "L.";
            keepPositions(leader.PlatformOverrides);
        }
    }
    for (TAd& ad : w.Ads)
        ad.Description = "A.";
    for (TSimpleEvent& event : w.SimpleEvents)
        event.Headlines.resize(1);
    for (TScriptedEvent& event : w.ScriptedEvents)
        for (TOutcome& outcome : event.Outcomes) {
            outcome.Headline = "H";
            if (!kept(outcome.Issue))
                outcome.Issue = positionIssues[0];
        }
    for (TEndorser& endorser : w.Endorsers) {
        endorser.Description = "E.";
        if (endorser.Issue != "-1" && !kept(endorser.Issue))
            endorser.Issue = positionIssues[1];
    }
    for (auto* list : {&w.LeaderActivities, &w.ViceLeaderActivities})
        *list = {list->front(), list->back()};
    return w;
}

} // namespace Sample
