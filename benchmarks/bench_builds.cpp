// What the builds cost next to copying their bytes: Google Benchmark cases for reading and
// rewriting a ride data file of 5000 lines, building the ride pair, and building a car pair whose
// model (made by the fixture generator) is named by two roles, once with a large model and once
// with one twice as large; and drawing a model of 200 000 vertices at 512 × 512 (the copy beside it
// writes the picture's bytes), and the car preview's picture of the three demo cars at 800 × 600.
//
//   bench_builds [--benchmark_repetitions=N ...]    (scripts/bench.sh runs it)
//
// Each case times only the work itself; the same iteration also copies the case's bytes plainly
// (reads its input files once, writes as many bytes as its output files hold) and reports:
//   copy_ms     the time of that copy, per iteration;
//   ratio       the case's time over the copy's, summed over the iterations of one repetition;
//   user_ms, system_ms  the processor time of the case in the program's own code and in the kernel;
//   peak_MiB    how far the resident memory of the process rose above where it stood when the case
//               began, the highest of its iterations (Linux: freed memory is handed back to the
//               system and the kernel's high-water mark reset before each iteration; elsewhere the
//               process's peak is reported as it is);
//   input_MiB, output_MiB  the bytes read and written.
// Not a test: the numbers depend on the machine and its load.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "base/SafeFile.h"
#include "base/Settings.h"
#include "builders/CarBuilder.h"
#include "builders/RideBuilder.h"
#include "install/GameFolderCheck.h"
#include "datafiles/CarData.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/Lookups.h"
#include "datafiles/RideData.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "ovl/CarPairPicture.h"
#include "ovl/ModelRenderer.h"
#include "ovl/ModelScene.h"
#include "ovl/OvlPairReader.h"
#include "ovl/OvlWriter.h"
#include "ovl/StructureSpace.h"
#include "support/GameFolderFixture.h"
#include "support/ModelPairFixture.h"
#include "support/ScriptedDialogs.h"
#include "workflow/ReportShowing.h"

#ifndef ZW_SOURCE_DIR
#error "ZW_SOURCE_DIR must name the source folder (the examples are read from it)"
#endif

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// ---- memory ----

// A value of /proc/self/status in kB, or -1.
long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    }
    return -1;
}

// Resets the high-water mark of the resident memory to what is resident now; false where the
// system has no such reset.
bool resetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    if (!clear) return false;
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

// Measures how far the resident memory rises during one piece of work.
class PeakMemory {
public:
    void begin() {
#ifdef __GLIBC__
        // Freed memory the allocator kept would be reused unseen: it goes back first, so what the
        // work touches counts.
        malloc_trim(0);
#endif
        resettable_ = resetPeakMemory();
        start_ = resettable_ ? statusKilobytes("VmRSS") : 0;
    }
    void end() {
        const long peak = statusKilobytes("VmHWM");
        if (peak >= 0) highest_ = std::max(highest_, static_cast<double>(peak - start_) / 1024.0);
    }
    double highestMiB() const { return highest_; }

private:
    bool resettable_ = false;
    long start_ = 0;
    double highest_ = 0;
};

// ---- processor time ----

// The processor time the process spent so far in its own code and in the kernel's, in ms.
struct ProcessorTime {
    double user = 0, system = 0;
    static ProcessorTime now() {
        ProcessorTime t;
#ifndef _WIN32
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        t.user = usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3;
        t.system = usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
#endif
        return t;
    }
};

// ---- the plain copy ----

std::string readFile(const fs::path& path) {
    std::optional<std::string> bytes = zw::readWholeFile(path);
    if (!bytes) throw std::runtime_error("cannot read " + path.string());
    return *bytes;
}

uint64_t fileBytes(const std::vector<fs::path>& files) {
    uint64_t total = 0;
    for (const fs::path& f : files) total += fs::file_size(f);
    return total;
}

// The floor a build is measured against: every input file read once, and as many bytes as the
// outputs hold written to files of those sizes, with plain reads and writes.
class PlainCopy {
public:
    PlainCopy(std::vector<fs::path> inputs, std::vector<uint64_t> outputSizes, fs::path scratch)
        : inputs_(std::move(inputs)), outputSizes_(std::move(outputSizes)), scratch_(std::move(scratch)) {
        fs::create_directories(scratch_);
        uint64_t largest = 1 << 16;
        for (uint64_t size : outputSizes_) largest = std::max(largest, size);
        filler_.assign(std::min<uint64_t>(largest, 1 << 20), 'x');
    }

