#pragma once

// Values in the settings file: backslash escapes as QSettings writes and reads them, and
// bytes that are not UTF-8 (file names) kept as \xNN, so the file stays UTF-8 text.

#include <string>
#include <string_view>

namespace sentari::ini {

// The value as a line of the file holds it: quoted when its ends are blanks or it begins
// with '@' (QSettings' marker of a typed value).
std::string escapeValue(std::string_view value);
// The value of a line's text after '=', as hand-edited files have it too.
std::string unescapeValue(std::string_view raw);
// Without the blanks and tabs QSettings ignores around keys and values.
std::string_view blankTrimmed(std::string_view s);

} // namespace sentari::ini
