#include <gtest/gtest.h>

#include <sstream>

#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "support/FakeRegistry.h"
#include "support/TempFolder.h"

namespace zw::cli {
namespace {

// Without --workdir the CLI works in the desktop program's working folder (made at its first use),
// so options confirmed in either program hold in both; --workdir still overrides it.
TEST(CliWorkFolder, TheProgramsFolderIsUsedUnlessWorkdirNamesAnother) {
    test::TempFolder home;
    test::FakeRegistry registry;
    const auto perUser = home / "share" / "zorbaltwerk";
    std::ostringstream out, err;
    auto run = [&](std::vector<std::string> args) { return runCli(args, out, err, nullptr, registry, perUser); };

    ASSERT_EQ(run({"--yes", "options", "set", "--english", "--game-path", "D:/RCT3"}), 0) << err.str();
    EXPECT_EQ(readWholeFile(perUser / "Zorbaltwerk_Options.txt").value_or("<none>").substr(0, 11), "'English'\r\n");

    const auto other = home / "other";
    std::filesystem::create_directories(other);
    ASSERT_EQ(run({"--workdir", other.string(), "--yes", "options", "set", "--german", "--game-path", "E:/G"}), 0);
    EXPECT_TRUE(std::filesystem::exists(other / "Zorbaltwerk_Options.txt"));
    EXPECT_NE(readWholeFile(perUser / "Zorbaltwerk_Options.txt").value_or("").find("English"), std::string::npos);
}

}  // namespace
}  // namespace zw::cli
