#pragma once

#include "xml/TXmlDom.h"

#include <chrono>
#include <memory>
#include <string>

// Thrown when another program holds a folder's lock longer than we wait.
class TFolderBusy : public TFileError {
public:
    explicit TFolderBusy(const std::string& folder);
};

// An advisory lock on the file ".stumpcraft-lock" in a folder, shared by the
// programs that read the folder's files and exclusive for one that changes
// them (a save, or finishing a killed one), so a reader never sees half a
// save and never finishes a live one. The lock belongs to the open file, not
// the process: it dies with its holder, however that ends. A waiting writer
// keeps new readers out, so a busy stream of readers cannot starve it.
// Within one process the locks of a folder nest: a lock taken while a
// stronger or equal one is held shares it.
class TFolderLock {
public:
    enum class TMode { Shared, Exclusive };
    static constexpr const char* FileName = ".stumpcraft-lock";

    // Waits at most Patience() for the lock; throws TFolderBusy after that.
    // A shared lock that cannot open or create the lock file (a read-only
    // folder, one that does not exist) is given without locking: Held() is
    // then false. An exclusive lock that cannot throws TFileError with the
    // system's reason.
    TFolderLock(const std::string& folder, TMode mode);
    ~TFolderLock();
    TFolderLock(const TFolderLock&) = delete;
    TFolderLock& operator=(const TFolderLock&) = delete;

    bool Held() const;
    // Whether this lock could become exclusive: the lock file is writable.
    bool CanWrite() const;
    TMode Mode() const;
    // From shared to exclusive by letting go and waiting again (so another
    // program may finish its save in between); throws as the constructor.
    // From exclusive to shared at once. Both leave a lock nested inside an
    // outer one of this process alone.
    void Become(TMode mode);

    static std::chrono::milliseconds Patience();
    // How long to wait before giving up; tests shorten it.
    static void SetPatience(std::chrono::milliseconds patience);

    struct TState;

private:
    std::shared_ptr<TState> State_;
};
