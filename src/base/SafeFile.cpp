#include "base/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "base/FileFaults.h"
#include "base/FolderListing.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zw {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle openFile(const fs::path& path, bool forWriting) {
#ifdef _WIN32
    return FileHandle(_wfopen(path.c_str(), forWriting ? L"wb" : L"rb"));
#else
    return FileHandle(std::fopen(path.c_str(), forWriting ? "wb" : "rb"));
#endif
}

std::error_code lastError() { return {errno ? errno : EIO, std::generic_category()}; }

// Why a file could not be opened for reading. Windows' C library says only "access denied" for a
// file another program holds open; the system's own number tells that case apart.
std::error_code openError() {
#ifdef _WIN32
    const unsigned long code = _doserrno;
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION) {
        return {static_cast<int>(code), std::system_category()};
    }
#endif
    return lastError();
}

// Creates `path` (replacing a file of that name) and writes `pieces` into it one after the other,
// then flushes and closes it. A write that fails part-way leaves a partial file: the caller removes it.
std::error_code writeNewFile(const fs::path& path, std::span<const std::string_view> pieces) {
    if (std::error_code fault = fileFaultFor(FileOperation::Create)) return fault;
    errno = 0;
    FileHandle file = openFile(path, true);
    if (!file) return lastError();
    for (std::string_view piece : pieces) {
        if (std::error_code fault = fileFaultFor(FileOperation::Write)) {
            // A full disk takes what fits and refuses the rest.
            std::fwrite(piece.data(), 1, piece.size() / 2, file.get());
            return fault;
        }
        errno = 0;
        if (std::fwrite(piece.data(), 1, piece.size(), file.get()) != piece.size()) return lastError();
    }
    if (std::error_code fault = fileFaultFor(FileOperation::Flush)) return fault;
    errno = 0;
    const bool flushed = std::fflush(file.get()) == 0;
    std::error_code error = flushed ? std::error_code() : lastError();
    errno = 0;
    if (std::fclose(file.release()) != 0 && !error) error = lastError();
    return error;
}

// The suffixes of what stands beside a target while it is replaced: the temporary file of a write,
// a staged copy (install), the former file set aside (pair replace), and their combinations.
constexpr std::string_view kTemporarySuffixes[] = {".zwtmp", ".zwnew", ".zwold"};
constexpr std::string_view kLeftoverSuffixes[] = {".zwtmp", ".zwtmp.zwtmp", ".zwnew", ".zwnew.zwtmp", ".zwold"};

}  // namespace

std::optional<std::string> readWholeFile(const fs::path& path, std::error_code* error) {
    std::string bytes;
    if (!readWholeFileInto(path, bytes, error)) return std::nullopt;
    return bytes;
}

bool readWholeFileInto(const fs::path& path, std::string& buffer, std::error_code* error) {
    buffer.clear();
    if (std::error_code held = heldFileFaultFor(path)) {
        if (error) *error = held;
        return false;
    }
    return appendWholeFile(path, buffer, error);
}

bool appendWholeFile(const std::filesystem::path& path, std::string& buffer, std::error_code* error) {
    errno = 0;
    FileHandle file = openFile(path, false);
    const size_t start = buffer.size();
    const auto fail = [&] {
        if (error) *error = lastError();
        buffer.resize(start);
        return false;
    };
    if (!file) {
        if (error) *error = openError();  // tells a file another program holds from one denied
        return false;
    }
    std::error_code sizeError;
    const uintmax_t expected = std::filesystem::file_size(path, sizeError);
    if (!sizeError && expected > buffer.max_size() - start) {
        errno = EFBIG;
        return fail();
    }
    // The size taken first is what is read in one go; a file that changed since is read to its end.
    size_t end = start;
    size_t room = sizeError ? 65536 : static_cast<size_t>(expected) + 1;
    for (;;) {
        buffer.resize(end + room);
        const size_t got = std::fread(buffer.data() + end, 1, room, file.get());
        end += got;
        if (got < room) break;
        room = 65536;
    }
    buffer.resize(end);
    if (std::ferror(file.get())) return fail();
    if (error) error->clear();
    return true;
}

void FileBuffer::reserve(size_t size) {
    if (size <= capacity_) return;
    const size_t capacity = std::max(size, capacity_ + capacity_ / 2);
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);  // not filled: the read writes it
    if (size_ > 0) std::memcpy(grown.get(), data_.get(), size_);
    data_ = std::move(grown);
    capacity_ = capacity;
}

bool FileBuffer::read(const fs::path& path, std::error_code& error, uintmax_t largest) {
    size_ = 0;
    fileSize_ = 0;
    error.clear();
    if (std::error_code held = heldFileFaultFor(path)) {
        error = held;
        return false;
    }
    // The system's own calls where there are such: no stream, no buffer of its own, and a read of
    // the whole file straight into this memory.
#ifdef _WIN32
    errno = 0;
    FileHandle file = openFile(path, false);
    if (!file) {
        error = openError();  // tells a file another program holds from one denied
        return false;
    }
    struct _stat64 status {};
    const bool sized = _fstat64(_fileno(file.get()), &status) == 0;
    const auto readSome = [&](char* into, size_t count) -> long long {
        const size_t got = std::fread(into, 1, count, file.get());
        return got == 0 && std::ferror(file.get()) ? -1 : static_cast<long long>(got);
    };
#else
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = lastError();
        return false;
    }
    const Closer closer{fd};
    struct stat status {};
    const bool sized = fstat(fd, &status) == 0;
    const auto readSome = [&](char* into, size_t count) -> long long {
        for (;;) {
            const ssize_t got = ::read(fd, into, count);
            if (got >= 0 || errno != EINTR) return got;
        }
    };
