#include "scenario/TScenarioDiskState.h"

#include "scenario/ScenarioFolders.h"
#include "xml/FileText.h"

void TScenarioDiskState::Note(const TScenarioData& data) {
    Folder_ = ScenarioFolders::WithTrailingSlash(data.Folder());
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const size_t i = static_cast<size_t>(file);
        Files_[i] = data.OnDisk(file);
        Revisions_[i] = data.Document(file).Revision();
    }
}

bool TScenarioDiskState::FileChanged(TScenarioFile file) const {
    const TScenarioData::TOnDisk& noted = Files_[static_cast<size_t>(file)];
    const std::string path = Folder_ + TScenarioData::FileName(file);
    const TFileStamp now = TFileStamp::Of(path);
    if (now == noted.Stamp)
        return false;
    if (now.Exists() != noted.Stamp.Exists() || now.Size != noted.Stamp.Size)
        return true;
    try {
        return FileText::Digest(FileText::Read(path)) != noted.Digest;
    } catch (const TFileError&) {
        // Gone or unreadable between the look and the read.
        return true;
    }
}

std::vector<TScenarioFile> TScenarioDiskState::ChangedSince() const {
    std::vector<TScenarioFile> changed;
    if (Folder_.empty())
        return changed;
    for (TScenarioFile file : TScenarioData::AllFiles())
        if (FileChanged(file))
            changed.push_back(file);
    return changed;
}

bool TScenarioDiskState::Matches(const TScenarioData& data, const std::string& folder) const {
    if (Folder_.empty() || ScenarioFolders::WithTrailingSlash(folder) != Folder_)
        return false;
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const size_t i = static_cast<size_t>(file);
        if (!Files_[i].Written || !Files_[i].Stamp.Exists() ||
            data.Document(file).Revision() != Revisions_[i] || FileChanged(file))
            return false;
    }
    return true;
}
