#pragma once

#include <QString>
#include <optional>

namespace sentari::saver {

// The stored password is coded character by character, so it is not kept as typed. The
// mapping works on Windows-1252 codes so a stored password means the same on every
// platform; a coded character has one of the codes 10..29, 110..149 or 210..249.

// The coded form, or nothing when a character is outside codes 33..132.
std::optional<QString> encodePassword(const QString& text);
// The password, or nothing when the text is not a coded password.
std::optional<QString> decodePassword(const QString& coded);

} // namespace sentari::saver
