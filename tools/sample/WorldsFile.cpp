// Reads the invented worlds from their data file (its form is described at
// the top of sample/worlds.xml). Each struct of SampleWorld.h has a table of
// its fields; one reader walks the tables, so a field is named in one place.

#include "sample/SampleWorld.h"
#include "xml/TXmlDom.h"

#include <charconv>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace Sample {

namespace {

// A value that does not read as its field's type; the reader adds where.
struct TBadValue {
    std::string Why;
};

// In the order of TGlyph.
const char* const GlyphNames[] = {"Star",    "Circle", "Leaf",   "Lantern",  "Coin",      "Cross",
                                  "Book",    "Shield", "Person", "Bolt",     "Ship",      "Scales",
                                  "House",   "Wheel",  "Fish",   "Globe",    "Fist",      "Eye",
                                  "Factory", "Wheat",  "Pillar", "Heart",    "Megaphone", "Bed",
                                  "Clock",   "Podium", "Chart",  "Handshake"};
static_assert(std::size(GlyphNames) == static_cast<size_t>(TGlyph::Handshake) + 1);

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    if (separator == ' ') {
        while (in >> part)
            parts.push_back(part);
    } else {
        while (std::getline(in, part, separator))
            parts.push_back(part);
    }
    return parts;
}

void Parse(const std::string& text, std::string& value) {
    value = text;
}

template <class T>
requires std::is_integral_v<T>
void Parse(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        throw TBadValue{"\"" + text + "\" is not a whole number"};
}

void Parse(const std::string& text, bool& value) {
    if (text != "true" && text != "false")
        throw TBadValue{"\"" + text + "\" is neither true nor false"};
    value = text == "true";
}

void Parse(const std::string& text, TGlyph& value) {
    for (size_t i = 0; i < std::size(GlyphNames); ++i)
        if (text == GlyphNames[i]) {
            value = static_cast<TGlyph>(i);
            return;
        }
    throw TBadValue{"\"" + text + "\" is not a glyph (Star, Circle, ... as in SampleWorld.h)"};
}

// Keys (running mates) and numbers (shares) are separated by blanks.
template <class T> void Parse(const std::string& text, std::vector<T>& values) {
    values.clear();
    for (const std::string& word : Split(text, ' '))
        Parse(word, values.emplace_back());
}

template <size_t N> void Parse(const std::string& text, std::array<int, N>& values) {
    const std::vector<std::string> words = Split(text, ' ');
    if (words.size() != N)
        throw TBadValue{"\"" + text + "\" is not " + std::to_string(N) + " numbers"};
    for (size_t i = 0; i < N; ++i)
        Parse(words[i], values[i]);
}

void Parse(const std::string& text, TRgb& value) {
    std::array<int, 3> rgb;
    Parse(text, rgb);
    value = {rgb[0], rgb[1], rgb[2]};
}

void Parse(const std::string& text, TPoint& value) {
    std::array<int, 2> xy;
    Parse(text, xy);
    value = {xy[0], xy[1]};
}

void Parse(const std::string& text, TRatings& value) {
    Parse(text, value.Values);
}

// Points of an outline and colours of stripes are separated by commas.
void Parse(const std::string& text, std::vector<TPoint>& values) {
    values.clear();
    for (const std::string& group : Split(text, ','))
        Parse(group, values.emplace_back());
}

void Parse(const std::string& text, std::array<TRgb, 3>& values) {
    const std::vector<std::string> groups = Split(text, ',');
    if (groups.size() != 3)
        throw TBadValue{"\"" + text + "\" is not three colours"};
    for (size_t i = 0; i < 3; ++i)
        Parse(groups[i], values[i]);
}

// Long texts are child elements and may be wrapped: blanks run together.
std::string Collapse(const std::string& text) {
    std::string out;
    for (const std::string& word : Split(text, ' '))
        out += (out.empty() ? "" : " ") + word;
    return out;
}

std::vector<const TXmlNode*> Children(const TXmlNode& element, const std::string& name) {
    std::vector<const TXmlNode*> children;
    for (int32_t i = 0; i < element.ChildCount(); ++i)
        if (element.GetChildAt(i)->Name == name)
            children.push_back(element.GetChildAt(i));
    return children;
}

