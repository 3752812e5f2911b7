#pragma once

// Writing the quote data file: adding a quote as a new last line and deleting one line, both
// in the file's own encoding and line ends. Writers of one file, in any process, take turns
// by a lock beside it and look at the file only once they hold it. Failures throw StoreError.

#include "sentaristore/quotes/quoteindex.h"
#include "sentaristore/settingsstore.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

namespace sentari::quotefile {

// The file's index, read again when the file changed since it was made; nothing when the
// file cannot be opened as one.
using IndexOf = std::function<const QuoteIndex*()>;

// Appends the UTF-8 quote (one line; control characters are left out) to the file, creating
// it as UTF-8 with CR LF when missing; a last line without a line break gets one first.
void add(const std::filesystem::path& file, std::string_view quote, const IndexOf& indexOf);

struct Removal {
    QuoteDeletion result;
    std::unique_ptr<QuoteIndex> index; // of the file afterwards, when known without a read
};

// Deletes line `lineNumber` of the file when it gives the quote, else the first line that
// does; nothing when none does. The file is replaced atomically and durably.
Removal remove(const IndexOf& indexOf, const std::filesystem::path& file, std::int64_t lineNumber,
               std::string_view quote, const std::filesystem::path& cacheDir);

} // namespace sentari::quotefile
