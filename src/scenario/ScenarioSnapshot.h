#pragma once

#include "scenario/TScenarioData.h"

#include <array>
#include <map>
#include <memory>
#include <string>

// The state of an open scenario that a step editor can change: the ten
// documents as text and the bytes of every picture (".bmp" in any letter
// case) under its folder, except those kept in "backups/". Restoring puts
// both back byte for byte.
class TScenarioSnapshot {
public:
    using TDocuments = std::array<std::string, TScenarioData::FileCount>;

    TScenarioSnapshot() = default;
    // Reads the pictures of data's folder. Pictures whose bytes equal those
    // of previous share its copy, so a deep history of a scenario with large
    // maps stays small. Throws TFileError when a picture cannot be read.
    static TScenarioSnapshot Capture(const TScenarioData& data,
                                     const TScenarioSnapshot* previous = nullptr);

    // Installs the documents into data and writes the pictures back into
    // data's folder. Pictures of replacing (the state being left) that this
    // snapshot lacks are removed; other files are never touched. The
    // documents are restored even when a picture cannot be written; that
    // picture is then reported by a TFileError thrown at the end.
    void Restore(TScenarioData& data, const TScenarioSnapshot* replacing = nullptr) const;

    const TDocuments& Documents() const { return Documents_; }
    // Relative paths with "/" separators, and their bytes.
    const std::map<std::string, std::shared_ptr<const std::string>>& Pictures() const {
        return Pictures_;
    }
    bool operator==(const TScenarioSnapshot& other) const;

private:
    TDocuments Documents_;
    std::map<std::string, std::shared_ptr<const std::string>> Pictures_;
};

// Documents parsed from text before any of them replaces the open ones, so
// text that does not parse changes nothing. Throws TFileError with the
// file, line and reason.
void InstallDocuments(TScenarioData& data, const TScenarioSnapshot::TDocuments& texts);

// The scenario's pictures as relative paths ("party_images/x.bmp"), in
// order, without the backups folder.
std::vector<std::string> ScenarioPictures(const std::string& folder);
