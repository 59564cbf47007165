// Draws every picture of a shipped scenario at the size the editors store
// it, as 24-bit BMP files:
//   stumpcraft-make-pictures sample FOLDER     the Tellavar sample scenario
//   stumpcraft-make-pictures base FOLDER       the verification tests' base
//   stumpcraft-make-pictures template FOLDER   the issue and activity pictures
//                                              the template names
// Refuses to write a map on which a region's fill points would not flood
// exactly that region.

#include "sample/Pictures.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " sample FOLDER | base FOLDER | template FOLDER\n";
        return 2;
    }
    const std::string what = argv[1], target = argv[2];
    try {
        int count = 0;
        if (what == "template") {
            count = Sample::WriteTemplatePictures(Sample::TemplateWorld(), target);
        } else if (what == "sample" || what == "base") {
            count = Sample::WritePictures(
                what == "sample" ? Sample::TellavarWorld() : Sample::BaseWorld(), target);
        } else {
            std::cerr << "unknown data set " << what << "\n";
            return 2;
        }
        std::cout << count << " pictures written to " << target << "\n";
    } catch (const std::exception& e) {
        std::cerr << "stumpcraft-make-pictures: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
