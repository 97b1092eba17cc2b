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
#include "builders/RidePairLayout.h"
#include "builders/TrackedRide.h"
#include "datafiles/RideData.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlWriter.h"

namespace zw {

RideBuildSteps defaultRideBuildSteps() {
    RideBuildSteps steps;
    steps.makeGeneratedSplines = [](RideBuild& build) {
        makeGeneratedSplines(build.writer, rideLoaderType::Spline);
        return true;
    };
    steps.copyPeepSplines = [](RideBuild& build) {
        return copyPeepSplines(build.writer, build.ride, rideLoaderType::Spline, build.report);
    };
    steps.makeRideIcon = [](RideBuild& build) {
        std::optional<std::string> picture =
            makeRideIcon(build.ride.BahnIcon, build.ride.DataFileFolder, build.writer, build.report);
        if (!picture) return false;
        build.iconPicture = std::move(*picture);
        return true;
    };
    return steps;
}

PairFiles ridePairFiles(const RideData& ride) { return pairFilesIn(ride.DataFileFolder, ride.RideObjectName); }
std::filesystem::path rideOutputFolder(const RideData& ride) { return ridePairFiles(ride).folder; }
std::filesystem::path rideCommonFile(const RideData& ride) { return ridePairFiles(ride).common; }
std::filesystem::path rideUniqueFile(const RideData& ride) { return ridePairFiles(ride).unique; }

namespace {

// Steps 3 to 10, into the begun pair: the pair's contents for the assembly.
std::optional<OvlPairContents> writeRidePair(const RideData& ride, const Settings& settings, OvlWriter& writer,
                                             Report& report, const RideBuildSteps& steps) {
    const bool addOns = settings.AddOnsEnabled;
    writer.startBlock(OvlPart::UniqueStructures);
    writer.startBlock(OvlPart::CommonStructures);
    writer.makeSymbolAndLoader(OvlFileKind::Unique, ride.RideObjectName + ":trr", rideLoaderType::TrackedRide);

    const RideDataBlockLayout data = rideDataBlockLayout(ride, addOns, writer.end(OvlPart::CommonStructures));
    writeTrackedRide(writer, ride, addOns, data);
    writeRideDataBlock(writer, ride, addOns, data);
    writer.closeUniqueStructure();

    RideBuild build{ride, settings, writer, report, {}};
    if (ride.SpezialTrackSectionNameAMitte.empty() && ride.SpezialTrackSectionNameAEnde.empty() &&
        steps.makeGeneratedSplines && !steps.makeGeneratedSplines(build)) {
        return std::nullopt;
    }
    if ((!ride.PeepLoopSplineName.empty() || !ride.PeepPathSplineName.empty()) && steps.copyPeepSplines &&
        !steps.copyPeepSplines(build)) {
        return std::nullopt;
    }
    const bool ownIcon = isOwnRideIcon(ride.BahnIcon) && steps.makeRideIcon;
    if (ownIcon && !steps.makeRideIcon(build)) return std::nullopt;

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
    const PairBuild build{
        PairKind::Ride, ride.DataFileFolder, ride.RideObjectName,
        [&](Report& report) { return checkTrackPaths(ride, settings.AddOnsEnabled, report); },
        [&](Report& report) { return writeRidePair(ride, settings, writer, report, steps); }};
    return buildPair(build, settings, writer, answers);
}

}  // namespace zw
