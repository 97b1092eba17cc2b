#include "support/ModelPairFixture.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <tuple>

#include "base/Encoding.h"
#include "support/PeepPathSplinePair.h"

namespace zw::test {
namespace {

using File = HandMadeOvlPair::File;
using Area = HandMadeOvlPair::Area;
using Piece = HandMadeOvlPair::Piece;

Piece w(uint32_t value) { return Piece{le32(value)}; }
Piece raw(std::string bytes) { return Piece{std::move(bytes)}; }
Piece at(int draft, uint32_t plus = 0) { return Piece{"", draft, plus}; }
// The copied word of structure `id` at `offset`.
Piece fw(uint32_t id, uint32_t offset) { return w(fixtureWord(id, offset)); }
Piece f(float value) { return raw(leFloat(value)); }

// The words and runs a structure copies: the pattern that tells them apart, or realistic values.
class Content {
public:
    explicit Content(const ModelFixtureOptions& o) : patterned_(o.content == FixtureContent::Patterned) {}
    bool patterned() const { return patterned_; }
    Piece word(uint32_t id, uint32_t offset, uint32_t realistic) const { return patterned_ ? fw(id, offset) : w(realistic); }
    Piece real(uint32_t id, uint32_t offset, float realistic) const { return patterned_ ? fw(id, offset) : f(realistic); }
    Piece run(uint32_t seed, uint64_t count, const std::string& realistic) const {
        return raw(patterned_ ? fixtureBytes(seed, count) : realistic);
    }

private:
    bool patterned_;
};

bool isFirst(uint32_t number) { return number == 1; }

// A bone's name: the car's bone, its restraint's, then numbered ones.
std::string realisticBone(uint32_t b) { return b == 1 ? "Car" : b == 2 ? "Restraint" : "Bone" + std::to_string(b); }

// A 4 × 4 matrix that moves by (0, y, 0).
std::string lift(float y) {
    std::string out;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) out += leFloat(row == column ? 1.0f : row == 3 && column == 1 ? y : 0.0f);
    }
    return out;
}

uint32_t log2Of(uint32_t v) {
    uint32_t n = 0;
    while (v > 1) {
        v >>= 1;
        ++n;
    }
    return n;
}

// The parts of a model before they are placed: items whose targets are part numbers, placed in
// order, or reversed with fillers, when the pair is made.
class ModelDraft {
public:
    int add(File file, Area area, std::vector<Piece> pieces) {
        parts_.push_back(HandMadeOvlPair::Item{file, area, std::move(pieces)});
        return static_cast<int>(parts_.size()) - 1;
    }
    Piece name(const std::string& text) {
        auto it = std::find(strings_.begin(), strings_.end(), text);
        if (it == strings_.end()) it = strings_.insert(strings_.end(), text);
        return Piece{"", -1, 0, static_cast<int>(it - strings_.begin())};
    }
    void symbol(const std::string& name, int part, File file, uint32_t loaderType) {
        HandMadeOvlPair::Symbol s;
        s.name = name;
        s.item = part;
        s.file = file;
        s.loaderType = loaderType;
        symbols_.push_back(std::move(s));
    }
    void reference(int part, uint32_t offset, const std::string& name) { references_.push_back({part, offset, name}); }

    std::vector<HandMadeOvlPair::Item>& parts() { return parts_; }
    std::vector<HandMadeOvlPair::Reference>& references() { return references_; }
    std::vector<HandMadeOvlPair::Symbol>& symbols() { return symbols_; }

