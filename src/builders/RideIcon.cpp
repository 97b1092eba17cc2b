#include "builders/RideIcon.h"

#include "builders/RideIconExtraData.h"
#include "builders/RideIconPicture.h"
#include "builders/RidePairLayout.h"
#include "ovl/ByteReader.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

constexpr uint32_t kFlicListOffset = 16;
constexpr uint32_t kFlicOffset = 20;

}  // namespace

void writeRideIconStructures(OvlWriter& writer) {
    writer.startBlock(OvlPart::UniqueStructures);
    writer.startBlock(OvlPart::CommonStructures);
    const uint32_t common = writer.end(OvlPart::CommonStructures);
    OvlPartWriter unique = writer.into(OvlPart::UniqueStructures);
    OvlPartWriter data = writer.into(OvlPart::CommonStructures);

    writer.makeSymbolAndLoader(OvlFileKind::Unique, kStyleIconSymbol, rideLoaderType::GUISkinItem);
    unique.word(0);
    unique.reference(kStyleIconTextureSymbol);
    unique.pointer(OvlPart::CommonStructures, common);  // the icon rectangle
    unique.word(0);
    data.word(0).word(0).word(kRideIconPixels).word(kRideIconPixels);
    writer.closeUniqueStructure();

    const uint32_t texture = writer.end(OvlPart::UniqueStructures);
    writer.makeSymbolAndLoader(OvlFileKind::Unique, kStyleIconTextureSymbol, rideLoaderType::Texture);
    for (int i = 0; i < 16; ++i) unique.shortWord(7);
    unique.word(1).word(8).word(16);
    unique.reference("GUIIcon:txs");
    unique.word(1);
    unique.pointer(OvlPart::CommonStructures, common + kFlicListOffset);
    unique.pointer(OvlPart::UniqueStructures, texture + 60);
    unique.pointer(OvlPart::UniqueStructures, texture);
    unique.pointer(OvlPart::CommonStructures, common + kFlicOffset);
    data.pointer(OvlPart::CommonStructures, common + kFlicOffset);  // the Flic list's one entry
    writer.closeUniqueStructure();

    writer.makeLoaderWithoutSymbol(OvlFileKind::Common, rideLoaderType::Flic, true);
    data.word(0).word(1).floatWord(1.0);
}

std::optional<std::string> makeRideIcon(std::string_view BahnIcon, const std::filesystem::path& DataFileFolder,
                                        OvlWriter& writer, Dialogs& dialogs, Language language) {
    std::optional<std::string> entry = obtainIconExtraData(BahnIcon, DataFileFolder, dialogs, language);
    if (!entry) return std::nullopt;
    writeRideIconStructures(writer);
    // The entry was read whole from the icon pair, so its size word tells the bytes that follow it.
    ByteReader in(*entry, std::string(BahnIcon));
    const uint32_t size = in.u32();
    return std::string(in.bytes(size));
}

}  // namespace zw