// "FILE: World sample > Region aldmoor: Population: why".
[[noreturn]] void Mistake(const std::string& file, const std::string& record,
                          const std::string& field, const std::string& why) {
    throw std::runtime_error(file + ": " + record + ": " + (field.empty() ? "" : field + ": ") +
                             why);
}

class TReader;

template <class S> struct TField {
    std::string Name;
    // Reads the field from the record's element; false when it is not given.
    std::function<bool(TReader&, const TXmlNode&, S&, bool fresh)> Read;
    // Whether a new record must give it.
    std::function<bool(const S&)> Needed = [](const S&) { return true; };
};

// Records with a key patch the inherited record of that key; the others
// patch the inherited record at the same place.
template <class R> struct TTable {
    std::vector<TField<R>> Fields;
    std::string R::*Key = nullptr;
    const char* KeyName = nullptr;
};

template <class R> const TTable<R>& TableOf();

class TReader {
public:
    explicit TReader(std::string file) : File_(std::move(file)) {}

    [[noreturn]] void Fail(const std::string& field, const std::string& why) const {
        std::string record;
        for (const std::string& step : Path_)
            record += (record.empty() ? "" : " > ") + step;
        Mistake(File_, record, field, why);
    }

    // A record given by element; fresh when nothing is inherited, so that
    // every needed field must be there.
    template <class R>
    void Read(const TXmlNode& element, R& record, bool fresh, const std::string& label) {
        Path_.push_back(label);
        const TTable<R>& table = TableOf<R>();
        const auto known = [&](const std::string& name) {
            for (const TField<R>& field : table.Fields)
                if (field.Name == name)
                    return true;
            return false;
        };
        for (int32_t i = 0; i < element.AttributeCount(); ++i)
            if (!known(element.GetAttributeAt(i)->Name))
                Fail(element.GetAttributeAt(i)->Name, "no such field");
        for (int32_t i = 0; i < element.ChildCount(); ++i)
            if (!known(element.GetChildAt(i)->Name))
                Fail(element.GetChildAt(i)->Name, "no such field");
        for (const TField<R>& field : table.Fields)
            if (!field.Read(*this, element, record, fresh) && fresh && field.Needed(record))
                Fail(field.Name, "missing");
        Path_.pop_back();
    }

    // The text of a value: an attribute, or a child element for long texts.
    std::optional<std::string> Text(const TXmlNode& element, const std::string& name) const {
        const TXmlAttribute* attribute = element.GetAttribute(name);
        const std::vector<const TXmlNode*> children = Children(element, name);
        if (children.size() + (attribute ? 1 : 0) > 1)
            Fail(name, "given twice");
        if (attribute)
            return attribute->Value;
        if (!children.empty())
            return Collapse(children[0]->GetText());
        return std::nullopt;
    }

    template <class T> void ParseAs(const std::string& name, const std::string& text, T& value) {
        try {
            Parse(text, value);
        } catch (const TBadValue& bad) {
            Fail(name, bad.Why);
        }
    }

private:
    std::string File_;
    std::vector<std::string> Path_;
};

template <class S> bool Optional(const S&) {
    return false;
}

template <class S> TField<S> When(bool (*needed)(const S&), TField<S> field) {
    field.Needed = needed;
    return field;
}

template <class S, class T> TField<S> Value(const char* name, T S::*member) {
    return {name, [=](TReader& r, const TXmlNode& e, S& s, bool) {
                const std::optional<std::string> text = r.Text(e, name);
                if (text)
                    r.ParseAs(name, *text, s.*member);
                return text.has_value();
            }};
}

// A field the caller reads itself.
template <class S> TField<S> Known(const char* name) {
    return {name, [](TReader&, const TXmlNode&, S&, bool) { return true; }};
}

template <class S, class R> TField<S> Record(const char* name, R S::*member) {
    return {name, [=](TReader& r, const TXmlNode& e, S& s, bool fresh) {
                const std::vector<const TXmlNode*> nodes = Children(e, name);
                if (nodes.size() > 1)
                    r.Fail(name, "given twice");
                if (!nodes.empty())
                    r.Read(*nodes[0], s.*member, fresh, name);
                return !nodes.empty();
            }};
}

