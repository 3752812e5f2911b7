#include "signature/signaturefiles.h"

#include "platform/qtstring.h"
#include "sentaristore/settings/colour.h"
#include "sentaristore/settingsstore.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextCursor>
#include <cmath>

namespace sentari::signature {

namespace {
const QString CrLf = QStringLiteral("\r\n");
} // namespace

QString defaultTemplate()
{
    // The tag is what Sentari looks for in the file, so no language changes it.
    return withCrLf(QCoreApplication::translate("sentari::signature::SignatureWindow",
                                                "Add your signature information here.\n"
                                                "\n"
                                                "For example:\n"
                                                "\n"
                                                "greetings,\n"
                                                "\n"
                                                "Pim Valder\n"
                                                "https://www.example.com/pimvalder/\n"
                                                "\n"
                                                "%1"))
        .arg(qs(QuoteTag));
}

int wholePoints(double pointSize)
{
    return static_cast<int>(std::nearbyint(pointSize)); // the default rounding: half to even
}

TextStyle styleOf(const SignatureEntry& entry)
{
    if (!isRichText(entry.path))
        return {};
    bool sizeOk = false;
    const double size = QString(entry.fontSize)
                            .replace(QLatin1Char(','), QLatin1Char('.'))
                            .trimmed()
                            .toDouble(&sizeOk);
    const auto colour = colour::parse(u8(entry.fontColor));
    // The bounds of what a rich-text document can state as a size.
    if (!sizeOk || !(size >= 1 && size <= 1638) || !colour)
        return {};
    TextStyle style;
    if (!entry.fontName.isEmpty())
        style.family = entry.fontName;
    style.pointSize = wholePoints(size);
    style.colour = *colour;
    return style;
}

SignatureEntry entryFor(const std::string& path, const QString& intro, const TextStyle& style)
{
    return {path, intro, style.family, QString::number(style.pointSize, 'g', 7),
            QString::number(style.colour)};
}

QString joinFileLines(const QString& text)
{
    QString unified = text;
    unified.replace(CrLf, QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    if (unified.endsWith(QLatin1Char('\n')))
        lines.removeLast(); // a line break ends the last line; it starts no new one
    QString joined;
    for (const QString& line : lines) {
        if (!joined.isEmpty())
            joined += CrLf;
        joined += line;
    }
    return joined;
}

QString readSignatureFile(SettingsStore& store, const std::string& path)
{
    return joinFileLines(qs(store.readTextFile(path)));
}

void writeSignatureFile(SettingsStore& store, const std::string& path, const QString& text,
                        const TextStyle& style)
{
    if (isRichText(path))
        store.writeTextFile(path, store.textToRtf(u8(text), u8(style.family), style.colour,
                                                  wholePoints(style.pointSize)));
    else
        store.writeTextFile(path, u8(text));
}

void insertQuoteTag(QPlainTextEdit& editor)
{
    QTextCursor at(editor.document());
    at.setPosition(editor.textCursor().selectionStart());
    at.insertText(qs(QuoteTag) + QLatin1Char('\n'));
}

} // namespace sentari::signature
