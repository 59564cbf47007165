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

#define SAMPLE_TABLE(R, ...)                                                                       \
    template <> const TTable<R>& TableOf<R>() {                                                    \
        static const TTable<R> table{__VA_ARGS__};                                                 \
        return table;                                                                              \
    }

using S = TSettings;
SAMPLE_TABLE(TTarget,
             {Value("Key", &TTarget::Key), Value("Name", &TTarget::Name),
              Value("EconomyTarget", &TTarget::EconomyTarget), Value("Speed", &TTarget::Speed),
              Value("Chance", &TTarget::Chance)},
             &TTarget::Key, "Key")
SAMPLE_TABLE(TInterviewer,
             {Value("Name", &TInterviewer::Name), Value("Stance", &TInterviewer::Stance),
              Value("Visibility", &TInterviewer::Visibility),
              Value("Contentiousness", &TInterviewer::Contentiousness)},
             &TInterviewer::Name, "Name")
SAMPLE_TABLE(TDebate,
             {Value("Type", &TDebate::Type), Value("Date", &TDebate::Date),
              Value("PercentToQualify", &TDebate::PercentToQualify)},
             &TDebate::Date, "Date")
SAMPLE_TABLE(TSettings, {Value("Name", &S::Name),
                         Value("BackgroundImages", &S::BackgroundImages),
                         Value("PrimariesIntroduction", &S::PrimariesIntroduction),
                         Value("GeneralIntroduction", &S::GeneralIntroduction),
                         Value("PrimariesStart", &S::PrimariesStart),
                         Value("GeneralStart", &S::GeneralStart),
                         Value("GeneralEnd", &S::GeneralEnd),
                         Value("MoneyCoefficient", &S::MoneyCoefficient),
                         Value("FundraisingCoefficient", &S::FundraisingCoefficient),
                         Value("InterPartyCoefficient", &S::InterPartyCoefficient),
                         Value("IntraPartyCoefficient", &S::IntraPartyCoefficient),
                         Value("PollResultsDay", &S::PollResultsDay),
                         Value("InitialEconomy", &S::InitialEconomy),
                         List("Target", &S::Targets),
                         Value("Pac", &S::Pac),
                         Value("BanDaysBeforeElection", &S::BanDaysBeforeElection),
                         Value("MaxAdsPerPlayer", &S::MaxAdsPerPlayer),
                         Value("BaseCp", &S::BaseCp),
                         Value("CurrencySymbol", &S::CurrencySymbol),
                         Value("Position", &S::Position),
                         Value("Institution", &S::Institution),
                         Value("AppointedBy", &S::AppointedBy),
                         List("Interviewer", &S::Interviewers),
                         List("Debate", &S::GeneralDebates),
                         Value("Randomization", &S::Randomization),
                         Value("UniversalAlienated", &S::UniversalAlienated),
                         Value("CoalitionOffers", &S::CoalitionOffers),
                         Value("EndorsementOffers", &S::EndorsementOffers),
                         Value("NonAggressionOffers", &S::NonAggressionOffers),
                         Value("ViceLeaderOffers", &S::ViceLeaderOffers),
                         Value("RandomEventsOn", &S::RandomEventsOn)})

SAMPLE_TABLE(TIcon, {Value("Glyph", &TIcon::Glyph), Value("Colour", &TIcon::Colour),
                     Value("Background", &TIcon::Background)})
SAMPLE_TABLE(TFlagDesign,
             {Value("Vertical", &TFlagDesign::Vertical), Value("Stripes", &TFlagDesign::Stripes),
              Value("Emblem", &TFlagDesign::Emblem),
              Value("EmblemColour", &TFlagDesign::EmblemColour)})

// Attribute issues have no positions.
bool HasPositions(const TIssue& issue) {
    return !issue.Attribute;
}
using I = TIssue;
SAMPLE_TABLE(TIssue,
             {Value("Key", &I::Key), Value("Name", &I::Name), Value("Attribute", &I::Attribute),
              Value("Picture", &I::Picture),
              When(HasPositions, Texts("Description", &I::Descriptions)),
              When(HasPositions, Value("Fundraising", &I::Fundraising)),
              Value("PrimariesProfile", &I::PrimariesProfile),
              Value("GeneralProfile", &I::GeneralProfile), Record("Icon", &I::Icon)},
             &I::Key, "Key")

