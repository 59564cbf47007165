// Backups before a save: made from the files on disk, rotated to the
// number kept, listed newest first and restored without writing.

#include "scenario/ScenarioBackups.h"
#include "scenario/verify/VerificationRun.h"
#include "support/FaultyFileSystem.h"
#include "support/ScenarioFixture.h"
#include "xml/FileText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class ScenarioBackupsTest : public ::testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = TestScenario::LoadCopy(Sample, Folder);

    void SaveWithName(const std::string& name, int kept = 10) {
        Data->Scenario()->GetChild("name")->SetText(name);
        ScenarioBackups::BeforeSave(Folder.Str(), kept, Data.get());
        Data->Save();
    }
    // A backup folder named name, made as if by an earlier save of a
    // scenario called name.
    void AddOldBackup(const std::string& name) {
        const fs::path backup = Folder.Path() / "backups" / name;
        fs::create_directories(backup);
        for (TScenarioFile file : TScenarioData::AllFiles())
            fs::copy_file(Folder.Path() / TScenarioData::FileName(file),
                          backup / TScenarioData::FileName(file));
        std::ofstream(backup / "scenario.xml", std::ios::trunc)
            << "<scenario><name>" << name << "</name></scenario>";
    }
    std::string Name() const { return Data->Scenario()->GetChild("name")->GetText(); }
};

TEST_F(ScenarioBackupsTest, BackupHoldsTheFilesAsTheyWereBeforeTheSave) {
    const std::string before = FileText::Read((Folder.Path() / "scenario.xml").string());
    const std::string originalName = Name();
    SaveWithName("After");
    const auto backups = ScenarioBackups::List(Folder.Str());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(FileText::Read(backups[0].Folder + "scenario.xml"), before);
    EXPECT_EQ(backups[0].Date.substr(13, 1), ":");
    // A save that replaces nothing keeps no backup.
    ScenarioBackups::BeforeSave(Folder.Str(), 10, Data.get());
    EXPECT_EQ(ScenarioBackups::List(Folder.Str()).size(), 1u);

    Data->Scenario()->GetChild("name")->SetText("Edited");
    ScenarioBackups::Restore(backups[0], *Data);
    EXPECT_EQ(Name(), originalName);
    EXPECT_TRUE(Data->Changed());
    // Restoring writes nothing.
    EXPECT_NE(FileText::Read((Folder.Path() / "scenario.xml").string()).find("After"),
              std::string::npos);

    // Files equal to the newest backup's are not kept twice.
    ScenarioBackups::BeforeSave(Folder.Str(), 10);
    ScenarioBackups::BeforeSave(Folder.Str(), 10);
    EXPECT_EQ(ScenarioBackups::List(Folder.Str()).size(), 2u);
}

TEST_F(ScenarioBackupsTest, OldestBackupsRotateAwayAndStrangersStay) {
    for (int day = 1; day <= 4; ++day)
        AddOldBackup("2026-01-0" + std::to_string(day) + " 09-00-00");
    fs::create_directories(Folder.Path() / "backups" / "keep me");
    SaveWithName("Newest", 3);
    const auto backups = ScenarioBackups::List(Folder.Str());
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_EQ(backups[1].Name, "2026-01-04 09-00-00");
    EXPECT_EQ(backups[2].Name, "2026-01-03 09-00-00");
    EXPECT_FALSE(fs::exists(Folder.Path() / "backups" / "2026-01-01 09-00-00"));
    EXPECT_TRUE(fs::exists(Folder.Path() / "backups" / "keep me"));
    EXPECT_GT(backups[0].Name, "2026-01-04");
}

TEST_F(ScenarioBackupsTest, SameSecondSavesGetDistinctFoldersNewestFirst) {
    SaveWithName("One");
    SaveWithName("Two");
    SaveWithName("Three");
    const auto backups = ScenarioBackups::List(Folder.Str());
    ASSERT_GE(backups.size(), 3u);
    // The newest backup holds the files of the save before the last.
    TScenarioData restored;
    std::string folder = Folder.Str();
    restored.Load(folder);
    ScenarioBackups::Restore(backups[0], restored);
    EXPECT_EQ(restored.Scenario()->GetChild("name")->GetText(), "Two");
}

TEST_F(ScenarioBackupsTest, NothingIsBackedUpWhenOffOrWhenNoFileExistsAndAFailureThrows) {
    ScenarioBackups::BeforeSave(Folder.Str(), 0);
    EXPECT_FALSE(fs::exists(Folder.Path() / "backups"));
    TTemporaryFolder empty;
    ScenarioBackups::BeforeSave(empty.Str(), 10);
    EXPECT_FALSE(fs::exists(empty.Path() / "backups"));
    // One that cannot be written throws.
    std::ofstream(Folder.Path() / "backups") << "a file in the way";
    EXPECT_THROW(ScenarioBackups::BeforeSave(Folder.Str(), 10), TFileError);
}

TEST_F(ScenarioBackupsTest, BrokenBackupIsRefusedWithFileLineAndReason) {
    AddOldBackup("2026-01-01 09-00-00");
    const auto backup = ScenarioBackups::List(Folder.Str()).at(0);
    std::ofstream(backup.Folder + "ads.xml", std::ios::trunc) << "<ads>\n<ad>\n</ads>\n";
    Data->Scenario()->GetChild("name")->SetText("Edited");
    const std::string message =
        TestScenario::FileErrorText([&] { ScenarioBackups::Restore(backup, *Data); });
    EXPECT_NE(message.find("ads.xml"), std::string::npos) << message;
    EXPECT_NE(message.find("line 3"), std::string::npos) << message;
    EXPECT_EQ(Name(), "Edited");
    fs::remove(backup.Folder + "relations.xml");
    EXPECT_THROW(ScenarioBackups::Restore(backup, *Data), TFileError);
    EXPECT_EQ(Name(), "Edited");
}

TEST_F(ScenarioBackupsTest, ABackupKilledHalfWayIsNeverListedAndGoesAtTheNextOpen) {
    for (const char* step : {"write events.xml", "sync folder"}) {
        SCOPED_TRACE(step);
        EXPECT_TRUE(KilledDoing([&](TFaultyFileSystem& faulty) { faulty.KillOn(step); },
                                [&] { ScenarioBackups::BeforeSave(Folder.Str(), 10); }))
            << "the backup was not killed";
        EXPECT_TRUE(ScenarioBackups::List(Folder.Str()).empty());
        std::string folder = Folder.Str();
        TScenarioData().Load(folder);
        EXPECT_TRUE(TestScenario::FolderEntries(Folder.Path() / "backups").empty());
    }
    // A whole one holds the ten files and nothing else.
    ScenarioBackups::BeforeSave(Folder.Str(), 10);
    const auto backups = ScenarioBackups::List(Folder.Str());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(std::distance(fs::directory_iterator(backups[0].Folder), fs::directory_iterator()),
              10);
}

TEST_F(ScenarioBackupsTest, VerificationIgnoresTheBackupsFolder) {
    VerificationRun::Run(Data.get(), true);
    const auto clean = TestScenario::MessageTexts(*Data);
    AddOldBackup("2026-01-01 09-00-00");
    std::ofstream(Folder.Path() / "backups" / "2026-01-01 09-00-00" / "ads.xml", std::ios::trunc)
        << "<ads><ad>";
    fs::create_directories(Folder.Path() / "backups" / "party_images");
    VerificationRun::Run(Data.get(), true);
    EXPECT_EQ(TestScenario::MessageTexts(*Data), clean);
}

} // namespace