    HandMadeOvlPair make(bool scattered) const {
        std::vector<int> order(parts_.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
        if (scattered) std::reverse(order.begin(), order.end());
        std::vector<int> item(parts_.size());
        for (size_t pos = 0; pos < order.size(); ++pos) {
            item[order[pos]] = static_cast<int>(scattered ? 2 * pos + 1 : pos);
        }
        HandMadeOvlPair pair;
        pair.loaderTypes = modelLoaderTypes();
        pair.strings = strings_;
        for (int p : order) {
            const HandMadeOvlPair::Item& part = parts_[p];
            if (scattered) pair.addItem(part.file, part.area, {raw(std::string(8, '\xCC'))});
            std::vector<Piece> pieces = part.pieces;
            for (Piece& piece : pieces) {
                if (piece.target >= 0) piece.target = item[piece.target];
            }
            pair.addItem(part.file, part.area, std::move(pieces));
        }
        for (HandMadeOvlPair::Symbol s : symbols_) {
            if (s.item >= 0) s.item = item[s.item];
            pair.symbols.push_back(s);
        }
        for (HandMadeOvlPair::Reference r : references_) {
            r.item = item[r.item];
            pair.references.push_back(r);
        }
        return pair;
    }

private:
    std::vector<HandMadeOvlPair::Item> parts_;
    std::vector<std::string> strings_;
    std::vector<HandMadeOvlPair::Symbol> symbols_;
    std::vector<HandMadeOvlPair::Reference> references_;
};

uint32_t cycled(const std::vector<uint32_t>& values, uint32_t number) {
    return values.empty() ? 0 : values[(number - 1) % values.size()];
}

// The SceneryItemVisual with its level records and animation arrays.
// Returns the first level record's part, or -1.
int addVisual(ModelDraft& draft, const std::string& model, const ModelFixtureOptions& o, const Content& c) {
    int firstLevel = -1;
    const uint32_t levels = static_cast<uint32_t>(o.levelAnimations.size());
    const int header = draft.add(File::Unique, Area::Structures, {});
    const int levelArray = draft.add(File::Unique, Area::Structures, {});
    std::vector<Piece> levelPointers;
    // The words at 24 … 52 of a level record, as the re-emission writes them too.
    const float constants[8] = {0, 0, 1, 1, 0, 1, 0, 1};
    for (uint32_t d = 1; d <= levels; ++d) {
        const uint32_t id = levelId(d);
        const uint32_t a = o.levelAnimations[d - 1];
        int pointers = -1;
        int slots = -1;
        if (a > 0) {
            pointers = draft.add(File::Unique, Area::Structures, {});
            slots = draft.add(File::Unique, Area::Structures, {});
        }
        std::vector<Piece> level = {c.word(id, 0, 3), draft.name("LOD" + std::to_string(d)), c.word(id, 8, 0),
                                    c.word(id, 12, 0), w(0), c.word(id, 20, 0)};
        for (uint32_t offset = 24; offset <= 52; offset += 4) level.push_back(c.real(id, offset, constants[(offset - 24) / 4]));
        level.push_back(c.real(id, 56, 40.0f * static_cast<float>(d * d)));  // the distance it is seen up to
        level.push_back(w(a));
        level.push_back(c.word(id, 64, 0));
        level.push_back(a > 0 ? at(pointers) : w(0));
        const int record = draft.add(File::Unique, Area::Structures, std::move(level));
        if (isFirst(d)) firstLevel = record;
        draft.reference(record, 16, shapeSymbol(model, (d - 1) % std::max(o.shapes, 1u) + 1));
        levelPointers.push_back(at(record));
        if (a > 0) {
            for (uint32_t i = 0; i < a; ++i) {
                draft.parts()[pointers].pieces.push_back(at(slots, 4 * i));
                draft.parts()[slots].pieces.push_back(w(0));
                draft.reference(slots, 4 * i, animationSymbol(model, i));
            }
        }
    }
    draft.parts()[levelArray].pieces = levelPointers;
    std::vector<Piece>& h = draft.parts()[header].pieces;
    // Flags 0, sway 0, brightness 1, 1, scale 1.
    const float head[5] = {0, 0, 1, 1, 1};
    h.push_back(c.word(visualId(), 0, 0));
    for (uint32_t offset = 4; offset < 20; offset += 4) h.push_back(c.real(visualId(), offset, head[offset / 4]));
    h.push_back(w(levels));
    h.push_back(at(levelArray));
    for (uint32_t offset = 28; offset < 52; offset += 4) h.push_back(c.word(visualId(), offset, 0));
    const std::string name = o.fault == ModelFault::VisualNameDiffers ? "Other:svd" : model + ":svd";
    if (o.fault != ModelFault::NoVisual) draft.symbol(name, header, File::Unique, modelLoaderType::SceneryItemVisual);
    if (o.fault == ModelFault::TwoVisuals) {
        draft.symbol(model + "2:svd", header, File::Unique, modelLoaderType::SceneryItemVisual);
    }
    return firstLevel;
}

// The meshes of shape s: the given geometry, or balls of the asked sizes.
std::vector<FixtureMesh> shapeMeshes(const ModelFixtureOptions& o, uint32_t meshes) {
    std::vector<FixtureMesh> out;
    for (uint32_t t = 1; t <= meshes; ++t) {
        out.push_back(o.geometry.empty() ? ballMesh(o.vertices, o.indices) : o.geometry[(t - 1) % o.geometry.size()]);
    }
    return out;
}

// The BoneShapes: header, mesh array and mesh records in the .unique file, the rest in the .common.
// Returns the part of the first shape's first mesh record, or -1.
int addShapes(ModelDraft& draft, const std::string& model, const ModelFixtureOptions& o, const Content& c) {
    int firstRecord = -1;
    for (uint32_t s = 1; s <= o.shapes; ++s) {
        const uint32_t id = shapeId(s);
        const bool first = s == 1;
        const uint32_t meshCount = o.geometry.empty() ? o.meshes : static_cast<uint32_t>(o.geometry.size());
        const uint32_t meshes = first && o.fault == ModelFault::NoMeshes ? 0 : meshCount;
        const uint32_t bones = first && o.fault == ModelFault::NoBones ? 0 : o.bones;
        std::vector<FixtureMesh> geometry = shapeMeshes(o, meshes);
        if (first && !geometry.empty() && !geometry[0].vertices.empty()) {
            if (o.fault == ModelFault::IndexPastVertices && !geometry[0].indices.empty()) {
                geometry[0].indices[0] = static_cast<uint16_t>(geometry[0].vertices.size());
            }
            if (o.fault == ModelFault::LongNormal) {
                for (float& n : geometry[0].vertices[0].normal) n *= 2;
            }
            if (o.fault == ModelFault::NoIndices) geometry[0].indices.clear();
        }
        std::vector<Piece> boneList;
        std::string firstMatrices, secondMatrices;
        for (uint32_t b = 1; b <= bones; ++b) {
            boneList.push_back(draft.name(c.patterned() ? "Bone" + std::to_string(b) : realisticBone(b)));
            boneList.push_back(c.word(id, 0x1000 + b, b == 1 ? 0xFFFFFFFF : 0));  // the parent: none, or the car
            firstMatrices += lift(0.4f * static_cast<float>(b - 1));
            secondMatrices += lift(-0.4f * static_cast<float>(b - 1));
        }
        const int boneItem = draft.add(File::Common, Area::Data, std::move(boneList));
        const int firstItem = draft.add(
            File::Common, Area::Data, {c.run(fixtureSeed(id, FixtureRun::FirstMatrices), 64ull * bones, firstMatrices)});
        const int secondItem = draft.add(
            File::Common, Area::Data, {c.run(fixtureSeed(id, FixtureRun::SecondMatrices), 64ull * bones, secondMatrices)});
        const int meshArray = draft.add(File::Unique, Area::Structures, {});

        std::array<float, 6> box = boundingBox(geometry);
        uint32_t vertexTotal = 0, indexTotal = 0;
        for (const FixtureMesh& m : geometry) {
            vertexTotal += static_cast<uint32_t>(m.vertices.size());
            indexTotal += static_cast<uint32_t>(m.indices.size());
        }
        if (first && o.fault == ModelFault::BoxInsideOut) std::swap(box[0], box[3]);
        if (first && o.fault == ModelFault::BoxTooSmall) box[3] = (box[0] + box[3]) / 2;
        if (first && o.fault == ModelFault::VertexTotalDiffers) ++vertexTotal;
        std::vector<Piece> header;
        for (uint32_t i = 0; i < 6; ++i) header.push_back(c.real(id, 4 * i, box[i]));
        header.push_back(c.word(id, 24, vertexTotal));
        header.push_back(c.word(id, 28, indexTotal));
        // Word 32 counts the meshes without support (all of a car's), word 36 all meshes.
        const bool supported = first && meshes > 0 && o.fault == ModelFault::MeshCountsDiffer;
        header.push_back(w(supported ? meshes - 1 : meshes));
        header.push_back(c.word(id, 36, meshes));
        header.push_back(at(meshArray));
        header.push_back(w(bones));
        header.push_back(at(boneItem));
        header.push_back(at(firstItem));
        header.push_back(at(secondItem));
        const int shape = draft.add(File::Unique, Area::Structures, std::move(header));
        for (uint32_t t = 1; t <= meshes; ++t) {
            const FixtureMesh& mesh = geometry[t - 1];
            const uint32_t mid = meshId(s, t);
            const bool firstMesh = first && t == 1;
            const uint32_t p = firstMesh && o.fault == ModelFault::TransparencyThree ? 3 : cycled(o.meshP, t);
            const uint32_t vertexCountHere = static_cast<uint32_t>(mesh.vertices.size());
            const uint32_t indexCount = static_cast<uint32_t>(mesh.indices.size());
            const uint32_t groups = indexCount / 3;
            const uint32_t vertexCount = firstMesh && o.fault == ModelFault::CountPastEnd ? 0x01000000 : vertexCountHere;
            const int vertices = draft.add(File::Common, Area::Data,
                                           {c.run(fixtureSeed(mid, FixtureRun::Vertices), 44ull * vertexCountHere,
                                                  vertexBytes(mesh))});
            std::string indices;
            if (c.patterned()) {
                indices = fixtureBytes(fixtureSeed(mid, FixtureRun::Triples), 6ull * groups);
                if (p != 0) indices += fixtureBytes(fixtureSeed(mid, FixtureRun::Sextuples), 12ull * groups);
            } else {
                indices = indexBytes(mesh, p != 0);
            }
            const int indexItem = draft.add(File::Common, Area::Data, {raw(std::move(indices))});
            const Piece vertexAddress = firstMesh && o.fault == ModelFault::AddressOutside ? w(0x7FFFFFF0) : at(vertices);
            // No support (-1), texture flags 0, one side.
            const uint32_t support = !firstMesh                                 ? 0xFFFFFFFF
                                     : o.fault == ModelFault::SupportOutOfRange ? 16
                                     : o.fault == ModelFault::MeshCountsDiffer  ? 0
                                                                                : 0xFFFFFFFF;
            const uint32_t sides = firstMesh && o.fault == ModelFault::TwoSides ? 2 : 1;
            const int record = draft.add(File::Unique, Area::Structures,
                                         {c.word(mid, 0, support), w(0), w(0), w(p), c.word(mid, 16, 0),
                                          c.word(mid, 20, sides), w(vertexCount), w(indexCount), vertexAddress,
                                          at(indexItem)});
            if (firstMesh) firstRecord = record;
            draft.parts()[meshArray].pieces.push_back(at(record));
            draft.reference(record, 4, textureSymbol(model, (t - 1) % std::max(o.textures, 1u) + 1));
            const bool lastMesh = s == o.shapes && t == meshes;
            if (!(lastMesh && o.fault == ModelFault::UnmatchedReference)) draft.reference(record, 8, "Opaque:txs");
        }
        if (o.fault != ModelFault::NoBoneShape) {
            draft.symbol(shapeSymbol(model, s), shape, File::Unique, modelLoaderType::BoneShape);
        }
    }
    return firstRecord;
}

// Key k of `count`, spread over the animation's two seconds; the restraint (bone 2) turns.
std::string keys(uint32_t count, uint32_t bone, bool rotation) {
    std::string out;
    for (uint32_t k = 0; k < count; ++k) {
        const float share = count > 1 ? static_cast<float>(k) / static_cast<float>(count - 1) : 0.0f;
        out += leFloat(2.0f * share);
        out += leFloat(rotation && bone == 2 ? -1.2f * share : 0.0f) + leFloat(0.0f) + leFloat(0.0f);
    }
    return out;
}

// A BoneAnim: header in the .common structures, bone records and keys in the .common data.
void addAnimation(ModelDraft& draft, const std::string& model, uint32_t k, const ModelFixtureOptions& o,
                  const Content& c) {
    const uint32_t id = animationId(k);
    std::vector<Piece> records;
    for (uint32_t b = 1; b <= o.animationBones; ++b) {
        const uint32_t kt = b % 2 == 0 ? 0 : o.translationKeys;
        const uint32_t kr = o.rotationKeys;
        records.push_back(draft.name(c.patterned() ? "AnimBone" + std::to_string(b) : realisticBone(b)));
        records.push_back(w(kt));
        records.push_back(kt > 0 ? at(draft.add(File::Common, Area::Data,
                                                 {c.run(fixtureSeed(id, FixtureRun::Translations, b), 16ull * kt,
                                                        keys(kt, b, false))}))
                                 : w(0));
        records.push_back(w(kr));
        records.push_back(kr > 0 ? at(draft.add(File::Common, Area::Data,
                                                 {c.run(fixtureSeed(id, FixtureRun::Rotations, b), 16ull * kr,
                                                        keys(kr, b, true))}))
                                 : w(0));
    }
    const int recordItem = draft.add(File::Common, Area::Data, std::move(records));
    const int header =
        draft.add(File::Common, Area::Structures, {w(o.animationBones), at(recordItem), c.real(id, 8, 2.0f)});
    draft.symbol(animationSymbol(model, k), header, File::Common, modelLoaderType::BoneAnim);
}

// A FlexiTexture: header in the .common structures, words, frames, palettes and pictures in the data.
void addTexture(ModelDraft& draft, const std::string& model, uint32_t k, const ModelFixtureOptions& o, const Content& c) {
    const uint32_t id = textureId(k);
    const bool first = k == 1;
    const uint64_t picture = uint64_t{o.textureEdge} * o.textureEdge;
    const bool powerOfTwo = o.textureEdge != 0 && (o.textureEdge & (o.textureEdge - 1)) == 0;
    const uint32_t scale = powerOfTwo ? log2Of(o.textureEdge) : 0;
    const uint32_t flags = first && o.fault == ModelFault::TextureFlagsUnknown ? 0x11 : 1;  // the first colour may be chosen
    std::string steps;
    for (uint32_t i = 0; i < o.textureWords; ++i) {
        const bool pastFrames = first && i == 0 && o.fault == ModelFault::StepPastFrames;
        steps += le32(pastFrames ? o.frames : o.frames == 0 ? 0 : i % o.frames);
    }
    const int words =
        draft.add(File::Common, Area::Data, {c.run(fixtureSeed(id, FixtureRun::TextureWords), 4ull * o.textureWords, steps)});
    std::vector<Piece> frames;
    for (uint32_t f = 1; f <= o.frames; ++f) {
        const uint32_t fid = frameId(k, f);
        const bool alpha = !o.alphaFrames.empty() && o.alphaFrames[(f - 1) % o.alphaFrames.size()];
        const int palette =
            draft.add(File::Common, Area::Data, {c.run(fixtureSeed(fid, FixtureRun::Palette), 1024, texturePalette())});
        const int pixels = draft.add(File::Common, Area::Data,
                                     {c.run(fixtureSeed(fid, FixtureRun::Pixels), picture, texturePicture(o.textureEdge))});
        const uint32_t width = first && f == 1 && o.fault == ModelFault::FrameWidthDiffers ? o.textureEdge / 2 : o.textureEdge;
        frames.push_back(c.word(fid, 0, scale));
        frames.push_back(c.word(fid, 4, width));
        frames.push_back(c.word(fid, 8, o.textureEdge));
        frames.push_back(c.word(fid, 12, flags));
        frames.push_back(at(palette));
        frames.push_back(at(pixels));
        // Alpha: opaque but for a half-transparent top row.
        std::string alphaBytes(static_cast<size_t>(picture), '\xFF');
        for (uint32_t x = 0; x < o.textureEdge && x < picture; ++x) alphaBytes[x] = '\x80';
        frames.push_back(alpha ? at(draft.add(File::Common, Area::Data,
                                               {c.run(fixtureSeed(fid, FixtureRun::Alpha), picture, alphaBytes)}))
                               : w(0));
    }
    const int frameItem = draft.add(File::Common, Area::Data, std::move(frames));
    const int header = draft.add(File::Common, Area::Structures,
                                 {c.word(id, 0, scale), w(o.textureEdge), c.word(id, 8, o.textureEdge), c.word(id, 12, 0),
                                  c.word(id, 16, flags), w(o.textureWords), at(words), w(o.frames), at(frameItem)});
    const uint32_t type = o.fault == ModelFault::TextureUnderSplineType ? modelLoaderType::Spline : modelLoaderType::FlexiTexture;
    if (o.fault != ModelFault::NoTexture) draft.symbol(textureSymbol(model, k), header, File::Common, type);
}

// A Spline as PeepPathSplinePair makes spline k - 1: nodes, lengths, records in the data.
void addSpline(ModelDraft& draft, const std::string& model, uint32_t k, const ModelFixtureOptions& o) {
    FixtureSpline spline{splineSymbol(model, k), o.splineNodes, o.splineClosed, File::Common};
    const size_t s = k - 1;
    const int records = draft.add(File::Common, Area::Data, {raw(fixtureSplineRecords(s, spline))});
    const int lengths = draft.add(File::Common, Area::Data, {raw(fixtureSplineLengths(s, spline))});
    const int nodes = draft.add(File::Common, Area::Data, {raw(fixtureSplineNodes(s, spline))});
    const int header = draft.add(File::Common, Area::Structures,
                                 {w(spline.nodes), at(nodes), w(spline.closed), raw(fixtureSplineHead(s, spline)),
                                  at(lengths), at(records), raw(fixtureSplineWord28())});
    draft.symbol(spline.symbol, header, File::Common, modelLoaderType::Spline);
}

}  // namespace

