#pragma once
// Draws a model scene (ModelScene.h) into an RGBA picture, in software, without a graphics card: a
// perspective camera that turns round the middle of the model's bounding box (yaw round the upright
// axis, pitch above the horizon) at the distance that frames the box, a depth buffer, each mesh
// textured (nearest texel, the texture repeated; v = 0 is the picture's top row; a texel whose alpha
// is below one half is left out) or in its flat colour, and lit from its normals by one light beside
// and above the viewer plus ambient light.
//
// The model's space is the game's: y points up, and it is left-handed. At yaw 0 and pitch 0 the
// camera looks along -z at the side of the model that faces +z (a car's front); yaw 90 looks along -x.
// A mesh that has one side is drawn only where its normals face the camera.
//
// Whatever the numbers (no triangle, points at infinity, NaN), the result is a picture of the asked
// size: triangles that cannot be drawn are left out.

#include <array>
#include <cstdint>

#include "ovl/ModelScene.h"
#include "ovl/RgbaPicture.h"

namespace zw {

struct RenderView {
    float yawDegrees = 35.0f;
    float pitchDegrees = 20.0f;
    float zoom = 1.0f;  // 1 frames the model's bounding box; 2 comes twice as close
    uint32_t width = 512;
    uint32_t height = 512;
};

// Behind the model.
constexpr std::array<uint8_t, 4> kRenderBackground = {232, 236, 242, 255};

RgbaPicture renderScene(const ModelScene& scene, const RenderView& view);

}  // namespace zw
