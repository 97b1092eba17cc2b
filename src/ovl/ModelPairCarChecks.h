#pragma once
// A car model pair as the car builder reads it: the model pair reader's steps with the car
// builder's messages (171 … 177, 185), then the tag checks and the symbol references.
//
// Tag checks, in this order: no ":shs" (181), no ":ric" (182), no ":rit" (183), exactly one ":svd"
// (none 190, several 191) named exactly <modelName>:svd (188), at least one ":bsh" (186), at least
// one ":ftx" (193). Then the symbol references must not be empty (194).

#include <filesystem>
#include <optional>
#include <string_view>

#include "base/Messages.h"
#include "ovl/ModelPair.h"

namespace zw {

class Report;

// The first failed tag check's message id, or nullopt when the model passes them all.
std::optional<MessageId> failedCarModelTagCheck(const ModelPair& model, std::string_view modelName);

// Reads <folder>/<modelName>.common.ovl / .unique.ovl, checks the tags and reads the symbol
// references. On the first failure the message is reported and nullopt returned.
std::optional<ModelPair> readCarModelPair(const std::filesystem::path& folder, std::string_view modelName,
                                          Report& report);

}  // namespace zw
