#include "inifile.h"

#include "keys.h"
#include "textcodec.h"

#include <cctype>
#include <cstdio>

namespace sentari {

namespace {

std::string_view trim(std::string_view s)
{
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos)
        return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

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

} // namespace

std::string IniDocument::groupName(std::string_view section)
{
    return section.empty() ? std::string("General") : std::string(section);
}

std::string IniDocument::escapeValue(std::string_view value)
{
    std::string out;
    bool quote = value.empty()
                     ? false
                     : (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                        value.back() == '\t' || value.front() == '@');
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
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
            out.push_back(ch);
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%04x", c);
                out += buf;
            } else {
                out.push_back(ch);
            }
        }
    }
    return quote ? "\"" + out + "\"" : out;
}

std::string IniDocument::unescapeValue(std::string_view raw)
{
    raw = trim(raw);
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

std::string IniDocument::lookupKey(std::string_view group, std::string_view key)
{
    std::string folded;
    folded.reserve(group.size() + key.size() + 1);
    for (char c : group)
        folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    folded.push_back('\n'); // cannot stand in a group or key name
    for (char c : key)
        folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    return folded;
}

IniDocument IniDocument::parse(std::string_view text)
{
    IniDocument doc;
    std::string section = "General";
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        // Backslash at the end of a line continues the value on the next one.
        std::string joined(line);
        while (!joined.empty() && joined.back() == '\\' && end < text.size()) {
            std::size_t backslashes = 0;
            for (auto it = joined.rbegin(); it != joined.rend() && *it == '\\'; ++it)
                ++backslashes;
            if (backslashes % 2 == 0)
                break;
            joined.pop_back();
            pos = end + 1;
            end = text.find('\n', pos);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view next = text.substr(pos, end - pos);
            if (!next.empty() && next.back() == '\r')
                next.remove_suffix(1);
            joined += trim(next);
        }
        const std::string_view t = trim(joined);
        if (!t.empty() && t.front() == '[' && t.back() == ']') {
            section = std::string(trim(t.substr(1, t.size() - 2)));
            doc.lines_.push_back({Line::Section, joined, section, {}});
        } else if (!t.empty() && t.front() != ';' && t.front() != '#' &&
                   t.find('=') != std::string_view::npos) {
            const auto eq = t.find('=');
            doc.lines_.push_back(
                {Line::Entry, joined, section, std::string(trim(t.substr(0, eq)))});
        } else if (end < text.size() || !joined.empty()) {
            doc.lines_.push_back({Line::Other, joined, section, {}});
        }
        if (end >= text.size())
            break;
        pos = end + 1;
    }
    return doc;
}

std::string IniDocument::serialize() const
{
    std::string out;
    for (const auto& line : lines_) {
        out += line.text;
        out += '\n';
    }
    return out;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    if (!lookupValid_) {
        lookup_.clear();
        // A later line wins, as it would in a hand-edited file read top to bottom.
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i].kind == Line::Entry)
                lookup_[lookupKey(lines_[i].section, lines_[i].key)] = i;
        lookupValid_ = true;
    }
    const auto found = lookup_.find(lookupKey(groupName(section), key));
    if (found == lookup_.end())
        return std::nullopt;
    const std::string& text = lines_[found->second].text;
    return unescapeValue(std::string_view(text).substr(text.find('=') + 1));
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    lookupValid_ = false;
    const std::string group = groupName(section);
    const std::string escaped = escapeValue(value);
    Line* found = nullptr;
    for (auto it = lines_.begin(); it != lines_.end();) {
        if (it->kind == Line::Entry && keys::sameKey(it->section, group) &&
            keys::sameKey(it->key, key)) {
            if (!found) {
                it->text = it->key + "=" + escaped;
                found = &*it;
            } else {
                it = lines_.erase(it); // a duplicate in another letter case
                continue;
            }
        }
        ++it;
    }
    if (found)
        return;
    Line entry{Line::Entry, std::string(key) + "=" + escaped, group, std::string(key)};
    // Append after the last line of the group, or start the group at the end.
    std::size_t insertAt = lines_.size();
    bool inGroup = false;
    bool haveGroup = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Line::Section) {
            inGroup = keys::sameKey(lines_[i].section, group);
            haveGroup = haveGroup || inGroup;
        }
        if (inGroup && (lines_[i].kind != Line::Other || !lines_[i].text.empty()))
            insertAt = i + 1;
    }
    if (!haveGroup) {
        if (!lines_.empty() && !lines_.back().text.empty())
            lines_.push_back({Line::Other, "", group, {}});
        lines_.push_back({Line::Section, "[" + group + "]", group, {}});
        insertAt = lines_.size();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
}

bool IniDocument::remove(std::string_view section, std::string_view key)
{
    lookupValid_ = false;
    const std::string group = groupName(section);
    const auto before = lines_.size();
    std::erase_if(lines_, [&](const Line& l) {
        return l.kind == Line::Entry && keys::sameKey(l.section, group) &&
               keys::sameKey(l.key, key);
    });
    return lines_.size() != before;
}

} // namespace sentari
