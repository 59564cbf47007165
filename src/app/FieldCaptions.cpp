#include "app/FieldCaptions.h"

#include <string_view>

namespace {

struct TWindowTitle {
    std::string_view Form, Title;
};

// Each window's title without its step, as the designer reads it.
constexpr TWindowTitle Titles[] = {
    {"TActivitiesEditorForm", "Create / Edit Activities"},
    {"TAdEditorForm", "Create / Edit Ads"},
    {"TChangeColourForm", "Select Color"},
    {"TCrusadersEditorForm", "Create / Edit Crusaders"},
    {"TDebatesEditorForm", "Create / Edit Debates"},
    {"TEconomyEditorForm", "Create / Edit Economic Targets"},
    {"TElectionEventsEditorForm", "Set Party Region Information"},
    {"TEndorserEditorForm", "Create / Edit Endorsers"},
    {"TEventConditionBuilderForm", "Event Conditions"},
    {"TEventOutcomeBuilderForm", "Event Outcomes"},
    {"TEventsEditorForm", "Create / Edit Events"},
    {"TInterviewerEditorForm", "Create / Edit Interviewers"},
    {"TIssueCentersForm", "Regional Centers / Profiles"},
    {"TIssueEditorForm", "Create / Edit Issues"},
    {"TLeaderEditForm", "Edit Selected Leader"},
    {"TPartiesEditorForm", "Create / Edit Parties"},
    {"TPartyEditForm", "Edit Selected Party"},
    {"TPartyLeaderVeepEditorForm", "Create / Edit Leaders and Vice Leaders"},
    {"TPartyRelationsEditorForm", "Party Relations"},
    {"TPercentagesEditorForm", "Edit Regional Percentages"},
    {"TPlatformEditorForm", "Set Party / Leader Platform"},
    {"TPoliticalUnitEditorForm", "Create / Edit Political Units"},
    {"TScenarioEditorForm", "Create / Edit Scenario Data"},
    {"TScriptedEventsEditorForm", "Create / Edit Scripted Events"},
    {"TSelectPartyForm", "Select Party"},
    {"TSelectScenarioForm", "Choose Scenario To Load"},
    {"TSelectVeepsForm", "Select Leader Vice-Presidential Candidates"},
    {"TSimpleEventEditorForm", "Create / Edit Simple Events"},
    {"TVeepEditForm", "Edit Selected Vice President"},
};

struct TFieldCaption {
    std::string_view Form, Parent, Field, Caption;
};

// The caption beside each field, by the element it edits. The all-forms
// bindings test holds it to the windows' own labels.
constexpr TFieldCaption Captions[] = {
    {"TActivitiesEditorForm", "activity", "base_power", "Base Power"},
    {"TActivitiesEditorForm", "activity", "chance_national_news", "Chance Of News"},
    {"TActivitiesEditorForm", "activity", "command_points", "Command Points"},
    {"TActivitiesEditorForm", "activity", "cost", "Cost"},
    {"TActivitiesEditorForm", "activity", "energy_points", "Energy Points"},
    {"TActivitiesEditorForm", "activity", "has_issue_focus", "Has Issue Focus"},
    {"TActivitiesEditorForm", "activity", "name", "Name"},
    {"TActivitiesEditorForm", "activity", "picture", "Activity Image"},
    {"TActivitiesEditorForm", "activity", "requires_location", "Requires Location"},
    {"TAdEditorForm", "ad", "attack_backfire_chance", "Attack Backfire Chance"},
    {"TAdEditorForm", "ad", "attack_power_bonus", "Attack Power Bonus"},
    {"TAdEditorForm", "ad", "base_power", "Base Power"},
    {"TAdEditorForm", "ad", "cost_coefficient", "Cost Coefficient"},
    {"TAdEditorForm", "ad", "description", "Desciption"},
    {"TAdEditorForm", "ad", "max_turns_can_run", "Max Turns Can Run"},
    {"TAdEditorForm", "ad", "name", "Name"},
    {"TAdEditorForm", "ad", "turns_to_cancel", "Days To Cancel"},
    {"TAdEditorForm", "ad", "turns_to_start", "Days To Start"},
    {"TAdEditorForm", "quality", "budget", "Cost To Make"},
    {"TAdEditorForm", "quality", "chance_of_success", "% Highly Successful"},
    {"TAdEditorForm", "quality", "turns_to_make", "Turns To Make"},
    {"TCrusadersEditorForm", "crusader", "base_power", "Base Power"},
    {"TCrusadersEditorForm", "crusader", "first_name", "First Name"},
    {"TCrusadersEditorForm", "crusader", "last_for_days", "Days (-1 Unlimited)"},
    {"TCrusadersEditorForm", "crusader", "last_name", "Last Name"},
    {"TCrusadersEditorForm", "crusader", "political_points_cost",
     "Political Influence Points Cost"},
    {"TDebatesEditorForm", "debate", "date", "Date"},
    {"TDebatesEditorForm", "debate", "language", "Language"},
    {"TDebatesEditorForm", "debate", "percent_to_qualify", "% To Qualify"},
    {"TDebatesEditorForm", "debate", "type", "Type"},
    {"TEconomyEditorForm", "target", "chance", "Chance Will Occur"},
    {"TEconomyEditorForm", "target", "economy_target", "Target"},
    {"TEconomyEditorForm", "target", "name", "Name"},
    {"TEconomyEditorForm", "target", "speed", "Speed of  Change"},
    {"TElectionEventsEditorForm", "event", "date", "Date"},
    {"TElectionEventsEditorForm", "event", "profile_bonus", "Election News Story Bonus"},
    {"TElectionEventsEditorForm", "seat", "cut_off", "Cuttoff"},
    {"TElectionEventsEditorForm", "seat", "number", "Number"},
    {"TElectionEventsEditorForm", "seat", "type", "Type"},
    {"TEndorserEditorForm", "endorser", "description", "Description"},
    {"TEndorserEditorForm", "endorser", "monetary_bonus", "Monetary Bonus"},
    {"TEndorserEditorForm", "endorser", "name", "Name"},
    {"TEndorserEditorForm", "endorser", "pp_effect", "PIP Effect"},
    {"TEndorserEditorForm", "issue", "favored_position", "Favored Position"},
    {"TEventOutcomeBuilderForm", "outcome", "chance", "Chance of Outcome"},
    {"TEventOutcomeBuilderForm", "outcome", "chance_issue_center_moves",
     "Chance Issue Center Moves"},
    {"TEventOutcomeBuilderForm", "outcome", "distance_issue_center_moves",
     "Distance Issue Center Moves"},
    {"TEventOutcomeBuilderForm", "outcome", "headline", "Headline"},
    {"TEventOutcomeBuilderForm", "outcome", "momentum_change", "Chance Momentum Change"},
    {"TEventOutcomeBuilderForm", "outcome", "profile_change", "Profile Change"},
    {"TEventOutcomeBuilderForm", "outcome", "target_issue_center", "Target Issue Center"},
    {"TInterviewerEditorForm", "interviewer", "contentiousness", "Contentiousness"},
    {"TInterviewerEditorForm", "interviewer", "name", "Name"},
    {"TInterviewerEditorForm", "interviewer", "stance", "Stance"},
    {"TInterviewerEditorForm", "interviewer", "visibility", "Visibility"},
    {"TIssueEditorForm", "issue", "name", "Name"},
    {"TIssueEditorForm", "issue", "type", "Type"},
    {"TIssueEditorForm", "position", "description", "Position description"},
    {"TLeaderEditForm", "attributes", "charisma", "Charisma"},
    {"TLeaderEditForm", "attributes", "debating", "Debating"},
    {"TLeaderEditForm", "attributes", "experience", "Experience"},
    {"TLeaderEditForm", "attributes", "integrity", "Integrity"},
    {"TLeaderEditForm", "attributes", "issue_familiarity", "Issue Familiarity"},
    {"TLeaderEditForm", "attributes", "leadership", "Leadership"},
    {"TLeaderEditForm", "attributes", "stamina", "Stamina"},
    {"TLeaderEditForm", "goals", "percentage", "Percentage Goal"},
    {"TLeaderEditForm", "goals", "seats", "Seats Goal"},
    {"TLeaderEditForm", "leader", "age", "Age"},
    {"TLeaderEditForm", "leader", "default_on", "On By Default"},
    {"TLeaderEditForm", "leader", "established_primaries", "How Well Established"},
    {"TLeaderEditForm", "leader", "firstname", "First"},
    {"TLeaderEditForm", "leader", "generalelection_description", "General Election Description"},
    {"TLeaderEditForm", "leader", "how_well_known", "How Well Known"},
    {"TLeaderEditForm", "leader", "image_large", "Leader Portrait (large)"},
    {"TLeaderEditForm", "leader", "image_small", "Leader Portrait (small)"},
    {"TLeaderEditForm", "leader", "language_bonus", "Language Bonus"},
    {"TLeaderEditForm", "leader", "lastname", "Last"},
    {"TLeaderEditForm", "leader", "political_influence_points", "Political Influence Points"},
    {"TLeaderEditForm", "leader", "primaries_description", "Primaries Description"},
    {"TLeaderEditForm", "leader", "starting_funds", "Starting Funds"},
    {"TLeaderEditForm", "leader", "title", "Title"},
    {"TLeaderEditForm", "political_unit", "bonus", "Bonus"},
    {"TPartyEditForm", "ad", "credits", "Credits"},
    {"TPartyEditForm", "advertising", "pac", "PAC Advertising"},
    {"TPartyEditForm", "convention", "end_date", "End Date"},
    {"TPartyEditForm", "convention", "location", "City"},
    {"TPartyEditForm", "convention", "nomination_date", "Nomination Date"},
    {"TPartyEditForm", "convention", "start_date", "Start Date"},
    {"TPartyEditForm", "party", "abbreviation", "Abbreviation"},
    {"TPartyEditForm", "party", "default_on", "On By Default"},
    {"TPartyEditForm", "party", "established", "Established"},
    {"TPartyEditForm", "party", "fundraising_coefficient", "Fundraising Coefficient"},
    {"TPartyEditForm", "party", "funds", "Funds"},
    {"TPartyEditForm", "party", "generalelection_block_grant", "Block Grant"},
    {"TPartyEditForm", "party", "incumbent", "Incumbent Party"},
    {"TPartyEditForm", "party", "name", "Name"},
    {"TPartyEditForm", "party", "picture", "Party Image"},
    {"TPartyRelationsEditorForm", "relations", "endorsement_offers", "Endorsement Offers"},
    {"TPartyRelationsEditorForm", "relations", "non_aggression_offers", "Non-Aggression Offers"},
    {"TPartyRelationsEditorForm", "relations", "viceleader_offers", "Vice-Presidential Offers"},
    {"TPoliticalUnitEditorForm", "political_unit", "abbreviation", "Abbreviation"},
    {"TPoliticalUnitEditorForm", "political_unit", "capital", "Capital"},
    {"TPoliticalUnitEditorForm", "political_unit", "eligible_voters", "Eligible Voters"},
    {"TPoliticalUnitEditorForm", "political_unit", "flag", "Flag Blurb"},
    {"TPoliticalUnitEditorForm", "political_unit", "logo", "Flag Image"},
    {"TPoliticalUnitEditorForm", "political_unit", "media_market_name", "Media Market Name"},
    {"TPoliticalUnitEditorForm", "political_unit", "motto", "Motto"},
    {"TPoliticalUnitEditorForm", "political_unit", "name", "Name"},
    {"TPoliticalUnitEditorForm", "political_unit", "nickname", "Nickname"},
    {"TPoliticalUnitEditorForm", "political_unit", "poll_open_time", "Polls Close Time"},
    {"TPoliticalUnitEditorForm", "political_unit", "population", "Population"},
    {"TPoliticalUnitEditorForm", "political_unit", "year_of_entry", "Year Of Entry"},
    {"TPoliticalUnitEditorForm", "seat", "number", "Seats"},
    {"TPoliticalUnitEditorForm", "seat", "type", "Seats Type"},
    {"TScenarioEditorForm", "advertising", "ban_days_before_election",
     "Ban ads days before election"},
    {"TScenarioEditorForm", "advertising", "max_per_player", "Max. Ads Per Player"},
    {"TScenarioEditorForm", "advertising", "pac", "PAC Advertising"},
    {"TScenarioEditorForm", "general_election", "end_date", "General Election Ends"},
    {"TScenarioEditorForm", "general_election", "start_date", "General Election Starts"},
    {"TScenarioEditorForm", "leader", "appointed_by", "Appointed By"},
    {"TScenarioEditorForm", "leader", "institution", "Elected Institution"},
    {"TScenarioEditorForm", "leader", "position", "Elected Position"},
    {"TScenarioEditorForm", "percentages", "universal_alienated", "Universal Alienated %"},
    {"TScenarioEditorForm", "primaries", "start_date", "Primaries Start"},
    {"TScenarioEditorForm", "scenario", "base_cp", "Base CP"},
    {"TScenarioEditorForm", "scenario", "currency_symbol", "Currency Symbol"},
    {"TScenarioEditorForm", "scenario", "fundraising_coefficient", "Fundraising Coefficient"},
    {"TScenarioEditorForm", "scenario", "generalelection_introduction",
     "General Election Introduction"},
    {"TScenarioEditorForm", "scenario", "money_coefficient", "Money Coefficient"},
    {"TScenarioEditorForm", "scenario", "name", "Scenario Name"},
    {"TScenarioEditorForm", "scenario", "primaries_introduction", "Primaries Introduction"},
    {"TScriptedEventsEditorForm", "event", "chance_occurs", "Chance Any Given Day"},
    {"TScriptedEventsEditorForm", "event", "end_date", "End Date"},
    {"TScriptedEventsEditorForm", "event", "name", "Name"},
    {"TScriptedEventsEditorForm", "event", "start_date", "Start Date"},
    {"TScriptedEventsEditorForm", "event", "times_can_occur", "Times Event Can Occur"},
    {"TScriptedEventsEditorForm", "event", "will_occur", "Event Will Occur"},
    {"TVeepEditForm", "attributes", "charisma", "Charisma"},
    {"TVeepEditForm", "attributes", "debating", "Debating"},
    {"TVeepEditForm", "attributes", "experience", "Experience"},
    {"TVeepEditForm", "attributes", "integrity", "Integrity"},
    {"TVeepEditForm", "attributes", "issue_familiarity", "Issue Familiarity"},
    {"TVeepEditForm", "attributes", "leadership", "Leadership"},
    {"TVeepEditForm", "attributes", "stamina", "Stamina"},
    {"TVeepEditForm", "political_unit", "bonus", "Home Bonus"},
    {"TVeepEditForm", "viceleader", "age", "Age"},
    {"TVeepEditForm", "viceleader", "firstname", "First Name"},
    {"TVeepEditForm", "viceleader", "how_well_known", "How Well Known"},
    {"TVeepEditForm", "viceleader", "lastname", "Last Name"},
    {"TVeepEditForm", "viceleader", "political_points_cost", "Political Points Cost"},
};

} // namespace

namespace FieldCaptions {

QString Window(const std::string& form) {
    for (const TWindowTitle& entry : Titles)
        if (entry.Form == form)
            return QString::fromUtf8(entry.Title.data(),
                                     static_cast<qsizetype>(entry.Title.size()));
    return {};
}

QString Field(const std::string& form, const std::string& parent, const std::string& field) {
    for (const TFieldCaption& entry : Captions)
        if (entry.Form == form && entry.Parent == parent && entry.Field == field)
            return QString::fromUtf8(entry.Caption.data(),
                                     static_cast<qsizetype>(entry.Caption.size()));
    return {};
}

QString Shown(const QString& label) {
    QString caption = label;
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace FieldCaptions
