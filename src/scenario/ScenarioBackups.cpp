#include "scenario/ScenarioBackups.h"

#include "scenario/ScenarioSnapshot.h"
#include "scenario/TScenarioData.h"
#include "scenario/TScenarioDiskState.h"
#include "xml/FileText.h"

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
    if (!fs::create_directories(target, ec))
        throw TFileError(target.string() + ": the backup folder could not be made (" +
                         ec.message() + ")");
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const std::string name = TScenarioData::FileName(file);
        const fs::path source = fs::path(folder) / name;
        if (!fs::is_regular_file(source, ec))
            continue;
        if (!fs::copy_file(source, target / name, ec)) {
            const std::string reason = ec.message();
            fs::remove_all(target, ec);
            throw TFileError((target / name).string() + ": the backup could not be written (" +
                             reason + ")");
        }
    }
    Rotate(folder, kept);
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
