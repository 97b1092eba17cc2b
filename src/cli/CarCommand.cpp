// "car check FILE" reads it and lists its findings (what the reader takes differently from what is
// written, what a rewrite would drop). "car read FILE" reads a car data file as the main window's read button does and tells what it
// found (--dump: every car field); "car rewrite FILE" reads it and writes it back in canonical form;
// "car build FILE" reads it and builds the car pair into <data file folder>/<CarObjectName>/, as the
// window's build button does; "car install FILE" builds the pair and installs it.

#include <optional>
#include <ostream>
#include <variant>

#include "base/Encoding.h"
#include "builders/CarBuilder.h"
#include "cli/Commands.h"
#include "datafiles/CarData.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/KeyFieldVisit.h"
#include "workflow/ProjectCommands.h"

namespace zw::cli {
namespace {

std::string dumpValue(const DataFileKey& key, const CarData& car) {
    std::string value;
    auto dumped = overloaded{
        [&](const std::string& text) { value = dumpText(text); },
        [&](std::int32_t integer) { value = std::to_string(integer); },
        [&](double decimal) { value = dumpDecimal(decimal); },
        [&](const std::vector<std::int32_t>& integers) {
            value = dumpList(integers, [](std::int32_t v) { return std::to_string(v); });
        },
        [&](const std::vector<std::string>& texts) { value = dumpList(texts, dumpText); },
    };
    if (key.role) visitKeyField(key.field, car.role(*key.role), dumped);
    else visitKeyField(key.field, car, dumped);
    return value;
}

void dump(std::ostream& out, const CarData& car) {
    out << "CarFolder: " << car.CarFolder.string() << '\n';
    out << "CarObjectName: " << dumpText(car.CarObjectName) << '\n';
    std::optional<CarRole> role;
    for (const DataFileKey& key : carKeys()) {
        if (key.role && key.role != role) {
            role = key.role;
            out << carRoleName(*role) << ".defined: " << (car.role(*role).isDefined() ? "yes" : "no") << '\n';
        }
        out << (key.role ? std::string(carRoleName(*key.role)) + "." : std::string()) << key.fieldName << ": "
            << dumpValue(key, car) << '\n';
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
    .missingAction = "car needs read, rewrite, build or install and a file",
    .kind = DataFileKind::Car,
    .readForCheck = [](Context& context, const std::filesystem::path& file) {
        return readCarDataFile(context.state(), context.dialogs(), file);
    },
    .summary = [](std::ostream& out, const ProjectState& state) { summary(out, state.car); },
    .dump = [](std::ostream& out, const ProjectState& state) { dump(out, state.car); },
    .read = [](ProjectState& state, Dialogs& dialogs, const std::filesystem::path& file) {
        return readCarDataFile(state, dialogs, file);
    },
    .rewrite = [](const ProjectState& state, Dialogs& dialogs) { return rewriteCarFile(state, dialogs); },
    .build = [](ProjectState& state, Dialogs& dialogs) { return buildCarPair(state, dialogs); },
    .installKind = CtrKind::Car,
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
