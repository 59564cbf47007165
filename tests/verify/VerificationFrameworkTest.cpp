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

// Where a message points, and its file, is in the data cases' elements.txt.
TEST(TVerifier, AMessageWithoutAnElementNamesTheVerifiersFile) {
    auto data = Parties();
    TVerifier v(*data, TScenarioFile::Scenario);
    v.AddMessage("Scenario", "name", nullptr, "Critical Error: Node missing.");
    ASSERT_EQ(data->Messages().size(), 1u);
    EXPECT_EQ(data->Messages()[0].File, "scenario.xml");
    EXPECT_EQ(data->Messages()[0].ElementPath, "");
    EXPECT_EQ(v.Added(), 1u);
}

TEST(TVerifierGuard, NeedAndUnexpectedErrorsEndSilently) {
    auto data = Parties();
    TVerifier v(*data, TScenarioFile::Parties);
    EXPECT_FALSE(v.Run([&] { TVerifier::Need(data->Ads()); }));
    EXPECT_FALSE(v.Run([&] { throw std::out_of_range("index"); }));
    EXPECT_TRUE(data->Messages().empty());
    EXPECT_TRUE(v.Run([] {}));
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

// Which messages, in which order, is gating-all-files' expected-all.txt.
TEST_F(VerificationRunTest, AllVerifiesEveryFileAsIfEarlierOnesWereClean) {
    At(*Data, TScenarioFile::Scenario, "/scenario/base_cp")->SetText("many");
    const auto result = VerificationRun::Run(Data.get(), true);
    EXPECT_TRUE(result.ProblemsExist);
    EXPECT_EQ(result.Ran, (std::array<bool, VerifiedFileCount>{true, true, true, true, true, true,
                                                               true, true}));
    const auto texts = MessageTexts(*Data);
    ASSERT_FALSE(texts.empty());
    // A second run replaces the messages instead of adding to them.
    VerificationRun::Run(Data.get(), true);
    EXPECT_EQ(MessageTexts(*Data), texts);
}

} // namespace
