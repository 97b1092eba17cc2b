// zorbaltwerk-cli: the main window's commands, headless.
#include <iostream>
#include <string>
#include <vector>

#include "app/SystemRegistry.h"
#include "cli/Cli.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);  // messages are UTF-8
    const bool interactive = _isatty(_fileno(stdin)) != 0;
#else
    const bool interactive = isatty(STDIN_FILENO) != 0;
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    auto registry = zw::makeSystemRegistry();
    return zw::cli::runCli(args, std::cout, std::cerr, interactive ? &std::cin : nullptr, *registry);
}
