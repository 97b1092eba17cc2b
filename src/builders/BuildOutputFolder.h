#pragma once
// The output folder of a pair build: the overwrite question when an earlier pair stands in it (a
// pair of the other kind is never replaced), asked before anything is written; the folder made;
// and, when the build stops, the folder it made taken away again.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Messages.h"
#include "ovl/PairKindScan.h"

namespace zw {

class Report;
class Answers;

// Where a pair is written: <folder>/<object name>/<object name>.common.ovl and .unique.ovl. The
// Windows-1252 object name becomes a path once, at the start of a build.
struct PairFiles {
    std::filesystem::path folder;
    std::filesystem::path common;
    std::filesystem::path unique;
};
PairFiles pairFilesIn(const std::filesystem::path& dataFileFolder, const std::string& objectName);

class BuildOutputFolder {
public:
    explicit BuildOutputFolder(const PairFiles& files) : files_(files) {}

    // Whether the build may write into the folder, decided without writing: when it holds the pair's
    // common or unique file, a pair of the other kind than `building` stops the build with a message,
    // whatever `OverwriteWithoutPrompt` says (a ride and a car of one object name would replace each
    // other); otherwise the overwrite question naming the file and what it holds (caption
    // "Warnung"/"Warning") is asked through `report` unless `OverwriteWithoutPrompt` or `answers`
    // hold Yes for it. True when the build may go on.
    bool mayWrite(PairKind building, bool OverwriteWithoutPrompt, Report& report, const Answers& answers) const;

    // Makes the folder when it is not there; a folder that is neither there nor made is reported
    // ("outputFolderNotCreated"). True when it stands.
    bool make(Report& report);

    // Runs `build` (true when the pair was written, false when it stopped with a message in
    // `report`) and, when it stopped or threw, removes the folder if `make` made it and it is still
    // empty, so a stopped build leaves nothing behind. A folder that was there before is never
    // removed.
    template <class Build>
    bool runBuild(Build&& build, Report& report) {
        bool result = false;
        try {
            result = build();
        } catch (...) {
            removeIfMadeAndEmpty(nullptr);
            throw;
        }
        if (!result) removeIfMadeAndEmpty(&report);
        return result;
    }

private:
    // A removal that fails is reported in `report` when given.
    void removeIfMadeAndEmpty(Report* report);

    PairFiles files_;
    bool made_ = false;
};

}  // namespace zw
