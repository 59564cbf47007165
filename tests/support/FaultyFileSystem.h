#pragma once

#include "xml/FileText.h"

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

// The real file operations, recording each step ("write .ads.xml.stumpcraft-new",
// "rename .ads.xml.stumpcraft-new ads.xml", "check ads.xml", "lock
// .stumpcraft-lock", with bare file names and without the token that names
// a save), that fails chosen steps with an error or kills the process there.
// Installed while it lives.
class TFaultyFileSystem : public TFileSystem {
public:
    enum class TAction { Fail, Kill };
    TFaultyFileSystem();
    ~TFaultyFileSystem() override;
    TFaultyFileSystem(const TFaultyFileSystem&) = delete;
    TFaultyFileSystem& operator=(const TFaultyFileSystem&) = delete;

    // The step-th operation (from 1) fails or kills; 0 never.
    void AtStep(int step, TAction action = TAction::Fail, int error = EIO);
    // The first operation described so fails, or kills.
    void FailOn(const std::string& description, int error = EIO);
    void KillOn(const std::string& description);
    // Every operation of a kind ("rename") fails from its nth on.
    void FailFrom(const std::string& kind, int nth, int error = EIO);

    std::vector<std::string> Steps;

    int MayReplace(const std::string& path) override;
    int WriteNew(const std::string& path, const std::string& bytes,
                 const std::string& like) override;
    int Link(const std::string& from, const std::string& to) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int SyncFolder(const std::string& folder) override;
    int OpenLock(const std::string& path, int& fd) override;

private:
    // 0 to go on, else the error to return.
    int Step(const std::string& description);
    int FaultStep_ = 0;
    std::string FaultDescription_;
    std::string FaultKind_;
    int FaultFrom_ = 0;
    int KindSeen_ = 0;
    int Error_ = EIO;
    TAction Action_ = TAction::Fail;
    bool Faulted_ = false;
    TFileSystem* Previous_ = nullptr;
};

// Runs work in a child process whose faulty file system arm prepares to kill
// it; true when the child was killed so.
bool KilledDoing(const std::function<void(TFaultyFileSystem&)>& arm,
                 const std::function<void()>& work);