// A list given at all replaces the inherited one.
template <class S, class R> TField<S> List(const char* name, std::vector<R> S::*member) {
    return {name,
            [=](TReader& r, const TXmlNode& e, S& s, bool) {
                const std::vector<const TXmlNode*> nodes = Children(e, name);
                if (nodes.empty())
                    return false;
                const TTable<R>& table = TableOf<R>();
                const std::vector<R> inherited = std::move(s.*member);
                std::vector<R>& items = s.*member;
                items.clear();
                for (size_t i = 0; i < nodes.size(); ++i) {
                    const R* from = i < inherited.size() ? &inherited[i] : nullptr;
                    std::string label = name + (" " + std::to_string(i + 1));
                    if (table.Key) {
                        const std::string key = nodes[i]->AttributeValue(table.KeyName);
                        label = name + (" " + key);
                        from = nullptr;
                        for (const R& item : inherited)
                            if (item.*table.Key == key)
                                from = &item;
                    }
                    items.push_back(from ? *from : R{});
                    r.Read(*nodes[i], items.back(), !from, label);
                }
                return true;
            },
            Optional<S>};
}

template <class S, class R, size_t N>
TField<S> List(const char* name, std::array<R, N> S::*member) {
    return {name, [=](TReader& r, const TXmlNode& e, S& s, bool fresh) {
                const std::vector<const TXmlNode*> nodes = Children(e, name);
                if (nodes.empty())
                    return false;
                if (nodes.size() != N)
                    r.Fail(name, std::to_string(nodes.size()) + " given, not " + std::to_string(N));
                for (size_t i = 0; i < N; ++i)
                    r.Read(*nodes[i], (s.*member)[i], fresh, name + (" " + std::to_string(i + 1)));
                return true;
            }};
}

// Texts of repeated child elements: cities, headlines, descriptions.
template <class S, class L> TField<S> Texts(const char* name, L S::*member) {
    return {name, [=](TReader& r, const TXmlNode& e, S& s, bool) {
                const std::vector<const TXmlNode*> nodes = Children(e, name);
                if (nodes.empty())
                    return false;
                L& texts = s.*member;
                if constexpr (requires { texts.push_back(""); }) {
                    texts.clear();
                    for (const TXmlNode* node : nodes)
                        texts.push_back(Collapse(node->GetText()));
                } else {
                    if (nodes.size() != texts.size())
                        r.Fail(name, std::to_string(nodes.size()) + " given, not " +
                                         std::to_string(texts.size()));
                    for (size_t i = 0; i < texts.size(); ++i)
                        texts[i] = Collapse(nodes[i]->GetText());
                }
                return true;
            }};
}

// Key and value pairs as the attributes of one element, in order:
// <Platform taxes="5" health_care="4"/>.
template <class S, class V>
TField<S> Pairs(const char* name, std::vector<std::pair<std::string, V>> S::*member) {
    return {name,
            [=](TReader& r, const TXmlNode& e, S& s, bool) {
                const std::vector<const TXmlNode*> nodes = Children(e, name);
                if (nodes.size() > 1)
                    r.Fail(name, "given twice");
                if (nodes.empty())
                    return false;
                auto& pairs = s.*member;
                pairs.clear();
                for (int32_t i = 0; i < nodes[0]->AttributeCount(); ++i) {
                    const TXmlAttribute* a = nodes[0]->GetAttributeAt(i);
                    pairs.emplace_back(a->Name, V{});
                    r.ParseAs(name + (" " + a->Name), a->Value, pairs.back().second);
                }
                return true;
            },
            Optional<S>};
}

template <class... F> auto Fields(F... fields) {
    return std::vector{fields...};
}

// The table of struct R. In the file a field has its name in the struct,
// and a list's element the name given.
#define SAMPLE_TABLE(R, ...)                                                                       \
    template <> const TTable<R>& TableOf<R>() {                                                    \
        using Rec = R;                                                                             \
        static const TTable<R> table{__VA_ARGS__};                                                 \
        return table;                                                                              \
    }
#define VALUE(field) Value(#field, &Rec::field)
#define RECORD(field) Record(#field, &Rec::field)
#define PAIRS(field) Pairs(#field, &Rec::field)
#define LIST(element, field) List(#element, &Rec::field)
#define TEXTS(element, field) Texts(#element, &Rec::field)
#define KEY(field) &Rec::field, #field

