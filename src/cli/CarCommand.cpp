// "car check FILE" reads it and lists its findings (what the reader takes differently from what is
// written, what a rewrite would drop). "car read FILE" reads a car data file as the main window's read button does and tells what it
// found (--dump: every car field); "car rewrite FILE" reads it and writes it back in canonical form;
// "car build FILE" reads it and builds the car pair into <data file folder>/<CarObjectName>/, as the
// window's build button does; "car install FILE" builds the pair and installs it.

#include <ostream>

#include "base/Encoding.h"
#include "builders/CarBuilder.h"
#include "cli/Commands.h"
#include "datafiles/CarData.h"
#include "datafiles/CarDataCommands.h"
#include "workflow/ProjectCommands.h"

namespace zw::cli {
namespace {

void dump(std::ostream& out, const CarData& car) {
    out << "CarFolder: " << car.CarFolder.string() << '\n';
    out << "CarObjectName: " << dumpText(car.CarObjectName) << '\n';
    out << "IncludePaths: " << dumpList(car.IncludePaths, dumpText) << '\n';
    out << "TrainName: " << dumpText(car.TrainName) << '\n';
    out << "CarCountPerTrainMin: " << car.CarCountPerTrainMin << '\n';
    out << "CarCountPerTrainMax: " << car.CarCountPerTrainMax << '\n';
    out << "CarCountPerTrainPreset: " << car.CarCountPerTrainPreset << '\n';
    out << "CameraLookahead: " << dumpDecimal(car.CameraLookahead) << '\n';
    out << "CameraLATiltfactor: " << dumpDecimal(car.CameraLATiltfactor) << '\n';
    out << "JetSkiUnknown: " << dumpDecimal(car.JetSkiUnknown) << '\n';
    out << "WaterUnknownA: " << dumpDecimal(car.WaterUnknownA) << '\n';
    out << "WaterUnknownB: " << dumpDecimal(car.WaterUnknownB) << '\n';
    out << "WaterUnknownC: " << dumpDecimal(car.WaterUnknownC) << '\n';
    out << "WaterUnknownD: " << dumpDecimal(car.WaterUnknownD) << '\n';
    out << "WaterUnknownE: " << dumpDecimal(car.WaterUnknownE) << '\n';
    out << "WaterUnknownF: " << dumpDecimal(car.WaterUnknownF) << '\n';
    out << "OvertakeFlag: " << car.OvertakeFlag << '\n';
    out << "PriorityStationType: " << dumpText(car.PriorityStationType) << '\n';
    for (CarRole r : kCarRoles) {
        const CarRoleData& role = car.role(r);
        const std::string p = std::string(carRoleName(r)) + ".";
        out << p << "defined: " << (role.isDefined() ? "yes" : "no") << '\n';
        out << p << "IncludeRIC: " << dumpText(role.IncludeRIC) << '\n';
        out << p << "IncludeSVDPartA: " << dumpText(role.IncludeSVDPartA) << '\n';
        out << p << "IncludeSVDPartB: " << dumpText(role.IncludeSVDPartB) << '\n';
        out << p << "ModelNamePartA: " << dumpText(role.ModelNamePartA) << '\n';
        out << p << "ModelNamePartB: " << dumpText(role.ModelNamePartB) << '\n';
        out << p << "InertiaPartA: " << dumpDecimal(role.InertiaPartA) << '\n';
        out << p << "InertiaPartB: " << dumpDecimal(role.InertiaPartB) << '\n';
        out << p << "TurnaxisType: " << role.TurnaxisType << '\n';
        out << p << "TurnaxisStability: " << dumpDecimal(role.TurnaxisStability) << '\n';
        out << p << "TurnaxisMomentum: " << dumpDecimal(role.TurnaxisMomentum) << '\n';
        out << p << "TurnaxisStopper: " << dumpDecimal(role.TurnaxisStopper) << '\n';
        out << p << "TurnaxisUnknown: " << dumpDecimal(role.TurnaxisUnknown) << '\n';
        out << p << "PeepSeatingPositions: "
            << dumpList(role.PeepSeatingPositions, [](std::int32_t v) { return std::to_string(v); }) << '\n';
        out << p << "SideSwing: " << dumpDecimal(role.SideSwing) << '\n';
        out << p << "HeightSwing: " << dumpDecimal(role.HeightSwing) << '\n';
        for (const auto& event : kCarAnimEvents) out << p << "Anim" << event.name << ": " << role.*event.field << '\n';
    }
}

void summary(std::ostream& out, const CarData& car) {
    out << "car object: " << cp1252ToUtf8(car.CarObjectName) << '\n';
    out << "train: " << cp1252ToUtf8(car.TrainName) << '\n';
    for (CarRole r : kCarRoles) {
        const CarRoleData& role = car.role(r);
        if (!role.isDefined()) continue;
        out << carRoleName(r) << ": " << cp1252ToUtf8(role.ModelNamePartA);
        if (!role.ModelNamePartB.empty()) out << " + " << cp1252ToUtf8(role.ModelNamePartB);
        out << '\n';
    }
}

const DataFileCommandKind kCarFiles{
    .group = "car",
    .filePrefix = "CTR_WagenDaten_",
    .missingAction = "car needs read, rewrite, build or install and a file",
    .kind = DataFileKind::Car,
    .readForCheck = [](Context& context, const std::filesystem::path& file) {
        return readCarDataFile(context.state(), context.dialogs(), file);
    },
    .summary = [](std::ostream& out, const ProjectState& state) { summary(out, state.car); },
    .dump = [](std::ostream& out, const ProjectState& state) { dump(out, state.car); },
    .read = &MainWindow::readCarFile,
    .rewrite = &MainWindow::rewriteCarFile,
    .build = &MainWindow::buildCarPair,
    .install = &MainWindow::installCarPair,
    .commonFile = [](const ProjectState& state) { return carCommonFile(state.car); },
    .uniqueFile = [](const ProjectState& state) { return carUniqueFile(state.car); },
};

int run(Context& context, std::span<const std::string> args) { return runDataFileCommand(kCarFiles, context, args); }

const Registration registration{{
    .name = "car",
    .usage = "car read FILE [--dump]   CTR_WagenDaten_<name>.txt; --dump prints every car field\n"
             "car check FILE           lists what the reader takes differently from what is written (exit 1 on errors)\n"
             "car rewrite FILE         writes the file back in canonical form\n"
             "car build FILE           builds <folder>/<CarObjectName>/<CarObjectName>.common.ovl and .unique.ovl\n"
             "car install FILE         builds the pair and installs it into the game's car folder",
    .run = run,
    .touchesNoGame = isCheckCommand,
}};

}  // namespace
}  // namespace zw::cli
