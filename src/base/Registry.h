#pragma once
// Read-only access to string values below HKEY_LOCAL_MACHINE.

#include <optional>
#include <string>

namespace zw {

class Registry {
public:
    virtual ~Registry() = default;

    // True when the key exists and can be opened for reading (no key is ever created).
    virtual bool keyExists(const std::string& key) = 0;

    // The string value `valueName` of `key` as UTF-8 (any character Windows stores); nullopt when the
    // key or the value is missing.
    virtual std::optional<std::string> readString(const std::string& key, const std::string& valueName) = 0;
};

}  // namespace zw
