#include "ovl/CarPairPicture.h"

#include <algorithm>

#include "base/Encoding.h"
#include "ovl/PictureText.h"

namespace zw {
namespace {

constexpr std::array<uint8_t, 4> kTitleColour = {20, 28, 40, 255};
constexpr std::array<uint8_t, 4> kNoteColour = {150, 30, 130, 255};
constexpr std::array<uint8_t, 4> kSeparatorColour = {180, 186, 196, 255};
constexpr int kPadding = 6;

// A message (UTF-8) as the font takes it.
std::string fontText(const std::string& utf8) {
    try {
        return utf8ToCp1252(utf8);
    } catch (const EncodingError&) {
        return "?";
    }
}

// Lines of `text` from (kPadding, y) downwards, or upwards from y when `upwards`; the next free y.
int drawLines(RgbaPicture& picture, int y, const std::string& text, const std::array<uint8_t, 4>& colour, uint32_t scale,
              bool upwards = false) {
    const uint32_t width = picture.width > 2 * kPadding ? picture.width - 2 * kPadding : picture.width;
    std::vector<std::string> lines = wrappedText(text, width, scale);
    const int step = static_cast<int>(kLineHeight * scale);
    if (upwards) std::reverse(lines.begin(), lines.end());
    for (const std::string& line : lines) {
        if (upwards) y -= step;
        drawText(picture, kPadding, y, line, colour, scale);
        if (!upwards) y += step;
    }
    return y;
}

}  // namespace

RgbaPicture labelledPanel(const std::string& title, const std::string& subtitle, const SceneResult& result,
                          const RenderView& view, Language language) {
    const uint32_t scale = view.width >= 360 ? 2 : 1;
    RgbaPicture panel = result.scene ? renderScene(*result.scene, view) : renderScene(ModelScene{}, view);
    int y = drawLines(panel, kPadding, title, kTitleColour, scale);
    y = drawLines(panel, y, subtitle, kTitleColour, 1);
    if (!result.scene) {
        drawLines(panel, y + static_cast<int>(kLineHeight), fontText(result.problem.text(language)), kNoteColour, 1);
        return panel;
    }
    int bottom = static_cast<int>(panel.height) - kPadding;
    for (auto note = result.scene->notes.rbegin(); note != result.scene->notes.rend(); ++note) {
        bottom = drawLines(panel, bottom, fontText(note->text(language)), kNoteColour, 1, true);
    }
    return panel;
}

RgbaPicture carPairPicture(const std::vector<CarScene>& cars, const RenderView& view, Language language) {
    const uint32_t panels = static_cast<uint32_t>(std::max<size_t>(cars.size(), 1));
    RgbaPicture picture{view.width * panels, view.height, std::vector<uint8_t>(size_t{view.width} * panels * view.height * 4)};
    for (uint32_t i = 0; i < cars.size(); ++i) {
        std::string models;
        for (const std::string& visual : cars[i].visuals) models += (models.empty() ? "" : " + ") + visual;
        const RgbaPicture panel = labelledPanel(cars[i].role, models, cars[i].result, view, language);
        for (uint32_t y = 0; y < view.height; ++y) {
            std::copy(panel.pixel(0, y), panel.pixel(0, y) + size_t{view.width} * 4, picture.pixel(view.width * i, y));
            // A thin line between two cars.
            if (i > 0) std::copy(kSeparatorColour.begin(), kSeparatorColour.end(), picture.pixel(view.width * i, y));
        }
    }
    return picture;
}

}  // namespace zw
