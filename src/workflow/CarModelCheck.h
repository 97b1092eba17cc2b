#pragma once
// What a car build reads beyond its data file, looked at before the build: each model pair that the
// car names, read and tag-checked as the build reads it. A model the build would stop on is an
// error at the key line that names it.

#include <vector>

#include "base/Messages.h"
#include "datafiles/CarData.h"
#include "datafiles/DataFileCheck.h"

namespace zw {

// One error finding for each model name whose pair is missing or unreadable, at the first line
// that names it (line 0 for the model a car without model names is given); in line order.
std::vector<DataFileFinding> checkCarModels(const CarData& car, const LoadedDataFiles& files, Language language);

}  // namespace zw
