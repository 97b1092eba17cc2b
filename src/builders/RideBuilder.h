#pragma once
// The ride builder ("Bahn.ovls erstellen"): turns the ride data record into the ride pair
// <RideObjectName>.common.ovl / .unique.ovl in the folder <DataFileFolder><RideObjectName>.
//
// Build order (PairBuild.h runs the steps shared with the car build: 1, 2 and the writing of 10):
//   1. the output folder, and the overwrite question when an earlier pair is there; then, before
//      anything is written, the check of the track types (messages 468, 469: RideDataBlock.h), the
//      spline pair of step 8 read and checked, and the picture of step 9 read; the folder made;
//   2. a new pair;
//   3. a block in part file 9 (the TrackedRide) and one in part file 5 (the RideDataBlock), the
//      TrackedRide's symbol "<RideObjectName>:trr" and its loader;
//   4. the TrackedRide;  5. the RideDataBlock;  6. the TrackedRide's reference count;
//   7. the generated splines, when both special A track sections are empty;
//   8. the peep splines, when there are any;
//   9. the ride's own icon, for BahnIcon "Style", "style", "CTR" or "ctr";
//  10. the assembly: the LoaderTypeList, the unique header's reference to the game's ride icons
//      (unless step 9 ran), and the icon's picture data after the common file's relocations.
//
// Steps 7 to 9, and the reading for steps 8 and 9, come from the splines and the icon of the pair
// (RideBuildSteps). Both output files are replaced together only after the whole pair was made; a
// build that stops leaves an earlier pair as it was.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/Messages.h"
#include "base/Report.h"
#include "builders/BuildOutputFolder.h"
#include "builders/PeepSplines.h"

namespace zw {

class OvlWriter;
struct RideData;
struct Settings;

// What a step of the build works with.
struct RideBuild {
    const RideData& ride;
    const Settings& settings;
    OvlWriter& writer;  // the pair under construction; not begun while the steps read
    std::optional<PeepSplineSource> peepSplines;  // read for step 8
    std::string iconEntry;                         // read for step 9: the picture's extra-data entry
    std::string iconPicture;  // step 9's picture data, appended to the .common file at assembly
};

// The steps that other parts of the ride pair contribute. Each returns false when it stopped the
// build, its message in `report`; an empty step is not run.
struct RideBuildSteps {
    // Step 7: "carcar:spl" and "tracktrack:spl" in a new block of part file 5.
    std::function<bool(RideBuild&, Report&)> makeGeneratedSplines;
    // Before anything is written: the spline pair beside the data file into RideBuild::peepSplines.
    std::function<bool(RideBuild&, Report&)> readPeepSplines;
    // Step 8: the peep splines copied from it.
    std::function<bool(RideBuild&, Report&)> copyPeepSplines;
    // Before anything is written: the icon's picture into RideBuild::iconEntry.
    std::function<bool(RideBuild&, Report&)> readRideIcon;
    // Step 9: the icon structures, with the picture data left in RideBuild::iconPicture.
    std::function<bool(RideBuild&, Report&)> makeRideIcon;
};

// The steps of this program.
RideBuildSteps defaultRideBuildSteps();

// The output folder and files of the ride pair.
PairFiles ridePairFiles(const RideData& ride);
std::filesystem::path rideOutputFolder(const RideData& ride);
std::filesystem::path rideCommonFile(const RideData& ride);
std::filesystem::path rideUniqueFile(const RideData& ride);

// Builds the ride pair: its files when both were written; otherwise the report tells why (a message,
// or the overwrite question not yet answered Yes in `answers`).
Result<PairFiles> buildRidePair(const RideData& ride, const Settings& settings, OvlWriter& writer,
                                const Answers& answers, const RideBuildSteps& steps = defaultRideBuildSteps());

}  // namespace zw
