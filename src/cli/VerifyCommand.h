#pragma once

#include <ostream>
#include <string>
#include <vector>

class TScenarioData;

// Exit statuses of stumpcraft-verify.
inline constexpr int VerifyClean = 0;
inline constexpr int VerifyProblems = 1;
inline constexpr int VerifyError = 2;
// Another program kept the folder busy with a save; nothing was changed.
inline constexpr int VerifyBusy = 3;

// stumpcraft-verify [--all] [--json] [--write] FOLDER. args excludes the
// program name. Messages go to out, errors and notes to err.
int RunVerifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same, loading the scenario into data (which must be empty).
int RunVerifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     TScenarioData& data);

// The messages of data as a JSON array (one object per message).
std::string MessagesAsJson(const TScenarioData& data);
// A JSON string literal of text; invalid UTF-8 bytes become U+FFFD.
std::string JsonString(const std::string& text);
