#include "xml/TIdIndex.h"
#include "xml/TXmlDom.h"

#include <gtest/gtest.h>

namespace {

// Ids repeat on purpose: the same id on elements of different names, the
// same name and id twice, nested matches, and an element without an id.
const char* const Document = R"(<parties>
  <party id="p1"><name>A</name>
    <leaders>
      <leader id="l1"><home id="r1"/></leader>
      <leader id="l2"><home id="p1"/></leader>
    </leaders>
  </party>
  <party id="p2"><leaders><leader id="l1"/></leaders></party>
  <party><leader id="l3"/></party>
  <leader id="p2"/>
</parties>)";

class TIdIndexTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Dom.Parse(Document)); }

    // Every lookup of every (name, id) pair in the document, and of names
    // and ids it lacks, must give the tree search's answer from every root.
    void ExpectSameAnswersAsTreeSearch() {
        const std::vector<std::string> names = {"", "party", "leader", "home", "name", "none"};
        const std::vector<std::string> ids = {"p1", "p2", "l1", "l2", "l3", "r1", "x"};
        std::vector<TXmlNode*> roots{Dom.Root()};
        for (size_t i = 0; i < roots.size(); ++i)
            for (int32_t c = 0; c < roots[i]->ChildCount(); ++c)
                roots.push_back(roots[i]->GetChildAt(c));
        for (TXmlNode* root : roots)
            for (const auto& name : names)
                for (const auto& id : ids) {
                    EXPECT_EQ(Index.FindNode(root, name, id), root->FindNode(name, "id", id))
                        << root->Name << " " << name << " " << id;
                    EXPECT_EQ(Index.FindChild(root, name, id), root->FindChild(name, "id", id))
                        << root->Name << " " << name << " " << id;
                }
    }

    TXmlDom Dom;
    TIdIndex Index;
};

TEST_F(TIdIndexTest, AnswersEqualTheTreeSearch) {
    ExpectSameAnswersAsTreeSearch();
    // The first in document order wins, the outer one before the nested.
    EXPECT_EQ(Index.FindNode(Dom.Root(), "", "p1"), Dom.Root()->GetChildAt(0));
    EXPECT_EQ(Index.FindNode(Dom.Root(), "leader", "p2"), Dom.Root()->GetChildAt(3));
    EXPECT_EQ(Index.FindNode(nullptr, "party", "p1"), nullptr);
}

TEST_F(TIdIndexTest, StaysTrueWhenIdsChangeAndElementsComeAndGo) {
    TXmlNode* first = Dom.Root()->GetChildAt(0);
    first->SetAttribute("id", "p2");
    Index.Changed(first);
    ExpectSameAnswersAsTreeSearch();
    TXmlNode* home = first->GetChild("leaders")->GetChildAt(0)->GetChild("home");
    home->SetAttribute("id", "l3");
    Index.Changed(home);
    ExpectSameAnswersAsTreeSearch();

    TXmlNode* leaders = Dom.Root()->GetChildAt(1)->GetChild("leaders");
    leaders->AddNewChild("leader")->SetAttribute("id", "l2");
    Index.Changed(leaders);
    ExpectSameAnswersAsTreeSearch();
    // Removing a subtree whose nodes were roots of lookups themselves.
    Index.Removing(first);
    Dom.Root()->RemoveChild(first);
    ExpectSameAnswersAsTreeSearch();
}

} // namespace
