// One of several programs opening, verifying and saving one scenario folder
// at random moments, for bench/concurrency.sh. Each save stamps every file's
// root with the attribute bench-save="ID-N", so the check can tell whether
// the ten files on disk come from one save.
//
//   stumpcraft-bench-concurrent --run FOLDER SECONDS ID
//       prints "saved ID-N" for each save, then one line
//       "opens O saves S refused R failed F"
//   stumpcraft-bench-concurrent --check FOLDER
//       prints "lost L versions V leftovers K stamp STAMP"

#include "scenario/TScenarioData.h"
#include "scenario/verify/VerificationRun.h"
#include "xml/TFolderLock.h"
#include "xml/TXmlAttribute.h"
#include "xml/TXmlDom.h"
#include "xml/TXmlNode.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

const char* const Stamp = "bench-save";
const std::string BusyStart = "Another program is saving \"";

int Run(std::string folder, int seconds, const std::string& id) {
    std::mt19937 random(std::hash<std::string>{}(id));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int opens = 0, saves = 0, refused = 0, failed = 0;
    for (int n = 1; std::chrono::steady_clock::now() < end; ++n) {
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 400));
        try {
            TScenarioData data;
            data.Load(folder);
            ++opens;
            VerificationRun::Run(&data, true);
            // Two of three rounds save; the others only read.
            if (random() % 3 == 0)
                continue;
            const std::string stamp = id + "-" + std::to_string(n);
            for (TScenarioFile file : TScenarioData::AllFiles())
                data.Root(file)->SetAttribute(Stamp, stamp);
            data.Save();
            ++saves;
            std::printf("saved %s\n", stamp.c_str());
        } catch (const TFolderBusy& busy) {
            // Counted only when it says the one sentence.
            if (std::string(busy.what()).rfind(BusyStart, 0) == 0)
                ++refused;
            else
                ++failed;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", id.c_str(), e.what());
            ++failed;
        }
    }
    std::printf("opens %d saves %d refused %d failed %d\n", opens, saves, refused, failed);
    return 0;
}

int Check(std::string folder) {
    int lost = 0, leftovers = 0;
    std::set<std::string> stamps;
    TScenarioData data;
    try {
        data.Load(folder);
        folder = data.Folder();
        for (TScenarioFile file : TScenarioData::AllFiles()) {
            const TXmlAttribute* stamp = data.Root(file)->GetAttribute(Stamp);
            stamps.insert(stamp ? stamp->Value : "");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "check: %s\n", e.what());
        // Which files are gone or broken, one by one.
        for (TScenarioFile file : TScenarioData::AllFiles()) {
            TXmlDom document;
            if (!document.LoadFromFile((fs::path(folder) / TScenarioData::FileName(file)).string()))
                ++lost;
        }
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name[0] == '.' && name != TFolderLock::FileName)
            ++leftovers;
    }
    std::printf("lost %d versions %zu leftovers %d stamp %s\n", lost, stamps.size(), leftovers,
                stamps.size() == 1 ? stamps.begin()->c_str() : "-");
    return lost == 0 && stamps.size() == 1 && leftovers == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--run" && argc == 5)
        return Run(argv[2], std::stoi(argv[3]), argv[4]);
    if (mode == "--check" && argc == 3)
        return Check(argv[2]);
    std::fputs("usage: stumpcraft-bench-concurrent --run FOLDER SECONDS ID | --check FOLDER\n",
               stderr);
    return 2;
}
