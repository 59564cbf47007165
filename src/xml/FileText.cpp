#include "xml/FileText.h"

#include "xml/TXmlDom.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const JournalHeader = "stumpcraft save journal\n";
const char* const JournalEnd = "end\n";

std::string Reason(int error) {
    return error ? std::strerror(error) : "unknown error";
}

std::string ParentOf(const std::string& path) {
    const std::string parent = fs::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

std::string BaseName(const std::string& path) {
    return fs::path(path).filename().string();
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Root may write anything, but a file without any write permission was
// made read-only on purpose and is not replaced behind the user's back.
bool MayWrite(const std::string& path, const struct stat& st) {
    if (::access(path.c_str(), W_OK) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

int WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

TFileSystem* Installed = nullptr;

} // namespace

namespace FileText {

std::string Read(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw TFileError("Cannot open file \"" + path + "\": it is a folder");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TFileError("Cannot open file \"" + path + "\": " + Reason(errno));
    // One read of the whole file; what cannot tell its size is read as a stream.
    std::string bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0 && in) {
        bytes.resize(static_cast<size_t>(size));
        in.read(bytes.data(), size);
        bytes.resize(static_cast<size_t>(in.gcount()));
    } else {
        in.clear();
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (in.bad())
        throw TFileError("Cannot read file \"" + path + "\": " + Reason(errno));
    return bytes;
}

size_t ReadInto(const std::string& path, const std::function<char*(size_t)>& room) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        // Folders, devices and what cannot be opened: as Read says it.
        const std::string bytes = Read(path);
        char* into = room(bytes.size());
        if (!into)
            throw TFileError("Cannot read file \"" + path + "\": it is too large");
        std::memcpy(into, bytes.data(), bytes.size());
        return bytes.size();
    }
    const size_t size = static_cast<size_t>(st.st_size);
    char* into = room(size);
    size_t done = 0;
    int error = into ? 0 : EFBIG;
    while (!error && done < size) {
        const ssize_t n = ::read(fd, into + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        else if (n == 0)
            break; // shorter than it was a moment ago
        else
            done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (error)
        throw TFileError("Cannot read file \"" + path + "\": " + Reason(error));
    return done;
}

} // namespace FileText

int TFileSystem::WriteNew(const std::string& path, const std::string& bytes,
                          const std::string& like) {
    // A write beyond the file size limit must fail with EFBIG and roll the
    // save back, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return errno;
    struct stat old;
    const bool hasOld = !like.empty() && ::stat(like.c_str(), &old) == 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          hasOld ? 0600 : 0666);
    if (fd < 0)
        return errno;
    int error = 0;
    if (hasOld) {
        // The owner first: changing it may clear set-id bits the mode restores.
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            error = errno;
    }
    if (!error)
        error = WriteAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error)
        ::unlink(path.c_str());
    return error;
}

int TFileSystem::Link(const std::string& from, const std::string& to) {
    if (::unlink(to.c_str()) != 0 && errno != ENOENT)
        return errno;
    if (::link(from.c_str(), to.c_str()) == 0)
        return 0;
    const int error = errno;
    // File systems without hard links (FAT on a memory stick) get a copy.
    if (error != EPERM && error != EOPNOTSUPP && error != EMLINK)
        return error;
    try {
        return TFileSystem::WriteNew(to, FileText::Read(from), from);
    } catch (const TFileError&) {
        return error;
    }
}

int TFileSystem::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int TFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

int TFileSystem::SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = ::fsync(fd) == 0 ? 0 : errno;
    // Some file systems cannot sync a folder; the renames are then as safe
    // as they can be made.
    if (error == EINVAL || error == ENOTSUP)
        error = 0;
    ::close(fd);
    return error;
}

TFileSystem& TFileSystem::Current() {
    static TFileSystem real;
    return Installed ? *Installed : real;
}

TFileSystem* TFileSystem::Install(TFileSystem* fileSystem) {
    TFileSystem* previous = Installed;
    Installed = fileSystem;
    return previous;
}

std::string TFileTransaction::TemporaryName(const std::string& target) {
    return (fs::path(ParentOf(target)) / ("." + BaseName(target) + ".stumpcraft-new")).string();
}

std::string TFileTransaction::BackupName(const std::string& target) {
    return (fs::path(ParentOf(target)) / ("." + BaseName(target) + ".stumpcraft-old")).string();
}

std::string TFileTransaction::JournalName(const std::string& folder) {
    return (fs::path(folder) / ".stumpcraft-journal").string();
}

TFileTransaction::~TFileTransaction() {
    Abandon();
}

std::string TFileTransaction::Folder() const {
    return Entries_.empty() ? std::string(".") : ParentOf(Entries_.front().Target);
}

void TFileTransaction::Stage(const std::string& path, const std::string& bytes) {
    Entry entry{path, TemporaryName(path), BackupName(path)};
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        std::string problem;
        if (S_ISDIR(st.st_mode))
            problem = "it is a folder";
        else if (!MayWrite(path, st))
            problem = "you do not have permission to change it";
        if (!problem.empty()) {
            Abandon();
            throw TFileError("Cannot replace file \"" + path + "\": " + problem);
        }
        entry.HadOld = true;
    }
    const int error =
        TFileSystem::Current().WriteNew(entry.Temporary, bytes, entry.HadOld ? path : "");
    if (error) {
        TFileSystem::Current().Remove(entry.Temporary);
        Abandon();
        throw TFileError("Cannot create file \"" + path + "\": " + Reason(error));
    }
    Entries_.push_back(std::move(entry));
}

