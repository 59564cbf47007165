#include "xml/FileText.h"

#include "xml/TFileError.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const JournalHeader = "stumpcraft save journal\n";
const char* const JournalEnd = "end\n";

std::string SystemText(int error) {
    return error ? std::strerror(error) : "unknown error";
}

std::string Reason(int error) {
    return FileText::WhyNotWritten(error);
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

int64_t Nanoseconds(const timespec& time) {
    return static_cast<int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

TFileStamp StampOf(const struct stat& st) {
    TFileStamp stamp;
    stamp.Device = static_cast<uint64_t>(st.st_dev);
    stamp.Inode = static_cast<uint64_t>(st.st_ino);
    stamp.Size = static_cast<int64_t>(st.st_size);
    stamp.ModifiedNs = Nanoseconds(st.st_mtim);
    stamp.ChangedNs = Nanoseconds(st.st_ctim);
    return stamp;
}

// The STUMPCRAFT_STOP_AFTER hook for tests of concurrent programs.
void StopAfter(const char* kind) {
    struct TWanted {
        std::string Kind;
        int Count = 0;
    };
    static const TWanted wanted = [] {
        TWanted w;
        const char* value = std::getenv("STUMPCRAFT_STOP_AFTER");
        if (!value)
            return w;
        const std::string text = value;
        const size_t space = text.find(' ');
        if (space != std::string::npos) {
            w.Kind = text.substr(0, space);
            w.Count = std::atoi(text.c_str() + space + 1);
        }
        return w;
    }();
    static int done = 0;
    if (!wanted.Kind.empty() && wanted.Kind == kind && ++done == wanted.Count)
        std::raise(SIGSTOP);
}

int Stepped(int error, const char* kind) {
    if (!error)
        StopAfter(kind);
    return error;
}

const char* const JournalFile = ".stumpcraft-journal";
const char* const NewSuffix = ".stumpcraft-new";
const char* const OldSuffix = ".stumpcraft-old";

} // namespace

namespace FileText {

std::string Read(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw TFileError("Cannot open file \"" + path + "\": it is a folder");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TFileError("Cannot open file \"" + path + "\": " + SystemText(errno));
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
        throw TFileError("Cannot read file \"" + path + "\": " + SystemText(errno));
    return bytes;
}

size_t ReadInto(const std::string& path, const std::function<char*(size_t)>& room,
                TFileStamp* stamp) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (stamp)
            *stamp = TFileStamp::Of(path);
        if (fd >= 0)
            ::close(fd);
        // Folders, devices and what cannot be opened: as Read says it.
        const std::string bytes = Read(path);
        char* into = room(bytes.size());
        if (!into)
            throw TFileError("Cannot read file \"" + path + "\": it is too large");
        std::copy(bytes.begin(), bytes.end(), into);
        return bytes.size();
    }
    if (stamp)
        *stamp = StampOf(st);
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
        throw TFileError("Cannot read file \"" + path + "\": " + SystemText(error));
    return done;
}

uint64_t Digest(std::string_view bytes) {
    // FNV-1a over eight bytes at a time, then the tail: linear and cheap
    // beside the parse that read them.
    constexpr uint64_t Prime = 0x100000001b3ULL;
    uint64_t hash = 0xcbf29ce484222325ULL ^ bytes.size();
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        hash = (hash ^ word) * Prime;
        hash ^= hash >> 29;
    }
    for (; i < bytes.size(); ++i)
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * Prime;
    return hash;
}

std::string WhyNotWritten(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "you do not have permission to change it";
    case EROFS:
        return "the file system is read-only";
    case ENOSPC:
        return "the disk is full";
    case EDQUOT:
        return "the disk quota is exhausted";
    case EIO:
        return "the disk reported an error";
    default:
        return SystemText(error);
    }
}

} // namespace FileText

int TFileSystem::MayReplace(const std::string& path) {
    if (::access(path.c_str(), W_OK) != 0)
        return errno;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    return 0;
}

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
    return Stepped(error, BaseName(path) == JournalFile ? "journal" : "write");
}

int TFileSystem::Link(const std::string& from, const std::string& to) {
    if (::unlink(to.c_str()) != 0 && errno != ENOENT)
        return errno;
    if (::link(from.c_str(), to.c_str()) == 0)
        return Stepped(0, "link");
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
    return Stepped(::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno, "rename");
}

int TFileSystem::Remove(const std::string& path) {
    return Stepped(::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno, "remove");
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
    return Stepped(error, "sync");
}

int TFileSystem::OpenLock(const std::string& path, int& fd) {
    fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0)
        return 0;
    const int error = errno;
    if (error != EACCES && error != EPERM && error != EROFS)
        return error;
    // Readers of a folder they may not change still take part.
    fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    return fd >= 0 ? 0 : error;
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

