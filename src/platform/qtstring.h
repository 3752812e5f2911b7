#pragma once

// The store speaks UTF-8 std::string; the programs speak QString. Paths are neither: they
// are the system's bytes, which need not be UTF-8, and a QString cannot always hold them.

#include <QFile>
#include <QString>
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

} // namespace sentari
