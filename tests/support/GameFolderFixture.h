#pragma once
// A game folder tree and prepared CTR folders for the install tests. The OVL files are written byte
// by byte from the file layout: a header ("FGRK", reserved word, version, references, spare word,
// loader type rows), nine block counts, the blocks as size word plus bytes, a relocation count.
// They hold only what installing reads: the loader type rows and the string table.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempFolder.h"

namespace zw::test {

std::string le16(uint16_t value);
std::string le32(uint32_t value);
// A short length followed by the characters, no NUL.
std::string shortText(std::string_view text);

struct LoaderTypeRow {
    std::string loader;  // "RCT3" or "FGDK"
    std::string type;    // "TrackedRide", "RideTrain", ...
    uint32_t number = 1;
    std::string tag;     // "trr", "rit", ...
};
std::string loaderTypeRowBytes(const LoaderTypeRow& row);

LoaderTypeRow trackedRideRow();  // RCT3 TrackedRide 1 trr
LoaderTypeRow rideTrainRow();    // RCT3 RideTrain 1 rit
LoaderTypeRow rideCarRow();      // RCT3 RideCar 1 ric
LoaderTypeRow textRow();         // FGDK Text 1 txt

// Header up to and including the loader type rows.
std::string ovlHeader(const std::vector<LoaderTypeRow>& rows, uint32_t version = 1,
                      const std::vector<std::string>& references = {});

// A unique file: block counts 0, 0, 3, 0 …, three empty blocks of type 2, no relocations.
std::string uniqueFile(const std::vector<LoaderTypeRow>& rows);

// A common file whose string table holds `strings`, each followed by a NUL: block counts 1, 0, 2, 0 …,
// the string table, two empty blocks of type 2, no relocations.
std::string commonFileWithStrings(const std::vector<std::string>& strings, uint32_t version = 1,
                                  const std::vector<LoaderTypeRow>& rows = {textRow()});

class GameFolderFixture {
public:
    // Makes <root>/RCT3/tracks/TrackedRides, <root>/RCT3/Cars/TrackedRideCars and <root>/Author.
    GameFolderFixture();

    std::filesystem::path root() const { return temp_.path(); }
    std::filesystem::path gamePath() const { return temp_.path() / "RCT3"; }
    std::filesystem::path ridesFolder() const { return gamePath() / "tracks" / "TrackedRides"; }
    std::filesystem::path carsFolder() const { return gamePath() / "Cars" / "TrackedRideCars"; }
    std::filesystem::path author() const { return temp_.path() / "Author"; }
    // The examples that ship with the program (ZW_SOURCE_DIR/examples), copied into author().
    void copyExamplesToAuthor() const;

    // Prepared folders <parent>/<name> holding <name>.common.ovl and <name>.unique.ovl. The common
    // file of a ride or car is marked with `mark`, so a test can tell copies apart.
    std::filesystem::path makeRideFolder(const std::filesystem::path& parent, const std::string& name,
                                         const std::string& mark = "ride");
    std::filesystem::path makeCarFolder(const std::filesystem::path& parent, const std::string& name,
                                        const std::string& mark = "car");
    // A track set: its common file names every section "<s>:tks" in its string table (besides a
    // few other strings), and each section's pair <s>_data.common.ovl / .unique.ovl lies beside it.
    std::filesystem::path makeTrackSetFolder(const std::filesystem::path& parent, const std::string& name,
                                             const std::vector<std::string>& sections);

private:
    TempFolder temp_;
};

// The system error number that making `folder` (its last level only) fails with on this system, for
// a folder that cannot be made; a name taken by a file counts as "file exists".
int folderCreationError(const std::filesystem::path& folder);

// The bytes of a file, or "<missing>".
std::string fileContent(const std::filesystem::path& path);

// The names of a folder's entries, sorted.
std::vector<std::string> entryNames(const std::filesystem::path& folder);

}  // namespace zw::test
