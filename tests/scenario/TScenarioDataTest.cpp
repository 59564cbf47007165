#include "scenario/TScenarioData.h"
#include "scenario/ScenarioFolders.h"
#include "support/ScenarioFixture.h"
#include "xml/FileText.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char* const Template = "<template>\r\n"
                             "<activities><a>1</a></activities><ads/><endorsers/><events/>"
                             "<issues><issue id=\"5\"><name>Tax</name></issue></issues>"
                             "<parties/><percentages/><political_units/><relations/>"
                             "<scenario><name>New</name></scenario>\r\n"
                             "</template>\r\n";

} // namespace

// That every root is loaded is ShippedScenario's.
TEST(TScenarioData, LoadReadsTheFilesAndAddsTheTrailingSlash) {
    TTemporaryFolder temp;
    TestScenario::WriteSmallScenario(temp.Path() / "s");
    TScenarioData data;
    std::string folder = (temp.Path() / "s").string();
    data.Load(folder);
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(data.Folder(), folder);
    EXPECT_TRUE(data.Loaded());
    EXPECT_EQ(data.Parties()->GetChild("item")->GetText(), "parties");
    std::string empty;
    TScenarioData untouched;
    untouched.Load(empty);
    EXPECT_FALSE(untouched.Loaded());
}

// What a failed load says, and that it writes nothing, is the command's test
// (MissingFileIsALoadErrorNamingIt, MalformedFile...).
TEST(TScenarioData, AFailedLoadLeavesNothingLoadedToSave) {
    TTemporaryFolder temp;
    TestScenario::WriteSmallScenario(temp.Path());
    fs::remove(temp.Path() / "relations.xml");
    TScenarioData missing;
    std::string folder = temp.Str();
    EXPECT_THROW(missing.Load(folder), TFileError);
    EXPECT_FALSE(missing.Loaded());
    missing.Save(); // not loaded: nothing happens
    EXPECT_FALSE(fs::exists(temp.Path() / "relations.xml"));
}

// The saved bytes are the documents' text (the save's own test), in the
// writer's layout (TXmlDom's).
TEST(TScenarioData, SaveAsMovesTheFolder) {
    TTemporaryFolder temp;
    TestScenario::WriteSmallScenario(temp.Path() / "a");
    TScenarioData data;
    std::string folder = (temp.Path() / "a").string();
    data.Load(folder);
    data.Ads()->GetChild("item")->SetText("Caf\xC3\xA9 & co");
    data.SetChanged();
    data.Save();
    EXPECT_FALSE(data.Changed());
    fs::create_directories(temp.Path() / "b");
    data.SaveAs((temp.Path() / "b").string());
    EXPECT_EQ(data.Folder(), (temp.Path() / "b").string() + "/");
    for (TScenarioFile file : TScenarioData::AllFiles())
        EXPECT_EQ(FileText::Read((temp.Path() / "b" / TScenarioData::FileName(file)).string()),
                  data.Document(file).ToText());
}

TEST(TScenarioData, AFolderThatVanishedFailsTheSaveWithTheFileName) {
    TTemporaryFolder temp;
    TestScenario::WriteSmallScenario(temp.Path() / "s");
    TScenarioData data;
    std::string folder = (temp.Path() / "s").string();
    data.Load(folder);
    fs::remove_all(temp.Path() / "s");
    const std::string error = TestScenario::FileErrorText([&] { data.Save(); });
    EXPECT_NE(error.find("s/activities.xml"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(temp.Path() / "s"));
}

TEST(TScenarioData, CreateFromRootsInstallsCopiesAndEmptiesTheOthers) {
    TXmlDom issues;
    ASSERT_TRUE(issues.LoadFromBytes("<issues><issue id=\"5\"><name>Tax</name></issue></issues>"));
    std::array<const TXmlNode*, TScenarioData::FileCount> roots{};
    TScenarioData data;
    roots[static_cast<size_t>(TScenarioFile::Parties)] = issues.Root();
    data.CreateFromRoots(roots, "/nowhere/s");
    ASSERT_NE(data.Parties(), nullptr);

    roots = {};
    roots[static_cast<size_t>(TScenarioFile::Issues)] = issues.Root();
    data.CreateFromRoots(roots, "/nowhere/s");
    EXPECT_TRUE(data.Loaded());
    EXPECT_EQ(data.Folder(), "/nowhere/s/");
    EXPECT_EQ(data.Parties(), nullptr);
    ASSERT_NE(data.Issues(), nullptr);
    EXPECT_EQ(data.FileOf(data.Issues()->GetChild("issue")), TScenarioFile::Issues);
    // The next scenario made from the same roots must find them unchanged.
    data.Issues()->GetChild("issue")->GetChild("name")->SetText("Rent");
    EXPECT_EQ(issues.Root()->GetChild("issue")->GetChild("name")->GetText(), "Tax");
}

TEST(TScenarioData, CreateFromTemplateCopiesTheTenPartsAndWritesNothing) {
    TTemporaryFolder temp;
    std::ofstream(temp.Path() / "default.vrx", std::ios::binary) << Template;
    TScenarioData data;
    data.CreateFromTemplate((temp.Path() / "default.vrx").string(), (temp.Path() / "new").string());
    EXPECT_TRUE(data.Loaded());
    EXPECT_EQ(data.Folder(), (temp.Path() / "new").string() + "/");
    EXPECT_FALSE(fs::exists(temp.Path() / "new"));
    ASSERT_NE(data.Issues(), nullptr);
    EXPECT_EQ(data.Issues()->Level(), 0);
    EXPECT_EQ(data.Issues()->GetChild("issue")->Level(), 1);
    EXPECT_EQ(data.Issues()->GetChild("issue")->GetChild("name")->GetText(), "Tax");
    EXPECT_EQ(data.Document(TScenarioFile::Issues).ToText(),
              "<issues>\r\n   <issue id=\"5\">\r\n      <name>Tax</name>\r\n   "
              "</issue>\r\n</issues>\r\n");
    EXPECT_EQ(data.FileOf(data.Issues()->GetChild("issue")), TScenarioFile::Issues);

    TScenarioData noTemplate;
    EXPECT_THROW(noTemplate.CreateFromTemplate((temp.Path() / "none.vrx").string(), temp.Str()),
                 TFileError);
    EXPECT_FALSE(noTemplate.Loaded());
}
