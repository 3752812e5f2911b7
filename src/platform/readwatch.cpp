#include "platform/readwatch.h"

#ifdef __linux__

#include <QSocketNotifier>
#include <array>
#include <cstdlib>
#include <map>
#include <set>
#include <sys/inotify.h>
#include <unistd.h>

namespace sentari::platform {

namespace {

// The folder a file lives in and its name there, with symbolic links followed so that a
// read through a link is seen where it happens.
std::pair<std::string, std::string> placeOf(const std::string& file)
{
    std::string path = file;
    if (char* real = ::realpath(file.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

class InotifyReadWatch : public ReadWatch {
public:
    explicit InotifyReadWatch(int fd) : fd_(fd), notifier_(fd, QSocketNotifier::Read)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] {
            if (drain())
                emit read();
        });
    }
    ~InotifyReadWatch() override { ::close(fd_); }
    Q_DISABLE_COPY_MOVE(InotifyReadWatch)

    void watch(const std::vector<std::string>& files) override
    {
        std::map<std::string, std::set<std::string>> wanted;
        for (const std::string& file : files) {
            if (file.empty())
                continue;
            auto [folder, name] = placeOf(file);
            wanted[folder].insert(name);
        }
        for (const auto& [wd, names] : names_)
            ::inotify_rm_watch(fd_, wd);
        names_.clear();
        for (const auto& [folder, names] : wanted) {
            // A folder that is missing now is picked up at the next watch().
            const int wd = ::inotify_add_watch(fd_, folder.c_str(), IN_CLOSE_NOWRITE | IN_ONLYDIR);
            if (wd >= 0)
                names_[wd].insert(names.begin(), names.end());
        }
        discardPending();
    }

    void discardPending() override { drain(); }

private:
    // Reads every queued event; true when one of them was a read of a watched file.
    bool drain()
    {
        bool seen = false;
        alignas(inotify_event) std::array<char, 4096> buffer{};
        for (;;) {
            const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
            if (n <= 0)
                break; // EAGAIN: nothing more queued
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                if (event->len == 0 || (event->mask & IN_ISDIR))
                    continue;
                const auto names = names_.find(event->wd);
                if (names != names_.end() && names->second.contains(event->name))
                    seen = true;
            }
        }
        return seen;
    }

    int fd_;
    QSocketNotifier notifier_;
    std::map<int, std::set<std::string>> names_;
};

} // namespace

std::unique_ptr<ReadWatch> ReadWatch::create()
{
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::make_unique<InotifyReadWatch>(fd);
}

} // namespace sentari::platform

#else

namespace sentari::platform {

std::unique_ptr<ReadWatch> ReadWatch::create()
{
    return nullptr;
}

} // namespace sentari::platform

#endif
