#include "ovl/PairPictures.h"

#include "base/LittleEndian.h"
#include "ovl/Dxt1.h"
#include "ovl/IconLayout.h"
#include "ovl/ModelLayouts.h"
#include "ovl/StructureSpace.h"

namespace zw {
namespace {

using icon::kDxt1Format;
constexpr uint32_t kPictureHeaderSize = icon::kPictureHeader.size;
constexpr auto& T = model::kTexture;
constexpr auto& F = model::kFrame;

uint32_t wordOf(std::string_view bytes, size_t at) {
    return loadLittleEndian<uint32_t>(bytes.data() + at);
}

bool isKind(const StructureSpace& space, const SpaceStructure& s, std::string_view type, std::string_view tag) {
    if (s.symbol.size() > tag.size() && s.symbol.ends_with(tag) && s.symbol[s.symbol.size() - tag.size() - 1] == ':') {
        return true;
    }
    return s.symbol.empty() && s.loaderType && *s.loaderType < space.loaderTypes().size() &&
           space.loaderTypes()[*s.loaderType].type == type;
}

}  // namespace

std::optional<RgbaPicture> rideIconPicture(const StructureSpace& space) {
    for (const SpaceStructure& s : space.structures()) {
        if (!isKind(space, s, "Flic", "flic") || s.extraDataIndex < 0 ||
            static_cast<size_t>(s.extraDataIndex) >= space.extraData().size()) {
            continue;
        }
        const std::string_view data = space.extraData()[static_cast<size_t>(s.extraDataIndex)];
        if (data.size() < kPictureHeaderSize || wordOf(data, icon::kPictureHeader["format"]) != kDxt1Format) continue;
        const uint32_t width = wordOf(data, icon::kPictureHeader["width"]);
        const uint32_t height = wordOf(data, icon::kPictureHeader["height"]);
        // In 64 bits: a width near 2^32 must not wrap round to a small picture.
        const uint64_t blocks = (uint64_t{width} + 3) / 4 * ((uint64_t{height} + 3) / 4) * kDxt1BlockSize;
        if (blocks > data.size() - kPictureHeaderSize) continue;
        return decodeDxt1(data.substr(kPictureHeaderSize), width, height);
    }
    return std::nullopt;
}

std::vector<TextureFrame> flexiTextureFrames(const StructureSpace& space) {
    std::vector<TextureFrame> out;
    forEachTextureFrame(space, [&](TextureFrame frame) {
        out.push_back(std::move(frame));
        return true;
    });
    return out;
}

namespace {

// Frame `f` (from 0) of a texture of edge `width` whose frame records start at `list` (the record
// lies in its block); nullopt when its palette or pictures do not lie whole in the pair.
std::optional<RgbaPicture> framePicture(const StructureSpace& space, uint32_t width, uint32_t list, uint32_t f) {
    const std::string_view bytes = space.bytes();
    const uint64_t picture = uint64_t{width} * width;
    const uint64_t frame = uint64_t{list} + uint64_t{F.size} * f;
    const uint32_t palette = space.word(frame + F["palette"]), pixels = space.word(frame + F["pixels"]);
    const uint32_t alpha = space.word(frame + F["alpha"]);
    if (!space.inOneBlock(palette, model::kPaletteSize) || !space.inOneBlock(pixels, picture) ||
        (alpha != 0 && !space.inOneBlock(alpha, picture))) {
        return std::nullopt;
    }
    RgbaPicture out{width, width, std::vector<uint8_t>(picture * 4)};
    for (uint64_t i = 0; i < picture; ++i) {
        const size_t entry = palette + size_t{model::kPaletteEntrySize} * static_cast<uint8_t>(bytes[pixels + i]);
        uint8_t* p = &out.rgba[i * 4];
        p[0] = static_cast<uint8_t>(bytes[entry + 2]);
        p[1] = static_cast<uint8_t>(bytes[entry + 1]);
        p[2] = static_cast<uint8_t>(bytes[entry]);
        p[3] = alpha != 0 ? static_cast<uint8_t>(bytes[alpha + i]) : 255;
    }
    return out;
}

}  // namespace

size_t forEachTextureFrame(const StructureSpace& space, const std::function<bool(TextureFrame)>& visit) {
    size_t count = 0;
    for (const SpaceStructure& s : space.structures()) {
        if (!isKind(space, s, "FlexiTexture", "ftx") || !space.inOneBlock(s.address, T.size)) continue;
        const uint32_t width = space.word(s.address + T["width"]);
        const uint32_t frames = space.word(s.address + T["frame count"]);
        const uint32_t list = space.word(s.address + T["frames"]);
        if (!space.inOneBlock(list, uint64_t{frames} * F.size)) continue;
        const std::string name = s.symbol.substr(0, s.symbol.rfind(':'));
        for (uint32_t f = 0; f < frames; ++f) {
            std::optional<RgbaPicture> picture = framePicture(space, width, list, f);
            if (!picture) continue;
            ++count;
            if (!visit(TextureFrame{name, f + 1, frames, std::move(*picture)})) return count;
        }
    }
    return count;
}

std::optional<RgbaPicture> firstTextureFrame(const StructureSpace& space, uint32_t texture) {
    if (!space.inOneBlock(texture, T.size)) return std::nullopt;
    const uint32_t width = space.word(uint64_t{texture} + T["width"]);
    const uint32_t frames = space.word(uint64_t{texture} + T["frame count"]);
    const uint32_t list = space.word(uint64_t{texture} + T["frames"]);
    if (frames == 0 || !space.inOneBlock(list, F.size)) return std::nullopt;
    return framePicture(space, width, list, 0);
}

}  // namespace zw
