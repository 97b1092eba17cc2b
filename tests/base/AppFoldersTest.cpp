#include <gtest/gtest.h>

#include "base/AppFolders.h"

namespace zw {
namespace {

// An absolute path on the platform the tests run on.
std::filesystem::path abs(const std::string& rest) {
#ifdef _WIN32
    return std::filesystem::path("C:/") / rest;
#else
    return std::filesystem::path("/") / rest;
#endif
}

struct Case {
    const char* what;
    bool writable;
    bool installed;
    bool windows;
    std::optional<std::filesystem::path> appData, xdgDataHome, home;
    FolderMode mode;
    std::filesystem::path workFolder;
};

TEST(AppFolders, TheWorkingFolderFollowsWhereTheProgramLiesAndWhoMayWriteThere) {
    const auto program = abs("opt/zw");
    const auto appData = abs("Users/a/AppData/Roaming");
    const Case cases[] = {
        {"portable copy in a writable folder", true, false, false, {}, {}, abs("home/a"), FolderMode::Portable, program},
        {"portable copy on Windows", true, false, true, appData, {}, {}, FolderMode::Portable, program},
        {"not writable, no XDG_DATA_HOME", false, false, false, {}, {}, abs("home/a"), FolderMode::PerUser,
         abs("home/a/.local/share/zorbaltwerk")},
        {"not writable, XDG_DATA_HOME set", false, false, false, {}, abs("data"), abs("home/a"), FolderMode::PerUser,
         abs("data/zorbaltwerk")},
        {"a relative XDG_DATA_HOME is ignored", false, false, false, {}, std::filesystem::path("rel"), abs("home/a"),
         FolderMode::PerUser, abs("home/a/.local/share/zorbaltwerk")},
        {"installed package, even where root may write", true, true, false, {}, {}, abs("root"), FolderMode::PerUser,
         abs("root/.local/share/zorbaltwerk")},
        {"Program Files on Windows", false, false, true, appData, abs("data"), abs("home/a"), FolderMode::PerUser,
         appData / "Zorbaltwerk"},
        {"Windows without APPDATA", false, false, true, {}, {}, abs("home/a"), FolderMode::CurrentFolder, abs("cwd")},
        {"no home at all", false, false, false, {}, {}, {}, FolderMode::CurrentFolder, abs("cwd")},
    };
    for (const Case& c : cases) {
        FolderFacts facts;
        facts.programFolder = program;
        facts.programFolderWritable = c.writable;
        facts.installedLayout = c.installed;
        facts.windows = c.windows;
        facts.appData = c.appData;
        facts.xdgDataHome = c.xdgDataHome;
        facts.home = c.home;
        facts.currentFolder = abs("cwd");
        const AppFolders folders = decideAppFolders(facts);
        EXPECT_EQ(folders.mode, c.mode) << c.what;
        EXPECT_EQ(folders.workFolder, c.workFolder) << c.what;
    }
}

TEST(AppFolders, TheRunningTestLiesInAWritableBuildFolderAndIsPortable) {
    const FolderFacts facts = currentFolderFacts();
    EXPECT_EQ(facts.programFolder, executableFolder());
    EXPECT_TRUE(std::filesystem::exists(facts.programFolder / "test_base") ||
                std::filesystem::exists(facts.programFolder / "test_base.exe"));
    EXPECT_TRUE(facts.programFolderWritable);
    EXPECT_FALSE(facts.installedLayout);
    EXPECT_EQ(decideAppFolders(facts).mode, FolderMode::Portable);
    // The write probe leaves nothing behind.
    for (const auto& entry : std::filesystem::directory_iterator(facts.programFolder)) {
        EXPECT_EQ(entry.path().filename().string().find(".zorbaltwerk-write-test"), std::string::npos);
    }
}

}  // namespace
}  // namespace zw
