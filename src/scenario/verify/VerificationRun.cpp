#include "scenario/verify/VerificationRun.h"

#include "scenario/ScenarioFolders.h"
#include "scenario/verify/FileVerifiers.h"
#include "scenario/verify/RunIndex.h"
#include "xml/Progress.h"

namespace {

struct TRunEntry {
    TVerifiedFile File;
    const char* Name;
    TScenarioFile Document;
    bool (*Verify)(TScenarioData&);
};

const std::array<TRunEntry, VerifiedFileCount> Entries = {{
    {TVerifiedFile::ScenarioSettings, "scenario settings", TScenarioFile::Scenario,
     &VerifyScenarioSettings},
    {TVerifiedFile::Issues, "issues", TScenarioFile::Issues, &VerifyIssues},
    {TVerifiedFile::PoliticalUnits, "political units", TScenarioFile::PoliticalUnits,
     &VerifyPoliticalUnits},
    {TVerifiedFile::Ads, "ads", TScenarioFile::Ads, &VerifyAds},
    {TVerifiedFile::Parties, "parties", TScenarioFile::Parties, &VerifyParties},
    {TVerifiedFile::Events, "events", TScenarioFile::Events, &VerifyEvents},
    {TVerifiedFile::Endorsers, "endorsers", TScenarioFile::Endorsers, &VerifyEndorsers},
    {TVerifiedFile::Activities, "activities", TScenarioFile::Activities, &VerifyActivities},
}};

} // namespace

bool TVerificationRunResult::PassedAllBefore(TVerifiedFile file) const {
    for (size_t i = 0; i < static_cast<size_t>(file); ++i)
        if (!Passed[i])
            return false;
    return true;
}

namespace VerificationRun {

TVerificationRunResult Run(TScenarioData* data, bool all) {
    TVerificationRunResult result;
    if (!data || !data->Loaded())
        return result;
    data->Messages().clear();
    // Reference lookups stay linear in the size of the scenario.
    RunIndex::TScope index;
    ScenarioFolders::TLookupScope folders;
    bool failed = false;
    Progress::TOperation progress(static_cast<double>(Entries.size()));
    for (size_t i = 0; i < Entries.size(); ++i) {
        result.Ran[i] = true;
        progress.Next("Verifying " +
                      TScenarioData::FileName(FileOf(static_cast<TVerifiedFile>(i))));
        result.Passed[i] = Entries[i].Verify(*data);
        failed = failed || !result.Passed[i];
        if (failed && !all)
            break;
    }
    result.ProblemsExist = failed;
    progress.Done();
    return result;
}

std::string Name(TVerifiedFile file) {
    return Entries[static_cast<size_t>(file)].Name;
}

TScenarioFile FileOf(TVerifiedFile file) {
    return Entries[static_cast<size_t>(file)].Document;
}

} // namespace VerificationRun
