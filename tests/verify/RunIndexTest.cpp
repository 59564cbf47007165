// A verification run looks references up through its id index; its messages
// and repairs must be those of the plain tree search, also when repairs
// remove and change elements in the middle of the run.
#include "scenario/verify/RunIndex.h"
#include "scenario/verify/FileVerifiers.h"
#include "scenario/verify/VerificationRun.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

namespace {

// A party and a scripted event others refer to are removed, and a running
// mate moves home, so messages and every kind of repair come up.
void Damage(TScenarioData& data) {
    TXmlNode* parties = data.Parties();
    TXmlNode* mate = parties->GetChildAt(0)->GetChild("viceleaders")->GetChildAt(0);
    TXmlNode* regions = data.PoliticalUnits()->GetChildAt(0)->GetChild("political_units");
    mate->GetChild("home_political_unit")
        ->SetAttribute("id", regions->GetChildAt(2)->AttributeValue("id"));
    parties->RemoveChild(parties->GetChildAt(1));
    TXmlNode* scripted = data.Events()->GetChild("scripted_events");
    scripted->RemoveChild(scripted->GetChildAt(0));
}

// The run's order, with no index installed: every lookup is a tree search.
void VerifyWithTreeSearch(TScenarioData& data) {
    data.Messages().clear();
    for (auto verify : {&VerifyScenarioSettings, &VerifyIssues, &VerifyPoliticalUnits, &VerifyAds,
                        &VerifyParties, &VerifyEvents, &VerifyEndorsers, &VerifyActivities})
        verify(data);
}

TEST(RunIndex, RunGivesTheMessagesAndRepairsOfTheTreeSearch) {
    TTemporaryFolder indexedFolder, plainFolder;
    auto indexed = TestScenario::LoadCopy(Sample, indexedFolder);
    auto plain = TestScenario::LoadCopy(Sample, plainFolder);
    Damage(*indexed);
    Damage(*plain);

    VerificationRun::Run(indexed.get(), true);
    VerifyWithTreeSearch(*plain);

    const auto messages = TestScenario::MessageTexts(*indexed);
    EXPECT_GT(messages.size(), 5u);
    EXPECT_EQ(messages, TestScenario::MessageTexts(*plain));
    EXPECT_TRUE(indexed->Changed());
    EXPECT_EQ(TestScenario::DocumentTexts(*indexed), TestScenario::DocumentTexts(*plain));
}

TEST(RunIndex, LookupsOutsideARunAreTreeSearches) {
    TXmlNode root;
    root.Name = "list";
    TXmlNode* item = root.AddNewChild("item");
    item->SetAttribute("id", "7");
    EXPECT_EQ(RunIndex::FindNode(&root, "item", "7"), item);
    // Without an index nothing is cached: a changed id is seen at once.
    item->SetAttribute("id", "8");
    EXPECT_EQ(RunIndex::FindNode(&root, "item", "7"), nullptr);
    EXPECT_EQ(RunIndex::FindChild(&root, "", "8"), item);

    RunIndex::TScope scope;
    EXPECT_EQ(RunIndex::FindNode(&root, "item", "8"), item);
    item->SetAttribute("id", "9");
    RunIndex::Changed(item);
    EXPECT_EQ(RunIndex::FindNode(&root, "item", "8"), nullptr);
    EXPECT_EQ(RunIndex::FindNode(&root, "item", "9"), item);
}

} // namespace
