// Removing any item of the sample repairs every reference to it exactly as
// verification's quick fixes would after a plain removal, leaves the scenario
// verifying clean, and tells the designer what changed elsewhere.
#include "scenario/edit/ReferencesEdit.h"
#include "scenario/edit/ActivitiesEdit.h"
#include "scenario/edit/AdsEdit.h"
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/EndorsersEdit.h"
#include "scenario/edit/EventsEdit.h"
#include "scenario/edit/IssuesEdit.h"
#include "scenario/edit/PartiesEdit.h"
#include "scenario/edit/PoliticalUnitsEdit.h"
#include "scenario/edit/QuickFixes.h"
#include "scenario/verify/VerificationRun.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using TFind = std::function<TXmlNode*(TScenarioData&)>;
using TRemove = std::function<void(TScenarioData&, TXmlNode*, TRemovalRepairs*)>;

struct TRemoval {
    const char* Kind;
    TScenarioFile File;
    TFind Find;
    TRemove Remove;
    std::string Told; // the message to the designer
    // The messages the removal itself causes, beyond any reference.
    std::vector<std::string> Left = {};
    // Done to the sample first.
    std::function<void(TScenarioData&)> Prepare = [](TScenarioData&) {};
};

TFind Item(TScenarioFile file, const char* name, const char* id) {
    return [=](TScenarioData& data) { return data.Root(file)->FindNode(name, "id", id); };
}

// As a plain removal leaves the scenario to verification: every quick fix it
// offers applied, one at a time with a fresh run, until none is left.
void RepairAsVerificationWould(TScenarioData& data) {
    for (int round = 0; round < 200; ++round) {
        VerificationRun::Run(&data, true);
        bool applied = false;
        for (const TVerificationMessage& message : data.Messages())
            if ((applied = QuickFixes::Apply(data, message)))
                break;
        if (!applied)
            return;
    }
    ADD_FAILURE() << "the quick fixes never end";
}

// The documents without the references verification does not examine, which
// only removals keep in step.
std::string ExaminedDocuments(TScenarioData& data) {
    for (const TReferenceField& field : ReferenceFields::All())
        if (!field.Examined)
            ReferenceFields::ForEachMatch(data.Root(field.File), field.Path, [](TXmlNode* node) {
                node->Parent()->RemoveChild(node);
            });
    std::string all;
    for (const TScenarioFile file : TScenarioData::AllFiles())
        data.Root(file)->WriteTo(all);
    return all;
}

std::vector<std::string> AttributesNaming(const TScenarioData& data, const std::string& id) {
    std::vector<std::string> found;
    std::function<void(const TXmlNode*)> walk = [&](const TXmlNode* node) {
        for (int32_t a = 0; a < node->AttributeCount(); ++a)
            if (node->GetAttributeAt(a)->Value == id)
                found.push_back(node->StartTag());
        for (int32_t c = 0; c < node->ChildCount(); ++c)
            walk(node->GetChildAt(c));
    };
    for (const TScenarioFile file : TScenarioData::AllFiles())
        walk(data.Root(file));
    return found;
}

using F = TScenarioFile;

