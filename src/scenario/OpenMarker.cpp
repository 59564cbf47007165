#include "scenario/OpenMarker.h"

#include "xml/FileText.h"
#include "xml/TXmlDom.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace OpenMarker {

namespace {

std::string PathIn(const std::string& folder) {
    return (fs::path(folder) / FileName).string();
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return "unknown host";
    return name;
}

std::string UserName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return entry->pw_name;
    return "user " + std::to_string(::geteuid());
}

bool Alive(long long pid) {
    if (pid <= 0)
        return false;
    // EPERM: it lives, under another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

TOwner Me() {
    return {UserName(), HostName(), static_cast<long long>(::getpid()),
            static_cast<long long>(std::time(nullptr))};
}

std::string ToText(const TOwner& owner) {
    return "user=" + owner.User + "\nhost=" + owner.Host + "\npid=" + std::to_string(owner.Pid) +
           "\nsince=" + std::to_string(owner.Since) + "\n";
}

std::optional<TOwner> FromText(const std::string& text) {
    TOwner owner;
    bool pid = false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        try {
            if (key == "user")
                owner.User = value;
            else if (key == "host")
                owner.Host = value;
            else if (key == "pid")
                owner.Pid = std::stoll(value), pid = true;
            else if (key == "since")
                owner.Since = std::stoll(value);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    if (!pid || owner.Host.empty())
        return std::nullopt;
    return owner;
}

std::optional<TOwner> Elsewhere(const std::string& folder) {
    std::optional<TOwner> owner;
    try {
        owner = FromText(FileText::Read(PathIn(folder)));
    } catch (const TFileError&) {
        return std::nullopt;
    }
    if (!owner)
        return std::nullopt;
    const TOwner me = Me();
    if (owner->Host == me.Host && owner->User == me.User && owner->Pid == me.Pid)
        return std::nullopt;
    // Only a process of this host can be asked whether it still runs.
    if (owner->Host == me.Host && !Alive(owner->Pid))
        return std::nullopt;
    return owner;
}

bool Leave(const std::string& folder) {
    // Not through the save's file operations: no save step is taken here.
    const int fd = ::open(PathIn(folder).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const std::string text = ToText(Me());
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!written)
        ::unlink(PathIn(folder).c_str());
    return written;
}

void Remove(const std::string& folder) {
    std::optional<TOwner> owner;
    try {
        owner = FromText(FileText::Read(PathIn(folder)));
    } catch (const TFileError&) {
        return;
    }
    const TOwner me = Me();
    if (owner && owner->Host == me.Host && owner->Pid == me.Pid)
        ::unlink(PathIn(folder).c_str());
}

std::string Describe(const TOwner& owner) {
    const std::time_t since = static_cast<std::time_t>(owner.Since);
    std::tm local{};
    localtime_r(&since, &local);
    char when[32];
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
    return (owner.User.empty() ? std::string("someone") : owner.User) + " on " + owner.Host +
           " (process " + std::to_string(owner.Pid) + ") since " + when;
}

} // namespace OpenMarker