namespace {

constexpr size_t TokenLength = 16;

bool IsToken(const std::string& text) {
    return text.size() == TokenLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::string NewToken() {
    unsigned long long value = 0;
    try {
        std::random_device device;
        value = (static_cast<unsigned long long>(device()) << 32) ^ device();
    } catch (const std::exception&) {
        value = static_cast<unsigned long long>(
                    std::chrono::steady_clock::now().time_since_epoch().count()) ^
                (static_cast<unsigned long long>(::getpid()) << 40);
    }
    char text[TokenLength + 1];
    std::snprintf(text, sizeof text, "%016llx", value);
    return text;
}

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace

std::string TFileTransaction::TemporaryName(const std::string& target, const std::string& token) {
    const std::string middle = token.empty() ? "" : "." + token;
    return (fs::path(ParentOf(target)) / ("." + BaseName(target) + middle + NewSuffix)).string();
}

std::string TFileTransaction::BackupName(const std::string& target) {
    return (fs::path(ParentOf(target)) / ("." + BaseName(target) + OldSuffix)).string();
}

std::string TFileTransaction::JournalName(const std::string& folder) {
    return (fs::path(folder) / JournalFile).string();
}

TFileTransaction::~TFileTransaction() {
    Abandon();
}

std::string TFileTransaction::Folder() const {
    return Entries_.empty() ? std::string(".") : ParentOf(Entries_.front().Target);
}

void TFileTransaction::Stage(const std::string& path, const std::string& bytes) {
    TFileSystem& files = TFileSystem::Current();
    if (Entries_.empty()) {
        // Its journal would be taken for ours, or ours for its.
        const std::string journal = JournalName(ParentOf(path));
        if (Exists(journal))
            throw TFileError("Cannot save \"" + ParentOf(path) +
                             "\": an earlier save is not finished (\"" + journal + "\" remains)");
        Token_ = NewToken();
    }
    Entry entry{path, TemporaryName(path, Token_), BackupName(path), bytes.size()};
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        std::string problem;
        if (S_ISDIR(st.st_mode))
            problem = "it is a folder";
        else if (const int error = files.MayReplace(path))
            problem = Reason(error);
        if (!problem.empty()) {
            Abandon();
            throw TFileError("Cannot replace file \"" + path + "\": " + problem);
        }
        entry.HadOld = true;
    }
    const int error = files.WriteNew(entry.Temporary, bytes, entry.HadOld ? path : "");
    if (error) {
        files.Remove(entry.Temporary);
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
    const auto fail = [&](const std::string& what, const std::string& file, int error) {
        Undo(what + " \"" + file + "\": " + Reason(error));
    };
    if (Journaled_) {
        std::string text = JournalHeader;
        text += "save " + Token_ + " " + LocalTimeNow() + "\n";
        for (const auto& e : Entries_)
            text += BaseName(e.Target) + " " + std::to_string(e.Size) + "\n";
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
    // or save finishes.
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

void TFileTransaction::Undo(const std::string& failure) {
    TFileSystem& files = TFileSystem::Current();
    // Each replaced file goes back to its temporary name before its old copy
    // returns, so a kill in between leaves a journal that rolls forward.
    for (auto it = Entries_.rbegin(); it != Entries_.rend(); ++it) {
        if (!it->Replaced)
            continue;
        if (files.Rename(it->Target, it->Temporary) != 0 ||
            (it->BackedUp && files.Rename(it->Backup, it->Target) != 0)) {
            // The journal and the temporaries stay for the next open.
            const std::string target = it->Target;
            Entries_.clear();
            Journaled_ = false;
            throw TFileError(failure + "; cannot restore file \"" + target +
                             "\" either; the save will be finished when the scenario is "
                             "opened again");
        }
        it->Replaced = false;
        it->BackedUp = false;
    }
    if (Journaled_) {
        files.Remove(JournalName(Folder()));
        files.SyncFolder(Folder());
        Journaled_ = false;
    }
    Abandon();
    throw TFileError(failure);
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

struct TJournal {
    // False when missing, cut short or not ours.
    bool Complete = false;
    // Empty in journals of versions whose temporaries had no token.
    std::string Token;
    std::string Time;
    struct TFile {
        std::string Name;
        long long Size = -1; // -1: not recorded
    };
    std::vector<TFile> Files;
};

// The journal's files that are among names.
TJournal ReadJournal(const std::string& path, const std::vector<std::string>& names) {
    TJournal journal;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return journal;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string header = JournalHeader, end = JournalEnd;
    if (text.rfind(header, 0) != 0 || text.size() < header.size() + end.size() ||
        text.compare(text.size() - end.size(), end.size(), end) != 0)
        return journal;
    std::vector<std::string> lines;
    const size_t stop = text.size() - end.size();
    for (size_t start = header.size(); start < stop;) {
        const size_t newline = text.find('\n', start);
        lines.push_back(text.substr(start, newline - start));
        start = newline + 1;
    }
    const bool named = !lines.empty() && lines.front().rfind("save ", 0) == 0;
    if (named) {
        const std::string save = lines.front().substr(5);
        const size_t space = save.find(' ');
        journal.Token = save.substr(0, space);
        journal.Time = space == std::string::npos ? "" : save.substr(space + 1);
        // The token becomes part of file names: nothing but hex digits.
        if (!IsToken(journal.Token))
            return journal;
        lines.erase(lines.begin());
    }
    for (const std::string& line : lines) {
        TJournal::TFile file{line};
        if (named) {
            const size_t space = line.rfind(' ');
            if (space == std::string::npos)
                return journal;
            file.Name = line.substr(0, space);
            file.Size = std::atoll(line.c_str() + space + 1);
        }
        if (std::find(names.begin(), names.end(), file.Name) != names.end())
            journal.Files.push_back(file);
    }
    journal.Complete = true;
    return journal;
}

bool IsHexToken(const std::string& entry, size_t start, size_t length) {
    return length == TokenLength && IsToken(entry.substr(start, length));
}

// What a save of name leaves until it is done: ".parties.xml.TOKEN.stumpcraft-new",
// ".parties.xml.stumpcraft-old", and from earlier versions
// ".parties.xml.stumpcraft-new" and ".parties.xml.123456.tmp".
bool IsLeftoverOf(const std::string& entry, const std::string& name) {
    const std::string prefix = "." + name + ".";
    if (entry.rfind(prefix, 0) != 0)
        return false;
    const std::string rest = entry.substr(prefix.size());
    const std::string newSuffix = std::string(NewSuffix).substr(1);
    if (rest == newSuffix || rest == std::string(OldSuffix).substr(1))
        return true;
    const auto endsWith = [&](const std::string& suffix) {
        return rest.size() > suffix.size() &&
               rest.compare(rest.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    if (endsWith("." + newSuffix))
        return IsHexToken(rest, 0, rest.size() - newSuffix.size() - 1);
    if (endsWith(".tmp")) {
        const std::string digits = rest.substr(0, rest.size() - 4);
        return std::all_of(digits.begin(), digits.end(),
                           [](char c) { return c >= '0' && c <= '9'; });
    }
    return false;
}

std::vector<std::string> Leftovers(const std::string& folder,
                                   const std::vector<std::string>& names) {
    std::error_code ec;
    std::vector<std::string> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (std::any_of(names.begin(), names.end(),
                        [&](const std::string& name) { return IsLeftoverOf(entry, name); }))
            found.push_back(it->path().string());
    }
    return found;
}

} // namespace

bool TFileTransaction::NeedsRecovery(const std::string& folder,
                                     const std::vector<std::string>& names) {
    return Exists(JournalName(folder)) || !Leftovers(folder, names).empty();
}

int TFileTransaction::Recover(const std::string& folder, const std::vector<std::string>& names) {
    TFileSystem& files = TFileSystem::Current();
    const std::string journalPath = JournalName(folder);
    const TJournal journal = ReadJournal(journalPath, names);
    // A complete journal means every new file of its save was written and
    // synced: the save is finished by renaming what was not yet renamed.
    // Temporaries of any other save are not its files.
    std::string broken;
    std::vector<std::pair<std::string, std::string>> renames;
    if (journal.Complete) {
        for (const TJournal::TFile& file : journal.Files) {
            const std::string target = (fs::path(folder) / file.Name).string();
            const std::string temporary = TemporaryName(target, journal.Token);
            struct stat st;
            if (::lstat(temporary.c_str(), &st) != 0)
                continue;
            if (!S_ISREG(st.st_mode) || (file.Size >= 0 && st.st_size != file.Size)) {
                broken = temporary;
                break;
            }
            renames.emplace_back(temporary, target);
        }
    }
    // All of them or none: a part would mix two versions.
    if (broken.empty()) {
        for (const auto& [temporary, target] : renames)
            if (const int error = files.Rename(temporary, target))
                throw TFileError("Cannot finish the interrupted save of \"" + target +
                                 "\": " + Reason(error));
        if (!renames.empty() && files.SyncFolder(folder) != 0)
            throw TFileError("Cannot finish the interrupted save in \"" + folder + "\"");
    }
    int journalError = 0;
    if (Exists(journalPath)) {
        journalError = files.Remove(journalPath);
        files.SyncFolder(folder);
    }
    for (const std::string& path : Leftovers(folder, names))
        files.Remove(path);
    if (!broken.empty())
        throw TFileError("The save of \"" + folder + "\"" +
                         (journal.Time.empty() ? "" : " begun at " + journal.Time) +
                         " could not be finished: \"" + broken +
                         "\" was not written whole; the files are left as they were");
    return journalError;
}

TFileStamp TFileStamp::Of(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? StampOf(st) : TFileStamp();
}
