#pragma once

// File operations with the guarantees Sentari needs: whole-file atomic replacement through
// symbolic links, file identity for cache checks, and inter-process locks. Nothing here
// blocks on a FIFO or reads a device without end. Failures throw StoreError with a message
// that names the file and the system's reason.

#include <cstdint>
#include <filesystem>
#include <map>
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

// The file a path names once its own symbolic links are followed (a link to a link too);
// the path itself when it is no link or a dangling one's target. Nothing for a loop.
std::optional<std::filesystem::path> followLinks(const std::filesystem::path& path);

// The NAME of the hidden files kept beside a file (".NAME.tmpDIGITS", ".NAME.lock"): the
// file's name, or, for a name too long to take their dot and suffix within the 255 bytes a
// name may have, its start and a hash of the whole name.
std::string besideStem(const std::string& fileName);
// Removes a temporary or transient lock file that no live writer holds locked (its writer
// was killed).
void removeIfAbandoned(const std::filesystem::path& file);
// A 64-bit FNV-1a hash: the same in every process, for names made from names.
std::uint64_t fnv1a(std::string_view bytes);

// Removes what writers killed before their rename left behind: temporary files of the form
// ".NAME.tmpDIGITS" that no live writer holds locked, whatever their age. Each folder is
// listed once per cleaner, so one cleaner can serve a whole batch of writes.
class TemporaryCleaner {
public:
    // The temporaries of this file (its links followed).
    void cleanBeside(const std::filesystem::path& file);
    // Every temporary in a folder that only Sentari writes in.
    void cleanFolder(const std::filesystem::path& dir);

private:
    const std::vector<std::string>& temporariesIn(const std::filesystem::path& dir);
    std::map<std::filesystem::path, std::vector<std::string>> listings_;
};

// The new content of a file, built in a temporary file beside it and renamed over it by
// commit(), so a crash leaves the old file or the new one. A symbolic link is written
// through: the file it names is replaced and the link stays. Creates missing parent folders
// and keeps the permissions of an existing file; refuses a file without write permission
// (left as it is) and anything but a regular file. Cleans up dead writers' temporaries of the
// same file first, through `cleaner` when given. Dropped unless committed.
class AtomicWriter {
public:
    AtomicWriter(const std::filesystem::path& path, std::string_view what,
                 TemporaryCleaner* cleaner = nullptr);
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
    [[noreturn]] void refuse(std::string_view reason);
    void createTemporary(const std::filesystem::path& dir);

    std::filesystem::path path_;   // as given, for messages
    std::filesystem::path target_; // the file replaced: path_ with its links followed
    std::filesystem::path temp_;
    std::string what_;
    int fd_ = -1;
    unsigned mode_ = 0644;
};

// Replaces the file with exactly these bytes through an AtomicWriter.
void writeAtomically(const std::filesystem::path& path, std::string_view data,
                     std::string_view what = "the file", bool durable = true,
                     TemporaryCleaner* cleaner = nullptr);
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
