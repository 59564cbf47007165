// Which editor shows an element: every element of the sample and every
// element a verification case reports maps to a step, a window and items
// that are really in the documents. Which window each kind of element opens
// is the GUI's AllFormsAtElementTest, which opens them.
#include "scenario/ElementTargets.h"
#include "scenario/verify/TVerifier.h"
#include "scenario/verify/VerificationRun.h"
#include "support/VerifyCases.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

namespace {

bool IsAncestorOrSelf(const TXmlNode* ancestor, const TXmlNode* node) {
    for (; node; node = node->Parent())
        if (node == ancestor)
            return true;
    return false;
}

// Every item is in the documents; items of the element's own file lie on its
// way from the root, each inside the one before.
void ExpectSound(const TScenarioData& data, const TElementTarget& target,
                 const std::string& where) {
    SCOPED_TRACE(where);
    ASSERT_TRUE(target.Found());
    EXPECT_GE(target.Step, 1);
    EXPECT_LE(target.Step, 8);
    EXPECT_FALSE(target.Window.empty());
    const auto file = data.FileOf(target.Element);
    for (size_t i = 0; i < target.Items.size(); ++i) {
        const TXmlNode* item = target.Items[i];
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(data.FileOf(item).has_value());
        if (i > 0) {
            EXPECT_TRUE(IsAncestorOrSelf(target.Items[i - 1], item));
        }
        if (data.FileOf(item) == file) {
            EXPECT_TRUE(IsAncestorOrSelf(item, target.Element));
        }
    }
}

void WalkAll(TXmlNode* node, const std::function<void(TXmlNode*)>& visit) {
    visit(node);
    for (int32_t i = 0; i < node->ChildCount(); ++i)
        WalkAll(node->GetChildAt(i), visit);
}

class ElementTargetsTest : public ::testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = TestScenario::LoadCopy(Sample, Folder);
};

TEST_F(ElementTargetsTest, EveryElementOfTheSampleHasAnEditorAndResolvesBack) {
    size_t elements = 0;
    for (const TScenarioFile file : TScenarioData::AllFiles())
        WalkAll(Data->Root(file), [&](TXmlNode* element) {
            const std::string path = TVerifier::PathOf(element);
            EXPECT_EQ(ElementTargets::Resolve(*Data, file, path), element) << path;
            ExpectSound(*Data, ElementTargets::Find(*Data, element), path);
            ++elements;
        });
    EXPECT_GT(elements, 1000u);
}

// Percentages entries and primary debates live in other files than the
// party they belong to; they open at that party.
TEST_F(ElementTargetsTest, EntriesOfAPartyInOtherFilesOpenAtTheParty) {
    TXmlNode* party = Data->Parties()->GetChildAt(1);
    const std::string id = party->AttributeValue("id");
    TXmlNode* entry = Data->Percentages()->FindNode("party", "id", id);
    ASSERT_NE(entry, nullptr);
    auto t = ElementTargets::Find(*Data, entry);
    EXPECT_EQ(t.Step, 5);
    EXPECT_EQ(t.Window, "TPercentagesEditorForm");
    ASSERT_EQ(t.Items.size(), 1u);
    EXPECT_EQ(t.Items[0], party);

    // Once the party is gone, the entry opens at its region instead.
    Data->Parties()->RemoveChild(party);
    t = ElementTargets::Find(*Data, entry);
    EXPECT_EQ(t.Step, 3);
    ASSERT_EQ(t.Items.size(), 1u);
    EXPECT_EQ(t.Items[0]->AttributeValue("id"), entry->Parent()->Parent()->AttributeValue("id"));
}

TEST_F(ElementTargetsTest, PathsThatNameNothingResolveToNothing) {
    for (const std::string path : {"", "/", "/parties/party[99]", "/issues", "/parties/party[0]",
                                   "parties", "/parties//party", "/parties/party[2]/nothing"})
        EXPECT_EQ(ElementTargets::Resolve(*Data, TScenarioFile::Parties, path), nullptr) << path;
    EXPECT_NE(ElementTargets::Resolve(*Data, TScenarioFile::Parties, "/parties/party"), nullptr);

    TVerificationMessage gone;
    gone.File = "parties.xml";
    gone.ElementPath = "/parties/party[99]";
    EXPECT_FALSE(ElementTargets::ForMessage(*Data, gone).Found());
    // A message about party 2 no longer opens once another party has
    // taken its place in the list.
    TVerificationMessage moved;
    moved.File = "parties.xml";
    moved.ElementPath = "/parties/party[2]";
    moved.Element = Data->Parties()->GetChildAt(1);
    EXPECT_TRUE(ElementTargets::ForMessage(*Data, moved).Found());
    Data->Parties()->GetChildAt(0)->Name = "gone";
    EXPECT_FALSE(ElementTargets::ForMessage(*Data, moved).Found());
    gone.File = "unknown.xml";
    gone.ElementPath = "/parties";
    EXPECT_FALSE(ElementTargets::ForMessage(*Data, gone).Found());
}

// A message about one entry of a list opens at that entry, not the list.
TEST_F(ElementTargetsTest, MessagesAboutAnEntryOpenAtTheEntry) {
    Data->Parties()->GetChildAt(0)->GetChild("platform")->GetChildAt(1)->SetAttribute("id", "gone");
    VerificationRun::Run(Data.get(), true);
    const TVerificationMessage* found = nullptr;
    for (const TVerificationMessage& message : Data->Messages())
        if (message.Message == "Reference not found: issue gone")
            found = &message;
    ASSERT_NE(found, nullptr);
    const TElementTarget target = ElementTargets::ForMessage(*Data, *found);
    EXPECT_EQ(target.Window, "TPlatformEditorForm");
    EXPECT_EQ(TVerifier::PathOf(target.Element), "/parties/party[1]/platform/issue[2]");
}

// Every message of every verification case opens somewhere.
TEST(ElementTargetsCases, EveryReportedElementOpensAnEditor) {
    size_t messages = 0;
    for (const std::string& name : VerifyCases::List()) {
        TTemporaryFolder folder;
        std::string reason;
        if (!VerifyCases::Prepare(name, folder, reason))
            continue;
        TScenarioData data;
        std::string path = folder.Str();
        try {
            data.Load(path);
        } catch (const std::exception&) {
            continue; // cases of files that do not load
        }
        VerificationRun::Run(&data, true);
        for (const TVerificationMessage& message : data.Messages()) {
            if (message.ElementPath.empty())
                continue; // a missing document: there is no element to open
            const TElementTarget target = ElementTargets::ForMessage(data, message);
            // The message's element, or the entry of it the message is about.
            EXPECT_TRUE(IsAncestorOrSelf(message.Element, target.Element))
                << name << ": " << message.Text();
            ExpectSound(data, target, name + ": " + message.Text());
            ++messages;
        }
    }
    EXPECT_GT(messages, 100u);
}

} // namespace
