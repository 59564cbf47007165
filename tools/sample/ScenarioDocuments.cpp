#include "sample/ScenarioDocuments.h"

#include "xml/TXmlDom.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace Sample {

namespace {

const std::array<const char*, 7> PositionIds = {"far_left",     "left",  "center_left", "center",
                                                "center_right", "right", "far_right"};
const std::array<const char*, 7> PositionNames = {"Far-Left",     "Left",  "Center-Left", "Center",
                                                  "Center-Right", "Right", "Far-Right"};
const std::array<const char*, 7> RatingNames = {"leadership",        "integrity", "experience",
                                                "issue_familiarity", "charisma",  "stamina",
                                                "debating"};

std::string PositionName(int position) {
    if (position < 1 || position > 7)
        throw std::runtime_error("position out of range: " + std::to_string(position));
    return PositionNames[static_cast<size_t>(position - 1)];
}

// Hands out the invented identifiers and makes sure no two items share one.
class TIds {
public:
    explicit TIds(std::string salt) : Salt_(std::move(salt)) {}

    std::string Of(const std::string& kind, const std::string& key) {
        const std::string id = IdOf(kind, Salt_ + key);
        const std::string owner = kind + ":" + key;
        auto [it, inserted] = Owners_.emplace(id, owner);
        if (!inserted && it->second != owner)
            throw std::runtime_error("identifier " + id + " of " + owner + " also used by " +
                                     it->second);
        return id;
    }

private:
    std::string Salt_;
    std::map<std::string, std::string> Owners_;
};

class TBuilder {
public:
    TBuilder(const TWorld& world, const std::string& salt) : W_(world), Ids_(salt) {}

    std::unique_ptr<TXmlNode> Activities();
    std::unique_ptr<TXmlNode> Ads();
    std::unique_ptr<TXmlNode> Endorsers();
    std::unique_ptr<TXmlNode> Events();
    std::unique_ptr<TXmlNode> Issues();
    std::unique_ptr<TXmlNode> Parties();
    std::unique_ptr<TXmlNode> Percentages();
    std::unique_ptr<TXmlNode> PoliticalUnits();
    std::unique_ptr<TXmlNode> Relations();
    std::unique_ptr<TXmlNode> Scenario();

private:
    static std::unique_ptr<TXmlNode> Root(const std::string& name) {
        auto root = std::make_unique<TXmlNode>(nullptr);
        root->Name = name;
        return root;
    }
    static TXmlNode* Add(TXmlNode* parent, const std::string& name, const std::string& text = {}) {
        return parent->AddNewChild(name, text);
    }
    static TXmlNode* Add(TXmlNode* parent, const std::string& name, int value) {
        return parent->AddNewChild(name, std::to_string(value));
    }
    static TXmlNode* AddWithId(TXmlNode* parent, const std::string& name, const std::string& id,
                               const std::string& text = {}) {
        TXmlNode* node = parent->AddNewChild(name, text);
        node->SetAttribute("id", id);
        return node;
    }

    // Each reference is checked against the world, so a misspelt key fails
    // here instead of in the verifier.
    std::string IssueId(const std::string& key) {
        W_.Issue(key);
        return Ids_.Of("issue", key);
    }
    std::string RegionId(const std::string& key) {
        W_.Region(key);
        return Ids_.Of("region", key);
    }
    std::string PartyId(const std::string& key) {
        W_.Party(key);
        return Ids_.Of("party", key);
    }
    std::string LeaderId(const std::string& key) {
        Require(Known(key,
                      [](const TParty& p, const std::string& k) {
                          return std::any_of(p.Leaders.begin(), p.Leaders.end(),
                                             [&](const TLeader& l) { return l.Key == k; });
                      }),
                "leader", key);
        return Ids_.Of("leader", key);
    }
    std::string MateId(const std::string& key) {
        Require(Known(key,
                      [](const TParty& p, const std::string& k) {
                          return std::any_of(p.ViceLeaders.begin(), p.ViceLeaders.end(),
                                             [&](const TViceLeader& v) { return v.Key == k; });
                      }),
                "vice-leader", key);
        return Ids_.Of("viceleader", key);
    }
    std::string AdId(const std::string& key) {
        Require(
            std::any_of(W_.Ads.begin(), W_.Ads.end(), [&](const TAd& a) { return a.Key == key; }),
            "ad", key);
        return Ids_.Of("ad", key);
    }
    std::string EventId(const std::string& key) {
        Require(std::any_of(W_.ScriptedEvents.begin(), W_.ScriptedEvents.end(),
                            [&](const TScriptedEvent& e) { return e.Key == key; }),
                "scripted event", key);
        return Ids_.Of("event", key);
    }
    template <typename Test> bool Known(const std::string& key, Test test) const {
        return std::any_of(W_.Parties.begin(), W_.Parties.end(),
                           [&](const TParty& p) { return test(p, key); });
    }
    static void Require(bool known, const std::string& kind, const std::string& key) {
        if (!known)
            throw std::runtime_error("unknown " + kind + " " + key);
    }

