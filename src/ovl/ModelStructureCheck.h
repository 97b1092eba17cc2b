#pragma once
// The car build's check of a model's structures before they are re-emitted. First each BoneShape's
// counts: no meshes stops with 195, no bones with 196, and a count of meshes without support (word
// 32, the mesh records a copy holds) other than the count of all meshes (word 36, what the game
// reads) with its own message. Then the same checks as the pair inspector's
// (StructureInspection.h). What would make the game read outside the model's data
// stops the build with one message that names the model and lists the findings (structure, field,
// value); implausible values, and loaders filed under the wrong loader type (the re-emission makes
// the loaders anew), are reported as one warning, and the build goes on.

#include <string_view>

#include "base/Messages.h"

namespace zw {

class Report;
class ModelPair;

// The model must have been read with its symbol references. False when the build must stop; the
// message is in `report`.
bool checkModelStructures(const ModelPair& model, std::string_view modelName, Report& report);

}  // namespace zw
