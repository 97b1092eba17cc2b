#include <gtest/gtest.h>

#include <sstream>

#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "datafiles/RideDataHeader.h"
#include "support/FakeRegistry.h"
#include "support/StyleIconPair.h"
#include "support/TempFolder.h"

namespace zw::cli {
namespace {

// A ride built with its own icon, then checked by the pair inspector.
struct RideIconCli : ::testing::Test {
    test::TempFolder work;
    test::FakeRegistry registry;
    std::ostringstream out, err;

    void SetUp() override {
        test::writeBytes(work / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n");
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--workdir", work.path().string()});
        out.str("");
        err.str("");
        return runCli(args, out, err, nullptr, registry);
    }
    std::string buildRide(const std::string& icon) {
        const auto file = work / "rides" / "CTR_BahnDaten_Zipper.txt";
        test::writeBytes(file, rideDataHeader() + "BahnIcon\t" + icon + "\r\nTrackSectionName\tA B\r\n");
        EXPECT_EQ(run({"ride", "build", file.string()}), ExitCode::Done) << err.str() << out.str();
        return (work / "rides" / "CTR_Zipper" / "CTR_Zipper").string();
    }
};

TEST_F(RideIconCli, InspectAcceptsRidePairsWithTheirOwnIcon) {
    test::writeStyleIconPair(work / "rides", test::StyleIconFault::PictureInUnique);
    for (const std::string icon : {"CTR", "Style"}) {
        const std::string pair = buildRide(icon);
        EXPECT_EQ(run({"inspect", pair}), ExitCode::Done) << icon << ": " << err.str() << out.str();
        EXPECT_NE(out.str().find("StyleIcon:gsi"), std::string::npos) << out.str();
        EXPECT_NE(out.str().find("StyleIconTexture:tex"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(work / "Temp" / "_IconExtradaten.ovl"));
    }
}

TEST_F(RideIconCli, MissingIconPairStopsTheBuild) {
    const auto file = work / "rides" / "CTR_BahnDaten_Zipper.txt";
    test::writeBytes(file, rideDataHeader() + "BahnIcon\tstyle\r\n");
    EXPECT_EQ(run({"ride", "build", file.string()}), ExitCode::Stopped);
    EXPECT_NE((out.str() + err.str()).find("Error 450! style.common.ovl file not found."), std::string::npos)
        << out.str() << err.str();
    EXPECT_FALSE(std::filesystem::exists(work / "rides" / "CTR_Zipper" / "CTR_Zipper.common.ovl"));
}

}  // namespace
}  // namespace zw::cli
