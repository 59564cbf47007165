#pragma once

#include "scenario/TScenarioData.h"

#include <array>
#include <cstdint>
#include <string>

// What the ten files of a scenario folder were when the open scenario was
// last loaded from it or saved to it, and the documents' revisions then.
// While both still hold, saving would write the very bytes on disk, which
// is known without writing the documents out or reading the files.
class TScenarioDiskState {
public:
    // Right after data was loaded or saved.
    void Note(const TScenarioData& data);
    void Forget() { Folder_.clear(); }
    // Whether data, in folder, is still what the files there hold.
    bool Matches(const TScenarioData& data, const std::string& folder) const;

private:
    struct TFile {
        uint64_t Revision = 0;
        int64_t Size = -1;
        int64_t ModifiedNs = 0;
        int64_t ChangedNs = 0;
        uint64_t Inode = 0;
        bool operator==(const TFile&) const = default;
    };
    static TFile Look(const std::string& path, uint64_t revision);

    std::string Folder_;
    std::array<TFile, TScenarioData::FileCount> Files_{};
};
