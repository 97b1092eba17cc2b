#include "support/HeldFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zw::test {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

// The holder program lies beside the test programs' folder (the build tree's tests folder).
fs::path holderProgram() {
    wchar_t own[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, own, static_cast<DWORD>(std::size(own)));
    return fs::path(std::wstring(own, length)).parent_path() / "support" / "holder" / "hold_file.exe";
}

std::wstring quoted(const fs::path& path) { return L"\"" + path.wstring() + L"\""; }

}  // namespace

HeldFile::HeldFile(const fs::path& file) {
    const fs::path ready = signals_ / "ready", stop = signals_ / "stop";
    std::wstring commandLine = quoted(holderProgram()) + L" " + quoted(file) + L" " + quoted(ready) + L" " + quoted(stop);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        ADD_FAILURE() << "the holder program does not start: " << holderProgram().string();
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    // Until it holds the file, or gives up.
    for (int waited = 0; waited < 3000; ++waited) {
        if (fs::exists(ready)) return;
        if (WaitForSingleObject(process_, 10) == WAIT_OBJECT_0) break;
    }
    ADD_FAILURE() << "the holder program could not hold " << file.string();
}

void HeldFile::release() {
    if (!process_) return;
    writeBytes(signals_ / "stop", "");
    WaitForSingleObject(process_, 30000);
    CloseHandle(process_);
    process_ = nullptr;
}

#else

HeldFile::HeldFile(const fs::path& file) : seam_(std::make_unique<ScopedHeldFile>(file)) {}

void HeldFile::release() { seam_.reset(); }

#endif

HeldFile::~HeldFile() { release(); }

}  // namespace zw::test
