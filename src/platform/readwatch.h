#pragma once

// Tells when some program has read one of a set of files: opened it for reading and closed
// it again. Files are followed through their folders, so one that is replaced by a rename
// (as Sentari writes files) or that does not exist yet is still seen.

#include <QObject>
#include <memory>
#include <string>
#include <vector>

namespace sentari::platform {

class ReadWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Null where the system cannot tell reads (anything but Linux's inotify).
    static std::unique_ptr<ReadWatch> create();

    // Replaces the watched files (paths as the system's bytes); an empty list stops the watch.
    virtual void watch(const std::vector<std::string>& files) = 0;
    // Forgets reads that happened but were not reported yet, such as Sentari's own.
    virtual void discardPending() = 0;

signals:
    // One of the files was read since the last report.
    void read();
};

} // namespace sentari::platform
