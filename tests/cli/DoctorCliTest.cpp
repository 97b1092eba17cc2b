// The check of the game folder: a game folder holding one fault of each kind, and the example ride
// and car installed into a clean one; the report as a table of findings and as the command prints it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "datafiles/RideDataHeader.h"
#include "install/GameFolderCheck.h"
#include "ovl/OvlPairReader.h"
#include "support/FakeRegistry.h"
#include "support/GameFolderFixture.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zw::cli {
namespace {

namespace fs = std::filesystem;
using Kind = GameFolderFindingKind;
constexpr FindingSeverity E = FindingSeverity::Error;
constexpr FindingSeverity N = FindingSeverity::Note;

using Row = std::tuple<std::string, std::string, FindingSeverity, Kind>;  // CTR, file, severity, kind

std::set<Row> rowsOf(const GameFolderReport& report) {
    std::set<Row> rows;
    for (const CheckedCtr& ctr : report.ctrs) {
        for (const GameFolderFinding& f : ctr.findings) rows.insert({ctr.name, f.file, f.severity, f.kind});
    }
    return rows;
}

std::string describe(const std::set<Row>& rows) {
    std::string out;
    for (const auto& [ctr, file, severity, kind] : rows) {
        out += ctr + " | " + file + " | " + (severity == E ? "error" : "note") + " | " +
               std::string(findingKindName(kind)) + "\n";
    }
    return out;
}

// The whole report in its order: every CTR, kind and finding with its text, and the totals.
std::string wholeReport(const GameFolderReport& report) {
    std::string out = std::to_string(report.pairsRead) + " pairs, " + std::to_string(report.bytesRead) + " bytes\n";
    for (const CheckedCtr& ctr : report.ctrs) {
        out += ctr.name + " (" + std::string(checkedKindName(ctr.kind)) + ")\n";
        for (const GameFolderFinding& f : ctr.findings) {
            out += "  " + std::string(findingKindName(f.kind)) + " " + f.file + ": " + f.text + "\n";
        }
    }
    return out;
}

struct DoctorCli : ::testing::Test {
    test::GameFolderFixture game;
    test::FakeRegistry registry;
    std::ostringstream out, err;

