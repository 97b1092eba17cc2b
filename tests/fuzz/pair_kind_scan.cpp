// A unique file as the install of a prepared folder tells a ride pair from a car pair.

#include "FuzzTarget.h"
#include "ovl/PairKindScan.h"

ZW_FUZZ_TARGET(pair_kind_scan) {
    (void)zw::scanPairKind(input, "Fuzz.unique.ovl");
}
