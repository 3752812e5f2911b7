#include "textcodec.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <utility>

namespace sentari::text {

namespace {

// Windows-1252 codes 0x80..0x9F; the five undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// The code point of the UTF-8 sequence at p and its length; length 0 when the bytes there
// are not one well-formed sequence.
std::pair<char32_t, int> nextCodePoint(const unsigned char* p, const unsigned char* end)
{
    const unsigned char c = *p;
    if (c < 0x80)
        return {c, 1};
    const int len = (c >= 0xC2 && c <= 0xDF)   ? 2
                    : (c >= 0xE0 && c <= 0xEF) ? 3
                    : (c >= 0xF0 && c <= 0xF4) ? 4
                                               : 0;
    if (len == 0 || end - p < len ||
        !isValidUtf8({reinterpret_cast<const char*>(p), static_cast<std::size_t>(len)}))
        return {0xFFFD, 0};
    char32_t cp = len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    for (int i = 1; i < len; ++i)
        cp = (cp << 6) | (p[i] & 0x3F);
    return {cp, len};
}

bool isControl(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

} // namespace

void Utf8Validator::feed(const char* data, std::size_t size)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const auto* end = p + size;
    while (p < end && !bad_) {
        if (need_ == 0) {
            // Skip ASCII eight bytes at a time: data files are mostly ASCII.
            while (end - p >= 8) {
                std::uint64_t word = 0;
                std::memcpy(&word, p, 8);
                if (word & 0x8080808080808080ULL)
                    break;
                p += 8;
            }
            if (p == end)
                break;
            const unsigned char c = *p++;
            if (c < 0x80)
                continue;
            lo_ = 0x80;
            hi_ = 0xBF;
            if (c >= 0xC2 && c <= 0xDF) {
                need_ = 1;
            } else if (c >= 0xE0 && c <= 0xEF) {
                need_ = 2;
                if (c == 0xE0)
                    lo_ = 0xA0;
                else if (c == 0xED)
                    hi_ = 0x9F; // no surrogates
            } else if (c >= 0xF0 && c <= 0xF4) {
                need_ = 3;
                if (c == 0xF0)
                    lo_ = 0x90;
                else if (c == 0xF4)
                    hi_ = 0x8F;
            } else {
                bad_ = true;
            }
        } else {
            const unsigned char c = *p++;
            if (c < lo_ || c > hi_) {
                bad_ = true;
                break;
            }
            lo_ = 0x80;
            hi_ = 0xBF;
            --need_;
        }
    }
}

bool isValidUtf8(std::string_view bytes)
{
    Utf8Validator v;
    v.feed(bytes.data(), bytes.size());
    return v.valid();
}

std::size_t sequenceLength(std::string_view bytes, std::size_t at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    return static_cast<std::size_t>(nextCodePoint(p + at, p + bytes.size()).second);
}

char32_t cp1252Char(unsigned char code)
{
    return (code >= 0x80 && code <= 0x9F) ? High[code - 0x80] : char32_t(code);
}

std::optional<unsigned char> cp1252Code(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (unsigned i = 0; i < High.size(); ++i)
        if (High[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes)
        appendUtf8(out, cp1252Char(static_cast<unsigned char>(ch)));
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (char32_t cp : toCodePoints(utf8)) {
        const auto code = cp1252Code(cp);
        if (!code)
            return std::nullopt;
        out.push_back(static_cast<char>(*code));
    }
    return out;
}

std::optional<Encoding> utf16ByBom(std::string_view head)
{
    if (head.starts_with("\xFF\xFE"))
        return Encoding::Utf16Le;
    if (head.starts_with("\xFE\xFF"))
        return Encoding::Utf16Be;
    return std::nullopt;
}

std::optional<std::string> encode(std::string_view utf8, Encoding encoding)
{
    if (encoding == Encoding::Windows1252)
        return utf8ToCp1252(utf8);
    if (unitWidth(encoding) == 1)
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size() * 2);
    const bool big = encoding == Encoding::Utf16Be;
    auto unit = [&](unsigned u) {
        out.push_back(static_cast<char>(big ? u >> 8 : u & 0xFF));
        out.push_back(static_cast<char>(big ? u & 0xFF : u >> 8));
    };
    for (char32_t cp : toCodePoints(utf8)) {
        if (cp >= 0x10000) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out;
}

std::string decode(std::string_view bytes, Encoding encoding)
{
    if (encoding == Encoding::Windows1252)
        return cp1252ToUtf8(bytes);
    if (unitWidth(encoding) == 1)
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t u = unitAt(bytes, 2 * i, encoding);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char32_t low = unitAt(bytes, 2 * i + 2, encoding);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    if (bytes.size() % 2 != 0)
        appendUtf8(out, 0xFFFD);
    return out;
}

std::string withoutControls(std::string_view utf8, std::string_view keep)
{
    std::string out;
    out.reserve(utf8.size());
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) {
        const auto [cp, len] = nextCodePoint(p, end);
        if (len == 0) {
            appendUtf8(out, 0xFFFD);
            ++p;
            continue;
        }
        if (!isControl(cp) || cp == '\t' ||
            (cp < 0x80 && keep.find(char(cp)) != std::string_view::npos))
            out.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(len));
        p += len;
    }
    return out;
}

bool hasControls(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return true;
        if (c >= 0x80)
            return withoutControls(utf8) != utf8; // C1 or bytes that are not UTF-8
    }
    return false;
}

std::string forDisplay(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const auto [cp, len] = nextCodePoint(p, end);
        if (len == 0 || isControl(cp)) {
            for (int i = 0; i < std::max(len, 1); ++i) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", p[i]);
                out += hex;
            }
            p += std::max(len, 1);
            continue;
        }
        out.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(len));
        p += len;
    }
    return out;
}

std::u32string toCodePoints(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) {
        const auto [cp, len] = nextCodePoint(p, end);
        out.push_back(cp);
        p += std::max(len, 1);
    }
    return out;
}

std::size_t codePointCount(std::string_view utf8)
{
    std::size_t count = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    for (; p < end; ++count)
        p += std::max(nextCodePoint(p, end).second, 1);
    return count;
}

std::string fromCodePoints(std::u32string_view cps)
{
    std::string out;
    out.reserve(cps.size());
    for (char32_t cp : cps)
        appendUtf8(out, cp);
    return out;
}

} // namespace sentari::text
