// The settings file's reader and writer: any file reads back as it was written, and after a
// batch of writes and removals each changed key reads what its last change left while every
// other key of every group reads as before; one change at a time gives the same.
//
// Input: a header byte (bits 0-1: changes - 1; the rest: which group is written), the
// changes, then the file's text. A change is a selector byte (bits 0-1: 0 a counted name, 1
// one of the group's keys chosen by the next byte, else a fixed name chosen by it; bit 2: a
// removal; bit 3: the name in upper case), the name or choice, then a counted value.

#include "fuzzinput.h"
#include "sentaristore/settings/inifile.h"
#include "sentaristore/settings/keys.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

using sentari::IniDocument;
using sentari::fuzz::Input;

namespace {

using Changes = std::vector<IniDocument::Change>;

std::string_view blankTrimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Names that look like section lines, the general group first: the groups the checks look
// into. A name that is none reads no keys, which the checks allow.
std::vector<std::string> groupsIn(std::string_view text)
{
    std::vector<std::string> groups{""};
    while (!text.empty()) {
        const auto end = std::min(text.find_first_of("\r\n"), text.size());
        const auto line = blankTrimmed(text.substr(0, end));
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            groups.emplace_back(blankTrimmed(line.substr(1, line.size() - 2)));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return groups;
}

bool sameGroup(std::string_view a, std::string_view b)
{
    return sentari::keys::sameKey(a.empty() ? "General" : a, b.empty() ? "General" : b);
}

// A change as the input gives it, read before the file whose keys it may pick from.
struct RawChange {
    std::uint8_t selector;
    std::string_view name; // a counted name, or one byte choosing a key
    std::string_view value;
};

RawChange readChange(Input& in)
{
    RawChange raw{in.byte(), {}, {}};
    if ((raw.selector & 3) == 0) {
        raw.name = in.counted();
    } else {
        raw.name = in.rest().substr(0, 1);
        in.byte();
    }
    raw.value = in.counted();
    return raw;
}

std::string keyOf(const RawChange& raw, const std::vector<std::string>& existing)
{
    static const std::string_view Fixed[] = {"QuoteFile", "Intro1", "New", "x.y-z_9"};
    const std::size_t choice = raw.name.empty() ? 0 : static_cast<unsigned char>(raw.name[0]);
    std::string key;
    if ((raw.selector & 3) == 0)
        key = raw.name;
    else if ((raw.selector & 3) == 1 && !existing.empty())
        key = existing[choice % existing.size()];
    else
        key = Fixed[choice % 4];
    if (raw.selector & 8)
        std::transform(key.begin(), key.end(), key.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

void checkReadsAsExpected(const IniDocument& before, const IniDocument& after,
                          const std::vector<std::string>& groups, std::string_view written,
                          const Changes& changes)
{
    for (const std::string& group : groups) {
        const bool isWritten = sameGroup(group, written);
        auto keys = before.keys(group);
        for (auto& key : after.keys(group))
            keys.push_back(std::move(key));
        if (isWritten)
            for (const auto& change : changes)
                keys.push_back(change.key);
        for (const std::string& key : keys) {
            std::optional<std::string> expected = before.value(group, key);
            for (const auto& change : changes)
                if (isWritten && sentari::keys::sameKey(change.key, key))
                    expected = change.value;
            FUZZ_CHECK(after.value(group, key) == expected);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::uint8_t header = in.byte();
    std::vector<RawChange> raw;
    for (int n = (header & 3) + 1; n > 0; --n)
        raw.push_back(readChange(in));
    const std::string text(in.rest());

    const IniDocument before = IniDocument::parse(text);
    FUZZ_CHECK(before.serialize() == text);
    const auto groups = groupsIn(text);
    const std::string& written = groups[(header >> 2) % groups.size()];
    const auto existing = before.keys(written);
    Changes valid;
    for (const RawChange& change : raw) {
        std::string key = keyOf(change, existing);
        if (!IniDocument::isValidKey(key))
            continue; // the store refuses such keys before they reach the file
        std::optional<std::string> value;
        if (!(change.selector & 4))
            value = std::string(change.value);
        valid.push_back({std::move(key), std::move(value)});
    }

    IniDocument batch = before, single = before;
    const bool changed = batch.apply(written, valid);
    for (const auto& change : valid)
        single.apply(written, std::span(&change, 1));
    const std::string out = batch.serialize();
    FUZZ_CHECK(changed == (out != text));
    const IniDocument after = IniDocument::parse(out);
    FUZZ_CHECK(after.serialize() == out);
    checkReadsAsExpected(before, after, groups, written, valid);
    checkReadsAsExpected(before, IniDocument::parse(single.serialize()), groups, written, valid);

    // Writing what is already there changes nothing.
    IniDocument again = after;
    FUZZ_CHECK(!again.apply(written, valid));
    FUZZ_CHECK(again.serialize() == out);
    return 0;
}
