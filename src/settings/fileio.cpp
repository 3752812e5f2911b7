#include "fileio.h"

#include "settingsstore.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace sentari::fileio {

namespace {

// Closes a descriptor on every path out of a function.
struct Fd {
    int fd;
    explicit Fd(int f) : fd(f) {}
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};

bool writeAll(int fd, std::string_view data)
{
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string readFd(int fd, std::size_t sizeHint, bool& ok)
{
    std::string out;
    out.resize(sizeHint);
    std::size_t used = 0;
    for (;;) {
        if (used == out.size())
            out.resize(out.size() < 4096 ? 4096 : out.size() * 2);
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

// A writer killed before its rename leaves its temporary file behind (a copy of a whole
// data file, perhaps). One older than any write can take is nobody's any more.
void removeAbandonedTemporaries(const fs::path& dir, const std::string& name)
{
    const std::string prefix = "." + name + ".tmp";
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::minutes(10);
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry.size() > prefix.size() && entry.compare(0, prefix.size(), prefix) == 0 &&
            entry.find_first_not_of("0123456789", prefix.size()) == std::string::npos) {
            std::error_code statError;
            const auto written = fs::last_write_time(it->path(), statError);
            if (!statError && written < cutoff)
                fs::remove(it->path(), statError);
        }
    }
}

FileId idOf(const struct stat& st)
{
    return FileId{static_cast<std::uint64_t>(st.st_size),
                  static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                  static_cast<std::uint64_t>(st.st_ino), static_cast<std::uint64_t>(st.st_dev)};
}

} // namespace

void fail(std::string_view action, std::string_view what, const fs::path& path, int error)
{
    throw StoreError("Could not " + std::string(action) + " " + std::string(what) + " \"" +
                     path.string() + "\": " + systemReason(error) + ".");
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
    struct stat st;
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
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return idOf(st);
}

std::optional<FileId> identify(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return idOf(st);
}

std::optional<std::string> readIfExists(const fs::path& path, std::string_view what)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        fail("read", what, path, errno);
    }
    struct stat st;
    if (::fstat(fd.fd, &st) != 0)
        fail("read", what, path, errno);
    if (S_ISDIR(st.st_mode))
        fail("read", what, path, EISDIR);
    bool ok = false;
    std::string data = readFd(fd.fd, static_cast<std::size_t>(st.st_size), ok);
    if (!ok)
        fail("read", what, path, errno);
    return data;
}

void requireReadable(const fs::path& path, std::string_view what)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (fd.fd < 0 || ::fstat(fd.fd, &st) != 0)
        fail("read", what, path, errno);
    if (S_ISDIR(st.st_mode))
        fail("read", what, path, EISDIR);
    if (!S_ISREG(st.st_mode))
        throw StoreError("Could not read " + std::string(what) + " \"" + path.string() +
                         "\": it is not a regular file.");
}

AtomicWriter::AtomicWriter(const fs::path& path, std::string_view what) : path_(path), what_(what)
{
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    fs::create_directories(dir, ec);

    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail(EISDIR);
        mode_ = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode_ = 0666 & ~mask;
    }

    removeAbandonedTemporaries(dir, path.filename().string());
    std::random_device rd;
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        temp_ = dir / ("." + path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode_);
        if (fd_ < 0 && errno != EEXIST) {
            temp_.clear();
            fail(errno);
        }
    }
    if (fd_ < 0) {
        temp_.clear();
        fail(EEXIST);
    }
}

AtomicWriter::~AtomicWriter()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!temp_.empty())
        ::unlink(temp_.c_str());
}

void AtomicWriter::fail(int error)
{
    sentari::fileio::fail("write", what_, path_, error);
}

void AtomicWriter::write(std::string_view data)
{
    if (!writeAll(fd_, data))
        fail(errno);
}

void AtomicWriter::copyFrom(int source, std::uint64_t offset, std::uint64_t length)
{
    auto in = static_cast<off_t>(offset);
#ifdef __linux__
    while (length > 0) {
        const ssize_t n = ::copy_file_range(source, &in, fd_, nullptr, length, 0);
        if (n > 0) {
            length -= static_cast<std::uint64_t>(n);
        } else if (n == 0) {
            fail(ENODATA); // the source is shorter than it was a moment ago
        } else if (errno != EINTR) {
            // Folders on different file systems, or one that cannot copy by itself.
            if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
                fail(errno);
            break;
        }
    }
#endif
    std::string buffer(std::min<std::uint64_t>(length, 1 << 20), '\0');
    while (length > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size()));
        const ssize_t n = readAt(source, buffer.data(), want, static_cast<std::uint64_t>(in));
        if (n <= 0)
            fail(n == 0 ? ENODATA : errno);
        write(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        in += n;
        length -= static_cast<std::uint64_t>(n);
    }
}

FileId AtomicWriter::commit(bool durable)
{
    struct stat st;
    if ((durable && ::fsync(fd_) != 0) || ::fchmod(fd_, mode_) != 0 || ::fstat(fd_, &st) != 0)
        fail(errno);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 || ::rename(temp_.c_str(), path_.c_str()) != 0)
        fail(errno);
    temp_.clear();
    if (durable) {
        // Make the rename itself durable.
        const fs::path dir = path_.has_parent_path() ? path_.parent_path() : fs::path(".");
        Fd dfd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dfd.fd >= 0)
            ::fsync(dfd.fd);
    }
    return idOf(st);
}

void writeAtomically(const fs::path& path, std::string_view data, std::string_view what,
                     bool durable)
{
    AtomicWriter writer(path, what);
    writer.write(data);
    writer.commit(durable);
}

void append(const fs::path& path, std::string_view data, std::string_view what)
{
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
    if (fd.fd < 0)
        fail("add to", what, path, errno);
    if (!writeAll(fd.fd, data) || ::fsync(fd.fd) != 0)
        fail("add to", what, path, errno);
}

FileLock::FileLock(const fs::path& lockFile)
{
    std::error_code ec;
    fs::create_directories(lockFile.parent_path(), ec);
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return; // a read-only folder: go on unlocked rather than fail every read
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
}

FileLock::~FileLock()
{
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
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
