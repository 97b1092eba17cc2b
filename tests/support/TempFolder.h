#pragma once
// A fresh, empty folder below the system's temporary folder, removed when the test ends.

#include <filesystem>
#include <string>

namespace zw::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes `bytes` to `path` as they are (creating the parent folders).
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace zw::test
