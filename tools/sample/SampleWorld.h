#pragma once

// The invented content the shipped data is generated from: the template's
// issues, activities and ads, and the Republic of Tellavar, the nation of the
// sample scenario and of the test base scenario. It lives in sample/worlds.xml
// and is read into these structs; the scenario writer turns it into the ten
// documents, the picture generator into bitmaps; both read the same map
// geometry, so fill points always lie inside their areas.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Sample {

struct TRgb {
    int R = 0, G = 0, B = 0;
};

struct TPoint {
    int X = 0, Y = 0;
};

// Picture sizes as the editors store them.
inline constexpr int MapWidth = 501, MapHeight = 381;
inline constexpr int FlagWidth = 76, FlagHeight = 57;
inline constexpr int IconSize = 32;
inline constexpr int PartyPictureSize = 101;
inline constexpr int PortraitWidth = 75, PortraitHeight = 87;
inline constexpr int ScenarioPictureWidth = 65, ScenarioPictureHeight = 85;

// Picture folders of a scenario.
inline const char* const RegionImages = "region_images/";
inline const char* const IssueImages = "issue_images/";
inline const char* const PartyImages = "party_images/";
inline const char* const CandidateImages = "party_images/candidates/";
inline const char* const ActivityImages = "activity_images/";

enum class TGlyph {
    Star,
    Circle,
    Leaf,
    Lantern,
    Coin,
    Cross,
    Book,
    Shield,
    Person,
    Bolt,
    Ship,
    Scales,
    House,
    Wheel,
    Fish,
    Globe,
    Fist,
    Eye,
    Factory,
    Wheat,
    Pillar,
    Heart,
    Megaphone,
    Bed,
    Clock,
    Podium,
    Chart,
    Handshake
};

struct TFlagDesign {
    bool Vertical = false;
    std::array<TRgb, 3> Stripes{};
    TGlyph Emblem = TGlyph::Circle;
    TRgb EmblemColour{};
};

struct TIcon {
    TGlyph Glyph = TGlyph::Circle;
    TRgb Colour{};
    TRgb Background{};
};

struct TIssue {
    std::string Key;
    std::string Name;
    bool Attribute = false;
    std::string Picture;
    // Far-Left to Far-Right.
    std::array<std::string, 7> Descriptions{};
    std::array<int, 7> Fundraising{};
    // National profiles: "High", "Medium" or "Low".
    std::string PrimariesProfile = "Medium";
    std::string GeneralProfile = "Medium";
    TIcon Icon{};
};

struct TQuality {
    int Budget = 0;
    int TurnsToMake = 0;
    int ChanceOfSuccess = 0;
};

struct TAd {
    std::string Key;
    std::string Name;
    std::string Description;
    std::string CostCoefficient = "0.5";
    int BasePower = 1;
    int AttackBackfireChance = 15;
    int AttackPowerBonus = 1;
    int TurnsToStart = 0;
    int TurnsToCancel = 0;
    int MaxTurnsCanRun = 5;
    int ImmediatelyAvailable = 0;
    std::array<TQuality, 3> Qualities{};
};

struct TActivity {
    std::string Id; // a built-in identifier, or a key for a fresh one
    bool BuiltIn = true;
    std::string Name;
    std::string Picture;
    int EnergyPoints = 2;
    int CommandPoints = 2;
    int Cost = 500;
    int BasePower = 1;
    int ChanceNationalNews = 10;
    int ChanceBackfire = 0;
    int HasIssueFocus = 0;
    int RequiresLocation = 0;
    TIcon Icon{};
};

// How a party chooses its candidate in one region; the region's date and
// voters give the date and the seats.
struct TPrimary {
    std::string Region;           // region key, or empty for the party's other regions
    std::string Type = "Primary"; // "Primary" or "caucus"
    std::string OpenClosed = "open";
    std::string SeatType = "PR";
    int CutOff = 0;
};

struct TRegion {
    std::string Key;
    std::string Name;
    std::string Abbreviation;
    std::string Capital;
    std::string FlagText;
    std::string Motto;
    std::string Nickname;
    std::string Blurb;
    std::string MediaMarket;
    int64_t Population = 0;
    int64_t Voters = 0;
    int YearOfEntry = 0;
    int PollClose = 2000;
    std::vector<std::string> Cities;
    std::string Logo;
    TFlagDesign Flag{};
    TRgb MapColour{};
    // One per separate area; the first lies in the main area.
    std::vector<TPoint> FillPoints;
    TPoint AbbreviationPosition{};
    // Party key, or empty for no governor.
    std::string Governor;
    // Party key, "tie" or "-1".
    std::string Majority = "-1";
    int GeneralSeats = 1;
    // Shift of the region's issue centres: negative leans left.
    int Lean = 0;
    // Issue key and position 1..7 where the region departs from its lean.
    std::vector<std::pair<std::string, int>> CentreOverrides;
    std::string PrimaryDate;
    int PrimaryProfileBonus = 0;
};