std::string fixtureBytes(uint32_t seed, uint64_t count) {
    std::string out(static_cast<size_t>(count), '\0');
    const uint32_t mixed = seed * 2654435761u;
    for (uint64_t i = 0; i < count; ++i) {
        out[static_cast<size_t>(i)] = static_cast<char>(((mixed >> 24) + (mixed >> 8) + 31 * i + (i >> 8)) & 0xFF);
    }
    return out;
}

std::string shapeSymbol(const std::string& model, uint32_t s) { return model + "Shape" + std::to_string(s) + ":bsh"; }
std::string animationSymbol(const std::string& model, uint32_t k) {
    return k == 0 ? "AnimationTemplate:ban" : model + "Anim" + std::to_string(k) + ":ban";
}
std::string textureSymbol(const std::string& model, uint32_t k) { return model + "Texture" + std::to_string(k) + ":ftx"; }
std::string splineSymbol(const std::string& model, uint32_t k) { return model + "Spline" + std::to_string(k) + ":spl"; }

HandMadeOvlPair modelPairFixture(const std::string& model, const ModelFixtureOptions& o) {
    const Content content(o);
    ModelDraft draft;
    const int firstLevel = addVisual(draft, model, o, content);
    const int firstMeshRecord = addShapes(draft, model, o, content);
    if (o.animationTemplate) addAnimation(draft, model, 0, o, content);
    for (uint32_t k = 1; k <= o.animations; ++k) addAnimation(draft, model, k, o, content);
    for (uint32_t k = 1; k <= o.textures; ++k) addTexture(draft, model, k, o, content);
    for (uint32_t k = 1; k <= o.splines; ++k) addSpline(draft, model, k, o);
    const int extra = draft.add(File::Unique, Area::Structures, {w(0)});
    if (o.fault == ModelFault::NoIndices && firstMeshRecord >= 0) {
        // The empty index list at the very end of the pair, where nothing is read.
        draft.parts()[firstMeshRecord].pieces[9] = at(draft.add(File::Unique, Area::Structures, {}));
    }
    switch (o.fault) {
        case ModelFault::StaticShape: draft.symbol(model + "Static:shs", extra, File::Unique, 0); break;
        case ModelFault::RideCar: draft.symbol(model + "Car:ric", extra, File::Unique, 0); break;
        case ModelFault::RideTrain: draft.symbol(model + "Train:rit", extra, File::Unique, 0); break;
        case ModelFault::NoSymbolReferences: draft.references().clear(); break;
        default: break;
    }
    if (o.fault == ModelFault::UnterminatedName && firstLevel >= 0) {
        // The last bytes of the .common data (laid out in order): no NUL follows the name there.
        draft.parts()[firstLevel].pieces[1] = at(draft.add(File::Common, Area::Data, {raw("LOD1")}));
    }

    HandMadeOvlPair pair = draft.make(o.scattered);
    std::array<uint32_t, 9> tooMany{};
    tooMany[4] = 51;
    switch (o.fault) {
        case ModelFault::CommonVersion2: pair.commonFaults.version = 2; break;
        case ModelFault::UniqueVersion2: pair.uniqueFaults.version = 2; break;
        case ModelFault::CommonBlocks51: pair.commonFaults.blockCounts = tooMany; break;
        case ModelFault::UniqueBlocks51: pair.uniqueFaults.blockCounts = tooMany; break;
        case ModelFault::CommonBlocks50: pair.commonFaults.emptyType5Blocks = 50; break;
        case ModelFault::UniqueBlocks50: pair.uniqueFaults.emptyType5Blocks = 50; break;
        case ModelFault::NoStringTable: pair.commonFaults.emptyStringTable = true; break;
        default: break;
    }
    return pair;
}

