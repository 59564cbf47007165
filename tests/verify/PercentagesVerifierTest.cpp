// percentages.xml inside the parties verification: its repairs and checks,
// whose messages never make the parties fail.
#include "scenario/verify/FileVerifiers.h"
#include "verify/PartiesTestScenario.h"

#include <gtest/gtest.h>

using namespace PartiesTest;
using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

const TScenarioFile Shares = TScenarioFile::Percentages;

class PercentagesVerifier : public testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = Load(TDocuments{}, Folder);

    TXmlNode* Unit(const std::string& path) {
        return At(*Data, Shares, "/percentages/political_units/political_unit" + path);
    }
};

TEST_F(PercentagesVerifier, MissingEntriesAreAddedWithoutMessages) {
    Unit("[2]")->RemoveChild(Unit("[2]/parties"));
    TXmlNode* leaders = Unit("[1]/parties/party[2]/primaries/leaders");
    leaders->RemoveChild(leaders->GetChildAt(0));

    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data), Texts{});
    EXPECT_TRUE(Data->Changed());

    ASSERT_EQ(Unit("[2]/parties")->ChildCount(), 3);
    const TXmlNode* gamma = Unit("[2]/parties/party[3]");
    EXPECT_EQ(gamma->AttributeValue("id"), "p3");
    for (const char* share :
         {"starting_percentage", "undecided", "alienated", "leaning", "committed"}) {
        EXPECT_EQ(gamma->GetChild("general_election")->GetChild(share)->GetText(), "0");
        EXPECT_EQ(Unit("[2]/parties/party[3]/primaries/leaders/leader")->GetChild(share)->GetText(),
                  "0");
    }
    EXPECT_EQ(Unit("[2]/parties/party[3]/primaries/leaders/leader")->AttributeValue("id"), "l3");
    EXPECT_EQ(Unit("[2]/parties/party[3]/primaries/starting_percentage")->GetText(), "0");
    ASSERT_EQ(leaders->ChildCount(), 1);
    EXPECT_EQ(leaders->GetChildAt(0)->AttributeValue("id"), "l2");
}

TEST_F(PercentagesVerifier, MessagesAreListedButDoNotFailTheParties) {
    Data->Percentages()->GetChild("randomization")->SetText("some");
    Unit("[1]")->SetAttribute("id", "r9");
    Unit("[1]/parties/party[1]")->SetAttribute("id", "p9");
    Unit("[1]/parties/party[2]/general_election/leaning")->SetText("");
    Unit("[2]/parties/party[3]/primaries/leaders/leader")->SetAttribute("id", "l9");
    Unit("[2]/parties/party[3]/primaries/leaders/leader/committed")->SetText("x");

    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              (Texts{"Percentages >> randomization >> Invalid number value.",
                     "Percentages >> political_unit >> Reference not found: political_unit r9",
                     "Percentages >> general_election >> Reference not found: party p9",
                     "Percentages >> leaning >> Data required.",
                     "Percentages >> leader >> Reference not found: leader l9",
                     "Percentages >> committed >> Invalid decimal number."}));
    EXPECT_EQ(Data->Messages()[0].File, "percentages.xml");
    // p1 had lost its entry in the first unit: the repair gave it a new one.
    EXPECT_EQ(Unit("[1]/parties/party[4]")->AttributeValue("id"), "p1");
}

TEST_F(PercentagesVerifier, MissingGroupEndsOnlyThePercentages) {
    Unit("[1]/parties/party[1]")->RemoveChild(Unit("[1]/parties/party[1]/primaries"));
    Unit("[2]/parties/party[1]/general_election/committed")->SetText("x");
    Data->Relations()->GetChild("endorsement_offers")->SetText("");
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              (Texts{"Percentages >> primaries >> Critical Error: Node missing.",
                     "Relations >> endorsement_offers >> Data required."}));
}

TEST_F(PercentagesVerifier, MissingUnitList) {
    Data->Percentages()->RemoveChild(Data->Percentages()->GetChild("political_units"));
    EXPECT_TRUE(VerifyParties(*Data));
    EXPECT_EQ(MessageTexts(*Data),
              Texts{"Percentages >> political_units >> Critical Error: Node missing."});
}

} // namespace
