// Writes the demo model pairs that the example car data file names into a folder (examples/ by
// default): make_demo_models [FOLDER]. The test suite checks that the committed pairs are still
// the generator's bytes.

#include <exception>
#include <filesystem>
#include <iostream>

#include "support/ModelPairFixture.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: make_demo_models [FOLDER]\n";
        return 2;
    }
    const std::filesystem::path folder = argc == 2 ? argv[1] : "examples";
    try {
        std::filesystem::create_directories(folder);
        for (const zw::test::DemoModel& demo : zw::test::demoModels()) {
            zw::test::writeModelPairFixture(folder, demo.name, demo.options);
            std::cout << (folder / (demo.name + ".common.ovl")).string() << '\n'
                      << (folder / (demo.name + ".unique.ovl")).string() << '\n';
        }
    } catch (const std::exception& e) {
        std::cerr << "make_demo_models: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
