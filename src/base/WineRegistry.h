#pragma once
// The registry of a Wine prefix, read from its "system.reg" (the HKEY_LOCAL_MACHINE hive): where the
// game lives when it is played through Wine. A Windows path found there (C:\...) is given as the
// matching path inside the prefix.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/Registry.h"

namespace zw {

// $WINEPREFIX, else ~/.wine; nullopt when neither can be told.
std::optional<std::filesystem::path> defaultWinePrefix();

// "C:\Games\RCT3" inside `prefix`: below dosdevices/c: when that exists, else below drive_c for
// drive C. Returned as UTF-8 text with the native separator. A text that is no drive path is
// returned as it is; nullopt for a drive the prefix does not have.
std::optional<std::string> mapIntoWinePrefix(const std::filesystem::path& prefix, const std::string& windowsPath);

class WineRegistry : public Registry {
public:
    // Reads `prefix`/system.reg at once; a prefix without one is a registry without keys.
    explicit WineRegistry(std::filesystem::path prefix);
    // The registry of `prefix` from the text of its system.reg, already loaded.
    WineRegistry(std::filesystem::path prefix, std::string_view systemReg);

    bool keyExists(const std::string& key) override;
    // String values only (REG_SZ, REG_EXPAND_SZ); drive paths are mapped into the prefix.
    std::optional<std::string> readString(const std::string& key, const std::string& valueName) override;

private:
    void readKeys(std::string_view text);

    using Values = std::map<std::string, std::string>;  // lower-case name -> UTF-8 value
    const Values* find(const std::string& key) const;

    std::filesystem::path prefix_;
    std::map<std::string, Values> keys_;  // lower-case key path with single backslashes
};

}  // namespace zw
