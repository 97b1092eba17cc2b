#include "builders/RideBuilder.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "builders/BuildOutputFolder.h"
#include "builders/GeneratedSplines.h"
#include "builders/PeepSplines.h"
#include "builders/RideDataBlock.h"
#include "builders/RideIcon.h"
#include "builders/RidePairLayout.h"
#include "builders/TrackedRide.h"
#include "datafiles/RideData.h"
#include "ovl/ByteReader.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

// The picture data that step 9 left in the temporary folder: one extra-data entry.
std::optional<std::string> readIconExtraData(const std::filesystem::path& file, Dialogs& dialogs, Language language) {
    std::error_code error;
    const std::optional<std::string> bytes = readWholeFile(file, &error);
    if (!bytes) {
        dialogs.showMessage(message("temporaryFileNotRead", language, {pathForMessage(file), asciiOnlyText(error.message())}));
        return std::nullopt;
    }
    try {
        ByteReader in(*bytes, pathForMessage(file));
        const uint32_t size = in.u32();
        return std::string(in.bytes(size));
    } catch (const BinaryReadError& failure) {
        dialogs.showMessage(message("temporaryFileNotRead", language, {pathForMessage(file), asciiOnlyText(failure.what())}));
        return std::nullopt;
    }
}

}  // namespace

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
        return makeRideIcon(build.ride.BahnIcon, build.ride.DataFileFolder, build.TempFolder, build.writer,
                            build.dialogs, build.language);
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
                      const std::filesystem::path& TempFolder,
                  OvlWriter& writer, Dialogs& dialogs, const RideBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    const bool addOns = settings.AddOnsEnabled;
    if (!prepareBuildTempFolder(TempFolder, dialogs, language)) return false;
    writer.beginPair(dialogs, language, ride.RideObjectName);

    writer.startBlock(part::UniqueStructures);
    writer.startBlock(part::CommonStructures);
    writer.makeSymbolAndLoader(OvlFileKind::Unique, ride.RideObjectName + ":trr", rideLoaderType::TrackedRide);

    const RideDataBlockLayout data = rideDataBlockLayout(ride, addOns, writer.end(part::CommonStructures));
    if (!writeTrackedRide(writer, ride, addOns, data, dialogs, language)) return false;
    if (!writeRideDataBlock(writer, ride, addOns, data, dialogs, language)) return false;
    writer.closeUniqueStructure();

    RideBuild build{ride, settings, writer, dialogs, language, TempFolder};
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
    const std::filesystem::path iconExtraData = TempFolder / std::string(kIconExtraDataFileName);
    if (ownIcon) {
        std::optional<std::string> picture = readIconExtraData(iconExtraData, dialogs, language);
        if (!picture) return false;
        contents.commonExtraData.push_back(std::move(*picture));
    } else {
        contents.uniqueReferences.emplace_back(kRideIconsReference);
    }
    const std::vector<std::filesystem::path> temporaryFiles = {iconExtraData, TempFolder / "_TempOVLHelp.ovl"};
    if (!assemblePair(writer, contents, files.common, files.unique, dialogs, language, temporaryFiles)) {
        return false;
    }
    // Only an empty folder is removed: whatever else stands in it is not the build's.
    removeFile(TempFolder);
    return true;
}

}  // namespace

bool buildRidePair(const RideData& ride, const Settings& settings, const std::filesystem::path& TempFolder,
                   OvlWriter& writer, Dialogs& dialogs, const RideBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    const PairFiles files = ridePairFiles(ride);
    BuildOutputFolder output(files);
    if (!output.prepare(PairKind::Ride, settings.OverwriteWithoutPrompt, dialogs, language)) {
        return false;
    }
    return output.runBuild([&] { return assembleRidePair(ride, files, settings, TempFolder, writer, dialogs, steps); }, dialogs,
                           language);
}

}  // namespace zw
