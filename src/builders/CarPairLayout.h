#pragma once
// The fixed facts of a car pair that the car builder and the model re-emission share: the
// LoaderTypeList, the header references of the .unique file, and the symbol names of the pair's
// own structures.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/CarData.h"
#include "ovl/OvlFormat.h"

namespace zw {

// Positions in the car pair's LoaderTypeList: the loader type of a loader entry.
namespace carLoaderType {
constexpr uint32_t BoneAnim = 0;
constexpr uint32_t BoneShape = 1;
constexpr uint32_t FlexiTexture = 2;
constexpr uint32_t RideCar = 3;
constexpr uint32_t RideTrain = 4;
constexpr uint32_t Spline = 5;
constexpr uint32_t SceneryItemVisual = 6;
}  // namespace carLoaderType

// The LoaderTypeList written into both files of a car pair.
std::vector<LoaderType> carLoaderTypeList();

// The header references of the .unique file: the train's include paths, in order. The .common
// file lists none.
std::vector<std::string> carUniqueReferences(const CarData& car);

// A role gets a RideCar of its own when it names a model for part A, its own or one taken from
// another pair; a role defined only by IncludeRIC uses that pair's RideCar.
bool hasOwnRideCar(const CarRoleData& role);

// "<CarObjectName><role name>:ric", the symbol of a role's own RideCar.
std::string rideCarSymbol(const CarData& car, CarRole role);

// "<CarObjectName>:rit", the symbol of the pair's RideTrain.
std::string rideTrainSymbol(const CarData& car);

}  // namespace zw