    void SetUp() override {
        test::writeBytes(game.root() / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'" + game.gamePath().string() +
                             "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
        game.copyExamplesToAuthor();
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--workdir", game.root().string()});
        out.str("");
        err.str("");
        return runCli(args, out, err, nullptr, registry);
    }
    void installExamples() {
        ASSERT_EQ(run({"--overwrite", "ride", "install", (game.author() / "CTR_BahnDaten_Beispielbahn.txt").string()}), ExitCode::Done)
            << err.str();
        ASSERT_EQ(run({"--overwrite", "car", "install", (game.author() / "CTR_WagenDaten_Beispielzug.txt").string()}), ExitCode::Done)
            << err.str();
    }
    // Builds and installs the ride CTR_<name> from the given key lines.
    void installRide(const std::string& name, const std::string& lines) {
        const fs::path file = game.author() / ("CTR_BahnDaten_" + name + ".txt");
        test::writeBytes(file, rideDataHeader() + lines);
        ASSERT_EQ(run({"--overwrite", "ride", "install", file.string()}), ExitCode::Done) << err.str();
    }
};

// The ride's common file with the first relocated slot of its unique file pointing far outside.
void pointOutside(const fs::path& folder, const std::string& name) {
    const fs::path common = folder / (name + ".common.ovl"), unique = folder / (name + ".unique.ovl");
    std::string uniqueBytes = *readWholeFile(unique);
    const OvlPairReader pair(*readWholeFile(common), name + ".common.ovl", uniqueBytes, name + ".unique.ovl");
    ASSERT_FALSE(pair.unique().relocations.empty());
    const auto at = pair.locate(pair.unique().relocations.front());
    ASSERT_TRUE(at && at->file == OvlFileKind::Unique);
    uniqueBytes.replace(at->fileOffset, 4, test::le32(0x7FFFFF00));
    test::writeBytes(unique, uniqueBytes);
}

// Every file and folder below `folder` with its bytes, to see that nothing was written.
std::map<std::string, std::string> everythingBelow(const fs::path& folder) {
    std::map<std::string, std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        out[entry.path().string()] = entry.is_regular_file() ? test::fileContent(entry.path()) : "<folder>";
    }
    return out;
}

void copyPairAs(const fs::path& from, const std::string& fromName, const fs::path& to, const std::string& toName) {
    fs::create_directories(to);
    for (const char* suffix : {".common.ovl", ".unique.ovl"}) fs::copy_file(from / (fromName + suffix), to / (toName + suffix));
}

TEST_F(DoctorCli, TheExamplesInstalledIntoACleanGameFolderGiveNoFinding) {
    installExamples();
    GameNames names;
    names.carTypesKnown = names.allTrackSectionsKnown = true;
    names.carTypes = {"WildMouse", "JuniorLadybird"};
    names.trackSections = {"Stationmiddle", "Straight", "Medcurve", "Smallcurve", "Gentleup", "Gentledown"};
    const GameFolderReport report = checkGameFolder(game.gamePath(), names, Language::English);
    EXPECT_EQ(describe(rowsOf(report)), "");
    ASSERT_EQ(report.ctrs.size(), 2u);
    EXPECT_EQ(report.ctrs[0].kind, CheckedKind::Ride);
    EXPECT_EQ(report.ctrs[1].kind, CheckedKind::Car);
    EXPECT_EQ(report.pairsRead, 2u);

    // The command reads the catalogue from the assistant's lists; the game's track files are not
    // in this folder, so the sections the shipped lists lack (Smallcurve, Gentleup, Gentledown) are not
    // compared, which is said but is no finding.
    EXPECT_EQ(run({"doctor"}), ExitCode::Done) << out.str() << err.str();
    EXPECT_EQ(out.str(),
              "3 track sections of the rides were not compared: not all of the game's track types were found in the "
              "game folder.\n2 entries checked: 0 errors, 0 notes.\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(DoctorCli, AGameFolderWithOneFaultOfEachKind) {
    installExamples();
    const fs::path rides = game.ridesFolder(), cars = game.carsFolder();
    // A ride naming a car type and a section that are nowhere, and a section an installed set has.
    installRide("Ohnewagen", "WagentypName\tWildMouse, Nirgendwo\r\nTrackSectionName\tStraight Looping Nirgends\r\n");
    installRide("Zeiger", "WagentypName\tWildMouse\r\nTrackSectionName\tStraight\r\n");
    pointOutside(rides / "CTR_Zeiger", "CTR_Zeiger");
    // The example ride again under another folder name: two CTRs with one object name.
    copyPairAs(rides / "CTR_Beispielbahn", "CTR_Beispielbahn", rides / "CTR_Zweitbahn", "CTR_Zweitbahn");
    // The example car among the rides.
    copyPairAs(cars / "CTR_Beispielzug", "CTR_Beispielzug", rides / "CTR_Wagenhier", "CTR_Wagenhier");
    // A track set: its own pair and one section pair, with a nested folder; one whose common file is gone.
    const fs::path set = rides / "TrackCTR_Set";
    test::writeBytes(set / "TrackCTR_Set.common.ovl", test::commonFileWithStrings({"Looping:tks"}));
    test::writeBytes(set / "TrackCTR_Set.unique.ovl", test::uniqueFile({test::textRow()}));
    test::writeBytes(set / "Looping_data.common.ovl", test::commonFileWithStrings({"Looping"}));
    test::writeBytes(set / "Looping_data.unique.ovl", test::uniqueFile({test::textRow()}));
    fs::create_directories(set / "Extras");
    test::writeBytes(rides / "TrackCTR_Halb" / "Drop_data.common.ovl", test::commonFileWithStrings({"Drop"}));
    // Half installed, one file of a pair, a pair that is no OVL, one that is neither ride nor car.
    fs::create_directories(rides / "CTR_Leer");
    test::writeBytes(cars / "CTR_Einzeln" / "CTR_Einzeln.common.ovl", "only one");
    test::writeBytes(cars / "CTR_Kaputt" / "CTR_Kaputt.common.ovl", test::commonFileWithStrings({"Kaputt"}));
    test::writeBytes(cars / "CTR_Kaputt" / "CTR_Kaputt.unique.ovl", "not an OVL file either");
    test::writeBytes(cars / "CTR_Weder" / "CTR_Weder.common.ovl", test::commonFileWithStrings({"Weder"}));
    test::writeBytes(cars / "CTR_Weder" / "CTR_Weder.unique.ovl", test::uniqueFile({test::textRow()}));
    // Leftovers, loose files, a folder not named as a CTR.
    test::writeBytes(cars / "CTR_Beispielzug" / "CTR_Beispielzug.unique.ovl.zwold", "former");
    fs::create_directories(rides / "CTR_Alt.zwnew");
    test::writeBytes(rides / "readme.txt", "hello");
    fs::create_directories(cars / "Sicherung");

    std::set<Row> expected = {
        {"CTR_Ohnewagen", "CTR_Ohnewagen.common.ovl", E, Kind::CarTypeMissing},
        {"CTR_Ohnewagen", "CTR_Ohnewagen.common.ovl", E, Kind::TrackSectionMissing},
        {"CTR_Zeiger", "CTR_Zeiger.unique.ovl", E, Kind::StructureError},
        {"CTR_Beispielbahn", "", E, Kind::SharedObjectName},
        {"CTR_Zweitbahn", "", E, Kind::SharedObjectName},
        {"CTR_Zweitbahn", "CTR_Zweitbahn.common.ovl", N, Kind::NameMismatch},
        {"CTR_Wagenhier", "", E, Kind::WrongFolder},
        {"CTR_Wagenhier", "CTR_Wagenhier.common.ovl", N, Kind::NameMismatch},
        {"TrackCTR_Set", "Extras", N, Kind::NestedFolder},
        {"TrackCTR_Halb", "TrackCTR_Halb.common.ovl", E, Kind::HalfInstalled},
        {"TrackCTR_Halb", "Drop_data.common.ovl", N, Kind::LooseFile},
        {"CTR_Leer", "", E, Kind::HalfInstalled},
        {"CTR_Einzeln", "CTR_Einzeln.unique.ovl", E, Kind::PairFileMissing},
        {"CTR_Kaputt", "CTR_Kaputt.unique.ovl", E, Kind::PairMalformed},
        {"CTR_Weder", "CTR_Weder.unique.ovl", E, Kind::UnknownContent},
        {"CTR_Beispielzug", "CTR_Beispielzug.unique.ovl.zwold", N, Kind::Leftover},
        {"CTR_Alt.zwnew", "", N, Kind::Leftover},
        {"readme.txt", "", N, Kind::LooseFile},
        {"Sicherung", "", N, Kind::NotACtr},
    };
#ifndef _WIN32
    // Letter case on a file system that tells it apart.
    test::writeBytes(cars / "CTR_Zwilling" / "CTR_Zwilling.COMMON.ovl", "a");
    test::writeBytes(cars / "CTR_Zwilling" / "CTR_Zwilling.Common.ovl", "b");
    test::writeBytes(cars / "CTR_Zwilling" / "ctr_zwilling.unique.ovl", "c");
    expected.insert({"CTR_Zwilling", "CTR_Zwilling.common.ovl", E, Kind::NamesDifferInCase});
    // Permissions hold for everybody but the administrator.
    if (geteuid() != 0) {
        fs::create_directories(rides / "CTR_Gesperrt");
        fs::permissions(rides / "CTR_Gesperrt", fs::perms::none);
        expected.insert({"CTR_Gesperrt", "", E, Kind::FolderNotRead});
    }
#endif

    GameNames names;
    names.carTypesKnown = names.allTrackSectionsKnown = true;
    names.carTypes = {"WildMouse", "JuniorLadybird"};
    names.trackSections = {"Stationmiddle", "Straight", "Medcurve", "Smallcurve", "Gentleup", "Gentledown"};
    const auto before = everythingBelow(game.gamePath());
    std::vector<std::string> progress;
    const GameFolderReport report = checkGameFolder(
        game.gamePath(), names, Language::English,
        [&](size_t done, size_t total, const std::string& name) {
            progress.push_back(std::to_string(done) + "/" + std::to_string(total) + " " + name);
        },
        2);
    // Checked one entry at a time, the report is the same, finding for finding.
    EXPECT_EQ(wholeReport(checkGameFolder(game.gamePath(), names, Language::English, {}, 1)), wholeReport(report));
#ifndef _WIN32
    if (geteuid() != 0) fs::permissions(rides / "CTR_Gesperrt", fs::perms::owner_all);
#endif
    EXPECT_EQ(describe(rowsOf(report)), describe(expected));
    EXPECT_EQ(everythingBelow(game.gamePath()), before);
    // Before each entry in turn, then at the end.
    const std::string total = std::to_string(report.ctrs.size());
    ASSERT_EQ(progress.size(), report.ctrs.size() + 1);
    for (size_t i = 0; i < report.ctrs.size(); ++i) {
        EXPECT_EQ(progress[i], std::to_string(i) + "/" + total + " " + report.ctrs[i].name);
    }
    EXPECT_EQ(progress.back(), total + "/" + total + " ");

    // Every finding has its texts; the pointer's finding is the inspector's own line.
    for (const CheckedCtr& ctr : report.ctrs) {
        for (const GameFolderFinding& f : ctr.findings) {
            EXPECT_FALSE(f.text.empty());
            EXPECT_FALSE(findingMeaning(f.kind, Language::German).empty());
            EXPECT_FALSE(findingAction(f.kind, Language::English).empty());
        }
    }

    // The command: grouped by CTR, exit 1; the JSON names the same kinds.
    EXPECT_EQ(run({"doctor"}), ExitCode::Stopped);
    const std::string text = out.str();
    EXPECT_NE(text.find("CTR_Ohnewagen (ride)\n  error: CTR_Ohnewagen.common.ovl: The ride names the car type Nirgendwo; "
                        "it is neither installed as a CTR car nor one of the game's.\n"
                        "    Meaning: This ride will not be offered in the game.\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  error: CTR_Zeiger.unique.ovl: relocation 1: the slot at address"), std::string::npos) << text;
    EXPECT_EQ(run({"doctor", "--json"}), ExitCode::Stopped);
    for (const char* kind : {"\"car-type-missing\"", "\"structure-error\"", "\"shared-object-name\"", "\"half-installed\""}) {
        EXPECT_NE(out.str().find(kind), std::string::npos) << kind;
    }
    EXPECT_EQ(run({"doctor", "--yaml"}), ExitCode::UsageError);
}

// Two CTRs whose object names differ only in letter case share the name in the game.
TEST_F(DoctorCli, ObjectNamesDifferingOnlyInCaseAreOneName) {
    installExamples();
    installRide("Beispielbahx", "WagentypName\tWildMouse, Nirgendwo\r\n");
    // The object inside the new pair renamed to the example's name in capitals (as long as before).
    const fs::path folder = game.ridesFolder() / "CTR_Beispielbahx";
    std::string common = *readWholeFile(folder / "CTR_Beispielbahx.common.ovl");
    const size_t at = common.find("CTR_Beispielbahx:trr");
    ASSERT_NE(at, std::string::npos);
    common.replace(at, 16, "CTR_BEISPIELBAHN");
    test::writeBytes(folder / "CTR_Beispielbahx.common.ovl", common);

    // Without the game's catalogue the car types are counted as not compared, not reported.
    const GameFolderReport report = checkGameFolder(game.gamePath(), GameNames{}, Language::English);
    const std::set<Row> rows = rowsOf(report);
    EXPECT_TRUE(rows.count({"CTR_Beispielbahn", "", E, Kind::SharedObjectName})) << describe(rows);
    EXPECT_TRUE(rows.count({"CTR_Beispielbahx", "", E, Kind::SharedObjectName})) << describe(rows);
    EXPECT_TRUE(rows.count({"CTR_Beispielbahx", "CTR_Beispielbahx.common.ovl", N, Kind::NameMismatch}));
    EXPECT_EQ(report.carTypesNotCompared, 4u);  // WildMouse and JuniorLadybird, WildMouse and Nirgendwo
}

}  // namespace
}  // namespace zw::cli
