#pragma once
// The first step of a pair build: the output folder, and the overwrite question when an earlier
// pair stands in it (a pair of the other kind is never replaced); and, when the build stops, the
// folder it made taken away again.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Messages.h"
#include "ovl/PairKindScan.h"

namespace zw {

class Dialogs;

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

    // Makes the folder. When it was there already and holds the pair's common or unique file: a pair
    // of the other kind than `building` stops the build with a message, whatever
    // `OverwriteWithoutPrompt` says (a ride and a car of one object name would replace each other);
    // otherwise the overwrite question naming the file and what it holds is asked (caption
    // "Warnung"/"Warning") unless `OverwriteWithoutPrompt`. A folder that is neither there nor made
    // is reported ("outputFolderNotCreated"). True when the build may go on.
    bool prepare(PairKind building, bool OverwriteWithoutPrompt, Dialogs& dialogs, Language language);

    // Runs `build` (true when the pair was written, false when it stopped with a message) and, when it
    // stopped or threw, removes the folder if `prepare` made it and it is still empty, so a stopped
    // build leaves nothing behind. A folder that was there before is never removed.
    template <class Build>
    bool runBuild(Build&& build, Dialogs& dialogs, Language language) {
        bool result = false;
        try {
            result = build();
        } catch (...) {
            removeIfMadeAndEmpty(nullptr, language);
            throw;
        }
        if (!result) removeIfMadeAndEmpty(&dialogs, language);
        return result;
    }

private:
    // A removal that fails is reported on `dialogs` when given.
    void removeIfMadeAndEmpty(Dialogs* dialogs, Language language);

    PairFiles files_;
    bool made_ = false;
};

}  // namespace zw
