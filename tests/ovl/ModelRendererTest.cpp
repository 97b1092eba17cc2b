// The renderer against what the geometry says a camera must see: a cube with one colour a face,
// seen from fixed angles, shows the faces that turn to the camera where they stand; a picture on a
// quad appears the right way round; and no model, however made, does more than leave triangles out.
//
// The model's space is the game's: y up, left-handed; at yaw 0 the camera looks along -z at the
// face that turns to +z, and the model's +x then lies on the left of the picture.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ovl/ModelRenderer.h"

namespace zw {
namespace {

using Colour = std::array<uint8_t, 3>;

// One colour a face, told apart by which channels are lit: +x red, -x cyan, +y green, -y magenta,
// +z blue, -z yellow.
const Colour kFaceColours[6] = {{255, 0, 0}, {0, 255, 255}, {0, 255, 0}, {255, 0, 255}, {0, 0, 255}, {255, 255, 0}};
enum Face { PlusX, MinusX, PlusY, MinusY, PlusZ, MinusZ, Background, Other };

RgbaPicture plain(const Colour& c) { return RgbaPicture{1, 1, {c[0], c[1], c[2], 255}}; }

// A cube from -1 to 1, each face a mesh of two triangles with a texture of one texel.
ModelScene cube() {
    ModelScene scene;
    for (int axis = 0; axis < 3; ++axis) {
        for (int side = 0; side < 2; ++side) {
            const float sign = side == 0 ? 1.0f : -1.0f;
            const int a = (axis + 1) % 3, b = (axis + 2) % 3;
            SceneMesh mesh;
            for (const auto& [ca, cb] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}}) {
                SceneVertex v;
                v.position[axis] = sign;
                v.position[a] = ca;
                v.position[b] = cb;
                v.normal[axis] = sign;
                mesh.vertices.push_back(v);
            }
            mesh.indices = {0, 1, 2, 0, 2, 3};
            mesh.texture = plain(kFaceColours[2 * axis + side]);
            scene.meshes.push_back(std::move(mesh));
        }
    }
    return scene;
}

// Which face colour a pixel shows, lit more or less: its channels above half its brightest one.
Face faceAt(const RgbaPicture& picture, uint32_t x, uint32_t y) {
    const uint8_t* p = picture.pixel(x, y);
    if (p[0] == kRenderBackground[0] && p[1] == kRenderBackground[1] && p[2] == kRenderBackground[2]) return Background;
    const int top = std::max({p[0], p[1], p[2]});
    if (top < 40) return Other;
    const bool r = p[0] > top / 2, g = p[1] > top / 2, b = p[2] > top / 2;
    for (int f = 0; f < 6; ++f) {
        const Colour& c = kFaceColours[f];
        if ((c[0] > 0) == r && (c[1] > 0) == g && (c[2] > 0) == b) return static_cast<Face>(f);
    }
    return Other;
}

RgbaPicture seen(const ModelScene& scene, float yaw, float pitch, uint32_t size = 200) {
    RenderView view;
    view.yawDegrees = yaw;
    view.pitchDegrees = pitch;
    view.width = view.height = size;
    return renderScene(scene, view);
}

TEST(ModelRenderer, ACubeSeenStraightOnShowsTheFaceThatTurnsToTheCamera) {
    const ModelScene scene = cube();
    const struct {
        float yaw, pitch;
        Face face;
    } views[] = {
        {0, 0, PlusZ}, {90, 0, PlusX}, {180, 0, MinusZ}, {-90, 0, MinusX}, {270, 0, MinusX},
        {0, 89.9f, PlusY}, {0, -89.9f, MinusY},
    };
    for (const auto& v : views) {
        const RgbaPicture picture = seen(scene, v.yaw, v.pitch);
        // The face fills the middle; the corners of the picture are background.
        for (uint32_t x : {80u, 100u, 120u}) {
            for (uint32_t y : {80u, 100u, 120u}) EXPECT_EQ(faceAt(picture, x, y), v.face) << v.yaw << "/" << v.pitch;
        }
        EXPECT_EQ(faceAt(picture, 2, 2), Background);
        EXPECT_EQ(faceAt(picture, 197, 197), Background);
    }
}

