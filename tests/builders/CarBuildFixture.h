#pragma once
// A car whose fields all hold different values, so that a field written at the wrong offset or from
// the wrong key shows; a build that records the models it re-emits instead of copying them; and the
// pair read back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ParsedRidePair.h"
#include "base/Settings.h"
#include "builders/CarBuilder.h"
#include "datafiles/CarData.h"
#include "ovl/OvlWriter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/ReportShowing.h"

namespace zw::test {

// CTR_Bob: FrontCar takes its visual from another pair (IncludeSVDPartA "ForeignFront"), has three
// seats and only height swing; MiddleCar takes its RideCar from another pair (IncludeRIC
// "ForeignMiddle"); RearCar has two included visuals, one seat and only side swing. No model is read.
CarData distinctCar(const std::filesystem::path& folder);

class CarBuildTest : public ::testing::Test {
protected:
    TempFolder temp;
    ScriptedDialogs dialogs;
    Settings settings;
    OvlWriter writer;
    CarData car = distinctCar(temp.path());
    std::vector<std::string> reEmitted;  // the model names handed to the re-emission, in order

    // A build whose re-emission only records the model's name.
    int build();
    int build(const CarBuildSteps& steps) {
        return bool(runAsking(dialogs, languageOf(settings.UseEnglish), [&](const Answers& answers) {
            return buildCarPair(car, settings, writer, answers, steps);
        }));
    }
    // A stopped build leaves nothing: no pair, and not the output folder it made.
    bool noOutput() const;
    // The pair just built, read back; the pair inspector must find nothing wrong with it.
    ParsedRidePair built() const;
};

}  // namespace zw::test
