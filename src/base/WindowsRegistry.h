#pragma once
// The Windows registry below HKEY_LOCAL_MACHINE, read through the Win32 registry functions in the
// 32-bit view: the game is a 32-bit program, so on 64-bit Windows its installer's keys live where a
// 32-bit program sees them (below WOW6432Node). Built only for Windows.

#ifdef _WIN32

#include "base/Registry.h"

namespace zw {

class WindowsRegistry : public Registry {
public:
    // Key and value names are Windows-1252 text; the values returned are UTF-8, read as Unicode.
    bool keyExists(const std::string& key) override;
    // String values only (REG_SZ, REG_EXPAND_SZ, the latter not expanded); nullopt for another type.
    std::optional<std::string> readString(const std::string& key, const std::string& valueName) override;
};

}  // namespace zw

#endif
