// relations.xml inside the parties verification.
#include "scenario/verify/FileVerifiers.h"
#include "verify/PartiesTestScenario.h"

#include <gtest/gtest.h>

using namespace PartiesTest;
using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

class RelationsVerifier : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = Load(TDocuments{}, Folder);

    TXmlNode* Relation(int n) {
        return At(*Data, TScenarioFile::Relations,
                  "/relations/leaders/relation[" + std::to_string(n) + "]");
    }
};

TEST_F(RelationsVerifier, MissingListIsAddedSilently) {
    Data->Relations()->RemoveChild(Data->Relations()->GetChild("leaders"));
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data), Texts{});
    ASSERT_NE(Data->Relations()->GetChild("leaders"), nullptr);
    EXPECT_EQ(Data->Relations()->GetChild("leaders")->ChildCount(), 0);
    EXPECT_TRUE(Data->Changed());
}

TEST_F(RelationsVerifier, EachRelationIsCheckedWhole) {
    Relation(1)->SetText("");
    Relation(1)->SetAttribute("to", "l7");
    Relation(2)->RemoveAttribute(Relation(2)->GetAttribute("from"));
    Relation(2)->SetAttribute("to", "-1");
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data), (Texts{"Relations >> relation >> Data required.",
                                          "Relations >> relation >> Reference not found: leader l7",
                                          "Relations >> relation >> Id attribute not found."}));
    EXPECT_EQ(Data->Messages()[0].File, "relations.xml");
    EXPECT_EQ(Data->Messages()[0].ElementPath, "/relations/leaders");
}

TEST_F(RelationsVerifier, SwitchProblemsSkipTheRelations) {
    Data->Relations()->GetChild("coalition_offers")->SetText("yes");
    Relation(1)->SetAttribute("from", "l7");
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data), Texts{"Relations >> coalition_offers >> Invalid number value."});
}

} // namespace
