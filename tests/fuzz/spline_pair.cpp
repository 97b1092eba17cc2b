// The peep spline pair beside a ride data file as the ride build takes it: the ride names the loop
// spline "Loop" and the path splines "Path1" and "Path2" (the seeds' names); they are copied into a
// ride pair that is then assembled.
//
// Input: the pair (FuzzTarget.h, splitPairInput), written as PeepPathSpline.common.ovl / .unique.ovl.

#include "FuzzTarget.h"
#include "builders/PeepSplines.h"
#include "builders/RidePairLayout.h"
#include "datafiles/RideData.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlWriter.h"

ZW_FUZZ_TARGET(spline_pair) {
    using namespace zw;
    fuzz::writeScratchPair(kPeepSplinePairName, fuzz::splitPairInput(input));
    fuzz::ComposedReport report;
    RideData ride;
    ride.DataFileFolder = fuzz::scratchFolder();
    ride.PeepLoopSplineName = "Loop";
    ride.PeepPathSplineName = {"Path1", "Path2"};
    OvlWriter writer;
    writer.beginPair(report);
    if (!copyPeepSplines(writer, ride, rideLoaderType::Spline, report)) return;
    OvlPairContents contents;
    contents.loaderTypes = rideLoaderTypeList();
    (void)assemblePairBytes(writer, contents);
}
