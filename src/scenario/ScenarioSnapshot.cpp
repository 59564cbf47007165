#include "scenario/ScenarioSnapshot.h"

#include "scenario/ScenarioFolders.h"
#include "xml/FileText.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>

namespace fs = std::filesystem;

bool TScenarioSnapshot::CheckSharedDocuments = false;

namespace {

// A picture rewritten within this much of the last look may show the same
// stamp: file times are only as fine as the system's clock tick.
constexpr int64_t StampGrainNs = 2'000'000'000;

bool IsPicture(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bmp";
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw TFileError(path.string() + ": the picture could not be written");
}

int64_t Nanoseconds(const timespec& time) {
    return static_cast<int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

int64_t Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

TScenarioSnapshot::TStamp StampOf(const fs::path& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return {static_cast<int64_t>(st.st_size), Nanoseconds(st.st_mtim), Nanoseconds(st.st_ctim),
            static_cast<uint64_t>(st.st_ino)};
}

using TTexts = std::array<const std::string*, TScenarioData::FileCount>;

// Parses every given text before any replaces its document; a null text
// leaves its document alone, an empty one leaves it without a root.
void Install(TScenarioData& data, const TTexts& texts) {
    std::array<TXmlDom, TScenarioData::FileCount> parsed;
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const std::string* text = texts[static_cast<size_t>(file)];
        if (!text || text->empty())
            continue;
        TXmlDom& dom = parsed[static_cast<size_t>(file)];
        if (!dom.Parse(*text)) {
            TParseError error = dom.LastError();
            error.FileName = TScenarioData::FileName(file);
            throw TFileError(error.ToString());
        }
    }
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const size_t index = static_cast<size_t>(file);
        if (!texts[index])
            continue;
        // The parsed tree moves over whole: no copy of the document.
        TXmlDom& dom = parsed[index];
        data.Document(file).AdoptRoot(dom.ReleaseRoot());
    }
}

bool SameText(const TScenarioSnapshot::TText& a, const TScenarioSnapshot::TText& b) {
    return a == b || (a && b && *a == *b) || (!a && b && b->Size() == 0) ||
           (a && !b && a->Size() == 0);
}

} // namespace

std::vector<std::string> ScenarioPictures(const std::string& folder) {
    std::vector<std::string> pictures;
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec))
        return pictures;
    fs::recursive_directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const fs::path relative = it->path().lexically_relative(folder);
        if (it.depth() == 0 && it->is_directory(ec) &&
            relative.string() == ScenarioFolders::BackupsFolderName) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file(ec) && IsPicture(it->path()))
            pictures.push_back(relative.generic_string());
    }
    std::sort(pictures.begin(), pictures.end());
    return pictures;
}

TScenarioSnapshot TScenarioSnapshot::Capture(const TScenarioData& data,
                                             const TScenarioSnapshot* previous) {
    TScenarioSnapshot snapshot;
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const size_t index = static_cast<size_t>(file);
        const TXmlDom& document = data.Document(file);
        snapshot.Revisions_[index] = document.Revision();
        if (previous && previous->Revisions_[index] == document.Revision() &&
            previous->Texts_[index]) {
            snapshot.Texts_[index] = previous->Texts_[index];
            if (CheckSharedDocuments && snapshot.Texts_[index]->Unpack() != document.ToText())
                throw std::logic_error(TScenarioData::FileName(file) +
                                       " changed without being marked changed");
            continue;
        }
        TText text = Pack(document.ToText());
        // A document changed and changed back is the same document.
        if (previous && SameText(previous->Texts_[index], text))
            snapshot.Texts_[index] = previous->Texts_[index];
        else
            snapshot.Texts_[index] = std::move(text);
    }
    snapshot.TakenNs_ = Now();
    for (const std::string& relative : ScenarioPictures(data.Folder())) {
        const fs::path path = fs::path(data.Folder()) / relative;
        const TStamp stamp = StampOf(path);
        TPacked known;
        if (previous) {
            const auto bytes = previous->Pictures_.find(relative);
            const auto seen = previous->Stamps_.find(relative);
            if (bytes != previous->Pictures_.end() && seen != previous->Stamps_.end()) {
                known = bytes->second;
                if (seen->second == stamp && stamp.Size >= 0 &&
                    stamp.ModifiedNs + StampGrainNs < previous->TakenNs_ &&
                    stamp.ChangedNs + StampGrainNs < previous->TakenNs_) {
                    snapshot.Pictures_[relative] = known;
                    snapshot.Stamps_[relative] = stamp;
                    continue;
                }
            }
        }
        TPacked bytes = Pack(FileText::Read(path.string()));
        if (known && *known == *bytes)
            bytes = known;
        snapshot.Pictures_[relative] = std::move(bytes);
        snapshot.Stamps_[relative] = stamp;
    }
    return snapshot;
}

