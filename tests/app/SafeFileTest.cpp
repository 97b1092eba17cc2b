#include <gtest/gtest.h>

#include "app/SafeFile.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

TEST(SafeFile, ReplacesAFileAndLeavesNoTemporaryBehind) {
    test::TempFolder dir;
    const auto file = dir / "data.txt";
    test::writeBytes(file, "old");
    EXPECT_FALSE(writeFileAtomically(file, std::string("new\0bytes", 9)));
    EXPECT_EQ(readWholeFile(file), std::string("new\0bytes", 9));
    EXPECT_FALSE(std::filesystem::exists(temporarySibling(file)));
}

TEST(SafeFile, AFailedWriteReportsAndKeepsTheOldFile) {
    test::TempFolder dir;
    const auto missingFolder = dir / "no such folder" / "data.txt";
    EXPECT_TRUE(writeFileAtomically(missingFolder, "x"));
    std::error_code error;
    EXPECT_FALSE(readWholeFile(missingFolder, &error));
    EXPECT_TRUE(error);
    EXPECT_TRUE(copyFileAtomically(dir / "missing.ovl", dir / "copy.ovl"));
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.ovl"));
}

}  // namespace
}  // namespace zw
