#pragma once
// The car part of the project state: everything the car reader settles from a CTR_WagenDaten file.
// The car rewrite and the car builder work only from this record, never from the text file.
// Texts are Windows-1252 bytes as read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// The six positions of a car in a train, numbered 1 to 6. Their names are part of key names,
// symbol names and messages.
enum class CarRole { FrontCar = 1, SecondCar, MiddleCar, PenultimateCar, RearCar, LinkCar };

inline constexpr std::size_t kCarRoleCount = 6;

inline constexpr std::array<CarRole, kCarRoleCount> kCarRoles = {
    CarRole::FrontCar, CarRole::SecondCar, CarRole::MiddleCar, CarRole::PenultimateCar, CarRole::RearCar,
    CarRole::LinkCar};

constexpr std::string_view carRoleName(CarRole role) {
    constexpr std::array<std::string_view, kCarRoleCount> names = {"FrontCar",       "SecondCar", "MiddleCar",
                                                                   "PenultimateCar", "RearCar",   "LinkCar"};
    return names[static_cast<std::size_t>(role) - 1];
}

// Room for seating positions per car; a longer list in a file is cut to this many.
inline constexpr std::size_t kMaxPeepSeatingPositions = 100;
// Room for include paths of the train.
inline constexpr std::size_t kMaxIncludePaths = 20;

struct CarRoleData {
    std::string IncludeRIC;       // car structure taken from another OVL instead of building one
    std::string IncludeSVDPartA;  // model taken from another OVL for part A
    std::string IncludeSVDPartB;  // ... for part B
    std::string ModelNamePartA;   // modelling tool's model of the fixed part
    std::string ModelNamePartB;   // ... of the moving part; empty for a one-part car
    double InertiaPartA = 500.0;  // -1.0 stands for "none"
    double InertiaPartB = -1.0;
    std::int32_t TurnaxisType = 0;
    double TurnaxisStability = 4.0;
    double TurnaxisMomentum = 0.1;
    double TurnaxisStopper = -1.0;
    double TurnaxisUnknown = 0.0;
    std::vector<std::int32_t> PeepSeatingPositions{11};
    double SideSwing = 0.0;
    double HeightSwing = 0.0;
    // Animation numbers of the twelve events; -1 means no animation.
    std::int32_t AnimRestraintOpening = -1;
    std::int32_t AnimRestraintOpenedIdle = -1;
    std::int32_t AnimRestraintClosing = -1;
    std::int32_t AnimRestraintClosedIdle = -1;
    std::int32_t AnimDoorOpening = -1;
    std::int32_t AnimDoorOpenedIdle = -1;
    std::int32_t AnimDoorClosing = -1;
    std::int32_t AnimDoorClosedIdle = -1;
    std::int32_t AnimFeatureStart = -1;
    std::int32_t AnimFeatureLoop = -1;
    std::int32_t AnimFeatureStop = -1;
    std::int32_t AnimFeatureIdle = -1;

    // A role is defined when it has a model or takes one from elsewhere.
    bool isDefined() const { return !ModelNamePartA.empty() || !IncludeSVDPartA.empty() || !IncludeRIC.empty(); }

    bool operator==(const CarRoleData&) const = default;
};

// The animation events in the order the car file lists them, with the field each one fills.
struct CarAnimEvent {
    std::string_view name;  // the part of the key after "AnimNr" / "AnimNo"
    std::int32_t CarRoleData::*field;
};

inline constexpr std::array<CarAnimEvent, 12> kCarAnimEvents = {{
    {"RestraintOpenedIdle", &CarRoleData::AnimRestraintOpenedIdle},
    {"RestraintClosing", &CarRoleData::AnimRestraintClosing},
    {"RestraintOpening", &CarRoleData::AnimRestraintOpening},
    {"RestraintClosedIdle", &CarRoleData::AnimRestraintClosedIdle},
    {"DoorOpenedIdle", &CarRoleData::AnimDoorOpenedIdle},
    {"DoorClosing", &CarRoleData::AnimDoorClosing},
    {"DoorOpening", &CarRoleData::AnimDoorOpening},
    {"DoorClosedIdle", &CarRoleData::AnimDoorClosedIdle},
    {"FeatureStart", &CarRoleData::AnimFeatureStart},
    {"FeatureLoop", &CarRoleData::AnimFeatureLoop},
    {"FeatureStop", &CarRoleData::AnimFeatureStop},
    {"FeatureIdle", &CarRoleData::AnimFeatureIdle},
}};

struct CarData {
    std::filesystem::path CarFolder;  // folder of the file that was read
    std::string CarObjectName;        // "CTR_" + name part of the file name
    std::vector<std::string> IncludePaths;  // OVL references for the car unique file; hidden setting
    std::string TrainName = "RollercoasterTrain";
    std::int32_t CarCountPerTrainMin = 1;
    std::int32_t CarCountPerTrainMax = 15;
    std::int32_t CarCountPerTrainPreset = 3;
    double CameraLookahead = 8.0;
    double CameraLATiltfactor = 0.5;
    double JetSkiUnknown = 10.0;
    double WaterUnknownA = 2.0;
    double WaterUnknownB = 2.0;
    double WaterUnknownC = 0.5;
    double WaterUnknownD = 0.5;
    double WaterUnknownE = 0.0;
    double WaterUnknownF = 0.0;
    std::int32_t OvertakeFlag = 0;  // 0 or 1
    std::string PriorityStationType;
    std::array<CarRoleData, kCarRoleCount> Roles{};

    CarRoleData& role(CarRole r) { return Roles[static_cast<std::size_t>(r) - 1]; }
    const CarRoleData& role(CarRole r) const { return Roles[static_cast<std::size_t>(r) - 1]; }

    bool operator==(const CarData&) const = default;
};

}  // namespace zw
