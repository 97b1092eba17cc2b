// A pair drawn as `inspect --render` draws it: the cars of a car pair side by side, or the model of
// a model pair, small, so that a run stays quick. Whatever the pair holds, the result is a picture or
// a problem with a message.
//
// Input: the pair (FuzzTarget.h, splitPairInput).

#include "FuzzTarget.h"
#include "ovl/CarPairPicture.h"
#include "ovl/ModelRenderer.h"
#include "ovl/ModelScene.h"
#include "ovl/OvlPairReader.h"
#include "ovl/StructureSpace.h"

ZW_FUZZ_TARGET(model_render) {
    using namespace zw;
    fuzz::PairInput files = fuzz::splitPairInput(input);
    try {
        const OvlPairReader pair(std::move(files.common), "Fuzz.common.ovl", std::move(files.unique), "Fuzz.unique.ovl");
        const StructureSpace space = StructureSpace::of(pair);
        RenderView view;
        view.width = view.height = 48;
        const std::vector<CarScene> cars = carPairScenes(space);
        if (!cars.empty()) {
            (void)carPairPicture(cars, view, Language::English);
        } else {
            const SceneResult model = modelPairScene(space);
            if (model.scene) (void)renderScene(*model.scene, view);
            else (void)model.problem.text(Language::German);
        }
    } catch (const BinaryReadError&) {
        // A malformed file, named in the message: what inspect shows.
    }
}
