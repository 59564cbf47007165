#include "scenario/ScenarioFolders.h"

#include "scenario/OpenMarker.h"
#include "xml/Progress.h"
#include "xml/TextCase.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace ScenarioFolders {

const char* const CreateStructureFailedMessage =
    "Unable to create scenario structure. Ensure you have rights to create directories.";

namespace {

bool IsHidden(const fs::path& p) {
    const std::string name = p.filename().string();
    return !name.empty() && name[0] == '.';
}

thread_local TLookupScope* CurrentScope = nullptr;

std::optional<fs::path> Canonical(const fs::path& folder) {
    if (CurrentScope) {
        const auto known = CurrentScope->Canonical(folder.string());
        return known ? std::optional<fs::path>(*known) : std::nullopt;
    }
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(folder, ec);
    return ec ? std::nullopt : std::optional<fs::path>(std::move(canonical));
}

// Where path leads once every link is followed; empty when links loop or
// cannot be read.
std::optional<fs::path> Resolved(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        const std::optional<fs::path> parent = Canonical(path.parent_path());
        if (!parent)
            return std::nullopt;
        path = *parent / path.filename();
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return path.lexically_normal();
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = target.is_absolute() ? target : *parent / target;
    }
    return std::nullopt;
}

} // namespace

TLookupScope::TLookupScope() : Previous_(CurrentScope) {
    CurrentScope = this;
}

TLookupScope::~TLookupScope() {
    CurrentScope = Previous_;
}

std::optional<std::string> TLookupScope::Canonical(const std::string& folder) {
    const auto [at, added] = Canonical_.try_emplace(folder);
    if (added) {
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(folder, ec);
        if (!ec)
            at->second = canonical.string();
    }
    return at->second;
}

bool IsContained(const std::string& folder, const std::string& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(folder, ec);
    if (ec || folder.empty())
        return false;
    const std::optional<fs::path> canonical = Canonical(absolute);
    if (!canonical)
        return false;
    std::string base = canonical->string();
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    const auto resolved = Resolved(fs::absolute(path, ec));
    if (ec || !resolved)
        return false;
    // Both are normal forms: containment is a prefix ending at a separator.
    const std::string& inside = resolved->native();
    if (inside.size() <= base.size() || inside.compare(0, base.size(), base) != 0)
        return false;
    return base == "/" || inside[base.size()] == '/';
}

std::string WithTrailingSlash(std::string path) {
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

bool DirectoryExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool ListFolders(const std::string& path, std::vector<std::string>* list) {
    if (!list)
        return false;
    std::error_code ec;
    std::vector<std::string> found;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            found.push_back(it->path().filename().string());
    }
    // Directory order is arbitrary on Linux; a sorted list is what people scan.
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        return TextCase::Lower(a) < TextCase::Lower(b);
    });
    for (const auto& name : found)
        if (std::find(list->begin(), list->end(), name) == list->end())
            list->push_back(name);
    return true;
}

void CopyFolder(const std::string& source, const std::string& target) {
    std::error_code ec;
    fs::create_directories(target, ec);
    // Explicit work list instead of recursion: (from, to) folder pairs.
    std::vector<std::pair<fs::path, fs::path>> work{{fs::path(source), fs::path(target)}};
    while (!work.empty()) {
        auto [from, to] = work.back();
        work.pop_back();
        for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code itemError;
            const fs::path dest = to / it->path().filename();
            if (it->is_directory(itemError)) {
                if (IsHidden(it->path()))
                    continue;
                fs::create_directories(dest, itemError);
                work.emplace_back(it->path(), dest);
            } else if (it->path().filename() != OpenMarker::FileName) {
                // Who has the source open has not opened the copy.
                Progress::Report("Copying " + it->path().filename().string());
                fs::copy_file(it->path(), dest, fs::copy_options::overwrite_existing, itemError);
            }
        }
        ec.clear();
    }
}

void DeleteFolder(const std::string& path) {
    std::error_code ec;
    if (!path.empty() && fs::is_directory(path, ec))
        fs::remove_all(path, ec);
}

bool CreateScenarioStructure(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return true;
    const fs::path base(path);
    for (const fs::path& folder :
         {base, base / "activity_images", base / "issue_images", base / "party_images",
          base / "party_images" / "candidates", base / "region_images"}) {
        if (!fs::create_directory(folder, ec) && !fs::is_directory(folder))
            return false;
    }
    return true;
}

std::optional<std::string> ScenarioNameProblem(const std::string& name) {
    if (name.empty())
        return "Please enter a name for the scenario.";
    if (name == "." || name == "..")
        return "\"" + name + "\" cannot be used as a scenario name.";
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return "A scenario name cannot contain \"/\" or \"\\\".";
    if (name.find('\0') != std::string::npos)
        return "A scenario name cannot contain control characters.";
    return std::nullopt;
}

bool IsInsideName(const std::string& name) {
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (relative.empty() || relative[0] == '/')
        return false;
    for (const auto& part : fs::path(relative))
        if (part == "..")
            return false;
    return true;
}

std::optional<std::string> FindFileIgnoringCase(const std::string& folder,
                                                const std::string& name) {
    // A name that climbs out of folder is never one of its files.
    if (!IsInsideName(name))
        return std::nullopt;
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::error_code ec;
    const fs::path exact = fs::path(folder) / relative;
    if (!relative.empty() && fs::is_regular_file(exact, ec))
        return IsContained(folder, exact.string()) ? std::optional(exact.string()) : std::nullopt;
    fs::path current(folder);
    for (const auto& part : fs::path(relative)) {
        if (part.empty() || part == ".")
            continue;
        const std::string wanted = TextCase::Lower(part.string());
        std::optional<fs::path> match;
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec))
            if (TextCase::Lower(it->path().filename().string()) == wanted) {
                match = it->path();
                break;
            }
        if (!match)
            return std::nullopt;
        current = *match;
    }
    if (relative.empty() || !fs::is_regular_file(current, ec) ||
        !IsContained(folder, current.string()))
        return std::nullopt;
    return current.string();
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace ScenarioFolders