    void AddRegion(TXmlNode* parent, const TRegion& region);
    void AddIssueCentres(TXmlNode* unit, const TRegion* region);
    void AddGeneralEvent(TXmlNode* events, int seats);
    void AddPrimary(TXmlNode* events, const TRegion& region, const TParty& party);
    void AddLeader(TXmlNode* leaders, const TParty& party, const TLeader& leader);
    void AddMate(TXmlNode* mates, const TViceLeader& mate);
    void AddPlatform(TXmlNode* parent, const std::vector<std::pair<std::string, int>>& platform,
                     const std::vector<std::pair<std::string, int>>& overrides);
    void AddActivity(TXmlNode* list, const TActivity& activity);
    std::vector<int> LeaderShares(const TParty& party, const TRegion& region) const;

    const TWorld& W_;
    TIds Ids_;
};

void AddRatings(TXmlNode* parent, const TRatings& ratings) {
    TXmlNode* attributes = parent->AddNewChild("attributes");
    for (size_t i = 0; i < RatingNames.size(); ++i)
        attributes->AddNewChild(RatingNames[i], std::to_string(ratings.Values[i]));
}

std::unique_ptr<TXmlNode> TBuilder::Scenario() {
    const TSettings& s = W_.Settings;
    CheckLength("scenario name", s.Name, 40);
    CheckLength("primaries introduction", s.PrimariesIntroduction, 450);
    CheckLength("general election introduction", s.GeneralIntroduction, 450);
    CheckLength("currency symbol", s.CurrencySymbol, 1);
    auto root = Root("scenario");
    Add(root.get(), "name", s.Name);
    Add(root.get(), "background_images", s.BackgroundImages);
    Add(root.get(), "primaries_introduction", s.PrimariesIntroduction);
    Add(root.get(), "generalelection_introduction", s.GeneralIntroduction);
    Add(Add(root.get(), "primaries"), "start_date", s.PrimariesStart);
    TXmlNode* general = Add(root.get(), "general_election");
    Add(general, "start_date", s.GeneralStart);
    Add(general, "end_date", s.GeneralEnd);
    Add(root.get(), "money_coefficient", s.MoneyCoefficient);
    Add(root.get(), "fundraising_coefficient", s.FundraisingCoefficient);
    Add(root.get(), "inter_party_coefficient", s.InterPartyCoefficient);
    Add(root.get(), "intra_party_coefficient", s.IntraPartyCoefficient);
    Add(root.get(), "pollresults_day", s.PollResultsDay);
    TXmlNode* economy = Add(root.get(), "economy");
    Add(economy, "initial", s.InitialEconomy);
    TXmlNode* targets = Add(economy, "targets");
    for (const TTarget& t : s.Targets) {
        TXmlNode* target = AddWithId(targets, "target", Ids_.Of("target", t.Key));
        Add(target, "name", t.Name);
        Add(target, "economy_target", t.EconomyTarget);
        Add(target, "speed", t.Speed);
        Add(target, "chance", t.Chance);
    }
    TXmlNode* advertising = Add(root.get(), "advertising");
    Add(advertising, "pac", s.Pac);
    Add(advertising, "ban_days_before_election", s.BanDaysBeforeElection);
    Add(advertising, "max_per_player", s.MaxAdsPerPlayer);
    Add(root.get(), "base_cp", s.BaseCp);
    Add(root.get(), "currency_symbol", s.CurrencySymbol);
    TXmlNode* leader = Add(root.get(), "leader");
    Add(leader, "position", s.Position);
    Add(leader, "institution", s.Institution);
    Add(leader, "appointed_by", s.AppointedBy);
    TXmlNode* interviewers = Add(root.get(), "interviewers");
    for (const TInterviewer& i : s.Interviewers) {
        TXmlNode* interviewer = Add(interviewers, "interviewer");
        Add(interviewer, "name", i.Name);
        Add(interviewer, "stance", i.Stance);
        Add(interviewer, "visibility", i.Visibility);
        Add(interviewer, "contentiousness", i.Contentiousness);
    }
    TXmlNode* debates = Add(root.get(), "debates");
    TXmlNode* generalDebates = Add(debates, "general_election");
    for (const TDebate& d : s.GeneralDebates) {
        TXmlNode* debate = Add(generalDebates, "debate");
        Add(debate, "type", d.Type);
        Add(debate, "date", d.Date);
        Add(debate, "language", "English");
        Add(debate, "percent_to_qualify", d.PercentToQualify);
    }
    TXmlNode* primaries = Add(debates, "primaries");
    for (const TParty& p : W_.Parties) {
        if (p.PrimariesDebates.empty())
            continue;
        TXmlNode* entry = AddWithId(primaries, "party", PartyId(p.Key));
        for (const TDebate& d : p.PrimariesDebates) {
            TXmlNode* debate = Add(entry, "debate");
            Add(debate, "date", d.Date);
            Add(debate, "language", "English");
            Add(debate, "percent_to_qualify", d.PercentToQualify);
        }
    }
    return root;
}

std::unique_ptr<TXmlNode> TBuilder::Issues() {
    auto root = Root("issues");
    for (const TIssue& i : W_.Issues) {
        CheckLength("issue name", i.Name, 30);
        TXmlNode* issue = AddWithId(root.get(), "issue", IssueId(i.Key));
        Add(issue, "name", i.Name);
        Add(issue, "type", i.Attribute ? "attribute" : "PositionIssue");
        Add(issue, "picture", i.Picture);
        if (i.Attribute)
            continue;
        TXmlNode* positions = Add(issue, "positions");
        for (size_t p = 0; p < 7; ++p) {
            CheckLength("position description of " + i.Name, i.Descriptions[p], 120);
            if (i.Descriptions[p].empty())
                throw std::runtime_error("issue " + i.Name + " lacks a description");
            TXmlNode* position = AddWithId(positions, "position", PositionIds[p]);
            Add(position, "name", PositionNames[p]);
            Add(position, "description", i.Descriptions[p]);
            Add(position, "fundraising", i.Fundraising[p]);
        }
    }
    return root;
}

void TBuilder::AddIssueCentres(TXmlNode* unit, const TRegion* region) {
    TXmlNode* centres = Add(unit, "issue_centers");
    bool attributeCentre = false;
    for (const TIssue& i : W_.Issues) {
        if (i.Attribute && attributeCentre && !W_.AllIssueCentres)
            continue;
        attributeCentre = attributeCentre || i.Attribute;
        TXmlNode* centre = AddWithId(centres, "issue", IssueId(i.Key));
        if (!i.Attribute) {
            int position = 4;
            if (region) {
                // The region's lean, varied a little per issue so that no two
                // regions look alike.
                const std::string id = IdOf("centre", region->Key + "/" + i.Key);
                const int wobble = static_cast<int>(id.back() - '0') % 3 - 1;
                position = std::clamp(4 + region->Lean + wobble, 1, 7);
                for (const auto& [key, value] : region->CentreOverrides)
                    if (key == i.Key)
                        position = value;
            }
            Add(centre, "center", PositionName(position));
        }
        Add(centre, "initial_primaries_profile", i.PrimariesProfile);
        Add(centre, "initial_generalelection_profile", i.GeneralProfile);
    }
}

void TBuilder::AddGeneralEvent(TXmlNode* events, int seats) {
    TXmlNode* event = Add(events, "event");
    Add(event, "type", "General");
    Add(event, "open_closed", "open");
    Add(event, "date", W_.Settings.GeneralEnd);
    TXmlNode* ballot = Add(event, "ballot");
    for (const TParty& p : W_.Parties)
        AddWithId(ballot, "party", PartyId(p.Key));
    TXmlNode* seat = Add(event, "seat");
    Add(seat, "type", "FPP");
    Add(seat, "number", seats);
    Add(seat, "cut_off", "0");
    Add(event, "profile_bonus", "0");
}

void TBuilder::AddPrimary(TXmlNode* events, const TRegion& region, const TParty& party) {
    const TPrimary* primary = nullptr;
    for (const TPrimary& p : party.Primaries)
        if (p.Region == region.Key || (!primary && p.Region.empty()))
            primary = &p;
    if (!primary)
        throw std::runtime_error("party " + party.Name + " holds no primary in " + region.Name);
    TXmlNode* event = Add(events, "event");
    Add(event, "type", primary->Type);
    Add(event, "open_closed", primary->OpenClosed);
    AddWithId(event, "party", PartyId(party.Key));
    Add(event, "date", region.PrimaryDate);
    Add(event, "ballot");
    TXmlNode* seat = Add(event, "seat");
    Add(seat, "type", primary->SeatType);
    Add(seat, "number", std::max<int>(1, static_cast<int>(region.Voters / 40000)));
    Add(seat, "cut_off", primary->CutOff);
    Add(event, "profile_bonus", region.PrimaryProfileBonus);
}

void TBuilder::AddRegion(TXmlNode* parent, const TRegion& r) {
    TXmlNode* unit = AddWithId(parent, "political_unit", RegionId(r.Key));
    Add(unit, "population", std::to_string(r.Population));
    Add(unit, "eligible_voters", std::to_string(r.Voters));
    Add(unit, "type", "fundamental");
    Add(unit, "layer", "regional");
    Add(unit, "name", r.Name);
    Add(unit, "abbreviation", r.Abbreviation);
    Add(unit, "capital", r.Capital);
    Add(unit, "flag", r.FlagText);
    Add(unit, "motto", r.Motto);
    Add(unit, "logo", r.Logo);
    Add(unit, "nickname", r.Nickname);
    Add(unit, "blurb", r.Blurb);
    Add(unit, "year_of_entry", r.YearOfEntry);
    AddWithId(unit, "party_with_governor", r.Governor.empty() ? "" : PartyId(r.Governor));
    Add(unit, "poll_open_time", r.PollClose);
    const bool partyMajority = r.Majority != "tie" && r.Majority != "-1";
    AddWithId(unit, "party_with_existing_majority",
              partyMajority ? PartyId(r.Majority) : r.Majority);
    TXmlNode* cities = Add(unit, "cities", "regional");
    for (const std::string& city : r.Cities)
        Add(cities, "city", city);
    TXmlNode* map = Add(unit, "map", "regional");
    Add(map, "name", r.Name);
    TXmlNode* fill = Add(map, "fill_positions");
    for (const TPoint& p : r.FillPoints) {
        TXmlNode* position = Add(fill, "position");
        Add(position, "x", p.X);
        Add(position, "y", p.Y);
    }
    TXmlNode* abbreviation = Add(map, "abbreviation_position");
    Add(abbreviation, "x", r.AbbreviationPosition.X);
    Add(abbreviation, "y", r.AbbreviationPosition.Y);
    AddIssueCentres(unit, &r);
    TXmlNode* events = Add(unit, "election_events");
    AddGeneralEvent(events, r.GeneralSeats);
    for (const TParty& p : W_.Parties)
        AddPrimary(events, r, p);
    Add(unit, "media_market_name", r.MediaMarket);
}

std::unique_ptr<TXmlNode> TBuilder::PoliticalUnits() {
    const TNation& n = W_.Nation;
    int64_t population = n.Population, voters = n.Voters;
    int seats = 0;
    for (const TRegion& r : W_.Regions) {
        if (n.Population == 0)
            population += r.Population;
        if (n.Voters == 0)
            voters += r.Voters;
        seats += r.GeneralSeats;
    }
    auto root = Root("political_units");
    TXmlNode* nation = AddWithId(root.get(), "political_unit", Ids_.Of("nation", n.Key));
    Add(nation, "population", std::to_string(population));
    Add(nation, "eligible_voters", std::to_string(voters));
    Add(nation, "type", n.Type);
    Add(nation, "layer", n.Layer);
    Add(nation, "name", n.Name);
    Add(nation, "abbreviation", n.Abbreviation);
    Add(nation, "capital", n.Capital);
    Add(nation, "flag", n.FlagText);
    Add(nation, "motto", n.Motto);
    Add(nation, "logo", n.Logo);
    Add(nation, "nickname", n.Nickname);
    Add(nation, "blurb", n.Blurb);
    Add(nation, "year_of_entry", n.YearOfEntry);
    TXmlNode* regions = Add(nation, "political_units");
    for (const TRegion& r : W_.Regions)
        AddRegion(regions, r);
    AddIssueCentres(nation, nullptr);
    TXmlNode* events = Add(nation, "election_events");
    if (!W_.Regions.empty())
        AddGeneralEvent(events, seats);
    return root;
}

void TBuilder::AddPlatform(TXmlNode* parent,
                           const std::vector<std::pair<std::string, int>>& platform,
                           const std::vector<std::pair<std::string, int>>& overrides) {
    TXmlNode* node = Add(parent, "platform");
    if (platform.size() != W_.PositionIssues().size())
        throw std::runtime_error("a platform needs one position per position issue");
    for (auto [key, position] : platform) {
        for (const auto& [changed, value] : overrides)
            if (changed == key)
                position = value;
        W_.Issue(key); // must exist
        AddWithId(node, "issue", IssueId(key), PositionName(position));
    }
}

std::vector<int> TBuilder::LeaderShares(const TParty& party, const TRegion& region) const {
    // A leader starts stronger at home; the party's shares add up to 100.
    std::vector<int> raw;
    int total = 0;
    for (const TLeader& l : party.Leaders) {
        raw.push_back(l.PrimaryShare + (l.Home == region.Key ? 20 : 0));
        total += raw.back();
    }
    std::vector<int> shares;
    int given = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        const int share = i + 1 == raw.size() ? 100 - given : raw[i] * 100 / total;
        shares.push_back(share);
        given += share;
    }
    return shares;
}

