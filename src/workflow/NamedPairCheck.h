#pragma once
// What a build reads beyond its data file, looked at before the build: each model pair that a car
// names, read and tag-checked as the car build reads it, and the peep spline pair and the icon pair
// of a ride. A pair the build would stop on is an error at the key line that names it.

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
// unreadable, at the first peep spline key line; and when the ride's icon comes from an icon pair
// beside the file that is missing or unreadable, at the icon's key line. In line order.
std::vector<DataFileFinding> checkRidePairs(const RideData& ride, const LoadedDataFiles& files, Language language);

}  // namespace zw
