// An icon pair beside a ride data file as the ride build takes its picture data ("Style").
//
// Input: the pair (FuzzTarget.h, splitPairInput), written as Style.common.ovl / Style.unique.ovl.

#include "FuzzTarget.h"
#include "builders/RideIconExtraData.h"

ZW_FUZZ_TARGET(icon_pair) {
    using namespace zw;
    fuzz::writeScratchPair("Style", fuzz::splitPairInput(input));
    fuzz::ComposedReport report;
    (void)obtainIconExtraData("Style", fuzz::scratchFolder(), report);
}