struct TNation {
    std::string Key = "nation";
    std::string Name;
    std::string Abbreviation;
    std::string Type = "national";
    std::string Layer = "national";
    std::string Capital;
    std::string FlagText;
    std::string Motto;
    std::string Nickname;
    std::string Blurb;
    std::string Logo;
    TFlagDesign Flag{};
    int YearOfEntry = 0;
    // Filled from the regions when zero.
    int64_t Population = 0;
    int64_t Voters = 0;
};

struct TCrusader {
    std::string FirstName, LastName;
    int Cost = 1, Power = 1, Days = -1;
};

struct TPortrait {
    TRgb Skin{};
    TRgb Hair{};
    bool LongHair = false;
    bool Glasses = false;
    bool Beard = false;
    TRgb Background{};
};

struct TRatings {
    // leadership, integrity, experience, issue_familiarity, charisma,
    // stamina, debating
    std::array<int, 7> Values{3, 3, 3, 3, 3, 3, 3};
};

struct TViceLeader {
    std::string Key;
    std::string FirstName, LastName, Sex;
    std::string Home; // region key
    int Age = 50;
    std::string HowWellKnown = "Medium";
    int PointsCost = 1;
    std::string HomeBonus = "0";
    TRatings Ratings{};
};

struct TDivision {
    int Committed = 30, Leaning = 25, Undecided = 40, Alienated = 5;
};

struct TLeader {
    std::string Key;
    int DefaultOn = 0;
    std::string Title, FirstName, LastName, Sex;
    std::string PrimariesDescription, GeneralDescription;
    std::string Colour;
    std::string GoalPercentage = "-1";
    int GoalSeats = 0;
    std::string Home; // region key
    std::string Age = "50";
    int StartingFunds = 100000;
    int LanguageBonus = -1;
    std::string HowWellKnown = "Medium";
    int EstablishedPrimaries = 3;
    int InfluencePoints = 10;
    TRatings Ratings{};
    // Positions 1..7 that differ from the party platform.
    std::vector<std::pair<std::string, int>> PlatformOverrides;
    std::vector<std::string> RunningMates; // vice-leader keys
    std::vector<TCrusader> Crusaders;
    // Region key and general-election bonus; other regions get "0".
    std::vector<std::pair<std::string, std::string>> RegionBonuses;
    TPortrait Portrait{};
    // Primaries share in a region where no leader is at home.
    int PrimaryShare = 50;
    // How the voters of the leader's share in the primaries lean.
    TDivision Division{};
};

struct TAdCredit {
    std::string Ad;
    int Credits = 1;
};

struct TDebate {
    std::string Type; // empty for primaries debates
    std::string Date;
    int PercentToQualify = 0;
};

struct TParty {
    std::string Key;
    std::string Name, Abbreviation, Colour;
    int DefaultOn = 1;
    std::string Picture;
    std::string Funds = "0";
    int Established = 3;
    int Incumbent = 0;
    std::string BlockGrant = "0";
    std::string FundraisingCoefficient = "1.5";
    // Position 1..7 per position issue key.
    std::vector<std::pair<std::string, int>> Platform;
    int Pac = 1;
    std::vector<TAdCredit> AdCredits;
    std::string ConventionStart, ConventionEnd, ConventionNomination;
    std::string ConventionRegion, ConventionCity;
    std::vector<TLeader> Leaders;
    std::vector<TViceLeader> ViceLeaders;
    std::vector<TDebate> PrimariesDebates;
    std::vector<TPrimary> Primaries;
    TDivision Division{};
    TGlyph Emblem = TGlyph::Star;
    TRgb EmblemColour{};
    TRgb Background{};
};

struct TSimpleEvent {
    std::string Issue;
    std::vector<std::string> Headlines;
};

struct TCondition {
    std::string Type;   // "who", "not_who", "event_occurred", "event_not_occurred"
    std::string Target; // leader key or scripted event key
};

struct TEffect {
    std::string Kind;   // "issue_position", "party", "leader", "viceleader"
    std::string Target; // position id or party, leader or vice-leader key
    std::string Reward; // "momentum" or "financial"
    int Amount = 0;
};

struct TOutcome {
    std::string Chance;
    int ProfileChange = 0;
    std::string ChanceCentreMoves = "0";
    int DistanceCentreMoves = 0;
    int TargetCentre = 4;
    int MomentumChange = 0;
    std::string Headline;
    std::string Issue;
    std::vector<TEffect> Effects;
};

