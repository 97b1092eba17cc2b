// Every fuzz target runs its committed seeds (tests/fuzz/corpus/<target>) and every input that ever
// made it crash (tests/fuzz/regressions/<target>), here without libFuzzer, natively and under the
// sanitizers. A fault fixed stays fixed; a seed that no longer reads as it should shows up here first.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "FuzzTarget.h"
#include "base/SafeFile.h"

namespace zw::fuzz {
namespace {

std::filesystem::path fuzzFolder() {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "tests" / "fuzz";
}

// Runs every file of <kind>/<target> through the target; the number run.
size_t replay(const std::string& kind, const std::string& name, Target target) {
    const std::filesystem::path folder = fuzzFolder() / kind / name;
    if (!std::filesystem::is_directory(folder)) return 0;
    size_t run = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::optional<std::string> bytes = readWholeFile(entry.path());
        EXPECT_TRUE(bytes.has_value()) << entry.path();
        if (!bytes) continue;
        SCOPED_TRACE(entry.path().string());
        target(*bytes);
        ++run;
    }
    return run;
}

TEST(FuzzTargets, EveryTargetRunsItsSeedsAndTheInputsThatOnceCrashedIt) {
    ASSERT_EQ(registeredTargets().size(), 13u);
    for (const auto& [name, target] : registeredTargets()) {
        SCOPED_TRACE(name);
        EXPECT_GE(replay("corpus", name, target), 2u) << "a target needs seeds";
        replay("regressions", name, target);
    }
}

TEST(FuzzTargets, EverySeedAndRegressionFolderNamesATarget) {
    for (const char* kind : {"corpus", "regressions", "dict"}) {
        const std::filesystem::path folder = fuzzFolder() / kind;
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().stem().string();
            if (name == "ovl") continue;  // the dictionary the OVL targets share
            EXPECT_EQ(registeredTargets().count(name), 1u) << entry.path();
        }
    }
}

TEST(FuzzTargets, APairInputSplitsAtItsLengthWord) {
    using namespace std::literals;
    struct Case {
        std::string_view input, common, unique;
    };
    for (const Case& c : {Case{"\x03\0\0\0abcde"sv, "abc", "de"},
                          Case{"\0\0\0\0abc"sv, "", "abc"},
                          Case{"\xFF\xFF\xFF\xFF" "ab"sv, "ab", ""},  // a length past the end: all is .common
                          Case{"\x01\x01\0\0ab"sv, "ab", ""},
                          Case{"ab"sv, "", ""}}) {
        const PairInput pair = splitPairInput(c.input);
        EXPECT_EQ(pair.common, c.common);
        EXPECT_EQ(pair.unique, c.unique);
    }
}

}  // namespace
}  // namespace zw::fuzz
