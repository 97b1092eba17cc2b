#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "base/SafeFile.h"
#include "builders/RideIconPicture.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "datafiles/RideDataHeader.h"
#include "ovl/PngEncoding.h"
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
    }
}

// The check finds before a build an icon pair that is missing or unreadable, at the icon's key line.
TEST_F(RideIconCli, CheckNamesAMissingIconPairAtItsKey) {
    const auto file = work / "rides" / "CTR_BahnDaten_Zipper.txt";
    test::writeBytes(file, rideDataHeader() + "TrackSectionName\tA B\r\nBahnIcon\tStyle\r\n");
    const std::string header = rideDataHeader();
    const std::string line = std::to_string(std::count(header.begin(), header.end(), '\n') + 2);
    EXPECT_EQ(run({"ride", "check", file.string()}), ExitCode::Stopped);
    EXPECT_NE(out.str().find("line " + line + ": BahnIcon: "), std::string::npos) << out.str();
    test::writeStyleIconPair(work / "rides", test::StyleIconFault::PictureInUnique);
    EXPECT_EQ(run({"ride", "check", file.string()}), ExitCode::Done) << out.str();
}

// The icon written as a PNG file is the picture the built-in icon's blocks were made from: dark blue
// letters (565 colour 0x0010) on white.
TEST_F(RideIconCli, InspectWritesTheBuiltInIconAsAPicture) {
    if (!pngAvailable()) GTEST_SKIP() << "built without a PNG library";
    const std::string pair = buildRide("CTR");
    const auto png = work / "icon.png";
    ASSERT_EQ(run({"inspect", "--icon", png.string(), pair}), ExitCode::Done) << err.str();
    const std::optional<std::string> bytes = readWholeFile(png);
    ASSERT_TRUE(bytes);
    const std::optional<RgbaPicture> icon = decodePng(*bytes);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->width, 64u);
    ASSERT_EQ(icon->height, 64u);
    int dark = 0;
    for (uint32_t y = 0; y < 64; ++y) {
        for (uint32_t x = 0; x < 64; ++x) {
            const uint8_t* c = icon->pixel(x, y);
            const std::array<int, 4> expected =
                rideIconPixelIsDark(static_cast<int>(x), static_cast<int>(y)) ? std::array{0, 0, 132, 255}
                                                                              : std::array{255, 255, 255, 255};
            dark += expected[0] == 0;
            for (int i = 0; i < 4; ++i) EXPECT_NEAR(c[i], expected[i], 4) << x << "," << y;
        }
    }
    EXPECT_GT(dark, 100);

    // A pair without an icon of its own has none to write.
    const std::string plain = buildRide("Beispielbahn_Icon");
    EXPECT_EQ(run({"inspect", "--icon", (work / "none.png").string(), plain}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("holds no icon of its own"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(work / "none.png"));
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
