#include "cli/VerifyCommand.h"
#include "support/FaultyFileSystem.h"
#include "support/ScenarioFixture.h"
#include "support/StoppedSave.h"
#include "support/VerifyCases.h"
#include "xml/FileText.h"
#include "xml/TFolderLock.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct TOutcome {
    int Status = -1;
    std::string Out, Err;
};

TOutcome Verify(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    TOutcome r;
    r.Status = RunVerifyCommand(args, out, err);
    r.Out = out.str();
    r.Err = err.str();
    return r;
}

using TestScenario::ReadFile;

size_t LineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(VerifyCommandUsage, HelpVersionAndWrongArguments) {
    const TOutcome help = Verify({"--help"});
    EXPECT_EQ(help.Status, 0);
    for (const char* word : {"--all", "--json", "--write", "--version", "FOLDER", "Exit status"})
        EXPECT_NE(help.Out.find(word), std::string::npos) << word;
    const TOutcome version = Verify({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, std::string("stumpcraft-verify ") + STUMPCRAFT_VERSION + "\n");
    // Wrong arguments: status 2, nothing on stdout.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"--json"}, {"a", "b"}, {"--frobnicate", "a"}, {""}}) {
        const TOutcome r = Verify(args);
        EXPECT_EQ(r.Status, 2);
        EXPECT_TRUE(r.Out.empty());
        EXPECT_NE(r.Err.find("Usage:"), std::string::npos);
    }
}

class VerifyCommandTest : public testing::Test {
protected:
    void SetUp() override {
        Data = TestScenario::LoadCopy("verify/world", Folder);
        Path = Folder.Str();
    }
    TXmlNode* At(TScenarioFile file, const std::string& path) {
        return TestScenario::At(*Data, file, path);
    }
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data;
    std::string Path;
};

TEST_F(VerifyCommandTest, MissingFileIsALoadErrorNamingIt) {
    fs::remove(Folder.Path() / "relations.xml");
    const TOutcome r = Verify({"--write", Path});
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(r.Out.empty());
    EXPECT_EQ(LineCount(r.Err), 1u);
    EXPECT_NE(r.Err.find("relations.xml"), std::string::npos);
    EXPECT_FALSE(fs::exists(Folder.Path() / "relations.xml"));
}

TEST_F(VerifyCommandTest, MalformedFileIsALoadErrorWithLineAndColumnAndNothingIsWritten) {
    const std::string broken = "<issues>\r\n   <issue>\r\n</issues>\r\n";
    std::ofstream(Folder.Path() / "issues.xml", std::ios::binary) << broken;
    const std::string scenarioBefore = ReadFile(Folder.Path() / "scenario.xml");
    const TOutcome r = Verify({"--write", "--json", Path});
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(r.Out.empty());
    EXPECT_EQ(LineCount(r.Err), 1u);
    EXPECT_NE(r.Err.find("issues.xml: line 3, column"), std::string::npos) << r.Err;
    EXPECT_EQ(ReadFile(Folder.Path() / "issues.xml"), broken);
    EXPECT_EQ(ReadFile(Folder.Path() / "scenario.xml"), scenarioBefore);
}

TEST_F(VerifyCommandTest, JsonHoldsEveryPartOfEachMessageEscaped) {
    TXmlNode* centres = At(TScenarioFile::PoliticalUnits,
                           "/political_units/political_unit/political_units/political_unit[2]/"
                           "issue_centers");
    centres->GetChildAt(0)->SetAttribute("id", "a\"b\\c\td"
                                               "e\xC3\xA9");
    Data->Save();
    const TOutcome r = Verify({"--json", Path});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "[\n  {\"file\": \"political_units.xml\", \"section\": \"Political Units\", "
                     "\"field\": \"issue\", \"message\": \"Reference not found: issue "
                     "a\\\"b\\\\c\\tde\xC3\xA9\", \"text\": \"Political Units >> issue >> "
                     "Reference not found: issue a\\\"b\\\\c\\tde\xC3\xA9\", \"element\": "
                     "\"/political_units/political_unit/political_units/political_unit[2]/"
                     "issue_centers\"}\n]\n");
}

TEST_F(VerifyCommandTest, ALineBreakInsideAMessageDoesNotSplitItsLine) {
    At(TScenarioFile::PoliticalUnits, "/political_units/political_unit/political_units/"
                                      "political_unit/issue_centers/issue")
        ->SetAttribute("id", "two\nlines");
    Data->Save();
    const TOutcome text = Verify({Path});
    EXPECT_EQ(text.Out, "Political Units >> issue >> Reference not found: issue two lines\n");
}

