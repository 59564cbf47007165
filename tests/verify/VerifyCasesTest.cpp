// Runs every case under tests/data/verify through the library and through
// the stumpcraft-verify command, in-process and as a real program.
#include "support/VerifyCases.h"
#include "cli/VerifyCommand.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/verify/VerificationRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines)
        s += l + "\n";
    return s;
}

class VerifyCase : public testing::TestWithParam<std::string> {
protected:
    void Check(const std::string& expectedFile, bool all) {
        const std::string name = GetParam();
        const std::string expectedPath = VerifyCases::CaseFolder(name) + "/" + expectedFile;
        if (!std::filesystem::exists(expectedPath))
            return;
        TTemporaryFolder folder;
        std::string reason;
        if (!VerifyCases::Prepare(name, folder, reason))
            GTEST_SKIP() << reason;
        const auto expected = VerifyCases::ExpectedLines(expectedPath, folder.Str());
        const bool fails = VerifyCases::Fails(name, expected);
        SCOPED_TRACE(name + "/" + expectedFile);

        // The library.
        TScenarioData data;
        std::string path = folder.Str();
        data.Load(path);
        const auto result = VerificationRun::Run(&data, all);
        EXPECT_EQ(Joined(TestScenario::MessageTexts(data)), Joined(expected));
        EXPECT_EQ(result.ProblemsExist, fails);
        // Where each message points, when the case says.
        const auto elements =
            VerifyCases::ExpectedLines(VerifyCases::CaseFolder(name) + "/elements.txt", "");
        if (!all && !elements.empty()) {
            std::vector<std::string> found;
            for (const auto& m : data.Messages())
                found.push_back(m.File + " " + m.ElementPath);
            EXPECT_EQ(Joined(found), Joined(elements));
        }

        std::vector<std::string> args;
        if (all)
            args.push_back("--all");
        args.push_back(folder.Str());
        const int status = expected.empty() ? VerifyClean : VerifyProblems;

        // The command's logic in-process.
        std::ostringstream out, err;
        EXPECT_EQ(RunVerifyCommand(args, out, err), status);
        EXPECT_EQ(out.str(), Joined(expected));
        EXPECT_EQ(err.str(), "");

        // The real program.
        std::string output;
        EXPECT_EQ(VerifyCases::RunProgram(VERIFY_COMMAND, args, output), status);
        EXPECT_EQ(output, Joined(expected));
    }
};

TEST_P(VerifyCase, GivesExactlyTheExpectedMessages) {
    Check("expected.txt", false);
}

TEST_P(VerifyCase, WithAllGivesExactlyTheExpectedMessages) {
    Check("expected-all.txt", true);
}

// Silent repairs: as a run leaves them in memory, as --write leaves them on
// disk, and nothing is left to repair after that.
TEST_P(VerifyCase, RepairsWhatItsRepairsFileSays) {
    const std::string name = GetParam();
    const auto repairs =
        ScenarioFolders::ReadLines(VerifyCases::CaseFolder(name) + "/expected-repairs.txt");
    if (repairs.empty())
        return;
    TTemporaryFolder folder;
    std::string reason;
    if (!VerifyCases::Prepare(name, folder, reason))
        GTEST_SKIP() << reason;
    const auto expected =
        VerifyCases::ExpectedLines(VerifyCases::CaseFolder(name) + "/expected.txt", folder.Str());
    std::string path = folder.Str();
    {
        TScenarioData data;
        data.Load(path);
        VerificationRun::Run(&data, false);
        EXPECT_EQ(VerifyCases::UnmetRepairs(repairs, data), std::vector<std::string>{});
    }
    std::string output;
    EXPECT_EQ(VerifyCases::RunProgram(VERIFY_COMMAND, {"--write", folder.Str()}, output),
              expected.empty() ? VerifyClean : VerifyProblems);
    EXPECT_EQ(output, Joined(expected));
    TScenarioData written;
    written.Load(path);
    EXPECT_EQ(VerifyCases::UnmetRepairs(repairs, written), std::vector<std::string>{});
    VerificationRun::Run(&written, false);
    EXPECT_FALSE(written.Changed());
    EXPECT_EQ(Joined(TestScenario::MessageTexts(written)), Joined(expected));
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
    std::string s = info.param;
    for (char& c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return s;
}

INSTANTIATE_TEST_SUITE_P(Data, VerifyCase, testing::ValuesIn(VerifyCases::List()), TestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(VerifyCase);

TEST(VerifyCaseFormat, SplitsQuotedWordsWithEscapes) {
    EXPECT_EQ(
        VerifyCases::SplitWords(R"(set issues.xml /issues/issue[2]/name "a \"b\" \\ c")"),
        (std::vector<std::string>{"set", "issues.xml", "/issues/issue[2]/name", R"(a "b" \ c)"}));
    EXPECT_EQ(VerifyCases::SplitWords(R"(set f /p "")"),
              (std::vector<std::string>{"set", "f", "/p", ""}));
    EXPECT_THROW(VerifyCases::SplitWords(R"(set f /p "open)"), std::runtime_error);
}

} // namespace
