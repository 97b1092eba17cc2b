// The pictures of a pair, decoded for a person to look at: DXT1 blocks in both of their forms, the
// FlexiTexture frames of a model through its palette, and the PNG files they are written as.

#include <gtest/gtest.h>

#include "ovl/Dxt1.h"
#include "ovl/OvlPairReader.h"
#include "ovl/PairPictures.h"
#include "ovl/PngEncoding.h"
#include "ovl/StructureSpace.h"
#include "support/GameFolderFixture.h"
#include "support/ModelPairFixture.h"

namespace zw {
namespace {

using Rgba = std::array<int, 4>;

Rgba at(const RgbaPicture& p, uint32_t x, uint32_t y) {
    const uint8_t* c = p.pixel(x, y);
    return {c[0], c[1], c[2], c[3]};
}

// Colours 565: red F800, blue 001F. Index rows 0xE4 give the pixels 0, 1, 2, 3 from the left.
TEST(PairPictures, Dxt1BlocksDecodeInTheirFourAndThreeColourForms) {
    const std::string indices(4, '\xE4');
    const struct {
        uint16_t first, second;
        std::array<Rgba, 4> expected;
    } cases[] = {
        // First above second: the two, then two thirds of the way from each.
        {0xF800, 0x001F, {{{255, 0, 0, 255}, {0, 0, 255, 255}, {170, 0, 85, 255}, {85, 0, 170, 255}}}},
        // Otherwise: the two, their middle, and transparent black.
        {0x001F, 0xF800, {{{0, 0, 255, 255}, {255, 0, 0, 255}, {127, 0, 127, 255}, {0, 0, 0, 0}}}},
    };
    for (const auto& c : cases) {
        const std::string block = test::le16(c.first) + test::le16(c.second) + indices;
        const RgbaPicture picture = decodeDxt1(block, 4, 4);
        for (uint32_t y = 0; y < 4; ++y) {
            for (uint32_t x = 0; x < 4; ++x) EXPECT_EQ(at(picture, x, y), c.expected[x]) << x << "," << y;
        }
    }
    // A picture whose edge is no multiple of 4 takes the blocks' upper left pixels.
    const RgbaPicture small = decodeDxt1(test::le16(0xF800) + test::le16(0x001F) + indices, 3, 2);
    EXPECT_EQ(small.rgba.size(), 3u * 2 * 4);
    EXPECT_EQ(at(small, 2, 1), cases[0].expected[2]);
}

// Each frame is its pixels looked up in its palette (blue, green, red, unused), with the alpha
// bytes when the frame has them.
TEST(PairPictures, TextureFramesAreTheirPixelsThroughThePalette) {
    test::ModelFixtureOptions options;
    options.textureEdge = 16;
    options.frames = 2;
    options.alphaFrames = {false, true};
    const test::HandMadeOvlPair made = test::modelPairFixture("Bob", options);
    const OvlPairReader pair(made.commonBytes(), "Bob.common.ovl", made.uniqueBytes(), "Bob.unique.ovl");
    const std::vector<TextureFrame> frames = flexiTextureFrames(StructureSpace::of(pair));
    ASSERT_EQ(frames.size(), 2u);
    const std::string palette = test::texturePalette(), pixels = test::texturePicture(16);
    for (const TextureFrame& frame : frames) {
        EXPECT_EQ(frame.texture, "BobTexture1");
        EXPECT_EQ(frame.frames, 2u);
        ASSERT_EQ(frame.picture.width, 16u);
        for (uint32_t i = 0; i < 256; i += 37) {
            const size_t entry = 4 * static_cast<uint8_t>(pixels[i]);
            const Rgba expected = {static_cast<uint8_t>(palette[entry + 2]), static_cast<uint8_t>(palette[entry + 1]),
                                   static_cast<uint8_t>(palette[entry]),
                                   frame.frame == 2 && i < 16 ? 0x80 : 255};  // the alpha frame's top row
            EXPECT_EQ(at(frame.picture, i % 16, i / 16), expected) << frame.frame << ": " << i;
        }
    }
}

TEST(PairPictures, APngFileGivesBackItsPicture) {
    if (!pngAvailable()) GTEST_SKIP() << "built without a PNG library";
    RgbaPicture picture{5, 3, {}};
    for (uint32_t i = 0; i < 5 * 3 * 4; ++i) picture.rgba.push_back(static_cast<uint8_t>(i * 17));
    const std::optional<std::string> png = encodePng(picture);
    ASSERT_TRUE(png);
    EXPECT_EQ(png->substr(1, 3), "PNG");
    const std::optional<RgbaPicture> back = decodePng(*png);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 5u);
    EXPECT_EQ(back->height, 3u);
    EXPECT_EQ(back->rgba, picture.rgba);
}

}  // namespace
}  // namespace zw