TEST(JsonString, EscapesAndKeepsUtf8) {
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("\"\\/\b\f\n\r\t\x1f\x7f"), "\"\\\"\\\\/\\b\\f\\n\\r\\t\\u001f\x7f\"");
    EXPECT_EQ(JsonString("\xE2\x82\xAC \xF0\x9F\x8C\x8A"), "\"\xE2\x82\xAC \xF0\x9F\x8C\x8A\"");
    // Bytes that are not UTF-8 (a Latin-1 folder name, a cut sequence, an
    // encoded surrogate) must not make the output invalid.
    EXPECT_EQ(JsonString("caf\xE9"), "\"caf\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonString("\xE2\x82"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonString("\xC0\xAF"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

TEST_F(VerifyCommandTest, WriteSavesTheDocumentsInTheUsualLayout) {
    // A hand-written file with LF line ends and no indentation.
    const std::string relations = "<relations>\n<pair id=\"1\"><a>x</a></pair>\n</relations>\n";
    std::ofstream(Folder.Path() / "relations.xml", std::ios::binary) << relations;
    At(TScenarioFile::Scenario, "/scenario/name")->SetText("");

    Verify({Path});
    EXPECT_EQ(ReadFile(Folder.Path() / "relations.xml"), relations);

    const TOutcome r = Verify({"--write", Path});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(
        ReadFile(Folder.Path() / "relations.xml"),
        "<relations>\r\n   <pair id=\"1\">\r\n      <a>x</a>\r\n   </pair>\r\n</relations>\r\n");
}

// A scenario with a problem: options may follow the folder; lost output and
// a failed write are status 2 with one line, not success.
TEST_F(VerifyCommandTest, OptionsMayFollowTheFolderAndFailuresAreNotSuccess) {
    At(TScenarioFile::Scenario, "/scenario/name")->SetText("");
    Data->Save();
    EXPECT_EQ(Verify({Path, "--json"}).Out.front(), '[');
    EXPECT_EQ(Verify({"--", Path}).Status, 1);
    std::ostream broken(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunVerifyCommand({Path}, broken, err), 2);
    EXPECT_EQ(LineCount(err.str()), 1u);
    // An I/O error (root cannot be stopped by permissions); that the files
    // come back is the save's own test.
    TFaultyFileSystem faulty;
    faulty.FailOn("rename .issues.xml.stumpcraft-new issues.xml");
    const TOutcome r = Verify({"--write", Path});
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(LineCount(r.Err), 1u);
    EXPECT_NE(r.Err.find("issues.xml"), std::string::npos) << r.Err;
}

TEST(VerifyCommandSilentFailure, AVerifierEndingWithoutAMessageIsStillAProblem) {
    TTemporaryFolder folder;
    auto data = TestScenario::LoadCopy("verify/world", folder);
    TXmlNode* root = data->PoliticalUnits();
    root->RemoveChild(root->GetChildAt(0));
    data->Save();
    const TOutcome r = Verify({folder.Str()});
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(r.Out.empty());
    EXPECT_NE(r.Err.find("political_units.xml"), std::string::npos);
    EXPECT_EQ(Verify({"--json", folder.Str()}).Out, "[]\n");
}

// The data cases run the program for statuses 0 and 1 and its messages.
TEST(VerifyCommandProgram, TheRealProgramKeepsTheOtherStatuses) {
    std::string output;
    EXPECT_EQ(VerifyCases::RunProgram(VERIFY_COMMAND, {"/nonexistent/folder"}, output), 2);
    EXPECT_TRUE(output.empty());
    EXPECT_EQ(VerifyCases::RunProgram(VERIFY_COMMAND, {"--help"}, output), 0);
}

} // namespace

namespace {

// Reads the ten files of a folder.
std::map<std::string, std::string> TenFiles(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (TScenarioFile file : TScenarioData::AllFiles())
        files[TScenarioData::FileName(file)] = ReadFile(folder / TScenarioData::FileName(file));
    return files;
}

// A scenario whose files a --write rewrites (LF line ends become CRLF), and
// what that write makes of them, from an undisturbed run on a copy.
struct TRewrittenScenario {
    TRewrittenScenario() {
        for (const TTemporaryFolder* folder : {&Folder, &Expected}) {
            TestScenario::LoadCopy("verify/world", *folder);
            for (TScenarioFile file : TScenarioData::AllFiles()) {
                const fs::path path = folder->Path() / TScenarioData::FileName(file);
                std::string text = ReadFile(path);
                text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
                std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
            }
        }
        Old = TenFiles(Folder.Path());
        ExpectedStatus = Verify({"--all", "--write", Expected.Str()}).Status;
        New = TenFiles(Expected.Path());
    }
    TTemporaryFolder Folder, Expected;
    std::map<std::string, std::string> Old, New;
    int ExpectedStatus = -1;
};

} // namespace

// Another program opening or saving the folder while a save is in flight
// (suspended as Ctrl+Z does) waits, gives up with one sentence and changes
// nothing; the save then ends as if alone.
TEST(VerifyCommandConcurrency, ASaveInFlightIsNeitherFinishedNorUndoneByAnotherProgram) {
    const TLockPatience patience(std::chrono::milliseconds(300));
    for (const char* stopAfter : {"journal 1", "rename 2"}) {
        SCOPED_TRACE(stopAfter);
        TRewrittenScenario s;
        const std::string folder = s.Folder.Str();
        TStoppedSave saving(VERIFY_COMMAND, folder, stopAfter);
        ASSERT_TRUE(saving.Stopped());
        const std::string busy = "stumpcraft-verify: Another program is saving \"" +
                                 s.Folder.Path().string() + "\"; try again when it has finished.\n";
        for (const auto& args : std::vector<std::vector<std::string>>{
                 {"--all", folder}, {"--all", "--write", folder}}) {
            const TOutcome other = Verify(args);
            EXPECT_EQ(other.Status, VerifyBusy);
            EXPECT_EQ(other.Err, busy);
            EXPECT_TRUE(other.Out.empty());
        }
        EXPECT_EQ(saving.Finish(), s.ExpectedStatus);
        EXPECT_EQ(TenFiles(s.Folder.Path()), s.New);
        EXPECT_EQ(TestScenario::FolderEntries(s.Folder.Path()),
                  TestScenario::FolderEntries(s.Expected.Path()));
    }
}
