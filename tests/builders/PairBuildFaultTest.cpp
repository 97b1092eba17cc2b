#include <gtest/gtest.h>

#include "CarBuildFixture.h"
#include "RideBuildFixture.h"
#include "support/FileFaultSweep.h"
#include "support/GameFolderFixture.h"

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

TEST_F(CarBuildTest, ABuildClearsWhatAKilledBuildLeftBesideThePair) {
    const PairFiles files = carPairFiles(car);
    for (const char* suffix : {".zwtmp", ".zwtmp.zwtmp", ".zwold"}) {
        writeBytes(files.common.string() + suffix, "left by a killed build");
        writeBytes(files.unique.string() + suffix, "left by a killed build");
    }
    ASSERT_EQ(build(), 1);
    EXPECT_EQ(entryNames(files.folder), (std::vector<std::string>{"CTR_Bob.common.ovl", "CTR_Bob.unique.ovl"}));
}

TEST_F(CarBuildTest, EveryFailingFileOperationKeepsTheEarlierPairAndIsReported) {
    settings.OverwriteWithoutPrompt = true;
    ASSERT_EQ(build(), 1);
    markEarlierPair(carPairFiles(car));
    EXPECT_GE(runFaultSweep({carOutputFolder(car), kBuildFaults, [&] { return build() == 1; }}, dialogs), 6);
}

}  // namespace
}  // namespace zw::test
