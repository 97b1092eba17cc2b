#include "ovl/ModelRenderer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace zw {
namespace {

using Vec = std::array<float, 3>;

constexpr float kPi = 3.14159265358979f;
constexpr float kHalfFieldOfView = 15.0f * kPi / 180.0f;  // of the picture's shorter edge
constexpr float kMargin = 1.08f;                          // room round the framed box
constexpr float kAmbient = 0.38f;
constexpr float kDiffuse = 0.62f;
constexpr uint8_t kAlphaCut = 128;

float dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec minus(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec scaled(const Vec& a, float s) { return {a[0] * s, a[1] * s, a[2] * s}; }
Vec plus(const Vec& a, const Vec& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec normalized(const Vec& a) {
    const float length = std::sqrt(dot(a, a));
    return length > 0 ? scaled(a, 1.0f / length) : a;
}
bool finite(const Vec& a) { return std::isfinite(a[0]) && std::isfinite(a[1]) && std::isfinite(a[2]); }

struct Camera {
    Vec eye, right, up, forward, toLight;
    float focal = 1;  // pixels per unit of x/z
    float nearest = 0;
    float centreX = 0, centreY = 0;
};

// The camera that frames the box from `view`'s angles; nullopt when no vertex has a place.
std::optional<Camera> frame(const ModelScene& scene, const RenderView& view) {
    Vec low{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
    Vec high = scaled(low, -1.0f);
    bool any = false;
    for (const SceneMesh& mesh : scene.meshes) {
        for (uint32_t i : mesh.indices) {
            if (i >= mesh.vertices.size()) continue;
            const Vec& p = mesh.vertices[i].position;
            if (!finite(p)) continue;
            any = true;
            for (int k = 0; k < 3; ++k) {
                low[k] = std::min(low[k], p[k]);
                high[k] = std::max(high[k], p[k]);
            }
        }
    }
    if (!any) return std::nullopt;
    const Vec centre = scaled(plus(low, high), 0.5f);
    float radius = 0.5f * std::sqrt(dot(minus(high, low), minus(high, low)));
    if (!(radius > 0) || !std::isfinite(radius)) radius = 1.0f;

    const float yaw = view.yawDegrees * kPi / 180.0f, pitch = view.pitchDegrees * kPi / 180.0f;
    Camera c;
    c.forward = {-std::sin(yaw) * std::cos(pitch), -std::sin(pitch), -std::cos(yaw) * std::cos(pitch)};
    c.right = {-std::cos(yaw), 0.0f, std::sin(yaw)};  // the world's up crossed with forward, left-handed
    c.up = cross(c.forward, c.right);
    const float zoom = view.zoom > 0 && std::isfinite(view.zoom) ? view.zoom : 1.0f;
    const float distance = kMargin * radius / std::sin(kHalfFieldOfView) / zoom;
    c.eye = minus(centre, scaled(c.forward, distance));
    const float shorter = static_cast<float>(std::min(view.width, view.height));
    c.focal = 0.5f * shorter / std::tan(kHalfFieldOfView);
    c.nearest = 1e-3f * radius;
    c.centreX = 0.5f * static_cast<float>(view.width);
    c.centreY = 0.5f * static_cast<float>(view.height);
    // The light stands above and to the left of the viewer.
    c.toLight = normalized(plus(plus(scaled(c.right, -0.45f), scaled(c.up, 0.6f)), scaled(c.forward, -0.65f)));
    return c;
}

// A vertex as the rasterizer takes it: its place on the picture, 1/depth, u/depth, v/depth, light.
struct Projected {
    float x, y, invDepth, uOverDepth, vOverDepth, light;
    bool facing;  // its normal faces the camera
    bool usable;
};

Projected project(const Camera& c, const SceneVertex& v, bool twoSided) {
    Projected out{};
    const Vec offset = minus(v.position, c.eye);
    const float depth = dot(offset, c.forward);
    if (!finite(offset) || !(depth > c.nearest)) return out;
    const float inv = 1.0f / depth;
    out.x = c.centreX + c.focal * dot(offset, c.right) * inv;
    out.y = c.centreY - c.focal * dot(offset, c.up) * inv;
    out.invDepth = inv;
    const float u = std::isfinite(v.u) ? v.u : 0.0f, w = std::isfinite(v.v) ? v.v : 0.0f;
    out.uOverDepth = u * inv;
    out.vOverDepth = w * inv;
    Vec normal = finite(v.normal) ? v.normal : Vec{0, 0, 0};
    out.facing = dot(normal, offset) <= 0;
    if (twoSided && !out.facing) normal = scaled(normal, -1.0f);
    out.light = kAmbient + kDiffuse * std::max(0.0f, dot(normal, c.toLight));
    out.usable = std::isfinite(out.x) && std::isfinite(out.y) && std::fabs(out.x) < 1e7f && std::fabs(out.y) < 1e7f;
    return out;
}

class Rasterizer {
public:
    explicit Rasterizer(RgbaPicture& picture) : picture_(picture), depth_(size_t{picture.width} * picture.height, 0.0f) {}

    void triangle(const Projected& a, const Projected& b, const Projected& c, const SceneMesh& mesh) {
        const float area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (!(std::fabs(area) > 1e-12f)) return;
        const float minX = std::max(0.0f, std::floor(std::min({a.x, b.x, c.x})));
        const float maxX = std::min(static_cast<float>(picture_.width) - 1, std::ceil(std::max({a.x, b.x, c.x})));
        const float minY = std::max(0.0f, std::floor(std::min({a.y, b.y, c.y})));
        const float maxY = std::min(static_cast<float>(picture_.height) - 1, std::ceil(std::max({a.y, b.y, c.y})));
        if (minX > maxX || minY > maxY) return;
        const int x0 = static_cast<int>(minX), x1 = static_cast<int>(maxX);
        const int y0 = static_cast<int>(minY), y1 = static_cast<int>(maxY);

        // Barycentric weights of b and c are linear in x and y; a's is what remains.
        const float inv = 1.0f / area;
        const float wbX = (c.y - a.y) * inv, wbY = (a.x - c.x) * inv;
        const float wcX = (a.y - b.y) * inv, wcY = (b.x - a.x) * inv;
        const float startX = static_cast<float>(x0) + 0.5f - a.x;
        for (int y = y0; y <= y1; ++y) {
            const float py = static_cast<float>(y) + 0.5f - a.y;
            float wb = wbX * startX + wbY * py;
            float wc = wcX * startX + wcY * py;
            uint8_t* pixel = picture_.pixel(static_cast<uint32_t>(x0), static_cast<uint32_t>(y));
            float* depth = &depth_[size_t{static_cast<uint32_t>(y)} * picture_.width + static_cast<uint32_t>(x0)];
            for (int x = x0; x <= x1; ++x, wb += wbX, wc += wcX, pixel += 4, ++depth) {
                const float wa = 1.0f - wb - wc;
                if (wa < 0 || wb < 0 || wc < 0) continue;
                const float invDepth = wa * a.invDepth + wb * b.invDepth + wc * c.invDepth;
                if (!(invDepth > *depth)) continue;
                const float light = std::min(1.0f, wa * a.light + wb * b.light + wc * c.light);
                uint8_t r, g, bl;
                if (mesh.texture) {
                    const float u = (wa * a.uOverDepth + wb * b.uOverDepth + wc * c.uOverDepth) / invDepth;
                    const float v = (wa * a.vOverDepth + wb * b.vOverDepth + wc * c.vOverDepth) / invDepth;
                    const uint8_t* texel = sample(*mesh.texture, u, v);
                    if (texel[3] < kAlphaCut) continue;
                    r = texel[0], g = texel[1], bl = texel[2];
                } else {
                    r = kMissingTextureColour[0], g = kMissingTextureColour[1], bl = kMissingTextureColour[2];
                }
                *depth = invDepth;
                pixel[0] = static_cast<uint8_t>(static_cast<float>(r) * light);
                pixel[1] = static_cast<uint8_t>(static_cast<float>(g) * light);
                pixel[2] = static_cast<uint8_t>(static_cast<float>(bl) * light);
                pixel[3] = 255;
            }
        }
    }

private:
    static const uint8_t* sample(const RgbaPicture& texture, float u, float v) {
        static constexpr uint8_t kNone[4] = {0, 0, 0, 0};
        if (texture.width == 0 || texture.height == 0) return kNone;
        const float fu = std::isfinite(u) ? u - std::floor(u) : 0.0f;
        const float fv = std::isfinite(v) ? v - std::floor(v) : 0.0f;
        const uint32_t x = std::min(texture.width - 1, static_cast<uint32_t>(fu * static_cast<float>(texture.width)));
        const uint32_t y = std::min(texture.height - 1, static_cast<uint32_t>(fv * static_cast<float>(texture.height)));
        return texture.pixel(x, y);
    }

    RgbaPicture& picture_;
    std::vector<float> depth_;  // 1/depth of what each pixel shows; 0 for nothing
};

}  // namespace

RgbaPicture renderScene(const ModelScene& scene, const RenderView& view) {
    RgbaPicture picture{view.width, view.height, std::vector<uint8_t>(size_t{view.width} * view.height * 4)};
    for (size_t i = 0; i < picture.rgba.size(); i += 4) {
        std::copy(kRenderBackground.begin(), kRenderBackground.end(), picture.rgba.begin() + static_cast<std::ptrdiff_t>(i));
    }
    if (view.width == 0 || view.height == 0) return picture;
    const std::optional<Camera> camera = frame(scene, view);
    if (!camera) return picture;

    Rasterizer rasterizer(picture);
    std::vector<Projected> projected;
    for (const SceneMesh& mesh : scene.meshes) {
        projected.resize(mesh.vertices.size());
        for (size_t i = 0; i < mesh.vertices.size(); ++i) projected[i] = project(*camera, mesh.vertices[i], mesh.twoSided);
        for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
            if (std::max({mesh.indices[t], mesh.indices[t + 1], mesh.indices[t + 2]}) >= projected.size()) continue;
            const Projected& a = projected[mesh.indices[t]];
            const Projected& b = projected[mesh.indices[t + 1]];
            const Projected& c = projected[mesh.indices[t + 2]];
            if (!a.usable || !b.usable || !c.usable) continue;
            if (!mesh.twoSided && !a.facing && !b.facing && !c.facing) continue;
            rasterizer.triangle(a, b, c, mesh);
        }
    }
    return picture;
}

}  // namespace zw
