#include "scenario/verify/FileVerifiers.h"
#include "scenario/verify/TVerifier.h"
#include "scenario/verify/VerificationRun.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <stdexcept>

using TestScenario::At;
using TestScenario::MessageTexts;

namespace {

std::unique_ptr<TScenarioData> Parties() {
    return TestScenario::FromTexts(
        {{TScenarioFile::Parties,
          "<parties><party id=\"1\"><name>Gulls</name></party>"
          "<party id=\"2\"><name>Terns</name><leaders/></party></parties>"}});
}

TEST(TVerifier, MessageCarriesFileFieldAndElementPath) {
    auto data = Parties();
    TVerifier v(*data, TScenarioFile::Scenario);
    TXmlNode* party = At(*data, TScenarioFile::Parties, "/parties/party[2]");
    v.AddMessage("Parties >> Terns", "name", party, "Data required.");
    ASSERT_EQ(data->Messages().size(), 1u);
    const TVerificationMessage& m = data->Messages()[0];
    // The element's own document wins over the verifier's file.
    EXPECT_EQ(m.File, "parties.xml");
    EXPECT_EQ(m.ElementPath, "/parties/party[2]");
    EXPECT_EQ(m.Element, party);
    EXPECT_EQ(m.Text(), "Parties >> Terns >> name >> Data required.");
    EXPECT_EQ(TVerifier::PathOf(At(*data, TScenarioFile::Parties, "/parties/party[2]/leaders")),
              "/parties/party[2]/leaders");
    EXPECT_EQ(TVerifier::PathOf(nullptr), "");

    v.AddMessage("Scenario", "name", nullptr, "Critical Error: Node missing.");
    EXPECT_EQ(data->Messages()[1].File, "scenario.xml");
    EXPECT_EQ(v.Added(), 2u);
}

TEST(TVerifier, CheckAttachesTheParentOfTheField) {
    auto data = Parties();
    TVerifier v(*data, TScenarioFile::Parties);
    TXmlNode* party = At(*data, TScenarioFile::Parties, "/parties/party[1]");
    EXPECT_TRUE(v.Check(party, "name", TCheckKind::Text, true, "Parties"));
    EXPECT_FALSE(v.Check(party, "colour", TCheckKind::Text, false, "Parties"));
    EXPECT_FALSE(v.Check(nullptr, "name", TCheckKind::Text, false, "Parties"));
    EXPECT_EQ(MessageTexts(*data),
              (std::vector<std::string>{"Parties >> colour >> Critical Error: Node missing.",
                                        "Parties >> name >> Critical Error: Node missing."}));
    EXPECT_EQ(data->Messages()[0].ElementPath, "/parties/party[1]");
}

TEST(TVerifierGuard, MissingGroupReportsAndEndsKeepingMessages) {
    auto data = Parties();
    TVerifier v(*data, TScenarioFile::Parties);
    bool after = false;
    const bool ok = v.Run([&] {
        TXmlNode* party = At(*data, TScenarioFile::Parties, "/parties/party[1]");
        v.Check(party, "slogan", TCheckKind::Text, true, "Parties");
        v.Group(party, "leaders", "Parties");
        after = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(after);
    EXPECT_EQ(MessageTexts(*data),
              (std::vector<std::string>{"Parties >> slogan >> Critical Error: Node missing.",
                                        "Parties >> leaders >> Critical Error: Node missing."}));
}

TEST(TVerifierGuard, NeedAndUnexpectedErrorsEndSilently) {
    auto data = Parties();
    TVerifier v(*data, TScenarioFile::Parties);
    EXPECT_FALSE(v.Run([&] { TVerifier::Need(data->Ads()); }));
    EXPECT_FALSE(v.Run([&] { throw std::out_of_range("index"); }));
    EXPECT_TRUE(data->Messages().empty());
    EXPECT_TRUE(v.Run([] {}));
}

TEST(TVerifierGuard, AnItemGuardEndsOnlyThatItem) {
    auto data = Parties();
    TVerifier v(*data, TScenarioFile::Parties);
    std::vector<bool> items;
    int reached = 0;
    const bool ok = v.Run([&] {
        for (int i = 1; i <= 2; ++i) {
            TXmlNode* party =
                At(*data, TScenarioFile::Parties, "/parties/party[" + std::to_string(i) + "]");
            items.push_back(v.RunItem([&] {
                v.Group(party, "leaders", "Parties");
                ++reached;
            }));
        }
        // A later clean item reports success of its own.
        items.push_back(v.RunItem([] {}));
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(items, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(MessageTexts(*data),
              (std::vector<std::string>{"Parties >> leaders >> Critical Error: Node missing."}));
}

// The world scenario verifies clean in its first three files; the tests
// below break it to see how far a run gets.
class VerificationRunTest : public testing::Test {
protected:
    void SetUp() override { Data = TestScenario::LoadCopy("verify/world", Folder); }
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data;
};

TEST_F(VerificationRunTest, NoScenarioOrNotLoadedMeansProblemsAndNoMessage) {
    EXPECT_TRUE(VerificationRun::Run(nullptr).ProblemsExist);
    TScenarioData empty;
    empty.Messages().push_back({});
    const auto result = VerificationRun::Run(&empty);
    EXPECT_TRUE(result.ProblemsExist);
    EXPECT_EQ(result.Ran, (std::array<bool, VerifiedFileCount>{}));
    EXPECT_EQ(empty.Messages().size(), 1u);
}

TEST_F(VerificationRunTest, StopsAfterTheFirstFileWithAProblem) {
    Data->Messages().push_back({});
    At(*Data, TScenarioFile::Issues, "/issues/issue[3]/name")->SetText("");
    At(*Data, TScenarioFile::PoliticalUnits, "/political_units/political_unit/name")->SetText("");
    const auto result = VerificationRun::Run(Data.get());
    EXPECT_TRUE(result.ProblemsExist);
    EXPECT_EQ(MessageTexts(*Data), (std::vector<std::string>{"Issues >> name >> Data required."}));
    EXPECT_TRUE(result.Ran[0] && result.Ran[1]);
    EXPECT_FALSE(result.Ran[2]);
    EXPECT_TRUE(result.Passed[0]);
    EXPECT_FALSE(result.Passed[1]);
    EXPECT_TRUE(result.PassedAllBefore(TVerifiedFile::Issues));
    EXPECT_FALSE(result.PassedAllBefore(TVerifiedFile::PoliticalUnits));
}

TEST_F(VerificationRunTest, AllVerifiesEveryFileAsIfEarlierOnesWereClean) {
    At(*Data, TScenarioFile::Scenario, "/scenario/base_cp")->SetText("many");
    At(*Data, TScenarioFile::Issues, "/issues/issue[3]/name")->SetText("");
    At(*Data, TScenarioFile::PoliticalUnits, "/political_units/political_unit/name")->SetText("");
    const auto result = VerificationRun::Run(Data.get(), true);
    EXPECT_TRUE(result.ProblemsExist);
    EXPECT_EQ(result.Ran, (std::array<bool, VerifiedFileCount>{true, true, true, true, true, true,
                                                               true, true}));
    const auto texts = MessageTexts(*Data);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 3),
              (std::vector<std::string>{"Scenario >> base_cp >> Invalid number value.",
                                        "Issues >> name >> Data required.",
                                        "Political Units >> name >> Data required."}));
    // A second run replaces the messages instead of adding to them.
    VerificationRun::Run(Data.get(), true);
    EXPECT_EQ(MessageTexts(*Data), texts);
}

} // namespace
