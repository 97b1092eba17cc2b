// "inspect PAIR" lists what an OVL pair holds and checks it; each violation is one message line,
// and the command stops (exit 1) when there is any.

#include <ostream>

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "cli/Commands.h"
#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"

namespace zw::cli {
namespace {

std::string shownName(const std::filesystem::path& path) {
    try {
        return pathToCp1252(path.filename());
    } catch (const EncodingError&) {
        return "?";
    }
}

int run(Context& context, std::span<const std::string> args) {
    if (args.size() != 1) throw UsageProblem("inspect needs one pair: DIR/NAME or either file of the pair");
    const OvlPairPaths paths = ovlPairPaths(pathFromArgument(args[0]));
    std::optional<std::string> common = readWholeFile(paths.common);
    if (!common) {
        context.showMessage("ovlFileNotOpened", {shownName(paths.common)});
        return ExitCode::Stopped;
    }
    std::optional<std::string> unique = readWholeFile(paths.unique);
    if (!unique) {
        context.showMessage("ovlFileNotOpened", {shownName(paths.unique)});
        return ExitCode::Stopped;
    }

    try {
        const OvlPairReader pair(std::move(*common), shownName(paths.common), std::move(*unique),
                                 shownName(paths.unique));
        const OvlPairInspection inspection = inspectOvlPair(pair, context.language());
        context.out() << inspection.listing << std::flush;
        for (const std::string& violation : inspection.violations) context.dialogs().showMessage(violation);
        return inspection.violations.empty() ? ExitCode::Done : ExitCode::Stopped;
    } catch (const BinaryReadError& e) {
        std::string detail = e.what();
        if (detail.rfind(e.source + ": ", 0) == 0) detail.erase(0, e.source.size() + 2);
        context.showMessage("ovlFileMalformed", {e.source, detail});
        return ExitCode::Stopped;
    }
}

const Registration registration{{
    .name = "inspect",
    .usage = "inspect PAIR   DIR/NAME or either file of an OVL pair: lists it and checks it",
    .run = run,
    // Reads the pair and nothing of the game.
    .touchesNoGame = [](std::span<const std::string>) { return true; },
}};

}  // namespace
}  // namespace zw::cli
