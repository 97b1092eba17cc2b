// A ride built with peep splines copied from a spline pair beside its data file passes the pair
// inspector of the command line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "support/FakeRegistry.h"
#include "support/PeepPathSplinePair.h"
#include "support/TempFolder.h"

namespace zw::cli {
namespace {

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void replaceLine(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

TEST(RidePeepSplinesCli, TheBuiltPairWithCopiedPeepSplinesPassesTheInspector) {
    test::TempFolder work;
    test::FakeRegistry registry;
    test::writeBytes(work / "Zorbaltwerk_Options.txt",
                     "'English'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    const char* source = std::getenv("ZW_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::string ride = readText(std::filesystem::path(source) / "examples" / "CTR_BahnDaten_Beispielbahn.txt");
    replaceLine(ride, "PeepLoopSplineName\r\n", "PeepLoopSplineName\t\tLoop\r\n");
    replaceLine(ride, "PeepPathSplineName\r\n", "PeepPathSplineName\t\tPathA, PathB\r\n");
    const std::filesystem::path data = work / "ride" / "CTR_BahnDaten_Splines.txt";
    test::writeBytes(data, ride);
    test::peepSplinePair({{"PathB:spl", 4, 1}, {"Loop:spl", 3, 1}, {"PathA:spl", 5, 0, test::HandMadeOvlPair::File::Unique}})
        .write((work / "ride").string(), "PeepPathSpline");

    std::ostringstream out, err;
    auto run = [&](std::vector<std::string> args) {
        out.str("");
        err.str("");
        args.insert(args.begin(), {"--workdir", work.path().string()});
        return runCli(args, out, err, nullptr, registry);
    };
    ASSERT_EQ(run({"ride", "build", data.string()}), ExitCode::Done) << err.str();
    const std::filesystem::path pair = work / "ride" / "CTR_Splines" / "CTR_Splines";
    ASSERT_EQ(run({"inspect", pair.string()}), ExitCode::Done) << err.str() << out.str();
    EXPECT_EQ(err.str(), "");
    // The common symbols, sorted by name, each with a Spline loader.
    EXPECT_NE(out.str().find("  symbols: 5\n"), std::string::npos) << out.str();
    for (const char* name : {"carcar:spl", "Loop:spl", "PathA:spl", "PathB:spl", "tracktrack:spl"}) {
        EXPECT_NE(out.str().find(std::string(": ") + name + ", structure "), std::string::npos) << name << "\n" << out.str();
    }
    size_t splineLoaders = 0;
    for (size_t at = out.str().find("loader type 2 (Spline)"); at != std::string::npos;
         at = out.str().find("loader type 2 (Spline)", at + 1)) {
        ++splineLoaders;
    }
    EXPECT_EQ(splineLoaders, 5u);

    // The check finds before a build what the build would stop on: the spline pair gone.
    ASSERT_EQ(run({"ride", "check", data.string()}), ExitCode::Done) << out.str();
    std::filesystem::remove(work / "ride" / "PeepPathSpline.common.ovl");
    EXPECT_EQ(run({"ride", "check", data.string()}), ExitCode::Stopped);
    const size_t key = ride.find("PeepLoopSplineName");
    const std::string line = std::to_string(std::count(ride.begin(), ride.begin() + key, '\n') + 1);
    EXPECT_NE(out.str().find("line " + line + ": PeepLoopSplineName: Error 141! PeepPathSpline.common.ovl"),
              std::string::npos)
        << out.str();
}

}  // namespace
}  // namespace zw::cli
