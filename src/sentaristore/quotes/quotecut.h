#pragma once

// Finding one line of a quote data file through its index, and the index of the file once
// that line is cut out, so a delete needs neither a full read before nor one after.

#include "sentaristore/files/fileio.h"
#include "sentaristore/quotes/quoteindex.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace sentari::quotecut {

// Line `number` when it gives exactly this quote (UTF-8, as QuoteIndex::pick() returns
// quotes), else the first line that does; nothing when none does. Blank lines hold no quote
// and are never found.
std::optional<LineSpan> find(const QuoteIndex& index, std::int64_t number, std::string_view quote);
// The index of the file after `cut` was taken out of it, the result now having identity
// `now`; saved in cacheDir. Nothing when the file must be read again to know (the cut may
// change how its encoding or line ends are judged) or is no longer that result.
std::unique_ptr<QuoteIndex> withoutLine(const QuoteIndex& index, const LineSpan& cut,
                                        const fileio::FileId& now,
                                        const std::filesystem::path& cacheDir);

} // namespace sentari::quotecut
