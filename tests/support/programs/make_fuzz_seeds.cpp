// Writes the seed inputs of the fuzz targets into tests/fuzz/corpus/<target>/ (scripts/fuzz-seeds.sh):
// make_fuzz_seeds SOURCE_DIR OUT_DIR. Each seed is a plausible input made by the fixture generators
// or by the program from the examples, so that fuzzing starts past the first checks. A pair's two
// files are joined as the targets take them: a 32-bit length, the .common file, the .unique file.

#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "base/SafeFile.h"
#include "builders/CarBuilder.h"
#include "builders/RideBuilder.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "datafiles/CarDataRewrite.h"
#include "ovl/OvlPairAssembly.h"
#include "support/GameFolderFixture.h"
#include "support/ModelPairFixture.h"
#include "support/PeepPathSplinePair.h"
#include "support/SampleOvlPair.h"
#include "support/ScriptedDialogs.h"
#include "support/StyleIconPair.h"
#include "support/TempFolder.h"
#include "workflow/ProjectCommands.h"
#include "workflow/ProjectState.h"

namespace {

using namespace zw;
namespace fs = std::filesystem;

std::string pairInput(const std::string& common, const std::string& unique) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>(common.size() >> (8 * i) & 0xFF);
    return out + common + unique;
}
std::string pairInput(const test::HandMadeOvlPair& pair) { return pairInput(pair.commonBytes(), pair.uniqueBytes()); }

std::string fileBytes(const fs::path& file) {
    const auto bytes = readWholeFile(file);
    if (!bytes) throw std::runtime_error("cannot read " + file.string());
    return *bytes;
}

class Seeds {
public:
    explicit Seeds(fs::path out) : out_(std::move(out)) {}
    void add(const std::string& target, const std::string& name, const std::string& bytes) {
        const fs::path file = out_ / target / name;
        fs::create_directories(file.parent_path());
        test::writeBytes(file, bytes);
        std::cout << file.string() << '\n';
    }

private:
    fs::path out_;
};

// The examples read, rewritten and built by the program, in a folder of their own.
struct ExampleBuilds {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    ProjectState state;

    explicit ExampleBuilds(const fs::path& source) {
        for (const auto& entry : fs::directory_iterator(source / "examples")) {
            fs::copy_file(entry.path(), folder / entry.path().filename());
        }
        state.settings.OverwriteWithoutPrompt = true;
        state.StartFolder = folder.path();
        const fs::path ride = folder / "CTR_BahnDaten_Beispielbahn.txt";
        if (!readRideDataFile(state, dialogs, ride) ||
            !buildRidePair(state, dialogs) || !readCarDataFile(state, dialogs, folder / "CTR_WagenDaten_Beispielzug.txt") ||
            !buildCarPair(state, dialogs)) {
            std::string shown;
            for (const std::string& m : dialogs.messages()) shown += "\n  " + m;
            throw std::runtime_error("the examples do not build:" + shown);
        }
    }
    std::string ridePair() const { return pairInput(fileBytes(rideCommonFile(state.ride)), fileBytes(rideUniqueFile(state.ride))); }
    std::string carPair() const { return pairInput(fileBytes(carCommonFile(state.car)), fileBytes(carUniqueFile(state.car))); }
};

void dataFileSeeds(Seeds& seeds, const fs::path& source, const ExampleBuilds& examples) {
    seeds.add("ride_data_file", "example", fileBytes(source / "examples" / "CTR_BahnDaten_Beispielbahn.txt"));
    seeds.add("ride_data_file", "rewrite-de", rideDataFileContent(examples.state.ride, false, false));
    seeds.add("ride_data_file", "rewrite-en-addons", rideDataFileContent(examples.state.ride, true, true));
    seeds.add("car_data_file", "example", fileBytes(source / "examples" / "CTR_WagenDaten_Beispielzug.txt"));
    seeds.add("car_data_file", "rewrite-de", carDataFileContent(examples.state.car, false, false));
    seeds.add("car_data_file", "rewrite-en-hidden", carDataFileContent(examples.state.car, true, true));
}

