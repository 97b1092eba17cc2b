#include <gtest/gtest.h>

#ifdef _WIN32
#include <cstdlib>

#include "base/Messages.h"
#include "base/Settings.h"
#include "base/SystemLanguage.h"
#include "base/SystemRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#endif

namespace zw {
namespace {

#ifdef _WIN32

// The first start of the Windows build on a machine where the game's installer left its key (added by
// scripts/wine-run.sh --game-key with "reg add ... /reg:32"): the game folder comes from the registry.
TEST(SystemRegistry, FirstStartFindsTheGameFolderInTheRegistry) {
    const char* value = std::getenv("ZW_WINE_REGISTRY_VALUE");
    if (!value) GTEST_SKIP() << "no game key was added to this registry (run through scripts/wine-run.sh --game-key)";

    test::TempFolder workFolder;  // no options file: a first start
    test::ScriptedDialogs dialogs;
    Settings settings;
    const auto registry = makeSystemRegistry();
    EXPECT_EQ(loadSettings(settings, workFolder.path(), dialogs, *registry, systemLanguage()), OptionsStatus::Missing);
    EXPECT_EQ(settings.GamePath, value);
    EXPECT_NE(settings.GamePath, defaultGamePath());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{welcomeText(systemLanguage())});
}

#endif

}  // namespace
}  // namespace zw
