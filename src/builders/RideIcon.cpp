#include "builders/RideIcon.h"

#include "builders/RideIconPicture.h"
#include "builders/RidePairLayout.h"
#include "ovl/ByteReader.h"
#include "ovl/IconLayout.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

// The icon's data in part file 5: the rectangle, the Flic list and the Flic.
constexpr uint32_t kFlicListOffset = icon::kRectangleSize;
constexpr uint32_t kFlicOffset = kFlicListOffset + 4;

}  // namespace

void writeRideIconStructures(OvlWriter& writer) {
    writer.startBlock(OvlPart::UniqueStructures);
    writer.startBlock(OvlPart::CommonStructures);
    const uint32_t common = writer.end(OvlPart::CommonStructures);
    OvlPartWriter data = writer.into(OvlPart::CommonStructures);

    constexpr auto& G = icon::kGuiSkinItem;
    writer.makeSymbolAndLoader(OvlFileKind::Unique, kStyleIconSymbol, rideLoaderType::GUISkinItem);
    OvlPartWriter item = writer.into(OvlPart::UniqueStructures);
    item.word(0);
    item.at(G["texture"]).reference(kStyleIconTextureSymbol);
    item.at(G["rectangle"]).pointer(OvlPart::CommonStructures, common);
    item.word(0);
    item.endsAt(G.size);
    data.word(0).word(0).word(kRideIconPixels).word(kRideIconPixels);
    writer.closeUniqueStructure();

    constexpr auto& T = icon::kTexture;
    const uint32_t texture = writer.end(OvlPart::UniqueStructures);
    writer.makeSymbolAndLoader(OvlFileKind::Unique, kStyleIconTextureSymbol, rideLoaderType::Texture);
    OvlPartWriter tex = writer.into(OvlPart::UniqueStructures);
    tex.at(T["sixteen unknown shorts"]);
    for (uint32_t i = 0; i < icon::kTextureShortCount; ++i) tex.shortWord(7);
    tex.word(1).word(8).word(16);
    tex.at(T["texture style"]).reference("GUIIcon:txs");
    tex.at(T["flic count"]).word(1);
    tex.at(T["flics"]).pointer(OvlPart::CommonStructures, common + kFlicListOffset);
    tex.at(T["unknown 56"]).pointer(OvlPart::UniqueStructures, texture + T["unknown 60"]);
    tex.at(T["unknown 60"]).pointer(OvlPart::UniqueStructures, texture);
    tex.at(T["flic"]).pointer(OvlPart::CommonStructures, common + kFlicOffset);
    tex.endsAt(T.size);
    data.pointer(OvlPart::CommonStructures, common + kFlicOffset);  // the Flic list's one entry
    writer.closeUniqueStructure();

    writer.makeLoaderWithoutSymbol(OvlFileKind::Common, rideLoaderType::Flic, true);
    OvlPartWriter flic = writer.into(OvlPart::CommonStructures);
    flic.word(0).word(1).floatWord(1.0);
    flic.endsAt(icon::kFlic.size);
}

std::string makeRideIcon(const std::string& entry, std::string_view BahnIcon, OvlWriter& writer) {
    writeRideIconStructures(writer);
    // The entry was read whole from the icon pair, so its size word tells the bytes that follow it.
    ByteReader in(entry, std::string(BahnIcon));
    const uint32_t size = in.u32();
    return std::string(in.bytes(size));
}

}  // namespace zw