void TBuilder::AddMate(TXmlNode* mates, const TViceLeader& v) {
    CheckLength("vice-leader first name", v.FirstName, 20);
    CheckLength("vice-leader last name", v.LastName, 20);
    TXmlNode* mate = AddWithId(mates, "viceleader", MateId(v.Key));
    Add(mate, "firstname", v.FirstName);
    Add(mate, "lastname", v.LastName);
    Add(mate, "sex", v.Sex);
    AddWithId(mate, "home_political_unit", RegionId(v.Home));
    Add(mate, "age", v.Age);
    Add(mate, "language_bonus", "-1");
    Add(mate, "how_well_known", v.HowWellKnown);
    Add(mate, "political_points_cost", v.PointsCost);
    AddRatings(mate, v.Ratings);
    TXmlNode* bonuses = Add(mate, "percentage_bonuses");
    Add(AddWithId(bonuses, "political_unit", RegionId(v.Home)), "bonus", v.HomeBonus);
}

void TBuilder::AddLeader(TXmlNode* leaders, const TParty& party, const TLeader& l) {
    CheckLength("leader title", l.Title, 15);
    CheckLength("leader first name", l.FirstName, 20);
    CheckLength("leader last name", l.LastName, 20);
    CheckLength("primaries description", l.PrimariesDescription, 450);
    CheckLength("general election description", l.GeneralDescription, 450);
    TXmlNode* leader = AddWithId(leaders, "leader", LeaderId(l.Key));
    Add(leader, "default_on", l.DefaultOn);
    Add(leader, "title", l.Title);
    Add(leader, "firstname", l.FirstName);
    Add(leader, "lastname", l.LastName);
    Add(leader, "primaries_description", l.PrimariesDescription);
    Add(leader, "generalelection_description", l.GeneralDescription);
    Add(leader, "leader_color", l.Colour);
    TXmlNode* goals = Add(leader, "goals");
    Add(goals, "percentage", l.GoalPercentage);
    Add(goals, "seats", l.GoalSeats);
    Add(leader, "image_large", l.Key + "_large.bmp");
    Add(leader, "image_small", l.Key + "_small.bmp");
    Add(leader, "sex", l.Sex);
    AddWithId(leader, "home_political_unit", RegionId(l.Home));
    Add(leader, "age", l.Age);
    Add(leader, "starting_funds", l.StartingFunds);
    Add(leader, "language_bonus", l.LanguageBonus);
    Add(leader, "how_well_known", l.HowWellKnown);
    Add(leader, "established_primaries", l.EstablishedPrimaries);
    Add(leader, "political_influence_points", l.InfluencePoints);
    AddRatings(leader, l.Ratings);
    AddPlatform(leader, party.Platform, l.PlatformOverrides);
    TXmlNode* mates = Add(leader, "viceleaders");
    for (const std::string& mate : l.RunningMates) {
        const bool inParty = std::any_of(party.ViceLeaders.begin(), party.ViceLeaders.end(),
                                         [&](const TViceLeader& v) { return v.Key == mate; });
        if (!inParty)
            throw std::runtime_error(mate + " is not in the pool of " + party.Name);
        AddWithId(mates, "viceleader", MateId(mate));
    }
    TXmlNode* crusaders = Add(leader, "crusaders");
    for (const TCrusader& c : l.Crusaders) {
        CheckLength("crusader first name", c.FirstName, 20);
        CheckLength("crusader last name", c.LastName, 20);
        TXmlNode* crusader = AddWithId(crusaders, "crusader", "new_crusader");
        Add(crusader, "first_name", c.FirstName);
        Add(crusader, "last_name", c.LastName);
        Add(crusader, "political_points_cost", c.Cost);
        Add(crusader, "base_power", c.Power);
        Add(crusader, "last_for_days", c.Days);
    }
    TXmlNode* bonuses = Add(leader, "percentage_bonuses");
    for (const TRegion& r : W_.Regions) {
        std::string bonus = "0";
        for (const auto& [key, value] : l.RegionBonuses)
            if (key == r.Key)
                bonus = value;
        Add(AddWithId(bonuses, "political_unit", RegionId(r.Key)), "bonus", bonus);
    }
}

