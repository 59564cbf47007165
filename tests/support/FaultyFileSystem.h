#pragma once

#include "xml/FileText.h"

#include <string>
#include <vector>

// The real file operations, recording each step ("write .ads.xml.stumpcraft-new",
// "rename .ads.xml.stumpcraft-new ads.xml", with bare file names), that fails
// one chosen step with an I/O error or kills the process there. Installed
// while it lives.
class TFaultyFileSystem : public TFileSystem {
public:
    enum class TAction { Fail, Kill };
    TFaultyFileSystem();
    ~TFaultyFileSystem() override;
    TFaultyFileSystem(const TFaultyFileSystem&) = delete;
    TFaultyFileSystem& operator=(const TFaultyFileSystem&) = delete;

    // The step-th operation (from 1) fails or kills; 0 never.
    void AtStep(int step, TAction action = TAction::Fail);
    // The first operation described so fails.
    void FailOn(const std::string& description);

    std::vector<std::string> Steps;

    int WriteNew(const std::string& path, const std::string& bytes,
                 const std::string& like) override;
    int Link(const std::string& from, const std::string& to) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int SyncFolder(const std::string& folder) override;

private:
    // 0 to go on, else the error to return.
    int Step(const std::string& description);
    int FaultStep_ = 0;
    std::string FaultDescription_;
    TAction Action_ = TAction::Fail;
    bool Faulted_ = false;
    TFileSystem* Previous_ = nullptr;
};