SAMPLE_TABLE(TTarget,
             Fields(VALUE(Key), VALUE(Name), VALUE(EconomyTarget), VALUE(Speed), VALUE(Chance)),
             KEY(Key))
SAMPLE_TABLE(TInterviewer,
             Fields(VALUE(Name), VALUE(Stance), VALUE(Visibility), VALUE(Contentiousness)),
             KEY(Name))
SAMPLE_TABLE(TDebate, Fields(VALUE(Type), VALUE(Date), VALUE(PercentToQualify)), KEY(Date))
SAMPLE_TABLE(TSettings,
             Fields(VALUE(Name), VALUE(BackgroundImages), VALUE(PrimariesIntroduction),
                    VALUE(GeneralIntroduction), VALUE(PrimariesStart), VALUE(GeneralStart),
                    VALUE(GeneralEnd), VALUE(MoneyCoefficient), VALUE(FundraisingCoefficient),
                    VALUE(InterPartyCoefficient), VALUE(IntraPartyCoefficient),
                    VALUE(PollResultsDay), VALUE(InitialEconomy), LIST(Target, Targets), VALUE(Pac),
                    VALUE(BanDaysBeforeElection), VALUE(MaxAdsPerPlayer), VALUE(BaseCp),
                    VALUE(CurrencySymbol), VALUE(Position), VALUE(Institution), VALUE(AppointedBy),
                    LIST(Interviewer, Interviewers), LIST(Debate, GeneralDebates),
                    VALUE(Randomization), VALUE(UniversalAlienated), VALUE(CoalitionOffers),
                    VALUE(EndorsementOffers), VALUE(NonAggressionOffers), VALUE(ViceLeaderOffers),
                    VALUE(RandomEventsOn)))

SAMPLE_TABLE(TIcon, Fields(VALUE(Glyph), VALUE(Colour), VALUE(Background)))
SAMPLE_TABLE(TFlagDesign,
             Fields(VALUE(Vertical), VALUE(Stripes), VALUE(Emblem), VALUE(EmblemColour)))

// Attribute issues have no positions.
bool HasPositions(const TIssue& issue) {
    return !issue.Attribute;
}
SAMPLE_TABLE(TIssue,
             Fields(VALUE(Key), VALUE(Name), VALUE(Attribute), VALUE(Picture),
                    When(HasPositions, TEXTS(Description, Descriptions)),
                    When(HasPositions, VALUE(Fundraising)), VALUE(PrimariesProfile),
                    VALUE(GeneralProfile), RECORD(Icon)),
             KEY(Key))

SAMPLE_TABLE(TQuality, Fields(VALUE(Budget), VALUE(TurnsToMake), VALUE(ChanceOfSuccess)))
SAMPLE_TABLE(TAd,
             Fields(VALUE(Key), VALUE(Name), VALUE(Description), VALUE(CostCoefficient),
                    VALUE(BasePower), VALUE(AttackBackfireChance), VALUE(AttackPowerBonus),
                    VALUE(TurnsToStart), VALUE(TurnsToCancel), VALUE(MaxTurnsCanRun),
                    VALUE(ImmediatelyAvailable), LIST(Quality, Qualities)),
             KEY(Key))

SAMPLE_TABLE(TActivity,
             Fields(VALUE(Id), VALUE(BuiltIn), VALUE(Name), VALUE(Picture), VALUE(EnergyPoints),
                    VALUE(CommandPoints), VALUE(Cost), VALUE(BasePower), VALUE(ChanceNationalNews),
                    VALUE(ChanceBackfire), VALUE(HasIssueFocus), VALUE(RequiresLocation),
                    RECORD(Icon)),
             KEY(Id))

SAMPLE_TABLE(TRegion,
             Fields(VALUE(Key), VALUE(Name), VALUE(Abbreviation), VALUE(Capital), VALUE(FlagText),
                    VALUE(Motto), VALUE(Nickname), VALUE(Blurb), VALUE(MediaMarket),
                    VALUE(Population), VALUE(Voters), VALUE(YearOfEntry), VALUE(PollClose),
                    TEXTS(City, Cities), VALUE(Logo), RECORD(Flag), VALUE(MapColour),
                    VALUE(FillPoints), VALUE(Governor), VALUE(Majority), VALUE(GeneralSeats),
                    VALUE(Lean), PAIRS(CentreOverrides), VALUE(PrimaryDate),
                    VALUE(PrimaryProfileBonus)),
             KEY(Key))