std::unique_ptr<TXmlNode> TBuilder::Parties() {
    auto root = Root("parties");
    for (const TParty& p : W_.Parties) {
        CheckLength("party name", p.Name, 20);
        CheckLength("party abbreviation", p.Abbreviation, 3);
        TXmlNode* party = AddWithId(root.get(), "party", PartyId(p.Key));
        Add(party, "name", p.Name);
        Add(party, "abbreviation", p.Abbreviation);
        Add(party, "color", p.Colour);
        Add(party, "default_on", p.DefaultOn);
        Add(party, "picture", p.Picture);
        Add(party, "funds", p.Funds);
        Add(party, "established", p.Established);
        Add(party, "incumbent", p.Incumbent);
        AddWithId(Add(party, "regional_party_political_units"), "political_unit", "-1");
        Add(party, "generalelection_block_grant", p.BlockGrant);
        Add(party, "fundraising_coefficient", p.FundraisingCoefficient);
        AddPlatform(party, p.Platform, {});
        TXmlNode* advertising = Add(party, "advertising");
        Add(advertising, "pac", p.Pac);
        TXmlNode* credits = Add(advertising, "ad_credits");
        for (const TAdCredit& c : p.AdCredits)
            Add(AddWithId(credits, "ad", AdId(c.Ad)), "credits", c.Credits);
        TXmlNode* goals = Add(party, "goals");
        Add(goals, "percentage", "-1");
        Add(goals, "seats", "0");
        TXmlNode* convention = Add(party, "convention");
        Add(convention, "start_date", p.ConventionStart);
        Add(convention, "end_date", p.ConventionEnd);
        Add(convention, "nomination_date", p.ConventionNomination);
        W_.Region(p.ConventionRegion);
        AddWithId(convention, "political_unit", RegionId(p.ConventionRegion));
        Add(convention, "location", p.ConventionCity);
        TXmlNode* leaders = Add(party, "leaders");
        for (const TLeader& l : p.Leaders)
            AddLeader(leaders, p, l);
        TXmlNode* mates = Add(party, "viceleaders");
        for (const TViceLeader& v : p.ViceLeaders)
            AddMate(mates, v);
    }
    return root;
}

