#include "builders/RideDataBlock.h"

#include <array>
#include <stdexcept>
#include <string>

#include "base/AsciiCase.h"
#include "base/Report.h"
#include "builders/RideTrackPath.h"
#include "datafiles/RideData.h"
#include "ovl/OvlWriter.h"
#include "ovl/TrackedRideLayout.h"

namespace zw {
namespace {

using trackedRide::kRatingPointerWords;
using trackedRide::kRatingRecordCount;
using trackedRide::kRatingRecordSizes;
using trackedRide::kRatingTableSize;
using trackedRide::kTrackSectionEntrySize;

// The rating number of each rating record (records 4 … 28), in the order of RatingCoefficients.
constexpr std::array<uint32_t, 25> kRatingNumbers = {0,  2,  3,  4,  5,  6,  7,  9,  10, 11, 13, 14, 15,
                                                     16, 17, 18, 19, 20, 21, 22, 24, 25, 32, 34, 35};

}  // namespace

RideDataBlockLayout rideDataBlockLayout(const RideData& ride, bool addOns, uint32_t start) {
    RideDataBlockLayout layout;
    layout.carTypeNames = start;
    layout.trackSections = layout.carTypeNames + 4 * static_cast<uint32_t>(ride.WagentypName.size());
    layout.trackPaths = layout.trackSections + kTrackSectionEntrySize * static_cast<uint32_t>(ride.TrackSectionName.size());
    layout.ratingTable = layout.trackPaths + (addOns ? 4 * (1 + static_cast<uint32_t>(ride.ZusatzTrackTyp.size())) : 0);
    layout.end = layout.ratingTable + kRatingTableSize;
    return layout;
}

void writeRatingTable(OvlWriter& writer, const RideData& ride) {
    constexpr auto& R = trackedRide::kRatingRecord;
    OvlPartWriter out = writer.into(OvlPart::CommonStructures);
    const uint32_t start = out.offset();
    std::array<uint32_t, kRatingRecordCount> record{};  // each record's offset in the table
    uint32_t next = 4 * kRatingPointerWords;
    for (int i = 0; i < kRatingRecordCount; ++i) {
        record[i] = next;
        out.pointer(OvlPart::CommonStructures, start + next);
        next += kRatingRecordSizes[i];
    }
    out.word(0);

    out.at(record[0]).word(12).word(0).word(0).word(0);
    out.at(record[1]).word(10).floatWord(ride.Zuverlaessigkeitsabnahme).word(0);
    out.at(record[2]).word(0);
    for (size_t row = 0; row < kRatingNumbers.size(); ++row) {
        const uint32_t at = record[3 + row];
        const auto& c = ride.RatingCoefficients[row];  // excitement, intensity, nausea, factor
        out.at(at + R["kind"]).word(8);
        out.at(at + R["excitement"]).floatWord(c[0]);
        out.at(at + R["intensity"]).floatWord(c[1]);
        out.at(at + R["nausea"]).floatWord(c[2]);
        out.at(at + R["rating number"]).word(kRatingNumbers[row]);
        out.at(at + R["factor"]).floatWord(c[3]);
    }
    out.at(record[28]).word(0);
    // The generated splines stand in for the special A track sections; the last record tells the
    // game whether they are there.
    const bool generatedSplines = ride.SpezialTrackSectionNameAMitte.empty() && ride.SpezialTrackSectionNameAEnde.empty();
    out.at(record[29]).word(11).floatWord(generatedSplines ? 1.0 : 0.0).word(generatedSplines ? 29 : 0);
    out.endsAt(kRatingTableSize);
}

bool checkTrackPaths(const RideData& ride, bool addOns, Report& report) {
    if (!TrackPath(ride.TrackTyp)) {
        report.message("468");
        return false;
    }
    if (!addOns) return true;
    for (const std::string& extra : ride.ZusatzTrackTyp) {
        if (!TrackPath(extra)) {
            report.message("469");
            return false;
        }
    }
    return true;
}

void writeRideDataBlock(OvlWriter& writer, const RideData& ride, bool addOns, const RideDataBlockLayout& layout) {
    OvlPartWriter out = writer.into(OvlPart::CommonStructures);
    if (out.offset() != layout.carTypeNames) throw std::logic_error("the RideDataBlock does not start where planned");

    for (const std::string& name : ride.WagentypName) out.string(name);

    for (size_t i = 0; i < ride.TrackSectionName.size(); ++i) {
        // The reader gives every section a cost; 1000 is its default for a section without one.
        const int32_t cost = i < ride.TrackSectionKosten.size() ? ride.TrackSectionKosten[i] : 1000;
        out.string(lowerAscii(ride.TrackSectionName[i])).signedWord(cost);
    }

    if (addOns) {
        const std::optional<std::string> path = TrackPath(ride.TrackTyp);
        if (!path) throw std::logic_error("a RideDataBlock was written although its track type has no path");
        out.string(*path);
        for (const std::string& extra : ride.ZusatzTrackTyp) {
            const std::optional<std::string> extraPath = TrackPath(extra);
            if (!extraPath) throw std::logic_error("a RideDataBlock was written although a track type has no path");
            out.string(*extraPath);
        }
    }

    if (out.offset() != layout.ratingTable) throw std::logic_error("the RatingTable does not start where planned");
    writeRatingTable(writer, ride);
}

}  // namespace zw
