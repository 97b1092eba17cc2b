#pragma once
// The role checks of the car build: which roles a train must define before a pair is made.
//
// N is the number of defined roles (a model for part A, an included visual for part A, or an
// included RideCar). N = 0: 201. N = 1 without FrontCar: 202. N = 2 without FrontCar or MiddleCar:
// 203. N ≥ 3 without FrontCar or MiddleCar: 204 with N.

#include <optional>
#include <string>
#include <string_view>

#include "base/Messages.h"
#include "datafiles/CarData.h"

namespace zw {

struct CarRoleCheckFailure {
    MessageId messageId;
    std::string argument;  // N for 204, else empty
};

size_t definedCarRoleCount(const CarData& car);

// The first failed role check, or nullopt when the roles make a train.
std::optional<CarRoleCheckFailure> failedCarRoleCheck(const CarData& car);

}  // namespace zw
