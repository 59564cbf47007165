#include "scenario/ScenarioFolders.h"
#include "support/ScenarioFixture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace ScenarioFolders;

TEST(ScenarioFolders, ListFoldersSkipsFilesAndNamesAlreadyListed) {
    TTemporaryFolder temp;
    fs::create_directories(temp.Path() / "Beta");
    fs::create_directories(temp.Path() / "alpha");
    std::ofstream(temp.Path() / "scenarios.txt") << "alpha\n";
    std::vector<std::string> list{"Beta"};
    EXPECT_TRUE(ListFolders(temp.Str(), &list));
    EXPECT_EQ(list, (std::vector<std::string>{"Beta", "alpha"}));
    EXPECT_FALSE(ListFolders(temp.Str(), nullptr));
    EXPECT_TRUE(DirectoryExists(temp.Path().string()));
    EXPECT_FALSE(DirectoryExists((temp.Path() / "scenarios.txt").string()));
    EXPECT_FALSE(DirectoryExists(""));
}

TEST(ScenarioFolders, CopyFolderMergesAndSkipsHiddenFolders) {
    TTemporaryFolder temp;
    const fs::path source = temp.Path() / "src", target = temp.Path() / "dst";
    fs::create_directories(source / "party_images" / "candidates");
    fs::create_directories(source / ".git");
    std::ofstream(source / "a.xml") << "new";
    std::ofstream(source / "party_images" / "candidates" / "p.bmp") << "bmp";
    std::ofstream(source / ".git" / "config") << "x";
    fs::create_directories(target);
    std::ofstream(target / "a.xml") << "old";
    std::ofstream(target / "only-here.txt") << "kept";
    CopyFolder(source.string(), target.string());
    EXPECT_EQ(TestScenario::ReadFile(target / "a.xml"), "new");
    EXPECT_TRUE(fs::exists(target / "only-here.txt"));
    EXPECT_TRUE(fs::exists(target / "party_images" / "candidates" / "p.bmp"));
    EXPECT_FALSE(fs::exists(target / ".git"));
    DeleteFolder(target.string());
    EXPECT_FALSE(fs::exists(target));
    DeleteFolder((temp.Path() / "never").string());
}

TEST(ScenarioFolders, CreateScenarioStructureMakesTheFivePictureFolders) {
    TTemporaryFolder temp;
    const fs::path s = temp.Path() / "New";
    EXPECT_TRUE(CreateScenarioStructure(s.string()));
    for (const char* sub : {"activity_images", "issue_images", "party_images",
                            "party_images/candidates", "region_images"})
        EXPECT_TRUE(fs::is_directory(s / sub)) << sub;
    // An existing folder is accepted as it is.
    fs::remove_all(s / "region_images");
    EXPECT_TRUE(CreateScenarioStructure(s.string()));
    EXPECT_FALSE(fs::exists(s / "region_images"));
    std::ofstream(temp.Path() / "file") << "x";
    EXPECT_FALSE(CreateScenarioStructure((temp.Path() / "file" / "sub").string()));
}

TEST(ScenarioFolders, ScenarioNamesMustBePlainFolderNames) {
    for (const char* name : {"Aldora 2031", "New Aldora - 2031 (Custom)"})
        EXPECT_FALSE(ScenarioNameProblem(name)) << name;
    for (const char* name : {"", ".", "..", "a/b", "a\\b"})
        EXPECT_TRUE(ScenarioNameProblem(name)) << name;
}

TEST(ScenarioFolders, FilesAreFoundInAnyLetterCase) {
    TTemporaryFolder temp;
    fs::create_directories(temp.Path() / "Party_Images" / "Candidates");
    std::ofstream(temp.Path() / "Party_Images" / "Candidates" / "Lead.BMP") << "x";
    std::ofstream(temp.Path() / "map.bmp") << "x";
    for (const char* name : {"map.bmp", "MAP.bmp", "party_images/candidates/lead.bmp",
                             "party_images\\candidates\\lead.bmp"})
        EXPECT_TRUE(FindFileIgnoringCase(temp.Str(), name)) << name;
    for (const char* name : {"party_images", "", "other.bmp"})
        EXPECT_FALSE(FindFileIgnoringCase(temp.Str(), name)) << name;
    // Names that leave the folder are not its files, even when they exist.
    EXPECT_FALSE(FindFileIgnoringCase((temp.Path() / "Party_Images").string(), "../map.bmp"));
    EXPECT_FALSE(FindFileIgnoringCase(temp.Str(), (temp.Path() / "map.bmp").string()));
    EXPECT_TRUE(IsInsideName("candidates/a.bmp"));
    EXPECT_FALSE(IsInsideName("a/../../b.bmp"));
}

TEST(ScenarioFolders, PicturesLinkedFromOutsideTheFolderAreTreatedAsMissing) {
    TTemporaryFolder temp;
    const fs::path scenario = temp.Path() / "s", pictures = scenario / "issue_images";
    fs::create_directories(pictures);
    std::ofstream(temp.Path() / "secret.txt") << "x";
    std::ofstream(pictures / "own.bmp") << "x";
    fs::create_symlink(temp.Path() / "secret.txt", pictures / "out.bmp");
    fs::create_symlink("../../secret.txt", pictures / "Relative.bmp");
    fs::create_symlink("own.bmp", pictures / "alias.bmp");
    fs::create_symlink(temp.Path() / "nothing.bmp", pictures / "dangling.bmp");
    fs::create_symlink("loop.bmp", pictures / "loop.bmp");
    fs::create_directory_symlink(temp.Path(), scenario / "up");

    const std::string folder = pictures.string();
    EXPECT_TRUE(FindFileIgnoringCase(folder, "own.bmp"));
    EXPECT_TRUE(FindFileIgnoringCase(folder, "alias.bmp"));
    EXPECT_FALSE(FindFileIgnoringCase(folder, "out.bmp"));
    EXPECT_FALSE(FindFileIgnoringCase(folder, "relative.bmp"));
    EXPECT_FALSE(FindFileIgnoringCase(scenario.string(), "up/secret.txt"));

    // Writing: a link is followed, a dangling one too, wherever it leads.
    for (const char* name : {"new.bmp", "alias.bmp"})
        EXPECT_TRUE(IsContained(folder, (pictures / name).string())) << name;
    for (const char* name : {"out.bmp", "dangling.bmp", "loop.bmp"})
        EXPECT_FALSE(IsContained(folder, (pictures / name).string())) << name;
    EXPECT_FALSE(IsContained(scenario.string(), (scenario / "up" / "new.bmp").string()));
    EXPECT_FALSE(IsContained(folder, folder));
    EXPECT_FALSE(IsContained(folder, (pictures / ".." / "x.bmp").string()));
    // The folder itself may be reached through a link.
    fs::create_directory_symlink(scenario, temp.Path() / "linked");
    EXPECT_TRUE(IsContained((temp.Path() / "linked").string() + "/",
                            (temp.Path() / "linked" / "issue_images" / "own.bmp").string()));
}