void InstallDocuments(TScenarioData& data, const TScenarioSnapshot::TDocuments& texts) {
    TTexts all{};
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = &texts[i];
    Install(data, all);
}

TScenarioSnapshot TScenarioSnapshot::Restore(TScenarioData& data,
                                             const TScenarioSnapshot* replacing) const {
    TTexts texts{};
    TDocuments unpacked;
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const size_t index = static_cast<size_t>(file);
        // A document still as replacing left it, and the same here, stays.
        const bool same = replacing &&
                          replacing->Revisions_[index] == data.Document(file).Revision() &&
                          SameText(replacing->Texts_[index], Texts_[index]);
        if (!same) {
            unpacked[index] = Document(file);
            texts[index] = &unpacked[index];
        }
    }
    Install(data, texts);
    data.SetChanged();
    TScenarioSnapshot now = *this;
    for (TScenarioFile file : TScenarioData::AllFiles())
        now.Revisions_[static_cast<size_t>(file)] = data.Document(file).Revision();

    std::string failure;
    const fs::path folder(data.Folder());
    if (replacing)
        for (const auto& left : replacing->Pictures_) {
            if (Pictures_.count(left.first))
                continue;
            std::error_code ec;
            fs::remove(folder / left.first, ec);
            if (ec && failure.empty())
                failure = (folder / left.first).string() + ": the picture could not be removed";
        }
    for (const auto& [relative, bytes] : Pictures_) {
        const fs::path path = folder / relative;
        const TStamp stamp = StampOf(path);
        if (replacing) {
            // Unchanged since replacing looked at it: no need to read it.
            const auto was = replacing->Pictures_.find(relative);
            const auto seen = replacing->Stamps_.find(relative);
            if (was != replacing->Pictures_.end() && seen != replacing->Stamps_.end() &&
                was->second == bytes && seen->second == stamp && stamp.Size >= 0 &&
                stamp.ModifiedNs + StampGrainNs < replacing->TakenNs_ &&
                stamp.ChangedNs + StampGrainNs < replacing->TakenNs_) {
                now.Stamps_[relative] = stamp;
                continue;
            }
        }
        const std::string raw = bytes->Unpack();
        bool same = false;
        try {
            same = FileText::Read(path.string()) == raw;
        } catch (const TFileError&) {
            // Missing or unreadable: written below.
        }
        if (!same) {
            try {
                WriteBytes(path, raw);
            } catch (const TFileError& error) {
                if (failure.empty())
                    failure = error.what();
            }
        }
        now.Stamps_[relative] = StampOf(path);
    }
    now.TakenNs_ = Now();
    if (!failure.empty())
        throw TFileError(failure);
    return now;
}

std::string TScenarioSnapshot::Document(TScenarioFile file) const {
    const TText& text = Texts_[static_cast<size_t>(file)];
    return text ? text->Unpack() : std::string();
}

bool TScenarioSnapshot::operator==(const TScenarioSnapshot& other) const {
    for (size_t i = 0; i < Texts_.size(); ++i)
        if (!SameText(Texts_[i], other.Texts_[i]))
            return false;
    if (Pictures_.size() != other.Pictures_.size())
        return false;
    return std::equal(Pictures_.begin(), Pictures_.end(), other.Pictures_.begin(),
                      [](const auto& a, const auto& b) {
                          return a.first == b.first &&
                                 (a.second == b.second || *a.second == *b.second);
                      });
}
