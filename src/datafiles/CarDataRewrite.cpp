#include "datafiles/CarDataRewrite.h"

#include <string>

#include "base/Encoding.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/Formatters.h"

namespace zw {
namespace {

constexpr std::size_t kValueColumn = 40;  // 0-based: values start in the 41st column
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRoleSeparator = "\r\n// -------------------------------------\r\n\r\n";

std::string decimalText(double value) { return formatDecimal(value); }

template <typename T, typename Format>
std::string joined(const std::vector<T>& values, Format format) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += ", ";
        out += format(values[i]);
    }
    return out;
}

std::string seatingText(const CarRoleData& role) {
    return joined(role.PeepSeatingPositions, [](std::int32_t v) { return integerText(v); });
}

// Builds the key lines of one body; `role` keys are the role name, "_" and the key's own part.
class Body {
public:
    void line(std::string_view key, std::string_view value) { text_ += carKeyLine(key, value); }
    void roleLine(CarRole role, std::string_view key, std::string_view value) {
        std::string full(carRoleName(role));
        full += '_';
        full += key;
        line(full, value);
    }
    void emptyLine() { text_ += kLineEnd; }
    void separator() { text_ += kRoleSeparator; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

void germanRoleBlock(Body& body, CarRole r, const CarRoleData& role, bool hiddenSettings) {
    if (hiddenSettings) {
        body.roleLine(r, "IncludeRIC", role.IncludeRIC);
        body.roleLine(r, "IncludeTeilASVD", role.IncludeSVDPartA);
        body.roleLine(r, "IncludeTeilBSVD", role.IncludeSVDPartB);
    }
    body.emptyLine();
    body.roleLine(r, "ModellnameTeilA", role.ModelNamePartA);
    body.roleLine(r, "ModellnameTeilB", role.ModelNamePartB);
    body.roleLine(r, "TraegheitTeilA", decimalText(role.InertiaPartA));
    body.roleLine(r, "TraegheitTeilB", decimalText(role.InertiaPartB));
    body.roleLine(r, "BewegungsachsenTyp", integerText(role.TurnaxisType));
    body.roleLine(r, "BewegungsachsenStabilitaet", decimalText(role.TurnaxisStability));
    body.roleLine(r, "BewegungsachsenSchwung", decimalText(role.TurnaxisMomentum));
    body.roleLine(r, "BewegungsachsenAnschlag", decimalText(role.TurnaxisStopper));
    if (hiddenSettings) body.roleLine(r, "BewegungsachsenUnknown", decimalText(role.TurnaxisUnknown));
    body.roleLine(r, "PeepSitzposition", seatingText(role));
    body.emptyLine();
    body.roleLine(r, "Seitenschwankung", decimalText(role.SideSwing));
    body.roleLine(r, "Hoehenschwankung", decimalText(role.HeightSwing));
    for (const auto& event : kCarAnimEvents)
        body.roleLine(r, "AnimNr" + std::string(event.name), integerText(role.*event.field));
}

void englishRoleBlock(Body& body, CarRole r, const CarRoleData& role) {
    body.roleLine(r, "ModelNamePartA", role.ModelNamePartA);
    body.roleLine(r, "ModelNamePartB", role.ModelNamePartB);
    body.roleLine(r, "InertiaPartA", decimalText(role.InertiaPartA));
    body.roleLine(r, "InertiaPartB", decimalText(role.InertiaPartB));
    body.roleLine(r, "TurnaxisType", integerText(role.TurnaxisType));
    body.roleLine(r, "TurnaxisStability", decimalText(role.TurnaxisStability));
    body.roleLine(r, "TurnaxisMomentum", decimalText(role.TurnaxisMomentum));
    body.roleLine(r, "TurnaxisStopper", decimalText(role.TurnaxisStopper));
    body.roleLine(r, "PeepSeatingPosition", seatingText(role));
    body.emptyLine();
    body.roleLine(r, "SideSwing", decimalText(role.SideSwing));
    body.roleLine(r, "HeightSwing", decimalText(role.HeightSwing));
    for (const auto& event : kCarAnimEvents)
        body.roleLine(r, "AnimNo" + std::string(event.name), integerText(role.*event.field));
}

std::string germanBody(const CarData& car, bool hiddenSettings) {
    Body body;
    if (hiddenSettings) body.line("IncludePfad", joined(car.IncludePaths, [](const std::string& s) { return s; }));
    body.emptyLine();
    body.line("ZugName", car.TrainName);
    body.line("WagenanzahlproZugMin", integerText(car.CarCountPerTrainMin));
    body.line("WagenanzahlproZugMax", integerText(car.CarCountPerTrainMax));
    body.line("WagenanzahlproZugPreset", integerText(car.CarCountPerTrainPreset));
    body.emptyLine();
    body.line("KameraLookahead", decimalText(car.CameraLookahead));
    body.line("KameraLATiltfactor", decimalText(car.CameraLATiltfactor));
    if (hiddenSettings) {
        body.line("JetSkiUnknown", decimalText(car.JetSkiUnknown));
        body.line("WaterUnknownA", decimalText(car.WaterUnknownA));
        body.line("WaterUnknownB", decimalText(car.WaterUnknownB));
        body.line("WaterUnknownC", decimalText(car.WaterUnknownC));
        body.line("WaterUnknownD", decimalText(car.WaterUnknownD));
        body.line("WaterUnknownE", decimalText(car.WaterUnknownE));
        body.line("WaterUnknownF", decimalText(car.WaterUnknownF));
    }
    body.line("UeberholenFlag", integerText(car.OvertakeFlag));
    body.line("PrioritaetStationstyp", car.PriorityStationType);
    for (CarRole r : kCarRoles) {
        body.separator();
        germanRoleBlock(body, r, car.role(r), hiddenSettings);
    }
    return body.take();
}

std::string englishBody(const CarData& car) {
    Body body;
    body.emptyLine();
    body.line("TrainName", car.TrainName);
    body.line("CarCountPerTrainMin", integerText(car.CarCountPerTrainMin));
    body.line("CarCountPerTrainMax", integerText(car.CarCountPerTrainMax));
    body.line("CarCountPerTrainPreset", integerText(car.CarCountPerTrainPreset));
    body.emptyLine();
    body.line("CameraLookahead", decimalText(car.CameraLookahead));
    body.line("CameraLATiltfactor", decimalText(car.CameraLATiltfactor));
    body.line("OvertakeFlag", integerText(car.OvertakeFlag));
    body.line("PriorityStationType", car.PriorityStationType);
    for (CarRole r : kCarRoles) {
        body.separator();
        englishRoleBlock(body, r, car.role(r));
    }
    return body.take();
}

}  // namespace

std::string carKeyLine(std::string_view key, std::string_view value) {
    std::string line(key);
    if (key == "PenultimateCar_InertiaPartA" || key == "PenultimateCar_InertiaPartB") {
        line += "\t\t\t";  // these two have always stood one tab further out; kept so files stay alike
    } else if (key.size() >= kValueColumn) {
        line += ' ';
    } else {
        for (std::size_t column = key.size(); column < kValueColumn; column = (column / 8 + 1) * 8) line += '\t';
    }
    line += value;
    line += kLineEnd;
    return line;
}

std::string composeCarDataFile(const CarData& car, bool useEnglish, bool hiddenSettings) {
    std::string text(kCarDataHeader);
    text += useEnglish ? englishBody(car) : germanBody(car, hiddenSettings);
    text += kLineEnd;
    return text;
}

std::filesystem::path carDataTargetPath(const CarData& car) {
    const std::string_view objectName = car.CarObjectName;
    const std::string_view namePart = objectName.size() > 4 ? objectName.substr(4) : std::string_view{};
    return car.CarFolder / pathFromCp1252("CTR_WagenDaten_" + std::string(namePart) + ".txt");
}

}  // namespace zw
