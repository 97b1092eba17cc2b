#include "datafiles/RideDataReader.h"

#include <optional>

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/DataFileOpening.h"
#include "datafiles/Formatters.h"
#include "datafiles/KeyFieldVisit.h"
#include "datafiles/ReadTrace.h"
#include "datafiles/RideDataHeader.h"

namespace zw {
namespace {

// The lookups of one read: each takes the key's German name first, then its aliases.
class KeyReader {
public:
    explicit KeyReader(Lookups& lookups) : lookups_(lookups), found_(lookups.results()) {}

    std::vector<std::string> texts(const DataFileKey& key) {
        lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Text, key.names);
        return found_.FoundTexts;
    }
    std::string text(const DataFileKey& key, ValueKind kind) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, kind, key.names) == 0) return key.defaultText;
        return found_.FoundTexts[0];
    }
    int32_t integer(const DataFileKey& key) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Integer, key.names) == 0)
            return static_cast<int32_t>(key.number);
        return found_.FoundInts[0];
    }
    // 1 when the first integer is exactly 1, 0 for any other number.
    int32_t flag(const DataFileKey& key) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Integer, key.names) == 0)
            return static_cast<int32_t>(key.number);
        return flagValue(found_.FoundInts[0]);
    }
    std::vector<double> decimals(const DataFileKey& key) {
        lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Decimal, key.names);
        return found_.FoundDecimals;
    }
    double decimal(const DataFileKey& key, double fallback) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Decimal, key.names) == 0) return fallback;
        return found_.FoundDecimals[0];
    }
    int32_t money(const DataFileKey& key) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Decimal, key.names) == 0)
            return static_cast<int32_t>(key.number);
        return toHundredths(found_.FoundDecimals[0]);
    }

    // Records the key's lookup when the read is traced; the key's trace, null when the read is not.
    KeyTrace* trace(const DataFileKey& key, double speedUnitFactor) {
        ReadTrace* trace = lookups_.trace();
        if (!trace) return nullptr;
        traceKey(*trace, lookups_.files(), DataFileKind::Ride, key, speedUnitFactor);
        return &trace->keys[&key];
    }

private:
    Lookups& lookups_;
    const LookupResults& found_;
};

void readKey(KeyReader& keys, const DataFileKey& key, RideData& r) {
    KeyTrace* traced = keys.trace(key, r.SpeedUnitFactor);
    if (key.values == KeyValues::SpeedUnit) {
        r.SpeedUnitFactor = speedUnitFactorOf(keys.text(key, ValueKind::Text));
        return;
    }
    visitKeyField(key.field, r, overloaded{
        [&](std::string& text) { text = keys.text(key, scanKindOf(key.values)); },
        [&](int32_t& number) {
            number = key.values == KeyValues::Money  ? keys.money(key)
                     : key.values == KeyValues::Flag ? keys.flag(key)
                                                     : keys.integer(key);
        },
        [&](RideFlag flag) {
            if (keys.flag(key)) flag.set();
        },
        [&](double& value) { value = keys.decimal(key, defaultDecimalOf(key, r.SpeedUnitFactor)); },
        [&](std::vector<int32_t>& amounts) {
            // One cost per section: extra costs are ignored, sections without one cost the default.
            const std::vector<double> costs = keys.decimals(key);
            for (size_t j = 0; j < r.TrackSectionName.size(); ++j)
                amounts.push_back(j < costs.size() ? toHundredths(costs[j]) : static_cast<int32_t>(key.number));
            if (traced) {
                traced->entriesWanted = r.TrackSectionName.size();
                for (size_t j = r.TrackSectionName.size(); j < costs.size(); ++j)
                    traced->beyondLimit.push_back(formatMoney(toHundredths(costs[j])));
            }
        },
        [&](std::vector<std::string>& entries) {
            if (&entries == &r.ZusatzTrackTyp) {
                // Additional track types: none for a CTR track type; otherwise the first ten found,
                // without the CTR track types among them.
                if (isCtrTrackType(r.TrackTyp)) {
                    if (traced) traced->notUsed = true;
                    return;
                }
                std::vector<std::string> found = keys.texts(key);
                if (found.size() > kExtraTrackTypeLimit) {
                    if (traced) traced->beyondLimit.assign(found.begin() + kExtraTrackTypeLimit, found.end());
                    found.resize(kExtraTrackTypeLimit);
                }
                for (auto& type : found) {
                    if (!isCtrTrackType(type)) entries.push_back(std::move(type));
                    else if (traced) traced->leftOut.push_back(type);
                }
                return;
            }
            entries = keys.texts(key);
            if (entries.empty()) entries = defaultListOf(key);
        },
    });
}

}  // namespace

