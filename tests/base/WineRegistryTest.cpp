#include <gtest/gtest.h>

#include "base/Messages.h"
#include "base/Settings.h"
#include "base/WineRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

using test::TempFolder;

// A system.reg as Wine writes it: header, options, sections with their time stamps, escaped names.
const std::string kSystemReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Atari] 1700000000\n"
    "#time=1d9f0a1b2c3d4e5\n"
    "\"Publisher\"=\"Atari\"\n"
    "\n"
    "[Software\\\\Atari\\\\RCT3] 1700000001\n"
    "#time=1d9f0a1b2c3d4e6\n"
    "@=\"default value\"\n"
    "\"Installlocation\"=\"D:\\\\Spiele\\\\RCT3 \\\"Gold\\\" f\\xfcr alle\\\\\"\n"
    "\"Version\"=dword:00000003\n"
    "\"Blob\"=hex:01,02,03,\\\n"
    "  04,05\n"
    "\n"
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\RollerCoaster Tycoon 3_is1] 1700000002\n"
    "\"InstallLocation\"=str(2):\"/opt/games/rct3\"\n"
    "\"DisplayName\"=\"RollerCoaster Tycoon 3\"\n"
    "\n"
    "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\{907B4640-266B-4A21-92FB-"
    "CD1A86CD0F63}] 1700000003\n"
    "\"InstallLocation\"=\"C:\\\\Program Files\\\\Atari\\\\RCT3\\\\\"\n";

TEST(WineRegistry, FindsKeysCaseInsensitivelyAndUnescapesValues) {
    TempFolder prefix;
    test::writeBytes(prefix / "system.reg", kSystemReg);
    WineRegistry registry(prefix.path());

    EXPECT_TRUE(registry.keyExists("SOFTWARE\\Atari\\RCT3"));
    EXPECT_TRUE(registry.keyExists("software\\atari"));
    EXPECT_FALSE(registry.keyExists("SOFTWARE\\Atari\\RCT"));
    EXPECT_FALSE(registry.keyExists("SOFTWARE\\Atari\\RCT3\\Sub"));

    EXPECT_EQ(registry.readString("SOFTWARE\\Atari", "publisher"), "Atari");
    EXPECT_EQ(registry.readString("SOFTWARE\\Atari\\RCT3", ""), "default value");
    EXPECT_EQ(registry.readString("SOFTWARE\\Atari\\RCT3", "Version"), std::nullopt);  // a number, no text
    EXPECT_EQ(registry.readString("SOFTWARE\\Atari\\RCT3", "Blob"), std::nullopt);
    EXPECT_EQ(registry.readString("SOFTWARE\\Atari\\RCT3", "Missing"), std::nullopt);
    EXPECT_EQ(registry.readString("SOFTWARE\\Atari\\RCT3\\Sub", "InstallLocation"), std::nullopt);
    EXPECT_EQ(registry.readString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                                  "RollerCoaster Tycoon 3_is1",
                                  "InstallLocation"),
              "/opt/games/rct3");
}

TEST(WineRegistry, APrefixWithoutSystemRegHasNoKeys) {
    TempFolder prefix;
    WineRegistry registry(prefix.path());
    EXPECT_FALSE(registry.keyExists("SOFTWARE\\Atari\\RCT3"));
}

#ifndef _WIN32
// Drive paths only mean something inside a prefix on a system that is not Windows.

TEST(WineRegistry, DrivePathsAreMappedIntoThePrefix) {
    TempFolder prefix;
    test::writeBytes(prefix / "system.reg", kSystemReg);
    std::filesystem::create_directories(prefix / "dosdevices" / "d:");
    WineRegistry registry(prefix.path());

    // The value is UTF-8.
    EXPECT_EQ(registry.readString("SOFTWARE\\Atari\\RCT3", "InstallLocation"),
              prefix.path().string() + "/dosdevices/d:/Spiele/RCT3 \"Gold\" für alle/");

    // No dosdevices/c: there: drive C is drive_c. The 32-bit view below Wow6432Node is found too.
    const std::string key1 =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{907B4640-266B-4A21-92FB-CD1A86CD0F63}";
    EXPECT_TRUE(registry.keyExists(key1));
    EXPECT_EQ(registry.readString(key1, "InstallLocation"), prefix.path().string() + "/drive_c/Program Files/Atari/RCT3/");

    std::filesystem::create_directories(prefix / "dosdevices" / "c:");
    EXPECT_EQ(mapIntoWinePrefix(prefix.path(), "c:\\Games"), prefix.path().string() + "/dosdevices/c:/Games");
    EXPECT_EQ(mapIntoWinePrefix(prefix.path(), "E:\\Games"), std::nullopt);  // a drive the prefix lacks
    EXPECT_EQ(mapIntoWinePrefix(prefix.path(), "\\\\server\\share"), "\\\\server\\share");
}

TEST(WineRegistry, FirstStartTakesTheGameFolderFromThePrefix) {
    TempFolder prefix;
    test::writeBytes(prefix / "system.reg", kSystemReg);
    std::filesystem::create_directories(prefix / "dosdevices" / "d:");
    WineRegistry registry(prefix.path());
    TempFolder work;
    test::ScriptedDialogs dialogs;
    Settings settings;
    EXPECT_EQ(loadSettings(settings, work.path(), dialogs, registry, Language::German), OptionsStatus::Missing);
    // Key 1 (in its 32-bit view) is tried first; the trailing separator is removed.
    EXPECT_EQ(settings.GamePath, prefix.path().string() + "/drive_c/Program Files/Atari/RCT3");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{welcomeText(Language::German)});
}

TEST(WineRegistry, NoneOfTheKeysGives231AndTheDefault) {
    TempFolder prefix;
    test::writeBytes(prefix / "system.reg", "WINE REGISTRY Version 2\n\n[Software\\\\Other] 1\n\"InstallLocation\"=\"C:\\\\x\"\n");
    WineRegistry registry(prefix.path());
    TempFolder work;
    test::ScriptedDialogs dialogs;
    Settings settings;
    loadSettings(settings, work.path(), dialogs, registry, Language::German);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{welcomeText(Language::German),
                                                            message("231", Language::German)}));
    EXPECT_EQ(settings.GamePath, defaultGamePath());
}
#endif

}  // namespace
}  // namespace zw
