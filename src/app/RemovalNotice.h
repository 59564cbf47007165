#pragma once

#include "scenario/TScenarioData.h"

struct TRemovalRepairs;

// After a removal: tells the designer in one message what it repaired in
// other documents than own, the removed item's, and what is left to choose
// (ReferencesEdit::Summary). Says nothing when there is nothing to tell.
void TellRemovalRepairs(const TRemovalRepairs& repairs, TScenarioFile own);
