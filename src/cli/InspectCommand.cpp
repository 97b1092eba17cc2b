// "inspect [--structures] [--icon FILE.png] [--textures DIR] [--render FILE.png [--yaw DEG]
// [--pitch DEG] [--size N]] PAIR" lists what an OVL pair holds and checks it, structures included;
// each finding is one message line, and a closing line counts errors and notes. Errors stop the command (exit 1), notes do not. --structures
// prints every structure field by field; --icon writes the ride pair's own icon as a PNG file,
// --textures each FlexiTexture frame of a car pair into DIR; --render draws the model of a model
// pair, or the front, middle and rear cars of a car pair side by side (N × N pixels each).

#include <cctype>
#include <charconv>
#include <cmath>
#include <ostream>
#include <system_error>

#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/SafeFile.h"
#include "cli/Commands.h"
#include "ovl/CarPairPicture.h"
#include "ovl/ModelRenderer.h"
#include "ovl/ModelScene.h"
#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"
#include "ovl/PairPictures.h"
#include "ovl/PngEncoding.h"
#include "ovl/StructureSpace.h"

namespace zw::cli {
namespace {

std::string shownName(const std::filesystem::path& path) {
    try {
        return pathToCp1252(path.filename());
    } catch (const EncodingError&) {
        return "?";
    }
}

// A pair named by its folder (as a build makes it: <folder>/<name>/<name>.common.ovl) stands for
// the pair of the folder's name inside it; anything else is the pair's base path or either file.
std::filesystem::path pairBase(const std::filesystem::path& argument) {
    std::error_code error;
    if (!std::filesystem::is_directory(argument, error)) return argument;
    // "CTR_X/", "." and "../CTR_X" name their folder too.
    std::filesystem::path folder = std::filesystem::absolute(argument, error).lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    return argument / folder.filename();
}

struct InspectArguments {
    std::string pair;
    bool structures = false;
    std::optional<std::string> icon;      // the PNG file to write
    std::optional<std::string> textures;  // the folder to write into
    std::optional<std::string> render;    // the PNG file to draw the model or cars into
    RenderView view;
};

// The largest picture edge --size takes: a car pair's picture is three of them wide.
constexpr uint32_t kLargestRenderSize = 4096;

float numberArgument(const std::string& option, const std::string& text) {
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        throw UsageProblem(option + " needs a number, not \"" + text + "\"");
    }
    return value;
}

InspectArguments parse(std::span<const std::string> args) {
    InspectArguments parsed;
    std::optional<std::string> pair;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--structures") {
            parsed.structures = true;
        } else if (word == "--icon" || word == "--textures") {
            if (i + 1 >= args.size()) throw UsageProblem(word + " needs a " + (word == "--icon" ? "file" : "folder"));
            (word == "--icon" ? parsed.icon : parsed.textures) = args[++i];
        } else if (word == "--render") {
            if (i + 1 >= args.size()) throw UsageProblem("--render needs a file");
            parsed.render = args[++i];
        } else if (word == "--yaw" || word == "--pitch" || word == "--size") {
            if (i + 1 >= args.size()) throw UsageProblem(word + " needs a number");
            const float value = numberArgument(word, args[++i]);
            if (word == "--yaw") parsed.view.yawDegrees = value;
            if (word == "--pitch") parsed.view.pitchDegrees = value;
            if (word == "--size") {
                if (value < 16 || value > kLargestRenderSize || value != std::floor(value)) {
                    throw UsageProblem("--size takes a whole number from 16 to " + std::to_string(kLargestRenderSize));
                }
                parsed.view.width = parsed.view.height = static_cast<uint32_t>(value);
            }
        } else if (!pair && !word.starts_with("--")) {
            pair = word;
        } else {
            throw UsageProblem("inspect takes one pair and the options --structures, --icon FILE, --textures DIR, "
                               "--render FILE with --yaw DEG, --pitch DEG, --size N");
        }
    }
    if (!pair) throw UsageProblem("inspect needs one pair: its folder, DIR/NAME or either file of the pair");
    parsed.pair = *pair;
    return parsed;
}

// A texture's name as part of a file name: the pair chooses it, so nothing in it may lead out of the
// folder; letters, digits and "-_ " stay, anything else becomes "_".
std::string fileNamePart(const std::string& cp1252) {
    std::string out = cp1252;
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (!(std::isalnum(u) || u >= 0xC0 || c == '-' || c == '_' || c == ' ')) c = '_';
    }
    return out.empty() ? "_" : out;
}

// Writes one picture; false after a message.
bool writePicture(Context& context, const RgbaPicture& picture, const std::filesystem::path& path) {
    const std::optional<std::string> png = encodePng(picture);
    const std::error_code error =
        png ? writeFileAtomically(path, *png) : std::make_error_code(std::errc::not_enough_memory);
    if (error) {
        context.showMessage("ovlFileNotWritten", {displayName(path), asciiOnlyText(error.message())});
        return false;
    }
    context.out() << shownPath(path) << '\n';
    return true;
}

