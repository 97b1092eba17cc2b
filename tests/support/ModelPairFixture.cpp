#include "support/ModelPairFixture.h"

#include <algorithm>
#include <array>
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
    void symbol(const std::string& name, int part, File file) {
        HandMadeOvlPair::Symbol s;
        s.name = name;
        s.item = part;
        s.file = file;
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
void addVisual(ModelDraft& draft, const std::string& model, const ModelFixtureOptions& o) {
    const uint32_t levels = static_cast<uint32_t>(o.levelAnimations.size());
    const int header = draft.add(File::Unique, Area::Structures, {});
    const int levelArray = draft.add(File::Unique, Area::Structures, {});
    std::vector<Piece> levelPointers;
    for (uint32_t d = 1; d <= levels; ++d) {
        const uint32_t id = levelId(d);
        const uint32_t a = o.levelAnimations[d - 1];
        int pointers = -1;
        int slots = -1;
        if (a > 0) {
            pointers = draft.add(File::Unique, Area::Structures, {});
            slots = draft.add(File::Unique, Area::Structures, {});
        }
        std::vector<Piece> level = {fw(id, 0), draft.name("LOD" + std::to_string(d)), fw(id, 8), fw(id, 12), w(0), fw(id, 20)};
        for (uint32_t offset = 24; offset <= 56; offset += 4) level.push_back(fw(id, offset));
        level.push_back(w(a));
        level.push_back(fw(id, 64));
        level.push_back(a > 0 ? at(pointers) : w(0));
        const int record = draft.add(File::Unique, Area::Structures, std::move(level));
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
    for (uint32_t offset = 0; offset < 20; offset += 4) h.push_back(fw(visualId(), offset));
    h.push_back(w(levels));
    h.push_back(at(levelArray));
    for (uint32_t offset = 28; offset < 52; offset += 4) h.push_back(fw(visualId(), offset));
    const std::string name = o.fault == ModelFault::VisualNameDiffers ? "Other:svd" : model + ":svd";
    if (o.fault != ModelFault::NoVisual) draft.symbol(name, header, File::Unique);
    if (o.fault == ModelFault::TwoVisuals) draft.symbol(model + "2:svd", header, File::Unique);
}

// The BoneShapes: header, mesh array and mesh records in the .unique file, the rest in the .common.
void addShapes(ModelDraft& draft, const std::string& model, const ModelFixtureOptions& o) {
    for (uint32_t s = 1; s <= o.shapes; ++s) {
        const uint32_t id = shapeId(s);
        const bool first = s == 1;
        const uint32_t meshes = first && o.fault == ModelFault::NoMeshes ? 0 : o.meshes;
        const uint32_t bones = first && o.fault == ModelFault::NoBones ? 0 : o.bones;
        std::vector<Piece> boneList;
        for (uint32_t b = 1; b <= bones; ++b) {
            boneList.push_back(draft.name("Bone" + std::to_string(b)));
            boneList.push_back(fw(id, 0x1000 + b));
        }
        const int boneItem = draft.add(File::Common, Area::Data, std::move(boneList));
        const int firstMatrices =
            draft.add(File::Common, Area::Data, {raw(fixtureBytes(fixtureSeed(id, FixtureRun::FirstMatrices), 64ull * bones))});
        const int secondMatrices =
            draft.add(File::Common, Area::Data, {raw(fixtureBytes(fixtureSeed(id, FixtureRun::SecondMatrices), 64ull * bones))});
        const int meshArray = draft.add(File::Unique, Area::Structures, {});
        std::vector<Piece> header;
        for (uint32_t offset = 0; offset < 32; offset += 4) header.push_back(fw(id, offset));
        header.push_back(w(meshes));
        header.push_back(fw(id, 36));
        header.push_back(at(meshArray));
        header.push_back(w(bones));
        header.push_back(at(boneItem));
        header.push_back(at(firstMatrices));
        header.push_back(at(secondMatrices));
        const int shape = draft.add(File::Unique, Area::Structures, std::move(header));
        for (uint32_t t = 1; t <= meshes; ++t) {
            const uint32_t mid = meshId(s, t);
            const uint32_t p = cycled(o.meshP, t);
            const uint32_t groups = o.indices / 3;
            const bool firstMesh = first && t == 1;
            const uint32_t vertexCount = firstMesh && o.fault == ModelFault::CountPastEnd ? 0x01000000 : o.vertices;
            const int vertices =
                draft.add(File::Common, Area::Data, {raw(fixtureBytes(fixtureSeed(mid, FixtureRun::Vertices), 44ull * o.vertices))});
            std::string indices = fixtureBytes(fixtureSeed(mid, FixtureRun::Triples), 6ull * groups);
            if (p != 0) indices += fixtureBytes(fixtureSeed(mid, FixtureRun::Sextuples), 12ull * groups);
            const int indexItem = draft.add(File::Common, Area::Data, {raw(std::move(indices))});
            const Piece vertexAddress = firstMesh && o.fault == ModelFault::AddressOutside ? w(0x7FFFFFF0) : at(vertices);
            const int record = draft.add(File::Unique, Area::Structures,
                                         {fw(mid, 0), w(0), w(0), w(p), fw(mid, 16), fw(mid, 20), w(vertexCount),
                                          w(o.indices), vertexAddress, at(indexItem)});
            draft.parts()[meshArray].pieces.push_back(at(record));
            draft.reference(record, 4, textureSymbol(model, (t - 1) % std::max(o.textures, 1u) + 1));
            const bool lastMesh = s == o.shapes && t == meshes;
            if (!(lastMesh && o.fault == ModelFault::UnmatchedReference)) draft.reference(record, 8, "Opaque:txs");
        }
        if (o.fault != ModelFault::NoBoneShape) draft.symbol(shapeSymbol(model, s), shape, File::Unique);
    }
}

// A BoneAnim: header in the .common structures, bone records and keys in the .common data.
void addAnimation(ModelDraft& draft, const std::string& model, uint32_t k, const ModelFixtureOptions& o) {
    const uint32_t id = animationId(k);
    std::vector<Piece> records;
    for (uint32_t b = 1; b <= o.animationBones; ++b) {
        const uint32_t kt = b % 2 == 0 ? 0 : o.translationKeys;
        const uint32_t kr = o.rotationKeys;
        records.push_back(draft.name("AnimBone" + std::to_string(b)));
        records.push_back(w(kt));
        records.push_back(kt > 0 ? at(draft.add(File::Common, Area::Data,
                                                 {raw(fixtureBytes(fixtureSeed(id, FixtureRun::Translations, b), 16ull * kt))}))
                                 : w(0));
        records.push_back(w(kr));
        records.push_back(kr > 0 ? at(draft.add(File::Common, Area::Data,
                                                 {raw(fixtureBytes(fixtureSeed(id, FixtureRun::Rotations, b), 16ull * kr))}))
                                 : w(0));
    }
    const int recordItem = draft.add(File::Common, Area::Data, std::move(records));
    const int header = draft.add(File::Common, Area::Structures, {w(o.animationBones), at(recordItem), fw(id, 8)});
    draft.symbol(animationSymbol(model, k), header, File::Common);
}

// A FlexiTexture: header in the .common structures, words, frames, palettes and pictures in the data.
void addTexture(ModelDraft& draft, const std::string& model, uint32_t k, const ModelFixtureOptions& o) {
    const uint32_t id = textureId(k);
    const uint64_t picture = uint64_t{o.textureEdge} * o.textureEdge;
    const int words = draft.add(File::Common, Area::Data,
                                {raw(fixtureBytes(fixtureSeed(id, FixtureRun::TextureWords), 4ull * o.textureWords))});
    std::vector<Piece> frames;
    for (uint32_t f = 1; f <= o.frames; ++f) {
        const uint32_t fid = frameId(k, f);
        const bool alpha = !o.alphaFrames.empty() && o.alphaFrames[(f - 1) % o.alphaFrames.size()];
        const int palette = draft.add(File::Common, Area::Data, {raw(fixtureBytes(fixtureSeed(fid, FixtureRun::Palette), 1024))});
        const int pixels = draft.add(File::Common, Area::Data, {raw(fixtureBytes(fixtureSeed(fid, FixtureRun::Pixels), picture))});
        for (uint32_t offset = 0; offset < 16; offset += 4) frames.push_back(fw(fid, offset));
        frames.push_back(at(palette));
        frames.push_back(at(pixels));
        frames.push_back(alpha ? at(draft.add(File::Common, Area::Data,
                                               {raw(fixtureBytes(fixtureSeed(fid, FixtureRun::Alpha), picture))}))
                               : w(0));
    }
    const int frameItem = draft.add(File::Common, Area::Data, std::move(frames));
    const int header = draft.add(File::Common, Area::Structures,
                                 {fw(id, 0), w(o.textureEdge), fw(id, 8), fw(id, 12), fw(id, 16), w(o.textureWords),
                                  at(words), w(o.frames), at(frameItem)});
    if (o.fault != ModelFault::NoTexture) draft.symbol(textureSymbol(model, k), header, File::Common);
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
    draft.symbol(spline.symbol, header, File::Common);
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
    ModelDraft draft;
    addVisual(draft, model, o);
    addShapes(draft, model, o);
    if (o.animationTemplate) addAnimation(draft, model, 0, o);
    for (uint32_t k = 1; k <= o.animations; ++k) addAnimation(draft, model, k, o);
    for (uint32_t k = 1; k <= o.textures; ++k) addTexture(draft, model, k, o);
    for (uint32_t k = 1; k <= o.splines; ++k) addSpline(draft, model, k, o);
    const int extra = draft.add(File::Unique, Area::Structures, {w(0)});
    switch (o.fault) {
        case ModelFault::StaticShape: draft.symbol(model + "Static:shs", extra, File::Unique); break;
        case ModelFault::RideCar: draft.symbol(model + "Car:ric", extra, File::Unique); break;
        case ModelFault::RideTrain: draft.symbol(model + "Train:rit", extra, File::Unique); break;
        case ModelFault::NoSymbolReferences: draft.references().clear(); break;
        default: break;
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

std::vector<DemoModel> demoModels() {
    // Small enough to keep in the repository (a few KB each), big enough to hold every kind of part.
    ModelFixtureOptions front;
    front.levelAnimations = {2, 0};
    front.vertices = 8;
    front.indices = 12;
    front.textureEdge = 16;
    ModelFixtureOptions middle = front;
    middle.shapes = 2;
    ModelFixtureOptions bar = front;
    bar.levelAnimations = {0};
    bar.meshes = 1;
    bar.meshP = {0};
    bar.animationTemplate = false;
    bar.animations = 0;
    bar.frames = 1;
    bar.alphaFrames = {false};
    bar.splines = 0;
    ModelFixtureOptions rear = front;
    rear.splines = 2;
    return {{"Beispielbahn_Front", front},
            {"Beispielbahn_Mitte", middle},
            {"Beispielbahn_MitteBuegel", bar},
            {"Beispielbahn_Heck", rear}};
}

}  // namespace zw::test
