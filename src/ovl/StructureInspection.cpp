#include "ovl/StructureInspection.h"

#include "base/Encoding.h"
#include "ovl/StructureDecoders.h"
#include "ovl/StructureSpace.h"

namespace zw {
namespace {

constexpr StructureKind kKinds[] = {
    {"SceneryItemVisual", "svd", decodeSceneryItemVisual},
    {"BoneShape", "bsh", decodeBoneShape},
    {"BoneAnim", "ban", decodeBoneAnim},
    {"FlexiTexture", "ftx", decodeFlexiTexture},
    {"Spline", "spl", decodeSpline},
    {"TrackedRide", "trr", decodeTrackedRide},
    {"RideCar", "ric", decodeRideCar},
    {"RideTrain", "rit", decodeRideTrain},
    {"GUISkinItem", "gsi", decodeGuiSkinItem},
    {"Texture", "tex", decodeTexture},
    {"Flic", "flic", decodeFlic},
};

// The symbol's tag without its colon: what follows the last colon.
std::string tagOf(const std::string& symbol) {
    const size_t colon = symbol.rfind(':');
    return colon == std::string::npos ? std::string() : symbol.substr(colon + 1);
}

class Inspection {
public:
    Inspection(const StructureSpace& space, bool listed) : space_(space) {
        if (!listed) report_.skipListing();
    }

    StructureInspection run() {
        report_.listing << "structures: " << space_.structures().size() << '\n';
        for (const SpaceStructure& s : space_.structures()) structure(s);
        unusedLoaderTypes();
        return {cp1252ToUtf8(report_.listing.str()), std::move(report_.findings)};
    }

private:
    const LoaderType* loaderTypeOf(const SpaceStructure& s) const {
        const auto& types = space_.loaderTypes();
        return s.loaderType && *s.loaderType < types.size() ? &types[*s.loaderType] : nullptr;
    }

    void structure(const SpaceStructure& s) {
        const std::string tag = tagOf(s.symbol);
        const LoaderType* type = loaderTypeOf(s);
        const StructureKind* byType = type ? structureKindOfType(type->type) : nullptr;
        const StructureKind* byTag = tag.empty() ? nullptr : structureKindOfTag(tag);
        const bool mismatch = type != nullptr && !s.symbol.empty() && type->tag != tag;
        const StructureKind* kind = byTag != nullptr && (mismatch || byType == nullptr) ? byTag : byType;

        std::string label = kind ? std::string(kind->type) : type ? type->type : std::string("structure");
        if (!s.symbol.empty()) label += " \"" + s.symbol + "\"";
        report_.listing << "  " << label << " at " << s.address << " (" << space_.fileName(s.file);
        if (s.loaderType) report_.listing << ", loader type " << *s.loaderType;
        report_.listing << ")\n";
        if (mismatch) {
            StructureFinding f;
            f.aboutLoaderTables = true;
            f.file = space_.fileName(s.file);
            f.structure = label;
            f.address = s.loaderEntry;
            f.offset = kLoaderTypeField;
            f.field = "loader type";
            f.value = std::to_string(*s.loaderType) + " (" + type->type + ")";
            f.reason = "structureLoaderTypeMismatch";
            f.reasonArgs = {tag, type->tag};
            report_.findings.push_back(std::move(f));
        }
        if (kind != nullptr) {
            kind->decode(space_, report_, s, label);
        } else {
            report_.listing << "    not decoded: a kind this program does not know\n";
        }
    }

    // A loader type whose tag some symbols carry, none of which is filed under it.
    void unusedLoaderTypes() {
        const auto& types = space_.loaderTypes();
        for (uint32_t row = 0; row < types.size(); ++row) {
            size_t carrying = 0;
            bool used = false;
            for (const SpaceStructure& s : space_.structures()) {
                if (s.symbol.empty() || tagOf(s.symbol) != types[row].tag) continue;
                ++carrying;
                used = used || (s.loaderType && *s.loaderType == row);
            }
            if (carrying == 0 || used) continue;
            StructureFinding f;
            f.severity = StructureSeverity::Note;
            f.aboutLoaderTables = true;
            f.file = space_.fileName(OvlFileKind::Common);
            f.reason = "structureLoaderTypeUnused";
            f.reasonArgs = {std::to_string(row), types[row].type, types[row].tag, std::to_string(carrying)};
            report_.findings.push_back(std::move(f));
        }
    }

    const StructureSpace& space_;
    StructureReport report_;
};

}  // namespace

const StructureKind* structureKindOfType(std::string_view type) {
    for (const StructureKind& k : kKinds) {
        if (k.type == type) return &k;
    }
    return nullptr;
}

const StructureKind* structureKindOfTag(std::string_view tag) {
    for (const StructureKind& k : kKinds) {
        if (k.tag == tag) return &k;
    }
    return nullptr;
}

StructureInspection inspectStructures(const StructureSpace& space) { return Inspection(space, true).run(); }

StructureInspection checkStructures(const StructureSpace& space) { return Inspection(space, false).run(); }

StructureInspection inspectStructures(const OvlPairReader& pair) { return inspectStructures(StructureSpace::of(pair)); }

StructureInspection inspectStructures(const ModelPair& model) { return inspectStructures(StructureSpace::of(model)); }

}  // namespace zw
