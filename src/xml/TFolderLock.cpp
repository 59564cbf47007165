#include "xml/TFolderLock.h"

#include "xml/FileText.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// A writer first takes the pending byte, which keeps new readers out, then
// waits for the readers on the shared byte to finish.
constexpr off_t PendingByte = 0;
constexpr off_t SharedByte = 1;

std::chrono::milliseconds PatienceSetting{5000};

int SetLock(int fd, short type, off_t start, off_t length) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0 ? 0 : errno;
}

bool Conflicts(int error) {
    return error == EAGAIN || error == EACCES;
}

// File systems that cannot lock (some network and user-space ones) are used
// as they were before locking existed.
bool Unsupported(int error) {
    return error == EINVAL || error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

// Repeats step while another program's lock is in the way, until deadline.
template <class TStep> int Retry(TStep step, Clock::time_point deadline) {
    std::chrono::milliseconds pause{1};
    for (;;) {
        const int error = step();
        const auto now = Clock::now();
        if (!Conflicts(error) || now >= deadline)
            return error;
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(25));
    }
}

int LockShared(int fd, Clock::time_point deadline) {
    return Retry(
        [fd] {
            if (const int error = SetLock(fd, F_RDLCK, PendingByte, 1))
                return error;
            const int error = SetLock(fd, F_RDLCK, SharedByte, 1);
            SetLock(fd, F_UNLCK, PendingByte, 1);
            return error;
        },
        deadline);
}

int LockExclusive(int fd, Clock::time_point deadline) {
    int error = Retry([fd] { return SetLock(fd, F_WRLCK, PendingByte, 1); }, deadline);
    if (!error)
        error = Retry([fd] { return SetLock(fd, F_WRLCK, SharedByte, 1); }, deadline);
    if (error)
        SetLock(fd, F_UNLCK, 0, 0);
    return error;
}

std::string Shown(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace

struct TFolderLock::TState {
    std::string Key;
    std::string Folder;
    int Fd = -1;
    bool Writable = false;
    bool Locked = false;
    TMode Mode = TMode::Shared;
    int Count = 0;

    void Acquire(TMode mode) {
        const auto deadline = Clock::now() + PatienceSetting;
        const int error =
            mode == TMode::Exclusive ? LockExclusive(Fd, deadline) : LockShared(Fd, deadline);
        if (Conflicts(error))
            throw TFolderBusy(Folder);
        if (error && !Unsupported(error))
            throw TFileError("Cannot lock \"" + Shown(Folder) +
                             "\": " + FileText::WhyNotWritten(error));
        Locked = !error;
        Mode = mode;
    }
};

namespace {

std::mutex RegistryMutex;
std::map<std::string, std::weak_ptr<TFolderLock::TState>> Registry;

std::string KeyOf(const std::string& folder) {
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    return ec ? folder : canonical.lexically_normal().string();
}

} // namespace

TFolderBusy::TFolderBusy(const std::string& folder)
    : TFileError("Another program is saving \"" + Shown(folder) +
                 "\"; try again when it has finished.") {}

TFolderLock::TFolderLock(const std::string& folder, TMode mode) {
    std::lock_guard<std::mutex> guard(RegistryMutex);
    const std::string key = KeyOf(folder);
    if (const auto known = Registry.find(key); known != Registry.end()) {
        std::shared_ptr<TState> state = known->second.lock();
        if (mode == TMode::Exclusive && state->Mode != TMode::Exclusive)
            throw std::logic_error("an exclusive folder lock inside a shared one");
        ++state->Count;
        State_ = std::move(state);
        return;
    }
    auto state = std::make_shared<TState>();
    state->Key = key;
    state->Folder = folder;
    const std::string path = (fs::path(folder) / FileName).string();
    int fd = -1;
    int error = TFileSystem::Current().OpenLock(path, fd);
    // Nobody saves into a folder that is not there; what fails next names
    // the file.
    if (error == ENOENT || error == ENOTDIR)
        error = -1;
    if (error > 0 && mode == TMode::Exclusive)
        throw TFileError("Cannot change the files of \"" + Shown(folder) +
                         "\": " + FileText::WhyNotWritten(error));
    if (!error) {
        state->Fd = fd;
        state->Writable = (::fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDWR;
        if (mode == TMode::Exclusive && !state->Writable) {
            ::close(fd);
            throw TFileError("Cannot change the files of \"" + Shown(folder) +
                             "\": " + FileText::WhyNotWritten(EACCES));
        }
        try {
            state->Acquire(mode);
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    state->Mode = mode;
    state->Count = 1;
    Registry[key] = state;
    State_ = std::move(state);
}

TFolderLock::~TFolderLock() {
    std::lock_guard<std::mutex> guard(RegistryMutex);
    if (--State_->Count > 0)
        return;
    Registry.erase(State_->Key);
    // Closing the lock file's only descriptor lets the lock go.
    if (State_->Fd >= 0)
        ::close(State_->Fd);
}

bool TFolderLock::Held() const {
    return State_->Locked;
}

bool TFolderLock::CanWrite() const {
    return State_->Writable;
}

TFolderLock::TMode TFolderLock::Mode() const {
    return State_->Mode;
}

void TFolderLock::Become(TMode mode) {
    std::lock_guard<std::mutex> guard(RegistryMutex);
    TState& state = *State_;
    if (state.Mode == mode)
        return;
    if (state.Count > 1) {
        if (mode == TMode::Exclusive)
            throw std::logic_error("an exclusive folder lock inside a shared one");
        return;
    }
    if (mode == TMode::Shared) {
        if (state.Locked) {
            SetLock(state.Fd, F_RDLCK, SharedByte, 1);
            SetLock(state.Fd, F_UNLCK, PendingByte, 1);
        }
        state.Mode = mode;
        return;
    }
    if (state.Fd < 0 || !state.Writable)
        throw TFileError("Cannot change the files of \"" + Shown(state.Folder) +
                         "\": " + FileText::WhyNotWritten(state.Fd < 0 ? ENOENT : EACCES));
    // Two readers that both wanted to upgrade in place would wait for each
    // other; letting go first lets one of them through.
    SetLock(state.Fd, F_UNLCK, 0, 0);
    state.Locked = false;
    try {
        state.Acquire(TMode::Exclusive);
    } catch (...) {
        // Back to reading, as the caller had it.
        state.Acquire(TMode::Shared);
        throw;
    }
}

std::chrono::milliseconds TFolderLock::Patience() {
    return PatienceSetting;
}

void TFolderLock::SetPatience(std::chrono::milliseconds patience) {
    PatienceSetting = patience;
}