SAMPLE_TABLE(TQuality,
             {Value("Budget", &TQuality::Budget), Value("TurnsToMake", &TQuality::TurnsToMake),
              Value("ChanceOfSuccess", &TQuality::ChanceOfSuccess)})
SAMPLE_TABLE(
    TAd,
    {Value("Key", &TAd::Key), Value("Name", &TAd::Name), Value("Description", &TAd::Description),
     Value("CostCoefficient", &TAd::CostCoefficient), Value("BasePower", &TAd::BasePower),
     Value("AttackBackfireChance", &TAd::AttackBackfireChance),
     Value("AttackPowerBonus", &TAd::AttackPowerBonus), Value("TurnsToStart", &TAd::TurnsToStart),
     Value("TurnsToCancel", &TAd::TurnsToCancel), Value("MaxTurnsCanRun", &TAd::MaxTurnsCanRun),
     Value("ImmediatelyAvailable", &TAd::ImmediatelyAvailable), List("Quality", &TAd::Qualities)},
    &TAd::Key, "Key")

using A = TActivity;
SAMPLE_TABLE(TActivity,
             {Value("Id", &A::Id), Value("BuiltIn", &A::BuiltIn), Value("Name", &A::Name),
              Value("Picture", &A::Picture), Value("EnergyPoints", &A::EnergyPoints),
              Value("CommandPoints", &A::CommandPoints), Value("Cost", &A::Cost),
              Value("BasePower", &A::BasePower),
              Value("ChanceNationalNews", &A::ChanceNationalNews),
              Value("ChanceBackfire", &A::ChanceBackfire),
              Value("HasIssueFocus", &A::HasIssueFocus),
              Value("RequiresLocation", &A::RequiresLocation), Record("Icon", &A::Icon)},
             &A::Id, "Id")

using Rg = TRegion;
SAMPLE_TABLE(TRegion,
             {Value("Key", &Rg::Key),
              Value("Name", &Rg::Name),
              Value("Abbreviation", &Rg::Abbreviation),
              Value("Capital", &Rg::Capital),
              Value("FlagText", &Rg::FlagText),
              Value("Motto", &Rg::Motto),
              Value("Nickname", &Rg::Nickname),
              Value("Blurb", &Rg::Blurb),
              Value("MediaMarket", &Rg::MediaMarket),
              Value("Population", &Rg::Population),
              Value("Voters", &Rg::Voters),
              Value("YearOfEntry", &Rg::YearOfEntry),
              Value("PollClose", &Rg::PollClose),
              Texts("City", &Rg::Cities),
              Value("Logo", &Rg::Logo),
              Record("Flag", &Rg::Flag),
              Value("MapColour", &Rg::MapColour),
              Value("FillPoints", &Rg::FillPoints),
              Value("Governor", &Rg::Governor),
              Value("Majority", &Rg::Majority),
              Value("GeneralSeats", &Rg::GeneralSeats),
              Value("Lean", &Rg::Lean),
              Pairs("CentreOverrides", &Rg::CentreOverrides),
              Value("PrimaryDate", &Rg::PrimaryDate),
              Value("PrimaryProfileBonus", &Rg::PrimaryProfileBonus)},
             &Rg::Key, "Key")

using N = TNation;
SAMPLE_TABLE(TNation,
             {Value("Key", &N::Key), Value("Name", &N::Name),
              Value("Abbreviation", &N::Abbreviation), Value("Type", &N::Type),
              Value("Layer", &N::Layer), Value("Capital", &N::Capital),
              Value("FlagText", &N::FlagText), Value("Motto", &N::Motto),
              Value("Nickname", &N::Nickname), Value("Blurb", &N::Blurb), Value("Logo", &N::Logo),
              Record("Flag", &N::Flag), Value("YearOfEntry", &N::YearOfEntry),
              Value("Population", &N::Population), Value("Voters", &N::Voters)})

SAMPLE_TABLE(TIsland, {Value("Region", &TIsland::Region), Value("Centre", &TIsland::Centre),
                       Value("RadiusX", &TIsland::RadiusX), Value("RadiusY", &TIsland::RadiusY)})
SAMPLE_TABLE(TMapShape, {Value("Mainland", &TMapShape::Mainland),
                         List("Island", &TMapShape::Islands), Value("Sea", &TMapShape::Sea)})

