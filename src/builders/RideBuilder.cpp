#include "builders/RideBuilder.h"

#include <optional>
#include <string>

#include "base/Dialogs.h"
#include "base/Settings.h"
#include "builders/BuildOutputFolder.h"
#include "builders/GeneratedSplines.h"
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
        return copyPeepSplines(build.writer, build.ride, rideLoaderType::Spline, build.dialogs, build.language);
    };
    steps.makeRideIcon = [](RideBuild& build) {
        std::optional<std::string> picture =
            makeRideIcon(build.ride.BahnIcon, build.ride.DataFileFolder, build.writer, build.dialogs, build.language);
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

// Everything after the output folder: true when the pair was written.
bool assembleRidePair(const RideData& ride, const PairFiles& files, const Settings& settings,
                      OvlWriter& writer, Dialogs& dialogs, const RideBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    const bool addOns = settings.AddOnsEnabled;
    writer.beginPair(dialogs, language, ride.RideObjectName);

    writer.startBlock(OvlPart::UniqueStructures);
    writer.startBlock(OvlPart::CommonStructures);
    writer.makeSymbolAndLoader(OvlFileKind::Unique, ride.RideObjectName + ":trr", rideLoaderType::TrackedRide);

    const RideDataBlockLayout data = rideDataBlockLayout(ride, addOns, writer.end(OvlPart::CommonStructures));
    if (!writeTrackedRide(writer, ride, addOns, data, dialogs, language)) return false;
    if (!writeRideDataBlock(writer, ride, addOns, data, dialogs, language)) return false;
    writer.closeUniqueStructure();

    RideBuild build{ride, settings, writer, dialogs, language, {}};
    if (ride.SpezialTrackSectionNameAMitte.empty() && ride.SpezialTrackSectionNameAEnde.empty() &&
        steps.makeGeneratedSplines && !steps.makeGeneratedSplines(build)) {
        return false;
    }
    if ((!ride.PeepLoopSplineName.empty() || !ride.PeepPathSplineName.empty()) && steps.copyPeepSplines &&
        !steps.copyPeepSplines(build)) {
        return false;
    }
    const bool ownIcon = isOwnRideIcon(ride.BahnIcon) && steps.makeRideIcon;
    if (ownIcon && !steps.makeRideIcon(build)) return false;

    OvlPairContents contents;
    contents.loaderTypes = rideLoaderTypeList();
    if (ownIcon) {
        contents.commonExtraData.push_back(std::move(build.iconPicture));
    } else {
        contents.uniqueReferences.emplace_back(kRideIconsReference);
    }
    return assemblePair(writer, contents, files.common, files.unique, dialogs, language);
}

}  // namespace

bool buildRidePair(const RideData& ride, const Settings& settings, OvlWriter& writer, Dialogs& dialogs, const RideBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    const PairFiles files = ridePairFiles(ride);
    BuildOutputFolder output(files);
    if (!output.prepare(PairKind::Ride, settings.OverwriteWithoutPrompt, dialogs, language)) {
        return false;
    }
    return output.runBuild([&] { return assembleRidePair(ride, files, settings, writer, dialogs, steps); }, dialogs,
                           language);
}

}  // namespace zw