// From the front right and above (yaw 45, pitch 30) three faces show: the top above the middle, the
// +x face on the left, the +z face on the right; from the back left below, their opposites.
TEST(ModelRenderer, ACubeSeenFromACornerShowsThreeFacesInTheirPlaces) {
    const ModelScene scene = cube();
    const RgbaPicture above = seen(scene, 45, 30);
    EXPECT_EQ(faceAt(above, 100, 62), PlusY);
    EXPECT_EQ(faceAt(above, 78, 118), PlusX);
    EXPECT_EQ(faceAt(above, 122, 118), PlusZ);

    const RgbaPicture below = seen(scene, 225, -30);
    EXPECT_EQ(faceAt(below, 100, 138), MinusY);
    EXPECT_EQ(faceAt(below, 78, 82), MinusX);
    EXPECT_EQ(faceAt(below, 122, 82), MinusZ);
}

// The lit side is brighter than the side turned from the light, which still gets ambient light.
TEST(ModelRenderer, FacesAreLitFromTheirNormals) {
    const RgbaPicture picture = seen(cube(), 45, 30);
    const uint8_t* top = picture.pixel(100, 62);
    const uint8_t* left = picture.pixel(78, 118);   // +x, red
    const uint8_t* right = picture.pixel(122, 118); // +z, blue
    EXPECT_GT(top[1], 0);
    EXPECT_GT(left[0], 60);
    EXPECT_GT(right[2], 60);
    // The light stands to the viewer's left: the left face is lit more than the right one.
    EXPECT_GT(left[0], right[2]);
}