SAMPLE_TABLE(TCrusader,
             {Value("FirstName", &TCrusader::FirstName), Value("LastName", &TCrusader::LastName),
              Value("Cost", &TCrusader::Cost), Value("Power", &TCrusader::Power),
              Value("Days", &TCrusader::Days)},
             &TCrusader::LastName, "LastName")
SAMPLE_TABLE(TPortrait,
             {Value("Skin", &TPortrait::Skin), Value("Hair", &TPortrait::Hair),
              Value("LongHair", &TPortrait::LongHair), Value("Glasses", &TPortrait::Glasses),
              Value("Beard", &TPortrait::Beard), Value("Background", &TPortrait::Background)})

using V = TViceLeader;
SAMPLE_TABLE(TViceLeader,
             {Value("Key", &V::Key), Value("FirstName", &V::FirstName),
              Value("LastName", &V::LastName), Value("Sex", &V::Sex), Value("Home", &V::Home),
              Value("Age", &V::Age), Value("HowWellKnown", &V::HowWellKnown),
              Value("PointsCost", &V::PointsCost), Value("HomeBonus", &V::HomeBonus),
              Value("Ratings", &V::Ratings)},
             &V::Key, "Key")

SAMPLE_TABLE(TDivision,
             {Value("Committed", &TDivision::Committed), Value("Leaning", &TDivision::Leaning),
              Value("Undecided", &TDivision::Undecided), Value("Alienated", &TDivision::Alienated)})

using L = TLeader;
SAMPLE_TABLE(TLeader,
             {Value("Key", &L::Key),
              Value("DefaultOn", &L::DefaultOn),
              Value("Title", &L::Title),
              Value("FirstName", &L::FirstName),
              Value("LastName", &L::LastName),
              Value("Sex", &L::Sex),
              Value("PrimariesDescription", &L::PrimariesDescription),
              Value("GeneralDescription", &L::GeneralDescription),
              Value("Colour", &L::Colour),
              Value("GoalPercentage", &L::GoalPercentage),
              Value("GoalSeats", &L::GoalSeats),
              Value("Home", &L::Home),
              Value("Age", &L::Age),
              Value("StartingFunds", &L::StartingFunds),
              Value("LanguageBonus", &L::LanguageBonus),
              Value("HowWellKnown", &L::HowWellKnown),
              Value("EstablishedPrimaries", &L::EstablishedPrimaries),
              Value("InfluencePoints", &L::InfluencePoints),
              Value("Ratings", &L::Ratings),
              Pairs("PlatformOverrides", &L::PlatformOverrides),
              Value("RunningMates", &L::RunningMates),
              List("Crusader", &L::Crusaders),
              Pairs("RegionBonuses", &L::RegionBonuses),
              Record("Portrait", &L::Portrait),
              Value("PrimaryShare", &L::PrimaryShare),
              Record("Division", &L::Division)},
             &L::Key, "Key")

SAMPLE_TABLE(TAdCredit, {Value("Ad", &TAdCredit::Ad), Value("Credits", &TAdCredit::Credits)},
             &TAdCredit::Ad, "Ad")
SAMPLE_TABLE(TPrimary,
             {Value("Region", &TPrimary::Region), Value("Type", &TPrimary::Type),
              Value("OpenClosed", &TPrimary::OpenClosed), Value("SeatType", &TPrimary::SeatType),
              Value("CutOff", &TPrimary::CutOff)},
             &TPrimary::Region, "Region")

using P = TParty;
SAMPLE_TABLE(TParty,
             {Value("Key", &P::Key),
              Value("Name", &P::Name),
              Value("Abbreviation", &P::Abbreviation),
              Value("Colour", &P::Colour),
              Value("DefaultOn", &P::DefaultOn),
              Value("Picture", &P::Picture),
              Value("Funds", &P::Funds),
              Value("Established", &P::Established),
              Value("Incumbent", &P::Incumbent),
              Value("BlockGrant", &P::BlockGrant),
              Value("FundraisingCoefficient", &P::FundraisingCoefficient),
              Pairs("Platform", &P::Platform),
              Value("Pac", &P::Pac),
              List("AdCredit", &P::AdCredits),
              Value("ConventionStart", &P::ConventionStart),
              Value("ConventionEnd", &P::ConventionEnd),
              Value("ConventionNomination", &P::ConventionNomination),
              Value("ConventionRegion", &P::ConventionRegion),
              Value("ConventionCity", &P::ConventionCity),
              List("Leader", &P::Leaders),
              List("ViceLeader", &P::ViceLeaders),
              List("Debate", &P::PrimariesDebates),
              List("Primary", &P::Primaries),
              Record("Division", &P::Division),
              Value("Emblem", &P::Emblem),
              Value("EmblemColour", &P::EmblemColour),
              Value("Background", &P::Background)},
             &P::Key, "Key")

