#include "base/FileFaults.h"

#include <cerrno>

#include "base/FileInUse.h"

namespace zw {
namespace {

struct ArmedFault {
    bool armed = false;
    FileOperation kind = FileOperation::Create;
    int remaining = 0;  // operations of `kind` until the one that fails
    FaultCause cause = FaultCause::Refusal;
    bool fired = false;
};

ArmedFault& armedFault() {
    static ArmedFault fault;
    return fault;
}

std::filesystem::path& heldFile() {
    static std::filesystem::path held;
    return held;
}

}  // namespace

std::error_code fileFaultFor(FileOperation kind) {
    ArmedFault& fault = armedFault();
    if (!fault.armed || fault.fired || fault.kind != kind) return {};
    if (--fault.remaining > 0) return {};
    fault.fired = true;
    if (fault.cause == FaultCause::InUse) return fileInUseFault();
    // What the operation meets on a full disk (creating, writing, flushing) or a folder that refuses
    // changes (renaming, removing).
    const bool spaceRunsOut = kind == FileOperation::Create || kind == FileOperation::Write || kind == FileOperation::Flush;
    return std::make_error_code(spaceRunsOut ? std::errc::no_space_on_device : std::errc::permission_denied);
}

std::error_code heldFileFaultFor(const std::filesystem::path& path) {
    const std::filesystem::path& held = heldFile();
    if (held.empty() || path.lexically_normal() != held) return {};
    return fileInUseFault();
}

ScopedFileFault::ScopedFileFault(FileOperation kind, int nth, FaultCause cause) {
    armedFault() = {true, kind, nth, cause, false};
}

ScopedFileFault::~ScopedFileFault() { armedFault() = {}; }

bool ScopedFileFault::fired() const { return armedFault().fired; }

ScopedHeldFile::ScopedHeldFile(const std::filesystem::path& path) { heldFile() = path.lexically_normal(); }

ScopedHeldFile::~ScopedHeldFile() { heldFile().clear(); }

}  // namespace zw
