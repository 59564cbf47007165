#include "scenario/TScenarioDiskState.h"

#include "scenario/ScenarioFolders.h"

#include <sys/stat.h>

namespace {
int64_t Nanoseconds(const timespec& time) {
    return static_cast<int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}
} // namespace

TScenarioDiskState::TFile TScenarioDiskState::Look(const std::string& path, uint64_t revision) {
    TFile file;
    file.Revision = revision;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        file.Size = static_cast<int64_t>(st.st_size);
        file.ModifiedNs = Nanoseconds(st.st_mtim);
        file.ChangedNs = Nanoseconds(st.st_ctim);
        file.Inode = static_cast<uint64_t>(st.st_ino);
    }
    return file;
}

void TScenarioDiskState::Note(const TScenarioData& data) {
    Folder_ = ScenarioFolders::WithTrailingSlash(data.Folder());
    for (TScenarioFile file : TScenarioData::AllFiles())
        Files_[static_cast<size_t>(file)] =
            Look(Folder_ + TScenarioData::FileName(file), data.Document(file).Revision());
}

bool TScenarioDiskState::Matches(const TScenarioData& data, const std::string& folder) const {
    if (Folder_.empty() || ScenarioFolders::WithTrailingSlash(folder) != Folder_)
        return false;
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const TFile& noted = Files_[static_cast<size_t>(file)];
        // A file replaced or touched since has another inode or time.
        if (noted.Size < 0 || !(Look(Folder_ + TScenarioData::FileName(file),
                                     data.Document(file).Revision()) == noted))
            return false;
    }
    return true;
}
