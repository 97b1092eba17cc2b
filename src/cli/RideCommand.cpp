// "ride check FILE" reads it and lists its findings (what the reader takes differently from what is
// written, what a rewrite would drop). "ride read FILE" reads a ride data file as the main window's read button does and tells what it
// found (--dump: every ride field); "ride rewrite FILE" reads it and writes it back in canonical form;
// "ride build FILE" reads it and builds the ride pair into <data file folder>/<RideObjectName>/, as
// the window's build button does.

#include <ostream>
#include <variant>

#include "base/Encoding.h"
#include "builders/RideBuilder.h"
#include "cli/Commands.h"
#include "workflow/ProjectCommands.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/KeyFieldVisit.h"
#include "datafiles/RideData.h"
#include "datafiles/RideDataReader.h"
#include "workflow/ProjectCommands.h"

namespace zw::cli {
namespace {

void dump(std::ostream& out, const RideData& r) {
    auto field = [&](std::string_view name, const std::string& value) { out << name << ": " << value << '\n'; };
    auto integer = [&](std::string_view name, int64_t value) { field(name, std::to_string(value)); };
    auto real = [&](std::string_view name, double value) { field(name, dumpDecimal(value)); };
    auto texts = [&](std::string_view name, const std::vector<std::string>& values) {
        field(name, dumpList(values, dumpText));
    };

    field("DataFileFolder", r.DataFileFolder.string());
    field("RideObjectName", dumpText(r.RideObjectName));
    real("SpeedUnitFactor", r.SpeedUnitFactor);
    integer("RideFlags", r.RideFlags);
    bool ratingsDumped = false;
    for (const DataFileKey& key : rideKeys()) {
        const KeyField& f = key.field;
        if (std::holds_alternative<RatingCell>(f)) {
            // The whole rating table where its first key stands, the fixed rows and factors too.
            if (ratingsDumped) continue;
            ratingsDumped = true;
            for (std::size_t row = 0; row < kRatingRowCount; ++row) {
                const std::string stem(kRatingRows[row].germanStem);
                const auto& values = r.RatingCoefficients[row];
                real("Err" + stem, values[Excitement]);
                real("Int" + stem, values[Intensity]);
                real("Ueb" + stem, values[Nausea]);
                real("Faktor" + stem, values[Factor]);
            }
        } else {
            visitKeyField(f, r, overloaded{
                [&](const std::string& text) { field(key.fieldName, dumpText(text)); },
                [&](int32_t number) { integer(key.fieldName, number); },
                [&](double decimal) {
                    if (key.values != KeyValues::SpeedUnit) real(key.fieldName, decimal);  // the factor stands first
                },
                [&](const std::vector<std::string>& list) { texts(key.fieldName, list); },
                [&](const std::vector<int32_t>& amounts) {
                    field(key.fieldName, dumpList(amounts, [](int32_t v) { return std::to_string(v); }));
                },
                [](ConstRideFlag) {},  // the flags that are bits of RideFlags stand in it
            });
        }
    }
    integer("StationshoeheueberGleis", r.stationHeightAboveTrack);
    integer("BaunuraufWasserFlag", r.buildOnWaterOnly);
    integer("BetriebsmodusanzeigenFlag", r.showAllOperatingModes);
    real("LiftkettengeschwStep", r.liftChainSpeedStep);
    real("StartgeschwStep", r.launchSpeedStep);
    real("KonstantgeschwStep", r.constantSpeedStep);
    real("LiftkettenEinrastung", r.liftChainEngagement);
    integer("EintrittspreisPreset", r.entranceFeePreset);
    integer("TowerRideUnknown1", r.TowerRideUnknown1);
    integer("TowerRideUnknown2", r.TowerRideUnknown2);
    integer("Unknowns", r.Unknowns);
}

void summary(std::ostream& out, const RideData& r) {
    out << "ride object: " << cp1252ToUtf8(r.RideObjectName) << '\n';
    out << "name: " << cp1252ToUtf8(r.BahnName) << '\n';
    out << "track type: " << cp1252ToUtf8(r.TrackTyp) << '\n';
    out << "car types: " << cp1252ToUtf8(dumpList(r.WagentypName, [](const std::string& s) { return s; })) << '\n';
    out << "track sections: " << r.TrackSectionName.size() << '\n';
}

const DataFileCommandKind kRideFiles{
    .group = "ride",
    .missingAction = "ride needs read, rewrite or build and a file",
    .kind = DataFileKind::Ride,
    .readForCheck = [](Context& context, const std::filesystem::path& file) {
        return readRideDataFile(context.state(), context.dialogs(), file);
    },
    .summary = [](std::ostream& out, const ProjectState& state) { summary(out, state.ride); },
    .dump = [](std::ostream& out, const ProjectState& state) { dump(out, state.ride); },
    .read = [](ProjectState& state, Dialogs& dialogs, const std::filesystem::path& file) {
        return readRideDataFile(state, dialogs, file);
    },
    .rewrite = [](const ProjectState& state, Dialogs& dialogs) { return rewriteRideFile(state, dialogs); },
    .build = [](ProjectState& state, Dialogs& dialogs) { return buildRidePair(state, dialogs); },
    .installKind = CtrKind::Ride,
    .commonFile = [](const ProjectState& state) { return rideCommonFile(state.ride); },
    .uniqueFile = [](const ProjectState& state) { return rideUniqueFile(state.ride); },
};

int run(Context& context, std::span<const std::string> args) { return runDataFileCommand(kRideFiles, context, args); }

const Registration registration{{
    .name = "ride",
    .usage = "ride read FILE [--dump]   CTR_BahnDaten_<name>.txt; --dump prints every ride field\n"
             "ride check FILE           lists what the reader takes differently from what is written (exit 1 on errors)\n"
             "ride rewrite FILE         writes the file back in canonical form\n"
             "ride build FILE           builds <folder>/<RideObjectName>/<RideObjectName>.common.ovl and .unique.ovl\n"
             "ride install FILE         builds the pair and installs it into the game's ride folder",
    .run = run,
    .touchesNoGame = isCheckCommand,
}};

}  // namespace
}  // namespace zw::cli