const std::vector<TRemoval> Removals = {
    {"issue",
     F::Issues,
     Item(F::Issues, "issue", "39446_2313639706"),
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) { IssuesEdit::RemoveIssue(d, e, r); },
     "Also updated: 2 events, 1 endorser.",
     {"Issues >> issues >> Invalid number of issues defined."}},
    {"region",
     F::PoliticalUnits,
     Item(F::PoliticalUnits, "political_unit", "39453_4642743598"),
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) {
         PoliticalUnitsEdit::RemoveRegion(d, e, r);
     },
     "Also updated: 1 vice-leader, 1 leader, 1 endorser. Endorser \"Vellandine Vintners "
     "Association\" is left with no region.",
     {},
     // The convention held there could only be chosen again.
     [](TScenarioData& d) {
         PartiesEdit::SetConventionRegion(
             d, d.Parties()->FindChild("party", "id", "39458_1807117304"), "39445_9863908252");
     }},
    {"party", F::Parties, Item(F::Parties, "party", "39422_1083333385"),
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) { PartiesEdit::RemoveParty(d, e, r); },
     "Also updated: 1 endorser, 2 events, 5 relations, 3 regions."},
    {"leader", F::Parties, Item(F::Parties, "leader", "39447_6820918214"),
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) {
         CandidatesEdit::RemoveLeader(d, e, r);
     },
     "Also updated: 1 endorser, 1 event, 5 relations."},
    {"vice-leader", F::Parties,
     // From the pool: the leaders' running-mate entries come first in the file.
     [](TScenarioData& d) {
         return CandidatesEdit::PoolViceLeader(
             d.Parties()->FindChild("party", "id", "39459_2174350403"), "39440_7166792197");
     },
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) {
         CandidatesEdit::RemoveViceLeader(d, e, r);
     },
     "Also updated: 1 event."},
    {"crusader", F::Parties, Item(F::Parties, "crusader", "new_crusader"),
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) {
         CandidatesEdit::RemoveCrusader(d, e, r);
     },
     ""},
    {"ad", F::Ads, Item(F::Ads, "ad", "39423_1375003945"),
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) { AdsEdit::RemoveAd(d, e, r); },
     "Also updated: 1 party."},
    {"scripted event", F::Events, Item(F::Events, "event", "39455_6501362712"),
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) { EventsEdit::RemoveItem(d, e, r); },
     ""},
    {"endorser", F::Endorsers, [](TScenarioData& d) { return d.Endorsers()->GetChildAt(0); },
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) {
         EndorsersEdit::RemoveEndorser(d, e, r);
     },
     ""},
    {"activity", F::Activities, Item(F::Activities, "activity", "39452_5137964072"),
     [](TScenarioData& d, TXmlNode* e, TRemovalRepairs* r) {
         ActivitiesEdit::RemoveActivity(d, e, r);
     },
     ""},
};

TEST(ReferencesEdit, EveryRemovalRepairsAsVerificationWouldAndLeavesTheSampleClean) {
    for (const TRemoval& removal : Removals) {
        SCOPED_TRACE(removal.Kind);
        TTemporaryFolder edited, plain;
        auto data = TestScenario::LoadCopy(Sample, edited);
        auto expected = TestScenario::LoadCopy(Sample, plain);
        removal.Prepare(*data);
        removal.Prepare(*expected);

        TXmlNode* item = removal.Find(*data);
        ASSERT_NE(item, nullptr);
        const std::vector<ReferencesEdit::TItem> items = ReferencesEdit::ItemsIn(*data, item);
        TRemovalRepairs repairs;
        removal.Remove(*data, item, &repairs);

        TXmlNode* same = removal.Find(*expected);
        same->Parent()->RemoveChild(same);
        RepairAsVerificationWould(*expected);

        EXPECT_EQ(ReferencesEdit::Summary(repairs, removal.File), removal.Told);
        VerificationRun::Run(data.get(), true);
        EXPECT_EQ(TestScenario::MessageTexts(*data), removal.Left);
        for (const ReferencesEdit::TItem& removed : items) {
            if (removed.Kind != TReferenceKind::Position) {
                EXPECT_EQ(AttributesNaming(*data, removed.Id), std::vector<std::string>{});
            }
        }
        EXPECT_EQ(ExaminedDocuments(*data), ExaminedDocuments(*expected));
    }
}

TEST(ReferencesEdit, ARepairNeverTouchesWhatAnEarlierOneDestroyed) {
    // Both party elements of the primary name the party: the event goes once.
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Parties, R"(<parties><party id="p1"/><party id="p2"/></parties>)"},
         {TScenarioFile::PoliticalUnits,
          R"(<political_units><political_unit id="n"><political_units><political_unit id="r">)"
          R"(<election_events><event><type>primary</type><party id="p1"/><party id="p1"/>)"
          R"(</event><event><type>general</type><ballot><party id="p1"/><party id="p2"/>)"
          "</ballot></event></election_events></political_unit></political_units>"
          "</political_unit></political_units>"}});
    TRemovalRepairs repairs;
    ASSERT_TRUE(ReferencesEdit::Remove(*data, data->Parties()->GetChildAt(0), &repairs));
    const TXmlNode* events =
        TestScenario::At(*data, TScenarioFile::PoliticalUnits,
                         "/political_units/political_unit/political_units/political_unit/"
                         "election_events");
    ASSERT_EQ(events->ChildCount(), 1);
    EXPECT_EQ(events->GetChildAt(0)->GetChild("ballot")->ChildCount(), 1);
    EXPECT_EQ(repairs.References, 2);
}

} // namespace
