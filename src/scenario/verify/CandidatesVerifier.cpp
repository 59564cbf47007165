#include "scenario/verify/PartyChecks.h"

#include "scenario/verify/RunIndex.h"
#include "xml/TXmlNode.h"

#include <array>

namespace {

using PartyChecks::CheckEntryReference;

const std::array<const char*, 7> Ratings = {"leadership",        "integrity", "experience",
                                            "issue_familiarity", "charisma",  "stamina",
                                            "debating"};

void VerifyRatings(TVerifier& v, TXmlNode* candidate, const std::string& section) {
    TXmlNode* attributes = v.Group(candidate, "attributes", section);
    for (const char* rating : Ratings)
        v.Check(attributes, rating, TCheckKind::Integer, true, section);
}

// Bonus entries always follow the home region; entries pointing elsewhere
// are moved there without a message.
void VerifyHomeBonuses(TVerifier& v, TXmlNode* viceLeader, const std::string& section) {
    TXmlNode* home = TVerifier::Need(viceLeader->GetChild("home_political_unit"));
    const std::string homeId = home->AttributeValue("id");
    TXmlNode* bonuses = v.Group(viceLeader, "percentage_bonuses", section);
    for (int32_t i = 0; i < bonuses->ChildCount(); ++i) {
        TXmlNode* bonus = bonuses->GetChildAt(i);
        const TXmlAttribute* id = bonus->GetAttribute("id");
        if (!id || id->Value != homeId) {
            bonus->SetAttribute("id", homeId);
            RunIndex::Changed(bonus);
            v.Data().SetChanged();
        }
        CheckEntryReference(v, bonuses, bonus,
                            ReferenceFields::Get(TReferenceSite::ViceLeaderBonus), section);
        v.Check(bonus, "bonus", TCheckKind::Decimal, true, section);
    }
}

void VerifyViceLeader(TVerifier& v, TXmlNode* viceLeader, const std::string& section) {
    v.Check(viceLeader, "firstname", TCheckKind::Text, true, section);
    v.Check(viceLeader, "lastname", TCheckKind::Text, true, section);
    v.Check(viceLeader, "sex", TCheckKind::Text, true, section);
    v.Check(viceLeader, "age", TCheckKind::Integer, true, section);
    v.Check(viceLeader, "how_well_known", TCheckKind::Text, true, section);
    v.Check(viceLeader, "political_points_cost", TCheckKind::Integer, true, section);
    VerifyRatings(v, viceLeader, section);
    v.CheckReference(viceLeader, ReferenceFields::Get(TReferenceSite::ViceLeaderHome), section);
    // Only a clean pass so far may touch the bonuses.
    if (v.Added() == 0)
        VerifyHomeBonuses(v, viceLeader, section);
    v.Check(viceLeader, "language_bonus", TCheckKind::Decimal, true, section);
}

void VerifyLeader(TVerifier& v, TXmlNode* leader, const std::string& p) {
    const std::string leadersSection = p + " >> Leaders";
    std::string display;
    v.Check(leader, "default_on", TCheckKind::Integer, true, leadersSection);
    if (v.Check(leader, "title", TCheckKind::Text, false, leadersSection))
        display += leader->GetChild("title")->GetText();
    if (v.Check(leader, "firstname", TCheckKind::Text, true, leadersSection))
        display += " " + leader->GetChild("firstname")->GetText();
    if (v.Check(leader, "lastname", TCheckKind::Text, true, leadersSection))
        display += " " + leader->GetChild("lastname")->GetText();
    const std::string l = leadersSection + " >> " + display;

    v.Check(leader, "primaries_description", TCheckKind::Text, true, l);
    v.Check(leader, "generalelection_description", TCheckKind::Text, true, l);
    v.Check(leader, "leader_color", TCheckKind::Text, true, l);
    TXmlNode* goals = v.Group(leader, "goals", l);
    v.Check(goals, "percentage", TCheckKind::Decimal, true, l + " >> Goals");
    v.Check(goals, "seats", TCheckKind::Integer, true, l + " >> Goals");
    const std::string portraits = v.Data().Folder() + "party_images/candidates/";
    v.CheckFile(leader, "image_large", portraits, true, l);
    v.CheckFile(leader, "image_small", portraits, true, l);
    v.Check(leader, "sex", TCheckKind::Text, true, l);
    v.CheckReference(leader, ReferenceFields::Get(TReferenceSite::LeaderHome), l);
    v.Check(leader, "age", TCheckKind::Text, true, l);
    v.Check(leader, "starting_funds", TCheckKind::Decimal, true, l);
    v.Check(leader, "language_bonus", TCheckKind::Integer, true, l);
    v.Check(leader, "how_well_known", TCheckKind::Text, true, l);
    v.Check(leader, "established_primaries", TCheckKind::Integer, true, l);
    v.Check(leader, "political_influence_points", TCheckKind::Integer, true, l);
    VerifyRatings(v, leader, l);

    TXmlNode* platform = v.Group(leader, "platform", l);
    const std::string platformSection = l + " >> Platform";
    for (int32_t i = 0; i < platform->ChildCount(); ++i) {
        TXmlNode* entry = platform->GetChildAt(i);
        CheckEntryReference(v, platform, entry,
                            ReferenceFields::Get(TReferenceSite::LeaderPlatform), platformSection);
        PartyChecks::CheckEntryValue(v, platform, entry, TCheckKind::Position, true,
                                     platformSection);
    }

    TXmlNode* mates = v.Group(leader, "viceleaders", l);
    if (mates->ChildCount() == 0)
        v.AddMessage(l, "viceleaders", leader, "Leader needs minimum of one Vice-Leader");
    // A running mate must come from this party's own pool.
    for (int32_t i = 0; i < mates->ChildCount(); ++i)
        CheckEntryReference(v, mates, mates->GetChildAt(i),
                            ReferenceFields::Get(TReferenceSite::RunningMate), l);

    TXmlNode* crusaders = v.Group(leader, "crusaders", l);
    const std::string crusadersSection = l + " >> Crusaders";
    for (int32_t i = 0; i < crusaders->ChildCount(); ++i) {
        TXmlNode* crusader = crusaders->GetChildAt(i);
        v.Check(crusader, "first_name", TCheckKind::Text, true, crusadersSection);
        v.Check(crusader, "last_name", TCheckKind::Text, false, crusadersSection);
        v.Check(crusader, "political_points_cost", TCheckKind::Integer, true, crusadersSection);
        v.Check(crusader, "base_power", TCheckKind::Integer, true, crusadersSection);
        v.Check(crusader, "last_for_days", TCheckKind::Integer, true, crusadersSection);
    }
}

} // namespace

namespace PartyChecks {

void VerifyCandidates(TVerifier& v, TXmlNode* party, const std::string& p) {
    TXmlNode* pool = v.Group(party, "viceleaders", p);
    if (pool->ChildCount() == 0)
        v.AddMessage(p, "viceleaders", party,
                     "Need at least one Vice-Presidential Candidate defined.");
    const std::string poolSection = p + " >> Viceleaders";
    for (int32_t i = 0; i < pool->ChildCount(); ++i)
        VerifyViceLeader(v, pool->GetChildAt(i), poolSection);

    TXmlNode* leaders = v.Group(party, "leaders", p);
    if (leaders->ChildCount() == 0)
        v.AddMessage(p, "leaders", party, "Party needs at least one leader.");
    for (int32_t i = 0; i < leaders->ChildCount(); ++i)
        VerifyLeader(v, leaders->GetChildAt(i), p);
}

} // namespace PartyChecks
