#pragma once

#include "scenario/TPackedBytes.h"
#include "scenario/TScenarioData.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

// The state of an open scenario that a step editor can change: the ten
// documents as text and the bytes of every picture (".bmp" in any letter
// case) under its folder, except those kept in "backups/". Restoring puts
// both back byte for byte.
//
// A snapshot taken after another shares whatever has not changed since:
// a document whose revision is the same is not written out again, and a
// picture whose size and times are the same is not read again. So a
// history of many sessions holds each changed document once per change.
// Texts and pictures are held packed: a history costs about a tenth of the
// bytes it could put back.
class TScenarioSnapshot {
public:
    using TDocuments = std::array<std::string, TScenarioData::FileCount>;
    using TText = TPacked;

    // When set (tests set it), every document shared because its revision
    // did not change is written out all the same and compared: a change
    // made without MarkChanged throws std::logic_error naming the file.
    static bool CheckSharedDocuments;

    TScenarioSnapshot() = default;
    // Writes out the documents and reads the pictures of data's folder that
    // changed since previous (all of them without one). Throws TFileError
    // when a picture cannot be read.
    static TScenarioSnapshot Capture(const TScenarioData& data,
                                     const TScenarioSnapshot* previous = nullptr);

    // Installs the documents into data and writes the pictures back into
    // data's folder. When replacing (the state being left) is given, only
    // documents and pictures that differ from it are put back, and pictures
    // of replacing that this snapshot lacks are removed; other files are
    // never touched. The documents are restored even when a picture cannot
    // be written; that picture is then reported by a TFileError thrown at
    // the end. Returns this state as data now holds it, to capture the next
    // state from.
    TScenarioSnapshot Restore(TScenarioData& data,
                              const TScenarioSnapshot* replacing = nullptr) const;

    std::string Document(TScenarioFile file) const;
    // Relative paths with "/" separators, and their bytes.
    const std::map<std::string, TPacked>& Pictures() const { return Pictures_; }
    bool operator==(const TScenarioSnapshot& other) const;

    // What a picture file looked like when it was read.
    struct TStamp {
        int64_t Size = -1;
        int64_t ModifiedNs = 0;
        int64_t ChangedNs = 0;
        uint64_t Inode = 0;
        bool operator==(const TStamp&) const = default;
    };

private:
    friend class TScenarioHistory;

    std::array<TText, TScenarioData::FileCount> Texts_;
    std::array<uint64_t, TScenarioData::FileCount> Revisions_{};
    std::map<std::string, TPacked> Pictures_;
    std::map<std::string, TStamp> Stamps_;
    // When the pictures were looked at (ns since the epoch): a picture
    // written in the same moment may keep its stamp, so it is read again.
    int64_t TakenNs_ = 0;
};

// Documents parsed from text before any of them replaces the open ones, so
// text that does not parse changes nothing. Throws TFileError with the
// file, line and reason. An empty text leaves its document without a root.
void InstallDocuments(TScenarioData& data, const TScenarioSnapshot::TDocuments& texts);

// The scenario's pictures as relative paths ("party_images/x.bmp"), in
// order, without the backups folder.
std::vector<std::string> ScenarioPictures(const std::string& folder);