const std::array<RatingRow, kRatingRowCount> kRatingRows = {{
    {"Basis", "Base", true, 3.0, 2.0, 1.5},
    {"Rundenanzahl", "CircuitCount", true, 0.0, 0.0, 0.0},
    {"Wagenanzahl", "CarCount", true, 0.3, 0.0, 0.0},
    {"Fahrtzeit", "RideTime", true, 0.01, 0.0, 0.0},
    {"SzenerieMax", "SceneryMax", true, 0.5, 0.0, 0.0},
    {"Zuganzahl", "", false, 0, 0, 0},
    {"WagentypRangfolge", "", false, 0, 0, 0},
    {"Startgeschw", "", false, 0, 0, 0},
    {"langsameLiftkette", "", false, 0, 0, 0},
    {"Liftkettengeschw", "", false, 0, 0, 0},
    {"Hoechstgeschw", "MaximumSpeed", true, 0.01, 0.02, 0.01},
    {"Durchschnittsgeschw", "AverageSpeed", true, 0.05, 0.05, 0.0},
    {"Fahrtlaenge", "RideLength", true, 0.01, 0.0, 0.0},
    {"MaxposvertGKraft", "", false, 0, 0, 0},
    {"MaxnegvertGKraft", "", false, 0, 0, 0},
    {"MaxseitlGKraft", "", false, 0, 0, 0},
    {"GesamtzeitinLuft", "", false, 0, 0, 0},
    {"GefaelleAnzahl", "", false, 0, 0, 0},
    {"HoechsteFallhoehe", "", false, 0, 0, 0},
    {"InversionenAnzahl", "", false, 0, 0, 0},
    {"Tunnellaenge", "", false, 0, 0, 0},
    {"Terraforming", "", false, 0, 0, 0},
    {"SzenerieEinfluss", "SceneryInfluence", true, 4.0, 0.0, 0.0},
    {"mittlereseitlGKraft", "AverageHorizGForce", true, 2.0, 2.0, 4.0},
    {"mittlerevertGKraft", "AverageVertGForce", true, 1.5, 3.0, 1.5},
}};

RideData rideDataFromKeys(Lookups& lookups, const std::filesystem::path& file) {
    KeyReader keys(lookups);
    RideData r;

    // Names from the path. The file name is "CTR_BahnDaten_" + name part + ".txt".
    r.DataFileFolder = file.parent_path();
    const std::string fileName = pathToCp1252(file.filename());
    const std::string namePart = fileName.size() > 18 ? fileName.substr(14, fileName.size() - 18) : std::string();
    r.RideObjectName = namePart.empty() ? "CTR_Unbenannt" : "CTR_" + namePart;

    r.RideFlags = kFlagAlwaysSet;
    for (auto& coefficients : r.RatingCoefficients) coefficients = {0.0, 0.0, 0.0, 1.0};
    for (const DataFileKey& key : rideKeys()) readKey(keys, key, r);

    setFieldsWithoutKeys(r);
    return r;
}

Result<RideData> readRideDataFile(const std::filesystem::path& file, LoadedDataFiles& files, LookupResults& results) {
    // A name that the Windows code page cannot hold cannot become an object name: such a file is
    // treated as one that cannot be opened.
    std::optional<std::string> bytes;
    try {
        (void)pathToCp1252(file.filename());
        bytes = readWholeFile(file);
    } catch (const EncodingError&) {
        bytes.reset();
    }
    if (!bytes) {
        Result<RideData> stopped;
        stopped.report.message("101");
        return stopped;
    }
    return readRideDataBytes(*bytes, file, files, results);
}

Result<RideData> readRideDataBytes(const std::string& bytes, const std::filesystem::path& file,
                                   LoadedDataFiles& files, LookupResults& results) {
    Result<RideData> read;
    if (!openDataFileText(bytes, acceptedRideHeaderSums(), {"121", "122", "116"}, files.RideFileText,
                          files.RideFileSource, files.Lines, read.report)) {
        return read;
    }
    Lookups lookups(files, results, read.report);
    read.value = rideDataFromKeys(lookups, file);
    return read;
}

}  // namespace zw
