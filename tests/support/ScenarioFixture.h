#pragma once

#include "scenario/TScenarioData.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// A scratch folder removed when the object goes away.
class TTemporaryFolder {
public:
    TTemporaryFolder();
    ~TTemporaryFolder();
    TTemporaryFolder(const TTemporaryFolder&) = delete;
    TTemporaryFolder& operator=(const TTemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return Path_; }
    std::string Str() const { return Path_.string() + "/"; }

private:
    std::filesystem::path Path_;
};

// The sample scenario that ships with the program.
inline const std::string Sample = SHIPPED_DATA_DIR "/scenarios/Tellavar - 2008/";

namespace TestScenario {

// tests/data/<relative>
std::string DataPath(const std::string& relative);
// Copies a scenario folder (absolute, or relative to tests/data) into
// target and loads it from there.
std::unique_ptr<TScenarioData> LoadCopy(const std::string& source, const TTemporaryFolder& target);
// A scenario whose ten documents are parsed from texts (missing ones stay
// without root), loaded in memory with folder as its folder.
std::unique_ptr<TScenarioData>
FromTexts(const std::vector<std::pair<TScenarioFile, std::string>>& documents,
          const std::string& folder = "/nonexistent/");

// The element at a path such as /parties/party[2]/name (ElementTargets'
// form); null when there is none.
TXmlNode* At(TScenarioData& data, TScenarioFile file, const std::string& path);
// The words of text, split at blanks.
std::vector<std::string> Words(const std::string& text);
// The names of node's children, in order.
std::vector<std::string> ChildNames(const TXmlNode* node);
// The id attributes of node's children, in order.
std::vector<std::string> ChildIds(const TXmlNode* node);
// "name=text|name=text" for node's children, in order.
std::string Shape(const TXmlNode* node);
// The text at a path of child names below parent ("seat/type"); "<missing>"
// when there is no such element.
std::string TextAt(const TXmlNode* parent, const std::string& path);
// Every element of root's tree (root included) named name ("" for any name)
// whose id attribute is id.
std::vector<const TXmlNode*> Naming(const TXmlNode* root, const std::string& name,
                                    const std::string& id);
// Ten small files in folder, each its root around <item id="1">, holding
// the root's name; returns their texts by file name.
std::map<std::string, std::string> WriteSmallScenario(const std::filesystem::path& folder);
// Writes bytes to path, making its folder first; ReadFile reads a file whole.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);
// Each document's text as it would be written, in the order of AllFiles.
std::vector<std::string> DocumentTexts(const TScenarioData& data);
// The full texts of the messages, in order.
std::vector<std::string> MessageTexts(const TScenarioData& data);
// The message of the TFileError that work throws; "(no error)" when it
// throws none.
std::string FileErrorText(const std::function<void()>& work);
// The names in folder, without the lock file that every open and save
// leaves there.
std::set<std::string> FolderEntries(const std::filesystem::path& folder);

} // namespace TestScenario
