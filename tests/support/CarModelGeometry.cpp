#include "support/CarModelGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "support/HandMadeOvlPair.h"

namespace zw::test {
namespace {

// Where a box's faces take their picture from: a band of the texture's width.
enum class Paint { Body, Seat, Metal };

struct Box {
    std::array<float, 3> min, max;
    Paint paint;
    uint8_t bone = 0;
};

std::pair<float, float> band(Paint paint) {
    switch (paint) {
        case Paint::Body: return {0.0f, 0.5f};
        case Paint::Seat: return {0.5f, 0.75f};
        case Paint::Metal: return {0.75f, 1.0f};
    }
    return {0.0f, 1.0f};
}

// Six faces of four vertices each, wound so that their normals point out.
void addBox(FixtureMesh& mesh, const Box& box) {
    const auto [u0, u1] = band(box.paint);
    for (int axis = 0; axis < 3; ++axis) {
        for (int side = 0; side < 2; ++side) {
            const int a = (axis + 1) % 3, b = (axis + 2) % 3;
            const float fixed = side ? box.max[axis] : box.min[axis];
            const auto base = static_cast<uint16_t>(mesh.vertices.size());
            const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
            for (const auto& c : corners) {
                FixtureVertex v;
                v.position[axis] = fixed;
                v.position[a] = c[0] ? box.max[a] : box.min[a];
                v.position[b] = c[1] ? box.max[b] : box.min[b];
                v.normal[axis] = side ? 1.0f : -1.0f;
                v.bone = box.bone;
                v.u = u0 + (u1 - u0) * c[0];
                v.v = c[1];
                mesh.vertices.push_back(v);
            }
            const uint16_t order[2][6] = {{0, 2, 1, 0, 3, 2}, {0, 1, 2, 0, 2, 3}};
            for (uint16_t i : order[side]) mesh.indices.push_back(static_cast<uint16_t>(base + i));
        }
    }
}

FixtureMesh boxes(const std::vector<Box>& list) {
    FixtureMesh mesh;
    for (const Box& box : list) addBox(mesh, box);
    return mesh;
}

// A car body 1.2 m wide and 1.6 m long, the floor at 0, two rows of seats.
std::vector<Box> bodyAndSeats() {
    return {
        {{-0.6f, 0.0f, -0.8f}, {0.6f, 0.1f, 0.8f}, Paint::Body},      // floor
        {{-0.6f, 0.1f, -0.8f}, {-0.5f, 0.5f, 0.8f}, Paint::Body},     // left side
        {{0.5f, 0.1f, -0.8f}, {0.6f, 0.5f, 0.8f}, Paint::Body},       // right side
        {{-0.5f, 0.1f, -0.8f}, {0.5f, 0.45f, -0.7f}, Paint::Body},    // back wall
        {{-0.45f, 0.1f, 0.1f}, {0.45f, 0.25f, 0.5f}, Paint::Seat},    // front seat
        {{-0.45f, 0.25f, 0.05f}, {0.45f, 0.7f, 0.15f}, Paint::Seat},  // its back rest
        {{-0.45f, 0.1f, -0.6f}, {0.45f, 0.25f, -0.2f}, Paint::Seat},  // rear seat
        {{-0.45f, 0.25f, -0.65f}, {0.45f, 0.7f, -0.55f}, Paint::Seat},
    };
}

}  // namespace

FixtureMesh carPartMesh(CarPart part) {
    std::vector<Box> list;
    switch (part) {
        case CarPart::FrontCar:
            list = bodyAndSeats();
            list.push_back({{-0.5f, 0.1f, 0.7f}, {0.5f, 0.6f, 0.9f}, Paint::Body});   // the nose
            list.push_back({{-0.4f, 0.0f, 0.9f}, {0.4f, 0.15f, 1.0f}, Paint::Metal});  // bumper
            break;
        case CarPart::MiddleCar:
            list = bodyAndSeats();
            list.push_back({{-0.5f, 0.1f, 0.7f}, {0.5f, 0.45f, 0.8f}, Paint::Body});  // front wall
            list.push_back({{-0.1f, 0.0f, 0.8f}, {0.1f, 0.1f, 1.0f}, Paint::Metal});   // coupling
            break;
        case CarPart::RearCar:
            list = bodyAndSeats();
            list.push_back({{-0.5f, 0.1f, 0.7f}, {0.5f, 0.45f, 0.8f}, Paint::Body});
            list.push_back({{-0.6f, 0.5f, -0.9f}, {0.6f, 0.55f, -0.7f}, Paint::Body});  // spoiler
            list.push_back({{-0.1f, 0.0f, 0.8f}, {0.1f, 0.1f, 1.0f}, Paint::Metal});
            break;
        case CarPart::RestraintBar:
            // A lap bar over each row, held by two posts, moved by the restraint's bone.
            for (float z : {0.3f, -0.4f}) {
                list.push_back({{-0.45f, 0.45f, z}, {0.45f, 0.5f, z + 0.05f}, Paint::Metal, 1});
                list.push_back({{-0.45f, 0.25f, z}, {-0.4f, 0.45f, z + 0.05f}, Paint::Metal, 1});
                list.push_back({{0.4f, 0.25f, z}, {0.45f, 0.45f, z + 0.05f}, Paint::Metal, 1});
            }
            break;
    }
    return boxes(list);
}

FixtureMesh ballMesh(uint32_t vertices, uint32_t indices) {
    FixtureMesh mesh;
    const float golden = 2.39996323f;  // the golden angle spreads the points evenly
    for (uint32_t i = 0; i < vertices; ++i) {
        const float y = vertices > 1 ? 1.0f - 2.0f * static_cast<float>(i) / static_cast<float>(vertices - 1) : 0.0f;
        const float r = std::sqrt(std::max(0.0f, 1.0f - y * y));
        const float angle = golden * static_cast<float>(i);
        FixtureVertex v;
        v.normal = {r * std::cos(angle), y, r * std::sin(angle)};
        const float length = std::sqrt(v.normal[0] * v.normal[0] + v.normal[1] * v.normal[1] + v.normal[2] * v.normal[2]);
        for (float& n : v.normal) n /= length;
        v.position = {v.normal[0], 0.5f + v.normal[1], v.normal[2]};
        v.u = std::fmod(angle / 6.2831853f, 1.0f);
        v.v = (1.0f - y) / 2.0f;
        mesh.vertices.push_back(v);
    }
    for (uint32_t i = 0; i < indices; ++i) {
        mesh.indices.push_back(vertices == 0 ? 0 : static_cast<uint16_t>((i / 3 + i % 3) % vertices));
    }
    return mesh;
}

std::string vertexBytes(const FixtureMesh& mesh) {
    std::string out;
    for (const FixtureVertex& v : mesh.vertices) {
        for (float f : v.position) out += leFloat(f);
        for (float f : v.normal) out += leFloat(f);
        out += std::string{static_cast<char>(v.bone), 0, 0, 0};
        out += std::string{static_cast<char>(255), 0, 0, 0};
        out += le32(0xFFFFFFFF);
        out += leFloat(v.u) + leFloat(v.v);
    }
    return out;
}

std::string indexBytes(const FixtureMesh& mesh, bool sixes) {
    std::string out;
    const size_t groups = mesh.indices.size() / 3;
    for (size_t i = 0; i < 3 * groups; ++i) out += le16(mesh.indices[i]);
    if (sixes) {
        for (size_t g = 0; g < groups; ++g) {
            const uint16_t* t = &mesh.indices[3 * g];
            for (uint16_t i : {t[0], t[1], t[2], t[2], t[1], t[0]}) out += le16(i);
        }
    }
    return out;
}

std::array<float, 6> boundingBox(const std::vector<FixtureMesh>& meshes) {
    std::array<float, 6> box{};
    bool any = false;
    for (const FixtureMesh& mesh : meshes) {
        for (const FixtureVertex& v : mesh.vertices) {
            for (int i = 0; i < 3; ++i) {
                box[i] = any ? std::min(box[i], v.position[i]) : v.position[i];
                box[3 + i] = any ? std::max(box[3 + i], v.position[i]) : v.position[i];
            }
            any = true;
        }
    }
    return box;
}

// Four ramps of 64 colours: body paint (red), seat cloth (blue), metal (grey), stripe (cream).
std::string texturePalette() {
    std::string out;
    for (int i = 0; i < 256; ++i) {
        const int ramp = i / 64, step = i % 64;
        const int light = 96 + step * 159 / 63;  // 96 … 255
        int r = 0, g = 0, b = 0;
        switch (ramp) {
            case 0: r = light, g = light / 8, b = light / 10; break;
            case 1: r = light / 6, g = light / 4, b = light * 3 / 4; break;
            case 2: r = g = b = light * 3 / 4; break;
            default: r = light, g = light * 15 / 16, b = light * 3 / 4; break;
        }
        out += std::string{static_cast<char>(b), static_cast<char>(g), static_cast<char>(r), 0};
    }
    return out;
}

std::string texturePicture(uint32_t edge) {
    std::string out(size_t{edge} * edge, '\0');
    for (uint32_t y = 0; y < edge; ++y) {
        for (uint32_t x = 0; x < edge; ++x) {
            const float fx = (static_cast<float>(x) + 0.5f) / static_cast<float>(edge);
            const float fy = (static_cast<float>(y) + 0.5f) / static_cast<float>(edge);
            int index;
            if (fx < 0.5f) {
                // Paint, lit from above, with a cream stripe along the body.
                const bool stripe = fy > 0.40f && fy < 0.52f;
                index = (stripe ? 192 : 0) + static_cast<int>(63 * (1.0f - 0.6f * fy));
            } else if (fx < 0.75f) {
                // Cloth with a seam every eighth of the height.
                const bool seam = static_cast<int>(fy * 32) % 4 == 0;
                index = 64 + (seam ? 20 : 44);
            } else {
                // Metal with a rivet in each cell.
                const float cx = std::fmod(fx * 16, 1.0f) - 0.5f, cy = std::fmod(fy * 16, 1.0f) - 0.5f;
                const bool rivet = cx * cx + cy * cy < 0.06f;
                index = 128 + (rivet ? 60 : 34 + static_cast<int>(10 * fy));
            }
            out[size_t{y} * edge + x] = static_cast<char>(index);
        }
    }
    return out;
}

}  // namespace zw::test
