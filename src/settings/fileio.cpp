#include "fileio.h"

#include "settingsstore.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sentari::fileio {

namespace {

[[noreturn]] void fail(std::string_view action, std::string_view what, const fs::path& path,
                       int error)
{
    throw StoreError("Could not " + std::string(action) + " " + std::string(what) + " \"" +
                     path.string() + "\": " + systemReason(error) + ".");
}

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
    int release()
    {
        int f = fd;
        fd = -1;
        return f;
    }
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

} // namespace

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
    return FileId{static_cast<std::uint64_t>(st.st_size),
                  static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                  static_cast<std::uint64_t>(st.st_ino), static_cast<std::uint64_t>(st.st_dev)};
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

std::string readAll(const fs::path& path, std::string_view what)
{
    auto data = readIfExists(path, what);
    if (!data)
        fail("read", what, path, ENOENT);
    return std::move(*data);
}

void writeAtomically(const fs::path& path, std::string_view data, std::string_view what,
                     bool durable)
{
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    fs::create_directories(dir, ec);

    mode_t mode = 0644;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail("write", what, path, EISDIR);
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    removeAbandonedTemporaries(dir, path.filename().string());
    std::random_device rd;
    fs::path temp;
    Fd fd(-1);
    for (int attempt = 0; attempt < 16 && fd.fd < 0; ++attempt) {
        temp = dir / ("." + path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
        fd.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd.fd < 0 && errno != EEXIST)
            fail("write", what, path, errno);
    }
    if (fd.fd < 0)
        fail("write", what, path, EEXIST);
    if (!writeAll(fd.fd, data) || (durable && ::fsync(fd.fd) != 0)) {
        const int err = errno;
        ::unlink(temp.c_str());
        fail("write", what, path, err);
    }
    ::fchmod(fd.fd, mode);
    if (::close(fd.release()) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        fail("write", what, path, err);
    }
    if (durable) {
        // Make the rename itself durable.
        Fd dfd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dfd.fd >= 0)
            ::fsync(dfd.fd);
    }
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
