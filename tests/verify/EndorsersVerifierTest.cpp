#include "scenario/verify/FileVerifiers.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using TestScenario::At;
using TestScenario::MessageTexts;
using Texts = std::vector<std::string>;

namespace {

const char* const Parties =
    "<parties><party id=\"p1\"><name>Harbour Party</name><leaders><leader id=\"l1\">"
    "<firstname>Ida</firstname></leader></leaders></party></parties>";
const char* const Units =
    "<political_units><nation id=\"-7\"><political_units><political_unit id=\"r1\">"
    "<name>Lakeshore</name></political_unit></political_units></nation></political_units>";
const char* const Issues =
    "<issues><issue id=\"i1\"><name>Ferries</name></issue><issue id=\"i2\"><name>Mines</name>"
    "</issue></issues>";

// Hal leans to a party and a leader in one region; Mo is a national endorser
// with no stances and no particular issue.
const char* const Endorsers =
    "<endorsers>"
    "<endorser id=\"e1\"><name>Hal</name><description></description>"
    "<start_date>03/01/2008</start_date><end_date>-1</end_date><pp_effect>2</pp_effect>"
    "<party_stance><party id=\"p1\"><initial_stance>leaning</initial_stance></party>"
    "</party_stance>"
    "<leader_stance><leader id=\"l1\"><initial_stance>Decided</initial_stance></leader>"
    "</leader_stance>"
    "<monetary_bonus>250.5</monetary_bonus>"
    "<political_units_affected><political_unit id=\"r1\"><momentum>1</momentum>"
    "<footsoldiers chance=\"0\">3</footsoldiers></political_unit></political_units_affected>"
    "<issues><issue id=\"i2\"><favored_position>Far-Left</favored_position></issue></issues>"
    "</endorser>"
    "<endorser id=\"e2\"><name>Mo</name><description>Union</description>"
    "<start_date>-1</start_date><end_date>-1</end_date><pp_effect>0</pp_effect>"
    "<party_stance></party_stance><leader_stance></leader_stance>"
    "<monetary_bonus>0</monetary_bonus>"
    "<political_units_affected><political_unit id=\"-1\"><momentum>0</momentum>"
    "<footsoldiers chance=\"33\">0</footsoldiers></political_unit></political_units_affected>"
    "<issues>0<issue id=\"-1\"><favored_position>center</favored_position></issue></issues>"
    "</endorser>"
    "</endorsers>";

std::unique_ptr<TScenarioData> Load() {
    return TestScenario::FromTexts({{TScenarioFile::Endorsers, Endorsers},
                                    {TScenarioFile::Parties, Parties},
                                    {TScenarioFile::PoliticalUnits, Units},
                                    {TScenarioFile::Issues, Issues}});
}

TXmlNode* Node(TScenarioData& data, const std::string& path) {
    TXmlNode* node = At(data, TScenarioFile::Endorsers, path);
    EXPECT_NE(node, nullptr) << path;
    return node;
}

void Remove(TScenarioData& data, const std::string& path) {
    TXmlNode* node = Node(data, path);
    node->Parent()->RemoveChild(node);
}

} // namespace

TEST(EndorsersVerifier, StancesNationalAndGeneralEndorsersPass) {
    auto data = Load();
    EXPECT_TRUE(VerifyEndorsers(*data));
    EXPECT_TRUE(data->Messages().empty());
}