std::unique_ptr<TXmlNode> TBuilder::Percentages() {
    auto root = Root("percentages");
    Add(root.get(), "randomization", W_.Settings.Randomization);
    Add(root.get(), "universal_alienated", W_.Settings.UniversalAlienated);
    TXmlNode* units = Add(root.get(), "political_units");
    for (const TRegion& r : W_.Regions) {
        TXmlNode* unit = AddWithId(units, "political_unit", RegionId(r.Key));
        TXmlNode* parties = Add(unit, "parties");
        int total = 0;
        for (const TParty& p : W_.Parties) {
            const int share = W_.Share(r.Key, p.Key);
            total += share;
            TXmlNode* party = AddWithId(parties, "party", PartyId(p.Key));
            TXmlNode* general = Add(party, "general_election");
            Add(general, "starting_percentage", share);
            Add(general, "undecided", p.Division.Undecided);
            Add(general, "alienated", p.Division.Alienated);
            Add(general, "leaning", p.Division.Leaning);
            Add(general, "committed", p.Division.Committed);
            TXmlNode* primaries = Add(party, "primaries");
            Add(primaries, "starting_percentage", share);
            TXmlNode* leaders = Add(primaries, "leaders");
            const std::vector<int> shares = LeaderShares(p, r);
            for (size_t i = 0; i < p.Leaders.size(); ++i) {
                TXmlNode* leader = AddWithId(leaders, "leader", LeaderId(p.Leaders[i].Key));
                const TDivision& division = p.Leaders[i].Division;
                Add(leader, "starting_percentage", shares[i]);
                Add(leader, "undecided", division.Undecided);
                Add(leader, "alienated", division.Alienated);
                Add(leader, "leaning", division.Leaning);
                Add(leader, "committed", division.Committed);
            }
        }
        if (total != 100)
            throw std::runtime_error("the shares of " + r.Name + " do not add up to 100");
    }
    return root;
}

