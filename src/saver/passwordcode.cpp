#include "passwordcode.h"

#include "platform/qtstring.h"
#include "sentaristore/files/textcodec.h"

#include <QList>

namespace sentari::saver {

std::optional<QString> encodePassword(const QString& text)
{
    std::u32string out;
    bool refused = false;
    for (char32_t ch : text.toUcs4()) {
        const auto code = text::cp1252Code(ch);
        const int o = code ? int(*code) + 17 : 0;
        int band = 0;
        if (o >= 50 && o <= 99)
            band = 1;
        else if (o >= 100 && o <= 149)
            band = 2;
        if (band == 0) {
            refused = true; // keep going: the whole text is refused, not just this one
            continue;
        }
        const int rest = o % 50;
        // The band written in front of the rest's decimal digits.
        const int coded = rest < 10 ? band * 10 + rest : band * 100 + rest;
        out.push_back(text::cp1252Char(static_cast<unsigned char>(coded)));
    }
    if (refused)
        return std::nullopt;
    return fromCodePoints(out);
}

std::optional<QString> decodePassword(const QString& coded)
{
    std::u32string out;
    for (char32_t ch : coded.toUcs4()) {
        const auto code = text::cp1252Code(ch);
        if (!code || *code < 10)
            return std::nullopt;
        const int c = *code;
        const int band = c >= 100 ? c / 100 : c / 10;
        const int rest = c >= 100 ? c % 100 : c % 10;
        const int k = band * 50 + rest - 17;
        if (k < 33 || k > 132)
            return std::nullopt;
        out.push_back(text::cp1252Char(static_cast<unsigned char>(k)));
    }
    return fromCodePoints(out);
}

} // namespace sentari::saver
