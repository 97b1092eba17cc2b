#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "ovl/PngEncoding.h"
#include "support/FakeRegistry.h"
#include "support/ModelPairFixture.h"
#include "support/SampleOvlPair.h"
#include "support/TempFolder.h"

namespace zw::cli {
namespace {

struct InspectCommand : ::testing::Test {
    test::TempFolder work;
    test::FakeRegistry registry;
    std::ostringstream out, err;

    void SetUp() override {
        test::writeBytes(work / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    }
    void writePair(const OvlPairBytes& pair) {
        test::writeBytes(work / "pair" / "P.common.ovl", pair.common);
        test::writeBytes(work / "pair" / "P.unique.ovl", pair.unique);
    }
    int run(const std::string& pair, std::vector<std::string> options = {}) {
        out.str("");
        err.str("");
        std::vector<std::string> args{"--workdir", work.path().string(), "inspect"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(pair);
        return runCli(args, out, err, nullptr, registry);
    }
};

TEST_F(InspectCommand, ListsASoundPairAndExitsWith0) {
    writePair(test::sampleOvlPair());
    for (const std::string given : {"P", "P.unique.ovl"}) {
        EXPECT_EQ(run((work / "pair" / given).string()), ExitCode::Done) << err.str();
        EXPECT_EQ(out.str().rfind("P.common.ovl\n", 0), 0u);
        EXPECT_NE(out.str().find("P.unique.ovl\n"), std::string::npos);
        EXPECT_TRUE(out.str().ends_with("\n0 errors, 0 notes\n")) << out.str();
        EXPECT_EQ(err.str(), "");
    }
}

// A build prints <folder>/<name>/<name>.common.ovl: the pair's folder, its base path and either file
// all name the same pair, absolute or relative to the current folder.
TEST_F(InspectCommand, APairIsNamedByItsFolderItsBasePathOrEitherFile) {
    const OvlPairBytes pair = test::sampleOvlPair();
    test::writeBytes(work / "CTR_Q" / "CTR_Q.common.ovl", pair.common);
    test::writeBytes(work / "CTR_Q" / "CTR_Q.unique.ovl", pair.unique);
    ASSERT_EQ(run((work / "CTR_Q" / "CTR_Q").string()), ExitCode::Done) << err.str();
    const std::string listing = out.str();
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(work.path());
    for (const std::string given : {(work / "CTR_Q").string(), (work / "CTR_Q").string() + "/", std::string("CTR_Q"),
                                    std::string("CTR_Q/"), std::string("CTR_Q/CTR_Q"),
                                    std::string("CTR_Q/CTR_Q.common.ovl"), std::string("./CTR_Q/.")}) {
        EXPECT_EQ(run(given), ExitCode::Done) << given << ": " << err.str();
        EXPECT_EQ(out.str(), listing) << given;
    }
    // A folder without a pair of its name is reported by that name.
    std::filesystem::create_directories(work / "Empty");
    EXPECT_EQ(run("Empty"), ExitCode::Stopped);
    EXPECT_EQ(err.str(), "The file Empty.common.ovl could not be opened.\n");
    std::filesystem::current_path(before);
}

// The texture names come from the pair: a name that climbs out of the folder stays in it.
TEST_F(InspectCommand, TexturePicturesStayInTheirFolder) {
    if (!pngAvailable()) GTEST_SKIP() << "built without a PNG library";
    std::filesystem::create_directories(work / "pair");
    test::ModelFixtureOptions options;
    options.animationTemplate = false;  // the .common symbols then stand in name order
    options.splines = 0;
    test::modelPairFixture("../Bob", options).write((work / "pair").string(), "P");
    EXPECT_EQ(run((work / "pair" / "P").string(), {"--textures", (work / "out" / "pictures").string()}),
              ExitCode::Done)
        << err.str();
    EXPECT_TRUE(std::filesystem::exists(work / "out" / "pictures" / "___BobTexture1_1.png"));
    EXPECT_TRUE(std::filesystem::exists(work / "out" / "pictures" / "___BobTexture1_2.png"));
    EXPECT_FALSE(std::filesystem::exists(work / "out" / "BobTexture1_1.png"));

    // A pair without textures has none to write.
    writePair(test::sampleOvlPair());
    EXPECT_EQ(run((work / "pair" / "P").string(), {"--textures", (work / "none").string()}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("holds no FlexiTexture"), std::string::npos) << err.str();
}

TEST_F(InspectCommand, PrintsOneLinePerViolationAndExitsWith1) {
    OvlPairBytes pair = test::sampleOvlPair();
    pair.unique[8] = 2;     // version 2
    pair.unique[164] = 7;   // the reference slot
    writePair(pair);
    EXPECT_EQ(run((work / "pair" / "P").string()), ExitCode::Stopped);
    EXPECT_EQ(err.str(),
              "P.unique.ovl: version 2 instead of 1.\n"
              "P.unique.ovl: symbol reference 1 (\"zeta:ab\"): the slot at address 161 holds 7 instead of 0.\n");
    EXPECT_NE(out.str().find("symbol references: 1"), std::string::npos);
    EXPECT_TRUE(out.str().ends_with("\n2 errors, 0 notes\n")) << out.str();
}

TEST_F(InspectCommand, StopsWithAMessageForAMissingOrTruncatedFile) {
    EXPECT_EQ(run((work / "pair" / "P").string()), ExitCode::Stopped);
    EXPECT_EQ(err.str(), "The file P.common.ovl could not be opened.\n");

    OvlPairBytes pair = test::sampleOvlPair();
    pair.unique.resize(150);
    writePair(pair);
    EXPECT_EQ(run((work / "pair" / "P").string()), ExitCode::Stopped);
    EXPECT_EQ(err.str().rfind("P.unique.ovl is no readable OVL file: reading ", 0), 0u) << err.str();
    EXPECT_EQ(out.str(), "");

    EXPECT_EQ(run(""), ExitCode::Stopped);  // no pair named: nothing to open
}

}  // namespace
}  // namespace zw::cli
