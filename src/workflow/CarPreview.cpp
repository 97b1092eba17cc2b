#include "workflow/CarPreview.h"

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "ovl/OvlPairReader.h"
#include "ovl/StructureSpace.h"

namespace zw {
namespace {

SceneResult failed(MessageId id, std::vector<std::string> args) { return {std::nullopt, {id, std::move(args)}}; }

// The scene of the model pair <folder>/<model>.common.ovl / .unique.ovl.
SceneResult modelScene(const std::filesystem::path& folder, const std::string& model) {
    std::string bytes[2];
    const std::string names[2] = {model + ".common.ovl", model + ".unique.ovl"};
    for (int i = 0; i < 2; ++i) {
        std::optional<std::string> read;
        try {
            read = readWholeFile(folder / pathFromCp1252(names[i]));
        } catch (const EncodingError&) {
        }
        if (!read) return failed("ovlFileNotOpened", {names[i]});
        bytes[i] = std::move(*read);
    }
    try {
        const OvlPairReader pair(std::move(bytes[0]), names[0], std::move(bytes[1]), names[1]);
        return modelPairScene(StructureSpace::of(pair));
    } catch (const BinaryReadError& e) {
        std::string detail = e.what();
        if (detail.rfind(e.source + ": ", 0) == 0) detail.erase(0, e.source.size() + 2);
        return failed("ovlFileMalformed", {e.source, detail});
    }
}

}  // namespace

std::vector<PreviewCar> previewCars(const CarData& car) {
    std::vector<PreviewCar> out;
    for (CarRole role : {CarRole::FrontCar, CarRole::MiddleCar, CarRole::RearCar}) {
        const CarRoleData& r = car.role(role);
        PreviewCar preview{std::string(carRoleName(role)), {}, {}};
        std::vector<ModelScene> parts;
        for (const std::string* model : {&r.ModelNamePartA, &r.ModelNamePartB}) {
            if (model->empty()) continue;
            preview.models.push_back(*model);
            SceneResult part = modelScene(car.CarFolder, *model);
            if (!part.scene) {
                preview.result = std::move(part);
                break;
            }
            parts.push_back(std::move(*part.scene));
        }
        if (preview.models.empty()) {
            preview.result = failed("renderNoCar", {preview.role});
        } else if (preview.result.problem.id.empty()) {
            preview.result.scene = mergedScenes(std::move(parts));
        }
        out.push_back(std::move(preview));
    }
    return out;
}

}  // namespace zw
