// "inspect --render": the example models and the example car pair drawn as they were when the golden
// pictures were kept (tests/golden/pictures, made by scripts/update-golden.sh), within a small
// tolerance a pixel, since another compiler may round a triangle's edge differently; and what cannot
// be drawn is named, never a crash.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "ovl/PngEncoding.h"
#include "support/FakeRegistry.h"
#include "support/ModelPairFixture.h"
#include "support/TempFolder.h"

namespace zw::cli {
namespace {

namespace fs = std::filesystem;

fs::path sourceFolder() {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    return fs::path(source ? source : ".");
}

struct RenderCli : ::testing::Test {
    test::TempFolder work;
    test::FakeRegistry registry;
    std::ostringstream out, err;

    void SetUp() override {
        if (!pngAvailable()) GTEST_SKIP() << "built without a PNG library";
        test::writeBytes(work / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'" + (work / "RCT3").string() +
                             "'\r\n'AddOns 0'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n");
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--workdir", work.path().string()});
        out.str("");
        err.str("");
        return runCli(args, out, err, nullptr, registry);
    }
    RgbaPicture picture(const fs::path& file) {
        const std::optional<std::string> bytes = readWholeFile(file);
        EXPECT_TRUE(bytes) << file;
        std::optional<RgbaPicture> decoded = bytes ? decodePng(*bytes) : std::nullopt;
        EXPECT_TRUE(decoded) << file;
        return decoded.value_or(RgbaPicture{});
    }
};

// Pixels whose channels differ by more than `tolerance`; the pictures' sizes must agree.
size_t differingPixels(const RgbaPicture& a, const RgbaPicture& b, int tolerance) {
    if (a.width != b.width || a.height != b.height) return SIZE_MAX;
    size_t differing = 0;
    for (size_t i = 0; i < a.rgba.size(); i += 4) {
        for (size_t c = 0; c < 4; ++c) {
            if (std::abs(int{a.rgba[i + c]} - int{b.rgba[i + c]}) > tolerance) {
                ++differing;
                break;
            }
        }
    }
    return differing;
}

TEST_F(RenderCli, TheExamplesLookAsTheirGoldenPictures) {
    const fs::path cars = work / "cars";
    fs::create_directories(cars);
    for (const auto& entry : fs::directory_iterator(sourceFolder() / "examples")) {
        if (entry.path().filename().string().rfind("CTR_BahnDaten", 0) != 0) fs::copy_file(entry.path(), cars / entry.path().filename());
    }
    ASSERT_EQ(run({"car", "build", (cars / "CTR_WagenDaten_Beispielzug.txt").string()}), ExitCode::Done) << err.str();

    std::vector<std::pair<std::string, fs::path>> pairs = {{"car", cars / "CTR_Beispielzug" / "CTR_Beispielzug"}};
    for (const test::DemoModel& demo : test::demoModels()) pairs.emplace_back(demo.name, cars / demo.name);
    for (const auto& [name, pair] : pairs) {
        SCOPED_TRACE(name);
        const fs::path drawn = work / (name + ".png");
        ASSERT_EQ(run({"inspect", "--render", drawn.string(), "--size", "256", pair.string()}), ExitCode::Done)
            << err.str();
        EXPECT_EQ(err.str(), "");  // every texture found
        const RgbaPicture golden = picture(sourceFolder() / "tests" / "golden" / "pictures" / (name + ".png"));
        const RgbaPicture now = picture(drawn);
        EXPECT_EQ(now.width, name == "car" ? 3u * 256 : 256u);
        // At most one pixel in two hundred may differ by more than a little: a triangle's edge.
        EXPECT_LE(differingPixels(now, golden, 12), now.rgba.size() / 4 / 200);
    }
}

// Views change the picture; options without a value or of the wrong kind are refused.
TEST_F(RenderCli, TheViewIsChosenByItsOptions) {
    test::ModelFixtureOptions options;
    options.animationTemplate = false;  // the .common symbols then stand in name order
    options.splines = 0;
    test::writeModelPairFixture(work.path(), "Bob", options);
    const std::string pair = (work / "Bob").string();
    ASSERT_EQ(run({"inspect", "--render", (work / "a.png").string(), "--size", "64", pair}), ExitCode::Done) << err.str();
    ASSERT_EQ(run({"inspect", "--render", (work / "b.png").string(), "--size", "64", "--yaw", "120", "--pitch", "-10",
                   pair}),
              ExitCode::Done);
    EXPECT_GT(differingPixels(picture(work / "a.png"), picture(work / "b.png"), 12), 0u);
    EXPECT_EQ(picture(work / "a.png").width, 64u);

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--render"}, {"--render", "x.png", "--size", "8"}, {"--render", "x.png", "--size", "1e9"},
          {"--render", "x.png", "--yaw", "left"}, {"--render", "x.png", "--pitch"}, {"--render", "x.png", "--size", "64.5"}}) {
        std::vector<std::string> args = {"inspect"};
        args.insert(args.end(), wrong.begin(), wrong.end());
        args.push_back(pair);
        EXPECT_EQ(run(args), ExitCode::UsageError) << ::testing::PrintToString(wrong);
    }
}

// A pair without a model, and models whose shapes cannot be drawn: the reason, exit 1, no picture.
TEST_F(RenderCli, WhatCannotBeDrawnIsNamed) {
    const struct {
        test::ModelFault fault;
        std::string reason;
    } cases[] = {
        {test::ModelFault::NoMeshes, "BobShape1:bsh has no triangles."},
        {test::ModelFault::AddressOutside, "BobShape1:bsh mesh 1 does not lie whole in the pair."},
        {test::ModelFault::NoBoneShape, "BobShape1:bsh is not in the pair."},
    };
    for (const auto& c : cases) {
        test::ModelFixtureOptions options;
        options.fault = c.fault;
        test::writeModelPairFixture(work.path(), "Bob", options);
        const fs::path drawn = work / "bob.png";
        EXPECT_EQ(run({"inspect", "--render", drawn.string(), (work / "Bob").string()}), ExitCode::Stopped);
        EXPECT_NE(err.str().find(c.reason), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(drawn));
    }
    // A model whose texture is missing is drawn in one colour, and the mesh is named.
    test::ModelFixtureOptions options;
    options.fault = test::ModelFault::NoTexture;
    test::writeModelPairFixture(work.path(), "Bob", options);
    EXPECT_EQ(run({"inspect", "--render", (work / "flat.png").string(), (work / "Bob").string()}), ExitCode::Done);
    EXPECT_NE(err.str().find("Mesh 1 of BobShape1: texture BobTexture1:ftx is missing, drawn in one colour."),
              std::string::npos)
        << err.str();
    EXPECT_TRUE(fs::exists(work / "flat.png"));
}

}  // namespace
}  // namespace zw::cli