void writeModelPairFixture(const std::filesystem::path& folder, const std::string& model, const ModelFixtureOptions& o) {
    const HandMadeOvlPair pair = modelPairFixture(model, o);
    std::string common = pair.commonBytes();
    std::string unique = pair.uniqueBytes();
    if (o.fault == ModelFault::Truncated) unique.resize(unique.size() / 2);
    for (const auto& [suffix, bytes, leftOut] : {std::tuple{".common.ovl", &common, o.fault == ModelFault::MissingCommon},
                                                 std::tuple{".unique.ovl", &unique, o.fault == ModelFault::MissingUnique}}) {
        const std::filesystem::path path = folder / pathFromCp1252(model + suffix);
        std::filesystem::remove(path);
        if (leftOut) continue;
        std::ofstream out(path, std::ios::binary);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        if (!out) throw std::runtime_error("cannot write the fixture " + path.string());
    }
}

std::vector<LoaderType> modelLoaderTypes() {
    return {{"RCT3", "BoneAnim", 1, "ban"},
            {"RCT3", "BoneShape", 1, "bsh"},
            {"FGDK", "FlexiTexture", 1, "ftx"},
            {"FGDK", "Spline", 1, "spl"},
            {"RCT3", "SceneryItemVisual", 1, "svd"}};
}

std::vector<DemoModel> demoModels() {
    // Small cars: a body with two rows of seats (a few hundred vertices), bones for the car and its
    // restraint, the restraint's opening as an animation, one 64 × 64 texture; two levels of detail.
    ModelFixtureOptions car;
    car.levelAnimations = {2, 0};
    car.meshP = {0};
    car.bones = 2;
    car.animations = 1;
    car.animationBones = 2;
    car.translationKeys = 2;
    car.rotationKeys = 3;
    car.textures = 1;
    car.textureEdge = 64;
    car.frames = 1;
    car.alphaFrames = {false};
    car.textureWords = 1;
    car.splines = 0;
    auto with = [&](CarPart part) {
        ModelFixtureOptions o = car;
        o.geometry = {carPartMesh(part)};
        return o;
    };
    return {{"Beispielbahn_Front", with(CarPart::FrontCar)},
            {"Beispielbahn_Mitte", with(CarPart::MiddleCar)},
            {"Beispielbahn_MitteBuegel", with(CarPart::RestraintBar)},
            {"Beispielbahn_Heck", with(CarPart::RearCar)}};
}

}  // namespace zw::test
