#include "tray/signaturerefresher.h"

#include "platform/qtstring.h"
#include "sentaristore/settingsstore.h"

#include <algorithm>
#include <chrono>

namespace sentari::tray {

namespace {
using Clock = std::chrono::steady_clock;
constexpr std::int64_t MaxChunk = 4096;
} // namespace

// The default slice time is short enough that a hover, a click or a SIGTERM waiting behind a
// slice goes unnoticed.
SignatureRefresher::SignatureRefresher(SettingsStore& store, std::chrono::milliseconds sliceTime,
                                       QObject* parent)
    : QObject(parent), store_(store), sliceTime_(sliceTime)
{
    nextSlice_.setSingleShot(true);
    nextSlice_.setInterval(0);
    connect(&nextSlice_, &QTimer::timeout, this, [this] {
        if (runSlice(0))
            finish();
        else
            nextSlice_.start();
    });
}

std::optional<FirstSignature> SignatureRefresher::start(const QString& quote,
                                                        const QString& reportedFile)
{
    quote_ = u8(quote);
    reportedFile_ = reportedFile;
    next_ = 1;
    first_.reset();
    failures_.clear();
    const bool done = runSlice(MinFirstSlice);
    // Taken before finish(): what its receivers do may start another refresh.
    std::optional<FirstSignature> first = first_;
    if (done)
        finish();
    else
        nextSlice_.start();
    return first;
}

bool SignatureRefresher::runSlice(std::int64_t atLeast)
{
    const auto sliceBegin = Clock::now();
    std::int64_t done = 0;
    // One call past atLeast finds the end of a list that long.
    while (done <= atLeast || Clock::now() - sliceBegin < sliceTime_) {
        const std::int64_t from = next_;
        const auto callBegin = Clock::now();
        const SignatureRefresh part = store_.refreshSignatures(quote_, from, chunk_);
        const auto took = Clock::now() - callBegin;
        if (from == 1 && part.count > 0)
            first_ = FirstSignature{qs(part.text), QByteArray::fromStdString(part.rtf)};
        for (const std::string& failure : part.failures)
            failures_ << qs(failure);
        done += part.count;
        next_ = part.next;
        if (next_ == 0)
            return true;
        // Store calls of a few milliseconds each, however long one file takes to write.
        if (took < sliceTime_ / 8)
            chunk_ = std::min(chunk_ * 2, MaxChunk);
        else if (took > sliceTime_ / 2)
            chunk_ = std::max<std::int64_t>(chunk_ / 2, 1);
    }
    return false;
}

void SignatureRefresher::finish()
{
    next_ = 0;
    nextSlice_.stop();
    const QString reported = QLatin1Char('"') + reportedFile_ + QLatin1Char('"');
    QStringList failures;
    QStringList untold;
    for (const QString& failure : failures_) {
        if (!reportedFile_.isEmpty() && failure.contains(reported))
            continue;
        failures << failure;
        if (!told_.contains(failure))
            untold << failure;
    }
    told_ = QSet<QString>(failures_.begin(), failures_.end());
    failures_.clear();
    emit finished(failures, untold);
}

} // namespace sentari::tray
