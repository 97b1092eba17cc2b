#include "support/GameFolderFixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zw::test {

namespace fs = std::filesystem;

std::string le16(uint16_t value) {
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string le32(uint32_t value) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string shortText(std::string_view text) { return le16(static_cast<uint16_t>(text.size())) + std::string(text); }

std::string loaderTypeRowBytes(const LoaderTypeRow& row) {
    return shortText(row.loader) + shortText(row.type) + le32(row.number) + shortText(row.tag);
}

LoaderTypeRow trackedRideRow() { return {"RCT3", "TrackedRide", 1, "trr"}; }
LoaderTypeRow rideTrainRow() { return {"RCT3", "RideTrain", 1, "rit"}; }
LoaderTypeRow rideCarRow() { return {"RCT3", "RideCar", 1, "ric"}; }
LoaderTypeRow textRow() { return {"FGDK", "Text", 1, "txt"}; }

std::string ovlHeader(const std::vector<LoaderTypeRow>& rows, uint32_t version,
                      const std::vector<std::string>& references) {
    std::string out = "FGRK" + le32(0) + le32(version) + le32(static_cast<uint32_t>(references.size()));
    for (const auto& reference : references) out += shortText(reference);
    out += le32(0) + le32(static_cast<uint32_t>(rows.size()));
    for (const auto& row : rows) out += loaderTypeRowBytes(row);
    return out;
}

std::string uniqueFile(const std::vector<LoaderTypeRow>& rows) {
    std::string out = ovlHeader(rows);
    const uint32_t counts[9] = {0, 0, 3, 0, 0, 0, 0, 0, 0};
    for (uint32_t c : counts) out += le32(c);
    for (int block = 0; block < 3; ++block) out += le32(0);
    return out + le32(0);
}

std::string commonFileWithStrings(const std::vector<std::string>& strings, uint32_t version,
                                  const std::vector<LoaderTypeRow>& rows) {
    std::string table;
    for (const auto& s : strings) table += s + std::string(1, '\0');
    std::string out = ovlHeader(rows, version);
    const uint32_t counts[9] = {1, 0, 2, 0, 0, 0, 0, 0, 0};
    for (uint32_t c : counts) out += le32(c);
    out += le32(static_cast<uint32_t>(table.size())) + table;
    out += le32(0) + le32(0);
    return out + le32(0);
}

GameFolderFixture::GameFolderFixture() {
    fs::create_directories(ridesFolder());
    fs::create_directories(carsFolder());
    fs::create_directories(author());
}

void GameFolderFixture::copyExamplesToAuthor() const {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    if (source == nullptr) throw std::runtime_error("ZW_SOURCE_DIR is not set");
    for (const auto& entry : fs::directory_iterator(fs::path(source) / "examples")) {
        fs::copy_file(entry.path(), author() / entry.path().filename());
    }
}

fs::path GameFolderFixture::makeRideFolder(const fs::path& parent, const std::string& name, const std::string& mark) {
    const fs::path folder = parent / name;
    writeBytes(folder / (name + ".common.ovl"), commonFileWithStrings({mark, name + ":trr"}));
    writeBytes(folder / (name + ".unique.ovl"), uniqueFile({textRow(), trackedRideRow(), rideCarRow()}));
    return folder;
}

fs::path GameFolderFixture::makeCarFolder(const fs::path& parent, const std::string& name, const std::string& mark) {
    const fs::path folder = parent / name;
    writeBytes(folder / (name + ".common.ovl"), commonFileWithStrings({mark, name + ":rit"}));
    writeBytes(folder / (name + ".unique.ovl"), uniqueFile({rideCarRow(), rideTrainRow()}));
    return folder;
}

fs::path GameFolderFixture::makeTrackSetFolder(const fs::path& parent, const std::string& name,
                                               const std::vector<std::string>& sections) {
    const fs::path folder = parent / name;
    std::vector<std::string> strings = {"Blue", "track:txt"};
    for (const auto& s : sections) strings.push_back(s + ":tks");
    strings.push_back("end:ftx");
    writeBytes(folder / (name + ".common.ovl"), commonFileWithStrings(strings));
    writeBytes(folder / (name + ".unique.ovl"), uniqueFile({textRow()}));
    for (const auto& s : sections) {
        writeBytes(folder / (s + "_data.common.ovl"), "section common " + s);
        writeBytes(folder / (s + "_data.unique.ovl"), "section unique " + s);
    }
    return folder;
}

int folderCreationError(const fs::path& folder) {
    std::error_code ec;
    if (fs::create_directory(folder, ec)) throw std::logic_error("the folder could be made: " + folder.string());
    if (!ec) ec = std::make_error_code(std::errc::file_exists);
    return ec.value();
}

std::string fileContent(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> entryNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace zw::test
