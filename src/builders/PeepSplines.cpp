#include "builders/PeepSplines.h"

#include <optional>
#include <string>
#include <vector>

#include "base/Report.h"
#include "datafiles/RideData.h"
#include "ovl/ModelPair.h"
#include "ovl/ModelSplineCopy.h"
#include "ovl/OvlWriter.h"

namespace zw {

uint32_t PeepSplineCount(const RideData& ride) {
    return static_cast<uint32_t>(ride.PeepPathSplineName.size()) + (ride.PeepLoopSplineName.empty() ? 0 : 1);
}

std::optional<PeepSplineSource> readPeepSplines(const RideData& ride, Report& report) {
    const uint32_t wanted = PeepSplineCount(ride);
    std::optional<ModelPair> pair =
        readModelPair(ride.DataFileFolder, kPeepSplinePairName, kPeepSplineMessageIds, report);
    if (!pair) return std::nullopt;

    if (pair->countSymbolsWithTag(":trr") > 0) {
        report.message("149");
        return std::nullopt;
    }
    const size_t found = pair->countSymbolsWithTag(":spl");
    if (found == 0) {
        report.message("150");
        return std::nullopt;
    }
    if (found != wanted) {
        const std::string have = std::to_string(found);
        const std::string named = std::to_string(wanted);
        report.message(found < wanted ? MessageId("151") : MessageId("152"), {have, named});
        return std::nullopt;
    }

    // The loop spline first, then the path splines in their order.
    struct Wanted {
        const std::string& name;
        MessageId missingId;
    };
    std::vector<Wanted> splines;
    if (!ride.PeepLoopSplineName.empty()) splines.push_back({ride.PeepLoopSplineName, "153"});
    for (const std::string& name : ride.PeepPathSplineName) splines.push_back({name, "154"});

    PeepSplineSource source{std::move(*pair), {}};
    const std::vector<ModelSymbol>& symbols = source.pair.symbols();
    for (const Wanted& spline : splines) {
        const std::string symbolName = spline.name + ":spl";
        std::optional<size_t> match;
        for (size_t i = 0; i < symbols.size(); ++i) {
            if (symbols[i].name == symbolName) match = i;  // the last match wins
        }
        if (!match) {
            report.message(spline.missingId, {spline.name});
            return std::nullopt;
        }
        source.splines.push_back(*match);
    }
    return source;
}

bool writePeepSplines(OvlWriter& writer, const PeepSplineSource& source, uint32_t splineLoaderType, Report& report) {
    writer.startBlock(OvlPart::CommonStructures);
    for (size_t index : source.splines) {
        const ModelSymbol& spline = source.pair.symbols()[index];
        try {
            // A malformed spline stops the build, which then writes no output.
            writer.makeSymbolAndLoader(OvlFileKind::Common, spline.name, splineLoaderType);
            copyModelSpline(writer, source.pair, spline.dataAddress, spline.file);
        } catch (const BinaryReadError& fault) {
            reportModelPairFault(fault, report);
            return false;
        }
    }
    return true;
}

bool copyPeepSplines(OvlWriter& writer, const RideData& ride, uint32_t splineLoaderType, Report& report) {
    if (PeepSplineCount(ride) == 0) return true;
    const std::optional<PeepSplineSource> source = readPeepSplines(ride, report);
    return source && writePeepSplines(writer, *source, splineLoaderType, report);
}

}  // namespace zw
