#include "tray/quoteperread.h"

#include "platform/readwatch.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "tray/quotekeeper.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace sentari::tray {

QuotePerRead::QuotePerRead(SettingsStore& store, QuoteKeeper& keeper, platform::ReadWatch* watch,
                           std::function<bool()> paused, std::chrono::milliseconds together,
                           QObject* parent)
    : QObject(parent), store_(store), keeper_(keeper), watch_(watch), paused_(std::move(paused)),
      together_(together)
{
    if (!watch_)
        return;
    connect(watch_, &platform::ReadWatch::read, this, &QuotePerRead::fileRead);
    // Every refresh may follow a changed list, and its own file work is not a reader's.
    connect(&keeper_, &QuoteKeeper::signaturesWritten, this, &QuotePerRead::reload);
}

void QuotePerRead::reload()
{
    if (!watch_)
        return;
    std::vector<std::string> files;
    try {
        enabled_ = store_.readSetting(keys::NewQuoteAfterRead) == keys::NewQuoteAfterReadOn;
        // The list runs up to the first signature without a file or a template.
        for (std::int64_t n = 1; enabled_; ++n) {
            std::string file = store_.readSetting(keys::numbered(keys::SignatureFile, n));
            if (file.empty() || store_.readSetting(keys::numbered(keys::Intro, n)).empty())
                break;
            files.push_back(std::move(file));
        }
    } catch (const StoreError& e) {
        // The settings could not be read: keep watching what was watched.
        std::fprintf(stderr, "sentari: %s\n", e.what());
        return;
    }
    watch_->watch(files);
}

void QuotePerRead::fileRead()
{
    if (!enabled_ || paused_() || keeper_.choosingDataFile())
        return;
    if (lastCounted_.isValid() && lastCounted_.elapsed() < together_.count())
        return;
    lastCounted_.start();
    const QuoteKeeper::Unattended change = keeper_.changeUnattended();
    if (!change.changed)
        std::fprintf(
            stderr, "sentari: %s\n",
            qPrintable(tr("no new quote after a signature was read: %1").arg(change.error)));
}

} // namespace sentari::tray