SAMPLE_TABLE(TSimpleEvent,
             {Value("Issue", &TSimpleEvent::Issue), Texts("Headline", &TSimpleEvent::Headlines)},
             &TSimpleEvent::Issue, "Issue")
SAMPLE_TABLE(TCondition, {Value("Type", &TCondition::Type), Value("Target", &TCondition::Target)})
SAMPLE_TABLE(TEffect, {Value("Kind", &TEffect::Kind), Value("Target", &TEffect::Target),
                       Value("Reward", &TEffect::Reward), Value("Amount", &TEffect::Amount)})

using O = TOutcome;
SAMPLE_TABLE(TOutcome,
             {Value("Chance", &O::Chance), Value("ProfileChange", &O::ProfileChange),
              Value("ChanceCentreMoves", &O::ChanceCentreMoves),
              Value("DistanceCentreMoves", &O::DistanceCentreMoves),
              Value("TargetCentre", &O::TargetCentre), Value("MomentumChange", &O::MomentumChange),
              Value("Headline", &O::Headline), Value("Issue", &O::Issue),
              List("Effect", &O::Effects)})

using E = TScriptedEvent;
SAMPLE_TABLE(TScriptedEvent,
             {Value("Key", &E::Key), Value("Name", &E::Name), Value("StartDate", &E::StartDate),
              Value("EndDate", &E::EndDate), Value("TimesCanOccur", &E::TimesCanOccur),
              Value("WillOccur", &E::WillOccur), Value("ChanceOccurs", &E::ChanceOccurs),
              List("Condition", &E::Conditions), List("Outcome", &E::Outcomes)},
             &E::Key, "Key")

SAMPLE_TABLE(TRegionBonus,
             {Value("Region", &TRegionBonus::Region), Value("Momentum", &TRegionBonus::Momentum),
              Value("Footsoldiers", &TRegionBonus::Footsoldiers),
              Value("Chance", &TRegionBonus::Chance)},
             &TRegionBonus::Region, "Region")

using En = TEndorser;
SAMPLE_TABLE(TEndorser,
             {Value("Key", &En::Key), Value("Name", &En::Name),
              Value("Description", &En::Description), Value("StartDate", &En::StartDate),
              Value("EndDate", &En::EndDate), Value("PpEffect", &En::PpEffect),
              Value("Party", &En::Party), Value("PartyStance", &En::PartyStance),
              Value("Leader", &En::Leader), Value("LeaderStance", &En::LeaderStance),
              Value("MonetaryBonus", &En::MonetaryBonus), List("RegionBonus", &En::Regions),
              Value("Issue", &En::Issue), Value("FavouredPosition", &En::FavouredPosition)},
             &En::Key, "Key")

SAMPLE_TABLE(TRelation, {Value("From", &TRelation::From), Value("To", &TRelation::To),
                         Value("Rating", &TRelation::Rating)})

using W = TWorld;
SAMPLE_TABLE(TWorld,
             {Known<W>("Id"), Known<W>("From"), Value("AllIssueCentres", &W::AllIssueCentres),
              Record("Settings", &W::Settings), List("Issue", &W::Issues),
              Record("Nation", &W::Nation), List("Region", &W::Regions),
              When(Optional<W>, Record("Map", &W::Map)), List("Ad", &W::Ads),
              List("Party", &W::Parties), Pairs("Shares", &W::Shares),
              List("SimpleEvent", &W::SimpleEvents), List("ScriptedEvent", &W::ScriptedEvents),
              List("Endorser", &W::Endorsers), List("LeaderActivity", &W::LeaderActivities),
              List("ViceLeaderActivity", &W::ViceLeaderActivities),
              List("Relation", &W::Relations)})

#undef SAMPLE_TABLE

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
