// Times the product's phases on one scenario folder, in process cpu time:
// load the ten files, verify them all, write them back. Prints one line,
//   load_ms verify_ms write_ms peak_kb
// so bench/run.sh can alternate it with the floor.
//
//   stumpcraft-bench-phases FOLDER

#include "scenario/TScenarioData.h"
#include "scenario/verify/VerificationRun.h"

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <exception>
#include <string>

namespace {

double CpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: stumpcraft-bench-phases FOLDER\n", stderr);
        return 2;
    }
    try {
        std::string folder = argv[1];
        TScenarioData data;
        const double start = CpuMilliseconds();
        data.Load(folder);
        const double loaded = CpuMilliseconds();
        VerificationRun::Run(&data, true);
        const double verified = CpuMilliseconds();
        data.Save();
        const double written = CpuMilliseconds();
        std::printf("%.1f %.1f %.1f %ld\n", loaded - start, verified - loaded, written - verified,
                    PeakKilobytes());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "stumpcraft-bench-phases: %s\n", e.what());
        return 1;
    }
    return 0;
}
