// Saving the ten files as one: failures, kills, permissions and file size
// limits at every step of the transaction, as root or not.
#include "scenario/TScenarioData.h"
#include "support/FaultyFileSystem.h"
#include "support/ScenarioFixture.h"
#include "xml/FileText.h"
#include "xml/TFolderLock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <map>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A scenario folder of ten small files, loaded, with every document changed
// in memory but not yet saved.
class TSaveCase {
public:
    TSaveCase() : Old(TestScenario::WriteSmallScenario(Temp.Path())) {
        std::string folder = Temp.Str();
        Data.Load(folder);
        for (TScenarioFile file : TScenarioData::AllFiles()) {
            Data.Root(file)->GetChild("item")->SetText("new");
            New[TScenarioData::FileName(file)] = Data.Document(file).ToText();
        }
    }
    bool Holds(const std::map<std::string, std::string>& expected) const {
        return std::all_of(expected.begin(), expected.end(), [&](const auto& entry) {
            return FileText::Read((Temp.Path() / entry.first).string()) == entry.second;
        });
    }
    // Everything in the folder: the ten files when nothing is left behind.
    std::set<std::string> Entries() const { return TestScenario::FolderEntries(Temp.Path()); }
    std::set<std::string> TenFiles() const {
        std::set<std::string> names;
        for (const auto& entry : Old)
            names.insert(entry.first);
        return names;
    }
    void Reopen() {
        TScenarioData again;
        std::string folder = Temp.Str();
        again.Load(folder);
    }

    TTemporaryFolder Temp;
    std::map<std::string, std::string> Old, New;
    TScenarioData Data;
};

std::vector<std::string> StepsOfASave() {
    TSaveCase c;
    TFaultyFileSystem counting;
    c.Data.Save();
    EXPECT_TRUE(c.Holds(c.New));
    // Done: neither the journal nor an old copy is left for the next open.
    EXPECT_EQ(c.Entries(), c.TenFiles());
    return counting.Steps;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

// Runs as root too: the failure comes from the file-system seam, not from
// permissions.
TEST(TScenarioData, AFailedSaveKeepsEveryOldFileAndLeavesNoTemporaries) {
    const std::vector<std::string> steps = StepsOfASave();
    size_t lastRename = 0;
    for (size_t i = 0; i < steps.size(); ++i)
        if (steps[i].find(".stumpcraft-new ") != std::string::npos)
            lastRename = i;
    std::vector<std::string> failed;
    for (size_t step = 1; step <= steps.size(); ++step) {
        SCOPED_TRACE("failing step " + std::to_string(step) + ": " + steps[step - 1]);
        TSaveCase c;
        TFaultyFileSystem faulty;
        faulty.AtStep(static_cast<int>(step));
        try {
            c.Data.Save();
        } catch (const TFileError&) {
            failed.push_back(steps[step - 1]);
            EXPECT_TRUE(c.Holds(c.Old));
            EXPECT_EQ(c.Entries(), c.TenFiles());
            continue;
        }
        // Only tidying up after the last rename and its folder sync may fail
        // without failing the save; the next open finishes it.
        EXPECT_GT(step, lastRename + 2);
        EXPECT_TRUE(c.Holds(c.New));
        c.Reopen();
        EXPECT_EQ(c.Entries(), c.TenFiles());
    }
    EXPECT_EQ(failed.size(), lastRename + 2);
    EXPECT_TRUE(Contains(failed, "write .stumpcraft-journal"));
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const std::string name = TScenarioData::FileName(file);
        EXPECT_TRUE(Contains(failed, "write ." + name + ".stumpcraft-new")) << name;
        EXPECT_TRUE(Contains(failed, "rename ." + name + ".stumpcraft-new " + name)) << name;
    }
}

TEST(TScenarioData, AKillAtAnyStepOfASaveLeavesTheScenarioWhollyOldOrWhollyNewOnTheNextOpen) {
    const std::vector<std::string> steps = StepsOfASave();
    int wasNew = 0;
    for (size_t step = 1; step <= steps.size(); ++step) {
        SCOPED_TRACE("killed at step " + std::to_string(step) + ": " + steps[step - 1]);
        TSaveCase c;
        EXPECT_TRUE(KilledDoing(
            [&](TFaultyFileSystem& faulty) {
                faulty.AtStep(static_cast<int>(step), TFaultyFileSystem::TAction::Kill);
            },
            [&] { c.Data.Save(); }));
        c.Reopen();
        const bool old = c.Holds(c.Old), now = c.Holds(c.New);
        EXPECT_TRUE(old || now);
        wasNew += now;
        EXPECT_EQ(c.Entries(), c.TenFiles());
    }
    // Kills before the journal keep the old files; later ones roll forward.
    EXPECT_GT(wasNew, 0);
    EXPECT_LT(wasNew, static_cast<int>(steps.size()));
}

