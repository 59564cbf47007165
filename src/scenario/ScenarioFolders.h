#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Folder operations of the scenarios directory. Paths may be given with or
// without a trailing "/".
namespace ScenarioFolders {

// The folder inside a scenario folder that holds its backups.
constexpr const char* BackupsFolderName = "backups";

std::string WithTrailingSlash(std::string path);
bool DirectoryExists(const std::string& path);
// Appends the subfolder names of path not yet in list; false without a list.
bool ListFolders(const std::string& path, std::vector<std::string>* list);
// Copies source into target (created when missing), replacing files of the
// same name; folders whose names begin with "." are skipped. Failures of
// single copies are ignored.
void CopyFolder(const std::string& source, const std::string& target);
// Deletes path and everything in it; failures are ignored.
void DeleteFolder(const std::string& path);
// Creates the scenario folder with its five picture folders. True when the
// folder existed already or everything was created.
bool CreateScenarioStructure(const std::string& path);
extern const char* const CreateStructureFailedMessage;

// A name the user typed for a scenario folder: not empty, not "." or "..",
// no path separator. Empty when acceptable, else the reason.
std::optional<std::string> ScenarioNameProblem(const std::string& name);

// A file name that stays inside its folder: relative, without "..".
bool IsInsideName(const std::string& name);
// Whether path, once every symbolic link on the way is followed (a dangling
// one too), stays inside folder. A scenario received from someone else may
// hold links to anywhere; no picture is read or written through them.
bool IsContained(const std::string& folder, const std::string& path);
// Scenario folders made on Windows ignore letter case: the path of the file
// named name in folder, exactly or else in any letter case; empty when none
// or when the name or a link leaves the folder.
std::optional<std::string> FindFileIgnoringCase(const std::string& folder, const std::string& name);

// While one lives (a verification run), the folders that IsContained and
// FindFileIgnoringCase resolve on this thread are resolved once each, so
// checking thousands of pictures does not walk the same folders thousands
// of times. Nothing the run itself changes on disk may depend on them.
class TLookupScope {
public:
    TLookupScope();
    ~TLookupScope();
    TLookupScope(const TLookupScope&) = delete;
    TLookupScope& operator=(const TLookupScope&) = delete;

    // Where folder leads once every link is followed; empty on an error.
    std::optional<std::string> Canonical(const std::string& folder);

private:
    std::unordered_map<std::string, std::optional<std::string>> Canonical_;
    TLookupScope* Previous_;
};

// The lines of a text file ("scenarios.txt"); empty when it cannot be read.
std::vector<std::string> ReadLines(const std::string& path);

} // namespace ScenarioFolders