TEST(EndorsersVerifier, ReportsEveryRuleInOrder) {
    auto data = Load();
    const std::string e = "/endorsers/endorser";
    Remove(*data, e + "/description");
    Node(*data, e + "/start_date")->SetText("13/01/2008");
    Node(*data, e + "/end_date")->SetText("");
    Node(*data, e + "/pp_effect")->SetText("lots");
    Node(*data, e + "/party_stance/party")->SetAttribute("id", "p9");
    Remove(*data, e + "/party_stance/party/initial_stance");
    Node(*data, e + "/leader_stance/leader")->RemoveAttributeAt(0);
    Node(*data, e + "/leader_stance/leader/initial_stance")->SetText("");
    Node(*data, e + "/monetary_bonus")->SetText("");
    Node(*data, e + "/political_units_affected/political_unit")->SetAttribute("id", "r7");
    Node(*data, e + "/political_units_affected/political_unit/momentum")->SetText("1.5");
    Remove(*data, e + "/political_units_affected/political_unit/footsoldiers");
    Node(*data, e + "/issues/issue")->SetAttribute("id", "i9");
    Node(*data, e + "/issues/issue/favored_position")->SetText("centre");

    EXPECT_FALSE(VerifyEndorsers(*data));
    const std::string s = "Endorsers >> Hal";
    EXPECT_EQ(
        MessageTexts(*data),
        (Texts{
            s + " >> description >> Critical Error: Node missing.",
            s + " >> start_date >> Invalid date value.",
            s + " >> end_date >> Data required.",
            s + " >> pp_effect >> Invalid number value.",
            s + " >> Party Stance >> party >> Reference not found: party p9",
            s + " >> Party Stance >> initial_stance >> Critical Error: Node missing.",
            s + " >> Leader Stance >> leader >> Id attribute not found.",
            s + " >> Leader Stance >> initial_stance >> Data required.",
            s + " >> monetary_bonus >> Data required.",
            s + " >> Political Units Affected >> political_unit >> Reference not found: "
                "political_unit r7",
            s + " >> Political Units Affected >> momentum >> Invalid number value.",
            s + " >> Political Units Affected >> footsoldiers >> Critical Error: Node missing.",
            s + " >> Issues >> issue >> Reference not found: issue i9",
            s + " >> Issues >> favored_position >> Invalid position.",
        }));

    const auto& m = data->Messages();
    EXPECT_EQ(m[0].Element, Node(*data, e));
    EXPECT_EQ(m[4].Element, Node(*data, e + "/party_stance"));
    EXPECT_EQ(m[5].Element, Node(*data, e + "/party_stance/party"));
    EXPECT_EQ(m[6].Element, Node(*data, e + "/leader_stance"));
    EXPECT_EQ(m[7].Element, Node(*data, e + "/leader_stance/leader"));
    EXPECT_EQ(m[8].Element, Node(*data, e));
    EXPECT_EQ(m[9].Element, Node(*data, e + "/political_units_affected"));
    EXPECT_EQ(m[10].Element, Node(*data, e + "/political_units_affected/political_unit"));
    EXPECT_EQ(m[12].Element, Node(*data, e + "/issues"));
    EXPECT_EQ(m[13].Element, Node(*data, e + "/issues/issue"));
}

TEST(EndorsersVerifier, FailedNameLeavesTheSectionWithoutName) {
    auto data = Load();
    Node(*data, "/endorsers/endorser[2]/name")->SetText("");
    Node(*data, "/endorsers/endorser[2]/pp_effect")->SetText("x");
    Node(*data, "/endorsers/endorser[2]/issues/issue")->SetAttribute("id", "gone");
    EXPECT_FALSE(VerifyEndorsers(*data));
    EXPECT_EQ(MessageTexts(*data),
              (Texts{"Endorsers >> name >> Data required.",
                     "Endorsers >>  >> pp_effect >> Invalid number value.",
                     "Endorsers >>  >> Issues >> issue >> Reference not found: issue gone"}));
}

TEST(EndorsersVerifier, ReferencesSearchTheirOwnDocumentsOnly) {
    auto data = Load();
    // A party id is no leader, an issue id is no region.
    Node(*data, "/endorsers/endorser/leader_stance/leader")->SetAttribute("id", "p1");
    Node(*data, "/endorsers/endorser/political_units_affected/political_unit")
        ->SetAttribute("id", "i1");
    EXPECT_FALSE(VerifyEndorsers(*data));
    EXPECT_EQ(
        MessageTexts(*data),
        (Texts{"Endorsers >> Hal >> Leader Stance >> leader >> Reference not found: leader p1",
               "Endorsers >> Hal >> Political Units Affected >> political_unit >> Reference "
               "not found: political_unit i1"}));
}

TEST(EndorsersVerifier, MissingGroupEndsTheFile) {
    for (const char* group :
         {"party_stance", "leader_stance", "political_units_affected", "issues"}) {
        auto data = Load();
        Remove(*data, std::string("/endorsers/endorser/") + group);
        Node(*data, "/endorsers/endorser[2]/name")->SetText(""); // never reached
        EXPECT_FALSE(VerifyEndorsers(*data));
        EXPECT_EQ(MessageTexts(*data), (Texts{"Endorsers >> Hal >> " + std::string(group) +
                                              " >> Critical Error: Node missing."}))
            << group;
    }
}
