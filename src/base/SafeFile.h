#pragma once
// Whole-file reading and writing. A file the program replaces is written to a temporary file in
// the same folder and then renamed over the old one, so a failure leaves the old file intact.
//
// Every create, write, flush, rename and remove of the program's writers goes through the functions
// here, which consult the test seam of FileFaults.h before each one.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace zw {

// The bytes of a whole file; nullopt (and `error` set) when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::error_code* error = nullptr);

// Replaces the content of `buffer` with the bytes of a whole file, read straight into it: a buffer
// kept from file to file keeps its memory, so reading many files asks the system for no new pages.
// False (and `error` set) when the file cannot be opened or read; `buffer` is then empty.
bool readWholeFileInto(const std::filesystem::path& path, std::string& buffer, std::error_code* error = nullptr);

// Memory that file after file is read into: it grows (never shrinks) to the largest file read, and
// is neither cleared nor filled before a read, so that reading many files costs the reads alone.
class FileBuffer {
public:
    // Replaces the content with the bytes of the whole file at `path`, in one read where the file
    // is as large as it was when opened. A file of more than `largest` bytes is not read (error:
    // file too large). False (and `error` set) when the file cannot be opened or read; the buffer is
    // then empty. `fileSize()` tells the size the file had when it was opened (0 when unknown).
    bool read(const std::filesystem::path& path, std::error_code& error, uintmax_t largest = UINTMAX_MAX);
    std::string_view bytes() const { return {data_.get(), size_}; }
    uintmax_t fileSize() const { return fileSize_; }

private:
    void reserve(size_t size);

    std::unique_ptr<char[]> data_;
    size_t capacity_ = 0;
    size_t size_ = 0;
    uintmax_t fileSize_ = 0;
};

// Appends the bytes of a whole file to `buffer`, read straight into it: the buffer grows once, by
// the file's size, and no other copy is made. False (and `error` set) when the file cannot be
// opened or read; `buffer` is then as it was.
bool appendWholeFile(const std::filesystem::path& path, std::string& buffer, std::error_code* error = nullptr);

// Writes `bytes` as the new content of `path`: temporary file beside it, then rename.
// Returns the error of the first step that failed; an empty error_code on success.
std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Writes the pieces one after the other as the new content of `path`, each from where it stands,
// without joining them first: temporary file beside it, then rename. A failed write removes the
// temporary file and leaves `path` as it was. Returns the error of the first step that failed.
std::error_code writePiecesAtomically(const std::filesystem::path& path, std::span<const std::string_view> pieces);

// Copies `from` over `to` through a temporary file beside `to`.
std::error_code copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

// Renames `from` to `to`, replacing `to` when it exists (also on Windows). A folder is renamed to a
// name that is free.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// The temporary name used beside `path` while it is being replaced.
std::filesystem::path temporarySibling(const std::filesystem::path& path);

// Removes a file or an empty folder; one that is not there is no error.
std::error_code removeFile(const std::filesystem::path& path);

// Proves that `path` could be renamed or removed now: on Windows it is opened for deletion without
// sharing, which fails while another program holds it open; elsewhere nothing holds a file so. A file
// that is not there is no error. Counted as a rename by the test seam.
std::error_code checkNotHeld(const std::filesystem::path& path);

// Makes the folder `path` (its last level only). `made` tells whether it was made now; a folder that
// was there already is no error (anything else under that name is).
std::error_code makeFolder(const std::filesystem::path& path, bool& made);

// Removes a folder with everything in it; one that is not there is no error.
std::error_code removeFolderTree(const std::filesystem::path& path);

// True for the names of the files and folders that stand beside a target only while it is replaced
// (".zwtmp", ".zwnew", ".zwold" at their end).
bool isTemporaryName(const std::filesystem::path& name);

// Removes what an earlier run that was stopped half-way may have left beside `target`: its temporary,
// staged and former files. What cannot be removed now is tried again by the next run.
void removeLeftoversOf(const std::filesystem::path& target);

}  // namespace zw