bool writeIcon(Context& context, const StructureSpace& space, const std::filesystem::path& path) {
    const std::optional<RgbaPicture> icon = rideIconPicture(space);
    if (!icon) {
        context.showMessage("inspectNoIcon", {space.fileName(OvlFileKind::Common)});
        return false;
    }
    return writePicture(context, *icon, path);
}

bool writeTextures(Context& context, const StructureSpace& space, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        context.showMessage("outputFolderNotCreated", {displayName(folder), asciiOnlyText(error.message())});
        return false;
    }
    bool written = true;
    const size_t frames = forEachTextureFrame(space, [&](const TextureFrame& t) {
        // One file a frame: <texture>.png, or <texture>_<frame>.png for a texture of several frames.
        const std::string name =
            fileNamePart(t.texture) + (t.frames == 1 ? std::string() : "_" + std::to_string(t.frame));
        written = writePicture(context, t.picture, folder / pathFromCp1252(name + ".png"));
        return written;
    });
    if (frames == 0) {
        context.showMessage("inspectNoTextures", {space.fileName(OvlFileKind::Common)});
        return false;
    }
    return written;
}

// Draws the cars of a car pair, or else the model of a model pair; false after a message.
bool writeRendering(Context& context, const StructureSpace& space, const RenderView& view,
                    const std::filesystem::path& path) {
    const std::vector<CarScene> cars = carPairScenes(space);
    if (!cars.empty()) {
        bool drawn = false;
        for (const CarScene& car : cars) {
            if (!car.result.scene) {
                context.dialogs().showMessage(car.role + ": " + car.result.problem.text(context.language()));
                continue;
            }
            drawn = true;
            for (const SceneProblem& note : car.result.scene->notes) {
                context.dialogs().showMessage(car.role + ": " + note.text(context.language()));
            }
        }
        return writePicture(context, carPairPicture(cars, view, context.language()), path) && drawn;
    }
    const SceneResult model = modelPairScene(space);
    if (!model.scene) {
        context.dialogs().showMessage(model.problem.text(context.language()));
        return false;
    }
    for (const SceneProblem& note : model.scene->notes) context.dialogs().showMessage(note.text(context.language()));
    return writePicture(context, renderScene(*model.scene, view), path);
}

int run(Context& context, std::span<const std::string> args) {
    const InspectArguments arguments = parse(args);
    if ((arguments.icon || arguments.textures || arguments.render) && !pngAvailable()) {
        context.showMessage("inspectNoPng");
        return ExitCode::Stopped;
    }
    const OvlPairPaths paths = ovlPairPaths(pairBase(pathFromArgument(arguments.pair)));
    std::optional<std::string> common = readWholeFile(paths.common);
    if (!common) {
        context.showMessage("ovlFileNotOpened", {shownName(paths.common)});
        return ExitCode::Stopped;
    }
    std::optional<std::string> unique = readWholeFile(paths.unique);
    if (!unique) {
        context.showMessage("ovlFileNotOpened", {shownName(paths.unique)});
        return ExitCode::Stopped;
    }

    try {
        const OvlPairReader pair(std::move(*common), shownName(paths.common), std::move(*unique),
                                 shownName(paths.unique));
        const OvlPairInspection inspection = inspectOvlPair(pair, context.language());
        context.out() << inspection.listing;
        if (arguments.structures) context.out() << inspection.structures;
        context.out() << std::flush;
        for (const std::string& violation : inspection.violations) context.dialogs().showMessage(violation);
        for (const std::string& note : inspection.notes) context.dialogs().showMessage(note);
        context.out() << message("checkSummary", context.language(),
                                 {std::to_string(inspection.violations.size()), std::to_string(inspection.notes.size())})
                      << std::endl;
        bool pictures = true;
        if (arguments.icon || arguments.textures || arguments.render) {
            const StructureSpace space = StructureSpace::of(pair);
            if (arguments.render) {
                pictures = writeRendering(context, space, arguments.view, pathFromArgument(*arguments.render)) && pictures;
            }
            if (arguments.icon) pictures = writeIcon(context, space, pathFromArgument(*arguments.icon)) && pictures;
            if (arguments.textures) {
                pictures = writeTextures(context, space, pathFromArgument(*arguments.textures)) && pictures;
            }
        }
        return inspection.violations.empty() && pictures ? ExitCode::Done : ExitCode::Stopped;
    } catch (const BinaryReadError& e) {
        std::string detail = e.what();
        if (detail.rfind(e.source + ": ", 0) == 0) detail.erase(0, e.source.size() + 2);
        context.showMessage("ovlFileMalformed", {e.source, detail});
        return ExitCode::Stopped;
    }
}

const Registration registration{{
    .name = "inspect",
    .usage = "inspect [--structures] [--icon FILE.png] [--textures DIR] [--render FILE.png [--yaw DEG] [--pitch DEG] "
             "[--size N]] PAIR   the folder, DIR/NAME or either file of an OVL pair: lists it and checks it; --render "
             "draws its model, or its front, middle and rear cars",
    .run = run,
    // Reads the pair and nothing of the game.
    .touchesNoGame = [](std::span<const std::string>) { return true; },
}};

}  // namespace
}  // namespace zw::cli
