#pragma once

#include "scenario/TScenarioData.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the ten files of a scenario folder were when the open scenario was
// last loaded from it or saved to it: each file's stamp and the digest of
// its bytes, and the documents' revisions then. It tells which files
// another program changed since, and whether saving would write the very
// bytes on disk, without writing the documents out.
//
// A file whose stamp is as noted is unchanged: no program can set a file's
// change time back. Only a file whose stamp differs is read, and it counts as
// changed when its bytes differ too (a touch or a write of the same bytes is
// no change).
class TScenarioDiskState {
public:
    // Right after data was loaded or saved.
    void Note(const TScenarioData& data);
    void Forget() { Folder_.clear(); }
    const std::string& Folder() const { return Folder_; }
    // The files of the noted folder that another program changed, replaced
    // or removed since (a file missing then and there now too is no
    // change); none when nothing is noted.
    std::vector<TScenarioFile> ChangedSince() const;
    // Whether data, in folder, is still what the files there hold: it was
    // saved there, no document changed and no file changed since.
    bool Matches(const TScenarioData& data, const std::string& folder) const;

private:
    bool FileChanged(TScenarioFile file) const;

    std::string Folder_;
    std::array<TScenarioData::TOnDisk, TScenarioData::FileCount> Files_{};
    std::array<uint64_t, TScenarioData::FileCount> Revisions_{};
};
