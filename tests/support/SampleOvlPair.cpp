#include "support/SampleOvlPair.h"

#include "base/Report.h"
#include "ovl/OvlWriter.h"

namespace zw::test {

OvlPairBytes sampleOvlPair() {
    Report report;
    OvlWriter w;
    w.beginPair(report);
    w.startBlock(OvlPart::CommonStructures);
    w.makeSymbolAndLoader(OvlFileKind::Common, "zeta:ab", 0);
    w.into(OvlPart::CommonStructures).word(7).string("x").pointer(OvlPart::CommonData, 0);
    w.makeSymbolAndLoader(OvlFileKind::Common, "beta:ab", 0);
    w.into(OvlPart::CommonStructures).word(9);
    w.startBlock(OvlPart::CommonData);
    w.into(OvlPart::CommonData).bytes("PIX1");
    w.startBlock(OvlPart::CommonData);
    w.into(OvlPart::CommonData).bytes("QQ");
    w.startBlock(OvlPart::UniqueStructures);
    w.makeSymbolAndLoader(OvlFileKind::Unique, "Alpha:cd", 1);
    w.into(OvlPart::UniqueStructures).string("x").reference("zeta:ab").pointer(OvlPart::UniqueStructures, 0);
    w.closeUniqueStructure();

    OvlPairContents contents;
    contents.loaderTypes = {{"RCT3", "Ab", 1, "ab"}, {"FGDK", "Cd", 2, "cd"}};
    contents.uniqueReferences = {"R1"};
    contents.commonExtraData = {"EX"};
    return assemblePairBytes(w, contents);
}

}  // namespace zw::test
