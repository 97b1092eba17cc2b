#pragma once
// What every fuzz target shares. A target is written once:
//
//     ZW_FUZZ_TARGET(ride_data_file) { ... use `input`, the bytes of one run ... }
//
// and becomes libFuzzer's entry point in the fuzz build, or a registered function in the test suite
// (ZW_FUZZ_REPLAY), which replays the committed corpus and every input that ever crashed through it.
// A target catches only what the program itself catches at that point: anything else escaping is a
// finding, as it would end the program.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <stdexcept>
#include <string_view>

#include "base/AnswerlessDialogs.h"
#include "base/Report.h"

namespace zw::fuzz {

using Target = void (*)(std::string_view input);

// Targets by name (the test suite's).
inline std::map<std::string, Target>& registeredTargets() {
    static std::map<std::string, Target> targets;
    return targets;
}
inline bool registerTarget(const char* name, Target target) {
    registeredTargets()[name] = target;
    return true;
}

// Dialogs of nobody: messages are dropped (they have been composed by then), questions answered No,
// file choices and texts cancelled.
class QuietDialogs : public AnswerlessDialogs {
public:
    size_t messagesShown = 0;
    void showMessage(const std::string&) override { ++messagesShown; }
};

// A core function's report, its messages composed when it goes, as a front end would show them.
class ComposedReport : public Report {
public:
    ~ComposedReport() {
        for (const ReportMessage& m : messages()) (void)m.text(Language::English);
    }
};

// The two files of a pair in one input: a little-endian 32-bit length n, then n bytes of the
// .common file (fewer when the input ends before), then the .unique file (the rest). An input
// shorter than 4 bytes gives two empty files.
struct PairInput {
    std::string common;
    std::string unique;
};
inline PairInput splitPairInput(std::string_view input) {
    if (input.size() < 4) return {};
    uint32_t length = 0;
    for (int i = 3; i >= 0; --i) length = length << 8 | static_cast<unsigned char>(input[static_cast<size_t>(i)]);
    input.remove_prefix(4);
    const size_t common = std::min<size_t>(length, input.size());
    return {std::string(input.substr(0, common)), std::string(input.substr(common))};
}
// A folder of this process for the readers that take a folder (model, spline and icon pairs): made
// at the first call, removed at exit.
inline const std::filesystem::path& scratchFolder() {
    struct Folder {
        std::filesystem::path path;
        Folder() {
            const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
            path = std::filesystem::temp_directory_path() / ("zw_fuzz_" + std::to_string(stamp));
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static Folder folder;
    return folder.path;
}

// Writes the pair <scratch>/<name>.common.ovl / .unique.ovl; a file that cannot be written ends the
// run (it would make every later result meaningless).
inline void writeScratchPair(const std::string& name, const PairInput& pair) {
    for (const auto& [suffix, bytes] : {std::pair{".common.ovl", &pair.common}, std::pair{".unique.ovl", &pair.unique}}) {
        const std::filesystem::path file = scratchFolder() / (name + suffix);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace zw::fuzz

#ifdef ZW_FUZZ_REPLAY
#define ZW_FUZZ_TARGET(name)                                                                  \
    static void fuzzOne(std::string_view input);                                              \
    [[maybe_unused]] static const bool fuzzRegistered = zw::fuzz::registerTarget(#name, fuzzOne); \
    static void fuzzOne(std::string_view input)
#else
#define ZW_FUZZ_TARGET(name)                                                                  \
    static void fuzzOne(std::string_view input);                                              \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {                 \
        fuzzOne(std::string_view(reinterpret_cast<const char*>(data), size));                 \
        return 0;                                                                             \
    }                                                                                         \
    static void fuzzOne(std::string_view input)
#endif