std::unique_ptr<TXmlNode> TBuilder::Events() {
    auto root = Root("events");
    TXmlNode* random = Add(root.get(), "random_events");
    random->SetAttribute("on", std::to_string(W_.Settings.RandomEventsOn));
    TXmlNode* simple = Add(random, "simple_issue_events");
    for (const TSimpleEvent& e : W_.SimpleEvents) {
        TXmlNode* event = AddWithId(simple, "issue", IssueId(e.Issue));
        TXmlNode* headlines = Add(event, "headlines");
        for (const std::string& h : e.Headlines) {
            CheckLength("headline", h, 250);
            Add(headlines, "headline", h);
        }
    }
    TXmlNode* scripted = Add(root.get(), "scripted_events");
    auto eventKnown = [&](const std::string& key) {
        return std::any_of(W_.ScriptedEvents.begin(), W_.ScriptedEvents.end(),
                           [&](const TScriptedEvent& e) { return e.Key == key; });
    };
    for (const TScriptedEvent& e : W_.ScriptedEvents) {
        TXmlNode* event = AddWithId(scripted, "event", EventId(e.Key));
        Add(event, "name", e.Name);
        Add(event, "start_date", e.StartDate);
        Add(event, "end_date", e.EndDate);
        Add(event, "times_can_occur", e.TimesCanOccur);
        Add(event, "will_occur", e.WillOccur);
        Add(event, "chance_occurs", e.ChanceOccurs);
        TXmlNode* conditions = Add(event, "conditions");
        for (const TCondition& c : e.Conditions) {
            TXmlNode* condition = Add(conditions, "condition");
            condition->SetAttribute("type", c.Type);
            if (c.Type == "who" || c.Type == "not_who") {
                AddWithId(condition, "leader", LeaderId(c.Target));
            } else {
                if (!eventKnown(c.Target) || c.Target == e.Key)
                    throw std::runtime_error("condition on unknown event " + c.Target);
                AddWithId(condition, "event", EventId(c.Target));
            }
        }
        TXmlNode* outcomes = Add(event, "outcomes");
        for (const TOutcome& o : e.Outcomes) {
            CheckLength("outcome headline", o.Headline, 250);
            const TIssue& affected = W_.Issue(o.Issue);
            TXmlNode* outcome = Add(outcomes, "outcome");
            Add(outcome, "chance", o.Chance);
            Add(outcome, "profile_change", o.ProfileChange);
            Add(outcome, "chance_issue_center_moves", o.ChanceCentreMoves);
            Add(outcome, "distance_issue_center_moves", o.DistanceCentreMoves);
            Add(outcome, "target_issue_center", o.TargetCentre);
            Add(outcome, "momentum_change", o.MomentumChange);
            Add(outcome, "headline", o.Headline);
            AddWithId(outcome, "issue_affected", IssueId(o.Issue));
            TXmlNode* effects = Add(outcome, "effects");
            if (o.Effects.empty())
                throw std::runtime_error("an outcome of " + e.Name + " has no effect");
            for (const TEffect& f : o.Effects) {
                std::string id;
                if (f.Kind == "issue_position") {
                    if (affected.Attribute || std::find(PositionIds.begin(), PositionIds.end(),
                                                        f.Target) == PositionIds.end())
                        throw std::runtime_error("no position " + f.Target + " in " +
                                                 affected.Name);
                    id = f.Target;
                } else if (f.Kind == "party") {
                    id = PartyId(f.Target);
                } else if (f.Kind == "leader") {
                    id = LeaderId(f.Target);
                } else if (f.Kind == "viceleader") {
                    id = MateId(f.Target);
                } else {
                    throw std::runtime_error("unknown effect kind " + f.Kind);
                }
                if ((f.Kind == "issue_position" || f.Kind == "viceleader") &&
                    f.Reward != "momentum")
                    throw std::runtime_error("only momentum rewards " + f.Kind);
                Add(AddWithId(effects, f.Kind, id), f.Reward, f.Amount);
            }
        }
    }
    return root;
}

