#pragma once

#include "scenario/TScenarioData.h"

#include <array>
#include <string>

// The files verified by a run, in run order; step N of the editor is open
// when the files before it verify.
enum class TVerifiedFile {
    ScenarioSettings,
    Issues,
    PoliticalUnits,
    Ads,
    Parties,
    Events,
    Endorsers,
    Activities
};
inline constexpr size_t VerifiedFileCount = 8;

struct TVerificationRunResult {
    // False only when every verifier ran and found nothing.
    bool ProblemsExist = true;
    // Per verifier in run order: whether it ran, and whether it passed.
    std::array<bool, VerifiedFileCount> Ran{};
    std::array<bool, VerifiedFileCount> Passed{};
    bool PassedAllBefore(TVerifiedFile file) const;
};

namespace VerificationRun {

// Clears the messages and runs the verifiers in order, stopping after the
// first that fails; with all, every verifier runs regardless. No scenario,
// or one not loaded, gives "problems exist" and no message.
TVerificationRunResult Run(TScenarioData* data, bool all = false);
std::string Name(TVerifiedFile file);
TScenarioFile FileOf(TVerifiedFile file);

} // namespace VerificationRun
