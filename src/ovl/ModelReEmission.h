#pragma once
// Re-emission of a car model: the structures the Importer stored in a model pair are written anew,
// field by field, into the pair under construction, so that they become ordinary structures of the
// car pair. Nothing is copied as a block: every address word of the model becomes a pointer slot of
// the new pair, every name goes into the new string table, and every symbol reference of the model
// is made again by name.
//
// In this order, each type's structures in the order of the model's symbol list:
//   1. the SceneryItemVisual (":svd", symbol <modelName>:svd): header, level-of-detail pointers,
//      each level-of-detail record with its animation pointers and references; unique file,
//      part file 9;
//   2. each BoneShape (":bsh"): the 60-byte header and the mesh records in part file 9; bones,
//      both matrix lists, vertices and index groups in the current block of part file 5;
//   3. a new block of part file 5, then each BoneAnim (":ban") except the one named exactly
//      "AnimationTemplate:ban" (common file, part file 5);
//   4. a new block of part file 5, then each FlexiTexture (":ftx"): a new block of part file 2 for
//      its pixel and alpha data, the structure, frames and palettes in part file 5;
//   5. a new block of part file 5, then each Spline (":spl"), copied as copyModelSpline does.
// Symbols of other types are not copied.
//
// Every model address is taken from the model's own address words and only used to read the model;
// its structures need not follow one another. All reads are bounds-checked.
//
// Preconditions (the car builder meets them): a pair was begun, and part files 5 and 9 each have a
// current block (the car builder starts both after its RideTrain); the model was read with
// readCarModelPair, which also reads its symbol references, so the caller does that, not this.
// The model's large runs of data (matrices, vertices, indices, pixels, animation keys) are referred
// to by the part files rather than copied, so the model must be kept, unchanged, until the pair has
// been assembled.
//
// The build must stop when this returns false; the message is then in the report:
//   - 195 (German and English) when a BoneShape has no meshes, 196 when it has no bones;
//   - "modelReferenceUnmatched" (naming the model file) when a word that must be a symbol reference
//     is not the slot of any symbol reference of the model;
//   - "ovlFileMalformed" (naming the model file) when an address or count leads outside the model.
// What was written up to then stays in the writer and is discarded with the failed build.

#include <cstdint>
#include <string>

#include "base/Messages.h"

namespace zw {

class Report;
class ModelPair;
class OvlWriter;

// The loader type index (row of the pair's LoaderTypeList) of each re-emitted type. The defaults
// are the rows of the car pair's list.
struct ModelLoaderTypes {
    uint32_t boneAnim = 0;
    uint32_t boneShape = 1;
    uint32_t flexiTexture = 2;
    uint32_t spline = 5;
    uint32_t sceneryItemVisual = 6;
};

// `modelName`: M as written in the car data (Windows-1252), without extension.
// Returns false when the build must stop; the message is in `report`.
bool reEmitModel(OvlWriter& writer, const ModelPair& model, const std::string& modelName, Report& report,
                 const ModelLoaderTypes& loaderTypes = ModelLoaderTypes{});

}  // namespace zw
