#include <gtest/gtest.h>

#include <cstdlib>

#include "base/SafeFile.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/RideDataRewrite.h"
#include "datafiles/RideFiles.h"
#include "workflow/ProjectCommands.h"

namespace zw {
namespace {

// A read followed by a rewrite of a canonical file changes no byte: no decimal drifts by a
// thousandth however often a file is read and written back.
struct FixedPoint : test::RideFixture, ::testing::Test {
    std::string rewriteRide(const std::string& text, bool english, bool addOns) {
        const auto path = folder / "CTR_BahnDaten_Zipper.txt";
        test::writeBytes(path, text);
        if (read(path) != 1) throw std::runtime_error("ride read failed");
        return rideDataFileContent(state.ride, english, addOns);
    }
    std::string rewriteCar(const std::string& text, bool english) {
        const auto path = folder / "CTR_WagenDaten_Sled.txt";
        test::writeBytes(path, text);
        if (!readCarDataFile(state, dialogs, path)) throw std::runtime_error("car read failed");
        return carDataFileContent(state.car, english, false);
    }
};

std::string example(const char* name) {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    return readWholeFile(std::filesystem::path(source ? source : "") / "examples" / name).value_or("");
}

TEST_F(FixedPoint, RewritingARewrittenRideChangesNoByte) {
    const std::string rides[] = {
        example("CTR_BahnDaten_Beispielbahn.txt"),
        test::rideHeader() + "DistanzGeschwEinheit\tkm/h\r\nLichtraumprofilHoehe\t1.4\r\nErrFahrtzeit\t0.012\r\n"
                             "StartgeschwMax\t179.999\r\nBergaufabAbweichung\t-3.599\r\nWaterSectionAbbremsung\t0.001\r\n",
    };
    for (const std::string& ride : rides) {
        ASSERT_GT(ride.size(), 400u);
        for (bool english : {false, true}) {
            for (bool addOns : {false, true}) {
                const std::string once = rewriteRide(ride, english, addOns);
                EXPECT_EQ(rewriteRide(once, english, addOns), once) << english << addOns;
            }
        }
    }
    const std::string written = rewriteRide(rides[1], false, false);
    for (const char* line : {"\r\nLichtraumprofilHoehe\t\t1.400\r\n", "\r\nErrFahrtzeit\t\t\t0.012\r\n",
                             "\r\nStartgeschwMax\t\t\t179.999\r\n", "\r\nBergaufabAbweichung\t\t-3.599\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
}

TEST_F(FixedPoint, RewritingARewrittenCarFileChangesNoByte) {
    const std::string cars[] = {
        example("CTR_WagenDaten_Beispielzug.txt"),
        std::string(kCarDataHeader) + "KameraLATiltfactor\t1.4\r\nFrontCar_TraegheitTeilA\t0.012\r\n"
                                      "FrontCar_BewegungsachsenSchwung\t179.999\r\nRearCar_Seitenschwankung\t-0.3\r\n",
    };
    for (const std::string& car : cars) {
        ASSERT_GT(car.size(), 400u);
        for (bool english : {false, true}) {
            const std::string once = rewriteCar(car, english);
            EXPECT_EQ(rewriteCar(once, english), once) << english;
        }
    }
    const std::string written = rewriteCar(cars[1], false);
    for (const char* line : {"\r\nKameraLATiltfactor\t\t\t1.400\r\n", "\r\nFrontCar_TraegheitTeilA\t\t\t0.012\r\n",
                             "\r\nFrontCar_BewegungsachsenSchwung\t\t179.999\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace zw
