#pragma once
// A test seam in the safe-file layer: every create, write, flush, rename and remove that the
// program's writers make goes through SafeFile, which asks here first. A test arms one fault ("fail
// the nth write from now"); the program itself never arms one, so for it every answer is "go on".

#include <system_error>

namespace zw {

enum class FileOperation { Create, Write, Flush, Rename, Remove };

// Counts one operation of `kind`; returns the error it is to fail with (empty: carry it out).
std::error_code fileFaultFor(FileOperation kind);

// While an object of this class lives, the `nth` operation of `kind` (counted from its making, 1 for
// the first) fails as a full disk or a refusing file system would make it fail. Not for the program.
class ScopedFileFault {
public:
    ScopedFileFault(FileOperation kind, int nth);
    ~ScopedFileFault();
    ScopedFileFault(const ScopedFileFault&) = delete;
    ScopedFileFault& operator=(const ScopedFileFault&) = delete;

    // True once the armed operation was reached and failed.
    bool fired() const;
};

}  // namespace zw
