// A Wine prefix's system.reg as the first start reads it, asked for the game's keys as the program
// asks (also below Wow6432Node), the values mapped into a prefix that has no drives.

#include "FuzzTarget.h"
#include "base/Settings.h"
#include "base/WineRegistry.h"

ZW_FUZZ_TARGET(wine_system_reg) {
    using namespace zw;
    WineRegistry registry(fuzz::scratchFolder() / "prefix", input);
    for (std::string_view key : kGamePathRegistryKeys) {
        if (registry.keyExists(std::string(key))) (void)registry.readString(std::string(key), std::string(kGamePathRegistryValue));
    }
    (void)registry.readString("SOFTWARE\\Atari\\RCT3", "");
}
