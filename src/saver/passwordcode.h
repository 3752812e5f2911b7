#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace sentari::saver {

// The refusal marker of coding: the text held a character that cannot be coded.
inline constexpr char16_t PasswordRefused[] = u"error{}";

// Codes (mode 1) or decodes (any other mode) a password. The mapping works on
// Windows-1252 codes so a stored password means the same on every platform. Decoding a
// text that coding did not make gives "error{}" too; use decodePassword to tell.
QString codePassword(const QString& text, std::int32_t mode);

// The coded form, or nothing when a character is outside codes 33..132.
std::optional<QString> encodePassword(const QString& text);
// The password, or nothing when the text is not a coded password.
std::optional<QString> decodePassword(const QString& coded);

} // namespace sentari::saver
