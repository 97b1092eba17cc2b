#pragma once
// The re-emission of one model structure of each type into the pair under construction; each
// makes the structure's symbol and loader first. reEmitModel (ModelReEmission.h) calls them in
// order and turns what they throw into a message.
//
// They throw BinaryReadError for reads outside the model and ModelReEmissionStop for 195, 196 and a
// reference word that matches no symbol reference of the model.

#include <cstdint>
#include <string_view>

namespace zw {

class ModelReading;
class OvlWriter;

// SceneryItemVisual at model address `address`: unique file, all in part file 9.
void reEmitSceneryItemVisual(OvlWriter& writer, const ModelReading& model, uint32_t address,
                             std::string_view symbolName, uint32_t loaderType);
// BoneShape: header and mesh records in part file 9; bones, matrices, vertices, indices in part file 5.
void reEmitBoneShape(OvlWriter& writer, const ModelReading& model, uint32_t address, std::string_view symbolName,
                     uint32_t loaderType);
// BoneAnim: common file, all in part file 5.
void reEmitBoneAnim(OvlWriter& writer, const ModelReading& model, uint32_t address, std::string_view symbolName,
                    uint32_t loaderType);
// FlexiTexture: a new block of part file 2 for the pixel and alpha data, the rest in part file 5.
void reEmitFlexiTexture(OvlWriter& writer, const ModelReading& model, uint32_t address,
                        std::string_view symbolName, uint32_t loaderType);

}  // namespace zw
