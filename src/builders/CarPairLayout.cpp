#include "builders/CarPairLayout.h"

namespace zw {

std::vector<LoaderType> carLoaderTypeList() {
    return {
        {"RCT3", "BoneAnim", 1, "ban"},
        {"RCT3", "BoneShape", 1, "bsh"},
        {"FGDK", "FlexiTexture", 1, "ftx"},
        {"FGDK", "RideCar", 1, "ric"},
        {"FGDK", "RideTrain", 1, "rit"},
        {"FGDK", "Spline", 1, "spl"},
        {"RCT3", "SceneryItemVisual", 1, "svd"},
    };
}

std::vector<std::string> carUniqueReferences(const CarData& car) { return car.IncludePaths; }

bool hasOwnRideCar(const CarRoleData& role) { return !role.ModelNamePartA.empty() || !role.IncludeSVDPartA.empty(); }

std::string rideCarSymbol(const CarData& car, CarRole role) {
    return car.CarObjectName + std::string(carRoleName(role)) + ":ric";
}

std::string rideTrainSymbol(const CarData& car) { return car.CarObjectName + ":rit"; }

}  // namespace zw