std::unique_ptr<TXmlNode> TBuilder::Endorsers() {
    auto root = Root("endorsers");
    for (const TEndorser& e : W_.Endorsers) {
        TXmlNode* endorser = AddWithId(root.get(), "endorser", Ids_.Of("endorser", e.Key));
        Add(endorser, "name", e.Name);
        Add(endorser, "description", e.Description);
        Add(endorser, "start_date", e.StartDate);
        Add(endorser, "end_date", e.EndDate);
        Add(endorser, "pp_effect", e.PpEffect);
        TXmlNode* partyStance = Add(endorser, "party_stance");
        if (!e.Party.empty())
            Add(AddWithId(partyStance, "party", PartyId(e.Party)), "initial_stance", e.PartyStance);
        TXmlNode* leaderStance = Add(endorser, "leader_stance");
        if (!e.Leader.empty())
            Add(AddWithId(leaderStance, "leader", LeaderId(e.Leader)), "initial_stance",
                e.LeaderStance);
        Add(endorser, "monetary_bonus", e.MonetaryBonus);
        TXmlNode* affected = Add(endorser, "political_units_affected");
        for (const TRegionBonus& b : e.Regions) {
            TXmlNode* unit =
                AddWithId(affected, "political_unit", b.Region == "-1" ? "-1" : RegionId(b.Region));
            if (b.Region != "-1")
                W_.Region(b.Region);
            Add(unit, "momentum", b.Momentum);
            Add(unit, "footsoldiers", b.Footsoldiers)
                ->SetAttribute("chance", std::to_string(b.Chance));
        }
        TXmlNode* issues = Add(endorser, "issues", "0");
        AddWithId(issues, "issue", e.Issue == "-1" ? "-1" : IssueId(e.Issue));
        Add(issues->GetChildAt(0), "favored_position", e.FavouredPosition);
    }
    return root;
}

std::unique_ptr<TXmlNode> TBuilder::Ads() {
    auto root = Root("ads");
    static const std::array<std::pair<const char*, const char*>, 3> Qualities = {
        {{"low", "Low"}, {"med", "Med"}, {"high", "High"}}};
    for (const TAd& a : W_.Ads) {
        TXmlNode* ad = AddWithId(root.get(), "ad", AdId(a.Key));
        Add(ad, "name", a.Name);
        Add(ad, "description", a.Description);
        Add(ad, "universal_distribution", "0");
        Add(ad, "cost_coefficient", a.CostCoefficient);
        Add(ad, "base_power", a.BasePower);
        Add(ad, "attack_backfire_chance", a.AttackBackfireChance);
        Add(ad, "attack_power_bonus", a.AttackPowerBonus);
        Add(ad, "turns_to_start", a.TurnsToStart);
        Add(ad, "turns_to_cancel", a.TurnsToCancel);
        Add(ad, "max_turns_can_run", a.MaxTurnsCanRun);
        Add(ad, "immediately_available", a.ImmediatelyAvailable);
        TXmlNode* qualities = Add(ad, "ad_qualities");
        for (size_t q = 0; q < 3; ++q) {
            TXmlNode* quality = AddWithId(qualities, "quality", Qualities[q].first);
            Add(quality, "name", Qualities[q].second);
            Add(quality, "budget", a.Qualities[q].Budget);
            Add(quality, "turns_to_make", a.Qualities[q].TurnsToMake);
            Add(quality, "chance_of_success", a.Qualities[q].ChanceOfSuccess);
        }
    }
    return root;
}

