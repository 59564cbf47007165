#include "scenario/edit/PartiesEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/PercentagesEdit.h"
#include "scenario/edit/RegionElectionEdit.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace PartiesEdit {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void AddPlatform(const TScenarioData& data, TXmlNode* party) {
    TXmlNode* platform = party->AddNewChild("platform");
    const TXmlNode* issues = data.Issues();
    for (int32_t i = 0; issues && i < issues->ChildCount(); ++i) {
        const TXmlNode* issue = issues->GetChildAt(i);
        const TXmlNode* type = issue->GetChild("type");
        if (type && Lower(type->GetText()) == "attribute")
            continue;
        platform->AddNewChild("issue", "Center")->SetAttribute("id", issue->AttributeValue("id"));
    }
}

void AddPrimaryEvents(TScenarioData& data, const std::string& partyId) {
    TXmlNode* regions = RegionList(data);
    for (int32_t i = 0; regions && i < regions->ChildCount(); ++i) {
        TXmlNode* region = regions->GetChildAt(i);
        TXmlNode* events = region->GetChild("election_events");
        if (!events)
            events = region->AddNewChild("election_events");
        RegionElectionEdit::AppendPrimaryEvent(events, partyId);
    }
}

} // namespace

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return TDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}.ToString();
}

TXmlNode* RegionList(const TScenarioData& data) {
    const TXmlNode* root = data.PoliticalUnits();
    const TXmlNode* nation = root ? root->GetChildAt(0) : nullptr;
    return nation ? nation->GetChild("political_units") : nullptr;
}

std::string FirstRegionId(const TScenarioData& data) {
    const TXmlNode* regions = RegionList(data);
    const TXmlNode* first = regions ? regions->GetChildAt(0) : nullptr;
    return first ? first->AttributeValue("id", "-1") : "-1";
}

TXmlNode* NewParty(TScenarioData& data) {
    TXmlNode* root = data.Parties();
    if (!root)
        return nullptr;
    const std::string id = ValueEncodings::NewId();
    const std::string today = TodayText();
    TXmlNode* party = root->AddNewChild("party");
    party->SetAttribute("id", id);
    party->AddNewChild("name", "New Party");
    party->AddNewChild("abbreviation");
    party->AddNewChild("color", "blue");
    party->AddNewChild("default_on", "0");
    party->AddNewChild("picture");
    party->AddNewChild("funds", "0");
    party->AddNewChild("established", "3");
    party->AddNewChild("incumbent", "0");
    party->AddNewChild("regional_party_political_units")
        ->AddNewChild("political_unit")
        ->SetAttribute("id", "-1");
    party->AddNewChild("generalelection_block_grant", "0");
    party->AddNewChild("fundraising_coefficient", "1.5");
    AddPlatform(data, party);
    TXmlNode* advertising = party->AddNewChild("advertising");
    advertising->AddNewChild("pac", "1");
    advertising->AddNewChild("ad_credits");
    TXmlNode* goals = party->AddNewChild("goals");
    goals->AddNewChild("percentage", "-1");
    goals->AddNewChild("seats", "0");
    TXmlNode* convention = party->AddNewChild("convention");
    convention->AddNewChild("start_date", today);
    convention->AddNewChild("end_date", today);
    convention->AddNewChild("nomination_date", today);
    convention->AddNewChild("political_unit")->SetAttribute("id", "-1");
    convention->AddNewChild("location");
    party->AddNewChild("leaders");
    party->AddNewChild("viceleaders");

    AddPrimaryEvents(data, id);
    PercentagesEdit::AddPartyEntries(data, id);
    data.SetChanged();
    return party;
}

void RemoveParty(TScenarioData& data, TXmlNode* party) {
    TXmlNode* root = data.Parties();
    if (!root || !party)
        return;
    const std::string id = party->AttributeValue("id");
    if (!root->RemoveChild(party))
        return;
    if (!id.empty())
        PercentagesEdit::RemovePartyEntries(data, id);
    data.SetChanged();
}

int32_t MoveChild(TXmlNode* list, int32_t index, int direction) {
    const int32_t other = index + (direction < 0 ? -1 : 1);
    if (!list || index < 0 || index >= list->ChildCount() || other < 0 ||
        other >= list->ChildCount())
        return index;
    list->ExchangeChildren(index, other);
    return other;
}

} // namespace PartiesEdit
