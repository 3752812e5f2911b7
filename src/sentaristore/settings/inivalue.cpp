#include "inivalue.h"

#include "sentaristore/files/textcodec.h"

namespace sentari::ini {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendHex(std::string& out, unsigned char c)
{
    static constexpr char Digits[] = "0123456789abcdef";
    out += "\\x";
    if (c >= 16)
        out += Digits[c >> 4];
    out += Digits[c & 15];
}

} // namespace

std::string_view blankTrimmed(std::string_view s)
{
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos)
        return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

std::string escapeValue(std::string_view value)
{
    std::string out;
    bool quote =
        !value.empty() && (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                           value.back() == '\t' || value.front() == '@');
    // After \xN a hex digit would be read as part of the number: it is escaped too.
    bool escapeHexDigit = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c >= 0x80) {
            const std::size_t length = text::sequenceLength(value, i);
            escapeHexDigit = length == 0;
            if (length == 0) {
                appendHex(out, c); // a byte that is no UTF-8, as in a file name
            } else {
                out.append(value.substr(i, length));
                i += length - 1;
            }
            continue;
        }
        if (escapeHexDigit && hexValue(static_cast<char>(c)) >= 0) {
            appendHex(out, c);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case ',':
        case ';':
        case '=':
            quote = true;
            out.push_back(static_cast<char>(c));
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                appendHex(out, c);
                escapeHexDigit = true;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    return quote ? "\"" + out + "\"" : out;
}

std::string unescapeValue(std::string_view raw)
{
    raw = blankTrimmed(raw);
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"')
            continue; // quotes only protect what they enclose from trimming and splitting
        if (c == '\\' && i + 1 < raw.size()) {
            const char n = raw[++i];
            switch (n) {
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'a':
                out.push_back('\a');
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case 'v':
                out.push_back('\v');
                break;
            case '0':
                out.push_back('\0');
                break;
            case 'x': {
                unsigned cp = 0;
                int digits = 0;
                while (digits < 4 && i + 1 < raw.size() && hexValue(raw[i + 1]) >= 0) {
                    cp = cp * 16 + static_cast<unsigned>(hexValue(raw[++i]));
                    ++digits;
                }
                if (digits == 0)
                    out.push_back('x');
                else if (cp < 0x100) // 0x80 to 0xFF: a byte that is no UTF-8
                    out.push_back(static_cast<char>(cp));
                else
                    out += text::fromCodePoints(std::u32string(1, static_cast<char32_t>(cp)));
                break;
            }
            default:
                out.push_back(n); // \\ \" \; \, and anything else stand for themselves
            }
            continue;
        }
        out.push_back(c);
    }
    return out;
}

} // namespace sentari::ini
