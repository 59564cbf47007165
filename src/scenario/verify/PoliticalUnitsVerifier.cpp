#include "scenario/verify/FileVerifiers.h"

#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

namespace {

const std::string Units = "Political Units";
const std::string Map = "Political Units >> Map";

void CheckPoint(TVerifier& v, const TXmlNode* point) {
    v.Check(point, "x", TCheckKind::Integer, true, Units);
    v.Check(point, "y", TCheckKind::Integer, true, Units);
}

// The fields that the nation and the regions share, up to the flag picture.
void CheckCommon(TVerifier& v, const TXmlNode* unit, const std::string& pictures) {
    v.Check(unit, "population", TCheckKind::Decimal, true, Units);
    v.Check(unit, "eligible_voters", TCheckKind::Decimal, true, Units);
    for (const char* field : {"type", "layer", "name", "abbreviation", "capital", "flag", "motto"})
        v.Check(unit, field, TCheckKind::Text, true, Units);
    v.CheckFile(unit, "logo", pictures, true, Units);
}

bool VerifyUnit(TVerifier& v, const TXmlNode* unit, const std::string& pictures);

// Each sub-unit has its own guard: a unit that cannot be walked ends alone
// and its siblings are still verified.
bool VerifySubUnits(TVerifier& v, const TXmlNode* list, const std::string& pictures) {
    bool ok = true;
    for (int32_t i = 0; i < list->ChildCount(); ++i) {
        const TXmlNode* unit = list->GetChildAt(i);
        ok = VerifyUnit(v, unit, pictures) && ok;
    }
    return ok;
}

void WalkUnit(TVerifier& v, const TXmlNode* unit, const std::string& pictures, bool& subUnitsOk) {
    CheckCommon(v, unit, pictures);
    v.Check(unit, "nickname", TCheckKind::Text, true, Units);
    v.Check(unit, "year_of_entry", TCheckKind::Integer, true, Units);
    v.Check(unit, "poll_open_time", TCheckKind::Integer, true, Units);

    const TXmlNode* cities = v.Group(unit, "cities", Units);
    if (cities->ChildCount() == 0)
        v.AddMessage(Units, "cities", unit, "No cities defined.");
    for (int32_t i = 0; i < cities->ChildCount(); ++i)
        v.CheckItem(cities->GetChildAt(i), TCheckKind::Text, true, Units);

    const TXmlNode* map = v.Group(unit, "map", Units);
    v.Check(map, "name", TCheckKind::Text, false, Map);
    const TXmlNode* fills = v.Group(map, "fill_positions", Map);
    for (int32_t i = 0; i < fills->ChildCount(); ++i)
        CheckPoint(v, fills->GetChildAt(i));
    CheckPoint(v, v.Group(map, "abbreviation_position", Units));

    const TXmlNode* centres = v.Group(unit, "issue_centers", Units);
    for (int32_t i = 0; i < centres->ChildCount(); ++i) {
        const TXmlNode* centre = centres->GetChildAt(i);
        v.CheckItemReference(centre, ReferenceFields::Get(TReferenceSite::RegionIssueCentre),
                             Units);
        v.Check(centre, "initial_primaries_profile", TCheckKind::Text, true, Units);
        v.Check(centre, "initial_generalelection_profile", TCheckKind::Text, true, Units);
    }

    v.Group(unit, "election_events", Units);
    if (const TXmlNode* subUnits = unit->GetChild("political_units"))
        subUnitsOk = VerifySubUnits(v, subUnits, pictures);
}

bool VerifyUnit(TVerifier& v, const TXmlNode* unit, const std::string& pictures) {
    bool subUnitsOk = true;
    const bool ok = v.RunItem([&] { WalkUnit(v, unit, pictures, subUnitsOk); });
    return ok && subUnitsOk;
}

bool Walk(TVerifier& v, TScenarioData& data) {
    const TXmlNode* root = TVerifier::Need(data.PoliticalUnits());
    // Only the first child is the nation; anything after it is not read.
    const TXmlNode* nation = TVerifier::Need(root->GetChildAt(0));
    const std::string pictures = data.Folder() + "region_images/";
    CheckCommon(v, nation, pictures);
    // The nation may go without a nickname or blurb altogether.
    for (const char* field : {"nickname", "blurb"})
        if (nation->GetChild(field))
            v.Check(nation, field, TCheckKind::Text, false, Units);
    v.Check(nation, "year_of_entry", TCheckKind::Integer, true, Units);
    const TXmlNode* regions = v.Group(nation, "political_units", Units);
    return VerifySubUnits(v, regions, pictures);
}

} // namespace

bool VerifyPoliticalUnits(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::PoliticalUnits);
    bool unitsOk = false;
    const bool ok = v.Run([&] { unitsOk = Walk(v, data); });
    return ok && unitsOk;
}