TEST(TScenarioData, ASaveKeepsFileModesAndRefusesAReadOnlyFileBeforeReplacingAnything) {
    TSaveCase c;
    fs::permissions(c.Temp.Path() / "parties.xml", fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(c.Temp.Path() / "ads.xml",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    c.Data.Save();
    EXPECT_EQ(fs::status(c.Temp.Path() / "parties.xml").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(c.Temp.Path() / "ads.xml").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    TSaveCase readOnly;
    // The last file written: every other file would be replaced before it.
    fs::permissions(readOnly.Temp.Path() / "scenario.xml",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string error = TestScenario::FileErrorText([&] { readOnly.Data.Save(); });
    EXPECT_NE(error.find("scenario.xml\": you do not have permission"), std::string::npos) << error;
    EXPECT_TRUE(readOnly.Holds(readOnly.Old));
    EXPECT_EQ(readOnly.Entries(), readOnly.TenFiles());
}

TEST(TScenarioData, AWriteBeyondTheFileSizeLimitFailsTheSaveInsteadOfEndingTheProgram) {
    TSaveCase c;
    c.Data.Issues()->GetChild("item")->SetText(std::string(4000, 'x'));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        bool refused = false;
        try {
            c.Data.Save();
        } catch (const TFileError& e) {
            refused = std::string(e.what()).find("issues.xml") != std::string::npos;
        }
        _exit(refused && c.Holds(c.Old) && c.Entries() == c.TenFiles() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(TScenarioData, OpeningRemovesWhatKilledSavesLeftAndKeepsOtherFiles) {
    TSaveCase c;
    const fs::path folder = c.Temp.Path();
    std::ofstream(folder / ".parties.xml.stumpcraft-new") << "<parties>";
    std::ofstream(folder / ".ads.xml.stumpcraft-old") << "<ads/>";
    std::ofstream(folder / ".events.xml.123456789.tmp") << "<events>";
    // Cut short while being written: no renames had started.
    std::ofstream(folder / ".stumpcraft-journal") << "stumpcraft save journal\nads.xml\n";
    std::ofstream(folder / ".notes.txt") << "mine";
    std::ofstream(folder / ".events.xml.backup.tmp") << "mine";
    c.Reopen();
    std::set<std::string> expected = c.TenFiles();
    expected.insert({".notes.txt", ".events.xml.backup.tmp"});
    EXPECT_EQ(c.Entries(), expected);
    EXPECT_TRUE(c.Holds(c.Old));

    // A complete journal whose renames were cut short rolls forward.
    std::ofstream(folder / ".parties.xml.stumpcraft-new", std::ios::binary) << c.New["parties.xml"];
    std::ofstream(folder / ".stumpcraft-journal")
        << "stumpcraft save journal\nparties.xml\n../outside.xml\nend\n";
    std::ofstream(folder / ".outside.xml.stumpcraft-new") << "x";
    c.Reopen();
    EXPECT_EQ(FileText::Read((folder / "parties.xml").string()), c.New["parties.xml"]);
    EXPECT_FALSE(fs::exists(folder / ".stumpcraft-journal"));
    EXPECT_FALSE(fs::exists(folder.parent_path() / "outside.xml"));

    // A named journal takes only whole temporaries of its own save: another
    // save's is no part of it, and one cut short stops it before any rename.
    fs::remove(folder / ".outside.xml.stumpcraft-new");
    const std::string token = "00000000000000aa";
    const auto interrupted = [&](const std::string& issuesToken, size_t issuesSize) {
        std::ofstream journal(folder / ".stumpcraft-journal", std::ios::binary);
        journal << "stumpcraft save journal\nsave " << token << " 2026-12-07 10:00:00\n";
        for (const char* name : {"ads.xml", "issues.xml"})
            journal << name << " " << c.New[name].size() << "\n";
        journal << "end\n";
        std::ofstream(folder / (".ads.xml." + token + ".stumpcraft-new"), std::ios::binary)
            << c.New["ads.xml"];
        std::ofstream(folder / (".issues.xml." + issuesToken + ".stumpcraft-new"), std::ios::binary)
            << c.New["issues.xml"].substr(0, issuesSize);
    };
    interrupted("00000000000000bb", std::string::npos);
    c.Reopen();
    EXPECT_EQ(FileText::Read((folder / "ads.xml").string()), c.New["ads.xml"]);
    EXPECT_EQ(FileText::Read((folder / "issues.xml").string()), c.Old["issues.xml"]);
    EXPECT_EQ(c.Entries(), expected);

    std::ofstream(folder / "ads.xml", std::ios::binary) << c.Old["ads.xml"];
    interrupted(token, 20);
    const std::string unfinished = TestScenario::FileErrorText([&] { c.Reopen(); });
    EXPECT_NE(unfinished.find("begun at 2026-12-07 10:00:00 could not be finished: \"" +
                              (folder / ".issues.xml.").string() + token),
              std::string::npos)
        << unfinished;
    for (const char* name : {"ads.xml", "issues.xml"})
        EXPECT_EQ(FileText::Read((folder / name).string()), c.Old[name]) << name;
    EXPECT_EQ(c.Entries(), expected);
}

TEST(TScenarioData, ARollbackWhoseRenamesFailNamesTheFileAndTheNextOpenFinishesTheSave) {
    for (int firstFailing : {2, 5, 10}) {
        SCOPED_TRACE("renames failing from the " + std::to_string(firstFailing) + "th on");
        TSaveCase c;
        try {
            TFaultyFileSystem faulty;
            faulty.FailFrom("rename", firstFailing);
            c.Data.Save();
            FAIL() << "the save must fail";
        } catch (const TFileError& e) {
            const std::string message = e.what(), named = "cannot restore file \"" + c.Temp.Str();
            const size_t at = message.find(named);
            ASSERT_NE(at, std::string::npos) << message;
            const std::string file = message.substr(at + named.size());
            EXPECT_TRUE(TScenarioData::FileNamed(file.substr(0, file.find('"')))) << message;
        }
        c.Reopen();
        EXPECT_TRUE(c.Holds(c.New));
        EXPECT_EQ(c.Entries(), c.TenFiles());
    }
}

TEST(TScenarioData, ASaveNeverStartsOverTheJournalOfAnEarlierOne) {
    // The first save's journal could not be removed; the second is killed
    // while it writes its files. The next open keeps the first save whole.
    TSaveCase c;
    {
        TFaultyFileSystem faulty;
        faulty.FailOn("remove .stumpcraft-journal");
        c.Data.Save();
    }
    const std::map<std::string, std::string> first = c.New;
    for (TScenarioFile file : TScenarioData::AllFiles())
        c.Data.Root(file)->GetChild("item")->SetText("newer");
    EXPECT_TRUE(KilledDoing(
        [](TFaultyFileSystem& faulty) { faulty.KillOn("write .issues.xml.stumpcraft-new"); },
        [&] { c.Data.Save(); }));
    c.Reopen();
    EXPECT_TRUE(c.Holds(first));
    EXPECT_EQ(c.Entries(), c.TenFiles());

    // A journal that cannot be removed at all refuses the save with why,
    // before any file is written.
    TFaultyFileSystem faulty;
    faulty.FailFrom("remove", 1);
    c.Data.Save();
    const size_t stepsBefore = faulty.Steps.size();
    const std::string error = TestScenario::FileErrorText([&] { c.Data.Save(); });
    EXPECT_NE(error.find("cannot be removed: the disk reported an error"), std::string::npos)
        << error;
    EXPECT_FALSE(std::any_of(faulty.Steps.begin() + static_cast<long>(stepsBefore),
                             faulty.Steps.end(),
                             [](const std::string& s) { return s.rfind("write", 0) == 0; }));
}

TEST(TScenarioData, AFailedSaveNamesTheCauseTheSystemGave) {
    const std::vector<std::pair<int, std::string>> causes = {
        {EROFS, "the file system is read-only"}, {ENOSPC, "the disk is full"},
        {EDQUOT, "the disk quota is exhausted"}, {EIO, "the disk reported an error"},
        {EACCES, "you do not have permission"},  {EPERM, "you do not have permission"}};
    // The lock, the check of a file before anything is written (where a
    // read-only mount is first seen), a write and a rename.
    for (const char* step :
         {"lock .stumpcraft-lock", "check scenario.xml", "write .issues.xml.stumpcraft-new",
          "rename .ads.xml.stumpcraft-new ads.xml"})
        for (const auto& [error, words] : causes) {
            SCOPED_TRACE(std::string(step) + ": " + words);
            TSaveCase c;
            TFaultyFileSystem faulty;
            faulty.FailOn(step, error);
            const std::string message = TestScenario::FileErrorText([&] { c.Data.Save(); });
            EXPECT_NE(message.find(words), std::string::npos) << message;
            EXPECT_TRUE(c.Holds(c.Old));
        }
}

TEST(TScenarioData, AFolderThatCannotBeLockedOpensAsItIsWithoutFinishingSaves) {
    TSaveCase c;
    const fs::path journal = c.Temp.Path() / ".stumpcraft-journal";
    std::ofstream(journal) << "stumpcraft save journal\nparties.xml\nend\n";
    std::ofstream(c.Temp.Path() / ".parties.xml.stumpcraft-new") << c.New["parties.xml"];
    fs::remove(c.Temp.Path() / TFolderLock::FileName);
    TFaultyFileSystem faulty;
    faulty.FailOn("lock .stumpcraft-lock", EROFS);
    c.Reopen();
    EXPECT_TRUE(fs::exists(journal));
    EXPECT_TRUE(c.Holds(c.Old));
}
