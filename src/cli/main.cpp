// zorbaltwerk-cli: the main window's commands, headless.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

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

namespace {

// The folder of this program, where the assistant's lists lie (data/assistant); empty when unknown.
std::filesystem::path executableFolder() {
#ifdef _WIN32
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) return std::filesystem::path(name.substr(0, length)).parent_path();
        name.resize(name.size() * 2);
    }
#else
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
#endif
}

}  // namespace

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
    return zw::cli::runCli(args, std::cout, std::cerr, interactive ? &std::cin : nullptr, *registry,
                           executableFolder());
}
