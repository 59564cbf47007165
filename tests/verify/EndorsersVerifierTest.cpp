// Message texts and order are covered by the cases in tests/data/verify;
// these check the elements messages point at and the guard of each group.
#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

const char* const Endorser =
    "<endorser><name>Hal</name><description></description><start_date>-1</start_date>"
    "<end_date>-1</end_date><pp_effect>2</pp_effect>"
    "<party_stance><party id=\"p9\"><initial_stance></initial_stance></party></party_stance>"
    "<leader_stance><leader id=\"-1\"></leader></leader_stance><monetary_bonus>0</monetary_bonus>"
    "<political_units_affected><political_unit id=\"r9\"><momentum>x</momentum>"
    "<footsoldiers>0</footsoldiers></political_unit></political_units_affected>"
    "<issues><issue id=\"-1\"><favored_position>left</favored_position></issue></issues>"
    "</endorser>";

TXmlNode* Child(const TXmlNode* node, int32_t index) {
    return node->GetChildAt(index);
}

} // namespace

TEST(EndorsersVerifier, MessagesPointAtTheGroupOrTheEntry) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Endorsers, std::string("<endorsers>") + Endorser + "</endorsers>"}});
    EXPECT_FALSE(VerifyEndorsers(*data));
    const std::string s = "Endorsers >> Hal >> ";
    EXPECT_EQ(MessageTexts(*data),
              (Texts{s + "Party Stance >> party >> Reference not found: party p9",
                     s + "Party Stance >> initial_stance >> Data required.",
                     s + "Leader Stance >> initial_stance >> Critical Error: Node missing.",
                     s + "Political Units Affected >> political_unit >> Reference not found: "
                         "political_unit r9",
                     s + "Political Units Affected >> momentum >> Invalid number value."}));

    const TXmlNode* e = data->Endorsers()->GetChildAt(0);
    const TXmlNode* stance = e->GetChild("party_stance");
    const TXmlNode* units = e->GetChild("political_units_affected");
    const auto& m = data->Messages();
    EXPECT_EQ(m[0].Element, stance);
    EXPECT_EQ(m[1].Element, Child(stance, 0));
    EXPECT_EQ(m[2].Element, Child(e->GetChild("leader_stance"), 0));
    EXPECT_EQ(m[3].Element, units);
    EXPECT_EQ(m[4].Element, Child(units, 0));
}

TEST(EndorsersVerifier, MissingGroupEndsTheFile) {
    const std::string clean =
        "<endorser><name>Mo</name><description></description><start_date>-1</start_date>"
        "<end_date>-1</end_date><pp_effect>0</pp_effect><party_stance></party_stance>"
        "<leader_stance></leader_stance><monetary_bonus>0</monetary_bonus>"
        "<political_units_affected></political_units_affected><issues></issues></endorser>";
    for (const char* group :
         {"party_stance", "leader_stance", "political_units_affected", "issues"}) {
        // The faulty second endorser is never reached.
        auto data = TestScenario::FromTexts(
            {{TScenarioFile::Endorsers, "<endorsers>" + clean + Endorser + "</endorsers>"}});
        TXmlNode* e = data->Endorsers()->GetChildAt(0);
        e->RemoveChild(e->GetChild(group));
        EXPECT_FALSE(VerifyEndorsers(*data));
        EXPECT_EQ(MessageTexts(*data), (Texts{"Endorsers >> Mo >> " + std::string(group) +
                                              " >> Critical Error: Node missing."}));
        EXPECT_EQ(data->Messages()[0].Element, e);
    }
}
