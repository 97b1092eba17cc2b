#pragma once
// Whole-file reading and writing. A file the program replaces is written to a temporary file in
// the same folder and then renamed over the old one, so a failure leaves the old file intact.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace zw {

// The bytes of a whole file; nullopt (and `error` set) when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::error_code* error = nullptr);

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

// Renames `from` to `to`, replacing `to` when it exists (also on Windows).
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// The temporary name used beside `path` while it is being replaced.
std::filesystem::path temporarySibling(const std::filesystem::path& path);

}  // namespace zw
