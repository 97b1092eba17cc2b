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

bool copyPeepSplines(OvlWriter& writer, const RideData& ride, uint32_t splineLoaderType, Report& report) {
    const uint32_t wanted = PeepSplineCount(ride);
    if (wanted == 0) return true;
    const std::optional<ModelPair> pair =
        readModelPair(ride.DataFileFolder, kPeepSplinePairName, kPeepSplineMessageIds, report);
    if (!pair) return false;

    if (pair->countSymbolsWithTag(":trr") > 0) {
        report.message("149");
        return false;
    }
    const size_t found = pair->countSymbolsWithTag(":spl");
    if (found == 0) {
        report.message("150");
        return false;
    }
    if (found != wanted) {
        const std::string have = std::to_string(found);
        const std::string named = std::to_string(wanted);
        report.message(found < wanted ? MessageId("151") : MessageId("152"), {have, named});
        return false;
    }

    // The loop spline first, then the path splines in their order.
    struct Wanted {
        const std::string& name;
        MessageId missingId;
    };
    std::vector<Wanted> splines;
    if (!ride.PeepLoopSplineName.empty()) splines.push_back({ride.PeepLoopSplineName, "153"});
    for (const std::string& name : ride.PeepPathSplineName) splines.push_back({name, "154"});

    writer.startBlock(OvlPart::CommonStructures);
    for (const Wanted& spline : splines) {
        const std::string symbolName = spline.name + ":spl";
        const ModelSymbol* match = nullptr;
        for (const ModelSymbol& symbol : pair->symbols()) {
            if (symbol.name == symbolName) match = &symbol;  // the last match wins
        }
        if (match == nullptr) {
            report.message(spline.missingId, {spline.name});
            return false;
        }
        try {
            // A malformed spline stops the build, which then writes no output.
            writer.makeSymbolAndLoader(OvlFileKind::Common, match->name, splineLoaderType);
            copyModelSpline(writer, *pair, match->dataAddress, match->file);
        } catch (const BinaryReadError& fault) {
            reportModelPairFault(fault, report);
            return false;
        }
    }
    return true;
}

}  // namespace zw