struct TScriptedEvent {
    std::string Key;
    std::string Name;
    std::string StartDate, EndDate;
    int TimesCanOccur = 1;
    int WillOccur = 0;
    std::string ChanceOccurs = "0";
    std::vector<TCondition> Conditions;
    std::vector<TOutcome> Outcomes;
};

struct TRegionBonus {
    std::string Region; // region key, or "-1" for a national endorser
    int Momentum = 0;
    int Footsoldiers = 0;
    int Chance = 33;
};

struct TEndorser {
    std::string Key;
    std::string Name, Description;
    std::string StartDate = "-1", EndDate = "-1";
    int PpEffect = 0;
    std::string Party, PartyStance;   // empty for none
    std::string Leader, LeaderStance; // empty for none
    std::string MonetaryBonus = "0";
    std::vector<TRegionBonus> Regions;
    std::string Issue = "-1"; // issue key or "-1" for none
    std::string FavouredPosition = "Center";
};

struct TRelation {
    std::string From, To; // leader keys
    std::string Rating;
};

struct TTarget {
    std::string Key, Name;
    int EconomyTarget = 3;
    std::string Speed = "Normal";
    std::string Chance = "0";
};

struct TInterviewer {
    std::string Name, Stance, Visibility, Contentiousness;
};

struct TSettings {
    std::string Name;
    std::string BackgroundImages = "default";
    std::string PrimariesIntroduction, GeneralIntroduction;
    std::string PrimariesStart, GeneralStart, GeneralEnd;
    std::string MoneyCoefficient = "1", FundraisingCoefficient = "1";
    std::string InterPartyCoefficient = "1", IntraPartyCoefficient = "1";
    std::string PollResultsDay = "Fri";
    int InitialEconomy = 3;
    std::vector<TTarget> Targets;
    int Pac = 1;
    int BanDaysBeforeElection = -1;
    int MaxAdsPerPlayer = 10;
    int BaseCp = 20;
    std::string CurrencySymbol = "$";
    std::string Position, Institution, AppointedBy;
    std::vector<TInterviewer> Interviewers;
    std::vector<TDebate> GeneralDebates;
    int Randomization = 5;
    std::string UniversalAlienated = "5";
    int CoalitionOffers = 1, EndorsementOffers = 1, NonAggressionOffers = 1, ViceLeaderOffers = 1;
    int RandomEventsOn = 1;
};

// The map: land outlined by a polygon and split among the mainland regions
// by nearness to their first fill point; islands are ellipses.
struct TIsland {
    std::string Region;
    TPoint Centre{};
    int RadiusX = 0, RadiusY = 0;
};

struct TMapShape {
    std::vector<TPoint> Mainland;
    std::vector<TIsland> Islands;
    TRgb Sea{};
};

struct TWorld {
    TSettings Settings;
    std::vector<TIssue> Issues;
    TNation Nation;
    std::vector<TRegion> Regions;
    TMapShape Map;
    std::vector<TAd> Ads;
    std::vector<TParty> Parties;
    std::vector<TSimpleEvent> SimpleEvents;
    std::vector<TScriptedEvent> ScriptedEvents;
    std::vector<TEndorser> Endorsers;
    std::vector<TActivity> LeaderActivities;
    std::vector<TActivity> ViceLeaderActivities;
    std::vector<TRelation> Relations;
    // Starting general-election share per region key and party key.
    std::vector<std::pair<std::string, std::vector<int>>> Shares;
    // False gives the units centres of the position issues and of the first
    // attribute issue only; verification asks for none.
    bool AllIssueCentres = true;

    const TRegion& Region(const std::string& key) const;
    const TParty& Party(const std::string& key) const;
    const TIssue& Issue(const std::string& key) const;
    std::vector<const TIssue*> PositionIssues() const;
    // The party's general-election share in the region (percent).
    int Share(const std::string& region, const std::string& party) const;
};

// The settings, issues, activities and ads of a new scenario; everything
// else is left to the designer.
TWorld TemplateWorld();
// The shipped sample: nine regions, three parties.
TWorld TellavarWorld();
// The verification tests' base: three regions, two parties, one of each
// kind of item.
TWorld BaseWorld();
// The scenario fuzzer's base: the verification tests' base cut to 900
// elements (44 KB of XML, against 2,000 and 115 KB), still with one item of
// each kind.
TWorld FuzzWorld();

// The worlds of a data file by their Id. Throws std::runtime_error naming the
// file, the record and the field of the first mistake.
std::map<std::string, TWorld> ReadWorlds(const std::string& file);

// The identifier of an invented item, in the form NewId gives ("39452_..."),
// the same for the same kind and key in every world.
std::string IdOf(const std::string& kind, const std::string& key);

} // namespace Sample
