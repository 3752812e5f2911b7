#pragma once

// The store speaks UTF-8 std::string; the programs speak QString. Paths are neither: they
// are the system's bytes, which need not be UTF-8, and a QString cannot always hold them.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace sentari {

inline QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string u8(const QString& s)
{
    return s.toStdString();
}

// The bytes that name the file a dialog or the user gave as text.
inline std::string pathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Text as code points, for what is handled character by character (the saver's places, the
// password coding), and back.
inline std::u32string codePoints(QStringView text)
{
    const QList<uint> codes = text.toUcs4();
    return {codes.begin(), codes.end()};
}
inline QString fromCodePoints(std::u32string_view codes)
{
    return QString::fromUcs4(codes.data(), static_cast<qsizetype>(codes.size()));
}

// A text written with \n, as translators see it, with the CR LF line breaks that message
// boxes and signature files get.
inline QString withCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace sentari
