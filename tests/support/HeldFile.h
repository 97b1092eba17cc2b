#pragma once
// A file held open as the running game holds its OVL files, for as long as the object lives or until
// release(). On Windows a program of its own (hold_file) opens it without sharing, so the program
// under test meets exactly what the game's lock does; where files are not locked, the test seam
// (ScopedHeldFile) makes the program's file operations meet the file as held.

#include <filesystem>
#include <memory>

#include "base/FileFaults.h"
#include "support/TempFolder.h"

namespace zw::test {

class HeldFile {
public:
    explicit HeldFile(const std::filesystem::path& file);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // Lets go of the file (the holder program ends).
    void release();

private:
    TempFolder signals_;
#ifdef _WIN32
    void* process_ = nullptr;
#else
    std::unique_ptr<ScopedHeldFile> seam_;
#endif
};

}  // namespace zw::test
