#pragma once
// What the car preview window shows: the front, middle and rear cars that a car data file names,
// each drawn from the model pairs beside the file (part A and part B together), before any build.
// A car whose model pairs cannot be read or drawn carries the reason instead of a scene.

#include <string>
#include <vector>

#include "datafiles/CarData.h"
#include "ovl/ModelScene.h"

namespace zw {

struct PreviewCar {
    std::string role;                // "FrontCar", "MiddleCar", "RearCar"
    std::vector<std::string> models;  // the model names the role gives (Windows-1252)
    SceneResult result;
};

// Reads the model pairs of `car`'s front, middle and rear roles from car.CarFolder.
std::vector<PreviewCar> previewCars(const CarData& car);

}  // namespace zw
