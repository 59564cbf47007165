#pragma once

#include <functional>
#include <string>
#include <vector>

// Whole-file reading and all-or-nothing writing of several files.
namespace FileText {
// Throws TFileError naming the file and the reason.
std::string Read(const std::string& path);
// The same, into the buffer that room(size) hands out for the file's size;
// returns how many bytes it holds. Throws TFileError also when room gives
// none.
size_t ReadInto(const std::string& path, const std::function<char*(size_t)>& room);
} // namespace FileText

// The file operations a save is made of, one call per step. Each returns 0 or
// an errno value. Tests derive from it to make any single step fail or stop.
class TFileSystem {
public:
    virtual ~TFileSystem() = default;
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

    // The one every transaction uses; a test installs its own (null restores
    // the real one). Returns the previous one.
    static TFileSystem& Current();
    static TFileSystem* Install(TFileSystem* fileSystem);
};

// Replaces a set of files in one folder so that each save ends with all of
// them new or all of them old, even when the process is killed or the power
// fails:
// 1. Stage writes each new content to ".NAME.stumpcraft-new" and syncs it.
// 2. Commit writes a journal naming the files, then for each file keeps the
//    old one as ".NAME.stumpcraft-old" (a hard link) and renames the new one
//    over it, then syncs the folder: the save is done.
// 3. It removes the journal and the old copies.
// A step that fails undoes everything before it. A save that was killed
// after writing its journal is finished by Recover on the next open; one
// killed before leaves only temporaries, which Recover removes.
class TFileTransaction {
public:
    TFileTransaction() = default;
    TFileTransaction(const TFileTransaction&) = delete;
    TFileTransaction& operator=(const TFileTransaction&) = delete;
    ~TFileTransaction();

    // Refuses a target that is a folder or that the user may not write, then
    // writes the temporary file. Throws TFileError naming the file and the
    // reason; the transaction is then abandoned.
    void Stage(const std::string& path, const std::string& bytes);
    // Throws TFileError naming the file and the reason; every target is then
    // its old self again.
    void Commit();
    void Abandon();

    // Finishes or clears an interrupted save of the named files in folder,
    // and removes temporaries left by killed saves. Throws TFileError when a
    // journaled save cannot be finished (the files may then be mixed).
    static void Recover(const std::string& folder, const std::vector<std::string>& names);

    static std::string TemporaryName(const std::string& target);
    static std::string BackupName(const std::string& target);
    static std::string JournalName(const std::string& folder);

private:
    struct Entry {
        std::string Target;
        std::string Temporary;
        std::string Backup;
        bool HadOld = false;
        bool BackedUp = false;
        bool Replaced = false;
    };
    std::string Folder() const;
    void Undo();
    std::vector<Entry> Entries_;
    bool Journaled_ = false;
};
