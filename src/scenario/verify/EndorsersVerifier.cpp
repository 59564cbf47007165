#include "scenario/verify/FileVerifiers.h"

// Rules of endorsers.xml: not written yet, so the file counts as clean.
bool VerifyEndorsers(TScenarioData&) {
    return true;
}
