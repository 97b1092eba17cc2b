#include "base/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zw {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle openFile(const std::filesystem::path& path, bool forWriting) {
#ifdef _WIN32
    return FileHandle(_wfopen(path.c_str(), forWriting ? L"wb" : L"rb"));
#else
    return FileHandle(std::fopen(path.c_str(), forWriting ? "wb" : "rb"));
#endif
}

std::error_code lastError() { return {errno ? errno : EIO, std::generic_category()}; }

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::error_code* error) {
    errno = 0;
    FileHandle file = openFile(path, false);
    if (!file) {
        if (error) *error = lastError();
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) {
        if (error) *error = lastError();
        return std::nullopt;
    }
    if (error) error->clear();
    return bytes;
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
    if (!file) return fail();
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

std::filesystem::path temporarySibling(const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".zwtmp";
    return temp;
}

std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {static_cast<int>(GetLastError()), std::system_category()};
    }
    return {};
#else
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return ec;
#endif
}

std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path temp = temporarySibling(path);
    {
        errno = 0;
        FileHandle file = openFile(temp, true);
        if (!file) return lastError();
        bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
        written = std::fflush(file.get()) == 0 && written;
        std::FILE* raw = file.release();
        written = std::fclose(raw) == 0 && written;
        if (!written) {
            const std::error_code ec = lastError();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return ec;
        }
    }
    if (std::error_code ec = replaceFile(temp, path)) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return ec;
    }
    return {};
}

std::error_code writePiecesAtomically(const std::filesystem::path& path, std::span<const std::string_view> pieces) {
    const std::filesystem::path temp = temporarySibling(path);
    {
        errno = 0;
        FileHandle file = openFile(temp, true);
        if (!file) return lastError();
        bool written = true;
        for (std::string_view piece : pieces) {
            if (!written) break;
            written = std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size();
        }
        written = std::fflush(file.get()) == 0 && written;
        std::FILE* raw = file.release();
        written = std::fclose(raw) == 0 && written;
        if (!written) {
            const std::error_code ec = lastError();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return ec;
        }
    }
    if (std::error_code ec = replaceFile(temp, path)) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return ec;
    }
    return {};
}

std::error_code copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    std::optional<std::string> bytes = readWholeFile(from, &ec);
    if (!bytes) return ec;
    return writeFileAtomically(to, *bytes);
}

}  // namespace zw
