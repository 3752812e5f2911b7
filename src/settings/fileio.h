#pragma once

// File operations with the guarantees Sentari needs: whole-file atomic replacement, file
// identity for cache checks, and an inter-process lock. Failures throw StoreError with a
// message that names the file and the system's reason.

#include "export.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sentari::fileio {

// Changes whenever the file is replaced or modified.
struct FileId {
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;
    bool operator==(const FileId&) const = default;
};

enum class Kind { Missing, Regular, Directory, Other };

SENTARISTORE_EXPORT Kind kindOf(const std::filesystem::path& path);
// Nothing when the path is not a regular file that can be inspected.
SENTARISTORE_EXPORT std::optional<FileId> identify(const std::filesystem::path& path);

// The whole file; throws when it cannot be read. `what` names the file for the user
// ("the quote data file").
SENTARISTORE_EXPORT std::string readAll(const std::filesystem::path& path,
                                        std::string_view what = "the file");
// Nothing when the file is missing; throws on any other failure.
SENTARISTORE_EXPORT std::optional<std::string> readIfExists(const std::filesystem::path& path,
                                                            std::string_view what = "the file");

// Replaces the file with exactly these bytes: written to a temporary file beside it,
// flushed to disk and renamed over it, so a crash leaves the old file or the new one.
// Creates missing parent folders. Keeps the permissions of an existing file. Without
// `durable` the data is not flushed first (for caches that are checked when read).
SENTARISTORE_EXPORT void writeAtomically(const std::filesystem::path& path, std::string_view data,
                                         std::string_view what = "the file", bool durable = true);
// Appends the bytes and flushes them; creates the file when missing.
SENTARISTORE_EXPORT void append(const std::filesystem::path& path, std::string_view data,
                                std::string_view what = "the file");

// An exclusive advisory lock held while the object lives (blocks until it is free).
class SENTARISTORE_EXPORT FileLock {
public:
    explicit FileLock(const std::filesystem::path& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The system's text for an error number.
SENTARISTORE_EXPORT std::string systemReason(int error);

// The user's folders, as the XDG base directory variables say.
SENTARISTORE_EXPORT std::filesystem::path configHome();
SENTARISTORE_EXPORT std::filesystem::path cacheHome();

} // namespace sentari::fileio
