#include "support/FileFaultSweep.h"

#include <gtest/gtest.h>

#include "base/SafeFile.h"
#include "support/TempFolder.h"

namespace zw::test {

namespace fs = std::filesystem;

namespace {

const char* kindName(FileOperation kind) {
    switch (kind) {
        case FileOperation::Create: return "create";
        case FileOperation::Write: return "write";
        case FileOperation::Flush: return "flush";
        case FileOperation::Rename: return "rename";
        case FileOperation::Remove: return "remove";
    }
    return "?";
}

fs::path pathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

void restore(const fs::path& folder, const FolderSnapshot& snapshot) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& [name, content] : snapshot) {
        if (content == "<folder>") {
            fs::create_directories(folder / pathOf(name));
        } else {
            writeBytes(folder / pathOf(name), content);
        }
    }
}

bool holdsTemporaryName(const FolderSnapshot& snapshot) {
    for (const auto& entry : snapshot) {
        if (isTemporaryName(pathOf(entry.first))) return true;
    }
    return false;
}

}  // namespace

FolderSnapshot snapshotOf(const fs::path& folder) {
    FolderSnapshot snapshot;
    if (!fs::exists(folder)) return snapshot;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::u8string relative = entry.path().lexically_relative(folder).generic_u8string();
        const std::string name(relative.begin(), relative.end());
        snapshot[name] = entry.is_directory() ? "<folder>" : readWholeFile(entry.path()).value_or("<unreadable>");
    }
    return snapshot;
}

int runFaultSweep(const FaultSweep& sweep, ScriptedDialogs& dialogs) {
    const FolderSnapshot before = snapshotOf(sweep.watched);
    int failedRuns = 0;
    for (FileOperation kind : sweep.kinds) {
        for (int n = 1; n < 1000; ++n) {
            SCOPED_TRACE(std::string("the ") + kindName(kind) + " operation number " + std::to_string(n) + " fails");
            dialogs.log.clear();
            bool succeeded = false;
            bool fired = false;
            {
                ScopedFileFault fault(kind, n, sweep.cause);
                succeeded = sweep.write();
                fired = fault.fired();
            }
            if (!fired) {
                EXPECT_TRUE(succeeded);
                EXPECT_FALSE(holdsTemporaryName(snapshotOf(sweep.watched)));
                restore(sweep.watched, before);
                break;
            }
            ++failedRuns;
            EXPECT_FALSE(succeeded);
            EXPECT_FALSE(dialogs.messages().empty()) << "a failure without a message";
            if (sweep.checkAfterFault) {
                sweep.checkAfterFault(before);
            } else {
                EXPECT_EQ(snapshotOf(sweep.watched), before);
            }
            restore(sweep.watched, before);
        }
    }
    return failedRuns;
}

}  // namespace zw::test
