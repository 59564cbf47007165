#include "scenario/verify/FileVerifiers.h"

// Rules of issues.xml: not written yet, so the file counts as clean.
bool VerifyIssues(TScenarioData&) {
    return true;
}
