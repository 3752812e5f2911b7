#pragma once

// A signature's file content with a quote in place of its tag, from the settings alone.

#include "sentaristore/settings/inifile.h"
#include "sentaristore/settingsstore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sentari {

struct FilledSignature {
    SignatureResult result;
    std::string file; // "SignatureFile"n
    // Why the signature was not filled (exists, but no text): it would be too large.
    std::string refusal;
};

// The most a filled signature may hold: a quote put in by thousands of tags would otherwise
// take gigabytes, and no mail program wants more.
inline constexpr std::size_t MaxSignatureBytes = 16u << 20;

// Signature n of these settings with the quote (taken as it is). Only a rich-text signature
// (a file name ending in "rtf") has its own font; the RTF of any other is in Arial, 10 pt,
// black.
FilledSignature fillSignature(const IniDocument& settings, std::string_view quote, std::int64_t n);

bool isRichTextPath(std::string_view path);

} // namespace sentari
