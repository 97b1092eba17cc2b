#pragma once
// The steps that the ride build and the car build share, around the structures each writes:
//   1. the output folder looked at, and the overwrite question asked (BuildOutputFolder.h);
//   2. the kind's checks that need nothing written;
//   3. the output folder made;
//   4. a new pair begun, named by the object name;
//   5. the kind's structures, which give the pair's contents for the assembly;
//   6. the assembly: both files written and replaced together (OvlPairAssembly.h).
// A build that stops before step 6 has written no file and leaves an earlier pair as it was; a
// folder that step 3 made is taken away again.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/Report.h"
#include "builders/BuildOutputFolder.h"
#include "ovl/OvlPairAssembly.h"

namespace zw {

class OvlWriter;
struct Settings;

// What one kind of pair brings to the shared steps.
struct PairBuild {
    PairKind kind;
    std::filesystem::path folder;  // where the pair's own folder goes
    std::string objectName;        // the pair's name (Windows-1252)
    // Step 2: false after its message.
    std::function<bool(Report&)> check;
    // Step 5, into the begun pair: the contents for the assembly, or nullopt after a message.
    std::function<std::optional<OvlPairContents>(Report&)> write;
};

// Builds the pair: its files when both were written; otherwise the report tells why (a message, or
// the overwrite question not yet answered Yes in `answers`).
Result<PairFiles> buildPair(const PairBuild& build, const Settings& settings, OvlWriter& writer,
                            const Answers& answers);

}  // namespace zw
