#include <gtest/gtest.h>

#include "CarBuildFixture.h"
#include "RideBuildFixture.h"
#include "support/FileFaultSweep.h"

namespace zw::test {
namespace {

// A pair build replacing an earlier pair while its file operations fail one after the other.
const std::vector<FileOperation> kBuildFaults = {FileOperation::Create, FileOperation::Write, FileOperation::Flush,
                                                 FileOperation::Rename};

// The earlier pair differs from what the build writes, so a file replaced too early shows.
void markEarlierPair(const PairFiles& files) {
    writeBytes(files.common, "earlier common");
    writeBytes(files.unique, "earlier unique");
}

TEST_F(RideBuildTest, EveryFailingFileOperationKeepsTheEarlierPairAndIsReported) {
    settings.OverwriteWithoutPrompt = true;
    ASSERT_EQ(build(), 1);
    markEarlierPair(ridePairFiles(ride));
    EXPECT_GE(runFaultSweep({rideOutputFolder(ride), kBuildFaults, [&] { return build() == 1; }}, dialogs), 6);
}

TEST_F(CarBuildTest, EveryFailingFileOperationKeepsTheEarlierPairAndIsReported) {
    settings.OverwriteWithoutPrompt = true;
    ASSERT_EQ(build(), 1);
    markEarlierPair(carPairFiles(car));
    EXPECT_GE(runFaultSweep({carOutputFolder(car), kBuildFaults, [&] { return build() == 1; }}, dialogs), 6);
}

}  // namespace
}  // namespace zw::test
