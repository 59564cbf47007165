#include "scenario/verify/FileVerifiers.h"

#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"
#include "xml/TextCase.h"

#include <algorithm>
#include <cctype>

namespace {

const std::string Scenario = "Scenario";
const std::string Primaries = "Scenario >> Primaries";
const std::string GeneralElection = "Scenario >> General Election";
const std::string Economy = "Scenario >> Economy";
const std::string Targets = "Scenario >> Economy >> Targets >> ";
const std::string Advertising = "Scenario >> Advertising";
const std::string Leader = "Scenario >> Leader";
const std::string Interviewers = "Scenario >> Interviewers >> ";
const std::string Debates = "Scenario >> Debates >> General Election";

// The game knows two kinds of general-election debate.
void CheckDebate(TVerifier& v, const TXmlNode* debate) {
    v.Check(debate, "type", TCheckKind::Text, true, Debates);
    // A missing type was just reported; there is no text to judge, so the
    // guard ends the pass.
    const std::string type = TextCase::Lower(TVerifier::Need(debate->GetChild("type"))->GetText());
    if (type != "leader" && type != "viceleader")
        v.AddMessage(Debates, "type", debate, "Invalid debate type.");
    v.Check(debate, "date", TCheckKind::Date, true, Debates);
    v.Check(debate, "language", TCheckKind::Text, true, Debates);
    v.Check(debate, "percent_to_qualify", TCheckKind::Decimal, true, Debates);
}

void Walk(TVerifier& v, const TXmlNode* root) {
    for (const char* field :
         {"name", "background_images", "primaries_introduction", "generalelection_introduction"})
        v.Check(root, field, TCheckKind::Text, true, Scenario);

    const TXmlNode* primaries = v.Group(root, "primaries", Scenario);
    v.Check(primaries, "start_date", TCheckKind::Date, true, Primaries);
    const TXmlNode* general = v.Group(root, "general_election", Scenario);
    v.Check(general, "start_date", TCheckKind::Date, true, GeneralElection);
    v.Check(general, "end_date", TCheckKind::Date, true, GeneralElection);

    for (const char* field : {"money_coefficient", "fundraising_coefficient",
                              "inter_party_coefficient", "intra_party_coefficient"})
        v.Check(root, field, TCheckKind::Decimal, true, Scenario);
    v.Check(root, "pollresults_day", TCheckKind::Text, true, Scenario);

    const TXmlNode* economy = v.Group(root, "economy", Scenario);
    v.Check(economy, "initial", TCheckKind::Integer, true, Economy);
    const TXmlNode* targets = v.Group(economy, "targets", Economy);
    for (int32_t i = 0; i < targets->ChildCount(); ++i) {
        const TXmlNode* target = targets->GetChildAt(i);
        const std::string section = Targets + target->Name;
        v.Check(target, "economy_target", TCheckKind::Integer, true, section);
        v.Check(target, "chance", TCheckKind::Decimal, true, section);
        v.Check(target, "speed", TCheckKind::Text, true, section);
    }

    const TXmlNode* advertising = v.Group(root, "advertising", Scenario);
    for (const char* field : {"pac", "ban_days_before_election", "max_per_player"})
        v.Check(advertising, field, TCheckKind::Integer, true, Advertising);

    v.Check(root, "base_cp", TCheckKind::Integer, true, Scenario);
    v.Check(root, "currency_symbol", TCheckKind::Text, true, Scenario);

    const TXmlNode* leader = v.Group(root, "leader", Scenario);
    for (const char* field : {"position", "institution", "appointed_by"})
        v.Check(leader, field, TCheckKind::Text, false, Leader);

    const TXmlNode* interviewers = v.Group(root, "interviewers", Scenario);
    for (int32_t i = 0; i < interviewers->ChildCount(); ++i) {
        const TXmlNode* interviewer = interviewers->GetChildAt(i);
        const std::string section = Interviewers + interviewer->Name;
        v.Check(interviewer, "name", TCheckKind::Text, true, section);
        v.Check(interviewer, "stance", TCheckKind::Position, true, section);
        v.Check(interviewer, "visibility", TCheckKind::Text, true, section);
        v.Check(interviewer, "contentiousness", TCheckKind::Text, true, section);
    }

    // The primaries debates belong to the parties verification.
    const TXmlNode* debates = v.Group(root, "debates", Scenario);
    if (const TXmlNode* list = debates->GetChild("general_election"))
        for (int32_t i = 0; i < list->ChildCount(); ++i)
            CheckDebate(v, list->GetChildAt(i));
}

} // namespace

bool VerifyScenarioSettings(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Scenario);
    return v.Run([&] { Walk(v, data.Scenario()); });
}
