#include "cli/VerifyCommand.h"
#include "scenario/TScenarioData.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // The process ends with the command: its scenario is left to the system,
    // which takes it back at once instead of element by element.
    static auto* const data = new TScenarioData();
    return RunVerifyCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                            *data);
}
