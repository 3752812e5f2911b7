#pragma once

// Whole-file replacement: a temporary file beside the target, locked by its writer while it
// lives, renamed over the target, so a crash leaves the old file or the new one. Failures
// throw StoreError as fileio.h's operations do.

#include "sentaristore/files/fileio.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sentari::fileio {

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
} // namespace sentari::fileio
