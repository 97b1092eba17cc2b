#include "builders/CarRoleChecks.h"

namespace zw {

size_t definedCarRoleCount(const CarData& car) {
    size_t count = 0;
    for (const CarRoleData& role : car.Roles) count += role.isDefined() ? 1 : 0;
    return count;
}

std::optional<CarRoleCheckFailure> failedCarRoleCheck(const CarData& car) {
    const size_t n = definedCarRoleCount(car);
    const bool front = car.role(CarRole::FrontCar).isDefined();
    const bool middle = car.role(CarRole::MiddleCar).isDefined();
    if (n == 0) return CarRoleCheckFailure{"201", {}};
    if (n == 1 && !front) return CarRoleCheckFailure{"202", {}};
    if (n == 2 && (!front || !middle)) return CarRoleCheckFailure{"203", {}};
    if (n >= 3 && (!front || !middle)) return CarRoleCheckFailure{"204", std::to_string(n)};
    return std::nullopt;
}

}  // namespace zw
