#include "scenario/ScenarioBackups.h"

#include "scenario/InterruptedSaves.h"
#include "scenario/ScenarioSnapshot.h"
#include "scenario/TScenarioData.h"
#include "scenario/TScenarioDiskState.h"
#include "xml/FileText.h"
#include "xml/TFolderLock.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace fs = std::filesystem;

namespace ScenarioBackups {

namespace {

// "yyyy-mm-dd hh-mm-ss", optionally followed by " (n)" for a second save
// within the same second.
bool IsBackupName(const std::string& name) {
    static const std::string Shape = "dddd-dd-dd dd-dd-dd";
    if (name.size() < Shape.size())
        return false;
    for (size_t i = 0; i < Shape.size(); ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if (Shape[i] == 'd' ? !digit : name[i] != Shape[i])
            return false;
    }
    return name.size() == Shape.size() || name.compare(Shape.size(), 2, " (") == 0;
}

// ".2026-12-07 02-48-11.partial": a backup being built.
const char* const UnfinishedSuffix = ".partial";

bool IsUnfinishedName(const std::string& name) {
    const std::string suffix = UnfinishedSuffix;
    return name.size() > suffix.size() + 1 && name[0] == '.' &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::vector<fs::path> Unfinished(const std::string& folder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(folder) / FolderName, ec), end; !ec && it != end;
         it.increment(ec))
        if (IsUnfinishedName(it->path().filename().string()))
            found.push_back(it->path());
    return found;
}

std::string ReadOrEmpty(const fs::path& path, bool& exists) {
    std::error_code ec;
    exists = fs::is_regular_file(path, ec);
    return exists ? FileText::Read(path.string()) : std::string();
}

bool SameAsBackup(const fs::path& folder, const fs::path& backup) {
    // Sizes first: most saves change one, and that needs no reading.
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const std::string name = TScenarioData::FileName(file);
        std::error_code a, b;
        if (fs::file_size(folder / name, a) != fs::file_size(backup / name, b) || a != b)
            return false;
    }
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const std::string name = TScenarioData::FileName(file);
        bool inFolder = false;
        bool inBackup = false;
        if (ReadOrEmpty(folder / name, inFolder) != ReadOrEmpty(backup / name, inBackup) ||
            inFolder != inBackup)
            return false;
    }
    return true;
}

bool SameAsDocuments(const fs::path& folder, const TScenarioData& data) {
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        bool exists = false;
        if (ReadOrEmpty(folder / TScenarioData::FileName(file), exists) !=
                data.Document(file).ToText() ||
            !exists)
            return false;
    }
    return true;
}

void Rotate(const std::string& folder, int kept) {
    const std::vector<TBackup> backups = List(folder);
    for (size_t i = static_cast<size_t>(kept); i < backups.size(); ++i) {
        std::error_code ec;
        fs::remove_all(backups[i].Folder, ec);
    }
}

} // namespace

std::string NameOf(long long secondsSinceEpoch) {
    const std::time_t time = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H-%M-%S", &local);
    return text;
}

std::vector<TBackup> List(const std::string& folder) {
    std::vector<TBackup> backups;
    const fs::path root = fs::path(folder) / FolderName;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!it->is_directory(ec) || !IsBackupName(name))
            continue;
        std::string date = name;
        date[13] = ':';
        date[16] = ':';
        backups.push_back({name, (root / name).string() + "/", date});
    }
    // Same-second saves carry " (n)": a longer name of equal stamp is newer.
    std::sort(backups.begin(), backups.end(), [](const TBackup& a, const TBackup& b) {
        if (a.Name.size() != b.Name.size() && a.Name.compare(0, 19, b.Name, 0, 19) == 0)
            return a.Name.size() > b.Name.size();
        return a.Name > b.Name;
    });
    return backups;
}

void BeforeSave(const std::string& folder, int kept, const TScenarioData* writing,
                const TScenarioDiskState* disk) {
    if (kept <= 0 || folder.empty())
        return;
    TFolderLock lock(folder, TFolderLock::TMode::Exclusive);
    if (writing && disk && disk->Matches(*writing, folder))
        return;
    bool anyFile = false;
    std::error_code ec;
    for (TScenarioFile file : TScenarioData::AllFiles())
        anyFile =
            anyFile || fs::is_regular_file(fs::path(folder) / TScenarioData::FileName(file), ec);
    if (!anyFile || (writing && SameAsDocuments(folder, *writing)))
        return;
    const std::vector<TBackup> existing = List(folder);
    if (!existing.empty() && SameAsBackup(folder, existing.front().Folder)) {
        Rotate(folder, kept);
        return;
    }
    const auto now = std::chrono::system_clock::now();
    const std::string stamp =
        NameOf(std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count());
    const fs::path root = fs::path(folder) / FolderName;
    fs::path target = root / stamp;
    for (int n = 2; fs::exists(target, ec); ++n)
        target = root / (stamp + " (" + std::to_string(n) + ")");
    const fs::path building = root / ("." + target.filename().string() + UnfinishedSuffix);
    fs::remove_all(building, ec);
    if (!fs::create_directories(building, ec))
        throw TFileError(target.string() + ": the backup folder could not be made (" +
                         ec.message() + ")");
    TFileSystem& files = TFileSystem::Current();
    const auto fail = [&](const std::string& what, const std::string& reason) {
        fs::remove_all(building, ec);
        throw TFileError(what + ": the backup could not be written (" + reason + ")");
    };
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const std::string name = TScenarioData::FileName(file);
        const fs::path source = fs::path(folder) / name;
        if (!fs::is_regular_file(source, ec))
            continue;
        std::string bytes;
        try {
            bytes = FileText::Read(source.string());
        } catch (const TFileError& error) {
            fail((target / name).string(), error.what());
        }
        if (const int error = files.WriteNew((building / name).string(), bytes, source.string()))
            fail((target / name).string(), FileText::WhyNotWritten(error));
    }
    // Complete and on the disk before it takes a name that lists it.
    if (const int error = files.SyncFolder(building.string()))
        fail(target.string(), FileText::WhyNotWritten(error));
    if (const int error = files.Rename(building.string(), target.string()))
        fail(target.string(), FileText::WhyNotWritten(error));
    files.SyncFolder(root.string());
    Rotate(folder, kept);
}

void SaveWithBackup(TScenarioData& data, const std::string& folder, int kept,
                    const std::function<void(const TFileError&)>& backupFailed,
                    const TScenarioDiskState* disk) {
    TFolderLock lock(folder, TFolderLock::TMode::Exclusive);
    // A backup of what a killed save left half done would be no version.
    InterruptedSaves::FinishBeforeSaving(folder);
    try {
        BeforeSave(folder, kept, &data, disk);
    } catch (const TFileError& error) {
        if (backupFailed)
            backupFailed(error);
    }
    data.SaveAs(folder);
}

bool HasUnfinished(const std::string& folder) {
    return !Unfinished(folder).empty();
}

void RemoveUnfinished(const std::string& folder) {
    for (const fs::path& path : Unfinished(folder)) {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
}

void Restore(const TBackup& backup, TScenarioData& data) {
    TScenarioSnapshot::TDocuments texts;
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        TXmlDom document;
        if (!document.LoadFromFile(backup.Folder + TScenarioData::FileName(file)))
            throw TFileError(document.LastError().ToString());
        texts[static_cast<size_t>(file)] = document.ToText();
    }
    InstallDocuments(data, texts);
    data.SetChanged();
}

} // namespace ScenarioBackups
