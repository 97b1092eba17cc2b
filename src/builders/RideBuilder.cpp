#include "builders/RideBuilder.h"

#include <optional>
#include <string>

#include "base/Settings.h"
#include "builders/BuildOutputFolder.h"
#include "builders/GeneratedSplines.h"
#include "builders/PairBuild.h"
#include "builders/PeepSplines.h"
#include "builders/RideDataBlock.h"
#include "builders/RideIcon.h"
#include "builders/RideIconExtraData.h"
#include "builders/RidePairLayout.h"
#include "builders/TrackedRide.h"
#include "datafiles/RideData.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlWriter.h"

namespace zw {

RideBuildSteps defaultRideBuildSteps() {
    RideBuildSteps steps;
    steps.makeGeneratedSplines = [](RideBuild& build, Report&) {
        makeGeneratedSplines(build.writer, rideLoaderType::Spline);
        return true;
    };
    steps.readPeepSplines = [](RideBuild& build, Report& report) {
        build.peepSplines = readPeepSplines(build.ride, report);
        return build.peepSplines.has_value();
    };
    steps.copyPeepSplines = [](RideBuild& build, Report& report) {
        return writePeepSplines(build.writer, *build.peepSplines, rideLoaderType::Spline, report);
    };
    steps.readRideIcon = [](RideBuild& build, Report& report) {
        std::optional<std::string> entry = obtainIconExtraData(build.ride.BahnIcon, build.ride.DataFileFolder, report);
        if (!entry) return false;
        build.iconEntry = std::move(*entry);
        return true;
    };
    steps.makeRideIcon = [](RideBuild& build, Report&) {
        build.iconPicture = makeRideIcon(build.iconEntry, build.ride.BahnIcon, build.writer);
        return true;
    };
    return steps;
}

PairFiles ridePairFiles(const RideData& ride) { return pairFilesIn(ride.DataFileFolder, ride.RideObjectName); }
std::filesystem::path rideOutputFolder(const RideData& ride) { return ridePairFiles(ride).folder; }
std::filesystem::path rideCommonFile(const RideData& ride) { return ridePairFiles(ride).common; }
std::filesystem::path rideUniqueFile(const RideData& ride) { return ridePairFiles(ride).unique; }

namespace {

bool hasPeepSplines(const RideData& ride) {
    return !ride.PeepLoopSplineName.empty() || !ride.PeepPathSplineName.empty();
}

// A step that is there and that stopped the build.
bool stopped(const std::function<bool(RideBuild&, Report&)>& step, RideBuild& build, Report& report) {
    return step && !step(build, report);
}

// Everything of step 1 that needs nothing written: the track types, then what steps 8 and 9 read.
bool checkRide(RideBuild& build, Report& report, const RideBuildSteps& steps) {
    const RideData& ride = build.ride;
    if (!checkTrackPaths(ride, build.settings.AddOnsEnabled, report)) return false;
    if (hasPeepSplines(ride) && stopped(steps.readPeepSplines, build, report)) return false;
    return !(isOwnRideIcon(ride.BahnIcon) && stopped(steps.readRideIcon, build, report));
}

// Steps 3 to 10, into the begun pair: the pair's contents for the assembly.
std::optional<OvlPairContents> writeRidePair(RideBuild& build, Report& report, const RideBuildSteps& steps) {
    const RideData& ride = build.ride;
    OvlWriter& writer = build.writer;
    const bool addOns = build.settings.AddOnsEnabled;
    writer.startBlock(OvlPart::UniqueStructures);
    writer.startBlock(OvlPart::CommonStructures);
    writer.makeSymbolAndLoader(OvlFileKind::Unique, ride.RideObjectName + ":trr", rideLoaderType::TrackedRide);

    const RideDataBlockLayout data = rideDataBlockLayout(ride, addOns, writer.end(OvlPart::CommonStructures));
    writeTrackedRide(writer, ride, addOns, data);
    writeRideDataBlock(writer, ride, addOns, data);
    writer.closeUniqueStructure();

    if (ride.SpezialTrackSectionNameAMitte.empty() && ride.SpezialTrackSectionNameAEnde.empty() &&
        stopped(steps.makeGeneratedSplines, build, report)) {
        return std::nullopt;
    }
    if (hasPeepSplines(ride) && stopped(steps.copyPeepSplines, build, report)) return std::nullopt;
    const bool ownIcon = isOwnRideIcon(ride.BahnIcon) && steps.makeRideIcon;
    if (ownIcon && !steps.makeRideIcon(build, report)) return std::nullopt;

    OvlPairContents contents;
    contents.loaderTypes = rideLoaderTypeList();
    if (ownIcon) {
        contents.commonExtraData.push_back(std::move(build.iconPicture));
    } else {
        contents.uniqueReferences.emplace_back(kRideIconsReference);
    }
    return contents;
}

}  // namespace

Result<PairFiles> buildRidePair(const RideData& ride, const Settings& settings, OvlWriter& writer,
                                const Answers& answers, const RideBuildSteps& steps) {
    RideBuild rideBuild{ride, settings, writer, std::nullopt, {}, {}};
    const PairBuild build{PairKind::Ride, ride.DataFileFolder, ride.RideObjectName,
                          [&](Report& report) { return checkRide(rideBuild, report, steps); },
                          [&](Report& report) { return writeRidePair(rideBuild, report, steps); }};
    return buildPair(build, settings, writer, answers);
}

}  // namespace zw
