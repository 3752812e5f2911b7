// The lock a writer holds on its temporary file is how a later writer tells a dead writer's
// leftover from a live writer's file.

#include "atomicfile.h"

#include "sentaristore/files/fd.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace sentari::fileio {

namespace {

bool lockExclusive(int fd, bool wait)
{
    while (::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A temporary file of the form ".NAME.tmpDIGITS"; its NAME, or nothing.
std::optional<std::string> targetOfTemporary(const std::string& entry)
{
    const auto tmp = entry.rfind(".tmp");
    if (entry.size() < 6 || entry[0] != '.' || tmp == std::string::npos || tmp < 2 ||
        tmp + 4 == entry.size() ||
        entry.find_first_not_of("0123456789", tmp + 4) != std::string::npos)
        return std::nullopt;
    return entry.substr(1, tmp - 1);
}

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

} // namespace

void removeIfAbandoned(const fs::path& file)
{
    Fd fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat held {};
    struct stat named {};
    if (fd.fd < 0 || ::fstat(fd.fd, &held) != 0 || !S_ISREG(held.st_mode) ||
        !lockExclusive(fd.fd, false))
        return;
    // Still the file that was locked (not renamed into place and replaced meanwhile), and
    // removed while locked, as its writer would: one that waits for a lock file starts over.
    if (::lstat(file.c_str(), &named) == 0 && sameFile(held, named))
        ::unlink(file.c_str());
}

std::string besideStem(const std::string& fileName)
{
    constexpr std::size_t NameMax = 255;
    constexpr std::size_t Extra = 1 + 4 + 6; // the dot before, ".tmp" and its six digits after
    if (fileName.size() + Extra <= NameMax)
        return fileName;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(fnv1a(fileName)));
    std::size_t keep = NameMax - Extra - 1 - 16;
    while (keep > 0 && (static_cast<unsigned char>(fileName[keep]) & 0xC0) == 0x80)
        --keep; // not in the middle of a UTF-8 character
    return fileName.substr(0, keep) + "~" + hex;
}

std::optional<fs::path> followLinks(const fs::path& path)
{
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)) || ec)
            return p;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            return p;
        p = to.is_absolute() ? to : folderOf(p) / to;
    }
    return std::nullopt;
}

const std::vector<std::string>& TemporaryCleaner::temporariesIn(const fs::path& dir)
{
    auto [it, fresh] = listings_.try_emplace(dir);
    if (fresh) {
        std::error_code ec;
        for (fs::directory_iterator entry(dir, ec), end; !ec && entry != end; entry.increment(ec)) {
            std::string name = entry->path().filename().string();
            if (targetOfTemporary(name))
                it->second.push_back(std::move(name));
        }
    }
    return it->second;
}

void TemporaryCleaner::cleanBeside(const fs::path& file)
{
    const auto target = followLinks(file);
    if (!target || !target->has_filename())
        return;
    const fs::path dir = folderOf(*target);
    const std::string name = besideStem(target->filename().string());
    for (const std::string& temp : temporariesIn(dir))
        if (targetOfTemporary(temp) == name)
            removeIfAbandoned(dir / temp);
}

void TemporaryCleaner::cleanFolder(const fs::path& dir)
{
    for (const std::string& temp : temporariesIn(dir))
        removeIfAbandoned(dir / temp);
}

AtomicWriter::AtomicWriter(const fs::path& path, std::string_view what, TemporaryCleaner* cleaner)
    : path_(path), what_(what)
{
    const auto target = followLinks(path);
    if (!target)
        fail(ELOOP);
    target_ = *target;
    const fs::path dir = folderOf(target_);
    std::error_code ec;
    fs::create_directories(dir, ec);

    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            refuse("it is a folder");
        if (!S_ISREG(st.st_mode))
            refuse("it is not a regular file, so it was left as it is");
        // The owner's say, even where the folder would let a rename replace it.
        if ((st.st_mode & 0222) == 0 || (::access(target_.c_str(), W_OK) != 0 && errno != ENOENT))
            refuse("it is read-only, so it was left as it is");
        mode_ = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        fail(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode_ = 0666 & ~mask;
    }

    TemporaryCleaner local;
    (cleaner ? *cleaner : local).cleanBeside(target_);
    createTemporary(dir);
}

void AtomicWriter::createTemporary(const fs::path& dir)
{
    std::random_device rd;
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        temp_ = dir / ("." + besideStem(target_.filename().string()) + ".tmp" +
                       std::to_string(rd() % 1000000));
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode_);
        if (fd_ < 0) {
            if (errno != EEXIST) {
                temp_.clear();
                fail(errno);
            }
            continue;
        }
        // Locked for as long as this writer lives; a cleaner that came between the creation
        // and the lock took the name away, so start again under another.
        struct stat held {};
        struct stat named {};
        if (!lockExclusive(fd_, true) || ::fstat(fd_, &held) != 0 ||
            ::lstat(temp_.c_str(), &named) != 0 || !sameFile(held, named)) {
            ::close(std::exchange(fd_, -1));
        }
    }
    if (fd_ < 0) {
        temp_.clear();
        fail(EEXIST);
    }
}

AtomicWriter::~AtomicWriter()
{
    if (!temp_.empty())
        ::unlink(temp_.c_str());
    if (fd_ >= 0)
        ::close(fd_);
}

void AtomicWriter::fail(int error)
{
    sentari::fileio::fail("write", what_, path_, error);
}

void AtomicWriter::refuse(std::string_view reason)
{
    sentari::fileio::fail("write", what_, path_, reason);
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
    if ((durable && ::fsync(fd_) != 0) || ::fchmod(fd_, mode_) != 0)
        fail(errno);
    const auto id = identify(fd_);
    if (!id)
        fail(errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        fail(errno);
    temp_.clear();
    // Closed only now: until the rename the lock tells cleaners this writer lives.
    ::close(std::exchange(fd_, -1));
    if (durable) {
        // Make the rename itself durable.
        Fd dfd(::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dfd.fd >= 0)
            ::fsync(dfd.fd);
    }
    return *id;
}

void writeAtomically(const fs::path& path, std::string_view data, std::string_view what,
                     bool durable, TemporaryCleaner* cleaner)
{
    AtomicWriter writer(path, what, cleaner);
    writer.write(data);
    writer.commit(durable);
}

} // namespace sentari::fileio
