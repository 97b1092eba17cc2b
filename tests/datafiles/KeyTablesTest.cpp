#include <gtest/gtest.h>

#include <sstream>

#include "DataFileFixture.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"

namespace zw {
namespace {

// A value no key has as its default, as a key line gives it.
std::string sampleFor(const DataFileKey& key) {
    switch (key.values) {
        case KeyValues::Integer:
        case KeyValues::IntegerList: return "7";
        case KeyValues::Flag: return key.number == 1 ? "0" : "1";
        case KeyValues::Decimal:
        case KeyValues::Speed: return "7.250";
        case KeyValues::Money:
        case KeyValues::MoneyList: return "7.25";
        default: return "Probe";
    }
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines of `changed` that differ from those of `original` (a rewrite has the same lines for the
// same settings, so they are compared by position).
std::vector<std::string> changedLines(const std::string& original, const std::string& changed) {
    const auto before = linesOf(original), after = linesOf(changed);
    EXPECT_EQ(before.size(), after.size());
    std::vector<std::string> lines;
    for (size_t i = 0; i < std::min(before.size(), after.size()); ++i)
        if (before[i] != after[i]) lines.push_back(after[i]);
    return lines;
}

// A key line of a rewrite as the key's own: its name, then tabs or a blank, then the value.
bool isLineOf(const std::string& line, const std::string& name, const std::string& value) {
    if (!line.starts_with(name)) return false;
    const size_t valueStart = line.find_first_not_of("\t ", name.size());
    return valueStart != name.size() && valueStart != std::string::npos && line.compare(valueStart, value.size(), value) == 0;
}

RideData readRide(const std::string& body) {
    test::LoadedText text(body);
    Lookups lookups = text.lookups();
    return rideDataFromKeys(lookups, "CTR_BahnDaten_Probe.txt");
}

// Each key, under its German and its English name, fills its own field: the rewrite changes its
// line, and only its line, to the value given. A key bound to another's field fails here.
TEST(KeyTables, EachRideKeyFillsItsOwnFieldWhichTheRewriteWritesBack) {
    for (const bool english : {false, true}) {
        const std::string defaults = rideDataFileContent(readRide(""), english, true);
        for (const DataFileKey& key : rideKeys()) {
            if (key.values == KeyValues::SpeedUnit) continue;  // its line names the unit; the golden files cover it
            const std::string name = english ? key.englishName : key.names.front();
            const std::string sample = sampleFor(key);
            const auto changed = changedLines(defaults, rideDataFileContent(readRide(name + "\t" + sample + "\r\n"), english, true));
            ASSERT_FALSE(changed.empty()) << name;
            EXPECT_TRUE(isLineOf(changed.front(), name, sample)) << name << ": " << changed.front();
            // A section list sets how many costs there are.
            const size_t allowed = key.names.front() == "TrackSectionName" ? 2 : 1;
            EXPECT_LE(changed.size(), allowed) << name << ": " << changed.back();
        }
    }
}

CarData readCar(const std::string& body) {
    test::LoadedText text(body, DataFileKind::Car);
    Lookups lookups = text.lookups();
    CarFileLookup lookup(lookups);
    return readCarFields(lookup, true, text.report);
}

// The same for every car key, with the hidden settings on (an English rewrite writes no hidden
// key). The names and inertias that rules settle are left to the reader's tests.
TEST(KeyTables, EachCarKeyFillsItsOwnFieldWhichTheRewriteWritesBack) {
    for (const bool english : {false, true}) {
        const std::string defaults = carDataFileContent(readCar(""), english, true);
        for (const DataFileKey& key : carKeys()) {
            if (key.settledByRule || (english && key.use == KeyUse::Hidden)) continue;
            const std::string name = english ? key.englishName : key.names.front();
            const std::string sample = sampleFor(key);
            const auto changed = changedLines(defaults, carDataFileContent(readCar(name + "\t" + sample + "\r\n"), english, true));
            ASSERT_FALSE(changed.empty()) << name;
            EXPECT_TRUE(isLineOf(changed.front(), name, sample)) << name << ": " << changed.front();
            // A car structure taken from elsewhere needs no model of its own: the front car's
            // example model goes.
            const size_t allowed = name == "FrontCar_IncludeRIC" || name == "FrontCar_IncludeTeilASVD" ? 2 : 1;
            EXPECT_LE(changed.size(), allowed) << name << ": " << changed.back();
        }
    }
}

}  // namespace
}  // namespace zw
