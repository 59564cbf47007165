#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Who a file is and when it last changed, as the system says: enough to see
// that it was written or replaced since, without reading it.
struct TFileStamp {
    uint64_t Device = 0;
    uint64_t Inode = 0;
    int64_t Size = -1; // -1: there was no such file
    int64_t ModifiedNs = 0;
    int64_t ChangedNs = 0;
    bool operator==(const TFileStamp&) const = default;
    bool Exists() const { return Size >= 0; }
    static TFileStamp Of(const std::string& path);
};

// Whole-file reading and all-or-nothing writing of several files.
namespace FileText {
// Throws TFileError naming the file and the reason.
std::string Read(const std::string& path);
// The same, into the buffer that room(size) hands out for the file's size;
// returns how many bytes it holds. Throws TFileError also when room gives
// none.
// The file's stamp, taken from the open file before it is read, goes to
// stamp when given.
size_t ReadInto(const std::string& path, const std::function<char*(size_t)>& room,
                TFileStamp* stamp = nullptr);
// A fast digest of bytes, to tell contents apart (not for security).
uint64_t Digest(std::string_view bytes);
// Why a file could not be changed, in the designer's words ("the disk is
// full"); the system's own text for causes without words of ours.
std::string WhyNotWritten(int error);
} // namespace FileText

// The file operations a save is made of, one call per step. Each returns 0 or
// an errno value. Tests derive from it to make any single step fail or stop.
//
// Tests of several programs at once stop a real program at a chosen step:
// with STUMPCRAFT_STOP_AFTER="KIND N" in its environment, the program stops
// itself (SIGSTOP, as Ctrl+Z does) just after its N-th successful step of
// that kind: write, journal (writing a save's journal), link, rename, remove
// or sync. Without the variable nothing happens.
class TFileSystem {
public:
    virtual ~TFileSystem() = default;
    // 0 when path may be replaced, else why not: a file without any write
    // permission was made read-only on purpose and is kept even from root.
    virtual int MayReplace(const std::string& path);
    // Creates path (removing an entry of that name first, never following a
    // link), writes bytes and flushes them to the disk. When like names an
    // existing file, the new file gets its mode bits and, where allowed, its
    // owner.
    virtual int WriteNew(const std::string& path, const std::string& bytes,
                         const std::string& like);
    // A second name for a file; a copy where the file system has no links.
    virtual int Link(const std::string& from, const std::string& to);
    virtual int Rename(const std::string& from, const std::string& to);
    virtual int Remove(const std::string& path);
    virtual int SyncFolder(const std::string& folder);
    // Opens (creating it when missing) the lock file path for reading and
    // writing, or for reading only where it may not be written.
    virtual int OpenLock(const std::string& path, int& fd);

    // The one every transaction uses; a test installs its own (null restores
    // the real one). Returns the previous one.
    static TFileSystem& Current();
    static TFileSystem* Install(TFileSystem* fileSystem);
};

// Replaces a set of files in one folder so that each save ends with all of
// them new or all of them old, even when the process is killed or the power
// fails:
// 1. Stage writes each new content to ".NAME.TOKEN.stumpcraft-new" and syncs
//    it; TOKEN is random and names this save.
// 2. Commit writes a journal naming the save and its files with their sizes,
//    then for each file keeps the old one as ".NAME.stumpcraft-old" (a hard
//    link) and renames the new one over it, then syncs the folder: the save
//    is done.
// 3. It removes the journal and the old copies.
// A step that fails undoes everything before it. A save that was killed
// after writing its journal is finished by Recover on the next open; one
// killed before leaves only temporaries, which Recover removes. No save
// starts while the journal of another remains. The caller keeps other
// programs out (TFolderLock).
class TFileTransaction {
public:
    TFileTransaction() = default;
    TFileTransaction(const TFileTransaction&) = delete;
    TFileTransaction& operator=(const TFileTransaction&) = delete;
    ~TFileTransaction();

    // Refuses a target that is a folder or that the user may not write, and
    // a folder that holds the journal of an unfinished save, then writes the
    // temporary file. Throws TFileError naming the file and the reason; the
    // transaction is then abandoned.
    void Stage(const std::string& path, const std::string& bytes);
    // Throws TFileError naming the file and the reason; every target is then
    // its old self again.
    void Commit();
    void Abandon();

    // Finishes or clears an interrupted save of the named files in folder,
    // and removes temporaries left by killed saves. Only the temporaries of
    // the journal's own save, whole, are renamed into place. Throws
    // TFileError when a journaled save cannot be finished, saying which.
    // Returns 0, or the error with which the journal of a finished save
    // could not be removed: no save may start then.
    [[nodiscard]] static int Recover(const std::string& folder,
                                     const std::vector<std::string>& names);
    // Whether folder holds a journal or temporaries for Recover to handle.
    static bool NeedsRecovery(const std::string& folder, const std::vector<std::string>& names);

    static std::string TemporaryName(const std::string& target, const std::string& token);
    static std::string BackupName(const std::string& target);
    static std::string JournalName(const std::string& folder);

private:
    struct Entry {
        std::string Target;
        std::string Temporary;
        std::string Backup;
        size_t Size = 0;
        bool HadOld = false;
        bool BackedUp = false;
        bool Replaced = false;
    };
    std::string Folder() const;
    // Puts every old file back, then throws failure; when that cannot be
    // done, throws why, leaving the journal for the next open.
    [[noreturn]] void Undo(const std::string& failure);
    std::vector<Entry> Entries_;
    std::string Token_;
    bool Journaled_ = false;
};