void TFileTransaction::Commit() {
    if (Entries_.empty())
        return;
    TFileSystem& files = TFileSystem::Current();
    const std::string folder = Folder();
    const std::string journal = JournalName(folder);
    // One file is replaced atomically by its rename; a set needs the journal.
    Journaled_ = Entries_.size() > 1 &&
                 std::all_of(Entries_.begin(), Entries_.end(),
                             [&](const Entry& e) { return ParentOf(e.Target) == folder; });
    // file by value: undoing clears the entries it may come from.
    const auto fail = [&](const std::string& what, std::string file, int error) {
        Undo();
        throw TFileError(what + " \"" + file + "\": " + Reason(error));
    };
    if (Journaled_) {
        std::string text = JournalHeader;
        for (const auto& e : Entries_)
            text += BaseName(e.Target) + "\n";
        text += JournalEnd;
        if (const int error = files.WriteNew(journal, text, ""))
            fail("Cannot create file", journal, error);
        if (const int error = files.SyncFolder(folder))
            fail("Cannot save the folder of", journal, error);
    }
    for (auto& e : Entries_) {
        if (e.HadOld) {
            if (const int error = files.Link(e.Target, e.Backup))
                fail("Cannot keep the old copy of", e.Target, error);
            e.BackedUp = true;
        }
        if (const int error = files.Rename(e.Temporary, e.Target))
            fail("Cannot replace file", e.Target, error);
        e.Replaced = true;
    }
    if (const int error = files.SyncFolder(folder))
        fail("Cannot save the folder of", Entries_.front().Target, error);
    // Saved. What remains is tidying up; whatever fails here the next open
    // finishes.
    if (Journaled_) {
        files.Remove(journal);
        files.SyncFolder(folder);
    }
    for (const auto& e : Entries_)
        if (e.BackedUp)
            files.Remove(e.Backup);
    Entries_.clear();
    Journaled_ = false;
}

void TFileTransaction::Undo() {
    TFileSystem& files = TFileSystem::Current();
    // Each replaced file goes back to its temporary name before its old copy
    // returns, so a kill in between leaves a journal that rolls forward.
    for (auto it = Entries_.rbegin(); it != Entries_.rend(); ++it) {
        if (it->Replaced) {
            if (files.Rename(it->Target, it->Temporary) != 0 ||
                (it->BackedUp && files.Rename(it->Backup, it->Target) != 0)) {
                Entries_.clear();
                throw TFileError("Cannot restore file \"" + it->Target +
                                 "\"; the save will be finished when the scenario is opened "
                                 "again");
            }
            it->Replaced = false;
            it->BackedUp = false;
        }
    }
    if (Journaled_) {
        files.Remove(JournalName(Folder()));
        files.SyncFolder(Folder());
        Journaled_ = false;
    }
    Abandon();
}

void TFileTransaction::Abandon() {
    TFileSystem& files = TFileSystem::Current();
    for (const auto& e : Entries_) {
        files.Remove(e.Temporary);
        if (e.BackedUp)
            files.Remove(e.Backup);
    }
    Entries_.clear();
}

namespace {

// The names a complete journal lists that are among names; empty when the
// journal is missing or was cut short.
std::vector<std::string> JournaledNames(const std::string& journal,
                                        const std::vector<std::string>& names) {
    std::ifstream in(journal, std::ios::binary);
    if (!in)
        return {};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string header = JournalHeader, end = JournalEnd;
    if (text.rfind(header, 0) != 0 || text.size() < header.size() + end.size() ||
        text.compare(text.size() - end.size(), end.size(), end) != 0)
        return {};
    std::vector<std::string> found;
    size_t start = header.size();
    const size_t stop = text.size() - end.size();
    while (start < stop) {
        const size_t newline = text.find('\n', start);
        const std::string name = text.substr(start, newline - start);
        if (std::find(names.begin(), names.end(), name) != names.end())
            found.push_back(name);
        start = newline + 1;
    }
    return found;
}

// ".parties.xml.123456.tmp": what saves before the journal left behind.
bool IsOldStyleTemporary(const std::string& entry, const std::string& name) {
    const std::string prefix = "." + name + ".", suffix = ".tmp";
    if (entry.size() <= prefix.size() + suffix.size() || entry.rfind(prefix, 0) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string digits =
        entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

void TFileTransaction::Recover(const std::string& folder, const std::vector<std::string>& names) {
    TFileSystem& files = TFileSystem::Current();
    const std::string journal = JournalName(folder);
    const std::vector<std::string> journaled = JournaledNames(journal, names);
    // A complete journal means every new file was written and synced: the
    // save is finished by renaming whatever was not yet renamed.
    for (const std::string& name : journaled) {
        const std::string target = (fs::path(folder) / name).string();
        const std::string temporary = TemporaryName(target);
        if (Exists(temporary))
            if (const int error = files.Rename(temporary, target))
                throw TFileError("Cannot finish the interrupted save of \"" + target +
                                 "\": " + Reason(error));
    }
    if (!journaled.empty() && files.SyncFolder(folder) != 0)
        throw TFileError("Cannot finish the interrupted save in \"" + folder + "\"");
    if (Exists(journal)) {
        files.Remove(journal);
        files.SyncFolder(folder);
    }
    std::error_code ec;
    std::vector<std::string> stale;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        for (const std::string& name : names)
            if (entry == "." + name + ".stumpcraft-new" ||
                entry == "." + name + ".stumpcraft-old" || IsOldStyleTemporary(entry, name))
                stale.push_back(it->path().string());
    }
    for (const std::string& path : stale)
        files.Remove(path);
}
