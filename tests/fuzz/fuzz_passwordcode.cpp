// The saver's stored password: every password of encodable characters comes back from its
// coded form, the coded form uses only the codes the scheme allows, and decoding any stored
// text, however damaged, either fails or gives a password that codes again. Input: a byte
// choosing what the rest is (a password or a stored text), then UTF-16 code units.

#include "fuzzinput.h"
#include "saver/passwordcode.h"
#include "sentaristore/files/textcodec.h"

#include <QList>
#include <QString>

using sentari::fuzz::Input;
using namespace sentari::saver;

namespace {

bool encodable(const QString& text)
{
    for (char32_t ch : text.toUcs4()) {
        const auto code = sentari::text::cp1252Code(ch);
        if (!code || *code < 33 || *code > 132)
            return false;
    }
    return true;
}

bool allowedCodes(const QString& coded)
{
    for (char32_t ch : coded.toUcs4()) {
        const auto code = sentari::text::cp1252Code(ch);
        if (!code || !((*code >= 10 && *code <= 29) || (*code >= 110 && *code <= 149) ||
                       (*code >= 210 && *code <= 249)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const bool asPassword = in.byte() & 1;
    const auto rest = in.rest();
    QString text;
    if (asPassword) // the printable codes the scheme holds, one byte each
        text = QString::fromLatin1(rest.data(), static_cast<qsizetype>(rest.size()));
    else
        text = QString::fromUtf16(reinterpret_cast<const char16_t*>(rest.data()),
                                  static_cast<qsizetype>(rest.size() / 2));

    const auto coded = encodePassword(text);
    FUZZ_CHECK(coded.has_value() == encodable(text));
    if (coded) {
        FUZZ_CHECK(allowedCodes(*coded));
        FUZZ_CHECK(decodePassword(*coded) == text);
    }
    if (const auto decoded = decodePassword(text)) {
        const auto again = encodePassword(*decoded);
        FUZZ_CHECK(again && decodePassword(*again) == decoded);
    }
    return 0;
}