// The example ride body as editors save it: LF only; UTF-8 with a byte-order mark holding a letter
// Windows-1252 lacks; mixed line ends with a CR alone.
void decodingSeeds(Seeds& seeds, const fs::path& source) {
    const std::string ride = fileBytes(source / "examples" / "CTR_BahnDaten_Beispielbahn.txt");
    std::string lfOnly, mixed;
    for (size_t i = 0; i < ride.size(); ++i) {
        if (ride[i] != '\r') lfOnly += ride[i];
        if (ride[i] != '\r' || (i / 7) % 2 == 0) mixed += ride[i];
    }
    seeds.add("data_file_decoding", "lf-only", lfOnly);
    seeds.add("data_file_decoding", "mixed-lone-cr", mixed.substr(0, 600) + "BahnName\tA\rBauhoeheMax\t40\r\n");
    seeds.add("data_file_decoding", "utf8-bom",
              "\xEF\xBB\xBF" "BahnName\tAchterbahn f\xC3\xBCr Gro\xC3\x9F und Klein\r\nBahnDescription\tKolejka "
              "\xC5\x81\xC3\xB3" "d\xC5\xBA\nBauhoeheMax\t40\r\n");
}

void optionsSeeds(Seeds& seeds) {
    struct Choice {
        const char* name;
        OptionsChoice choice;
    };
    for (const Choice& c : {Choice{"german", {false, "C:\\Programme\\Atari\\RCT3", false, false}},
                            Choice{"english-addons-overwrite", {true, "/home/player/.wine/drive_c/RCT3/", true, true}}}) {
        test::TempFolder work;
        test::ScriptedDialogs dialogs;
        dialogs.yesNoAnswers = {true};  // the add-ons promise
        Settings settings;
        OptionsChoice choice = c.choice;
        if (writeOptionsFile(settings, choice, work.path(), dialogs) != OptionsWriteResult::Written) {
            throw std::runtime_error("the options file was not written");
        }
        seeds.add("options_file", c.name, fileBytes(work / std::string(kOptionsFileName)));
    }
    seeds.add("options_file", "hidden-settings", "'Deutsch'\r\n'D:\\RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 1'\r\n");
}

void registrySeeds(Seeds& seeds) {
    seeds.add("wine_system_reg", "game-keys",
              "WINE REGISTRY Version 2\n"
              ";; All keys relative to \\\\Machine\n"
              "\n"
              "#arch=win32\n"
              "\n"
              "[Software\\\\Atari\\\\RCT3] 1700000001\n"
              "#time=1d9f0a1b2c3d4e6\n"
              "@=\"default value\"\n"
              "\"Installlocation\"=\"D:\\\\Spiele\\\\RCT3 \\\"Gold\\\" f\\xfcr alle\\\\\"\n"
              "\"Version\"=dword:00000003\n"
              "\"Blob\"=hex:01,02,03,\\\n"
              "  04,05\n"
              "\n"
              "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\RollerCoaster Tycoon 3_is1] 1700000002\n"
              "\"InstallLocation\"=str(2):\"/opt/games/rct3\"\n"
              "\n"
              "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\{907B4640-266B-4A21-"
              "92FB-CD1A86CD0F63}] 1700000003\n"
              "\"InstallLocation\"=\"C:\\\\Program Files\\\\Atari\\\\RCT3\\\\\"\n");
    seeds.add("wine_system_reg", "escapes",
              "WINE REGISTRY Version 2\r\n"
              "[Software\\\\Atari\\\\RCT3] 1\r\n"
              "\"InstallLocation\"=\"E:\\\\\\x0052\\x43T3\\ud83d\\ude00\\101\\t\"\r\n");
}

