#pragma once
// A test seam in the safe-file layer: every create, write, flush, rename and remove that the
// program's writers make goes through SafeFile, which asks here first. A test arms one fault ("fail
// the nth write from now"), or holds one file as another program would; the program itself never
// arms one, so for it every answer is "go on". A test arms it before the work starts. Counting is
// for work on one thread; the game folder's check, which reads on two, only asks whether a file is
// held, which changes nothing.

#include <filesystem>
#include <system_error>

namespace zw {

enum class FileOperation { Create, Write, Flush, Rename, Remove };

// How an armed fault fails: as a full disk or a refusing folder does, or as Windows does while
// another program holds the file open (FileInUse.h).
enum class FaultCause { Refusal, InUse };

// Counts one operation of `kind`; returns the error it is to fail with (empty: carry it out).
std::error_code fileFaultFor(FileOperation kind);

// The error a rename, removal or opening of `path` is to fail with while a test holds it (empty:
// carry it out). Not counted.
std::error_code heldFileFaultFor(const std::filesystem::path& path);

// While an object of this class lives, the `nth` operation of `kind` (counted from its making, 1 for
// the first) fails for `cause`. Not for the program.
class ScopedFileFault {
public:
    ScopedFileFault(FileOperation kind, int nth, FaultCause cause = FaultCause::Refusal);
    ~ScopedFileFault();
    ScopedFileFault(const ScopedFileFault&) = delete;
    ScopedFileFault& operator=(const ScopedFileFault&) = delete;

    // True once the armed operation was reached and failed.
    bool fired() const;
};

// While an object of this class lives, `path` is held open as a running game holds its files: it
// cannot be opened, renamed (from or to) or removed. Not for the program.
class ScopedHeldFile {
public:
    explicit ScopedHeldFile(const std::filesystem::path& path);
    ~ScopedHeldFile();
    ScopedHeldFile(const ScopedHeldFile&) = delete;
    ScopedHeldFile& operator=(const ScopedHeldFile&) = delete;
};

}  // namespace zw
