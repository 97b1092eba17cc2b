// A car model pair as the car build takes it: read with the car checks and its symbol references,
// the structure check, and the re-emission into a car pair that is then assembled. The re-emission
// runs even when the structure check would stop the build: it reads every address bounds-checked
// on its own.
//
// Input: the pair (FuzzTarget.h, splitPairInput), written as Bob.common.ovl / Bob.unique.ovl.

#include "FuzzTarget.h"
#include "builders/CarPairLayout.h"
#include "ovl/ModelPairCarChecks.h"
#include "ovl/ModelReEmission.h"
#include "ovl/ModelStructureCheck.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlWriter.h"

ZW_FUZZ_TARGET(model_pair) {
    using namespace zw;
    fuzz::writeScratchPair("Bob", fuzz::splitPairInput(input));
    fuzz::ComposedReport report;
    const std::optional<ModelPair> model = readCarModelPair(fuzz::scratchFolder(), "Bob", report);
    if (!model) return;
    (void)checkModelStructures(*model, "Bob", report);
    OvlWriter writer;
    writer.beginPair(report);
    writer.startBlock(OvlPart::UniqueStructures);
    writer.startBlock(OvlPart::CommonStructures);
    try {
        if (!reEmitModel(writer, *model, "Bob", report)) return;
    } catch (const BinaryReadError& fault) {
        reportModelPairFault(fault, report);
        return;
    }
    OvlPairContents contents;
    contents.loaderTypes = carLoaderTypeList();
    (void)assemblePairBytes(writer, contents);
}
