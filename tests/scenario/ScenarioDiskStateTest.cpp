// What another program changed in an open scenario's folder, and the file
// that says which editor has a folder open.
#include "scenario/OpenMarker.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioDiskState.h"
#include "support/ScenarioFixture.h"
#include "xml/FileText.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TDiskCase {
public:
    TDiskCase() {
        TestScenario::WriteSmallScenario(Temp.Path());
        std::string folder = Temp.Str();
        Data.Load(folder);
        Disk.Note(Data);
    }
    std::string Path(TScenarioFile file) const {
        return (Temp.Path() / TScenarioData::FileName(file)).string();
    }
    void Write(TScenarioFile file, const std::string& text) const {
        std::ofstream(Path(file), std::ios::binary) << text;
    }
    TTemporaryFolder Temp;
    TScenarioData Data;
    TScenarioDiskState Disk;
};

using TFiles = std::vector<TScenarioFile>;

} // namespace

TEST(ScenarioDiskStateTest, SeesWhatAnotherProgramChangedAndNothingElse) {
    TDiskCase disk;
    EXPECT_EQ(disk.Disk.ChangedSince(), TFiles{});

    // Touched, and replaced by a rename with the same bytes: no change.
    const std::string scenario = disk.Path(TScenarioFile::Scenario);
    ASSERT_EQ(::utimensat(AT_FDCWD, scenario.c_str(), nullptr, 0), 0);
    const std::string bytes = FileText::Read(scenario);
    std::ofstream(scenario + ".new", std::ios::binary) << bytes;
    fs::rename(scenario + ".new", scenario);
    EXPECT_EQ(disk.Disk.ChangedSince(), TFiles{});

    // Rewritten in place to bytes of the same size, its modification time
    // put back: the change time and the digest still tell.
    const std::string parties = disk.Path(TScenarioFile::Parties);
    struct stat before {};
    ASSERT_EQ(::stat(parties.c_str(), &before), 0);
    std::string changed = FileText::Read(parties);
    changed[changed.find("parties</item>")] = 'P';
    disk.Write(TScenarioFile::Parties, changed);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, parties.c_str(), times, 0), 0);
    EXPECT_EQ(disk.Disk.ChangedSince(), TFiles{TScenarioFile::Parties});

    fs::remove(disk.Path(TScenarioFile::Ads));
    EXPECT_EQ(disk.Disk.ChangedSince(), (TFiles{TScenarioFile::Ads, TScenarioFile::Parties}));

    // What the scenario saved itself is what it noted.
    disk.Data.Save();
    disk.Disk.Note(disk.Data);
    EXPECT_EQ(disk.Disk.ChangedSince(), TFiles{});
    disk.Disk.Forget();
    disk.Write(TScenarioFile::Events, "<events/>");
    EXPECT_EQ(disk.Disk.ChangedSince(), TFiles{});
}

// The backup step skips its work only while saving would write the bytes on
// disk: after a save, never after a load (the layout may differ), and not
// once a document or a file changed.
TEST(ScenarioDiskStateTest, MatchesOnlyWhatItWroteItself) {
    TDiskCase disk;
    const std::string folder = disk.Temp.Str();
    EXPECT_FALSE(disk.Disk.Matches(disk.Data, folder));
    disk.Data.Save();
    disk.Disk.Note(disk.Data);
    EXPECT_TRUE(disk.Disk.Matches(disk.Data, folder));
    EXPECT_FALSE(disk.Disk.Matches(disk.Data, folder + "elsewhere/"));
    disk.Write(TScenarioFile::Issues, "<issues/>");
    EXPECT_FALSE(disk.Disk.Matches(disk.Data, folder));
    disk.Data.Save();
    disk.Disk.Note(disk.Data);
    disk.Data.Issues()->SetText("x");
    EXPECT_FALSE(disk.Disk.Matches(disk.Data, folder));
}

// Reload replaces every document by what the files hold now, as a change
// with new revisions; a file that does not parse leaves all as they were.
TEST(ScenarioDiskStateTest, ReloadTakesAllFilesOrNone) {
    TDiskCase disk;
    const uint64_t revision = disk.Data.Document(TScenarioFile::Ads).Revision();
    disk.Write(TScenarioFile::Ads, "<ads><ad id=\"7\"/></ads>");
    disk.Write(TScenarioFile::Events, "<events><broken></events>");
    EXPECT_THROW(disk.Data.Reload(), TFileError);
    EXPECT_EQ(disk.Data.Ads()->GetChild("ad"), nullptr);
    EXPECT_EQ(disk.Data.Document(TScenarioFile::Ads).Revision(), revision);

    disk.Write(TScenarioFile::Events, "<events/>");
    disk.Data.Reload();
    ASSERT_NE(disk.Data.Ads()->GetChild("ad"), nullptr);
    EXPECT_NE(disk.Data.Document(TScenarioFile::Ads).Revision(), revision);
    EXPECT_TRUE(disk.Data.Changed());
    disk.Disk.Note(disk.Data);
    EXPECT_EQ(disk.Disk.ChangedSince(), TFiles{});
}

namespace {

OpenMarker::TOwner Other(const std::string& host, long long pid) {
    OpenMarker::TOwner owner = OpenMarker::Me();
    owner.Host = host;
    owner.Pid = pid;
    owner.Since = 1'765'000'000;
    return owner;
}

void LeaveFor(const TTemporaryFolder& folder, const OpenMarker::TOwner& owner) {
    std::ofstream(folder.Path() / OpenMarker::FileName) << OpenMarker::ToText(owner);
}

} // namespace

TEST(OpenMarkerTest, NamesAnotherLiveEditorAndIgnoresADeadOneHere) {
    TTemporaryFolder folder;
    EXPECT_EQ(OpenMarker::Elsewhere(folder.Str()), std::nullopt);

    const pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
    const std::string here = OpenMarker::Me().Host;
    const std::vector<std::pair<OpenMarker::TOwner, bool>> cases = {
        {Other(here, getppid()), true},     // a live process here
        {Other("elsewhere-7", dead), true}, // nobody here can tell
        {Other(here, dead), false},         // ended without removing it
        {Other(here, getpid()), false},     // this editor
    };
    for (const auto& [owner, named] : cases) {
        LeaveFor(folder, owner);
        const auto found = OpenMarker::Elsewhere(folder.Str());
        EXPECT_EQ(found.has_value(), named) << owner.Host << " " << owner.Pid;
        if (named && found) {
            EXPECT_EQ(*found, owner);
        }
    }
    EXPECT_NE(
        OpenMarker::Describe(Other("elsewhere-7", 42)).find(" on elsewhere-7 (process 42) since "),
        std::string::npos);

    // Remove takes only this process's file away; a copy of the folder
    // does not claim to be open.
    LeaveFor(folder, Other("elsewhere-7", 42));
    OpenMarker::Remove(folder.Str());
    EXPECT_TRUE(fs::exists(folder.Path() / OpenMarker::FileName));
    TTemporaryFolder copy;
    ScenarioFolders::CopyFolder(folder.Str(), copy.Str());
    EXPECT_FALSE(fs::exists(copy.Path() / OpenMarker::FileName));
    ASSERT_TRUE(OpenMarker::Leave(folder.Str()));
    EXPECT_EQ(OpenMarker::Elsewhere(folder.Str()), std::nullopt);
    OpenMarker::Remove(folder.Str());
    EXPECT_FALSE(fs::exists(folder.Path() / OpenMarker::FileName));
}
