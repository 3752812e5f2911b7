#pragma once

// Signature files as the signature window reads and writes them, and the one font, size and
// colour an entry is shown and saved in. Store calls throw StoreError.

#include "signature/signaturelist.h"

#include <QString>
#include <QtGlobal>
#include <string>

class QPlainTextEdit;

namespace sentari {
class SettingsStore;
}

namespace sentari::signature {

// What a new user sees in the editor; CR LF line breaks.
QString defaultTemplate();

struct TextStyle {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    quint32 colour = 0; // 0x00BBGGRR
    bool operator==(const TextStyle&) const = default;
};

// The style an entry is shown in: its stored font for a rich-text file, Arial 10 pt black
// for a plain one. A size written with a comma (another locale) reads as with a dot; a size
// or colour that is not a number gives the plain style rather than a failure.
TextStyle styleOf(const SignatureEntry& entry);

// An entry for the file, its template and the style it is saved in; the size is written
// with a dot whatever the locale.
SignatureEntry entryFor(const std::string& path, const QString& intro, const TextStyle& style);

// A size to the nearest whole point, a half to the even neighbour.
int wholePoints(double pointSize);

// The file's text for the editor: lines end at CR LF, CR or LF; empty lines before the first
// text go, so does the line break after the last line; lines are joined with CR LF.
QString joinFileLines(const QString& text);
QString readSignatureFile(SettingsStore& store, const std::string& path);

// The template as the file holds it: plain text exactly as typed (HTML included), rich text
// as an RTF document in the style.
void writeSignatureFile(SettingsStore& store, const std::string& path, const QString& text,
                        const TextStyle& style);

// Puts the quote tag and a line break at the caret; a selection stays and follows the tag.
void insertQuoteTag(QPlainTextEdit& editor);

} // namespace sentari::signature
