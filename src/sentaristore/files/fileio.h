#pragma once

// File operations with the guarantees Sentari needs: file identity for cache checks, reads
// that are bounded, appends and inter-process locks (whole-file replacement is atomicfile.h's).
// Nothing here blocks on a FIFO or reads a device without end. Failures throw StoreError with a
// message that names the file and the system's reason.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

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

// The most a whole-file read takes in (settings, a signature file).
inline constexpr std::uint64_t MaxWholeFileBytes = 64 << 20;

// The whole file, or nothing when it is missing; throws on any other failure, on what is not
// a regular file and on a file larger than `limit`. `what` names the file for the user ("the
// settings file").
std::optional<std::string> readIfExists(const std::filesystem::path& path,
                                        std::string_view what = "the file",
                                        std::uint64_t limit = MaxWholeFileBytes);

// Why the path cannot be read as a regular file ("it does not exist", "it is a folder", the
// system's reason), or nothing when it can. Never blocks (a FIFO is refused, not waited on).
std::optional<std::string> whyUnreadable(const std::filesystem::path& path);
// Throws, naming the file and the reason, unless the path is a regular file that can be
// opened for reading.
void requireReadable(const std::filesystem::path& path, std::string_view what);

// A 64-bit FNV-1a hash: the same in every process, for names made from names.
std::uint64_t fnv1a(std::string_view bytes);

// Appends the bytes and flushes them; creates the file when missing. Refuses what
// AtomicWriter refuses.
void append(const std::filesystem::path& path, std::string_view data,
            std::string_view what = "the file");

// Where the lock that serialises the writers of a file lies: ".NAME.lock" beside the file
// its links lead to, so every path to one file takes one lock.
std::filesystem::path lockBeside(const std::filesystem::path& file);

// An exclusive advisory lock held while the object lives (blocks until it is free). A
// transient lock file is removed again when the lock is given up, so none is left in the
// user's folders; waiters then take the lock on the next file of that name.
class FileLock {
public:
    enum class LockFile { Kept, Transient };
    explicit FileLock(const std::filesystem::path& lockFile, LockFile kind = LockFile::Kept);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool locked() const { return fd_ >= 0; }

private:
    std::filesystem::path path_;
    int fd_ = -1;
    bool transient_ = false;
};

// Throws "Could not <action> <what> "<path>": <the system's reason>."
[[noreturn]] void fail(std::string_view action, std::string_view what,
                       const std::filesystem::path& path, int error);
// Throws "Could not <action> <what> "<path>": <reason>."
[[noreturn]] void fail(std::string_view action, std::string_view what,
                       const std::filesystem::path& path, std::string_view reason);
// The path as a message shows it (see text::forDisplay).
std::string shown(const std::filesystem::path& path);

// Reads up to `length` bytes at `offset`, fewer only at the end of the file; -1 on failure.
ssize_t readAt(int fd, char* buffer, std::size_t length, std::uint64_t offset);

// The system's text for an error number.
std::string systemReason(int error);

// The user's folders, as the XDG base directory variables say.
std::filesystem::path configHome();
std::filesystem::path cacheHome();

} // namespace sentari::fileio
