// "car check FILE" reads it and lists its findings (what the reader takes differently from what is
// written, what a rewrite would drop). "car read FILE" reads a car data file as the main window's read button does and tells what it
// found (--dump: every car field); "car rewrite FILE" reads it and writes it back in canonical form;
// "car build FILE" reads it and builds the car pair into <data file folder>/<CarObjectName>/, as the
// window's build button does; "car install FILE" builds the pair and installs it.

#include <charconv>
#include <ostream>

#include "base/Encoding.h"
#include "builders/CarBuilder.h"
#include "cli/Commands.h"
#include "datafiles/CarData.h"
#include "datafiles/CarDataCommands.h"
#include "workflow/DataFileChecking.h"
#include "workflow/ProjectCommands.h"

namespace zw::cli {
namespace {

// The shortest text that reads back as the same double, so a dump shows what the reader settled.
std::string decimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string text(const std::string& cp1252) { return '"' + cp1252ToUtf8(cp1252) + '"'; }

template <typename T, typename Format>
std::string list(const std::vector<T>& values, Format format) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + format(values[i]);
    return out;
}

void dump(std::ostream& out, const CarData& car) {
    out << "CarFolder: " << car.CarFolder.string() << '\n';
    out << "CarObjectName: " << text(car.CarObjectName) << '\n';
    out << "IncludePaths: " << list(car.IncludePaths, text) << '\n';
    out << "TrainName: " << text(car.TrainName) << '\n';
    out << "CarCountPerTrainMin: " << car.CarCountPerTrainMin << '\n';
    out << "CarCountPerTrainMax: " << car.CarCountPerTrainMax << '\n';
    out << "CarCountPerTrainPreset: " << car.CarCountPerTrainPreset << '\n';
    out << "CameraLookahead: " << decimal(car.CameraLookahead) << '\n';
    out << "CameraLATiltfactor: " << decimal(car.CameraLATiltfactor) << '\n';
    out << "JetSkiUnknown: " << decimal(car.JetSkiUnknown) << '\n';
    out << "WaterUnknownA: " << decimal(car.WaterUnknownA) << '\n';
    out << "WaterUnknownB: " << decimal(car.WaterUnknownB) << '\n';
    out << "WaterUnknownC: " << decimal(car.WaterUnknownC) << '\n';
    out << "WaterUnknownD: " << decimal(car.WaterUnknownD) << '\n';
    out << "WaterUnknownE: " << decimal(car.WaterUnknownE) << '\n';
    out << "WaterUnknownF: " << decimal(car.WaterUnknownF) << '\n';
    out << "OvertakeFlag: " << car.OvertakeFlag << '\n';
    out << "PriorityStationType: " << text(car.PriorityStationType) << '\n';
    for (CarRole r : kCarRoles) {
        const CarRoleData& role = car.role(r);
        const std::string p = std::string(carRoleName(r)) + ".";
        out << p << "defined: " << (role.isDefined() ? "yes" : "no") << '\n';
        out << p << "IncludeRIC: " << text(role.IncludeRIC) << '\n';
        out << p << "IncludeSVDPartA: " << text(role.IncludeSVDPartA) << '\n';
        out << p << "IncludeSVDPartB: " << text(role.IncludeSVDPartB) << '\n';
        out << p << "ModelNamePartA: " << text(role.ModelNamePartA) << '\n';
        out << p << "ModelNamePartB: " << text(role.ModelNamePartB) << '\n';
        out << p << "InertiaPartA: " << decimal(role.InertiaPartA) << '\n';
        out << p << "InertiaPartB: " << decimal(role.InertiaPartB) << '\n';
        out << p << "TurnaxisType: " << role.TurnaxisType << '\n';
        out << p << "TurnaxisStability: " << decimal(role.TurnaxisStability) << '\n';
        out << p << "TurnaxisMomentum: " << decimal(role.TurnaxisMomentum) << '\n';
        out << p << "TurnaxisStopper: " << decimal(role.TurnaxisStopper) << '\n';
        out << p << "TurnaxisUnknown: " << decimal(role.TurnaxisUnknown) << '\n';
        out << p << "PeepSeatingPositions: "
            << list(role.PeepSeatingPositions, [](std::int32_t v) { return std::to_string(v); }) << '\n';
        out << p << "SideSwing: " << decimal(role.SideSwing) << '\n';
        out << p << "HeightSwing: " << decimal(role.HeightSwing) << '\n';
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

// Reads FILE through the main window's read command (the file stands in for the open dialog).
bool readFile(Context& context, const std::string& file) {
    context.dialogs().setFileToOpen(dataFileArgument(file, "CTR_WagenDaten_", "car"));
    return context.window().readCarFile();
}

int run(Context& context, std::span<const std::string> args) {
    if (args.empty()) throw UsageProblem("car needs read, rewrite, build or install and a file");
    const std::string& action = args[0];
    if (action == "read") {
        const ReadArguments read = parseReadArguments(args.subspan(1), "car read", "CTR_WagenDaten");
        if (!readFile(context, read.file)) return ExitCode::Stopped;
        read.dumpAll ? dump(context.out(), context.state().car) : summary(context.out(), context.state().car);
        return ExitCode::Done;
    }
    if (action == "check") {
        // Read as the window reads, without its message of findings: they are the result here.
        if (args.size() != 2) throw UsageProblem("car check needs one CTR_WagenDaten file");
        const auto path = dataFileArgument(args[1], "CTR_WagenDaten_", "car");
        if (!readCarDataFile(context.state(), context.dialogs(), path)) return ExitCode::Stopped;
        return printFindings(context,
                             checkReadDataFile(DataFileKind::Car, context.state(), context.executableFolder()));
    }
    if (action == "rewrite") {
        if (args.size() != 2) throw UsageProblem("car rewrite needs one CTR_WagenDaten file");
        if (!readFile(context, args[1])) return ExitCode::Stopped;
        return context.window().rewriteCarFile() ? ExitCode::Done : ExitCode::Stopped;
    }
    if (action == "build") {
        if (args.size() != 2) throw UsageProblem("car build needs one CTR_WagenDaten file");
        if (!readFile(context, args[1])) return ExitCode::Stopped;
        if (!context.window().buildCarPair()) return ExitCode::Stopped;
        const CarData& car = context.state().car;
        for (const auto& file : {carCommonFile(car), carUniqueFile(car)}) context.out() << shownPath(file) << '\n';
        return ExitCode::Done;
    }
    if (action == "install") {
        // Read, build and install, as the window's buttons do one after the other.
        if (args.size() != 2) throw UsageProblem("car install needs one CTR_WagenDaten file");
        if (!readFile(context, args[1])) return ExitCode::Stopped;
        if (!context.window().buildCarPair()) return ExitCode::Stopped;
        return context.window().installCarPair() ? ExitCode::Done : ExitCode::Stopped;
    }
    throw UsageProblem("car needs read, check, rewrite, build or install, not " + action);
}

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
