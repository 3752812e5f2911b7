#include "inifile.h"

#include "sentaristore/files/textcodec.h"
#include "sentaristore/settings/inivalue.h"
#include "sentaristore/settings/keys.h"

#include <algorithm>
#include <cctype>

namespace sentari {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// A backslash at the end of a line continues it on the next, unless it is itself escaped.
bool endsInOddBackslashes(std::string_view s)
{
    const auto last = s.find_last_not_of('\\');
    const auto count = last == std::string_view::npos ? s.size() : s.size() - last - 1;
    return count % 2 == 1;
}

struct PhysicalLine {
    std::string_view content;
    std::size_t endLength; // CR LF, LF, a lone CR, or 0 at the end of the file
};

PhysicalLine physicalLine(std::string_view text, std::size_t pos)
{
    const auto end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos)
        return {text.substr(pos), 0};
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    return {text.substr(pos, end - pos), crlf ? 2u : 1u};
}

std::size_t lineEndLength(std::string_view raw)
{
    if (raw.ends_with("\r\n"))
        return 2;
    return raw.ends_with('\n') || raw.ends_with('\r') ? 1 : 0;
}

bool isBlank(std::string_view raw)
{
    return raw.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

std::string IniDocument::groupName(std::string_view section)
{
    return section.empty() ? std::string("General") : std::string(section);
}

bool IniDocument::isValidKey(std::string_view key)
{
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
    });
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
    if (text.starts_with(Bom)) {
        doc.bom_ = true;
        text.remove_prefix(Bom.size());
    }
    bool eolKnown = false;
    std::string section = "General";
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        auto [content, endLength] = physicalLine(text, pos);
        pos += content.size() + endLength;
        if (!eolKnown && endLength > 0) {
            doc.eol_ = std::string(text.substr(pos - endLength, endLength));
            eolKnown = true;
        }
        const std::string_view first = ini::blankTrimmed(content);
        const bool comment = !first.empty() && (first.front() == ';' || first.front() == '#');
        Line line{Line::Other, {}, {}, {}, {}, endLength > 0, false};
        std::string joined(content);
        while (!comment && endsInOddBackslashes(joined)) {
            line.dangling = true;
            if (endLength == 0)
                break; // the value's last character is a backslash
            joined.pop_back();
            if (pos >= text.size())
                break;
            const auto next = physicalLine(text, pos);
            pos += next.content.size() + next.endLength;
            endLength = next.endLength;
            line.ended = endLength > 0;
            line.dangling = false;
            joined += ini::blankTrimmed(next.content);
        }
        line.raw = std::string(text.substr(start, pos - start));
        const std::string_view t = ini::blankTrimmed(joined);
        if (!t.empty() && t.front() == '[' && t.back() == ']') {
            section = std::string(ini::blankTrimmed(t.substr(1, t.size() - 2)));
            line.kind = Line::Section;
            line.text = section;
        } else if (!comment && t.find('=') != std::string_view::npos) {
            line.kind = Line::Entry;
            line.key = std::string(ini::blankTrimmed(t.substr(0, t.find('='))));
            line.section = section;
            line.text = std::move(joined);
        }
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

std::string IniDocument::closed(const Line& line) const
{
    if (!line.dangling)
        return line.ended ? line.raw : line.raw + eol_;
    const std::size_t end = line.raw.size() - lineEndLength(line.raw);
    // A continuation line is read without its blanks, so blanks may follow that backslash.
    const std::size_t slash = line.raw.find_last_not_of(" \t", end - 1);
    // The file's end denied the continuation the last backslash asked for: it is read as if
    // it were not there, and so is a blank (trimmed) in its place, which unlike nothing keeps
    // a line of its own between a lone CR before it and an LF after it.
    if (line.ended)
        return line.raw.substr(0, slash) + " " + line.raw.substr(slash + 1);
    // The backslash ends the text and stands for itself: escaped, it still does.
    return line.raw.substr(0, slash + 1) + "\\" + line.raw.substr(slash + 1) + eol_;
}

