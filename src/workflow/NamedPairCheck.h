#pragma once
// What a build reads beyond its data file, looked at before the build: each model pair that a car
// names, read and tag-checked as the car build reads it, and the peep spline pair of a ride that
// names peep splines. A pair the build would stop on is an error at the key line that names it.

#include <vector>

#include "base/Messages.h"
#include "datafiles/CarData.h"
#include "datafiles/DataFileCheck.h"
#include "datafiles/RideData.h"

namespace zw {

// One error finding for each model name whose pair is missing or unreadable, at the first line
// that names it (line 0 for the model a car without model names is given); in line order.
std::vector<DataFileFinding> checkCarModels(const CarData& car, const LoadedDataFiles& files, Language language);

// An error finding when the ride names peep splines and their pair beside the file is missing or
// unreadable, at the first peep spline key line.
std::vector<DataFileFinding> checkPeepSplinePair(const RideData& ride, const LoadedDataFiles& files,
                                                 Language language);

}  // namespace zw