#endif
    fileSize_ = sized && status.st_size > 0 ? static_cast<uintmax_t>(status.st_size) : 0;
    if (fileSize_ > largest || fileSize_ >= SIZE_MAX / 2) {
        error = std::make_error_code(std::errc::file_too_large);
        return false;
    }
    // Room for the whole file and one byte more; the file is read to its end (a read that gives
    // nothing), also when it grew since it was opened.
    reserve(static_cast<size_t>(fileSize_) + 1);
    for (;;) {
        if (size_ == capacity_) reserve(size_ + 65536);
        errno = 0;
        const long long got = readSome(data_.get() + size_, capacity_ - size_);
        if (got < 0) {
            error = lastError();
            size_ = 0;
            return false;
        }
        if (got == 0) return true;
        size_ += static_cast<size_t>(got);
        if (size_ > largest) {
            size_ = 0;
            error = std::make_error_code(std::errc::file_too_large);
            return false;
        }
    }
}

fs::path temporarySibling(const fs::path& path) {
    fs::path temp = path;
    temp += ".zwtmp";
    return temp;
}

std::error_code replaceFile(const fs::path& from, const fs::path& to) {
    if (std::error_code fault = fileFaultFor(FileOperation::Rename)) return fault;
    if (std::error_code held = heldFileFaultFor(from)) return held;
    if (std::error_code held = heldFileFaultFor(to)) return held;
#ifdef _WIN32
    // Windows replaces files only: a folder is moved to a free name without that flag.
    std::error_code probe;
    const DWORD replace = fs::is_directory(fs::symlink_status(from, probe)) ? 0 : MOVEFILE_REPLACE_EXISTING;
    if (!MoveFileExW(from.c_str(), to.c_str(), replace | MOVEFILE_WRITE_THROUGH)) {
        return {static_cast<int>(GetLastError()), std::system_category()};
    }
    return {};
#else
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec;
#endif
}

std::error_code removeFile(const fs::path& path) {
    if (std::error_code fault = fileFaultFor(FileOperation::Remove)) return fault;
    if (std::error_code held = heldFileFaultFor(path)) return held;
    std::error_code ec;
    fs::remove(path, ec);
    return ec;
}

std::error_code checkNotHeld(const fs::path& path) {
    if (std::error_code fault = fileFaultFor(FileOperation::Rename)) return fault;
    if (std::error_code held = heldFileFaultFor(path)) return held;
#ifdef _WIN32
    // Renaming and deleting need this access; without sharing it is refused while anyone has the file open.
    const HANDLE file = CreateFileW(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return {};
        return {static_cast<int>(code), std::system_category()};
    }
    CloseHandle(file);
#endif
    return {};
}

std::error_code makeFolder(const fs::path& path, bool& made) {
    made = false;
    if (std::error_code fault = fileFaultFor(FileOperation::Create)) return fault;
    std::error_code ec;
    made = fs::create_directory(path, ec);
    if (made || ec) return ec;
    std::error_code probe;
    if (!fs::is_directory(path, probe)) return std::make_error_code(std::errc::file_exists);
    return {};
}

std::error_code removeFolderTree(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (!fs::exists(status)) return {};
    if (fs::is_directory(status)) {
        std::error_code first;
        for (const ListedEntry& entry : listFolder(path, ec)) {
            const std::error_code entryError = removeFolderTree(path / entry.name);
            if (!first) first = entryError;
        }
        if (ec) return ec;
        if (first) return first;
    }
    return removeFile(path);
}

bool isTemporaryName(const fs::path& name) {
    const fs::path file = name.filename();
    const fs::path::string_type& text = file.native();
    for (std::string_view suffix : kTemporarySuffixes) {
        const fs::path::string_type ending(suffix.begin(), suffix.end());
        if (text.size() > ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0)
            return true;
    }
    return false;
}

void removeLeftoversOf(const fs::path& target) {
    for (std::string_view suffix : kLeftoverSuffixes) {
        fs::path leftover = target;
        leftover += std::string(suffix);
        std::error_code probe;
        const fs::file_status status = fs::symlink_status(leftover, probe);
        // Only files: a folder under such a name is nothing this program leaves.
        if (fs::exists(status) && !fs::is_directory(status)) removeFile(leftover);
    }
}

std::error_code writePiecesAtomically(const fs::path& path, std::span<const std::string_view> pieces) {
    const fs::path temp = temporarySibling(path);
    std::error_code error = writeNewFile(temp, pieces);
    if (!error) error = replaceFile(temp, path);
    if (error) removeFile(temp);
    return error;
}

std::error_code writeFileAtomically(const fs::path& path, std::string_view bytes) {
    return writePiecesAtomically(path, {&bytes, 1});
}

std::error_code copyFileAtomically(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    std::optional<std::string> bytes = readWholeFile(from, &ec);
    if (!bytes) return ec;
    return writeFileAtomically(to, *bytes);
}

}  // namespace zw
