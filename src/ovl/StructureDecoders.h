#pragma once
// The decoders of the structures the inspector knows, one per kind, and the kinds by type name and
// symbol tag. Each prints its structure field by field and checks it (StructureDecoding.h).
//
// Field names follow what the game and this program make of each word; words whose meaning is not
// known are named "unknown <offset>".

#include <string>
#include <string_view>

#include "ovl/StructureDecoding.h"

namespace zw {

using StructureDecoder = void (*)(const StructureSpace& space, StructureReport& report, const SpaceStructure& structure,
                                  const std::string& label);

struct StructureKind {
    std::string_view type;  // the loader type's type name, e.g. "BoneShape"
    std::string_view tag;   // the symbol tag without its colon, e.g. "bsh"
    StructureDecoder decode;
};

// The kind whose type name is `type`, or whose tag is `tag`; nullptr when none is known.
const StructureKind* structureKindOfType(std::string_view type);
const StructureKind* structureKindOfTag(std::string_view tag);

// The structures of a car model.
void decodeSceneryItemVisual(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeBoneShape(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeBoneAnim(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeFlexiTexture(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeSpline(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
// The structures of the ride and car pairs this program makes.
void decodeTrackedRide(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeRideCar(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeRideTrain(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeGuiSkinItem(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeTexture(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);
void decodeFlic(const StructureSpace&, StructureReport&, const SpaceStructure&, const std::string& label);

}  // namespace zw
