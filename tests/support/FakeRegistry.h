#pragma once
// A registry whose keys and values a test sets; counts the keys asked for.

#include <map>
#include <string>
#include <vector>

#include "base/Registry.h"

namespace zw::test {

class FakeRegistry : public Registry {
public:
    std::map<std::string, std::map<std::string, std::string>> keys;
    std::vector<std::string> keysAsked;

    bool keyExists(const std::string& key) override {
        keysAsked.push_back(key);
        return keys.count(key) != 0;
    }
    std::optional<std::string> readString(const std::string& key, const std::string& valueName) override {
        auto k = keys.find(key);
        if (k == keys.end()) return std::nullopt;
        auto v = k->second.find(valueName);
        if (v == k->second.end()) return std::nullopt;
        return v->second;
    }
};

}  // namespace zw::test
