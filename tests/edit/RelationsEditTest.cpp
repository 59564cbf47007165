// The relations editor's operations on relations.xml.
#include "scenario/edit/RelationsEdit.h"
#include "support/ScenarioFixture.h"

#include <gtest/gtest.h>

namespace {

class RelationsEditTest : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = TestScenario::LoadCopy("parties-small", Folder);

    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        const TXmlNode* list = RelationsEdit::RelationList(*Data);
        for (int32_t i = 0; i < list->ChildCount(); ++i)
            lines.push_back(RelationsEdit::RelationLine(*Data, list->GetChildAt(i)));
        return lines;
    }
};

TEST_F(RelationsEditTest, LeadersOfAllPartiesInFileOrder) {
    const auto leaders = RelationsEdit::Leaders(*Data);
    ASSERT_EQ(leaders.size(), 3u);
    EXPECT_EQ(leaders[0].Name, "Ann Reed");
    EXPECT_EQ(leaders[2].Name, "Cy Marsh");
    EXPECT_EQ(leaders[1].Leader->AttributeValue("id"), "l2");
}

TEST_F(RelationsEditTest, StaleRelationsGoTheRestIsListed) {
    TXmlNode* list = RelationsEdit::RelationList(*Data);
    // Two in a row naming a gone leader, then one without its from.
    RelationsEdit::AddRelation(*Data, "l2", "gone", "Good");
    list->GetChildAt(0)->SetAttribute("from", "gone");
    TXmlNode* last = RelationsEdit::AddRelation(*Data, "l2", "l3", "Normal");
    RelationsEdit::AddRelation(*Data, "l1", "l3", "Bad")
        ->RemoveAttribute(list->GetChildAt(4)->GetAttribute("from"));
    ASSERT_EQ(list->ChildCount(), 5);
    // order now: gone->l2, l3->l1, l2->gone, l2->l3, (none)->l3
    list->ExchangeChildren(1, 2);

    EXPECT_EQ(RelationsEdit::RemoveStaleRelations(*Data), 3);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Cy Marsh <----> Ann Reed : Very Bad",
                                                 "Bob Hale <----> Cy Marsh : Normal"}));
    RelationsEdit::RemoveRelation(*Data, last);
    EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(RelationsEditTest, AddingTwiceGivesTwoAndAMissingListIsCreated) {
    Data->Relations()->RemoveChild(Data->Relations()->GetChild("leaders"));
    RelationsEdit::AddRelation(*Data, "l1", "l2", "Very Good");
    TXmlNode* second = RelationsEdit::AddRelation(*Data, "l1", "l2", "Very Good");
    EXPECT_EQ(second->Name, "relation");
    EXPECT_EQ(second->AttributeValue("from"), "l1");
    EXPECT_EQ(second->AttributeValue("to"), "l2");
    EXPECT_EQ(Lines(), (std::vector<std::string>(2, "Ann Reed <----> Bob Hale : Very Good")));
}

} // namespace
