#pragma once
// Settling the car fields from a loaded car data file: every train key and, for each of the six
// roles, every role key, German name first and then its aliases, with the defaults and the
// per-role rules applied.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/Report.h"
#include "datafiles/CarData.h"
#include "datafiles/Lookups.h"

namespace zw {

struct Settings;
struct DataFileKey;
struct KeyTrace;

// The open dialog's filter for car data files.
inline constexpr const char* kCarDataFileFilter = "CTR_WagenDaten_*.txt|CTR_WagenDaten_*.txt";

// Reads the car data file at `path`, chosen in the open dialog (filter kCarDataFileFilter): the car
// fields after a complete read, none when the read stopped with a message (161, 162, 163, 167 or
// the file name's); the report holds that message or the lookups' messages.
// The text goes into `files`, the lookups' results into `results`.
Result<CarData> readCarDataFile(const std::filesystem::path& path, LoadedDataFiles& files, LookupResults& results,
                                const Settings& settings);
// The same for the bytes of the file at `path`, already loaded.
Result<CarData> readCarDataBytes(const std::string& bytes, const std::filesystem::path& path, LoadedDataFiles& files,
                                 LookupResults& results, const Settings& settings);

// The four car lookups over the loaded car text. Each returns every value found for the key (an
// empty list when the key is missing); limit and format messages go to the lookup's report.
class CarKeyLookup {
public:
    virtual ~CarKeyLookup() = default;
    virtual std::vector<std::int32_t> integers(std::string_view key) = 0;
    virtual std::vector<double> decimals(std::string_view key) = 0;
    virtual std::vector<std::string> texts(std::string_view key) = 0;
    virtual std::vector<std::string> textsWithSpaces(std::string_view key) = 0;
    // Records the lookup of `key` when the read is traced: the key's trace, null when it is not.
    virtual KeyTrace* trace(const DataFileKey&) { return nullptr; }
};

// The car lookups of the loaded car text, handing back the result areas of `lookups`.
class CarFileLookup : public CarKeyLookup {
public:
    explicit CarFileLookup(Lookups& lookups) : lookups_(lookups) {}
    std::vector<std::int32_t> integers(std::string_view key) override;
    std::vector<double> decimals(std::string_view key) override;
    std::vector<std::string> texts(std::string_view key) override;
    std::vector<std::string> textsWithSpaces(std::string_view key) override;
    KeyTrace* trace(const DataFileKey& key) override;

private:
    Lookups& lookups_;
};

// Every field but CarFolder and CarObjectName, which come from the file's path. Keys marked hidden
// are looked up in every case (their lookups may show messages) but used only with
// `hiddenSettings` on. A seating list longer than the room for it is cut, with a message in `report`.
CarData readCarFields(CarKeyLookup& lookup, bool hiddenSettings, Report& report);

}  // namespace zw