void TBuilder::AddActivity(TXmlNode* list, const TActivity& a) {
    TXmlNode* activity = AddWithId(list, "activity", a.BuiltIn ? a.Id : Ids_.Of("activity", a.Id));
    Add(activity, "name", a.Name);
    Add(activity, "picture", a.Picture);
    Add(activity, "energy_points", a.EnergyPoints);
    Add(activity, "command_points", a.CommandPoints);
    Add(activity, "cost", a.Cost);
    Add(activity, "base_power", a.BasePower);
    Add(activity, "chance_national_news", a.ChanceNationalNews);
    Add(activity, "chance_backfire", a.ChanceBackfire);
    Add(activity, "has_issue_focus", a.HasIssueFocus);
    Add(activity, "requires_location", a.RequiresLocation);
}

std::unique_ptr<TXmlNode> TBuilder::Activities() {
    auto root = Root("activities");
    TXmlNode* leaders = Add(root.get(), "leaders");
    for (const TActivity& a : W_.LeaderActivities)
        AddActivity(leaders, a);
    TXmlNode* mates = Add(root.get(), "viceleaders");
    for (const TActivity& a : W_.ViceLeaderActivities)
        AddActivity(mates, a);
    return root;
}

std::unique_ptr<TXmlNode> TBuilder::Relations() {
    const TSettings& s = W_.Settings;
    auto root = Root("relations");
    Add(root.get(), "coalition_offers", s.CoalitionOffers);
    Add(root.get(), "endorsement_offers", s.EndorsementOffers);
    Add(root.get(), "non_aggression_offers", s.NonAggressionOffers);
    Add(root.get(), "viceleader_offers", s.ViceLeaderOffers);
    TXmlNode* leaders = Add(root.get(), "leaders");
    for (const TRelation& r : W_.Relations) {
        if (r.From == r.To)
            throw std::runtime_error("a relation of a leader to himself");
        TXmlNode* relation = Add(leaders, "relation", r.Rating);
        relation->SetAttribute("from", LeaderId(r.From));
        relation->SetAttribute("to", LeaderId(r.To));
    }
    return root;
}

} // namespace

void CheckLength(const std::string& what, const std::string& text, size_t limit) {
    if (text.size() > limit)
        throw std::runtime_error(what + " is longer than " + std::to_string(limit) +
                                 " characters: " + text);
}

std::vector<std::pair<std::string, std::unique_ptr<TXmlNode>>>
BuildDocuments(const TWorld& world, const std::string& idSalt) {
    TBuilder b(world, idSalt);
    std::vector<std::pair<std::string, std::unique_ptr<TXmlNode>>> documents;
    // Issues and regions first, so that every reference below resolves to
    // an identifier the builder has already handed out.
    auto issues = b.Issues();
    auto units = b.PoliticalUnits();
    auto ads = b.Ads();
    auto parties = b.Parties();
    documents.emplace_back("activities", b.Activities());
    documents.emplace_back("ads", std::move(ads));
    documents.emplace_back("endorsers", b.Endorsers());
    documents.emplace_back("events", b.Events());
    documents.emplace_back("issues", std::move(issues));
    documents.emplace_back("parties", std::move(parties));
    documents.emplace_back("percentages", b.Percentages());
    documents.emplace_back("political_units", std::move(units));
    documents.emplace_back("relations", b.Relations());
    documents.emplace_back("scenario", b.Scenario());
    return documents;
}

void WriteScenario(const TWorld& world, const std::string& folder) {
    for (auto& [name, root] : BuildDocuments(world, "")) {
        TXmlDom document;
        document.AdoptRoot(std::move(root));
        document.SaveToFile(folder + "/" + name + ".xml");
    }
}

void WriteTemplate(const TWorld& world, const std::string& file) {
    auto root = std::make_unique<TXmlNode>(nullptr);
    root->Name = "template";
    TXmlNode* parent = root.get();
    for (auto& [name, document] : BuildDocuments(world, "template:"))
        parent->AddChild(std::move(document));
    TXmlDom output;
    output.AdoptRoot(std::move(root));
    output.SaveToFile(file);
}

} // namespace Sample
