// The FlexiTexture as re-emitted (fields in ModelLayouts.h; part file 5; W = edge length, C = the
// word at 20, F = frames):
//    0  copied      20  copied: C                  36           C words copied
//    4  copied: W   24  pointer to 36              36 + 4·C     F frame records of 28 bytes
//    8, 12, 16 copied   28  copied: F              36 + 4·C + 28·F  F palettes of 1024 bytes
//                   32  pointer to 36 + 4·C
// Frame record: four words copied; pointer to its palette; pointer to its pixels in part file 2;
// pointer to its alpha data in part file 2, or 0 when the model has none. Pixels and alpha are
// W·W bytes each, in a new block of part file 2: frame 1 pixels, frame 1 alpha, frame 2 pixels, …

#include <vector>

#include "ovl/ModelLayouts.h"
#include "ovl/ModelReading.h"
#include "ovl/ModelStructureReEmission.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

constexpr auto& T = model::kTexture;
constexpr auto& F = model::kFrame;
constexpr uint32_t kHeaderSize = T.size;
constexpr uint32_t kEdge = T["width"];
constexpr uint32_t kWordCount = T["animation step count"];
constexpr uint32_t kWords = T["animation steps"];
constexpr uint32_t kFrameCount = T["frame count"];
constexpr uint32_t kFrames = T["frames"];
constexpr uint32_t kFrameSize = F.size;
constexpr uint32_t kFramePalette = F["palette"];
constexpr uint32_t kFramePixels = F["pixels"];
constexpr uint32_t kFrameAlpha = F["alpha"];
using model::kPaletteSize;

struct Frame {
    std::string_view record;
    std::string_view palette;
    std::string_view pixels;
    std::string_view alpha;
    bool hasAlpha = false;
};

}  // namespace

void reEmitFlexiTexture(OvlWriter& writer, const ModelReading& model, uint32_t address,
                        std::string_view symbolName, uint32_t loaderType) {
    const std::string_view header = model.bytes(address, kHeaderSize);
    const uint64_t edge = model.word(uint64_t{address} + kEdge);
    const uint32_t wordCount = model.word(uint64_t{address} + kWordCount);
    const uint32_t frameCount = model.word(uint64_t{address} + kFrameCount);
    const std::string_view words = model.follow(uint64_t{address} + kWords, uint64_t{4} * wordCount);
    model.follow(uint64_t{address} + kFrames, uint64_t{kFrameSize} * frameCount);
    const uint32_t frames = model.word(uint64_t{address} + kFrames);
    std::vector<Frame> list(frameCount);
    uint64_t pictureBytes = 0;
    for (uint32_t f = 0; f < frameCount; ++f) {
        const uint64_t at = uint64_t{frames} + kFrameSize * f;
        Frame& frame = list[f];
        frame.record = model.bytes(at, kFrameSize);
        frame.palette = model.follow(at + kFramePalette, kPaletteSize);
        frame.pixels = model.follow(at + kFramePixels, edge * edge);
        frame.hasAlpha = model.word(at + kFrameAlpha) != 0;
        if (frame.hasAlpha) frame.alpha = model.follow(at + kFrameAlpha, edge * edge);
        pictureBytes += frame.pixels.size() + frame.alpha.size();
    }

    writer.startBlock(OvlPart::CommonData);
    writer.makeSymbolAndLoader(OvlFileKind::Common, symbolName, loaderType);
    const uint32_t start = writer.end(OvlPart::CommonStructures);
    const uint32_t pictures = writer.end(OvlPart::CommonData);
    const uint32_t frameRecords = fitOffset(model, address, uint64_t{start} + kHeaderSize + words.size());
    const uint32_t palettes = fitOffset(model, address, uint64_t{frameRecords} + uint64_t{kFrameSize} * frameCount);
    fitOffset(model, address, uint64_t{palettes} + uint64_t{kPaletteSize} * frameCount);
    fitOffset(model, address, uint64_t{pictures} + pictureBytes);

    OvlPartWriter out = writer.into(OvlPart::CommonStructures);
    out.bytes(header.substr(0, kWords));
    out.at(kWords).pointer(OvlPart::CommonStructures, start + kHeaderSize);
    out.at(kFrameCount).bytes(header.substr(kFrameCount, 4));
    out.at(kFrames).pointer(OvlPart::CommonStructures, frameRecords);
    out.at(kHeaderSize).bytes(words);
    uint32_t picture = pictures;
    for (uint32_t f = 0; f < frameCount; ++f) {
        const Frame& frame = list[f];
        const uint32_t at = frameRecords - start + kFrameSize * f;
        out.at(at).bytes(frame.record.substr(0, kFramePalette));
        out.at(at + kFramePalette).pointer(OvlPart::CommonStructures, palettes + kPaletteSize * f);
        out.at(at + kFramePixels).pointer(OvlPart::CommonData, picture);
        picture += static_cast<uint32_t>(frame.pixels.size());
        out.at(at + kFrameAlpha);
        if (frame.hasAlpha) {
            out.pointer(OvlPart::CommonData, picture);
            picture += static_cast<uint32_t>(frame.alpha.size());
        } else {
            out.word(0);
        }
    }
    for (const Frame& frame : list) out.bytes(frame.palette);
    OvlPartWriter data = writer.into(OvlPart::CommonData);
    for (const Frame& frame : list) data.lastingBytes(frame.pixels).lastingBytes(frame.alpha);
}

}  // namespace zw
