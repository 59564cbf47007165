#pragma once

class TScenarioData;

// One verifier per scenario file. Each adds its messages to the scenario's
// list and returns true when it added none.
bool VerifyScenarioSettings(TScenarioData& data);
bool VerifyIssues(TScenarioData& data);
bool VerifyPoliticalUnits(TScenarioData& data);
bool VerifyAds(TScenarioData& data);
// Party records and candidates; when they are clean also the primaries
// debates, the region election data, starting percentages and relations.
bool VerifyParties(TScenarioData& data);
bool VerifyEvents(TScenarioData& data);
bool VerifyEndorsers(TScenarioData& data);
bool VerifyActivities(TScenarioData& data);