std::string IniDocument::serialize() const
{
    std::string out = bom_ ? std::string(Bom) : std::string();
    // A line that came to the top (lines above it removed) and starts with a mark's bytes
    // would lose them to the reader, and its key its name: an empty line keeps it second.
    if (!bom_ && !lines_.empty() && lines_.front().raw.starts_with(Bom))
        out += eol_;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (i + 1 == lines_.size() || (line.ended && !line.dangling))
            out += line.raw;
        else
            out += closed(line);
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
    return ini::unescapeValue(std::string_view(text).substr(text.find('=') + 1));
}

std::vector<std::string> IniDocument::keys(std::string_view section) const
{
    value(section, {}); // builds the lookup
    const std::string group = lookupKey(groupName(section), {});
    std::vector<std::string> found;
    for (const auto& [folded, line] : lookup_)
        if (folded.starts_with(group))
            found.push_back(lines_[line].key);
    return found;
}

IniDocument::Line IniDocument::makeEntry(std::string_view group, std::string_view key,
                                         std::string_view value) const
{
    std::string text = std::string(key) + "=" + ini::escapeValue(value);
    return {Line::Entry, text + eol_, text, std::string(group), std::string(key), true, false};
}

std::optional<std::size_t> IniDocument::insertionPoint(std::string_view group) const
{
    // Lines before the first section line belong to the general group.
    bool inGroup = keys::sameKey(group, "General");
    bool found = false;
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Line::Section) {
            inGroup = keys::sameKey(line.text, group);
            found = found || inGroup;
            if (inGroup)
                at = i + 1;
        } else if (inGroup) {
            found = found || line.kind == Line::Entry;
            if (line.kind != Line::Other || !isBlank(line.raw))
                at = i + 1;
        }
    }
    return found ? std::optional(at) : std::nullopt;
}

bool IniDocument::apply(std::string_view section, std::span<const Change> changes)
{
    const std::string group = groupName(section);
    // The last change of each key decides; new keys go in in the order they first came.
    struct Final {
        const Change* change;
        bool placed = false;
    };
    std::unordered_map<std::string, Final> finals;
    std::vector<const std::string*> order;
    for (const Change& change : changes) {
        auto [it, fresh] = finals.try_emplace(lookupKey({}, change.key), Final{&change});
        it->second.change = &change;
        if (fresh)
            order.push_back(&it->first);
    }

    bool changed = false;
    std::vector<Line> kept;
    kept.reserve(lines_.size() + finals.size());
    for (Line& line : lines_) {
        if (line.kind == Line::Entry && keys::sameKey(line.section, group)) {
            const auto it = finals.find(lookupKey({}, line.key));
            if (it != finals.end()) {
                Final& final = it->second;
                const auto& wanted = final.change->value;
                if (final.placed || !wanted) { // deleted, or a duplicate in another case
                    changed = true;
                    continue;
                }
                final.placed = true;
                const auto eq = line.text.find('=');
                if (ini::unescapeValue(std::string_view(line.text).substr(eq + 1)) != *wanted) {
                    line = makeEntry(line.section, line.key, *wanted);
                    changed = true;
                }
            }
        }
        kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
    lookupValid_ = false;

    std::vector<Line> added;
    for (const std::string* folded : order) {
        const Final& final = finals.at(*folded);
        if (!final.placed && final.change->value)
            added.push_back(makeEntry(group, final.change->key, *final.change->value));
    }
    if (added.empty())
        return changed;
    auto at = insertionPoint(group);
    if (!at) { // start the group at the end
        if (!lines_.empty() && !isBlank(lines_.back().raw))
            lines_.push_back({Line::Other, eol_, {}, {}, {}, true, false});
        lines_.push_back({Line::Section, "[" + group + "]" + eol_, group, {}, {}, true, false});
        at = lines_.size();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*at),
                  std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    return true;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    const Change change{std::string(key), std::string(value)};
    apply(section, std::span(&change, 1));
}

bool IniDocument::remove(std::string_view section, std::string_view key)
{
    const Change change{std::string(key), std::nullopt};
    return apply(section, std::span(&change, 1));
}

} // namespace sentari
