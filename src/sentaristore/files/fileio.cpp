#include "fileio.h"

#include "sentaristore/files/atomicfile.h"
#include "sentaristore/files/fd.h"
#include "sentaristore/files/textcodec.h"
#include "sentaristore/settingsstore.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace sentari::fileio {

namespace {

// Up to limit + 1 bytes, so that a caller can tell a file that grew beyond the limit.
std::string readFd(int fd, std::size_t sizeHint, std::size_t limit, bool& ok)
{
    std::string out;
    out.resize(std::min(sizeHint, limit + 1));
    std::size_t used = 0;
    while (used <= limit) {
        if (used == out.size())
            out.resize(std::min(out.size() < 4096 ? 4096 : out.size() * 2, limit + 1));
        const ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            return {};
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    out.resize(used);
    ok = true;
    return out;
}

FileId idOf(const struct stat& st)
{
    return FileId{static_cast<std::uint64_t>(st.st_size),
                  static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                  static_cast<std::uint64_t>(st.st_ino), static_cast<std::uint64_t>(st.st_dev)};
}

} // namespace

std::string shown(const fs::path& path)
{
    return text::forDisplay(path.native());
}

void fail(std::string_view action, std::string_view what, const fs::path& path,
          std::string_view reason)
{
    throw StoreError("Could not " + std::string(action) + " " + std::string(what) + " \"" +
                     shown(path) + "\": " + std::string(reason) + ".");
}

void fail(std::string_view action, std::string_view what, const fs::path& path, int error)
{
    fail(action, what, path, systemReason(error));
}

ssize_t readAt(int fd, char* buffer, std::size_t length, std::uint64_t offset)
{
    std::size_t got = 0;
    while (got < length) {
        const ssize_t n = ::pread(fd, buffer + got, length - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

std::string systemReason(int error)
{
    return std::strerror(error);
}

Kind kindOf(const fs::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return Kind::Missing;
    if (S_ISREG(st.st_mode))
        return Kind::Regular;
    if (S_ISDIR(st.st_mode))
        return Kind::Directory;
    return Kind::Other;
}

std::optional<FileId> identify(const fs::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return idOf(st);
}

std::optional<FileId> identify(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return idOf(st);
}

namespace {

// What is wrong with an open file that should be a regular one, or nothing.
std::optional<std::string> notRegular(const struct stat& st)
{
    if (S_ISREG(st.st_mode))
        return std::nullopt;
    if (S_ISDIR(st.st_mode))
        return "it is a folder";
    if (S_ISFIFO(st.st_mode))
        return "it is a FIFO (named pipe), not a regular file";
    return "it is not a regular file";
}

} // namespace

std::optional<std::string> readIfExists(const fs::path& path, std::string_view what,
                                        std::uint64_t limit)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        fail("read", what, path, errno);
    }
    struct stat st {};
    if (::fstat(fd.fd, &st) != 0)
        fail("read", what, path, errno);
    if (auto why = notRegular(st))
        fail("read", what, path, *why);
    const auto tooLarge = [&] {
        fail("read", what, path,
             "it is larger than " + std::to_string(limit >> 20) + " MB; is it the right file?");
    };
    if (static_cast<std::uint64_t>(st.st_size) > limit)
        tooLarge();
    bool ok = false;
    std::string data =
        readFd(fd.fd, static_cast<std::size_t>(st.st_size), static_cast<std::size_t>(limit), ok);
    if (!ok)
        fail("read", what, path, errno);
    if (data.size() > limit)
        tooLarge();
    return data;
}

std::optional<std::string> whyUnreadable(const fs::path& path)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.fd < 0 || ::fstat(fd.fd, &st) != 0) {
        if (errno == ENOENT)
            return "it does not exist";
        if (errno == EISDIR)
            return "it is a folder";
        return systemReason(errno);
    }
    return notRegular(st);
}

void requireReadable(const fs::path& path, std::string_view what)
{
    if (auto why = whyUnreadable(path))
        fail("read", what, path, *why);
}

void append(const fs::path& path, std::string_view data, std::string_view what)
{
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC, 0666));
    if (fd.fd < 0)
        fail("add to", what, path, errno);
    struct stat st {};
    if (::fstat(fd.fd, &st) != 0)
        fail("add to", what, path, errno);
    if (auto why = notRegular(st))
        fail("add to", what, path, *why);
    if ((st.st_mode & 0222) == 0)
        fail("add to", what, path, "it is read-only, so it was left as it is");
    if (!writeAll(fd.fd, data) || ::fsync(fd.fd) != 0) {
        const int error = errno;
        // Half a line would read as a line of its own, and a retry would add it twice.
        if (::ftruncate(fd.fd, st.st_size) == 0)
            ::fsync(fd.fd);
        fail("add to", what, path, error);
    }
}

std::uint64_t fnv1a(std::string_view bytes)
{
    // Not the textbook offset, but kept: cache file names and stored picks hold such hashes.
    std::uint64_t h = 1469598103934665603ULL;
    for (char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

fs::path lockBeside(const fs::path& file)
{
    const fs::path target = followLinks(file).value_or(file);
    return target.parent_path() / ("." + besideStem(target.filename().string()) + ".lock");
}

FileLock::FileLock(const fs::path& lockFile, LockFile kind)
    : path_(lockFile), transient_(kind == LockFile::Transient)
{
    std::error_code ec;
    fs::create_directories(lockFile.parent_path(), ec);
    for (;;) {
        fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, transient_ ? 0666 : 0600);
        if (fd_ < 0)
            return; // a read-only folder: go on unlocked rather than fail every read
        int locked = 0;
        while ((locked = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
        }
        struct stat held {};
        struct stat named {};
        if (locked != 0) {
            ::close(std::exchange(fd_, -1));
            return;
        }
        // A transient file may have been removed by the holder this one waited for.
        if (!transient_ || (::fstat(fd_, &held) == 0 && ::stat(lockFile.c_str(), &named) == 0 &&
                            held.st_dev == named.st_dev && held.st_ino == named.st_ino))
            return;
        ::close(std::exchange(fd_, -1));
    }
}

FileLock::~FileLock()
{
    if (fd_ < 0)
        return;
    if (transient_)
        ::unlink(path_.c_str()); // before the lock goes, so no newcomer takes a removed file
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

namespace {
fs::path xdgDir(const char* variable, const char* fallback)
{
    const char* value = std::getenv(variable);
    if (value && *value && fs::path(value).is_absolute())
        return value;
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / fallback;
}
} // namespace

fs::path configHome()
{
    return xdgDir("XDG_CONFIG_HOME", ".config");
}

fs::path cacheHome()
{
    return xdgDir("XDG_CACHE_HOME", ".cache");
}

} // namespace sentari::fileio
