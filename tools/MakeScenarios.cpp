// Writes the shipped XML data from the invented worlds of sample/worlds.xml:
//   stumpcraft-make-scenarios template FILE     the template (default.vrx)
//   stumpcraft-make-scenarios sample FOLDER     the Tellavar sample scenario
//   stumpcraft-make-scenarios base FOLDER       the verification tests' base
// The pictures come from stumpcraft-make-pictures.

#include "sample/ScenarioDocuments.h"

#include <cstring>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " template FILE | sample FOLDER | base FOLDER\n";
        return 2;
    }
    const std::string what = argv[1], target = argv[2];
    try {
        if (what == "template") {
            Sample::WriteTemplate(Sample::TemplateWorld(), target);
        } else if (what == "sample" || what == "base") {
            std::filesystem::create_directories(target);
            Sample::WriteScenario(what == "sample" ? Sample::TellavarWorld() : Sample::BaseWorld(),
                                  target);
        } else {
            std::cerr << "unknown data set " << what << "\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "stumpcraft-make-scenarios: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