SAMPLE_TABLE(TNation, Fields(VALUE(Key), VALUE(Name), VALUE(Abbreviation), VALUE(Type),
                             VALUE(Layer), VALUE(Capital), VALUE(FlagText), VALUE(Motto),
                             VALUE(Nickname), VALUE(Blurb), VALUE(Logo), RECORD(Flag),
                             VALUE(YearOfEntry), VALUE(Population), VALUE(Voters)))

SAMPLE_TABLE(TIsland, Fields(VALUE(Region), VALUE(Centre), VALUE(RadiusX), VALUE(RadiusY)))
SAMPLE_TABLE(TMapShape, Fields(VALUE(Mainland), LIST(Island, Islands), VALUE(Sea)))

SAMPLE_TABLE(TCrusader,
             Fields(VALUE(FirstName), VALUE(LastName), VALUE(Cost), VALUE(Power), VALUE(Days)),
             KEY(LastName))
SAMPLE_TABLE(TPortrait, Fields(VALUE(Skin), VALUE(Hair), VALUE(LongHair), VALUE(Glasses),
                               VALUE(Beard), VALUE(Background)))

SAMPLE_TABLE(TViceLeader,
             Fields(VALUE(Key), VALUE(FirstName), VALUE(LastName), VALUE(Sex), VALUE(Home),
                    VALUE(Age), VALUE(HowWellKnown), VALUE(PointsCost), VALUE(HomeBonus),
                    VALUE(Ratings)),
             KEY(Key))

SAMPLE_TABLE(TDivision,
             Fields(VALUE(Committed), VALUE(Leaning), VALUE(Undecided), VALUE(Alienated)))

SAMPLE_TABLE(TLeader,
             Fields(VALUE(Key), VALUE(DefaultOn), VALUE(Title), VALUE(FirstName), VALUE(LastName),
                    VALUE(Sex), VALUE(PrimariesDescription), VALUE(GeneralDescription),
                    VALUE(Colour), VALUE(GoalPercentage), VALUE(GoalSeats), VALUE(Home), VALUE(Age),
                    VALUE(StartingFunds), VALUE(LanguageBonus), VALUE(HowWellKnown),
                    VALUE(EstablishedPrimaries), VALUE(InfluencePoints), VALUE(Ratings),
                    PAIRS(PlatformOverrides), VALUE(RunningMates), LIST(Crusader, Crusaders),
                    PAIRS(RegionBonuses), RECORD(Portrait), VALUE(PrimaryShare), RECORD(Division)),
             KEY(Key))

SAMPLE_TABLE(TAdCredit, Fields(VALUE(Ad), VALUE(Credits)), KEY(Ad))
SAMPLE_TABLE(TPrimary,
             Fields(VALUE(Region), VALUE(Type), VALUE(OpenClosed), VALUE(SeatType), VALUE(CutOff)),
             KEY(Region))

SAMPLE_TABLE(TParty,
             Fields(VALUE(Key), VALUE(Name), VALUE(Abbreviation), VALUE(Colour), VALUE(DefaultOn),
                    VALUE(Picture), VALUE(Funds), VALUE(Established), VALUE(Incumbent),
                    VALUE(BlockGrant), VALUE(FundraisingCoefficient), PAIRS(Platform), VALUE(Pac),
                    LIST(AdCredit, AdCredits), VALUE(ConventionStart), VALUE(ConventionEnd),
                    VALUE(ConventionNomination), VALUE(ConventionRegion), VALUE(ConventionCity),
                    LIST(Leader, Leaders), LIST(ViceLeader, ViceLeaders),
                    LIST(Debate, PrimariesDebates), LIST(Primary, Primaries), RECORD(Division),
                    VALUE(Emblem), VALUE(EmblemColour), VALUE(Background)),
             KEY(Key))

