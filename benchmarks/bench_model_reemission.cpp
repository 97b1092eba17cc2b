// How long reading and re-emitting a large car model takes, and how much memory it needs: a model
// of 100 000 vertices (four meshes of 25 000) and four FlexiTextures of 256 × 256 with alpha is
// generated, read with the car builder's checks, re-emitted into a pair and assembled.
//
//   bench_model_reemission [REPEATS]
//
// Prints the time of each step (the best of REPEATS runs, default 5) and the peak memory of the
// process. Not a test: the numbers depend on the machine.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "ovl/ModelPairCarChecks.h"
#include "ovl/ModelReEmission.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlWriter.h"
#include "support/ModelPairFixture.h"
#include "support/Reported.h"
#include "support/ScriptedDialogs.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

double peakMegabytes() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
#endif
}

double millisecondsOf(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    zw::test::ModelFixtureOptions o;
    o.meshes = 4;
    o.vertices = 25000;
    o.indices = 3 * 25000;
    o.bones = 20;
    o.textures = 4;
    o.textureEdge = 256;
    o.frames = 1;
    o.alphaFrames = {true};
    o.animations = 2;
    o.animationBones = 20;
    o.translationKeys = 50;
    o.rotationKeys = 50;

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zw_bench_model_reemission";
    std::filesystem::create_directories(folder);
    const double generate = millisecondsOf([&] { zw::test::writeModelPairFixture(folder, "BenchCar", o); });

    double bestRead = 1e300, bestReEmit = 1e300, bestAssemble = 1e300;
    size_t pairBytes = 0;
    for (int run = 0; run < repeats; ++run) {
        zw::test::ScriptedDialogs dialogs;
        std::optional<zw::ModelPair> model;
        bestRead = std::min(bestRead, millisecondsOf([&] {
            model = zw::test::reported(dialogs, zw::Language::English, [&](zw::Report& report) {
                return zw::readCarModelPair(folder, "BenchCar", report);
            });
        }));
        if (!model) {
            std::fprintf(stderr, "the model was refused: %s\n", dialogs.messages().empty() ? "" : dialogs.messages()[0].c_str());
            return 1;
        }
        zw::OvlWriter writer;
        zw::Report writerReport;
        writer.beginPair(writerReport);
        writer.startBlock(zw::OvlPart::UniqueStructures);
        writer.startBlock(zw::OvlPart::CommonStructures);
        bool done = false;
        bestReEmit = std::min(bestReEmit, millisecondsOf([&] {
            done = zw::test::reported(dialogs, zw::Language::English, [&](zw::Report& report) {
                return zw::reEmitModel(writer, *model, "BenchCar", report);
            });
        }));
        if (!done) {
            std::fprintf(stderr, "the re-emission stopped: %s\n", dialogs.messages().empty() ? "" : dialogs.messages()[0].c_str());
            return 1;
        }
        zw::OvlPairContents contents;
        contents.loaderTypes = {{"RCT3", "BoneAnim", 1, "ban"},     {"RCT3", "BoneShape", 1, "bsh"},
                                {"FGDK", "FlexiTexture", 1, "ftx"}, {"FGDK", "RideCar", 1, "ric"},
                                {"FGDK", "RideTrain", 1, "rit"},    {"FGDK", "Spline", 1, "spl"},
                                {"RCT3", "SceneryItemVisual", 1, "svd"}};
        bestAssemble = std::min(bestAssemble, millisecondsOf([&] {
            const zw::OvlPairBytes bytes = zw::assemblePairBytes(writer, contents);
            pairBytes = bytes.common.size() + bytes.unique.size();
        }));
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);

    std::printf("model: 100000 vertices in 4 meshes, 4 textures of 256 x 256 with alpha\n");
    std::printf("generate and write the model pair: %8.1f ms\n", generate);
    std::printf("read and check the model pair:     %8.1f ms (best of %d)\n", bestRead, repeats);
    std::printf("re-emit the model:                 %8.1f ms\n", bestReEmit);
    std::printf("assemble the car pair in memory:   %8.1f ms (%zu bytes)\n", bestAssemble, pairBytes);
    std::printf("read + re-emit + assemble:         %8.1f ms\n", bestRead + bestReEmit + bestAssemble);
    std::printf("peak memory of the process:        %8.1f MB\n", peakMegabytes());
    return 0;
}
