#pragma once
// zorbaltwerk-cli's dispatcher: global flags, start-up, the options check, the command groups.

#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>

namespace zw {
class Registry;
}

namespace zw::cli {

// Runs the command line `args` (without the program name). Messages and questions go to `err`,
// results to `out`; `terminal` is the interactive input or nullptr. `defaultWorkFolder` is the
// working folder when no --workdir is given (empty: the current folder); `executableFolder` is where
// the program lies (the assistant's lists beside it). Returns the exit status.
int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err, std::istream* terminal,
           Registry& registry, const std::filesystem::path& defaultWorkFolder = {},
           const std::filesystem::path& executableFolder = {});

}  // namespace zw::cli
