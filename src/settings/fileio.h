#pragma once

// File operations with the guarantees Sentari needs: whole-file atomic replacement, file
// identity for cache checks, and an inter-process lock. Failures throw StoreError with a
// message that names the file and the system's reason.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

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

Kind kindOf(const std::filesystem::path& path);
// Nothing when the path is not a regular file that can be inspected.
std::optional<FileId> identify(const std::filesystem::path& path);
std::optional<FileId> identify(int fd);

// The whole file, or nothing when it is missing; throws on any other failure. `what` names
// the file for the user ("the settings file").
std::optional<std::string> readIfExists(const std::filesystem::path& path,
                                        std::string_view what = "the file");

// Throws, naming the file and the reason, unless the path is a regular file that can be
// opened for reading. Never blocks (a FIFO is refused, not waited on).
void requireReadable(const std::filesystem::path& path, std::string_view what);

// The new content of a file, built in a temporary file beside it and renamed over it by
// commit(), so a crash leaves the old file or the new one. Creates missing parent folders
// and keeps the permissions of an existing file. Dropped unless committed.
class AtomicWriter {
public:
    AtomicWriter(const std::filesystem::path& path, std::string_view what);
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    void write(std::string_view data);
    // Appends `length` bytes of the open file `source` from `offset`, copied by the kernel.
    void copyFrom(int source, std::uint64_t offset, std::uint64_t length);
    // Replaces the file; `durable` flushes the data and the rename to disk first (caches
    // that are checked when read skip it). Returns the new file's identity.
    FileId commit(bool durable = true);

private:
    [[noreturn]] void fail(int error);

    std::filesystem::path path_;
    std::filesystem::path temp_;
    std::string what_;
    int fd_ = -1;
    unsigned mode_ = 0644;
};

// Replaces the file with exactly these bytes through an AtomicWriter.
void writeAtomically(const std::filesystem::path& path, std::string_view data,
                     std::string_view what = "the file", bool durable = true);
// Appends the bytes and flushes them; creates the file when missing.
void append(const std::filesystem::path& path, std::string_view data,
            std::string_view what = "the file");

// An exclusive advisory lock held while the object lives (blocks until it is free).
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// Throws "Could not <action> <what> "<path>": <the system's reason>."
[[noreturn]] void fail(std::string_view action, std::string_view what,
                       const std::filesystem::path& path, int error);

// Reads up to `length` bytes at `offset`, fewer only at the end of the file; -1 on failure.
ssize_t readAt(int fd, char* buffer, std::size_t length, std::uint64_t offset);

// The system's text for an error number.
std::string systemReason(int error);

// The user's folders, as the XDG base directory variables say.
std::filesystem::path configHome();
std::filesystem::path cacheHome();

} // namespace sentari::fileio
