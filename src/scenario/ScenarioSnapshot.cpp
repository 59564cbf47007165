#include "scenario/ScenarioSnapshot.h"

#include "scenario/ScenarioBackups.h"
#include "xml/FileText.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

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
            relative.string() == ScenarioBackups::FolderName) {
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
    for (TScenarioFile file : TScenarioData::AllFiles())
        snapshot.Documents_[static_cast<size_t>(file)] = data.Document(file).ToText();
    for (const std::string& relative : ScenarioPictures(data.Folder())) {
        auto bytes = std::make_shared<const std::string>(
            FileText::Read((fs::path(data.Folder()) / relative).string()));
        if (previous) {
            const auto known = previous->Pictures_.find(relative);
            if (known != previous->Pictures_.end() && *known->second == *bytes)
                bytes = known->second;
        }
        snapshot.Pictures_[relative] = std::move(bytes);
    }
    return snapshot;
}

void InstallDocuments(TScenarioData& data, const TScenarioSnapshot::TDocuments& texts) {
    std::array<TXmlDom, TScenarioData::FileCount> parsed;
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const size_t index = static_cast<size_t>(file);
        // A document without a root (an incomplete template) has no text.
        if (texts[index].empty())
            continue;
        if (!parsed[index].Parse(texts[index])) {
            TParseError error = parsed[index].LastError();
            error.FileName = TScenarioData::FileName(file);
            throw TFileError(error.ToString());
        }
    }
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const TXmlNode* root = parsed[static_cast<size_t>(file)].Root();
        if (root)
            data.Document(file).SetRoot(root);
        else
            data.Document(file).AdoptRoot(nullptr);
    }
}

void TScenarioSnapshot::Restore(TScenarioData& data, const TScenarioSnapshot* replacing) const {
    InstallDocuments(data, Documents_);
    data.SetChanged();
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
        bool same = false;
        try {
            same = FileText::Read((folder / relative).string()) == *bytes;
        } catch (const TFileError&) {
            // Missing or unreadable: written below.
        }
        if (same)
            continue;
        try {
            WriteBytes(folder / relative, *bytes);
        } catch (const TFileError& error) {
            if (failure.empty())
                failure = error.what();
        }
    }
    if (!failure.empty())
        throw TFileError(failure);
}

bool TScenarioSnapshot::operator==(const TScenarioSnapshot& other) const {
    if (Documents_ != other.Documents_ || Pictures_.size() != other.Pictures_.size())
        return false;
    return std::equal(Pictures_.begin(), Pictures_.end(), other.Pictures_.begin(),
                      [](const auto& a, const auto& b) {
                          return a.first == b.first &&
                                 (a.second == b.second || *a.second == *b.second);
                      });
}