// A quad facing the camera with a picture of four cells: top left red, top right green, bottom
// left blue, bottom right white (row 0 of the picture is its top, v = 0). Texture coordinates as a
// modelling tool gives a face seen from the front: (0, 0) at the top left corner seen from there,
// which at yaw 0 is the quad's +x, +y corner.
TEST(ModelRenderer, APictureAppearsTheRightWayRound) {
    SceneMesh quad;
    const struct {
        float x, y, u, v;
    } corners[] = {{1, 1, 0, 0}, {-1, 1, 1, 0}, {-1, -1, 1, 1}, {1, -1, 0, 1}};
    for (const auto& c : corners) {
        SceneVertex v;
        v.position = {c.x, c.y, 0};
        v.normal = {0, 0, 1};
        v.u = c.u;
        v.v = c.v;
        quad.vertices.push_back(v);
    }
    quad.indices = {0, 1, 2, 0, 2, 3};
    quad.texture = RgbaPicture{2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255}};
    ModelScene scene;
    scene.meshes.push_back(quad);

    const RgbaPicture front = seen(scene, 0, 0);
    auto rgb = [&](const RgbaPicture& p, uint32_t x, uint32_t y) {
        const uint8_t* q = p.pixel(x, y);
        return std::array<bool, 3>{q[0] > 100, q[1] > 100, q[2] > 100};
    };
    EXPECT_EQ(rgb(front, 70, 70), (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(rgb(front, 130, 70), (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(rgb(front, 70, 130), (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(rgb(front, 130, 130), (std::array<bool, 3>{true, true, true}));

    // From behind, a one-sided quad is not drawn; a two-sided one shows its picture mirrored.
    EXPECT_EQ(faceAt(seen(scene, 180, 0), 100, 100), Background);
    scene.meshes[0].twoSided = true;
    const RgbaPicture back = seen(scene, 180, 0);
    EXPECT_EQ(rgb(back, 130, 70), (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(rgb(back, 70, 70), (std::array<bool, 3>{false, true, false}));

    // A texel whose alpha is below one half is left out: the quad shows through to the background.
    scene.meshes[0].texture->rgba[3] = 100;
    EXPECT_EQ(faceAt(seen(scene, 180, 0), 130, 70), Background);
}

// The nearer face hides the one behind it, whatever their order in the scene.
TEST(ModelRenderer, TheNearerOfTwoFacesIsSeen) {
    ModelScene scene = cube();
    ModelScene reversed;
    for (auto it = scene.meshes.rbegin(); it != scene.meshes.rend(); ++it) reversed.meshes.push_back(*it);
    for (SceneMesh& m : reversed.meshes) m.twoSided = true;  // the back faces are drawn too
    for (float yaw : {0.0f, 90.0f}) {
        EXPECT_EQ(faceAt(seen(reversed, yaw, 0), 100, 100), yaw == 0 ? PlusZ : PlusX);
    }
}

// A mesh without texture is drawn in the flat colour.
TEST(ModelRenderer, AMeshWithoutTextureIsDrawnInItsFlatColour) {
    ModelScene scene = cube();
    scene.meshes[4].texture.reset();  // +z
    const RgbaPicture picture = seen(scene, 0, 0);
    const uint8_t* p = picture.pixel(100, 100);
    const float scale = static_cast<float>(p[0]) / kMissingTextureColour[0];
    EXPECT_GT(scale, 0.3f);
    EXPECT_NEAR(p[1], kMissingTextureColour[1] * scale, 2.0f);
    EXPECT_NEAR(p[2], kMissingTextureColour[2] * scale, 2.0f);
}

// Zooming in makes the model larger: the face reaches further out.
TEST(ModelRenderer, ZoomBringsTheCameraCloser) {
    RenderView view;
    view.yawDegrees = 0;
    view.pitchDegrees = 0;
    view.width = view.height = 200;
    EXPECT_EQ(faceAt(renderScene(cube(), view), 100, 30), Background);
    view.zoom = 2.5f;
    EXPECT_EQ(faceAt(renderScene(cube(), view), 100, 30), PlusZ);
}

// Degenerate and hostile scenes: the picture has the asked size and shows what can be drawn.
TEST(ModelRenderer, ScenesThatCannotBeDrawnLeaveTheirTrianglesOut) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<ModelScene> scenes(6);
    scenes[1].meshes.push_back(SceneMesh{});  // a mesh without vertices
    SceneMesh wild;
    wild.vertices.resize(3);
    wild.vertices[0].position = {nan, 0, 0};
    wild.vertices[1].position = {inf, -inf, 1e38f};
    wild.vertices[2].position = {1e38f, -1e38f, 0};
    wild.vertices[2].u = nan;
    wild.indices = {0, 1, 2, 2, 1, 7, 99, 0, 1};  // indices past the vertices too
    scenes[2].meshes.push_back(wild);
    SceneMesh point;  // every vertex in one place
    point.vertices.resize(3);
    point.indices = {0, 1, 2};
    scenes[3].meshes.push_back(point);
    scenes[4] = cube();
    scenes[4].meshes[0].texture = RgbaPicture{};  // an empty texture
    scenes[5] = cube();
    scenes[5].meshes.push_back(wild);  // a wild mesh beside a sound one: the sound one is drawn
    for (size_t i = 0; i < scenes.size(); ++i) {
        for (const auto& [w, h] : {std::pair{0u, 0u}, {1u, 1u}, {64u, 16u}}) {
            RenderView view;
            view.width = w;
            view.height = h;
            const RgbaPicture picture = renderScene(scenes[i], view);
            EXPECT_EQ(picture.width, w);
            EXPECT_EQ(picture.rgba.size(), size_t{w} * h * 4) << i;
        }
    }
    EXPECT_EQ(faceAt(seen(scenes[0], 0, 0), 100, 100), Background);
    for (RenderView view : {RenderView{0, 0, std::numeric_limits<float>::quiet_NaN(), 200, 200},
                            RenderView{nan, inf, 0, 200, 200}}) {
        EXPECT_EQ(renderScene(scenes[4], view).rgba.size(), 200u * 200 * 4);
    }
}

}  // namespace
}  // namespace zw
