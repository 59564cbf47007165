#include "scenario/InterruptedSaves.h"

#include "scenario/ScenarioBackups.h"
#include "scenario/TScenarioData.h"
#include "xml/FileText.h"

namespace {

std::vector<std::string> FileNames() {
    std::vector<std::string> names;
    for (TScenarioFile file : TScenarioData::AllFiles())
        names.push_back(TScenarioData::FileName(file));
    return names;
}

} // namespace

namespace InterruptedSaves {

bool Pending(const std::string& folder) {
    return TFileTransaction::NeedsRecovery(folder, FileNames()) ||
           ScenarioBackups::HasUnfinished(folder);
}

int Finish(const std::string& folder) {
    ScenarioBackups::RemoveUnfinished(folder);
    return TFileTransaction::Recover(folder, FileNames());
}

void FinishBeforeSaving(const std::string& folder) {
    if (const int error = Finish(folder))
        throw TFileError("Cannot save \"" + folder + "\": the journal of an earlier save, \"" +
                         TFileTransaction::JournalName(folder) +
                         "\", cannot be removed: " + FileText::WhyNotWritten(error));
}

} // namespace InterruptedSaves
