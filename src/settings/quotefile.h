#pragma once

// Writing the quote data file: adding a quote as a new last line and deleting one line, both
// in the file's own encoding and line ends. Failures throw StoreError.

#include "quoteindex.h"
#include "settingsstore.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

namespace sentari::quotefile {

// Appends the UTF-8 quote (one line) to the file, creating it as UTF-8 with CR LF when
// missing; a last line without a line break gets one first. `indexOf` gives the file's
// index when its encoding must be known.
void add(const std::filesystem::path& file, std::string_view quote,
         const std::function<const QuoteIndex*()>& indexOf);

struct Removal {
    QuoteDeletion result;
    std::unique_ptr<QuoteIndex> index; // of the file afterwards, when known without a read
};

// Deletes line `lineNumber` of the file when its text is the quote, else the first line
// whose text is; nothing when none is. The file is replaced atomically and durably. `index`
// is the file's; none when the file could not be opened as one.
Removal remove(const QuoteIndex* index, const std::filesystem::path& file, std::int64_t lineNumber,
               std::string_view quote, const std::filesystem::path& cacheDir);

} // namespace sentari::quotefile
