#include "scenario/edit/PartiesEdit.h"

#include "scenario/IssueKinds.h"
#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/PercentagesEdit.h"
#include "scenario/edit/ReferencesEdit.h"
#include "scenario/edit/RegionElectionEdit.h"
#include "scenario/edit/ScenarioEdit.h"
#include "xml/ChildLookup.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <set>

namespace PartiesEdit {

namespace {

void AddPlatform(const TScenarioData& data, TXmlNode* party) {
    TXmlNode* platform = party->AddNewChild("platform");
    const TXmlNode* issues = data.Issues();
    for (int32_t i = 0; issues && i < issues->ChildCount(); ++i) {
        const TXmlNode* issue = issues->GetChildAt(i);
        if (IssueKinds::IsAttribute(issue))
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

// Removes the children of list for which remove is true; returns how many.
template <typename TPredicate> int RemoveChildrenIf(TXmlNode* list, TPredicate remove) {
    int removed = 0;
    for (int32_t i = 0; list && i < list->ChildCount();) {
        if (remove(list->GetChildAt(i))) {
            list->RemoveChild(list->GetChildAt(i));
            ++removed;
        } else {
            ++i;
        }
    }
    return removed;
}

TXmlNode* AdCreditList(TScenarioData& data, TXmlNode* party) {
    if (!party)
        return nullptr;
    TXmlNode* advertising = party->GetChild("advertising");
    if (!advertising)
        advertising = party->AddNewChild("advertising");
    TXmlNode* credits = advertising->GetChild("ad_credits");
    if (!credits) {
        credits = advertising->AddNewChild("ad_credits");
        data.SetChanged();
    }
    return credits;
}

} // namespace

std::string TodayText() {
    return TDate::Today().ToString();
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

void RemoveParty(TScenarioData& data, TXmlNode* party, TRemovalRepairs* repairs) {
    TXmlNode* root = data.Parties();
    if (root && party && party->Parent() == root)
        ReferencesEdit::Remove(data, party, repairs);
}

std::vector<TXmlNode*> OtherParties(const TScenarioData& data, const TXmlNode* except) {
    std::vector<TXmlNode*> parties;
    const TXmlNode* root = data.Parties();
    for (int32_t i = 0; root && i < root->ChildCount(); ++i)
        if (root->GetChildAt(i) != except)
            parties.push_back(root->GetChildAt(i));
    return parties;
}

TAdCreditLists AdCreditLists(const TScenarioData& data, const TXmlNode* party) {
    TAdCreditLists lists;
    const TXmlNode* ads = data.Ads();
    std::set<std::string> known;
    for (int32_t i = 0; ads && i < ads->ChildCount(); ++i) {
        TXmlNode* ad = ads->GetChildAt(i);
        const std::string id = ad->AttributeValue("id");
        known.insert(id);
        TAdItem item{id, ChildLookup::Text(ad, "name"), ad};
        (AdCredit(party, id) ? lists.Selected : lists.Available).push_back(item);
    }
    const TXmlNode* credits =
        ChildLookup::Child(ChildLookup::Child(party, "advertising"), "ad_credits");
    for (int32_t i = 0; credits && i < credits->ChildCount(); ++i) {
        const std::string id = credits->GetChildAt(i)->AttributeValue("id");
        if (known.insert(id).second)
            lists.Selected.push_back({id, id, nullptr});
    }
    return lists;
}

TXmlNode* AdCredit(const TXmlNode* party, const std::string& adId) {
    TXmlNode* credits = ChildLookup::Child(ChildLookup::Child(party, "advertising"), "ad_credits");
    return credits ? credits->FindChild("", "id", adId) : nullptr;
}

TXmlNode* AddAdCredit(TScenarioData& data, TXmlNode* party, const std::string& adId) {
    if (TXmlNode* existing = AdCredit(party, adId))
        return existing;
    TXmlNode* credits = AdCreditList(data, party);
    if (!credits)
        return nullptr;
    TXmlNode* credit = credits->AddNewChild("ad");
    credit->SetAttribute("id", adId);
    credit->AddNewChild("credits", "1");
    data.SetChanged();
    return credit;
}

void RemoveAdCredit(TScenarioData& data, TXmlNode* party, const std::string& adId) {
    TXmlNode* credits = ChildLookup::Child(ChildLookup::Child(party, "advertising"), "ad_credits");
    if (RemoveChildrenIf(credits,
                         [&](const TXmlNode* c) { return c->AttributeValue("id") == adId; }))
        data.SetChanged();
}

std::string EnsurePictureName(TScenarioData& data, TXmlNode* party) {
    if (!party)
        return {};
    TXmlNode* picture = party->GetChild("picture");
    if (!picture)
        picture = party->AddNewChild("picture");
    if (picture->GetText().empty()) {
        picture->SetText(party->AttributeValue("id") + ".bmp");
        data.SetChanged();
    }
    return picture->GetText();
}

void SetConventionRegion(TScenarioData& data, TXmlNode* party, const std::string& regionId) {
    if (!party)
        return;
    TXmlNode* convention = party->GetChild("convention");
    if (!convention)
        convention = party->AddNewChild("convention");
    TXmlNode* region = convention->GetChild("political_unit");
    if (!region)
        region = convention->AddNewChild("political_unit");
    if (region->AttributeValue("id") == regionId && region->GetAttribute("id"))
        return;
    region->SetAttribute("id", regionId);
    data.SetChanged();
}

TXmlNode* PrimariesDebates(TScenarioData& data, TXmlNode* party) {
    TXmlNode* debates = ScenarioEdit::Debates(data);
    if (!debates || !party)
        return nullptr;
    if (!debates->GetChild("primaries")) {
        debates->AddNewChild("primaries");
        data.SetChanged();
    }
    return ScenarioEdit::PartyDebates(data, party);
}

std::vector<TPlatformRow> PlatformRows(const TScenarioData& data, const TXmlNode* platform) {
    std::vector<TPlatformRow> rows;
    const TXmlNode* issues = data.Issues();
    for (int32_t i = 0; issues && platform && i < issues->ChildCount(); ++i) {
        TXmlNode* issue = issues->GetChildAt(i);
        if (TXmlNode* entry = platform->FindChild("", "id", issue->AttributeValue("id")))
            rows.push_back({issue, entry});
    }
    return rows;
}

int PlatformPosition(const TXmlNode* entry) {
    const int value = entry ? ValueEncodings::PositionValue(entry->GetText()) : -1;
    return value < 1 ? 0 : value;
}

void SetPlatformPosition(TScenarioData& data, TXmlNode* entry, int number) {
    if (!entry || number < 1 || number > 7)
        return;
    const std::string text = ValueEncodings::PositionName(number);
    if (entry->GetText() == text)
        return;
    entry->SetText(text);
    data.SetChanged();
}

std::string PositionDescription(const TXmlNode* issue, int number) {
    const TXmlNode* positions = ChildLookup::Child(issue, "positions");
    const TXmlNode* position =
        positions && number >= 1 ? positions->GetChildAt(number - 1) : nullptr;
    if (!position)
        return {};
    return ChildLookup::Text(position, "name") + " - " + ChildLookup::Text(position, "description");
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
