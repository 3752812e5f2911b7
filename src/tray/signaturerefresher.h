#pragma once

// Puts the current quote into every signature file a slice at a time, back in the event loop
// between slices, so that a long list of signatures leaves the icon, D-Bus calls and a
// session's SIGTERM answered while the files are written.

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sentari {
class SettingsStore;
}

namespace sentari::tray {

// Signature 1 with the quote, as the clipboard copy takes it.
struct FirstSignature {
    QString text;
    QByteArray rtf;
};

class SignatureRefresher : public QObject {
    Q_OBJECT
public:
    // sliceTime: how long a slice goes on once it has done its least number of signatures.
    explicit SignatureRefresher(SettingsStore& store,
                                std::chrono::milliseconds sliceTime = std::chrono::milliseconds(15),
                                QObject* parent = nullptr);

    // Starts putting the quote into every signature file; a refresh still running is dropped
    // and its files get this quote instead. The first slice runs before this returns, so
    // signature 1 is known then (nullopt: there is no signature at all), and a short list
    // (MinFirstSlice signatures or fewer) is done. A failure naming reportedFile is left out of
    // finished(): the user has been told about that file already.
    std::optional<FirstSignature> start(const QString& quote, const QString& reportedFile = {});
    // The list of signatures has changed: every failure is news again.
    void forgetTold() { told_.clear(); }
    bool running() const { return next_ != 0; }

    // The first slice does at least this many signatures, later ones at least one; then each
    // goes on while it is within its time.
    static constexpr std::int64_t MinFirstSlice = 16;

signals:
    // Every listed file got the quote, or a sentence in failures says why not. untold: the
    // failures the last refresh did not have, so that a file that stays unwritable is told
    // once, not at every quote; it is told again once it has been written meanwhile.
    void finished(const QStringList& failures, const QStringList& untold);

private:
    // One slice; true when the list has ended.
    bool runSlice(std::int64_t atLeast);
    void finish();

    SettingsStore& store_;
    std::chrono::milliseconds sliceTime_;
    QTimer nextSlice_;
    std::string quote_;
    QString reportedFile_;
    std::int64_t next_ = 0;  // the next signature to write; 0 when no refresh runs
    std::int64_t chunk_ = 4; // signatures per store call, fitted to how long they take
    std::optional<FirstSignature> first_;
    QStringList failures_; // reportedFile's included
    QSet<QString> told_;   // the last finished refresh's failures
};

} // namespace sentari::tray
