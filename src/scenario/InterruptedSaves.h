#pragma once

#include <string>

// What saves that were killed or lost their power leave in a scenario
// folder: a journal, temporaries beside the ten files, unfinished backups.
// Only a holder of the folder's exclusive lock (TFolderLock) may finish
// them: a live save's leftovers look the same.
namespace InterruptedSaves {

bool Pending(const std::string& folder);
// Finishes or clears them. Throws TFileError when a journaled save cannot
// be finished, saying which. Returns 0, or the error with which the journal
// of a finished save could not be removed.
[[nodiscard]] int Finish(const std::string& folder);
// Finish, and refuse (TFileError with the reason) when an earlier save's
// journal remains, so that no new save is mistaken for it.
void FinishBeforeSaving(const std::string& folder);

} // namespace InterruptedSaves
