#pragma once

#include "support/ScenarioFixture.h"

#include <string>
#include <vector>

// Data-driven verification cases under tests/data/verify/<case>/ (see the
// README.md there): a scenario folder, or a base folder plus mutations.txt,
// with expected.txt holding the exact messages of a run.
namespace VerifyCases {

// The case folder names that hold an expected.txt, sorted.
std::vector<std::string> List();
std::string CaseFolder(const std::string& name);

// The expected messages of a case: its lines with {folder} replaced by the
// scenario folder (ending in "/"); empty lines at the end do not count.
std::vector<std::string> ExpectedLines(const std::string& path, const std::string& folder);

// Whether the library's run with these expected messages finds problems: it
// does when there are any, unless the case holds a file "passes" (messages
// that fail no file; the command still exits with 1 for them).
bool Fails(const std::string& name, const std::vector<std::string>& expected);

// One mutation line split into words: blanks separate words, "..." quotes a
// word with \" \\ \n \t escapes. Throws std::runtime_error when malformed.
std::vector<std::string> SplitWords(const std::string& line);

// Builds the case's scenario folder in target. Returns false (and leaves
// why in reason) when its base folder does not exist; throws
// std::runtime_error for a malformed or inapplicable mutation.
bool Prepare(const std::string& name, const TTemporaryFolder& target, std::string& reason);

// Applies mutations (lines as in mutations.txt, "base" lines ignored) to
// the scenario folder: file operations first, then the element operations
// on the loaded documents, which are saved when there are any.
void ApplyMutations(const std::vector<std::string>& lines, const std::string& folder);

// The lines of an expected-repairs.txt that do not hold in data, each with
// what was found; empty when all hold. Throws std::runtime_error for a
// malformed line.
std::vector<std::string> UnmetRepairs(const std::vector<std::string>& lines, TScenarioData& data);

// Runs a program with arguments, returning its exit status; stdout goes to
// output. For running the real command.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               std::string& output);

} // namespace VerifyCases