SAMPLE_TABLE(TSimpleEvent, Fields(VALUE(Issue), TEXTS(Headline, Headlines)), KEY(Issue))
SAMPLE_TABLE(TCondition, Fields(VALUE(Type), VALUE(Target)))
SAMPLE_TABLE(TEffect, Fields(VALUE(Kind), VALUE(Target), VALUE(Reward), VALUE(Amount)))

SAMPLE_TABLE(TOutcome,
             Fields(VALUE(Chance), VALUE(ProfileChange), VALUE(ChanceCentreMoves),
                    VALUE(DistanceCentreMoves), VALUE(TargetCentre), VALUE(MomentumChange),
                    VALUE(Headline), VALUE(Issue), LIST(Effect, Effects)))

SAMPLE_TABLE(TScriptedEvent,
             Fields(VALUE(Key), VALUE(Name), VALUE(StartDate), VALUE(EndDate), VALUE(TimesCanOccur),
                    VALUE(WillOccur), VALUE(ChanceOccurs), LIST(Condition, Conditions),
                    LIST(Outcome, Outcomes)),
             KEY(Key))

SAMPLE_TABLE(TRegionBonus,
             Fields(VALUE(Region), VALUE(Momentum), VALUE(Footsoldiers), VALUE(Chance)),
             KEY(Region))

SAMPLE_TABLE(TEndorser,
             Fields(VALUE(Key), VALUE(Name), VALUE(Description), VALUE(StartDate), VALUE(EndDate),
                    VALUE(PpEffect), VALUE(Party), VALUE(PartyStance), VALUE(Leader),
                    VALUE(LeaderStance), VALUE(MonetaryBonus), LIST(RegionBonus, Regions),
                    VALUE(Issue), VALUE(FavouredPosition)),
             KEY(Key))

SAMPLE_TABLE(TRelation, Fields(VALUE(From), VALUE(To), VALUE(Rating)))

SAMPLE_TABLE(TWorld,
             Fields(Known<Rec>("Id"), Known<Rec>("From"), VALUE(AllIssueCentres), RECORD(Settings),
                    LIST(Issue, Issues), RECORD(Nation), LIST(Region, Regions),
                    When(Optional<Rec>, RECORD(Map)), LIST(Ad, Ads), LIST(Party, Parties),
                    PAIRS(Shares), LIST(SimpleEvent, SimpleEvents),
                    LIST(ScriptedEvent, ScriptedEvents), LIST(Endorser, Endorsers),
                    LIST(LeaderActivity, LeaderActivities),
                    LIST(ViceLeaderActivity, ViceLeaderActivities), LIST(Relation, Relations)))

#undef SAMPLE_TABLE
#undef VALUE
#undef RECORD
#undef PAIRS
#undef LIST
#undef TEXTS
#undef KEY

} // namespace

std::map<std::string, TWorld> ReadWorlds(const std::string& file) {
    TXmlDom document;
    if (!document.LoadFromFile(file))
        throw std::runtime_error(document.LastError().ToString());
    const TXmlNode* root = document.Root();
    if (root->Name != "Worlds")
        Mistake(file, root->Name, "", "the root element must be Worlds");
    TReader reader(file);
    std::map<std::string, TWorld> worlds;
    for (int32_t i = 0; i < root->ChildCount(); ++i) {
        const TXmlNode& element = *root->GetChildAt(i);
        const std::string id = element.AttributeValue("Id"), from = element.AttributeValue("From");
        const std::string record = "World " + id;
        if (element.Name != "World")
            Mistake(file, element.Name, "", "not a World");
        if (id.empty() || worlds.count(id))
            Mistake(file, record, "Id", id.empty() ? "missing" : "another World has it");
        TWorld world;
        if (!from.empty()) {
            if (!worlds.count(from))
                Mistake(file, record, "From", "no earlier World " + from);
            world = worlds[from];
        }
        reader.Read(element, world, from.empty(), record);
        for (TRegion& region : world.Regions) {
            if (region.FillPoints.empty())
                Mistake(file, record + " > Region " + region.Key, "FillPoints", "none given");
            region.AbbreviationPosition = {region.FillPoints[0].X - 8, region.FillPoints[0].Y + 8};
        }
        worlds[id] = std::move(world);
    }
    return worlds;
}

} // namespace Sample
