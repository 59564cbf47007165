#pragma once

#include "scenario/TVerificationMessage.h"
#include "xml/TXmlDom.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The ten documents of a scenario, in the order the template lists them.
enum class TScenarioFile {
    Activities,
    Ads,
    Endorsers,
    Events,
    Issues,
    Parties,
    Percentages,
    PoliticalUnits,
    Relations,
    Scenario
};

// The open scenario: its folder, its ten documents and the verification
// messages of the last run.
class TScenarioData {
public:
    static constexpr size_t FileCount = 10;
    static const std::array<TScenarioFile, FileCount>& AllFiles();
    // "activities.xml" ...
    static std::string FileName(TScenarioFile file);
    // The file called name ("parties.xml"); empty for no scenario file.
    static std::optional<TScenarioFile> FileNamed(const std::string& name);
    // "activities" ... : the element name in the template and the root name.
    static std::string ElementName(TScenarioFile file);

    TScenarioData() = default;
    TScenarioData(const TScenarioData&) = delete;
    TScenarioData& operator=(const TScenarioData&) = delete;

    // Loads the ten files of folder (a trailing "/" is added to the caller's
    // string). Throws TFileError for a file that is missing or does not
    // parse (the message names file, line, column and reason); the scenario
    // then stays unloaded. An interrupted save is finished first (see
    // TFileTransaction::Recover). Reads under the folder's shared lock:
    // throws TFolderBusy while another program saves for too long.
    void Load(std::string& folder);
    // Writes all ten files at once: either all are replaced or none is.
    // Throws TFileError naming the file and the reason (TFolderBusy when
    // another program is saving).
    void Save();
    void SaveAs(const std::string& folder);
    // Reads the ten files of the folder again, replacing every document
    // (all of them or, when a file fails, none), marked changed. Throws as
    // Load.
    void Reload();
    // Installs the template's ten children as the documents; writes nothing.
    // Throws TFileError when the template cannot be read.
    void CreateFromTemplate(const std::string& templateFile, std::string folder);
    // Installs copies of roots (in AllFiles order; null for none) as the
    // documents of folder; reads and writes nothing.
    void CreateFromRoots(const std::array<const TXmlNode*, FileCount>& roots, std::string folder);

    TXmlDom& Document(TScenarioFile file) { return Documents_[static_cast<size_t>(file)]; }
    const TXmlDom& Document(TScenarioFile file) const {
        return Documents_[static_cast<size_t>(file)];
    }
    TXmlNode* Root(TScenarioFile file) const { return Document(file).Root(); }
    TXmlNode* Activities() const { return Root(TScenarioFile::Activities); }
    TXmlNode* Ads() const { return Root(TScenarioFile::Ads); }
    TXmlNode* Endorsers() const { return Root(TScenarioFile::Endorsers); }
    TXmlNode* Events() const { return Root(TScenarioFile::Events); }
    TXmlNode* Issues() const { return Root(TScenarioFile::Issues); }
    TXmlNode* Parties() const { return Root(TScenarioFile::Parties); }
    TXmlNode* Percentages() const { return Root(TScenarioFile::Percentages); }
    TXmlNode* PoliticalUnits() const { return Root(TScenarioFile::PoliticalUnits); }
    TXmlNode* Relations() const { return Root(TScenarioFile::Relations); }
    TXmlNode* Scenario() const { return Root(TScenarioFile::Scenario); }
    // Which document an element belongs to; empty when none.
    std::optional<TScenarioFile> FileOf(const TXmlNode* element) const;

    const std::string& Folder() const { return Folder_; }
    bool Loaded() const { return Loaded_; }
    // Set by verification repairs and editors; cleared by a successful save.
    bool Changed() const { return Changed_; }
    void SetChanged(bool changed = true) { Changed_ = changed; }

    // A file as this scenario last read or wrote it.
    struct TOnDisk {
        TFileStamp Stamp;
        uint64_t Digest = 0;
        // The bytes are those the document writes now.
        bool Written = false;
    };
    const TOnDisk& OnDisk(TScenarioFile file) const { return OnDisk_[static_cast<size_t>(file)]; }

    std::vector<TVerificationMessage>& Messages() { return Messages_; }
    const std::vector<TVerificationMessage>& Messages() const { return Messages_; }

private:
    // Reads the files of folder into documents.
    static void ReadFiles(const std::string& folder, std::array<TXmlDom, FileCount>& documents);

    std::array<TXmlDom, FileCount> Documents_;
    std::array<TOnDisk, FileCount> OnDisk_{};
    std::string Folder_;
    bool Loaded_ = false;
    bool Changed_ = false;
    std::vector<TVerificationMessage> Messages_;
};
