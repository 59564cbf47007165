#include "sample/SampleWorld.h"

#include <stdexcept>

namespace Sample {

namespace {

TIssue Attribute(const std::string& key, const std::string& name, const std::string& primaries,
                 const std::string& general, TIcon icon) {
    TIssue issue;
    issue.Key = key;
    issue.Name = name;
    issue.Attribute = true;
    issue.Picture = key + ".bmp";
    issue.PrimariesProfile = primaries;
    issue.GeneralProfile = general;
    issue.Icon = icon;
    return issue;
}

TIssue Position(const std::string& key, const std::string& name,
                std::array<std::string, 7> descriptions, std::array<int, 7> fundraising,
                const std::string& primaries, const std::string& general, TIcon icon) {
    TIssue issue;
    issue.Key = key;
    issue.Name = name;
    issue.Picture = key + ".bmp";
    issue.Descriptions = std::move(descriptions);
    issue.Fundraising = fundraising;
    issue.PrimariesProfile = primaries;
    issue.GeneralProfile = general;
    issue.Icon = icon;
    return issue;
}

const TRgb Paper{246, 242, 228};

std::vector<TIssue> AttributeIssues() {
    return {
        Attribute("leadership", "Leadership", "High", "High",
                  {TGlyph::Star, {200, 150, 20}, {232, 236, 248}}),
        Attribute("integrity", "Integrity", "Medium", "High",
                  {TGlyph::Shield, {40, 90, 160}, {232, 236, 248}}),
        Attribute("experience", "Experience", "Medium", "Medium",
                  {TGlyph::Clock, {110, 80, 50}, {232, 236, 248}}),
        Attribute("issue_familiarity", "Issue Familiarity", "Low", "Medium",
                  {TGlyph::Book, {120, 40, 40}, {232, 236, 248}}),
    };
}

TIssue Taxes() {
    return Position(
        "taxes", "Taxes",
        {"A steeply progressive income tax, a wealth tax and heavy levies on company profits.",
         "Raise taxes on high earners and large companies to pay for public services.",
         "Modest rises for top earners, with relief for families on low incomes.",
         "Keep the overall tax burden steady while simplifying the tax code.",
         "Gradual income tax cuts for everyone and lower rates for small firms.",
         "Deep cuts to income and company taxes, paid for by spending restraint.",
         "One low flat tax for everyone and no taxes on savings or inheritance."},
        {0, 0, 0, 0, 2, 4, 6}, "High", "High", {TGlyph::Coin, {196, 150, 30}, Paper});
}

TIssue HealthCare() {
    return Position("health_care", "Health Care",
                    {"One public health service, free for all, with private medicine abolished.",
                     "Expand the public health service and cap what private insurers may charge.",
                     "Cover everyone through public insurance, with room for private providers.",
                     "A mix of public and private insurance with a basic safety net for all.",
                     "Market insurance with tax credits to help families buy their own cover.",
                     "Private insurance for most; public care only for emergencies and the poor.",
                     "Health care is a private matter: close every public health program."},
                    {2, 1, 0, 0, 0, 1, 2}, "High", "High", {TGlyph::Cross, {200, 30, 40}, Paper});
}

TIssue Education() {
    return Position(
        "education", "Education",
        {"Free schooling and university for all, with private schools taken into public hands.",
         "Large increases in school funding and free university tuition.",
         "More money for public schools and help with fees for poorer students.",
         "Steady funding, national standards and a mix of public and private schools.",
         "School choice through vouchers and more self-governing public schools.",
         "Let parents choose freely: funding follows the child, not the school board.",
         "Close the education ministry and leave schooling to families and churches."},
        {0, 0, 0, 0, 0, 0, 0}, "Medium", "Medium", {TGlyph::Book, {40, 80, 150}, Paper});
}

TIssue Defense() {
    return Position("defense", "Defense",
                    {"Disband the armed forces and spend their budget on social programs.",
                     "Deep cuts to military spending and an end to arms exports.",
                     "A smaller, defensive military and more money for peacekeeping.",
                     "Keep defense spending where it is.",
                     "Modernize the armed forces with a moderate rise in spending.",
                     "A strong military and a large rise in the defense budget.",
                     "Military service for every young citizen and a massive arms build-up."},
                    {0, 0, 0, 0, 1, 3, 4}, "Low", "Medium", {TGlyph::Shield, {70, 90, 60}, Paper});
}

TIssue Immigration() {
    return Position("immigration", "Immigration",
                    {"Open borders and full citizens' rights for everyone who lives here.",
                     "Generous asylum rules and an easy path to citizenship.",
                     "Welcome skilled workers and refugees and help them settle in.",
                     "Managed immigration matched to the needs of the economy.",
                     "Tighter quotas and stricter checks on residence permits.",
                     "Sharp cuts to immigration and the removal of illegal residents.",
                     "Stop all immigration and send foreign workers home."},
                    {0, 0, 0, 0, 0, 1, 2}, "Medium", "Medium",
                    {TGlyph::Person, {90, 60, 130}, Paper});
}

TIssue Environment() {
    return Position("environment", "Environment",
                    {"Close polluting industries at once, whatever the cost in jobs.",
                     "Strict pollution limits and heavy taxes on carbon emissions.",
                     "Tighten environmental rules step by step and help the workers affected.",
                     "Balance the protection of nature with the needs of industry.",
                     "Voluntary targets and incentives instead of new regulations.",
                     "Roll back the environmental rules that hold back growth.",
                     "Abolish environmental regulation and open protected land to industry."},
                    {1, 1, 0, 0, 0, 1, 2}, "Medium", "Medium",
                    {TGlyph::Leaf, {40, 140, 60}, Paper});
}

TIssue Energy() {
    return Position("energy", "Energy",
                    {"Nationalize the energy companies and end the use of coal, oil and gas.",
                     "Public investment in wind, sun and tide while fossil fuels are phased out.",
                     "Subsidies for renewable energy and stricter efficiency standards.",
                     "A broad mix of renewables, gas and nuclear power.",
                     "More nuclear power and easier licences for new gas fields.",
                     "Expand drilling and mining and end the subsidies for renewables.",
                     "Drill everywhere, mine everything and sell the national grid."},
                    {0, 0, 0, 0, 1, 3, 4}, "Low", "Medium", {TGlyph::Bolt, {220, 170, 0}, Paper});
}

TIssue Trade() {
    return Position("trade", "Trade",
                    {"Leave every trade agreement and protect each domestic job with tariffs.",
                     "Fair trade only, with labor and environmental terms in every deal.",
                     "Open trade with safeguards for vulnerable industries.",
                     "Judge each free trade agreement on its merits.",
                     "Lower tariffs and seek new trade agreements.",
                     "Free trade with every willing partner and no export subsidies.",
                     "Abolish all tariffs and customs controls at once."},
                    {0, 0, 0, 0, 2, 3, 3}, "Medium", "Medium",
                    {TGlyph::Ship, {30, 90, 140}, Paper});
}

TIssue Crime() {
    return Position("crime", "Crime and Justice",
                    {"Close most prisons and replace punishment with community programs.",
                     "Tackle the causes of crime, with shorter sentences and rehabilitation.",
                     "More community policing and support for young offenders.",
                     "Firm policing together with prevention programs.",
                     "More police on the streets and longer sentences for violent crime.",
                     "Tough mandatory sentences and wider powers for the police.",
                     "Zero tolerance, harsh punishment and the return of hard labor."},
                    {0, 0, 0, 0, 0, 1, 1}, "Medium", "High", {TGlyph::Scales, {80, 60, 40}, Paper});
}

TIssue Welfare() {
    return Position("welfare", "Welfare",
                    {"A guaranteed income for every citizen, paid from the public purse.",
                     "Higher benefits and a stronger safety net for the unemployed.",
                     "Protect benefits while helping people back into work.",
                     "Keep the present welfare system with modest reforms.",
                     "Tie benefits to work or training and tighten the rules.",
                     "Cut welfare spending and limit how long benefits are paid.",
                     "Abolish welfare and leave relief to charities and families."},
                    {1, 0, 0, 0, 0, 1, 2}, "Medium", "Medium",
                    {TGlyph::Heart, {200, 60, 90}, Paper});
}

TIssue Pensions() {
    return Position("pensions", "Pensions",
                    {"Generous public pensions for all, paid by taxes on business and wealth.",
                     "Raise the state pension and keep the retirement age where it is.",
                     "Protect the state pension and encourage savings at work.",
                     "Raise the retirement age gradually to keep pensions affordable.",
                     "Move part of the state pension into personal savings accounts.",
                     "Replace most of the state pension with private accounts.",
                     "End public pensions: everyone saves for their own old age."},
                    {0, 0, 0, 0, 1, 2, 2}, "Medium", "Medium",
                    {TGlyph::Clock, {60, 100, 120}, Paper});
}

TIssue LaborUnions() {
    return Position(
        "labor_unions", "Labor Unions",
        {"Workers should own and run their workplaces, with a union veto over managers.",
         "Stronger union rights, a higher minimum wage and limits on layoffs.",
         "Protect the right to organize and raise the minimum wage with prices.",
         "Keep labor law as it is and encourage unions and employers to cooperate.",
         "Secret ballots before every strike and a freeze on the minimum wage.",
         "Curb union power and abolish the minimum wage for young workers.",
         "Ban strikes in essential services and outlaw the closed shop."},
        {3, 2, 1, 0, 1, 2, 3}, "Low", "Medium", {TGlyph::Fist, {170, 40, 40}, Paper});
}

TIssue Agriculture() {
    return Position("agriculture", "Agriculture",
                    {"Break up the large estates and hand the land to farming cooperatives.",
                     "Guaranteed prices for small farmers and limits on agribusiness.",
                     "Subsidies aimed at family farms and rural communities.",
                     "Keep farm support as it is while reforming its worst excesses.",
                     "Cut farm subsidies gradually and open new export markets.",
                     "End farm subsidies and let the market set food prices.",
                     "Sell off all public farmland and abolish every agricultural rule."},
                    {0, 0, 1, 0, 1, 2, 2}, "Low", "Low", {TGlyph::Wheat, {190, 150, 40}, Paper});
}

TIssue CivilLiberties() {
    return Position("civil_liberties", "Civil Liberties",
                    {"End all surveillance, disband the security service and legalize every drug.",
                     "Strong privacy laws and an end to detention without trial.",
                     "Protect privacy while giving the police limited new powers under judges.",
                     "Balance personal freedom and public security.",
                     "Wider surveillance powers to fight crime and terrorism.",
                     "National identity cards and broad powers of detention.",
                     "Curfews, censorship and the power to ban extremist groups."},
                    {0, 0, 0, 0, 0, 0, 0}, "Low", "Low", {TGlyph::Eye, {60, 60, 60}, Paper});
}

TIssue ForeignPolicy() {
    return Position("foreign_policy", "Foreign Policy",
                    {"Leave every military alliance and declare permanent neutrality.",
                     "Work through international bodies and give more in foreign aid.",
                     "Diplomacy first, with modest commitments to our allies.",
                     "Keep our present alliances and treaty obligations.",
                     "Stand firmly with our allies and take a larger role abroad.",
                     "Put the national interest first and act alone when needed.",
                     "Leave the international bodies and treat our neighbours as rivals."},
                    {0, 0, 0, 0, 0, 1, 1}, "Low", "Low", {TGlyph::Globe, {40, 110, 160}, Paper});
}

TIssue Housing() {
    return Position("housing", "Housing",
                    {"Take empty homes into public ownership and cap every rent.",
                     "A large public house-building program and stronger tenant rights.",
                     "Build more affordable homes and regulate the worst landlords.",
                     "Speed up building through planning reform and help first-time buyers.",
                     "Help people buy their homes and sell public housing to its tenants.",
                     "Scrap rent controls and most planning rules.",
                     "End all public housing and every rule on landlords and builders."},
                    {0, 0, 0, 0, 1, 2, 3}, "Medium", "Medium",
                    {TGlyph::House, {150, 70, 40}, Paper});
}

TIssue Transport() {
    return Position("transport", "Transport",
                    {"Free public transport everywhere and no private cars in the cities.",
                     "Nationalize the railways and invest heavily in buses and trams.",
                     "Move spending from roads to rail and public transport.",
                     "Balanced investment in roads and public transport.",
                     "Let private firms run rail and bus services under contract.",
                     "Build roads and motorways and cut rail subsidies.",
                     "Sell every road, railway and port to private owners."},
                    {0, 0, 0, 0, 1, 1, 2}, "Low", "Low", {TGlyph::Wheel, {70, 70, 90}, Paper});
}

TIssue RegionalAutonomy() {
    return Position("regional_autonomy", "Regional Autonomy",
                    {"Independence for any region that votes for it.",
                     "Wide self-government for the regions, with their own tax powers.",
                     "Elected regional assemblies in charge of schools and health.",
                     "Keep the present balance between the capital and the regions.",
                     "Limit regional spending and set national standards.",
                     "Strengthen the central government and trim regional powers.",
                     "Abolish the regional governments and rule from the capital."},
                    {0, 0, 0, 0, 0, 0, 1}, "Medium", "Medium",
                    {TGlyph::Pillar, {120, 100, 80}, Paper});
}

TIssue Fisheries() {
    return Position("fisheries", "Fisheries",
                    {"Ban factory trawlers and hand the fishing grounds to coastal cooperatives.",
                     "Strict quotas that favour small boats, and public money for the harbours.",
                     "Sustainable quotas with grants to modernize the inshore fleet.",
                     "Keep the present quota system and review it every five years.",
                     "Let fishing firms buy and sell their quotas freely.",
                     "Raise the catch limits and scrap most rules on fishing gear.",
                     "Abolish the quotas and let anyone fish anywhere."},
                    {1, 1, 0, 0, 1, 2, 2}, "Low", "Medium", {TGlyph::Fish, {30, 120, 150}, Paper});
}

TIssue IslandFerries() {
    return Position("island_ferries", "Island Ferries",
                    {"Free state ferries to the Quen Isles, with a crossing every hour.",
                     "Nationalize the ferry lines and cut the fares for islanders.",
                     "Subsidize fares and buy new ships for the island routes.",
                     "Keep the present ferry contracts and subsidies.",
                     "Put the ferry routes out to open tender.",
                     "End the ferry subsidies and let fares follow costs.",
                     "Sell the harbours and let the islanders pay their own way."},
                    {0, 0, 0, 0, 1, 1, 1}, "Low", "Low", {TGlyph::Ship, {200, 90, 30}, Paper});
}

} // namespace

std::vector<TIssue> TemplateIssues() {
    std::vector<TIssue> issues = AttributeIssues();
    for (TIssue issue :
         {Taxes(), HealthCare(), Education(), Defense(), Immigration(), Environment(), Energy(),
          Trade(), Crime(), Welfare(), Pensions(), LaborUnions(), Agriculture(), CivilLiberties(),
          ForeignPolicy(), Housing(), Transport(), RegionalAutonomy()})
        issues.push_back(std::move(issue));
    return issues;
}

std::vector<TIssue> TellavarIssues() {
    std::vector<TIssue> issues = TemplateIssues();
    for (TIssue& issue : issues) {
        if (issue.Key == "agriculture")
            issue = Fisheries();
        else if (issue.Key == "transport")
            issue = IslandFerries();
    }
    return issues;
}

std::vector<TActivity> BuiltInLeaderActivities() {
    const TRgb back{236, 232, 216};
    auto make = [&](const std::string& id, const std::string& name, int ep, int cp, int cost,
                    int power, int news, int backfire, int focus, int location, TGlyph glyph,
                    TRgb colour) {
        TActivity a;
        a.Id = id;
        a.Name = name;
        a.Picture = id + ".bmp";
        a.EnergyPoints = ep;
        a.CommandPoints = cp;
        a.Cost = cost;
        a.BasePower = power;
        a.ChanceNationalNews = news;
        a.ChanceBackfire = backfire;
        a.HasIssueFocus = focus;
        a.RequiresLocation = location;
        a.Icon = {glyph, colour, back};
        return a;
    };
    return {
        make("barn_storming", "Barnstorming", 3, 2, 500, 2, 10, 2, 0, 1, TGlyph::Megaphone,
             {170, 60, 30}),
        make("fundraiser", "Fundraiser", 2, 1, 0, 1, 5, 1, 0, 1, TGlyph::Coin, {190, 150, 30}),
        make("policy_speech", "Policy Speech", 2, 2, 200, 2, 20, 5, 1, 1, TGlyph::Podium,
             {60, 80, 140}),
        make("issue_knowledge", "Issue Knowledge", 1, 1, 0, 1, 0, 0, 1, 0, TGlyph::Book,
             {110, 50, 50}),
        make("debate_prep", "Debate Prep", 2, 1, 0, 1, 0, 0, 0, 0, TGlyph::Scales, {80, 60, 40}),
        make("develop_campaign", "Develop Campaign", 1, 3, 1000, 1, 0, 0, 0, 0, TGlyph::Chart,
             {40, 120, 70}),
        make("rest", "Rest", 0, 0, 0, 0, 0, 0, 0, 0, TGlyph::Bed, {70, 90, 150}),
    };
}

std::vector<TActivity> BuiltInViceLeaderActivities() {
    // Running mates share the built-in behaviour (and so its identifier) of
    // the leader activities they can perform, with smaller effects.
    std::vector<TActivity> all = BuiltInLeaderActivities();
    std::vector<TActivity> mates;
    for (TActivity a : all) {
        if (a.Id == "barn_storming" || a.Id == "fundraiser" || a.Id == "policy_speech" ||
            a.Id == "rest") {
            if (a.BasePower > 1)
                a.BasePower -= 1;
            a.ChanceNationalNews /= 2;
            mates.push_back(a);
        }
    }
    return mates;
}

std::vector<TAd> TemplateAds() {
    auto make = [](const std::string& key, const std::string& name, const std::string& text,
                   const std::string& cost, int power, int backfire, int bonus, int start,
                   int cancel, int run, int available, std::array<TQuality, 3> qualities) {
        TAd ad;
        ad.Key = key;
        ad.Name = name;
        ad.Description = text;
        ad.CostCoefficient = cost;
        ad.BasePower = power;
        ad.AttackBackfireChance = backfire;
        ad.AttackPowerBonus = bonus;
        ad.TurnsToStart = start;
        ad.TurnsToCancel = cancel;
        ad.MaxTurnsCanRun = run;
        ad.ImmediatelyAvailable = available;
        ad.Qualities = qualities;
        return ad;
    };
    return {
        make("television_spot", "Television Spot",
             "A thirty-second spot on national television. Expensive, but it reaches every home.",
             "1.5", 3, 20, 2, 2, 1, 7, 1, {{{4000, 3, 5}, {8000, 4, 10}, {15000, 6, 20}}}),
        make("radio_spot", "Radio Spot", "A short radio advert played at breakfast and drive time.",
             "0.75", 2, 15, 1, 1, 1, 10, 1, {{{1000, 2, 5}, {2000, 3, 10}, {5000, 5, 15}}}),
        make("newspaper_advert", "Newspaper Advert",
             "A full-page advert in the national and regional newspapers.", "0.5", 1, 10, 1, 1, 0,
             5, 1, {{{800, 1, 5}, {1500, 2, 8}, {3000, 3, 12}}}),
    };
}

const TRegion& TWorld::Region(const std::string& key) const {
    for (const TRegion& r : Regions)
        if (r.Key == key)
            return r;
    throw std::runtime_error("unknown region " + key);
}

const TParty& TWorld::Party(const std::string& key) const {
    for (const TParty& p : Parties)
        if (p.Key == key)
            return p;
    throw std::runtime_error("unknown party " + key);
}

const TIssue& TWorld::Issue(const std::string& key) const {
    for (const TIssue& i : Issues)
        if (i.Key == key)
            return i;
    throw std::runtime_error("unknown issue " + key);
}

std::vector<const TIssue*> TWorld::PositionIssues() const {
    std::vector<const TIssue*> list;
    for (const TIssue& i : Issues)
        if (!i.Attribute)
            list.push_back(&i);
    return list;
}

int TWorld::Share(const std::string& region, const std::string& party) const {
    for (const auto& [key, shares] : Shares) {
        if (key != region)
            continue;
        for (size_t i = 0; i < Parties.size() && i < shares.size(); ++i)
            if (Parties[i].Key == party)
                return shares[i];
    }
    throw std::runtime_error("no share for " + party + " in " + region);
}

} // namespace Sample