    double run() {
        const auto start = Clock::now();
        std::vector<char> buffer(1 << 20);
        for (const fs::path& input : inputs_) {
            std::FILE* in = std::fopen(input.string().c_str(), "rb");
            if (!in) throw std::runtime_error("cannot open " + input.string());
            while (std::fread(buffer.data(), 1, buffer.size(), in) == buffer.size()) {
            }
            std::fclose(in);
        }
        for (size_t k = 0; k < outputSizes_.size(); ++k) {
            const fs::path output = scratch_ / ("copy" + std::to_string(k));
            std::FILE* out = std::fopen(output.string().c_str(), "wb");
            if (!out) throw std::runtime_error("cannot write " + output.string());
            for (uint64_t left = outputSizes_[k]; left > 0;) {
                const size_t piece = static_cast<size_t>(std::min<uint64_t>(left, filler_.size()));
                std::fwrite(filler_.data(), 1, piece, out);
                left -= piece;
            }
            std::fclose(out);
        }
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    uint64_t inputBytes() const { return fileBytes(inputs_); }
    uint64_t outputBytes() const {
        uint64_t total = 0;
        for (uint64_t s : outputSizes_) total += s;
        return total;
    }

private:
    std::vector<fs::path> inputs_;
    std::vector<uint64_t> outputSizes_;
    fs::path scratch_;
    std::string filler_;
};

// ---- the inputs ----

// ZW_BENCH_KEEP=FOLDER: the inputs and the built pairs are made there and kept, e.g. to compare the
// pairs of two builds of the program.
const char* keptFolder() { return std::getenv("ZW_BENCH_KEEP"); }

fs::path benchFolder() {
    static const fs::path folder = [] {
        fs::path f = keptFolder() ? fs::path(keptFolder())
                                  : fs::temp_directory_path() /
                                        ("zw_bench_builds_" + std::to_string(Clock::now().time_since_epoch().count()));
        fs::remove_all(f);
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

// The example ride file with comment lines spread between its lines, up to 5000 lines in all.
fs::path rideFileOf5000Lines() {
    static const fs::path file = [] {
        const std::string example = readFile(fs::path(ZW_SOURCE_DIR) / "examples" / "CTR_BahnDaten_Beispielbahn.txt");
        std::vector<std::string> lines;
        for (size_t begin = 0; begin < example.size();) {
            size_t end = example.find("\r\n", begin);
            if (end == std::string::npos) end = example.size();
            lines.push_back(example.substr(begin, end - begin));
            begin = end + 2;
        }
        const size_t wanted = 5000;
        const size_t fillers = wanted - lines.size();
        std::string text;
        size_t written = 0, filled = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            text += lines[i];
            if (++written < wanted) text += "\r\n";
            // After the header block, the comment lines go evenly between the example's lines.
            const size_t due = i < 5 ? 0 : fillers * (i - 4) / (lines.size() - 5);
            for (; filled < due && written < wanted; ++filled) {
                text += "// comment line " + std::to_string(filled) + ": the author's notes on the ride";
                if (++written < wanted) text += "\r\n";
            }
        }
        const fs::path folder = benchFolder() / "ride";
        fs::create_directories(folder);
        const fs::path path = folder / "CTR_BahnDaten_Beispielbahn.txt";
        if (zw::writeFileAtomically(path, text)) throw std::runtime_error("cannot write the ride file");
        return path;
    }();
    return file;
}

// The large model: about 200 000 vertices in 8 meshes and eight 256 × 256 textures of four frames,
// half of them with alpha data; `scale` 2 doubles the meshes and the textures.
zw::test::ModelFixtureOptions largeModel(uint32_t scale) {
    zw::test::ModelFixtureOptions o;
    o.shapes = 1;
    o.meshes = 8 * scale;
    o.vertices = 25000;
    o.indices = 3 * 25000;
    o.bones = 20;
    o.textures = 8 * scale;
    o.textureEdge = 256;
    o.frames = 4;
    o.alphaFrames = {true, false};
    o.animations = 2;
    o.animationBones = 20;
    o.translationKeys = 50;
    o.rotationKeys = 50;
    return o;
}

struct CarCase {
    zw::CarData car;
    std::vector<fs::path> inputs;  // the model pair, read once
};

// The example car file in `folderName` with its roles replaced: FrontCar and MiddleCar both name the
// model made with `options`.
CarCase carCase(const std::string& folderName, const zw::test::ModelFixtureOptions& options) {
    const fs::path folder = benchFolder() / folderName;
    fs::create_directories(folder);
    const std::string model = "BenchModel";
    zw::test::writeModelPairFixture(folder, model, options);
    const fs::path carFile = folder / "CTR_WagenDaten_Beispielzug.txt";
    fs::copy_file(fs::path(ZW_SOURCE_DIR) / "examples" / "CTR_WagenDaten_Beispielzug.txt", carFile,
                  fs::copy_options::overwrite_existing);
    zw::LoadedDataFiles files;
    zw::LookupResults results;
    zw::test::ScriptedDialogs dialogs;
    zw::Settings settings;
    CarCase c;
    if (!zw::showAndTake(dialogs, zw::Language::German, zw::readCarDataFile(carFile, files, results, settings),
                         c.car)) {
        throw std::runtime_error("the example car file was not read");
    }
    for (zw::CarRoleData& role : c.car.Roles) role = zw::CarRoleData{};
    c.car.role(zw::CarRole::FrontCar).ModelNamePartA = model;
    c.car.role(zw::CarRole::MiddleCar).ModelNamePartA = model;
    c.inputs = {folder / (model + ".common.ovl"), folder / (model + ".unique.ovl")};
    return c;
}

std::string firstMessage(const zw::test::ScriptedDialogs& dialogs) {
    const auto messages = dialogs.messages();
    return messages.empty() ? std::string("(no message)") : messages[0];
}

// Runs `work` once per iteration with the copy beside it, and reports the counters above.
template <class Work>
void measure(benchmark::State& state, PlainCopy& copy, Work&& work) {
    PeakMemory memory;
    double copyMs = 0, copyProcessorMs = 0, workMs = 0, userMs = 0, systemMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The copy's processor time too: on a shared machine the wall times of both sides swing with
        // the load, the time each spent on the processor far less.
        const ProcessorTime copyStart = ProcessorTime::now();
        copyMs += copy.run();
        const ProcessorTime copyEnd = ProcessorTime::now();
        copyProcessorMs += copyEnd.user - copyStart.user + copyEnd.system - copyStart.system;
        memory.begin();
        state.ResumeTiming();
        const ProcessorTime before = ProcessorTime::now();
        const auto start = Clock::now();
        const std::optional<std::string> failure = work();
        workMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        const ProcessorTime after = ProcessorTime::now();
        userMs += after.user - before.user;
        systemMs += after.system - before.system;
        state.PauseTiming();
        memory.end();
        if (failure) {
            state.SkipWithError(failure->c_str());
            break;
        }
        state.ResumeTiming();
    }
    const double iterations = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["copy_ms"] = copyMs / iterations;
    state.counters["ratio"] = copyMs > 0 ? workMs / copyMs : 0;
    state.counters["copy_cpu_ms"] = copyProcessorMs / iterations;
    state.counters["cpu_ratio"] = copyProcessorMs > 0 ? (userMs + systemMs) / copyProcessorMs : 0;
    state.counters["user_ms"] = userMs / iterations;
    state.counters["system_ms"] = systemMs / iterations;
    state.counters["peak_MiB"] = memory.highestMiB();
    state.counters["input_MiB"] = static_cast<double>(copy.inputBytes()) / (1024.0 * 1024.0);
    state.counters["output_MiB"] = static_cast<double>(copy.outputBytes()) / (1024.0 * 1024.0);
}

// ---- the cases ----

void BM_RideReadRewrite(benchmark::State& state) {
    const fs::path file = rideFileOf5000Lines();
    const fs::path rewritten = benchFolder() / "rewrite" / file.filename();
    fs::create_directories(rewritten.parent_path());
    zw::test::ScriptedDialogs dialogs;
    zw::Settings settings;
    std::string content;
    auto work = [&]() -> std::optional<std::string> {
        zw::LoadedDataFiles files;
        zw::LookupResults results;
        zw::RideData ride;
        if (!zw::showAndTake(dialogs, zw::Language::German, zw::readRideDataFile(file, files, results), ride)) {
            return "the ride file was not read: " + firstMessage(dialogs);
        }
        content = zw::rideDataFileContent(ride, settings.UseEnglish, settings.AddOnsEnabled);
        if (zw::writeFileAtomically(rewritten, content)) return std::string("the rewrite was not written");
        return std::nullopt;
    };
    if (auto failure = work()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    PlainCopy copy({file}, {content.size()}, benchFolder() / "scratch");
    measure(state, copy, work);
}

void BM_RideBuild(benchmark::State& state) {
    const fs::path file = rideFileOf5000Lines();
    zw::test::ScriptedDialogs dialogs;
    zw::Settings settings;
    settings.OverwriteWithoutPrompt = true;
    zw::LoadedDataFiles files;
    zw::LookupResults results;
    zw::RideData ride;
    if (!zw::showAndTake(dialogs, zw::Language::German, zw::readRideDataFile(file, files, results), ride)) {
        state.SkipWithError("the ride file was not read");
        return;
    }
    auto work = [&]() -> std::optional<std::string> {
        zw::OvlWriter writer;
        if (!zw::runAsking(dialogs, zw::Language::English, [&](const zw::Answers& answers) {
                return zw::buildRidePair(ride, settings, writer, answers);
            }))
            return "the ride build stopped: " + firstMessage(dialogs);
        return std::nullopt;
    };
    if (auto failure = work()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    PlainCopy copy({}, {fs::file_size(zw::rideCommonFile(ride)), fs::file_size(zw::rideUniqueFile(ride))},
                   benchFolder() / "scratch");
    measure(state, copy, work);
}

void carBuild(benchmark::State& state, uint32_t scale) {
    static std::optional<CarCase> cases[3];
    if (!cases[scale]) cases[scale] = carCase("car" + std::to_string(scale), largeModel(scale));
    const CarCase& c = *cases[scale];
    zw::test::ScriptedDialogs dialogs;
    zw::Settings settings;
    settings.OverwriteWithoutPrompt = true;
    auto work = [&]() -> std::optional<std::string> {
        zw::OvlWriter writer;
        if (!zw::runAsking(dialogs, zw::Language::English, [&](const zw::Answers& answers) {
                return zw::buildCarPair(c.car, settings, writer, answers);
            }))
            return "the car build stopped: " + firstMessage(dialogs);
        return std::nullopt;
    };
    if (auto failure = work()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    PlainCopy copy(c.inputs, {fs::file_size(zw::carCommonFile(c.car)), fs::file_size(zw::carUniqueFile(c.car))},
                   benchFolder() / "scratch");
    measure(state, copy, work);
}

// A ball of `rows` × `columns` vertices round `centre`, its quads split in two triangles.
zw::test::FixtureMesh gridBall(uint32_t rows, uint32_t columns, float centreX) {
    zw::test::FixtureMesh mesh;
    constexpr float pi = 3.14159265f;
    for (uint32_t r = 0; r < rows; ++r) {
        const float polar = pi * static_cast<float>(r) / static_cast<float>(rows - 1);
        for (uint32_t c = 0; c < columns; ++c) {
            const float azimuth = 2 * pi * static_cast<float>(c) / static_cast<float>(columns - 1);
            zw::test::FixtureVertex v;
            v.normal = {std::sin(polar) * std::cos(azimuth), std::cos(polar), std::sin(polar) * std::sin(azimuth)};
            v.position = {centreX + v.normal[0], 1.0f + v.normal[1], v.normal[2]};
            v.u = static_cast<float>(c) / static_cast<float>(columns - 1);
            v.v = static_cast<float>(r) / static_cast<float>(rows - 1);
            mesh.vertices.push_back(v);
        }
    }
    for (uint32_t r = 0; r + 1 < rows; ++r) {
        for (uint32_t c = 0; c + 1 < columns; ++c) {
            const auto at = [&](uint32_t rr, uint32_t cc) { return static_cast<uint16_t>(rr * columns + cc); };
            for (uint16_t i : {at(r, c), at(r + 1, c), at(r + 1, c + 1), at(r, c), at(r + 1, c + 1), at(r, c + 1)}) {
                mesh.indices.push_back(i);
            }
        }
    }
    return mesh;
}

// Four balls of 50 000 vertices side by side (16-bit indices reach 65 536 vertices a mesh), about
// 400 000 triangles, with one 256 × 256 texture.
void BM_RenderLargeModel(benchmark::State& state) {
    zw::test::ModelFixtureOptions o;
    for (float x : {-3.3f, -1.1f, 1.1f, 3.3f}) o.geometry.push_back(gridBall(250, 200, x));
    o.textures = 1;
    o.textureEdge = 256;
    o.frames = 1;
    o.alphaFrames = {false};
    o.splines = 0;
    const zw::test::HandMadeOvlPair made = zw::test::modelPairFixture("BenchModel", o);
    const zw::OvlPairReader pair(made.commonBytes(), "BenchModel.common.ovl", made.uniqueBytes(), "BenchModel.unique.ovl");
    const zw::SceneResult scene = zw::modelPairScene(zw::StructureSpace::of(pair));
    if (!scene.scene) {
        state.SkipWithError("the model has no scene");
        return;
    }
    size_t vertices = 0;
    for (const zw::SceneMesh& m : scene.scene->meshes) vertices += m.vertices.size();
    if (vertices != 200000) {
        state.SkipWithError("the model does not hold 200 000 vertices");
        return;
    }
    zw::RenderView view;  // 512 × 512
    auto work = [&]() -> std::optional<std::string> {
        benchmark::DoNotOptimize(zw::renderScene(*scene.scene, view));
        return std::nullopt;
    };
    PlainCopy copy({}, {uint64_t{view.width} * view.height * 4}, benchFolder() / "scratch");
    measure(state, copy, work);
}

// What the car preview draws for each turn of the mouse: the three demo cars with their labels, in
// an 800 × 600 window.
void BM_RenderPreviewCars(benchmark::State& state) {
    std::vector<zw::SceneResult> cars;
    for (const zw::test::DemoModel& demo : zw::test::demoModels()) {
        const zw::test::HandMadeOvlPair made = zw::test::modelPairFixture(demo.name, demo.options);
        const zw::OvlPairReader pair(made.commonBytes(), demo.name + ".common.ovl", made.uniqueBytes(), demo.name + ".unique.ovl");
        cars.push_back(zw::modelPairScene(zw::StructureSpace::of(pair)));
        if (!cars.back().scene) {
            state.SkipWithError("a demo model has no scene");
            return;
        }
    }
    zw::RenderView view;
    view.width = 800 / 3;
    view.height = 600;
    auto work = [&]() -> std::optional<std::string> {
        for (size_t i = 0; i < 3; ++i) {
            view.yawDegrees += 1.0f;  // a turn of the mouse
            benchmark::DoNotOptimize(zw::labelledPanel("MiddleCar", "Beispielbahn_Mitte", cars[i], view, zw::Language::English));
        }
        return std::nullopt;
    };
    PlainCopy copy({}, {uint64_t{800} * 600 * 4}, benchFolder() / "scratch");
    measure(state, copy, work);
}

void BM_CarBuildLargeModel(benchmark::State& state) { carBuild(state, 1); }
void BM_CarBuildTwiceTheModel(benchmark::State& state) { carBuild(state, 2); }

// ---- the game folder's check ----

// A game folder of `count` CTRs: rides (the example ride's pair), cars whose model has 20 000
// vertices in one mesh and track sets of four sections, in turn. The pairs of one kind are hard
// links to one built pair, so the folder costs little room; every file is read all the same.
struct GameFolderCase {
    fs::path gamePath;
    std::vector<fs::path> files;
};

// Builds the example ride and a car of one 20 000-vertex model once; their pairs' files.
std::vector<fs::path> builtPairs(const fs::path& folder) {
    const fs::path rideFolder = folder / "ride";
    fs::create_directories(rideFolder);
    fs::copy_file(fs::path(ZW_SOURCE_DIR) / "examples" / "CTR_BahnDaten_Beispielbahn.txt",
                  rideFolder / "CTR_BahnDaten_Beispielbahn.txt", fs::copy_options::overwrite_existing);
    zw::test::ScriptedDialogs dialogs;
    zw::Settings settings;
    settings.OverwriteWithoutPrompt = true;
    zw::LoadedDataFiles files;
    zw::LookupResults results;
    zw::RideData ride;
    zw::OvlWriter rideWriter;
    if (!zw::showAndTake(dialogs, zw::Language::German,
                         zw::readRideDataFile(rideFolder / "CTR_BahnDaten_Beispielbahn.txt", files, results), ride) ||
        !zw::runAsking(dialogs, zw::Language::English, [&](const zw::Answers& answers) {
            return zw::buildRidePair(ride, settings, rideWriter, answers);
        })) {
        throw std::runtime_error("the example ride was not built: " + firstMessage(dialogs));
    }
    zw::test::ModelFixtureOptions model;
    model.shapes = 1;
    model.meshes = 1;
    model.vertices = 20000;
    model.indices = 3 * 20000;
    model.textures = 1;
    model.textureEdge = 64;
    const zw::CarData car = carCase(folder.parent_path().filename().string() + "-car", model).car;
    zw::OvlWriter carWriter;
    if (!zw::runAsking(dialogs, zw::Language::English, [&](const zw::Answers& answers) {
            return zw::buildCarPair(car, settings, carWriter, answers);
        })) {
        throw std::runtime_error("the car was not built: " + firstMessage(dialogs));
    }
    return {zw::rideCommonFile(ride), zw::rideUniqueFile(ride), zw::carCommonFile(car), zw::carUniqueFile(car)};
}

GameFolderCase gameFolderCase(size_t count) {
    const fs::path folder = benchFolder() / ("game" + std::to_string(count));
    const std::vector<fs::path> built = builtPairs(folder / "built");
    GameFolderCase c;
    c.gamePath = folder / "RCT3";
    const fs::path rides = c.gamePath / "tracks" / "TrackedRides", cars = c.gamePath / "Cars" / "TrackedRideCars";
    const std::vector<std::string> sections = {"Loop", "Drop", "Turn", "Rise"};
    std::vector<std::string> strings;
    for (const std::string& s : sections) strings.push_back(s + ":tks");
    const fs::path setCommon = folder / "built" / "set.common.ovl", setUnique = folder / "built" / "set.unique.ovl";
    const fs::path sectionCommon = folder / "built" / "section.common.ovl";
    zw::test::writeBytes(setCommon, zw::test::commonFileWithStrings(strings));
    zw::test::writeBytes(setUnique, zw::test::uniqueFile({zw::test::textRow()}));
    zw::test::writeBytes(sectionCommon, zw::test::commonFileWithStrings({"section"}));
    auto link = [&](const fs::path& from, const fs::path& to) {
        fs::create_directories(to.parent_path());
        fs::create_hard_link(from, to);
        c.files.push_back(to);
    };
    for (size_t i = 0; i < count; ++i) {
        const std::string number = std::to_string(1000 + i).substr(1);
        if (i % 3 == 0) {
            const std::string name = "CTR_Ride" + number;
            link(built[0], rides / name / (name + ".common.ovl"));
            link(built[1], rides / name / (name + ".unique.ovl"));
        } else if (i % 3 == 1) {
            const std::string name = "CTR_Car" + number;
            link(built[2], cars / name / (name + ".common.ovl"));
            link(built[3], cars / name / (name + ".unique.ovl"));
        } else {
            const std::string name = "TrackCTR_Set" + number;
            link(setCommon, rides / name / (name + ".common.ovl"));
            link(setUnique, rides / name / (name + ".unique.ovl"));
            for (const std::string& s : sections) {
                link(sectionCommon, rides / name / (s + "_data.common.ovl"));
                link(setUnique, rides / name / (s + "_data.unique.ovl"));
            }
        }
    }
    return c;
}

void gameFolderCheck(benchmark::State& state, size_t count) {
    // Made once, for the first repetition.
    static std::map<size_t, GameFolderCase> cases;
    if (!cases.count(count)) cases.emplace(count, gameFolderCase(count));
    const GameFolderCase& c = cases.at(count);
    zw::GameNames names;
    names.carTypesKnown = names.allTrackSectionsKnown = true;
    names.carTypes = {"WildMouse", "JuniorLadybird"};
    names.trackSections = {"Stationmiddle", "Straight", "Medcurve", "Smallcurve", "Gentleup", "Gentledown"};
    size_t checked = 0;
    auto work = [&]() -> std::optional<std::string> {
        const zw::GameFolderReport report = zw::checkGameFolder(c.gamePath, names, zw::Language::English);
        checked = report.ctrs.size();
        if (checked != count) return "checked " + std::to_string(checked) + " of " + std::to_string(count);
        return std::nullopt;
    };
    if (auto failure = work()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    PlainCopy copy(c.files, {}, benchFolder() / "scratch");
    measure(state, copy, work);
}

void BM_GameFolderCheck250(benchmark::State& state) { gameFolderCheck(state, 250); }
void BM_GameFolderCheck1000(benchmark::State& state) { gameFolderCheck(state, 1000); }

BENCHMARK(BM_RideReadRewrite)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_RideBuild)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_CarBuildLargeModel)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CarBuildTwiceTheModel)->Unit(benchmark::kMillisecond)->Iterations(5);
// The check works on two threads: the processor time is that of the whole process.
BENCHMARK(BM_GameFolderCheck250)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_GameFolderCheck1000)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_RenderLargeModel)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_RenderPreviewCars)->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    if (!keptFolder()) fs::remove_all(benchFolder(), ignored);
    return 0;
}
