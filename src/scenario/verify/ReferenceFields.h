#pragma once

#include "scenario/TScenarioData.h"
#include "scenario/verify/FieldChecks.h"

#include <functional>
#include <span>
#include <string>

class TXmlNode;

// What a reference names.
enum class TReferenceKind { Issue, Position, PoliticalUnit, Party, Leader, ViceLeader, Ad, Event };

// Where a reference is looked up.
enum class TLookup {
    Document,       // anywhere in the named item's document, first in document order
    ScriptedEvents, // among the scripted events themselves
    AffectedIssue,  // in the issue the reference's outcome affects
    OwnPool,        // in the vice-leader pool of the reference's own party
};

// What becomes of a reference whose item is gone.
enum class TReferenceRepair {
    SetNone,               // its id becomes "-1"
    SetEmpty,              // its id becomes empty (the none of that field)
    RemoveEntry,           // the entry goes
    RemoveEntryKeepingOne, // the entry goes unless it is the last of its list
    RemoveHolder,          // the element holding the reference goes
    ChooseAgain,           // "-1" though none is not accepted: the designer chooses again
};

// Every place in the ten documents that holds a reference.
enum class TReferenceSite {
    RegionIssueCentre,
    NationIssueCentre,
    PartyPlatform,
    LeaderPlatform,
    SimpleEventIssue,
    OutcomeIssue,
    OutcomePosition,
    EndorserIssue,
    AdCredit,
    ConventionRegion,
    ViceLeaderHome,
    ViceLeaderBonus,
    LeaderHome,
    LeaderBonus,
    RegionalPartyUnit,
    RunningMate,
    EndorserRegion,
    UnitPercentages,
    PartyPercentages,
    LeaderPercentages,
    EndorserParty,
    EndorserLeader,
    ConditionLeader,
    ConditionEvent,
    EffectParty,
    EffectLeader,
    EffectViceLeader,
    RelationFrom,
    RelationTo,
    RegionMajority,
    RegionGovernor,
    RegionBallot,
    RegionPrimary,
    NationMajority,
    NationGovernor,
    NationBallot,
    NationPrimary,
    PrimariesDebates,
};

// One place that holds a reference. The verifiers check the examined ones
// with exactly these properties; removals repair all of them.
struct TReferenceField {
    TReferenceSite Site;
    TScenarioFile File;
    // Element names from the document root to the reference: "*" is any
    // name, "**" any run of elements (none included).
    const char* Path;
    const char* Attribute; // holds the id
    TReferenceKind Kind;
    TLookup Lookup;
    bool AllowNone; // "-1" passes
    bool Required;  // the reference element's text may not be empty
    bool Examined;  // checked by verification; else only kept in step by removals
    TReferenceRepair Repair;
    // How many path elements lead to the item the reference belongs to, and
    // what the designer calls that item (null: the entry only exists for the
    // item it names, and goes with it unmentioned).
    int OwnerDepth;
    const char* Noun;
    const char* Nouns;
    // Said of the owner when the repair leaves it to the designer.
    const char* Note;
};

namespace ReferenceFields {

const TReferenceField& Get(TReferenceSite site);
std::span<const TReferenceField> All();

// The element name of the items of kind ("issue", "political_unit", ...),
// the document they live in, and the path of the items themselves.
std::string ElementName(TReferenceKind kind);
TScenarioFile FileOf(TReferenceKind kind);
const char* ItemPath(TReferenceKind kind);
// The name of the field a reference child is called by (the last element
// of the path).
std::string FieldName(const TReferenceField& field);
// The quick fix verification offers for a dangling reference of field.
TRepairKind QuickFix(const TReferenceField& field);

// Calls visit for every element of the document below root whose path
// matches path, each once, in document order.
void ForEachMatch(TXmlNode* root, const char* path, const std::function<void(TXmlNode*)>& visit);

// Where a reference of field is looked up; null when there is nowhere (an
// outcome affecting no issue).
TXmlNode* SearchRoot(const TScenarioData& data, const TReferenceField& field,
                     const TXmlNode* reference);
// The reference check of verification on reference (null when missing),
// looked up as field says; name is the element name looked for.
TCheckResult Check(const TScenarioData& data, const TReferenceField& field,
                   const TXmlNode* reference, const std::string& name);
TCheckResult Check(const TScenarioData& data, const TReferenceField& field,
                   const TXmlNode* reference);

} // namespace ReferenceFields
