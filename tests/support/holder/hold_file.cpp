// hold_file FILE READY STOP: holds FILE open as a running game holds its OVL files (on Windows
// without sharing, so nobody else may open, rename or delete it), makes the file READY once it holds
// it, and lets go when the file STOP appears. Exit code 1 when FILE cannot be opened.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>
#endif

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: hold_file FILE READY STOP\n");
        return 2;
    }
#ifdef _WIN32
    // The arguments as the system has them, whatever the code page.
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide || count != 4) return 2;
    const std::filesystem::path file(wide[1]), ready(wide[2]), stop(wide[3]);
    const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (held == INVALID_HANDLE_VALUE) return 1;
#else
    const std::filesystem::path file(argv[1]), ready(argv[2]), stop(argv[3]);
    std::ifstream held(file, std::ios::binary);
    if (!held) return 1;
#endif
    std::ofstream(ready) << "held\n";
    std::error_code probe;
    while (!std::filesystem::exists(stop, probe)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
#ifdef _WIN32
    CloseHandle(held);
#endif
    return 0;
}
