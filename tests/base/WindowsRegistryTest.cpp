#include <gtest/gtest.h>

#ifdef _WIN32
#include <cstdlib>
#include <optional>
#include <string>

#include "base/WindowsRegistry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zw {
namespace {

#ifdef _WIN32

// scripts/wine-run.sh --game-key adds the game's key with "reg add ... /reg:32" in a prefix of its own
// and says so in these variables; without them (any other run) there is no key to look for.
struct GameKey {
    std::string key;    // e.g. HKLM\Software\Atari\RCT3
    std::string value;  // its InstallLocation
};

std::optional<GameKey> gameKeyAddedByRunner() {
    const char* key = std::getenv("ZW_WINE_REGISTRY_KEY");
    const char* value = std::getenv("ZW_WINE_REGISTRY_VALUE");
    if (!key || !value) return std::nullopt;
    std::string path = key;
    if (path.rfind("HKLM\\", 0) == 0) path.erase(0, 5);
    return GameKey{path, value};
}

bool existsInView(const std::string& key, REGSAM view) {
    HKEY handle;
    const std::wstring wide(key.begin(), key.end());
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide.c_str(), 0, KEY_READ | view, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

TEST(WindowsRegistry, FindsTheGameKeyInThe32BitView) {
    const auto game = gameKeyAddedByRunner();
    if (!game) GTEST_SKIP() << "no game key was added to this registry (run through scripts/wine-run.sh --game-key)";

    WindowsRegistry registry;
    EXPECT_TRUE(registry.keyExists(game->key));
    EXPECT_EQ(registry.readString(game->key, "InstallLocation"), game->value);
    // Key and value names are not case-sensitive in the registry.
    EXPECT_EQ(registry.readString("software\\atari\\rct3", "installlocation"), game->value);
    EXPECT_EQ(registry.readString(game->key, "NoSuchValue"), std::nullopt);
    EXPECT_FALSE(registry.keyExists(game->key + "\\NoSuchKey"));
    EXPECT_EQ(registry.readString(game->key + "\\NoSuchKey", "InstallLocation"), std::nullopt);
    // The key is where a 32-bit program sees it, and only there: a reader of the 64-bit view would
    // miss it.
    EXPECT_TRUE(existsInView(game->key, KEY_WOW64_32KEY));
    EXPECT_FALSE(existsInView(game->key, KEY_WOW64_64KEY));
}

// Values the game's installer might leave: other types, names beyond ASCII, strings without their NUL.
TEST(WindowsRegistry, ReadsStringValuesAsUnicode) {
    if (!gameKeyAddedByRunner()) GTEST_SKIP() << "only in the test registry of scripts/wine-run.sh --game-key";

    const std::wstring testKey = L"SOFTWARE\\ZorbaltwerkRegistryTest";
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, testKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                              nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    auto setString = [&](const wchar_t* name, DWORD type, const std::wstring& text, bool withNul) {
        const DWORD bytes = static_cast<DWORD>((text.size() + (withNul ? 1 : 0)) * sizeof(wchar_t));
        ASSERT_EQ(RegSetValueExW(handle, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
                  ERROR_SUCCESS);
    };
    setString(L"Umlaut", REG_SZ, L"C:\\Spiele\\\u00DCber \u20AC", true);
    setString(L"NoNul", REG_SZ, L"D:\\RCT3", false);
    setString(L"Expand", REG_EXPAND_SZ, L"%ProgramFiles%\\RCT3", true);
    setString(L"Japanese", REG_SZ, L"C:\\\u65E5\u672C", true);
    setString(L"\u00C4rger", REG_SZ, L"value of a name beyond ASCII", true);
    const DWORD number = 42;
    ASSERT_EQ(RegSetValueExW(handle, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
              ERROR_SUCCESS);
    RegCloseKey(handle);

    WindowsRegistry registry;
    const std::string key = "SOFTWARE\\ZorbaltwerkRegistryTest";
    EXPECT_EQ(registry.readString(key, "Umlaut"), "C:\\Spiele\\Über €");
    EXPECT_EQ(registry.readString(key, "NoNul"), "D:\\RCT3");
    EXPECT_EQ(registry.readString(key, "Expand"), "%ProgramFiles%\\RCT3");
    EXPECT_EQ(registry.readString(key, "Japanese"), "C:\\日本");  // whatever the code page holds
    EXPECT_EQ(registry.readString(key, "\xC4rger"), "value of a name beyond ASCII");
    EXPECT_EQ(registry.readString(key, "Number"), std::nullopt);

    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, testKey.c_str(), KEY_WOW64_32KEY, 0);
}

#endif

}  // namespace
}  // namespace zw
