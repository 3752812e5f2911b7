#pragma once

// Writing the quote data file: adding a quote and deleting one. Both keep the file's own
// encoding and line ends; a delete replaces the file atomically. Failures throw StoreError.

#include <QString>
#include <cstdint>
#include <filesystem>

namespace sentari::tray {

// Adds the quote as a new last line (creating the file when missing). A last line without
// a line break gets one first, so the quote never joins it.
void appendQuote(const std::filesystem::path& file, const QString& quote,
                 const std::filesystem::path& cacheDir);

struct DeleteOutcome {
    bool deleted = false;
    std::int64_t deletedLine = 0;    // 1-based
    std::int64_t remainingLines = 0; // lines in the file afterwards
};

// Deletes line `lineNumber` when it holds `quote`; otherwise the first line that does
// (the file was edited since the quote was picked). Nothing is written when no line does.
DeleteOutcome deleteQuote(const std::filesystem::path& file, std::int64_t lineNumber,
                          const QString& quote);

} // namespace sentari::tray
