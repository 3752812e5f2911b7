// Clipboard text joined into one quote line: no line break is left, empty lines before the
// first text go, and every other line break becomes exactly one space; no other character is
// lost, added or moved. Input: the clipboard text as UTF-8.

#include "fuzzinput.h"
#include "tray/joinlines.h"

#include <QString>

using sentari::fuzz::Input;

namespace {

bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString source =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString joined = sentari::tray::joinLines(source);

    // What it must be: the text from the first line with anything in it, each break (CR LF,
    // CR or LF) one space; only breaks when there is no such line.
    qsizetype start = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (!isBreak(source[i]))
            break;
        if (i + 1 < source.size() && source[i] == u'\r' && source[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    QString expected;
    for (qsizetype i = start; i < source.size(); ++i) {
        if (!isBreak(source[i])) {
            expected += source[i];
            continue;
        }
        i += source[i] == u'\r' && i + 1 < source.size() && source[i + 1] == u'\n';
        expected += u' ';
    }
    FUZZ_CHECK(!joined.contains(u'\r') && !joined.contains(u'\n'));
    FUZZ_CHECK(joined == expected);
    return 0;
}
