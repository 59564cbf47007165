#pragma once

// A real stumpcraft-verify --all --write that stops itself in the middle of
// its save (see TFileSystem), holding the folder's lock as a program
// suspended by Ctrl+Z does, for tests of what other programs then do.

#include "xml/TFolderLock.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

class TStoppedSave {
public:
    // Empty Stopped() when the program did not reach the step.
    TStoppedSave(const std::string& program, const std::string& folder,
                 const std::string& stopAfter) {
        Pid_ = fork();
        if (Pid_ == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            setenv("STUMPCRAFT_STOP_AFTER", stopAfter.c_str(), 1);
            execl(program.c_str(), program.c_str(), "--all", "--write", folder.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        Stopped_ = Pid_ > 0 && waitpid(Pid_, &status, WUNTRACED) == Pid_ && WIFSTOPPED(status);
    }
    ~TStoppedSave() {
        if (Pid_ > 0 && !Finished_)
            Finish();
    }
    TStoppedSave(const TStoppedSave&) = delete;
    TStoppedSave& operator=(const TStoppedSave&) = delete;

    bool Stopped() const { return Stopped_; }
    // Lets it go on and returns its exit status (-1 when it did not exit).
    int Finish() {
        Finished_ = true;
        kill(Pid_, SIGCONT);
        int status = 0;
        waitpid(Pid_, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t Pid_ = -1;
    bool Stopped_ = false;
    bool Finished_ = false;
};

// Other programs wait this long for a lock while it lives.
class TLockPatience {
public:
    explicit TLockPatience(std::chrono::milliseconds patience)
        : Previous_(TFolderLock::Patience()) {
        TFolderLock::SetPatience(patience);
    }
    ~TLockPatience() { TFolderLock::SetPatience(Previous_); }
    TLockPatience(const TLockPatience&) = delete;
    TLockPatience& operator=(const TLockPatience&) = delete;

private:
    std::chrono::milliseconds Previous_;
};
