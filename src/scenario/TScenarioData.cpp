#include "scenario/TScenarioData.h"

#include "scenario/InterruptedSaves.h"
#include "scenario/ScenarioFolders.h"
#include "xml/FileText.h"
#include "xml/Progress.h"
#include "xml/TFolderLock.h"

#include <filesystem>

namespace {

const std::array<TScenarioFile, TScenarioData::FileCount> Files = {
    TScenarioFile::Activities,  TScenarioFile::Ads,
    TScenarioFile::Endorsers,   TScenarioFile::Events,
    TScenarioFile::Issues,      TScenarioFile::Parties,
    TScenarioFile::Percentages, TScenarioFile::PoliticalUnits,
    TScenarioFile::Relations,   TScenarioFile::Scenario};

const std::array<const char*, TScenarioData::FileCount> Elements = {
    "activities", "ads",         "endorsers",       "events",    "issues",
    "parties",    "percentages", "political_units", "relations", "scenario"};

// The order in which files are read: settings first.
const std::array<TScenarioFile, TScenarioData::FileCount> LoadOrder = {
    TScenarioFile::Scenario,  TScenarioFile::Activities,  TScenarioFile::Ads,
    TScenarioFile::Endorsers, TScenarioFile::Events,      TScenarioFile::Issues,
    TScenarioFile::Parties,   TScenarioFile::Percentages, TScenarioFile::PoliticalUnits,
    TScenarioFile::Relations};

// The share of each file in an operation over them all is its size, so one
// huge file does not leave most of the bar to the small ones. The last
// entry is the sum.
std::array<double, TScenarioData::FileCount + 1>
SizesOnDisk(const std::string& folder,
            const std::array<TScenarioFile, TScenarioData::FileCount>& files) {
    std::array<double, TScenarioData::FileCount + 1> sizes{};
    for (size_t i = 0; i < files.size(); ++i) {
        std::error_code ec;
        const auto size =
            std::filesystem::file_size(folder + TScenarioData::FileName(files[i]), ec);
        sizes[i] = ec ? 1.0 : static_cast<double>(size) + 1;
        sizes.back() += sizes[i];
    }
    return sizes;
}

} // namespace

const std::array<TScenarioFile, TScenarioData::FileCount>& TScenarioData::AllFiles() {
    return Files;
}

std::string TScenarioData::ElementName(TScenarioFile file) {
    return Elements[static_cast<size_t>(file)];
}

std::string TScenarioData::FileName(TScenarioFile file) {
    return ElementName(file) + ".xml";
}

std::optional<TScenarioFile> TScenarioData::FileNamed(const std::string& name) {
    for (const TScenarioFile file : AllFiles())
        if (FileName(file) == name)
            return file;
    return std::nullopt;
}

void TScenarioData::ReadFiles(const std::string& folder,
                              std::array<TXmlDom, FileCount>& documents) {
    // No other program's save may come between the files read. A folder we
    // may not change is read as it is.
    TFolderLock lock(folder, TFolderLock::TMode::Shared);
    if (lock.CanWrite() && InterruptedSaves::Pending(folder)) {
        // A save that was killed or lost its power is finished (or its
        // traces removed) before anything is read; a journal that cannot
        // be removed stops the next save, not this open.
        lock.Become(TFolderLock::TMode::Exclusive);
        [[maybe_unused]] const int journalLeft = InterruptedSaves::Finish(folder);
        lock.Become(TFolderLock::TMode::Shared);
    }
    const auto sizes = SizesOnDisk(folder, LoadOrder);
    Progress::TOperation progress(sizes.back());
    for (size_t i = 0; i < LoadOrder.size(); ++i) {
        const TScenarioFile file = LoadOrder[i];
        progress.Next("Reading " + FileName(file), sizes[i]);
        TXmlDom& document = documents[static_cast<size_t>(file)];
        if (!document.LoadFromFile(folder + FileName(file)))
            throw TFileError(document.LastError().ToString());
    }
    progress.Done();
}

