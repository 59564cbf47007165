#include "support/FaultyFileSystem.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <regex>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string Bare(const std::string& path) {
    static const std::regex Token(R"(\.[0-9a-f]{16}(\.stumpcraft-new)$)");
    return std::regex_replace(std::filesystem::path(path).filename().string(), Token, "$1");
}
} // namespace

TFaultyFileSystem::TFaultyFileSystem() : Previous_(TFileSystem::Install(this)) {}

TFaultyFileSystem::~TFaultyFileSystem() {
    TFileSystem::Install(Previous_);
}

void TFaultyFileSystem::AtStep(int step, TAction action, int error) {
    FaultStep_ = step;
    Action_ = action;
    Error_ = error;
}

void TFaultyFileSystem::FailOn(const std::string& description, int error) {
    FaultDescription_ = description;
    Action_ = TAction::Fail;
    Error_ = error;
}

void TFaultyFileSystem::KillOn(const std::string& description) {
    FaultDescription_ = description;
    Action_ = TAction::Kill;
}

void TFaultyFileSystem::FailFrom(const std::string& kind, int nth, int error) {
    FaultKind_ = kind;
    FaultFrom_ = nth;
    Error_ = error;
}

int TFaultyFileSystem::Step(const std::string& description) {
    Steps.push_back(description);
    if (!FaultKind_.empty() && description.rfind(FaultKind_ + " ", 0) == 0 &&
        ++KindSeen_ >= FaultFrom_)
        return Error_;
    const bool hit = !Faulted_ && (static_cast<int>(Steps.size()) == FaultStep_ ||
                                   description == FaultDescription_);
    if (!hit)
        return 0;
    Faulted_ = true;
    if (Action_ == TAction::Kill)
        std::raise(SIGKILL);
    return Error_;
}

int TFaultyFileSystem::MayReplace(const std::string& path) {
    const int error = Step("check " + Bare(path));
    return error ? error : TFileSystem::MayReplace(path);
}

int TFaultyFileSystem::WriteNew(const std::string& path, const std::string& bytes,
                                const std::string& like) {
    const int error = Step("write " + Bare(path));
    return error ? error : TFileSystem::WriteNew(path, bytes, like);
}

int TFaultyFileSystem::Link(const std::string& from, const std::string& to) {
    const int error = Step("link " + Bare(from) + " " + Bare(to));
    return error ? error : TFileSystem::Link(from, to);
}

int TFaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    const int error = Step("rename " + Bare(from) + " " + Bare(to));
    return error ? error : TFileSystem::Rename(from, to);
}

int TFaultyFileSystem::Remove(const std::string& path) {
    const int error = Step("remove " + Bare(path));
    return error ? error : TFileSystem::Remove(path);
}

int TFaultyFileSystem::SyncFolder(const std::string& folder) {
    const int error = Step("sync folder");
    return error ? error : TFileSystem::SyncFolder(folder);
}

int TFaultyFileSystem::OpenLock(const std::string& path, int& fd) {
    const int error = Step("lock " + Bare(path));
    return error ? error : TFileSystem::OpenLock(path, fd);
}

bool KilledDoing(const std::function<void(TFaultyFileSystem&)>& arm,
                 const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        TFaultyFileSystem faulty;
        arm(faulty);
        try {
            work();
        } catch (...) {
        }
        _exit(0);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGKILL;
}
