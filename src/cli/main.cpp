// zorbaltwerk-cli: the main window's commands, headless.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/AppFolders.h"
#include "base/SystemRegistry.h"
#include "cli/Cli.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef _WIN32
#include <shellapi.h>

namespace {

// The arguments as UTF-8, which the commands expect. The narrow argv of a Windows program is in the
// ANSI code page, so a file name such as CTR_BahnDaten_Über.txt would not be found; the arguments
// are taken from the wide command line instead.
std::vector<std::string> utf8Arguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) {
        const int length = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(length > 0 ? static_cast<size_t>(length) : 1u, '\0');
        if (length > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), length, nullptr, nullptr);
        arg.resize(arg.size() - 1);  // the terminating NUL
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);  // messages are UTF-8
    const bool interactive = _isatty(_fileno(stdin)) != 0;
    (void)argc;
    (void)argv;
    std::vector<std::string> args = utf8Arguments();
#else
    const bool interactive = isatty(STDIN_FILENO) != 0;
    std::vector<std::string> args(argv + 1, argv + argc);
#endif
    auto registry = zw::makeSystemRegistry();
    // The desktop program's working folder, so both share one options file (--workdir overrides).
    const std::filesystem::path workFolder = zw::decideAppFolders(zw::currentFolderFacts()).workFolder;
    return zw::cli::runCli(args, std::cout, std::cerr, interactive ? &std::cin : nullptr, *registry, workFolder,
                           zw::executableFolder());
}
