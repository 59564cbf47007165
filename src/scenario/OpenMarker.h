#pragma once

#include <optional>
#include <string>

// The small file an editor leaves in the scenario folder it has open, as
// office programs do, so a second editor (another user's, on another host, or
// a second one here) can say who has it open before both save over each
// other. It advises and never locks: the folder lock guards each save.
namespace OpenMarker {

constexpr const char* FileName = ".stumpcraft-open";

struct TOwner {
    std::string User;
    std::string Host;
    long long Pid = 0;
    long long Since = 0; // seconds since the epoch

    bool operator==(const TOwner&) const = default;
};

// This process, now.
TOwner Me();

// The editor named in folder's file when it is another one that may still
// have the folder open: another user's or host's, or a live process here
// other than this one. None when there is no such file, it cannot be read,
// or it names this process or one on this host that has ended.
std::optional<TOwner> Elsewhere(const std::string& folder);

// Leaves this process's file in folder, replacing any other; false (and
// nothing written) when the folder cannot be written.
bool Leave(const std::string& folder);
// Removes folder's file when it names this process.
void Remove(const std::string& folder);

// "alice on desk-7 (process 4242) since 2026-12-08 09:14"
std::string Describe(const TOwner& owner);

// Tests read and write the file's form directly.
std::string ToText(const TOwner& owner);
std::optional<TOwner> FromText(const std::string& text);

} // namespace OpenMarker
