#include "support/FaultyFileSystem.h"

#include <cerrno>
#include <csignal>
#include <filesystem>

namespace {
std::string Bare(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}
} // namespace

TFaultyFileSystem::TFaultyFileSystem() : Previous_(TFileSystem::Install(this)) {}

TFaultyFileSystem::~TFaultyFileSystem() {
    TFileSystem::Install(Previous_);
}

void TFaultyFileSystem::AtStep(int step, TAction action) {
    FaultStep_ = step;
    Action_ = action;
}

void TFaultyFileSystem::FailOn(const std::string& description) {
    FaultDescription_ = description;
    Action_ = TAction::Fail;
}

int TFaultyFileSystem::Step(const std::string& description) {
    Steps.push_back(description);
    const bool hit = !Faulted_ && (static_cast<int>(Steps.size()) == FaultStep_ ||
                                   description == FaultDescription_);
    if (!hit)
        return 0;
    Faulted_ = true;
    if (Action_ == TAction::Kill)
        std::raise(SIGKILL);
    return EIO;
}

int TFaultyFileSystem::WriteNew(const std::string& path, const std::string& bytes,
                                const std::string& like) {
    if (const int error = Step("write " + Bare(path)))
        return error;
    return TFileSystem::WriteNew(path, bytes, like);
}

int TFaultyFileSystem::Link(const std::string& from, const std::string& to) {
    if (const int error = Step("link " + Bare(from) + " " + Bare(to)))
        return error;
    return TFileSystem::Link(from, to);
}

int TFaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    if (const int error = Step("rename " + Bare(from) + " " + Bare(to)))
        return error;
    return TFileSystem::Rename(from, to);
}

int TFaultyFileSystem::Remove(const std::string& path) {
    if (const int error = Step("remove " + Bare(path)))
        return error;
    return TFileSystem::Remove(path);
}

int TFaultyFileSystem::SyncFolder(const std::string& folder) {
    if (const int error = Step("sync folder"))
        return error;
    return TFileSystem::SyncFolder(folder);
}
