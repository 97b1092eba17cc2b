#include "base/FileFaults.h"

#include <cerrno>

namespace zw {
namespace {

struct ArmedFault {
    bool armed = false;
    FileOperation kind = FileOperation::Create;
    int remaining = 0;  // operations of `kind` until the one that fails
    bool fired = false;
};

ArmedFault& armedFault() {
    static ArmedFault fault;
    return fault;
}

}  // namespace

std::error_code fileFaultFor(FileOperation kind) {
    ArmedFault& fault = armedFault();
    if (!fault.armed || fault.fired || fault.kind != kind) return {};
    if (--fault.remaining > 0) return {};
    fault.fired = true;
    // What the operation meets on a full disk (creating, writing, flushing) or a folder that refuses
    // changes (renaming, removing).
    const bool spaceRunsOut = kind == FileOperation::Create || kind == FileOperation::Write || kind == FileOperation::Flush;
    return std::make_error_code(spaceRunsOut ? std::errc::no_space_on_device : std::errc::permission_denied);
}

ScopedFileFault::ScopedFileFault(FileOperation kind, int nth) { armedFault() = {true, kind, nth, false}; }

ScopedFileFault::~ScopedFileFault() { armedFault() = {}; }

bool ScopedFileFault::fired() const { return armedFault().fired; }

}  // namespace zw