void TScenarioData::Load(std::string& folder) {
    if (folder.empty())
        return;
    folder = ScenarioFolders::WithTrailingSlash(folder);
    Loaded_ = false;
    ReadFiles(folder, Documents_);
    for (TScenarioFile file : Files)
        OnDisk_[static_cast<size_t>(file)] = {Document(file).ReadStamp(),
                                              Document(file).ReadDigest(), false};
    Folder_ = folder;
    Loaded_ = true;
    Changed_ = false;
}

void TScenarioData::Reload() {
    if (!Loaded_ || Folder_.empty())
        return;
    std::array<TXmlDom, FileCount> read;
    ReadFiles(Folder_, read);
    for (TScenarioFile file : Files) {
        const size_t i = static_cast<size_t>(file);
        OnDisk_[i] = {read[i].ReadStamp(), read[i].ReadDigest(), false};
        Documents_[i].AdoptRoot(read[i].ReleaseRoot());
    }
    Changed_ = true;
}

void TScenarioData::Save() {
    if (!Loaded_ || Folder_.empty())
        return;
    Folder_ = ScenarioFolders::WithTrailingSlash(Folder_);
    TFolderLock lock(Folder_, TFolderLock::TMode::Exclusive);
    InterruptedSaves::FinishBeforeSaving(Folder_);
    TFileTransaction transaction;
    std::array<uint64_t, FileCount> digests{};
    // What the last save or open found there is about what this one writes.
    const auto sizes = SizesOnDisk(Folder_, Files);
    Progress::TOperation progress(sizes.back());
    for (size_t i = 0; i < Files.size(); ++i) {
        progress.Next("Writing " + FileName(Files[i]), sizes[i]);
        const std::string text = Document(Files[i]).ToText();
        digests[static_cast<size_t>(Files[i])] = FileText::Digest(text);
        transaction.Stage(Folder_ + FileName(Files[i]), text);
    }
    transaction.Commit();
    for (TScenarioFile file : Files)
        OnDisk_[static_cast<size_t>(file)] = {TFileStamp::Of(Folder_ + FileName(file)),
                                              digests[static_cast<size_t>(file)], true};
    Changed_ = false;
    progress.Done();
}

void TScenarioData::SaveAs(const std::string& folder) {
    if (!Loaded_)
        return;
    Folder_ = ScenarioFolders::WithTrailingSlash(folder);
    Save();
}

void TScenarioData::CreateFromTemplate(const std::string& templateFile, std::string folder) {
    if (templateFile.empty() || folder.empty())
        return;
    folder = ScenarioFolders::WithTrailingSlash(folder);
    TXmlDom source;
    if (!source.LoadFromFile(templateFile))
        throw TFileError(source.LastError().ToString());
    std::array<const TXmlNode*, FileCount> parts{};
    for (TScenarioFile file : Files)
        if (source.Root())
            parts[static_cast<size_t>(file)] = source.Root()->GetChild(ElementName(file));
    CreateFromRoots(parts, folder);
}

void TScenarioData::CreateFromRoots(const std::array<const TXmlNode*, FileCount>& roots,
                                    std::string folder) {
    for (TScenarioFile file : Files) {
        if (const TXmlNode* root = roots[static_cast<size_t>(file)])
            Document(file).SetRoot(root);
        else
            Document(file).AdoptRoot(nullptr);
    }
    OnDisk_ = {};
    Loaded_ = true;
    Folder_ = ScenarioFolders::WithTrailingSlash(folder);
}

std::optional<TScenarioFile> TScenarioData::FileOf(const TXmlNode* element) const {
    if (!element)
        return std::nullopt;
    const TXmlNode* top = element;
    while (top->Parent())
        top = top->Parent();
    for (TScenarioFile file : Files)
        if (Root(file) == top)
            return file;
    return std::nullopt;
}
