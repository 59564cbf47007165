#pragma once

#include "scenario/ScenarioFolders.h"

#include <functional>
#include <string>
#include <vector>

class TFileError;
class TScenarioData;
class TScenarioDiskState;

// Copies of a scenario's ten files as they were before a save, one folder
// per save in "backups/" inside the scenario folder, named by the local time
// of the save ("2026-12-07 02-48-11"), so names sort by age.
namespace ScenarioBackups {

constexpr const char* FolderName = ScenarioFolders::BackupsFolderName;
constexpr int DefaultKept = 10;

struct TBackup {
    std::string Name;   // the folder name
    std::string Folder; // its path, ending with "/"
    std::string Date;   // "2026-12-07 02:48:11"
};

// Copies the ten files now in folder into a new backup, then removes the
// oldest backups beyond kept. Nothing is made when kept is 0 or less, when
// no file exists yet, when the files equal the newest backup's, or when they
// equal what writing is about to write (nothing would be replaced; a disk
// state that still matches says so without reading anything). The files
// are copied as they are on disk. Throws TFileError naming what could not
// be written (the caller goes on saving). A backup is built under a hidden
// name and appears under its own only when complete and synced.
void BeforeSave(const std::string& folder, int kept, const TScenarioData* writing = nullptr,
                const TScenarioDiskState* disk = nullptr);
// Saves data into folder (TScenarioData::SaveAs) after keeping a backup of
// the files there, with no other program's save in between. A backup that
// cannot be kept goes to backupFailed and the save goes on. Throws
// TFileError when the save fails.
void SaveWithBackup(TScenarioData& data, const std::string& folder, int kept,
                    const std::function<void(const TFileError&)>& backupFailed,
                    const TScenarioDiskState* disk = nullptr);
// Backups that a killed save left half built.
bool HasUnfinished(const std::string& folder);
void RemoveUnfinished(const std::string& folder);
// The backups of folder, newest first.
std::vector<TBackup> List(const std::string& folder);
// Installs the backup's ten documents into data, marked changed, without
// writing anything. Throws TFileError with the file, line and reason when a
// file is missing or does not parse; data is then unchanged.
void Restore(const TBackup& backup, TScenarioData& data);

// The folder name of a local time given as seconds since the epoch.
std::string NameOf(long long secondsSinceEpoch);

} // namespace ScenarioBackups