void pairSeeds(Seeds& seeds, const ExampleBuilds& examples) {
    // Car models.
    test::ModelFixtureOptions patterned;
    patterned.content = test::FixtureContent::Patterned;
    patterned.scattered = true;
    test::ModelFixtureOptions sparse;
    sparse.levelAnimations = {0};
    sparse.animationTemplate = false;
    sparse.animations = 0;
    sparse.splines = 0;
    sparse.frames = 1;
    sparse.alphaFrames = {false};
    const std::vector<test::DemoModel> demos = test::demoModels();
    seeds.add("model_pair", "small", pairInput(test::modelPairFixture("Bob")));
    seeds.add("model_pair", "patterned-scattered", pairInput(test::modelPairFixture("Bob", patterned)));
    seeds.add("model_pair", "sparse", pairInput(test::modelPairFixture("Bob", sparse)));
    seeds.add("model_pair", "demo", pairInput(test::modelPairFixture("Bob", demos.back().options)));

    // Peep splines: the names the target's ride asks for.
    using File = test::HandMadeOvlPair::File;
    seeds.add("spline_pair", "three",
              pairInput(test::peepSplinePair({{"Loop:spl", 3, 1}, {"Path1:spl", 4, 0}, {"Path2:spl", 2, 0}})));
    seeds.add("spline_pair", "unique-and-reversed",
              pairInput(test::peepSplinePair(
                  {{"Path2:spl", 5, 1, File::Unique}, {"Path1:spl", 3, 0}, {"Loop:spl", 6, 1, File::Unique}})));

    // Icon pairs.
    seeds.add("icon_pair", "picture-in-common",
              pairInput(test::iconOvlFile({test::iconPicture()}).bytes(), test::iconOvlFile({}).bytes()));
    seeds.add("icon_pair", "picture-in-unique",
              pairInput(test::iconOvlFile({"ABCD"}).bytes(), test::iconOvlFile({"WXYZ", test::iconPicture(280, 'Q')}).bytes()));

    // Whole pairs for the inspector.
    const OvlPairBytes sample = test::sampleOvlPair();
    seeds.add("pair_inspector", "sample", pairInput(sample.common, sample.unique));
    seeds.add("pair_inspector", "example-ride", examples.ridePair());
    seeds.add("pair_inspector", "example-car", examples.carPair());
    seeds.add("pair_inspector", "model", pairInput(test::modelPairFixture("Bob", patterned)));
    seeds.add("pair_inspector", "splines", pairInput(test::peepSplinePair({{"Loop:spl", 3, 1}, {"Path1:spl", 3, 0}})));

    // Pairs to draw: the example car pair, a demo model, a small model of two meshes.
    seeds.add("model_render", "example-car", examples.carPair());
    seeds.add("model_render", "demo", pairInput(test::modelPairFixture("Bob", demos.back().options)));
    seeds.add("model_render", "small", pairInput(test::modelPairFixture("Bob")));

    // Track sets and the kind scan.
    seeds.add("track_set_sections", "three-sections",
              test::commonFileWithStrings({"Set:trk", "Straight:tks", "Curve Left:tks", "GUIIcon:txs", "Lift:tks"}));
    seeds.add("track_set_sections", "no-sections", test::commonFileWithStrings({"Set:trk", "Other:txt"}));
    seeds.add("pair_kind_scan", "ride", test::uniqueFile({test::textRow(), test::trackedRideRow()}));
    seeds.add("pair_kind_scan", "car", test::uniqueFile({test::rideCarRow(), test::rideTrainRow()}));
    seeds.add("pair_kind_scan", "neither", test::uniqueFile({test::textRow(), test::rideCarRow()}));
    seeds.add("pair_kind_scan", "example-ride-unique", fileBytes(rideUniqueFile(examples.state.ride)));
}

// A CTR's name, its folder's entries ("/" before a folder), an empty line, the track sections.
void folderNameSeeds(Seeds& seeds) {
    seeds.add("ctr_folder_names", "pair", "CTR_A\nCTR_A.common.ovl\nctr_a.UNIQUE.ovl\n/Extras\nCTR_A.unique.ovl.zwold\n");
    seeds.add("ctr_folder_names", "trackset",
              "TrackCTR_T\nTrackCTR_T.common.ovl\nTrackCTR_T.unique.ovl\nLoop_data.common.ovl\nloop_data.unique.ovl\n"
              "Drop_data.common.ovl\n\nLoop\nDrop\n");
    seeds.add("ctr_folder_names", "strange", "CTR_\xc3\xa4\nctr_\xc3\x84.common.ovl\nCTR_\xe4.common.ovl\n\xff\xfe.unique.ovl\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_fuzz_seeds SOURCE_DIR OUT_DIR\n";
        return 2;
    }
    try {
        const fs::path source = argv[1];
        Seeds seeds(argv[2]);
        const ExampleBuilds examples(source);
        dataFileSeeds(seeds, source, examples);
        decodingSeeds(seeds, source);
        optionsSeeds(seeds);
        registrySeeds(seeds);
        pairSeeds(seeds, examples);
        folderNameSeeds(seeds);
    } catch (const std::exception& e) {
        std::cerr << "make_fuzz_seeds: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
